#include "shell/help_viewer.h"

#include <cstdio>

#include "shell/system_libraries.h"

namespace gw {
namespace {

constexpr UINT HhDisplayTopic = 0x0000;
constexpr UINT HhInitialize = 0x001C;
constexpr UINT HhUninitialize = 0x001D;
constexpr int HtmlHelpOrdinal = 14;
constexpr size_t HelpPathLimit = 256;

// The registered viewer library, from the classes root.
std::string registeredViewer() {
    HKEY key;
    std::string path;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return path;
    char buffer[MAX_PATH] = {};
    DWORD size = sizeof(buffer) - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        buffer[sizeof(buffer) - 1] = 0;
        if (type == REG_EXPAND_SZ) {
            char expanded[MAX_PATH] = {};
            if (ExpandEnvironmentStringsA(buffer, expanded, sizeof(expanded)) > 0) path = expanded;
        } else {
            path = buffer;
        }
    }
    RegCloseKey(key);
    return path;
}

// "C:\\..." or "\\\\server\\...".
bool isFullPath(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) return true;
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

}  // namespace

HelpViewer::HelpViewer(const std::string& programFolder, HWND owner) : owner_(owner) {
    // A cut path would name another file (or none), so a folder too deep for the
    // limit has no help file at all.
    std::string file = programFolder + "\\GRIDWELL.CHM";
    if (file.size() < HelpPathLimit) helpFile_ = std::move(file);
}

HelpViewer::~HelpViewer() {
    if (entry_) entry_(nullptr, nullptr, HhUninitialize, cookie_);
    if (library_) FreeLibrary(library_);
}

bool HelpViewer::load() {
    if (loadAttempted_) return entry_ != nullptr;
    loadAttempted_ = true;
    // Only a registered viewer named by its full path is taken; the fallback comes
    // from the system folder, never through the search path.
    std::string registered = registeredViewer();
    if (isFullPath(registered)) library_ = LoadLibraryExA(registered.c_str(), nullptr, 0);
    if (!library_) library_ = syslib::systemLibrary("hhctrl.ocx");
    if (!library_) return false;
    entry_ = reinterpret_cast<HtmlHelpProc>(
        reinterpret_cast<void*>(GetProcAddress(library_, MAKEINTRESOURCEA(HtmlHelpOrdinal))));
    if (!entry_) {
        FreeLibrary(library_);
        library_ = nullptr;
        return false;
    }
    entry_(nullptr, nullptr, HhInitialize, reinterpret_cast<DWORD_PTR>(&cookie_));
    return true;
}

std::string HelpViewer::topicAddress(const char* topic) const {
    char address[HelpPathLimit * 2];
    std::snprintf(address, sizeof(address), "%s::/html/%s", helpFile_.c_str(), topic);
    return address;
}

bool HelpViewer::showTopic(const char* topic) {
    if (!topic || helpFile_.empty() || !load()) return false;
    std::string address = topicAddress(topic);
    return entry_(owner_, address.c_str(), HhDisplayTopic, 0) != nullptr;
}

}  // namespace gw
