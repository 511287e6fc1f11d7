// The word clipboard (Cut, Copy, Paste, Erase, Selective Erase) and the
// single-step undo, as served to the Edit menu.
#include <cstring>
#include <utility>
#include <vector>

#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "ports/view_ports.h"
#include "resources/string_ids.h"
#include "solve/letters.h"

namespace gw {
namespace {

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

void appendCellText(std::string& out, const GridCell& c) {
    if (c.fill == '-')
        out += ' ';
    else
        out += (c.flags & Pencil) ? letters::lower(c.fill) : c.fill;
    if (!c.userRebus) return;
    const RebusEntry& r = *c.userRebus;
    out += '[';
    if (r.kind != RebusPlain) {
        out += '#';
        out += std::to_string(unsigned(static_cast<unsigned char>(r.text[0])));
    } else {
        const int n = r.length < 0 ? 0 : (r.length > RebusMaxText ? RebusMaxText : r.length);
        out.append(r.text, size_t(n));
    }
    out += ']';
}

// At most this much of a bracket group is taken. A longer entry than a cell holds is
// refused whole rather than cut: cutting could turn a text such as "#12345678x" into
// one that reads back as a symbol code.
constexpr size_t MaxGroupText = 9;

// One cell's worth of a pasted word text: a character, and the bracket group that
// belongs to it when one follows.
struct PasteToken {
    char c = 0;
    size_t groupStart = 0;  // the group's text, between the brackets
    size_t groupLength = 0;
    bool hasGroup = false;
};

enum class TokenRead { Cell, End, Malformed };

// Reads the token at text[i] and moves i past it. The pre-count and the paste walk
// both read the text through this, so they can never disagree about what a cell is.
// A group that is not closed, or that does not follow a character, is malformed.
TokenRead nextPasteToken(const std::string& text, size_t& i, PasteToken& token) {
    if (i >= text.size()) return TokenRead::End;
    if (text[i] == '[') return TokenRead::Malformed;
    token = PasteToken{};
    token.c = text[i++];
    if (i < text.size() && text[i] == '[') {
        const size_t close = text.find(']', i + 1);
        if (close == std::string::npos) return TokenRead::Malformed;
        token.hasGroup = true;
        token.groupStart = i + 1;
        token.groupLength = close - token.groupStart;
        i = close + 1;
    }
    return TokenRead::Cell;
}

// Cells a pasted text fills; -1 when it is malformed anywhere.
int pastedCellCount(const std::string& text) {
    int cells = 0;
    PasteToken token;
    size_t i = 0;
    for (TokenRead r; (r = nextPasteToken(text, i, token)) != TokenRead::End; ++cells)
        if (r == TokenRead::Malformed) return -1;
    return cells;
}

// Enters a token's bracket group into a cell. "#" with decimal digits is a symbol by
// its code. Anything else in brackets is entered as text, so a typed '#' (copied as
// "H[#]") comes back as itself.
void enterBracketGroup(PuzzleGrid& grid, int x, int y, const std::string& text, const PasteToken& token) {
    const char* group = text.data() + token.groupStart;
    const size_t length = token.groupLength;
    size_t digits = 0;
    unsigned code = 0;
    for (size_t j = 1; j < length && isAsciiDigit(group[j]); ++j, ++digits)
        code = (code * 10 + unsigned(group[j] - '0')) % 256;
    const bool pencil = letters::isLower(token.c);
    if (length >= 2 && group[0] == '#' && digits == length - 1) {
        grid.SetCellEntry(x, y, char(static_cast<unsigned char>(code)), pencil, true);
        return;
    }
    char kept[MaxGroupText + 1] = {};
    const size_t keep = length < MaxGroupText ? length : MaxGroupText;
    std::memcpy(kept, group, keep);
    if (keep == 1)
        grid.SetCellEntry(x, y, kept[0], pencil, false);
    else
        grid.SetCellText(x, y, kept, pencil);
}

}  // namespace

std::string PuzzleGrid::WordText(int x1, int y1, int x2, int y2) const {
    std::string text;
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y)
            if (isWhite(x, y)) appendCellText(text, cells[x][y]);
    return text;
}

