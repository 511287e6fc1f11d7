#include "rebus.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace gw {

namespace {
constexpr int MinPieceLength = 3;
constexpr int MaxPieceLength = 12;
}  // namespace

void parseRebusTable(const char* text, RebusTable& table) {
    if (!text) return;
    std::string work(text);
    // Pieces are separated by ';'; the last one (after the final ';') is empty and ends the walk.
    size_t pos = 0;
    while (pos <= work.size()) {
        size_t end = work.find(';', pos);
        if (end == std::string::npos) end = work.size();
        const std::string piece = work.substr(pos, end - pos);
        pos = end + 1;

        if (int(piece.size()) < MinPieceLength || int(piece.size()) > MaxPieceLength) return;
        int key = 0;
        char body[MaxPieceLength + 4] = {};
        if (std::sscanf(piece.c_str(), "%2d:%15s", &key, body) != 2) return;
        const size_t bodyLength = std::strlen(body);
        if (key < 0 || key >= RebusTableSlots || bodyLength > size_t(RebusMaxText)) continue;

        auto entry = std::make_unique<RebusEntry>();
        if (body[0] == '[') {
            char symbol = 0;
            if (std::sscanf(body, "[%c]", &symbol) != 1) return;
            entry->length = 1;
            entry->text[0] = symbol;
            entry->kind = piece.back() == '*' ? RebusSymbolStar : RebusSymbol;
        } else {
            entry->length = int16_t(bodyLength);
            std::memcpy(entry->text, body, bodyLength);
            entry->kind = RebusPlain;
        }
        table.slots[size_t(key)] = std::move(entry);
    }
}

}  // namespace gw
