// A fixture that opens a grid built from rows against the recording fakes:
// a document (for the modified flag and the solution state), the clue set with
// two recording clue lists, and a recording grid view attached as at open.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "fakes.h"
#include "grid_builder.h"
#include "view_fakes.h"

namespace gw::test {

class EngineTest : public CoreFixture {
protected:
    std::unique_ptr<PuzzleDocument> doc;
    std::unique_ptr<PuzzleGrid> grid;
    std::unique_ptr<ClueSet> clues;
    RecordingGridView view;
    RecordingClueList acrossList, downList;

    // The grid used by most scenarios (5 x 3):
    //   CAT.S     1 Across CAT, 4 Across OWE, 5 Across BUS
    //   A.OWE     1 Down CAB, 2 Down TOS, 3 Down SEA
    //   BUS.A     (1,0) and (1,2) lie in no Down word; (0,1) and (3,1) in no Across word
    static std::vector<std::string> smallGrid() { return {"CAT.S", "A.OWE", "BUS.A"}; }

    void open(const std::vector<std::string>& rows, const std::vector<std::string>& fills = {}) {
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
        grid = buildGrid(rows, fills);
        clues = buildClues(*grid);
        clues->AttachLists(&acrossList, &downList);
        grid->AttachView(&view);
        forget();
    }

    // Drops what was recorded so far.
    void forget() {
        services.calls.clear();
        tools.events.clear();
        view.calls.clear();
        if (doc) doc->isDirty = false;
    }

    void TearDown() override {
        grid.reset();
        clues.reset();
        doc.reset();
        CoreFixture::TearDown();
    }

    PuzzleGrid& g() { return *grid; }
    GridCell& at(int x, int y) { return grid->cell(x, y); }
    std::pair<int, int> cursor() const { return {grid->cursorX, grid->cursorY}; }
    std::vector<std::string> fills() const { return fillRows(*grid); }

    // Types a whole string at the cursor, one key at a time.
    void type(const std::string& keys) {
        for (char c : keys) grid->TypeChar(c, false);
    }
    // Puts a pen letter in a cell directly, without moving the cursor.
    void put(int x, int y, char c) { grid->SetCellEntry(x, y, c, false, false); }

    // The engine's invariants, checked after every scenario step that matters.
    int countFilled() const {
        int n = 0;
        for (int x = 0; x < grid->width; ++x)
            for (int y = 0; y < grid->height; ++y)
                if (grid->cell(x, y).isWhite() && !grid->cell(x, y).isEmpty()) ++n;
        return n;
    }
    // Exactly the cells of the current word carry the highlight bit.
    ::testing::AssertionResult highlightIsCurrentWord() const {
        const PuzzleGrid& gr = *grid;
        for (int x = 0; x < gr.width; ++x)
            for (int y = 0; y < gr.height; ++y) {
                const GridCell& c = gr.cell(x, y);
                if (!c.isWhite()) continue;
                bool inWord = false;
                if (gr.currentDirection == DirAcross)
                    inWord = y == gr.wordStartY && x >= gr.wordStartX && [&] {
                        for (int cx = gr.wordStartX; cx <= x; ++cx)
                            if (!gr.isWhite(cx, y)) return false;
                        return true;
                    }();
                else if (gr.currentDirection == DirDown)
                    inWord = x == gr.wordStartX && y >= gr.wordStartY && [&] {
                        for (int cy = gr.wordStartY; cy <= y; ++cy)
                            if (!gr.isWhite(x, cy)) return false;
                        return true;
                    }();
                if (inWord != bool(c.flags & Highlighted))
                    return ::testing::AssertionFailure() << "cell " << x << "," << y << " highlight "
                                                         << bool(c.flags & Highlighted);
            }
        if (gr.currentDirection != DirNone) {
            // The cursor is inside the highlighted word.
            if (!(gr.cell(gr.cursorX, gr.cursorY).flags & Highlighted))
                return ::testing::AssertionFailure() << "cursor outside the current word";
        }
        return ::testing::AssertionSuccess();
    }
};

}  // namespace gw::test
