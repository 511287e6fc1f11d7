// Comparing the grid with the solution: checking, revealing, clearing, and the
// solved test behind the congratulation.
#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "ports/view_ports.h"
#include "resources/string_ids.h"
#include "solve/engine_events.h"
#include "solve/spoken_words.h"

namespace gw {

bool PuzzleGrid::IsCellCorrect(const GridCell& c) const {
    if (c.solutionRebus && c.userRebus) {
        const RebusEntry& want = *c.solutionRebus;
        const RebusEntry& got = *c.userRebus;
        if (want.length != got.length) return false;
        if (want.kind != RebusPlain) {
            if (got.kind == RebusPlain) return c.fill == c.solution;
            if (want.kind == RebusSymbolStar) return true;  // any symbol will do
        }
        const int n = want.length < 0 ? 0 : (want.length > RebusMaxText ? RebusMaxText : want.length);
        for (int i = 0; i < n; ++i)
            if (want.text[i] != got.text[i]) return false;
        return true;
    }
    return c.fill == c.solution;
}

void PuzzleGrid::RevealCellContent(GridCell& c) {
    c.fill = c.solution;
    if (c.solutionRebus) {
        if (!c.userRebus) c.userRebus = std::make_unique<RebusEntry>();
        *c.userRebus = *c.solutionRebus;
    } else {
        c.userRebus.reset();
    }
}

bool PuzzleGrid::IsSolved() const {
    if (!SolutionAvailable()) return false;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (cells[x][y].isWhite() && !IsCellCorrect(cells[x][y])) return false;
    return true;
}

bool PuzzleGrid::CheckCell(int x, int y, bool reveal, bool force) {
    if (!isWhite(x, y)) return false;
    GridCell& c = cells[x][y];
    if (IsCellCorrect(c)) return false;
    const bool empty = c.isEmpty();
    if (!force && empty) return false;

    if (!reveal) {
        c.flags &= uint8_t(~WasIncorrect);
        c.flags |= Incorrect;
        if (autoCheck) sendToolEvent(LetterMarkedWrong);
        return true;
    }

    if (empty) ++filledCellCount;
    RevealCellContent(c);
    c.flags &= uint8_t(~(Pencil | WasIncorrect | Incorrect));
    c.flags |= Revealed;
    sendToolEvent(LetterRevealed);
    if (filledCellCount < letterCellCount) return true;

    repaintAll();
    if (IsSolved()) {
        if (!congratulated) ui().showCongratulations();
        congratulated = true;
    } else {
        ui().informationById(IDS_GRID_FILLED);
    }
    return true;
}

void PuzzleGrid::CheckRange(bool reveal, bool wholeWord) {
    // A locked or withheld solution must never be compared or copied into the grid.
    if (!cursorValid() || !SolutionAvailable()) return;
    int x1 = cursorX, y1 = cursorY, x2 = cursorX, y2 = cursorY;
    if (wholeWord) CurrentWordRange(x1, y1, x2, y2);
    if (!inGrid(x1, y1) || !inGrid(x2, y2)) return;

    int marked = 0;
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y)
            if (CheckCell(x, y, reveal, reveal)) ++marked;
    // The marks are colours and shapes: the status line says the result in words too.
    if (!reveal) ui().setStatusText(markedWrongWords(marked));

    if (marked > 0) {
        markModified();
        if (view) view->invalidateRange(x1, y1, x2, y2);
        undo = UndoRecord{};
    } else {
        ui().informationById(IDS_NO_INCORRECT);
    }
}

void PuzzleGrid::CheckAll(bool reveal) {
    if (!SolutionAvailable()) return;
    if (reveal && ui().questionById(IDS_REVEAL_ALL_CONFIRM, ButtonsOkCancel) != AnswerOk) return;

    int marked = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (cells[x][y].isWhite() && CheckCell(x, y, reveal, reveal)) ++marked;
    if (!reveal) ui().setStatusText(markedWrongWords(marked));

    if (marked > 0) {
        markModified();
        repaintAll();
        undo = UndoRecord{};
    } else {
        ui().informationById(IDS_NO_INCORRECT);
    }
}

void PuzzleGrid::RevealIncorrect() {
    if (!SolutionAvailable()) return;
    bool changed = false;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (cells[x][y].isWhite() && CheckCell(x, y, true, false)) changed = true;
    if (changed) {
        markModified();
        repaintAll();
        undo = UndoRecord{};
    }
}

void PuzzleGrid::ClearGrid() {
    if (ui().questionById(IDS_CLEAR_GRID_CONFIRM, ButtonsOkCancel) != AnswerOk) return;
    sendToolEvent(BeforeClearGrid);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            GridCell& c = cells[x][y];
            if (!c.isWhite()) continue;
            c.flags &= ClearGridKeepMask;
            c.fill = '-';
            c.userRebus.reset();
        }
    }
    filledCellCount = 0;
    congratulated = false;
    markModified();
    repaintAll();
    sendToolEvent(GridCleared);
    undo = UndoRecord{};
}

void PuzzleGrid::RecheckSolved() {
    if (letterCellCount <= 0 || filledCellCount < letterCellCount || !IsSolved()) return;
    if (!congratulated) {
        repaintAll();
        ui().showCongratulations();
    }
    congratulated = true;
}

}  // namespace gw
