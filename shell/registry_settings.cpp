#include "shell/registry_settings.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "resources/string_table.h"

namespace gw {
namespace {

// A sub-key handle closed when it goes out of scope.
class SubKey {
public:
    SubKey(HKEY root, const char* section) {
        if (!root || !section) return;
        if (RegCreateKeyExA(root, section, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                            nullptr, &key_, nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~SubKey() {
        if (key_) RegCloseKey(key_);
    }
    SubKey(const SubKey&) = delete;
    SubKey& operator=(const SubKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

RegistrySettings::RegistrySettings() : RegistrySettings(HKEY_CURRENT_USER, stringText(IDS_REGISTRY_ROOT)) {}

RegistrySettings::RegistrySettings(HKEY parent, const char* path) {
    if (!parent || !path || !*path) return;
    if (RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &root_,
                        nullptr) != ERROR_SUCCESS)
        root_ = nullptr;
}

RegistrySettings::~RegistrySettings() {
    if (root_) RegCloseKey(root_);
}

bool RegistrySettings::queryText(const char* section, const char* name, char* buf, size_t capacity) {
    if (!root_ || !name || capacity == 0) return false;
    SubKey key(root_, section);
    if (!key.get()) return false;
    DWORD type = 0;
    DWORD size = DWORD(capacity);
    // Other value types (set by hand) are not text and are not read.
    if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    return terminateStoredText(buf, size, capacity);
}

bool RegistrySettings::readInt(const char* section, const char* name, int& value) {
    char buf[kValueCapacity];
    if (!queryText(section, name, buf, sizeof buf)) return false;
    return parseSettingInt(buf, value);
}

void RegistrySettings::writeInt(const char* section, const char* name, int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    writeTextValue(section, name, buf);
}

bool RegistrySettings::readText(const char* section, const char* name, std::string& value) {
    return readText(section, name, value, kTextCapacity);
}

bool RegistrySettings::readText(const char* section, const char* name, std::string& value, size_t capacity) {
    if (capacity == 0) return false;
    std::vector<char> buf(capacity);
    if (!queryText(section, name, buf.data(), capacity)) return false;
    value.assign(buf.data());
    return true;
}

void RegistrySettings::writeText(const char* section, const char* name, const std::string& value) {
    writeTextValue(section, name, value.c_str());
}

bool RegistrySettings::writeTextValue(const char* section, const char* name, const char* text) {
    if (!root_ || !name || !text) return false;
    SubKey key(root_, section);
    if (!key.get()) return false;
    const DWORD size = DWORD(std::strlen(text) + 1);
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) == ERROR_SUCCESS;
}

bool RegistrySettings::readColour(const char* section, const char* name, uint32_t& value) {
    char stored[kColourCapacity];
    const bool read = queryText(section, name, stored, sizeof stored);
    return readStoredColour(read ? stored : nullptr, value);
}

void RegistrySettings::writeColour(const char* section, const char* name, uint32_t value) {
    char buf[kColourCapacity];
    std::snprintf(buf, sizeof buf, "%lu", static_cast<unsigned long>(value));
    writeTextValue(section, name, buf);
}

void RegistrySettings::deleteValue(const char* section, const char* name) {
    if (!root_ || !name) return;
    SubKey key(root_, section);
    if (key.get()) RegDeleteValueA(key.get(), name);
}

void RegistrySettings::deleteSection(const char* section) {
    // An empty name would address the root itself.
    if (!root_ || !section || !*section) return;
    RegDeleteTreeA(root_, section);
}

void RegistrySettings::flush() {
    if (root_) RegFlushKey(root_);
}

}  // namespace gw
