// Ties every cell to its Across and Down clue: numbers, ordinals, list items, texts.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gw {

class ClueListPort;
class PuzzleGrid;

constexpr uint16_t NoOrdinal = 0xFFFF;

struct ClueEntry {
    uint16_t acrossNumber = 0;
    uint16_t downNumber = 0;
    uint16_t acrossOrdinal = NoOrdinal;
    uint16_t downOrdinal = NoOrdinal;
    uint16_t acrossItem = NoOrdinal;
    uint16_t downItem = NoOrdinal;
    // Shared by every cell of the word; owned through ClueSet::texts.
    const std::string* acrossText = nullptr;
    const std::string* downText = nullptr;
};

class ClueSet {
public:
    explicit ClueSet(PuzzleGrid& grid) : grid_(grid) {}

    int32_t nextOrdinal = 0;
    std::vector<ClueEntry> entries;  // width*height, row by row
    ClueListPort* acrossList = nullptr;
    ClueListPort* downList = nullptr;

    // Fills the table from the grid's start flags and the file's clues in clue order;
    // an empty or missing clue (a list shorter than the words) gives an empty text.
    void Build(int width, int height, const std::vector<std::string>& clueTexts);
    // Stores the lists (either may be null), fills them in clue order and shows the
    // cursor's clues when the cursor is on the grid.
    void AttachLists(ClueListPort* across, ClueListPort* down);
    // Tells each list its current clue: item NoOrdinal (0xFFFF) and number 0 when the
    // cell lies in no word of that direction; the text is then "".
    void ShowCellClues(int x, int y);

    const ClueEntry& entry(int x, int y) const { return entries[size_t(y) * width_ + x]; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    PuzzleGrid& grid_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::string> texts_;  // one copy per word; reserved in full before any is taken
};

}  // namespace gw
