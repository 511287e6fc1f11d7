// How the settings store turns the text it keeps into values. Stored values can be
// edited by hand, so everything here takes any bytes. Portable, so that the
// reading is tested and fuzzed without the registry.
#pragma once
#include <cstddef>
#include <cstdint>

namespace gw {

// Integer parsing as "%d" does it (leading blanks, a sign, the digits up to the
// first other character), without the undefined overflow: a number outside the
// int range is not read.
bool parseSettingInt(const char* text, int& value);
// Unsigned decimal as "%lu", limited to 32 bits.
bool parseSettingColour(const char* text, uint32_t& value);

// Ends the `size` bytes a text value came back as in `buf` (of `capacity`) with a
// zero; false when they fill the buffer without one (the text is too long).
bool terminateStoredText(char* buf, size_t size, size_t capacity);

// A colour as the store reads it: `stored` is the value's text, or null when none
// could be read. A text that is not a number leaves `value` alone. True only when a
// stored colour was read.
bool readStoredColour(const char* stored, uint32_t& value);

}  // namespace gw
