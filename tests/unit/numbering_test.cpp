#include <memory>
#include <string>
#include <vector>

#include "doc/puzzle_grid.h"
#include "fakes.h"
#include "ports/view_ports.h"
#include "solve/clue_set.h"

using namespace gw;
using gw::test::CoreFixture;

namespace {

std::string join(const std::vector<std::string>& rows) {
    std::string s;
    for (const auto& r : rows) s += r;
    return s;
}

// A grid built the way a file builds it; an empty fill leaves every white cell empty.
std::unique_ptr<PuzzleGrid> makeGrid(const std::vector<std::string>& rows, std::vector<std::string> fillRows = {},
                                     const std::vector<uint8_t>& gext = {}, const std::string& rusr = {}) {
    const std::string solution = join(rows);
    std::string fill = join(fillRows);
    if (fill.empty()) {
        fill = solution;
        for (char& c : fill)
            if (c != '.' && c != ':') c = '-';
    }
    return std::make_unique<PuzzleGrid>(int(rows[0].size()), int(rows.size()), solution, fill, 0,
                                        gext.empty() ? nullptr : gext.data(), nullptr, nullptr,
                                        rusr.empty() ? nullptr : rusr.data(), int(rusr.size()));
}

// AB.C      1 . . 2
// D.EF      . . 3 .
// GHIJ      4 . . .
const std::vector<std::string> kSmall = {"AB.C", "D.EF", "GHIJ"};

struct Added {
    std::string text;
    int number;
    int direction;
};
struct Shown {
    int direction, item, number;
    std::string text;
    bool active;
};

// Records what the clue set tells a list; items are handed out 0, 1, 2 ...
class RecordingList : public ClueListPort {
public:
    std::vector<Added> added;
    std::vector<Shown> shown;
    int failFrom = -1;  // from this call on, addClue reports an error
    int addClue(const char* text, int number, int direction) override {
        added.push_back({text, number, direction});
        const int pos = int(added.size()) - 1;
        return (failFrom >= 0 && pos >= failFrom) ? -1 : pos;
    }
    void showCurrentClue(int direction, int item, int number, const char* text, bool active) override {
        shown.push_back({direction, item, number, text, active});
    }
};

class Numbering : public CoreFixture {};

}  // namespace

