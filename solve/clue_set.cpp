// The per-cell clue table and the two clue lists it feeds.
#include "solve/clue_set.h"

#include <algorithm>

#include "doc/puzzle_grid.h"
#include "ports/view_ports.h"

namespace gw {
namespace {

// Directions as the clue lists number them.
constexpr int ListAcross = 0;
constexpr int ListDown = 1;

uint16_t itemFromList(int position) {
    return (position < 0 || position >= NoOrdinal) ? NoOrdinal : uint16_t(position);
}

}  // namespace

void ClueSet::Build(int width, int height, const std::vector<std::string>& clueTexts) {
    // The table addresses cells of the grid it belongs to, so it can never be larger.
    width_ = std::max(0, std::min({width, int(grid_.width), MaxGridSize}));
    height_ = std::max(0, std::min({height, int(grid_.height), MaxGridSize}));
    nextOrdinal = 0;
    texts_.clear();
    entries.assign(size_t(width_) * height_, ClueEntry{});

    // The entries point into texts_, so it is sized once for every word and never grows.
    size_t words = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const GridCell& c = grid_.cell(x, y);
            if (c.isWhite()) words += size_t((c.flags & AcrossStart) != 0) + size_t((c.flags & DownStart) != 0);
        }
    texts_.reserve(words);

    // A clue list shorter than the grid's words gives the missing clues empty texts.
    auto takeText = [&]() -> const std::string* {
        const size_t ordinal = size_t(nextOrdinal);
        if (ordinal < clueTexts.size())
            texts_.push_back(clueTexts[ordinal]);
        else
            texts_.emplace_back();
        ++nextOrdinal;
        return &texts_.back();
    };

    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            ClueEntry& e = entries[size_t(y) * width_ + x];
            const GridCell& c = grid_.cell(x, y);
            if (!c.isWhite()) continue;  // the defaults are the none values

            if (c.flags & AcrossStart) {
                e.acrossNumber = uint16_t(c.number);
                e.acrossOrdinal = uint16_t(nextOrdinal);
                e.acrossText = takeText();
            } else if (x > 0) {
                const ClueEntry& left = entries[size_t(y) * width_ + x - 1];
                e.acrossNumber = left.acrossNumber;
                e.acrossOrdinal = left.acrossOrdinal;
                e.acrossText = left.acrossText;
            }

            if (c.flags & DownStart) {
                e.downNumber = uint16_t(c.number);
                e.downOrdinal = uint16_t(nextOrdinal);
                e.downText = takeText();
            } else if (y > 0) {
                const ClueEntry& above = entries[size_t(y - 1) * width_ + x];
                e.downNumber = above.downNumber;
                e.downOrdinal = above.downOrdinal;
                e.downText = above.downText;
            }
        }
    }
}

void ClueSet::AttachLists(ClueListPort* across, ClueListPort* down) {
    acrossList = across;
    downList = down;

    for (ClueEntry& e : entries) e.acrossItem = NoOrdinal;
    if (acrossList) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                ClueEntry& e = entries[size_t(y) * width_ + x];
                const GridCell& c = grid_.cell(x, y);
                if (!c.isWhite()) continue;
                if (c.flags & AcrossStart)
                    e.acrossItem = itemFromList(acrossList->addClue(
                        e.acrossText ? e.acrossText->c_str() : "", c.number, ListAcross));
                else if (x > 0)
                    e.acrossItem = entries[size_t(y) * width_ + x - 1].acrossItem;
            }
    }

    for (ClueEntry& e : entries) e.downItem = NoOrdinal;
    if (downList) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                ClueEntry& e = entries[size_t(y) * width_ + x];
                const GridCell& c = grid_.cell(x, y);
                if (!c.isWhite()) continue;
                if (c.flags & DownStart)
                    e.downItem = itemFromList(
                        downList->addClue(e.downText ? e.downText->c_str() : "", c.number, ListDown));
                else if (y > 0)
                    e.downItem = entries[size_t(y - 1) * width_ + x].downItem;
            }
    }

    if (grid_.isWhite(grid_.cursorX, grid_.cursorY)) ShowCellClues(grid_.cursorX, grid_.cursorY);
}

void ClueSet::ShowCellClues(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const ClueEntry& e = entries[size_t(y) * width_ + x];
    if (acrossList)
        acrossList->showCurrentClue(ListAcross, e.acrossItem, e.acrossNumber,
                                    e.acrossText ? e.acrossText->c_str() : "",
                                    grid_.currentDirection == DirAcross);
    if (downList)
        downList->showCurrentClue(ListDown, e.downItem, e.downNumber, e.downText ? e.downText->c_str() : "",
                                  grid_.currentDirection == DirDown);
}

}  // namespace gw
