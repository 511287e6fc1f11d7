// The timer's Help: its topic in the HTML help file beside this library, through
// the HTML Help viewer loaded at first use. Without the viewer or the file, Help
// does nothing.
#include <windows.h>

#include <string>

#include "timer_tool.h"

namespace ovtimer {
namespace {

typedef HWND(WINAPI* HtmlHelpProc)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT HhDisplayTopic = 0x0000;
constexpr int HtmlHelpOrdinal = 14;

HtmlHelpProc viewer() {
    static bool tried = false;
    static HtmlHelpProc entry = nullptr;
    if (tried) return entry;
    tried = true;
    // From the system folder by full path: a bare name would search the program's and
    // the current folder first.
    char folder[MAX_PATH] = {};
    UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    HMODULE library = LoadLibraryExA((std::string(folder, n) + "\\hhctrl.ocx").c_str(), nullptr, 0);
    if (library)
        entry = reinterpret_cast<HtmlHelpProc>(
            reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(HtmlHelpOrdinal))));
    return entry;
}

}  // namespace

void openTimerHelp(TimerTool& t, HWND owner) {
    char module[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(t.module, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::string path(module, length);
    size_t slash = path.find_last_of('\\');
    path = (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "\\OVTimer.chm";
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    if (HtmlHelpProc entry = viewer()) entry(owner, path.c_str(), HhDisplayTopic, 0);
}

}  // namespace ovtimer
