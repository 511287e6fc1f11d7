// The settings store on the per-user registry: one root key kept open for the
// whole run, one sub-key per group opened (and created) for each single access.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "ports/settings_store.h"
#include "ports/settings_text.h"

namespace gw {

class RegistrySettings : public SettingsStore {
public:
    // Integers and texts whose stored text has this many bytes or more are not read.
    static constexpr size_t kValueCapacity = 128;
    // Colours are read into a buffer of this size.
    static constexpr size_t kColourCapacity = 24;
    // Longest text the unlimited readText accepts (the longest text setting is
    // the toolbar order, 511 characters).
    static constexpr size_t kTextCapacity = 512;

    // Opens (creating it if missing) HKEY_CURRENT_USER\Software\Pellicor\Orvane.
    RegistrySettings();
    // Opens another root; for tests.
    RegistrySettings(HKEY parent, const char* path);
    ~RegistrySettings() override;
    RegistrySettings(const RegistrySettings&) = delete;
    RegistrySettings& operator=(const RegistrySettings&) = delete;

    bool isOpen() const { return root_ != nullptr; }
    HKEY root() const { return root_; }

    bool readInt(const char* section, const char* name, int& value) override;
    void writeInt(const char* section, const char* name, int value) override;
    bool readText(const char* section, const char* name, std::string& value) override;
    void writeText(const char* section, const char* name, const std::string& value) override;
    bool readColour(const char* section, const char* name, uint32_t& value) override;
    void writeColour(const char* section, const char* name, uint32_t value) override;
    void deleteValue(const char* section, const char* name) override;
    void deleteSection(const char* section) override;

    // Reads a text only when it fits a buffer of `capacity` characters with its
    // terminating zero; a longer stored text leaves `value` unchanged.
    bool readText(const char* section, const char* name, std::string& value, size_t capacity);
    // Writes a text value; returns success (false without a root).
    bool writeTextValue(const char* section, const char* name, const char* text);
    // Commits the root key to disk.
    void flush();

private:
    // Reads the raw text of a value into buf (NUL-terminated); false when the value
    // is missing, not text, or does not fit with its terminating zero.
    bool queryText(const char* section, const char* name, char* buf, size_t capacity);

    HKEY root_ = nullptr;
};

}  // namespace gw
