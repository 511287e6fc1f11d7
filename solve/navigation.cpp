// The cursor, the current word and every way of moving them.
#include "doc/puzzle_grid.h"
#include "ports/view_ports.h"
#include "solve/clue_set.h"

namespace gw {
namespace {

int otherDirection(int direction) { return direction == DirAcross ? DirDown : DirAcross; }

// Unit step of an arrow code; false for a code that is not an arrow.
bool arrowStep(int arrow, int& dx, int& dy) {
    dx = dy = 0;
    switch (arrow) {
    case ArrowUp: dy = -1; return true;
    case ArrowDown: dy = 1; return true;
    case ArrowLeft: dx = -1; return true;
    case ArrowRight: dx = 1; return true;
    default: return false;
    }
}

}  // namespace

// ---------------------------------------------------------------- primitives

void PuzzleGrid::MoveCursor(int x, int y) {
    cursorX = x;
    cursorY = y;
    if (view) view->setCursorCell(x, y);
    if (clueSet) clueSet->ShowCellClues(x, y);
}

void PuzzleGrid::SetDirection(int direction) {
    int sx = -1, sy = -1;
    int use = direction;
    if (!FindWordStart(use, sx, sy)) {
        use = otherDirection(direction);
        if (!FindWordStart(use, sx, sy)) return;
    }
    if (sx == wordStartX && sy == wordStartY && currentDirection == use) return;
    if (currentDirection != DirNone) ClearHighlight();

    currentDirection = use;
    wordStartX = sx;
    wordStartY = sy;
    const int dx = use == DirAcross ? 1 : 0, dy = use == DirAcross ? 0 : 1;
    int ex = sx, ey = sy;
    for (int x = sx, y = sy; isWhite(x, y); x += dx, y += dy) {
        cells[x][y].flags |= Highlighted;
        ex = x;
        ey = y;
    }
    if (view) view->invalidateRange(sx, sy, ex, ey);
    if (clueSet && cursorValid()) clueSet->ShowCellClues(cursorX, cursorY);
}

void PuzzleGrid::ClearHighlight() {
    if (currentDirection == DirNone) return;
    const int dx = currentDirection == DirAcross ? 1 : 0, dy = currentDirection == DirAcross ? 0 : 1;
    int ex = wordStartX, ey = wordStartY;
    for (int x = wordStartX, y = wordStartY; isWhite(x, y); x += dx, y += dy) {
        cells[x][y].flags &= uint8_t(~Highlighted);
        ex = x;
        ey = y;
    }
    if (view && inGrid(wordStartX, wordStartY)) view->invalidateRange(wordStartX, wordStartY, ex, ey);
    previousDirection = currentDirection;
    currentDirection = DirNone;
}

bool PuzzleGrid::StepCell(int arrow, bool skipBlack, int& x, int& y, bool& jumped) const {
    jumped = false;
    int dx, dy;
    if (!arrowStep(arrow, dx, dy) || !inGrid(cursorX, cursorY)) return false;
    int nx = cursorX + dx, ny = cursorY + dy;
    if (!inGrid(nx, ny)) return false;
    if (!skipBlack) {
        if (!isWhite(nx, ny)) return false;
        x = nx;
        y = ny;
        return true;
    }
    for (; inGrid(nx, ny); nx += dx, ny += dy) {
        if (isWhite(nx, ny)) {
            x = nx;
            y = ny;
            return true;
        }
        jumped = true;
    }
    jumped = false;
    return false;
}

bool PuzzleGrid::FindBlankInWord(int& x, int& y) {
    if (!cursorValid()) return false;
    const bool hadDirection = currentDirection != DirNone;
    if (!hadDirection) SetDirection(DirAcross);
    // A cursor in no word at all still searches its own cell, as Across.
    const int d = currentDirection != DirNone ? currentDirection : DirAcross;
    const int dx = d == DirAcross ? 1 : 0, dy = d == DirAcross ? 0 : 1;

    bool found = false;
    for (int cx = cursorX, cy = cursorY; isWhite(cx, cy); cx += dx, cy += dy) {
        if (cells[cx][cy].isEmpty()) {
            x = cx;
            y = cy;
            found = true;
            break;
        }
    }
    if (!found) {
        // Wrap to the word's first empty cell: the leftmost (topmost) one before the cursor.
        for (int cx = cursorX - dx, cy = cursorY - dy; isWhite(cx, cy); cx -= dx, cy -= dy) {
            if (cells[cx][cy].isEmpty()) {
                x = cx;
                y = cy;
                found = true;
            }
        }
    }
    if (!found && !hadDirection) ClearHighlight();
    return found;
}

// Puts the cursor on the current word's first empty cell when "autonavword" wants it.
void PuzzleGrid::jumpToBlankIfWanted() {
    int bx, by;
    if (autoNavWord && FindBlankInWord(bx, by)) MoveCursor(bx, by);
}

// ---------------------------------------------------------------- movement

void PuzzleGrid::SwitchDirection() {
    if (!cursorValid()) return;
    SetDirection(currentDirection != DirAcross ? DirAcross : DirDown);
    if (autoNavSwitch) {
        GoToWordStart(false);
        int bx, by;
        if (FindBlankInWord(bx, by)) MoveCursor(bx, by);
    }
}

bool PuzzleGrid::ClickCell(int x, int y) {
    if (!isWhite(x, y)) return false;
    if (x == cursorX && y == cursorY) return true;
    MoveCursor(x, y);
    SetDirection(currentDirection);
    return true;
}

void PuzzleGrid::DirectionFromDrag(int x, int y) {
    if (!inGrid(x, y) || !cursorValid()) return;
    // Releasing on the pressed cell is a plain click: the direction stays.
    if (x == cursorX && y == cursorY) return;
    if (x == cursorX)
        SetDirection(DirDown);
    else if (y == cursorY)
        SetDirection(DirAcross);
}

void PuzzleGrid::RightClickCell(int x, int y) {
    if (!isWhite(x, y)) return;
    if (rightMouseMove) MoveCursor(x, y);
    if (!cursorValid()) return;
    SetDirection(currentDirection == DirAcross ? DirDown : DirAcross);
}

void PuzzleGrid::GoToClue(int number, int direction) {
    int x, y;
    if (!FindClueCell(number, direction, x, y) || !isWhite(x, y)) return;
    if (currentDirection != DirNone) ClearHighlight();
    MoveCursor(x, y);
    int newDirection = direction;
    if (newDirection == DirNone) {
        const uint8_t f = cells[x][y].flags;
        if (!(f & AcrossStart))
            newDirection = DirDown;
        else if (!(f & DownStart))
            newDirection = DirAcross;
        else
            newDirection = previousDirection;
    }
    SetDirection(newDirection);
    jumpToBlankIfWanted();
}

void PuzzleGrid::ArrowMove(int arrow) {
    if (!cursorValid()) return;
    const int axis = (arrow == ArrowLeft || arrow == ArrowRight) ? DirAcross : DirDown;
    int x, y;
    bool jumped;
    if (!StepCell(arrow, true, x, y, jumped)) return;

    // The first press across the word on an empty cell only turns the direction.
    const bool pause = !jumped && cells[cursorX][cursorY].isEmpty() && currentDirection != axis && arrowPause;
    if (!pause) MoveCursor(x, y);

    if (currentDirection == otherDirection(axis)) {
        ClearHighlight();
        SetDirection(axis);
    } else if (currentDirection == axis) {
        if (jumped) {
            ClearHighlight();
            SetDirection(axis);
        }
    } else {
        SetDirection(axis);
    }
}

void PuzzleGrid::MoveByWord(int direction, int kind, bool wrap) {
    if (!cursorValid()) return;
    const int d = direction != DirNone ? direction : currentDirection;
    if (d == currentDirection) {
        const int which = (kind == 1 || kind == 3 || kind == 5) ? 5 : 6;
        int x, y;
        if (FindNeighbourWordStart(d, which, x, y) && isWhite(x, y)) {
            MoveCursor(x, y);
            ClearHighlight();
            SetDirection(d);
            jumpToBlankIfWanted();
        } else if (wrap) {
            GoToFirstWord(which == 6, true);
        }
        return;
    }
    // Shift with an arrow across the current words: step to the neighbouring word.
    int x, y;
    bool jumped;
    if (!StepCell(kind, true, x, y, jumped)) return;
    MoveCursor(x, y);
    if (currentDirection != DirNone) {
        ClearHighlight();
        SetDirection(previousDirection);
    }
    if (autoNavWord) {
        const int keepX = cursorX, keepY = cursorY;
        GoToWordStart(false);
        int bx, by;
        if (FindBlankInWord(bx, by))
            MoveCursor(bx, by);
        else
            MoveCursor(keepX, keepY);
    }
}

void PuzzleGrid::GoToFirstWord(bool first, bool switchDirection) {
    int d;
    if (currentDirection == DirNone)
        d = previousDirection != DirNone ? previousDirection : DirAcross;
    else
        d = switchDirection ? otherDirection(currentDirection) : currentDirection;
    const uint8_t mask = d == DirAcross ? AcrossStart : DownStart;
    int x = -1, y = -1;
    if (first)
        FindFirstCell(mask, x, y);
    else
        FindLastCell(mask, x, y);
    if (!isWhite(x, y)) return;
    MoveCursor(x, y);
    ClearHighlight();
    SetDirection(d);
    jumpToBlankIfWanted();
}

void PuzzleGrid::GoToWordStart(bool wholeGrid) {
    if (!cursorValid()) return;
    int x = -1, y = -1;
    if (!wholeGrid) {
        if (currentDirection != DirNone && FindWordStart(currentDirection, x, y) && isWhite(x, y)) MoveCursor(x, y);
        return;
    }
    FindFirstCell(0, x, y);
    if (!isWhite(x, y)) return;
    MoveCursor(x, y);
    if (currentDirection != DirNone) ClearHighlight();
    SetDirection(previousDirection);
}

void PuzzleGrid::GoToWordEnd(bool wholeGrid) {
    if (!cursorValid()) return;
    int x = -1, y = -1;
    if (!wholeGrid) {
        if (currentDirection == DirNone) return;
        FindWordEnd(currentDirection, x, y);
        if (isWhite(x, y)) MoveCursor(x, y);
        return;
    }
    FindLastCell(0, x, y);
    if (!isWhite(x, y)) return;
    MoveCursor(x, y);
    if (currentDirection != DirNone) ClearHighlight();
    SetDirection(previousDirection);
}

void PuzzleGrid::AdvanceAfterEntry() {
    if (!cursorSkip || !cursorValid()) return;
    int x, y;
    if (skipFilled && FindBlankInWord(x, y)) {
        MoveCursor(x, y);
        return;
    }
    bool jumped;
    if (StepCell(currentDirection == DirAcross ? ArrowRight : ArrowDown, false, x, y, jumped)) MoveCursor(x, y);
}

}  // namespace gw
