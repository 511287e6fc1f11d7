// UTF-8 decoding and encoding, and the fall-back spellings of characters the
// system code page has no place for.
#include "doc/code_page.h"

#include <cstdint>

namespace gw {
namespace {

constexpr char32_t Invalid = 0xFFFFFFFF;

// Reads one code point at s[i] and advances i; Invalid for a malformed sequence
// (which then consumes one byte, so decoding always moves on).
char32_t nextCodePoint(const std::string& s, size_t& i) {
    const auto byte = [&](size_t k) { return uint8_t(s[k]); };
    const uint8_t b = byte(i);
    int extra = 0;
    char32_t c = 0, min = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        extra = 1, c = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2, c = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3, c = b & 0x07, min = 0x10000;
    } else {
        ++i;
        return Invalid;
    }
    if (i + size_t(extra) >= s.size()) {
        ++i;
        return Invalid;
    }
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + size_t(k)) & 0xC0) != 0x80) {
            ++i;
            return Invalid;
        }
        c = (c << 6) | (byte(i + size_t(k)) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return Invalid;
    }
    i += size_t(extra) + 1;
    return c;
}

bool isCombiningMark(char32_t c) { return (c >= 0x300 && c <= 0x36F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x20D0 && c <= 0x20FF); }

// Base letters of U+00C0..U+017F; '*' marks the ligatures spelled with two letters.
constexpr char LatinFolds[] =
    "AAAAAA*CEEEEIIIIDNOOOOOxOUUUUY**aaaaaa*ceeeeiiiidnooooo/ouuuuy*y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

const char* ligature(char32_t c) {
    switch (c) {
        case 0xC6: return "AE";
        case 0xDE: return "TH";
        case 0xDF: return "ss";
        case 0xE6: return "ae";
        case 0xFE: return "th";
        case 0x132: return "IJ";
        case 0x133: return "ij";
        case 0x152: return "OE";
        case 0x153: return "oe";
        default: return nullptr;
    }
}

// The plain spelling of a character the code page lacks; "?" when there is none.
std::string plainSpelling(char32_t c) {
    if (c >= 0xC0 && c <= 0x17F) {
        if (const char* two = ligature(c)) return two;
        return std::string(1, LatinFolds[c - 0xC0]);
    }
    if (c >= 0x2010 && c <= 0x2015) return "-";
    if (c == 0x2212) return "-";
    if (c >= 0x2018 && c <= 0x201B) return "'";
    if (c == 0x2032) return "'";
    if (c >= 0x201C && c <= 0x201F) return "\"";
    if (c == 0x2033) return "\"";
    if (c == 0x2026) return "...";
    if (c == 0xA0 || c == 0x2002 || c == 0x2003 || c == 0x2009 || c == 0x202F) return " ";
    return "?";
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string utf8ToSystemText(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    if (utf8.compare(0, 3, "\xEF\xBB\xBF") == 0) i = 3;
    while (i < utf8.size()) {
        const char32_t c = nextCodePoint(utf8, i);
        if (c == Invalid) {
            out += '?';
        } else if (c < 0x80) {
            out += char(c);
        } else if (isCombiningMark(c) || c == 0xFEFF || c == 0x200B) {
            continue;  // an accent typed apart from its letter, or an invisible mark
        } else {
            const std::string bytes = systemBytesFor(c);
            out += bytes.empty() ? plainSpelling(c) : bytes;
        }
    }
    return out;
}

std::string systemTextToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : systemTextToChars(text)) appendUtf8(out, c);
    return out;
}

}  // namespace gw
