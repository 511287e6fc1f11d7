// Elsewhere (puztool and the native tests): the code page is Windows-1252, which
// the program's texts use on Western systems.
#include <cstdint>

#include "doc/code_page.h"

namespace gw {
namespace {

// Characters of bytes 0x80..0x9F; 0 where Windows-1252 leaves a byte unassigned.
constexpr char16_t HighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string systemBytesFor(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return std::string(1, char(c));
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] != 0 && HighControls[i] == c) return std::string(1, char(0x80 + i));
    return std::string();
}

std::u32string systemTextToChars(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    for (char ch : text) {
        const uint8_t b = uint8_t(ch);
        if (b >= 0x80 && b <= 0x9F)
            out += HighControls[b - 0x80] ? char32_t(HighControls[b - 0x80]) : char32_t(0xFFFD);
        else
            out += char32_t(b);
    }
    return out;
}

}  // namespace gw
