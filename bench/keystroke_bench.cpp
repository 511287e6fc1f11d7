// One keystroke in the grid: TypeChar with its navigation (next blank of the word,
// clue display), on a 39x39 puzzle. The views are no-op ports, so this is the
// engine's own share of a key press.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "ports/view_ports.h"
#include "solve/clue_set.h"

using namespace gw;

namespace {

class QuietView final : public GridViewPort {
public:
    void setCursorCell(int, int) override {}
    void invalidateCell(int, int) override {}
    void invalidateRange(int, int, int, int) override {}
    void setHandPointer(bool) override {}
    void takeFocus() override {}
};

class QuietList final : public ClueListPort {
public:
    int items = 0;
    int addClue(const char*, int, int) override { return items++; }
    void showCurrentClue(int, int, int, const char*, bool) override {}
};

// The sample when it is there, else a generated grid of the same size with blocks.
struct Puzzle {
    PuzzleDocument doc;
    std::unique_ptr<PuzzleGrid> ownGrid;
    std::unique_ptr<ClueSet> ownClues;
    PuzzleGrid* grid = nullptr;
    QuietView view;
    QuietList across, down;

    Puzzle() {
        core().document = &doc;
        const std::string sample = std::string(GW_SOURCE_DIR) + "/samples/stress39.puz";
        if (std::filesystem::exists(sample) && doc.open(sample) && doc.grid && doc.clues) {
            grid = doc.grid.get();
            doc.clues->AttachLists(&across, &down);
        } else {
            const int n = MaxGridSize;
            std::string solution, fill;
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    const bool block = (x * 7 + y * 3) % 11 == 0;
                    solution += block ? '.' : char('A' + (x + 2 * y) % 26);
                    fill += block ? '.' : '-';
                }
            ownGrid = std::make_unique<PuzzleGrid>(n, n, solution, fill, uint16_t(0), nullptr, nullptr, nullptr,
                                                   nullptr, 0);
            grid = ownGrid.get();
            ownClues = std::make_unique<ClueSet>(*grid);
            std::vector<std::string> texts(size_t(grid->CountWordStarts()), "A clue of ordinary length here");
            ownClues->Build(n, n, texts);
            grid->clueSet = ownClues.get();
            ownClues->AttachLists(&across, &down);
        }
        grid->AttachView(&view);
    }
    ~Puzzle() { core() = CoreContext{}; }

    // Empties every cell that is not revealed, without the question box.
    void clear() {
        for (int x = 0; x < grid->width; ++x)
            for (int y = 0; y < grid->height; ++y)
                if (grid->isWhite(x, y)) grid->EraseCell(x, y);
        grid->GoToWordStart(true);
    }
};

// Types letters word after word; at the end of a word Tab goes on, as a solver would.
void typeAcrossTheGrid(benchmark::State& state, bool autoCheck) {
    Puzzle p;
    PuzzleGrid& g = *p.grid;
    g.autoCheck = autoCheck;
    char letter = 'A';
    for (auto _ : state) {
        const int x = g.cursorX, y = g.cursorY;
        g.TypeChar(letter, false);
        letter = letter == 'Z' ? 'A' : char(letter + 1);
        if (g.cursorX == x && g.cursorY == y) g.MoveByWord(DirNone, 6, true);
        if (g.filledCellCount + 1 >= g.letterCellCount) {
            state.PauseTiming();
            p.clear();
            state.ResumeTiming();
        }
    }
    state.counters["cells"] = g.letterCellCount;
}

void BM_TypeChar(benchmark::State& state) { typeAcrossTheGrid(state, false); }
void BM_TypeCharWithAutocheck(benchmark::State& state) { typeAcrossTheGrid(state, true); }

// Overwriting the last cell of a full word: the longest search for a blank.
void BM_TypeCharAtFullWordEnd(benchmark::State& state) {
    Puzzle p;
    PuzzleGrid& g = *p.grid;
    g.GoToWordEnd(false);
    int x1, y1, x2, y2;
    g.CurrentWordRange(x1, y1, x2, y2);
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y) g.SetCellEntry(x, y, 'Q', false, false);
    for (auto _ : state) g.TypeChar('Q', false);
}

}  // namespace

BENCHMARK(BM_TypeChar);
BENCHMARK(BM_TypeCharWithAutocheck);
BENCHMARK(BM_TypeCharAtFullWordEnd);
BENCHMARK_MAIN();
