// Multi-letter and symbol answers and entries.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

namespace gw {

enum RebusKind : uint8_t { RebusPlain = 0, RebusSymbol = 1, RebusSymbolStar = 2 };

constexpr int RebusMaxText = 9;

struct RebusEntry {
    int16_t length = 0;
    char text[RebusMaxText + 1] = {};  // NUL-terminated, at most 9 characters
    uint8_t kind = RebusPlain;
};

constexpr int RebusTableSlots = 43;

struct RebusTable {
    std::array<std::unique_ptr<RebusEntry>, RebusTableSlots> slots;
};

// Fills the table from an "RTBL" text ("%2d:%s;" pieces). Malformed pieces end or
// skip the parse quietly; nothing is ever read past the text's terminator.
void parseRebusTable(const char* text, RebusTable& table);

}  // namespace gw