TEST_F(Numbering, StartsAndNumbersFollowTheWordRules) {
    auto g = makeGrid(kSmall);
    const int expectNumber[3][4] = {{1, 0, 0, 2}, {0, 0, 3, 0}, {4, 0, 0, 0}};
    const uint8_t expectFlags[3][4] = {{3, 0, 0, 2}, {0, 0, 3, 0}, {1, 0, 0, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            if (!g->isWhite(x, y)) continue;
            EXPECT_EQ(g->cell(x, y).number, expectNumber[y][x]) << x << "," << y;
            EXPECT_EQ(g->cell(x, y).flags & 3, expectFlags[y][x]) << x << "," << y;
        }
    EXPECT_EQ(g->letterCellCount, 10);
    EXPECT_EQ(g->filledCellCount, 0);
    EXPECT_EQ(g->CountWordStarts(), 6);
    EXPECT_TRUE(tools.events.empty());
}

TEST_F(Numbering, TwoByTwoAndLoneCells) {
    auto g = makeGrid({"AB", "CD"});
    EXPECT_EQ(g->cell(0, 0).number, 1);
    EXPECT_EQ(g->cell(0, 0).flags & 3, AcrossStart | DownStart);
    EXPECT_EQ(g->cell(1, 0).number, 2);
    EXPECT_EQ(g->cell(1, 0).flags & 3, DownStart);
    EXPECT_EQ(g->cell(0, 1).number, 3);
    EXPECT_EQ(g->cell(0, 1).flags & 3, AcrossStart);
    EXPECT_EQ(g->cell(1, 1).number, 0);
    EXPECT_EQ(g->cell(1, 1).flags & 3, 0);

    ClueSet set(*g);
    set.Build(2, 2, {"1A", "1D", "2D", "3A"});
    EXPECT_EQ(set.entry(0, 0).acrossOrdinal, 0);
    EXPECT_EQ(set.entry(0, 0).downOrdinal, 1);
    EXPECT_EQ(set.entry(1, 0).downOrdinal, 2);
    EXPECT_EQ(set.entry(0, 1).acrossOrdinal, 3);
    EXPECT_EQ(set.entry(1, 1).acrossNumber, 3);
    EXPECT_EQ(set.entry(1, 1).downNumber, 2);
    EXPECT_EQ(*set.entry(1, 1).acrossText, "3A");
    EXPECT_EQ(*set.entry(1, 1).downText, "2D");

    // A lone white cell, and a cell in column 0 with a block to its right.
    auto lone = makeGrid({"...", ".A.", "..."});
    EXPECT_EQ(lone->cell(1, 1).number, 0);
    EXPECT_EQ(lone->cell(1, 1).flags & 3, 0);
    EXPECT_EQ(lone->letterCellCount, 1);
    EXPECT_EQ(lone->CountWordStarts(), 0);
    ClueSet loneSet(*lone);
    loneSet.Build(3, 3, {});
    EXPECT_EQ(loneSet.entry(1, 1).acrossNumber, 0);
    EXPECT_EQ(loneSet.entry(1, 1).acrossOrdinal, NoOrdinal);
    EXPECT_EQ(loneSet.entry(1, 1).downText, nullptr);
    auto edge = makeGrid({"A.", ".."});
    EXPECT_EQ(edge->cell(0, 0).flags & 3, 0);
}

TEST_F(Numbering, StaleStartBitsFromAFileAreRecomputed) {
    // A hostile "GEXT" cannot set the start bits (the grid keeps only the saved bits),
    // and numbering a second time gives the same result.
    std::vector<uint8_t> gext(4, 0xFF);
    auto g = makeGrid({"A.", ".B"}, {}, gext);
    EXPECT_EQ(g->cell(0, 0).flags & 3, 0);
    g->cell(1, 1).flags |= AcrossStart;
    g->NumberGrid();
    EXPECT_EQ(g->cell(1, 1).flags & 3, 0);
    EXPECT_EQ(g->CountWordStarts(), 0);
}

TEST_F(Numbering, PencilLettersAndFilledCells) {
    // Fill: a pencil 'a', a pen 'B', an empty cell, a rebus-only cell, a block.
    std::string rusr;
    for (const char* s : {"", "", "", "HEART", ""}) rusr += std::string(s) + '\0';
    auto g = makeGrid({"ABCD."}, {"aB--."}, {}, rusr);
    EXPECT_EQ(g->cell(0, 0).fill, 'A');
    EXPECT_TRUE(g->cell(0, 0).flags & Pencil);
    EXPECT_EQ(g->cell(1, 0).fill, 'B');
    EXPECT_FALSE(g->cell(1, 0).flags & Pencil);
    EXPECT_FALSE(g->cell(2, 0).flags & Pencil);
    EXPECT_EQ(g->filledCellCount, 3);  // a, B and the rebus entry; "-" alone is empty
    EXPECT_EQ(g->letterCellCount, 4);
    EXPECT_EQ(tools.count(26), 3);
    EXPECT_EQ(tools.events.size(), 3u);
}

TEST_F(Numbering, WordStartAndEndFromTheCursor) {
    auto g = makeGrid(kSmall);
    int x, y;
    g->cursorX = 3;
    g->cursorY = 2;  // J: in 4 Across, in 2 Down (C F J)
    ASSERT_TRUE(g->FindWordStart(DirAcross, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 2);
    ASSERT_TRUE(g->FindWordStart(DirDown, x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(g->FindWordStart(DirNone, x, y));

    g->cursorX = 1;
    g->cursorY = 0;  // B: ends 1 Across, in no Down word
    ASSERT_TRUE(g->FindWordStart(DirAcross, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_FALSE(g->FindWordStart(DirDown, x, y));
    EXPECT_EQ(x, -1);
    g->FindWordEnd(DirDown, x, y);  // the run is the cell itself
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 0);

    g->cursorX = 0;
    g->cursorY = 0;
    g->FindWordEnd(DirAcross, x, y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 0);
    g->FindWordEnd(DirDown, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 2);

    int x1, y1, x2, y2;
    g->cursorX = 2;
    g->cursorY = 2;  // I
    g->currentDirection = DirNone;
    g->CurrentWordRange(x1, y1, x2, y2);
    EXPECT_EQ(std::vector<int>({x1, y1, x2, y2}), std::vector<int>({2, 2, 2, 2}));
    g->currentDirection = DirAcross;
    g->CurrentWordRange(x1, y1, x2, y2);
    EXPECT_EQ(std::vector<int>({x1, y1, x2, y2}), std::vector<int>({0, 2, 3, 2}));
    g->currentDirection = DirDown;
    g->CurrentWordRange(x1, y1, x2, y2);
    EXPECT_EQ(std::vector<int>({x1, y1, x2, y2}), std::vector<int>({2, 1, 2, 2}));
}

TEST_F(Numbering, ClueCellsAndFirstAndLastCells) {
    std::vector<uint8_t> gext(12, 0);
    gext[1 * 4 + 3] = Circled;  // F
    gext[2 * 4 + 1] = Circled;  // H
    auto g = makeGrid(kSmall, {}, gext);
    int x, y;
    ASSERT_TRUE(g->FindClueCell(3, DirDown, x, y));
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 1);
    ASSERT_TRUE(g->FindClueCell(2, DirNone, x, y));
    EXPECT_EQ(x, 3);
    EXPECT_FALSE(g->FindClueCell(2, DirAcross, x, y));
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, -1);
    EXPECT_FALSE(g->FindClueCell(9, DirNone, x, y));

    g->FindFirstCell(Circled, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 1);
    g->FindLastCell(Circled, x, y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    g->FindFirstCell(0, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    g->FindLastCell(0, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 2);
    g->FindFirstCell(Revealed, x, y);
    EXPECT_EQ(x, -1);

    auto black = makeGrid({"..", ".."});
    black->FindFirstCell(0, x, y);
    EXPECT_EQ(x, -1);
    black->FindLastCell(0, x, y);
    EXPECT_EQ(y, -1);
    EXPECT_FALSE(black->FindClueCell(0, DirNone, x, y));
}

TEST_F(Numbering, NeighbourWordStartsDoNotWrap) {
    auto g = makeGrid(kSmall);
    int x, y;
    g->cursorX = 1;
    g->cursorY = 0;  // in 1 Across, so the search starts at (0,0)
    g->currentDirection = DirAcross;
    ASSERT_TRUE(g->FindNeighbourWordStart(DirAcross, 6, x, y));  // next Across: 3
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 1);
    ASSERT_TRUE(g->FindNeighbourWordStart(DirNone, 6, x, y));  // next start of any kind: 2
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(g->FindNeighbourWordStart(DirAcross, 5, x, y));  // nothing before 1 Across
    EXPECT_FALSE(g->FindNeighbourWordStart(DirAcross, 4, x, y));  // not a valid request

    g->cursorX = 3;
    g->cursorY = 2;  // J, in 4 Across
    EXPECT_FALSE(g->FindNeighbourWordStart(DirAcross, 6, x, y));  // no wrap to 1 Across
    ASSERT_TRUE(g->FindNeighbourWordStart(DirAcross, 5, x, y));
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 1);

    g->currentDirection = DirDown;  // J is in 2 Down, start (3,0)
    ASSERT_TRUE(g->FindNeighbourWordStart(7, 6, x, y));  // other value: the current direction's mask
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 1);
    ASSERT_TRUE(g->FindNeighbourWordStart(7, 5, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST_F(Numbering, ClueSheetText) {
    auto g = makeGrid(kSmall);
    ClueSet set(*g);
    // 1A 1D 2D 3A 3D 4A, with 3 Down left empty.
    set.Build(4, 3, {"Alpha", "Delta", "Echo", "Golf", "", "Hotel"});
    g->clueSet = &set;
    EXPECT_EQ(g->BuildClueSheetText(2 | 4),
              "ACROSS \n1. Alpha\n3. Golf\n4. Hotel\nDOWN\n1. Delta\n2. Echo\n3. \n");
    EXPECT_EQ(g->BuildClueSheetText(4), "DOWN\n1. Delta\n2. Echo\n3. \n");
    EXPECT_EQ(g->BuildClueSheetText(0), "");
    EXPECT_EQ(g->BuildClueSheetLines(0), "");
    const std::string lines = g->BuildClueSheetLines(2);
    EXPECT_EQ(lines, std::string("ACROSS \0" "1. Alpha\0" "3. Golf\0" "4. Hotel\0", 34));

    g->clueSet = nullptr;  // without a clue set every text is empty
    EXPECT_EQ(g->BuildClueSheetText(2), "ACROSS \n1. \n3. \n4. \n");
}

TEST_F(Numbering, ClueSetOwnsOneTextPerWordAndToleratesShortLists) {
    auto g = makeGrid(kSmall);
    ClueSet set(*g);
    set.Build(4, 3, {"Alpha", "Delta"});  // four clues missing
    EXPECT_EQ(set.nextOrdinal, 6);
    EXPECT_EQ(*set.entry(0, 0).acrossText, "Alpha");
    EXPECT_EQ(set.entry(1, 0).acrossText, set.entry(0, 0).acrossText);  // shared, not copied
    EXPECT_EQ(set.entry(0, 2).downText, set.entry(0, 0).downText);
    EXPECT_EQ(*set.entry(3, 2).downText, "");
    EXPECT_EQ(set.entry(3, 2).downOrdinal, 2);
    EXPECT_EQ(set.entry(3, 2).acrossOrdinal, 5);
    EXPECT_EQ(*set.entry(3, 2).acrossText, "");
    EXPECT_EQ(set.entry(2, 0).acrossNumber, 0);  // a block
    EXPECT_EQ(set.entry(2, 0).acrossText, nullptr);
    // (1,0) is in no Down word; (0,1) in no Across word.
    EXPECT_EQ(set.entry(1, 0).downOrdinal, NoOrdinal);
    EXPECT_EQ(set.entry(0, 1).acrossOrdinal, NoOrdinal);

    // Building again replaces everything.
    set.Build(4, 3, {"a", "b", "c", "d", "e", "f"});
    EXPECT_EQ(*set.entry(3, 2).acrossText, "f");
    EXPECT_EQ(set.nextOrdinal, 6);
}

TEST_F(Numbering, ListsAreFilledInClueOrderAndFollowTheCursor) {
    auto g = makeGrid(kSmall);
    ClueSet set(*g);
    set.Build(4, 3, {"Alpha", "Delta", "Echo", "Golf", "Juliet", "Hotel"});
    g->clueSet = &set;
    g->cursorX = 3;
    g->cursorY = 2;
    g->currentDirection = DirDown;
    RecordingList across, down;
    set.AttachLists(&across, &down);

    ASSERT_EQ(across.added.size(), 3u);
    EXPECT_EQ(across.added[1].text, "Golf");
    EXPECT_EQ(across.added[1].number, 3);
    EXPECT_EQ(across.added[1].direction, 0);
    ASSERT_EQ(down.added.size(), 3u);
    EXPECT_EQ(down.added[2].text, "Juliet");
    EXPECT_EQ(down.added[2].direction, 1);
    EXPECT_EQ(set.entry(3, 2).acrossItem, 2);
    EXPECT_EQ(set.entry(3, 1).downItem, 1);
    EXPECT_EQ(set.entry(0, 1).acrossItem, NoOrdinal);

    // The cursor's clues were shown at once: Down is the active one.
    ASSERT_EQ(across.shown.size(), 1u);
    ASSERT_EQ(down.shown.size(), 1u);
    EXPECT_EQ(across.shown[0].item, 2);
    EXPECT_EQ(across.shown[0].number, 4);
    EXPECT_EQ(across.shown[0].text, "Hotel");
    EXPECT_FALSE(across.shown[0].active);
    EXPECT_EQ(down.shown[0].number, 2);
    EXPECT_EQ(down.shown[0].text, "Echo");
    EXPECT_TRUE(down.shown[0].active);

    // A cell in no Down word shows "no clue" there.
    g->currentDirection = DirAcross;
    set.ShowCellClues(1, 0);
    EXPECT_EQ(down.shown.back().item, NoOrdinal);
    EXPECT_EQ(down.shown.back().number, 0);
    EXPECT_EQ(down.shown.back().text, "");
    EXPECT_TRUE(across.shown.back().active);
    set.ShowCellClues(-1, 0);
    set.ShowCellClues(4, 0);
    EXPECT_EQ(across.shown.size(), 2u);
}

TEST_F(Numbering, ListsMayBeAbsentOrFail) {
    auto g = makeGrid(kSmall);
    ClueSet set(*g);
    set.Build(4, 3, {"a", "b", "c", "d", "e", "f"});
    RecordingList across;
    across.failFrom = 1;
    set.AttachLists(&across, nullptr);  // cursor off the grid: nothing shown
    EXPECT_TRUE(across.shown.empty());
    EXPECT_EQ(set.entry(0, 0).acrossItem, 0);
    EXPECT_EQ(set.entry(2, 1).acrossItem, NoOrdinal);  // the list refused it
    EXPECT_EQ(set.entry(0, 0).downItem, NoOrdinal);
    set.ShowCellClues(0, 0);
    EXPECT_EQ(across.shown.size(), 1u);
}
