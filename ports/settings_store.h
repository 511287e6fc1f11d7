// Settings by section (registry sub-key) and value name. Reads leave the caller's
// default in place when the value is missing or unreadable.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace gw {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool readInt(const char* section, const char* name, int& value) = 0;
    virtual void writeInt(const char* section, const char* name, int value) = 0;
    virtual bool readText(const char* section, const char* name, std::string& value) = 0;
    virtual void writeText(const char* section, const char* name, const std::string& value) = 0;
    virtual bool readColour(const char* section, const char* name, uint32_t& value) = 0;
    virtual void writeColour(const char* section, const char* name, uint32_t value) = 0;
    virtual void deleteValue(const char* section, const char* name) = 0;
    virtual void deleteSection(const char* section) = 0;
};

// Reads a text into a caller's buffer of `capacity` characters with its
// terminating zero: a longer stored text is cut to capacity - 1 characters rather
// than dropped, so a long font face survives instead of being replaced by a default.
inline bool readTextLimited(SettingsStore& store, const char* section, const char* name, std::string& value,
                            size_t capacity) {
    std::string text;
    if (capacity == 0 || !store.readText(section, name, text)) return false;
    if (text.size() >= capacity) text.resize(capacity - 1);
    value = text;
    return true;
}

}  // namespace gw