bool PuzzleGrid::KeepsCrossingLetter(int x, int y) const {
    if (currentDirection == DirNone) return true;
    // Look along the crossing word.
    const int dx = currentDirection == DirDown ? 1 : 0, dy = currentDirection == DirAcross ? 1 : 0;
    const bool first = !isWhite(x - dx, y - dy);
    const bool last = !isWhite(x + dx, y + dy);
    if (first && last) return false;  // no crossing word
    for (int cx = x - dx, cy = y - dy; isWhite(cx, cy); cx -= dx, cy -= dy)
        if (cells[cx][cy].isEmpty()) return false;
    for (int cx = x + dx, cy = y + dy; isWhite(cx, cy); cx += dx, cy += dy)
        if (cells[cx][cy].isEmpty()) return false;
    return true;
}

// Cut, Copy, Erase and Selective Erase over the current word. When an undo text
// was recorded, it is also handed back through recorded.
bool PuzzleGrid::eraseOrCopyRange(int command, std::string* recorded) {
    if (!cursorValid()) return false;
    int x1, y1, x2, y2;
    CurrentWordRange(x1, y1, x2, y2);
    if (!inGrid(x1, y1) || !inGrid(x2, y2)) return false;

    std::string text;
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) {
            if (!isWhite(x, y)) continue;
            appendCellText(text, cells[x][y]);
            if (command == cmd::Copy) continue;
            if (command == cmd::SelectiveErase && KeepsCrossingLetter(x, y)) continue;
            EraseCell(x, y);  // a revealed cell refuses and keeps its letter
        }
    }

    bool wroteUndo = false;
    if (command != cmd::Copy) {
        if (view) view->invalidateRange(x1, y1, x2, y2);
        if (text.size() >= 2) {
            // The whole text is kept (not a fixed 39 characters): a cut inside a
            // bracket group could never be pasted back by Undo.
            undo = UndoRecord{};
            undo.kind = UndoWord;
            undo.x = cursorX;
            undo.y = cursorY;
            undo.direction = currentDirection;
            undo.wordText = text;
            wroteUndo = true;
            if (recorded) *recorded = text;
        }
    }
    if (!text.empty() && command != cmd::Erase) ui().copyTextToClipboard(text);
    return wroteUndo;
}

void PuzzleGrid::WordCommand(int command) { eraseOrCopyRange(command, nullptr); }

bool PuzzleGrid::ValidatePasteText(std::string& text) {
    for (char& c : text) {
        if (c == ' ') {
            c = '-';
            continue;
        }
        if (isAsciiDigit(c) || letters::isLetter(c) || c == '[' || c == ']' || c == '#') continue;
        if (c != '\0' && std::strchr("@#$%&+?", c)) continue;
        return false;
    }
    return true;
}

void PuzzleGrid::PasteFromClipboard() {
    std::optional<std::string> text = ui().getClipboardText();
    if (!text) return;
    if (!ValidatePasteText(*text)) {
        ui().warningById(IDS_PASTE_NOT_ALPHA);
        return;
    }
    PasteWord(*text);
}

void PuzzleGrid::PasteWord(const std::string& text) {
    if (text.empty() || !cursorValid()) return;
    int x1, y1, x2, y2;
    CurrentWordRange(x1, y1, x2, y2);
    if (!inGrid(x1, y1) || !inGrid(x2, y2)) return;

    std::vector<std::pair<int, int>> range;
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y)
            if (isWhite(x, y)) range.emplace_back(x, y);
    const int rangeCells = int(range.size());

    const int textCells = pastedCellCount(text);
    if (textCells < 0) return;
    if (textCells > rangeCells &&
        ui().questionById(IDS_PASTE_TRUNCATE, ButtonsOkCancel) != AnswerOk)
        return;

    std::string former;
    const bool recorded = eraseOrCopyRange(cmd::Erase, &former);

    // The text was read whole above, so the walk meets no malformed group.
    PasteToken token;
    size_t i = 0;
    for (const auto& [x, y] : range) {
        if (nextPasteToken(text, i, token) != TokenRead::Cell) break;
        if (token.hasGroup)
            enterBracketGroup(*this, x, y, text, token);
        else
            SetCellEntry(x, y, token.c, letters::isLower(token.c), false);
    }
    if (recorded) {
        // One Undo brings the whole former word back, not just the last cell.
        undo = UndoRecord{};
        undo.kind = UndoWord;
        undo.x = cursorX;
        undo.y = cursorY;
        undo.direction = currentDirection;
        undo.wordText = former;
    }
    if (view) view->invalidateRange(x1, y1, x2, y2);
}

