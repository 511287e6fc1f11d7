// Building the grid's cells from the strings and sections of a puzzle file.
#include "puzzle_grid.h"

#include <algorithm>
#include <cstring>

namespace gw {

namespace {

std::unique_ptr<RebusEntry> copyEntry(const RebusEntry& e) { return std::make_unique<RebusEntry>(e); }

// A solver's rebus entry as stored in "RUSR": "[c]" for a symbol, else up to 9 letters.
std::unique_ptr<RebusEntry> userEntryFromText(const char* s, size_t length) {
    if (length == 0) return nullptr;
    auto entry = std::make_unique<RebusEntry>();
    if (s[0] == '[') {
        if (length < 2) return nullptr;  // a lone bracket names no symbol
        entry->length = 1;
        entry->text[0] = s[1];
        entry->kind = RebusSymbol;
        return entry;
    }
    const size_t kept = std::min(length, size_t(RebusMaxText));
    std::memcpy(entry->text, s, kept);
    entry->length = int16_t(kept);
    entry->kind = RebusPlain;
    return entry;
}

}  // namespace

PuzzleGrid::PuzzleGrid(int w, int h, const std::string& solution, const std::string& fill,
                       uint16_t scrambledChecksum, const uint8_t* gext, const uint8_t* grbs,
                       const char* rebusText, const char* rusr, int rusrLength) {
    width = int16_t(std::clamp(w, 0, MaxGridSize));
    height = int16_t(std::clamp(h, 0, MaxGridSize));

    if (rebusText) {
        rebusTable = std::make_unique<RebusTable>();
        parseRebusTable(rebusText, *rebusTable);
    }

    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t index = size_t(y) * size_t(width) + size_t(x);
            GridCell& c = cells[x][y];
            const char s = index < solution.size() ? solution[index] : '.';
            // Only the saved bits come from "GEXT": numbering owns the low ones.
            const uint8_t saved = gext ? uint8_t(gext[index] & SavedFlagsMask) : 0;
            if (s == '.' || s == ':') {
                c.isLetter = 0;
                c.solution = s;
                c.fill = s;
                c.flags = uint8_t(saved | (s == ':' ? ShownColon : 0));
                continue;
            }
            c.isLetter = 1;
            c.solution = s;
            c.fill = index < fill.size() ? fill[index] : '-';
            c.flags = saved;
            if (grbs && rebusTable) {
                const int slot = grbs[index];
                if (slot >= 1 && slot <= RebusTableSlots && rebusTable->slots[size_t(slot - 1)])
                    c.solutionRebus = copyEntry(*rebusTable->slots[size_t(slot - 1)]);
            }
        }
    }

    // "RUSR": one NUL-terminated string per square in row order, blocks included.
    if (rusr && rusrLength > 0) {
        size_t pos = 0;
        const size_t total = size_t(rusrLength);
        for (int y = 0; y < height && pos < total; ++y) {
            for (int x = 0; x < width && pos < total; ++x) {
                const char* s = rusr + pos;
                const void* nul = std::memchr(s, '\0', total - pos);
                const size_t length = nul ? size_t(static_cast<const char*>(nul) - s) : total - pos;
                pos += length + 1;
                GridCell& c = cells[x][y];
                if (c.isLetter) c.userRebus = userEntryFromText(s, length);
            }
        }
    }

    NumberGrid();
    solutionChecksum = scrambledChecksum;
    key = 0;
    keyKnown = false;
}

}  // namespace gw
