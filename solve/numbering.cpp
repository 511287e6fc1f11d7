// Grid numbering and the word lookups every other engine operation builds on.
#include <cstdio>
#include <cstring>
#include <vector>

#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "resources/string_table.h"
#include "solve/clue_set.h"
#include "solve/engine_events.h"

namespace gw {
namespace {

// Tools are told about every cell that already holds an entry when a puzzle loads.

// Mask of start flags for a direction code; anything but Across or Down means either.
uint8_t startMaskFor(int direction) {
    if (direction == DirAcross) return AcrossStart;
    if (direction == DirDown) return DownStart;
    return AcrossStart | DownStart;
}

}  // namespace

void PuzzleGrid::NumberGrid() {
    letterCellCount = 0;
    filledCellCount = 0;
    int counter = 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            GridCell& c = cells[x][y];
            if (!c.isWhite()) continue;
            ++letterCellCount;
            c.number = 0;
            // The start bits are derived here only; whatever a file put there is stale.
            c.flags &= uint8_t(~(AcrossStart | DownStart));
            if (!isWhite(x - 1, y) && isWhite(x + 1, y)) {
                c.flags |= AcrossStart;
                c.number = counter++;
            }
            if (!isWhite(x, y - 1) && isWhite(x, y + 1)) {
                c.flags |= DownStart;
                if (c.number == 0) c.number = counter++;
            }
            if (c.fill != '-' || c.userRebus) {
                ++filledCellCount;
                sendToolEvent(FilledCellCounted);
            }
            // Pencil entries are stored lower case; in memory they are upper case + flag.
            if (c.fill >= 'a' && c.fill <= 'z') {
                c.flags |= Pencil;
                c.fill = char(c.fill - 'a' + 'A');
            }
        }
    }
}

int32_t PuzzleGrid::CountWordStarts() const {
    int32_t n = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const GridCell& c = cells[x][y];
            if (!c.isWhite()) continue;
            n += (c.flags & AcrossStart) ? 1 : 0;
            n += (c.flags & DownStart) ? 1 : 0;
        }
    return n;
}

bool PuzzleGrid::FindWordStart(int direction, int& x, int& y) const {
    x = -1;
    y = -1;
    if ((direction != DirAcross && direction != DirDown) || !isWhite(cursorX, cursorY)) return false;
    const int dx = direction == DirAcross ? 1 : 0;
    const int dy = direction == DirDown ? 1 : 0;
    int cx = cursorX, cy = cursorY;
    while (isWhite(cx - dx, cy - dy)) {
        cx -= dx;
        cy -= dy;
    }
    const uint8_t flag = direction == DirAcross ? AcrossStart : DownStart;
    if (!(cells[cx][cy].flags & flag)) return false;
    x = cx;
    y = cy;
    return true;
}

void PuzzleGrid::FindWordEnd(int direction, int& x, int& y) const {
    x = cursorX;
    y = cursorY;
    if (!isWhite(cursorX, cursorY)) {
        if (!inGrid(cursorX, cursorY)) x = y = -1;
        return;
    }
    if (direction != DirAcross && direction != DirDown) return;
    const int dx = direction == DirAcross ? 1 : 0;
    const int dy = direction == DirDown ? 1 : 0;
    while (isWhite(x + dx, y + dy)) {
        x += dx;
        y += dy;
    }
}

void PuzzleGrid::CurrentWordRange(int& x1, int& y1, int& x2, int& y2) const {
    x1 = x2 = cursorX;
    y1 = y2 = cursorY;
    if (currentDirection != DirAcross && currentDirection != DirDown) return;
    int sx, sy;
    if (FindWordStart(currentDirection, sx, sy)) {
        x1 = sx;
        y1 = sy;
    }
    FindWordEnd(currentDirection, x2, y2);
    if (x2 < 0) {  // cursor outside the grid: keep the cursor alone
        x2 = cursorX;
        y2 = cursorY;
    }
}