void PuzzleGrid::UndoCommand(int request) {
    if (request == EditRequestMenuState) {
        ui().enableCommand(cmd::Undo, undo.kind != UndoNothing);
        return;
    }
    if (request != EditRequestExecute || undo.kind == UndoNothing) return;

    // The entry operations below write their own record (so a second Undo redoes);
    // a replay that changes nothing writes none, and then this record stays.
    if (!isWhite(undo.x, undo.y)) return;
    UndoRecord rec = std::move(undo);
    undo = UndoRecord{};
    replayUndo(rec);
    if (undo.kind == UndoNothing) undo = std::move(rec);
}

void PuzzleGrid::replayUndo(const UndoRecord& rec) {
    if (rec.x != cursorX || rec.y != cursorY) MoveCursor(rec.x, rec.y);

    auto restoreDirection = [&] {
        if (rec.direction == DirNone && currentDirection == DirNone) return;
        if (currentDirection != DirNone) ClearHighlight();
        if (rec.direction != DirNone) SetDirection(rec.direction);
    };

    if (rec.kind == UndoCell) {
        const bool pencil = letters::isLower(rec.oldLetter);
        bool changed;
        if (rec.oldRecord && rec.oldRecord->kind != RebusPlain) {
            changed = SetCellEntry(cursorX, cursorY, rec.oldRecord->text[0], false, true);
        } else if (rec.oldRecord && rec.oldRecord->length == 1) {
            changed = SetCellEntry(cursorX, cursorY, rec.oldRecord->text[0], pencil, false);
        } else if (rec.oldRecord) {
            char text[RebusMaxText + 1] = {};
            const int n = rec.oldRecord->length > RebusMaxText ? RebusMaxText : rec.oldRecord->length;
            if (n > 0) std::memcpy(text, rec.oldRecord->text, size_t(n));
            changed = SetCellText(cursorX, cursorY, text, pencil);
        } else {
            changed = SetCellEntry(cursorX, cursorY, rec.oldLetter, pencil, false);
        }
        if (changed && view) view->invalidateCell(cursorX, cursorY);
        restoreDirection();
    } else if (rec.kind == UndoWord) {
        restoreDirection();
        PasteWord(rec.wordText);
    }
}

bool PuzzleGrid::IsCommandEnabled(int command) {
    switch (command) {
    case cmd::Cut:
    case cmd::Copy:
    case cmd::Erase:
    case cmd::SelectiveErase: return true;
    case cmd::Paste: return ui().clipboardHasText();
    case cmd::Undo: return undo.kind != UndoNothing;
    default: return false;
    }
}

void PuzzleGrid::EditCommand(int request, int command) {
    if (request == EditRequestMenuState) {
        for (int c : {cmd::Cut, cmd::Copy, cmd::Erase, cmd::SelectiveErase, cmd::Paste})
            ui().enableCommand(c, IsCommandEnabled(c));
        return;
    }
    if (request != EditRequestExecute) return;
    switch (command) {
    case cmd::Cut:
    case cmd::Copy:
    case cmd::Erase:
    case cmd::SelectiveErase: WordCommand(command); break;
    case cmd::Paste: PasteFromClipboard(); break;
    default: break;
    }
}

}  // namespace gw
