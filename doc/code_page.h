// Texts between UTF-8 (ipuz files) and the system code page the document keeps
// its texts in. The per-character mapping is the platform's; the folding of what
// the code page cannot hold is shared.
#pragma once
#include <string>

namespace gw {

// A character the code page cannot hold becomes its closest plain letter ("é" "e",
// "Œ" "OE", curly quotes straight ones) or '?'. Combining accents are dropped with
// their letter kept; a broken UTF-8 sequence becomes '?'.
std::string utf8ToSystemText(const std::string& utf8);
std::string systemTextToUtf8(const std::string& text);

// The platform's half: the code page bytes of one character, or "" when the code
// page has no exact match; and the character a code page text stands for.
std::string systemBytesFor(char32_t c);
std::u32string systemTextToChars(const std::string& text);

// Appends c as UTF-8 (a code point outside Unicode becomes U+FFFD).
void appendUtf8(std::string& out, char32_t c);

}  // namespace gw
