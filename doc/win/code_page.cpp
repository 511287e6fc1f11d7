// Windows: the system code page is the ANSI code page the program's texts use.
#include <windows.h>

#include "doc/code_page.h"

namespace gw {

std::string systemBytesFor(char32_t c) {
    wchar_t wide[2];
    int units = 1;
    if (c >= 0x10000) {
        wide[0] = wchar_t(0xD800 + ((c - 0x10000) >> 10));
        wide[1] = wchar_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        units = 2;
    } else {
        wide[0] = wchar_t(c);
    }
    char bytes[8];
    if (GetACP() == CP_UTF8) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, wide, units, bytes, sizeof bytes, nullptr, nullptr);
        return n > 0 ? std::string(bytes, size_t(n)) : std::string();
    }
    // No best fit: Windows would turn some letters into unrelated ones; the shared
    // folding knows better, and anything else becomes '?'.
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, bytes, sizeof bytes, nullptr,
                                      &usedDefault);
    if (n <= 0 || usedDefault) return std::string();
    return std::string(bytes, size_t(n));
}

std::u32string systemTextToChars(const std::string& text) {
    std::u32string out;
    if (text.empty()) return out;
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    if (n <= 0) return out;
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), n);
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t c = char32_t(uint16_t(wide[i]));
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size()) {
            const char32_t low = char32_t(uint16_t(wide[i + 1]));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace gw
