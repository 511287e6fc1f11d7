// Writing into cells: letters, digits, symbols and multi-letter entries, in pen or
// pencil; erasing; the filled count, completion and the tool events they cause.
#include <cstring>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "ports/view_ports.h"
#include "resources/string_ids.h"
#include "solve/engine_events.h"
#include "solve/letters.h"

namespace gw {
namespace {

// Typed digits and symbols are shown by a stand-in letter that the solution can match.
constexpr char DigitLetters[] = "ZOTTFFSSEN";
constexpr char SymbolChars[] = "@#$%&+?";
constexpr char SymbolLetters[] = "AHDPAPQ";
constexpr int MaxEntryText = 8;

using letters::isLetter;
using letters::lower;
using letters::upper;
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int symbolIndex(char c) {
    if (c == '\0') return -1;
    const char* p = std::strchr(SymbolChars, c);
    return p ? int(p - SymbolChars) : -1;
}

void setSingleRecord(GridCell& cell, char c, uint8_t kind) {
    if (!cell.userRebus) cell.userRebus = std::make_unique<RebusEntry>();
    RebusEntry& r = *cell.userRebus;
    r = RebusEntry{};
    r.length = 1;
    r.text[0] = c;
    r.kind = kind;
}

}  // namespace

// ---------------------------------------------------------------- shared steps

void PuzzleGrid::markModified() {
    if (core().document) core().document->setDirty();
}

void PuzzleGrid::repaintAll() {
    if (view && width > 0 && height > 0) view->invalidateRange(0, 0, width - 1, height - 1);
}

bool PuzzleGrid::SolutionAvailable() const {
    const PuzzleDocument* doc = core().document;
    return !doc || (!doc->noCheck && !doc->isScrambled);
}

void PuzzleGrid::rememberOld(const GridCell& c, char& oldLetter, std::unique_ptr<RebusEntry>& oldRecord) const {
    oldLetter = (c.flags & Pencil) ? lower(c.fill) : c.fill;
    oldRecord.reset();
    if (c.userRebus && c.userRebus->length > 0) oldRecord = std::make_unique<RebusEntry>(*c.userRebus);
}

// A changed cell is no longer marked wrong (but remembers it was), the puzzle is
// modified, and the change is what Undo takes back.
void PuzzleGrid::noteCellChanged(int x, int y, char oldLetter, std::unique_ptr<RebusEntry> oldRecord) {
    GridCell& c = cells[x][y];
    if (c.flags & Incorrect) {
        c.flags &= uint8_t(~Incorrect);
        c.flags |= WasIncorrect;
    }
    markModified();
    undo.kind = UndoCell;
    undo.x = x;
    undo.y = y;
    undo.direction = currentDirection;
    undo.oldLetter = oldLetter;
    undo.wordText.clear();
    undo.oldRecord = std::move(oldRecord);
}

// Pencil state, check marks, modified flag, undo record and the immediate check:
// what every entry does once the new content is in the cell.
void PuzzleGrid::finishEntry(int x, int y, char oldLetter, std::unique_ptr<RebusEntry> oldRecord, bool pencil) {
    GridCell& c = cells[x][y];
    if (pencil)
        c.flags |= Pencil;
    else
        c.flags &= uint8_t(~Pencil);
    noteCellChanged(x, y, oldLetter, std::move(oldRecord));
    if (autoCheck && SolutionAvailable()) CheckCell(x, y, false, false);
}

// Runs when the filled count has reached the letter count after an entry.
void PuzzleGrid::announceCompletion(bool wasEmpty) {
    if (filledCellCount < letterCellCount) return;
    if (SolutionAvailable() && IsSolved()) {
        sendToolEvent(GridFilled);
        if (!congratulated) {
            repaintAll();
            ui().showCongratulations();
        }
        congratulated = true;
    } else if (wasEmpty) {
        sendToolEvent(GridFilled);
        repaintAll();
        ui().informationById(IDS_GRID_FILLED);
    } else if (SolutionAvailable()) {
        // A change in a full grid that leaves it wrong: the next solve congratulates again.
        congratulated = false;
    }
}

// ---------------------------------------------------------------- cell operations

bool PuzzleGrid::SetCellEntry(int x, int y, char c, bool pencil, bool symbolMode) {
    if (!isWhite(x, y)) return false;
    if (!symbolMode) c = upper(c);
    GridCell& cell = cells[x][y];
    if (cell.flags & Revealed) return false;

    char oldLetter;
    std::unique_ptr<RebusEntry> oldRecord;
    rememberOld(cell, oldLetter, oldRecord);
    const bool wasEmpty = oldLetter == '-' && !oldRecord;

    int symbol;
    if (symbolMode && c != '\0') {
        cell.fill = '-';
        setSingleRecord(cell, c, RebusSymbol);
    } else if (symbolMode) {
        // A NUL symbol could not be saved or shown: it empties the cell.
        cell.fill = '-';
        cell.userRebus.reset();
    } else if (isLetter(c)) {
        cell.fill = c;
        cell.userRebus.reset();
    } else if (isDigit(c)) {
        cell.fill = DigitLetters[c - '0'];
        setSingleRecord(cell, c, RebusPlain);
    } else if ((symbol = symbolIndex(c)) >= 0) {
        cell.fill = SymbolLetters[symbol];
        setSingleRecord(cell, c, RebusPlain);
    } else {
        // '-' and anything unknown empty the cell.
        cell.fill = '-';
        cell.userRebus.reset();
    }

    finishEntry(x, y, oldLetter, std::move(oldRecord), pencil);

    const bool nowEmpty = cell.isEmpty();
    if (wasEmpty && !nowEmpty) ++filledCellCount;
    if (!wasEmpty && nowEmpty) {
        // An emptied cell (a '-' typed, or Undo of the last letter) unsolves the grid
        // as an erase does: solving it again congratulates again.
        --filledCellCount;
        congratulated = false;
    }
    sendToolEvent(nowEmpty ? LetterErased : LetterEntered);
    announceCompletion(wasEmpty);
    return true;
}

bool PuzzleGrid::SetCellText(int x, int y, const char* text, bool pencil) {
    if (!text) return false;
    const size_t length = std::strlen(text);
    if (length > size_t(MaxEntryText)) return false;
    if (length == 0) return SetCellEntry(x, y, '-', pencil, false);
    if (!isWhite(x, y)) return false;
    char upperText[MaxEntryText + 1] = {};
    for (size_t i = 0; i < length; ++i) upperText[i] = upper(text[i]);
    GridCell& cell = cells[x][y];
    if (cell.flags & Revealed) return false;

    char oldLetter;
    std::unique_ptr<RebusEntry> oldRecord;
    rememberOld(cell, oldLetter, oldRecord);
    const bool wasEmpty = oldLetter == '-' && !oldRecord;

    if (!cell.userRebus) cell.userRebus = std::make_unique<RebusEntry>();
    RebusEntry& r = *cell.userRebus;
    r = RebusEntry{};
    r.length = int16_t(length);
    std::memcpy(r.text, upperText, length);
    r.kind = RebusPlain;
    const char first = upperText[0];
    cell.fill = (isLetter(first) || isDigit(first) || symbolIndex(first) >= 0) ? first : '-';

    finishEntry(x, y, oldLetter, std::move(oldRecord), pencil);
    if (wasEmpty) ++filledCellCount;
    sendToolEvent(LetterEntered);
    announceCompletion(wasEmpty);
    return true;
}

bool PuzzleGrid::EraseCell(int x, int y) {
    if (!isWhite(x, y)) return false;
    GridCell& cell = cells[x][y];
    if (cell.flags & Revealed) return false;

    char oldLetter;
    std::unique_ptr<RebusEntry> oldRecord;
    rememberOld(cell, oldLetter, oldRecord);
    const bool wasEmpty = oldLetter == '-' && !oldRecord;

    cell.fill = '-';
    cell.userRebus.reset();
    if (!wasEmpty) {
        sendToolEvent(LetterErased);
        congratulated = false;
        --filledCellCount;
    }
    cell.flags &= uint8_t(~Pencil);
    noteCellChanged(x, y, oldLetter, std::move(oldRecord));
    return true;
}

// ---------------------------------------------------------------- at the cursor

void PuzzleGrid::TypeChar(char c, bool symbolMode) {
    if (!cursorValid()) return;
    if (SetCellEntry(cursorX, cursorY, c, pencilMode, symbolMode) && view) view->invalidateCell(cursorX, cursorY);
    AdvanceAfterEntry();
}

void PuzzleGrid::TypeText(const char* text) {
    if (!cursorValid()) return;
    if (SetCellText(cursorX, cursorY, text, pencilMode) && view) view->invalidateCell(cursorX, cursorY);
    AdvanceAfterEntry();
}

void PuzzleGrid::EraseAtCursor(int move) {
    if (!cursorValid()) return;
    if (EraseCell(cursorX, cursorY) && view) view->invalidateCell(cursorX, cursorY);
    if (move == 0 || currentDirection == DirNone) return;
    int arrow;
    if (move == 2)
        arrow = currentDirection == DirAcross ? ArrowLeft : ArrowUp;
    else
        arrow = currentDirection == DirAcross ? ArrowRight : ArrowDown;
    int x, y;
    bool jumped;
    if (StepCell(arrow, false, x, y, jumped)) MoveCursor(x, y);
}

void PuzzleGrid::TogglePencilAtCursor() {
    if (!cursorValid()) return;
    const GridCell& cell = cells[cursorX][cursorY];
    char c = cell.fill;
    if (cell.userRebus && cell.userRebus->length == 1) c = cell.userRebus->text[0];
    if (SetCellEntry(cursorX, cursorY, c, !(cell.flags & Pencil), false) && view) view->invalidateCell(cursorX, cursorY);
    if (currentDirection == DirNone) return;
    int x, y;
    bool jumped;
    if (StepCell(currentDirection == DirAcross ? ArrowRight : ArrowDown, false, x, y, jumped)) MoveCursor(x, y);
}

void PuzzleGrid::ToggleCircle() {
    if (!cursorValid()) return;
    cells[cursorX][cursorY].flags ^= Circled;
    if (view) view->invalidateCell(cursorX, cursorY);
    markModified();
}

void PuzzleGrid::TogglePencilMode() {
    pencilMode = !pencilMode;
    ui().checkCommand(cmd::UsePencil, pencilMode);
}

}  // namespace gw
