// Letters as the solver takes them: the letters of the Windows ANSI code page
// (Windows-1252), not just A-Z, so that an accented letter typed or pasted into a cell
// is entered and upper-cased rather than emptying the cell.
#pragma once

namespace gw::letters {

inline unsigned char byte(char c) { return static_cast<unsigned char>(c); }

inline bool isUpper(char c) {
    const unsigned char b = byte(c);
    return (b >= 'A' && b <= 'Z') || b == 0x8A || b == 0x8C || b == 0x8E || b == 0x9F ||
           (b >= 0xC0 && b <= 0xDE && b != 0xD7);
}

inline bool isLower(char c) {
    const unsigned char b = byte(c);
    return (b >= 'a' && b <= 'z') || b == 0x9A || b == 0x9C || b == 0x9E || (b >= 0xE0 && b != 0xF7);
}

// Besides the cased letters: f-hook, the ordinals, micro sign and sharp s, which have
// no capital here (so a lower-case one never reads as a pencil mark).
inline bool isLetter(char c) {
    const unsigned char b = byte(c);
    return isUpper(c) || isLower(c) || b == 0x83 || b == 0xAA || b == 0xB5 || b == 0xBA || b == 0xDF;
}

inline char upper(char c) {
    const unsigned char b = byte(c);
    if (b >= 'a' && b <= 'z') return char(b - 'a' + 'A');
    if (b == 0x9A || b == 0x9C || b == 0x9E) return char(b - 0x10);
    if (b == 0xFF) return char(0x9F);
    if (b >= 0xE0 && b != 0xF7) return char(b - 0x20);
    return c;
}

inline char lower(char c) {
    const unsigned char b = byte(c);
    if (b >= 'A' && b <= 'Z') return char(b - 'A' + 'a');
    if (b == 0x8A || b == 0x8C || b == 0x8E) return char(b + 0x10);
    if (b == 0x9F) return char(0xFF);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return char(b + 0x20);
    return c;
}

}  // namespace gw::letters
