#include "settings_text.h"

#include <cstdio>
#include <cstring>

namespace gw {
namespace {

// Colours are read into a buffer of this size.
constexpr size_t ColourCapacity = 24;

const char* skipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
    return p;
}

}  // namespace

bool parseSettingInt(const char* text, int& value) {
    if (!text) return false;
    const char* p = skipBlanks(text);
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (*p < '0' || *p > '9') return false;
    long long n = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        n = n * 10 + (*p - '0');
        if (n > 2147483648LL) return false;
    }
    if (negative) n = -n;
    if (n > 2147483647LL) return false;
    value = int(n);
    return true;
}

bool parseSettingColour(const char* text, uint32_t& value) {
    if (!text) return false;
    const char* p = skipBlanks(text);
    if (*p == '+') ++p;
    if (*p < '0' || *p > '9') return false;
    unsigned long long n = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        n = n * 10 + unsigned(*p - '0');
        if (n > 0xFFFFFFFFULL) return false;
    }
    value = uint32_t(n);
    return true;
}

bool terminateStoredText(char* buf, size_t size, size_t capacity) {
    if (capacity == 0 || size > capacity) return false;
    if (size == 0) {
        buf[0] = '\0';
        return true;
    }
    // Stored without its terminating zero and filling the buffer: too long.
    if (buf[size - 1] != '\0') {
        if (size >= capacity) return false;
        buf[size] = '\0';
    }
    return true;
}

bool readStoredColour(const char* stored, uint32_t& value) {
    // The default is formatted first and the stored text read over it, so a value
    // that cannot be read parses back to the default.
    char buf[ColourCapacity];
    std::snprintf(buf, sizeof buf, "%lu", static_cast<unsigned long>(value));
    if (stored) {
        std::strncpy(buf, stored, sizeof buf - 1);
        buf[sizeof buf - 1] = '\0';
    }
    uint32_t parsed = value;
    if (!parseSettingColour(buf, parsed)) return false;
    value = parsed;
    return stored != nullptr;
}

}  // namespace gw