bool PuzzleGrid::FindClueCell(int number, int direction, int& x, int& y) const {
    const uint8_t mask = direction == DirAcross ? AcrossStart : direction == DirDown ? DownStart : 0;
    for (int cy = 0; cy < height; ++cy)
        for (int cx = 0; cx < width; ++cx) {
            const GridCell& c = cells[cx][cy];
            if (!c.isWhite() || c.number != number) continue;
            if (mask && !(c.flags & mask)) continue;
            x = cx;
            y = cy;
            return true;
        }
    x = y = -1;
    return false;
}

void PuzzleGrid::FindFirstCell(uint8_t mask, int& x, int& y) const {
    for (int cy = 0; cy < height; ++cy)
        for (int cx = 0; cx < width; ++cx) {
            const GridCell& c = cells[cx][cy];
            if (c.isWhite() && (mask == 0 || (c.flags & mask))) {
                x = cx;
                y = cy;
                return;
            }
        }
    x = y = -1;
}

void PuzzleGrid::FindLastCell(uint8_t mask, int& x, int& y) const {
    for (int cy = height - 1; cy >= 0; --cy)
        for (int cx = width - 1; cx >= 0; --cx) {
            const GridCell& c = cells[cx][cy];
            if (c.isWhite() && (mask == 0 || (c.flags & mask))) {
                x = cx;
                y = cy;
                return;
            }
        }
    x = y = -1;
}

bool PuzzleGrid::FindNeighbourWordStart(int direction, int which, int& x, int& y) const {
    x = y = -1;
    const bool next = which == 6;
    if (!next && which != 5) return false;
    const uint8_t mask = (direction == DirNone || direction == DirAcross || direction == DirDown)
                             ? startMaskFor(direction)
                             : startMaskFor(currentDirection);
    const int total = int(width) * int(height);
    if (total <= 0) return false;

    // Reading-order index to search from: the current word's start, else the cursor;
    // with no usable cursor, just before the first (or after the last) cell.
    int from;
    int sx, sy;
    if (FindWordStart(currentDirection, sx, sy))
        from = sy * width + sx;
    else if (inGrid(cursorX, cursorY))
        from = cursorY * width + cursorX;
    else
        from = next ? -1 : total;

    const int step = next ? 1 : -1;
    for (int i = from + step; i >= 0 && i < total; i += step) {
        const GridCell& c = cells[i % width][i / width];
        if (c.isWhite() && (c.flags & mask)) {
            x = i % width;
            y = i / width;
            return true;
        }
    }
    return false;
}

std::string PuzzleGrid::BuildClueSheetText(int which) const {
    struct Line { int number; const char* text; };
    const char* headings[2] = {stringText(IDS_ACROSS_HEADING), stringText(IDS_DOWN_HEADING)};
    const uint8_t flags[2] = {AcrossStart, DownStart};
    const int bits[2] = {2, 4};

    // Collect first so the text can be built in one allocation of exactly its size.
    std::vector<Line> sections[2];
    size_t size = 0;
    for (int s = 0; s < 2; ++s) {
        if (!(which & bits[s])) continue;
        size += std::strlen(headings[s]) + 1;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const GridCell& c = cells[x][y];
                if (!c.isWhite() || !(c.flags & flags[s])) continue;
                const char* text = "";
                if (clueSet && x < clueSet->width() && y < clueSet->height()) {
                    const ClueEntry& e = clueSet->entry(x, y);
                    const std::string* t = s == 0 ? e.acrossText : e.downText;
                    if (t) text = t->c_str();
                }
                sections[s].push_back({c.number, text});
                size += size_t(std::snprintf(nullptr, 0, "%d", c.number)) + 2 + std::strlen(text) + 1;
            }
    }

    std::string out;
    out.reserve(size);
    char number[16];
    for (int s = 0; s < 2; ++s) {
        if (!(which & bits[s])) continue;
        out += headings[s];
        out += '\n';
        for (const Line& l : sections[s]) {
            std::snprintf(number, sizeof number, "%d", l.number);
            out += number;
            out += ". ";
            out += l.text;
            out += '\n';
        }
    }
    return out;
}

std::string PuzzleGrid::BuildClueSheetLines(int which) const {
    std::string text = BuildClueSheetText(which);
    for (char& ch : text)
        if (ch == '\n') ch = '\0';
    return text;
}

}  // namespace gw
