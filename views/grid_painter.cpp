#include "views/grid_painter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "doc/puzzle_grid.h"

namespace gw {
namespace {

// A GDI object deleted when the paint ends.
struct GdiObject {
    HGDIOBJ handle;
    explicit GdiObject(HGDIOBJ h) : handle(h) {}
    ~GdiObject() {
        if (handle) DeleteObject(handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    operator HBRUSH() const { return static_cast<HBRUSH>(handle); }
    operator HPEN() const { return static_cast<HPEN>(handle); }
};

// Restores the DC's selections and modes when the paint ends.
struct SavedDc {
    HDC dc;
    int saved;
    explicit SavedDc(HDC d) : dc(d), saved(SaveDC(d)) {}
    ~SavedDc() { RestoreDC(dc, saved); }
};



void fillLine(HDC dc, HBRUSH brush, int x, int y, int w, int h) {
    RECT r{x, y, x + w, y + h};
    FillRect(dc, &r, brush);
}

// Row and column lines of the whole range.
void paintLines(HDC dc, HBRUSH black, const GridPaintParams& p, int ox, int oy) {
    const int cw = p.cellWidth, ch = p.cellHeight;
    const int top = oy + p.firstRow * ch - 1, bottom = oy + p.lastRow * ch - 1;
    const int left = ox + p.firstColumn * cw - 1, right = ox + p.lastColumn * cw - 1;
    for (int c = p.firstColumn; c <= p.lastColumn; ++c) fillLine(dc, black, ox + c * cw - 1, top, 1, bottom - top + 1);
    for (int r = p.firstRow; r <= p.lastRow; ++r) fillLine(dc, black, left, oy + r * ch - 1, right - left + 1, 1);
}

// Printing with outline only: just the stretches of line that border a letter cell.
void paintOutlineLines(HDC dc, HBRUSH black, const PuzzleGrid& g, const GridPaintParams& p, int ox, int oy) {
    const int cw = p.cellWidth, ch = p.cellHeight;
    auto white = [&](int x, int y) { return g.isWhite(x, y); };
    for (int r = p.firstRow; r <= p.lastRow; ++r) {
        int runStart = -1;
        for (int c = p.firstColumn; c <= p.lastColumn; ++c) {
            bool borders = c < p.lastColumn && ((r < p.lastRow && white(c, r)) || (r > p.firstRow && white(c, r - 1)));
            if (borders && runStart < 0) runStart = c;
            if (!borders && runStart >= 0) {
                fillLine(dc, black, ox + runStart * cw - 1, oy + r * ch - 1, (c - runStart) * cw + 1, 1);
                runStart = -1;
            }
        }
    }
    for (int c = p.firstColumn; c <= p.lastColumn; ++c) {
        int runStart = -1;
        for (int r = p.firstRow; r <= p.lastRow; ++r) {
            bool borders = r < p.lastRow && ((c < p.lastColumn && white(c, r)) || (c > p.firstColumn && white(c - 1, r)));
            if (borders && runStart < 0) runStart = r;
            if (!borders && runStart >= 0) {
                fillLine(dc, black, ox + c * cw - 1, oy + runStart * ch - 1, 1, (r - runStart) * ch + 1);
                runStart = -1;
            }
        }
    }
}

bool isSet(COLORREF colour) { return colour != CLR_INVALID; }

struct Tools {
    GdiObject black;  // the line colour: black unless high contrast says otherwise
    GdiObject pen;
    GdiObject currentLetter;
    GdiObject currentWord;
    GdiObject wasWrong;
    GdiObject red;  // the revealed mark
    GdiObject printBlock;
    GdiObject cursorPen;  // marks in the cursor square (high contrast)
    GdiObject cursorFrame, wordFrame;
    Tools(const GridPaintParams& p)
        : black(CreateSolidBrush(p.lineColour)),
          pen(CreatePen(PS_SOLID, 1, p.lineColour)),
          currentLetter(CreateSolidBrush(p.currentLetterColour)),
          currentWord(CreateSolidBrush(p.currentWordColour)),
          wasWrong(CreateSolidBrush(p.wasWrongColour)),
          red(CreateSolidBrush(p.revealedColour)),
          printBlock(p.printing ? CreateSolidBrush(printBlockColour(p.printBrushIndex)) : nullptr),
          cursorPen(isSet(p.cursorTextColour) ? CreatePen(PS_SOLID, 1, p.cursorTextColour) : nullptr),
          cursorFrame(isSet(p.cursorFrameColour) ? CreateSolidBrush(p.cursorFrameColour) : nullptr),
          wordFrame(isSet(p.wordFrameColour) ? CreateSolidBrush(p.wordFrameColour) : nullptr) {}
};

bool isCursor(const GridPaintParams& p, int column, int row) {
    return (p.flags & ShowHighlights) && column == p.cursorColumn && row == p.cursorRow;
}

// In high contrast the cursor square's texts take the highlight's text colour.
COLORREF textColour(const GridPaintParams& p, int column, int row, COLORREF colour) {
    return isSet(p.cursorTextColour) && isCursor(p, column, row) ? p.cursorTextColour : colour;
}

// Selecting a font is costly (it is realised again each time), so the texts of a paint
// are drawn in passes by kind and the font and colour change only when they differ
// from the last text's.
class TextPen {
public:
    TextPen(HDC dc, const GridPaintParams& p) : dc_(dc), p_(p), original_(GetCurrentObject(dc, OBJ_FONT)) {}
    ~TextPen() {
        SelectObject(dc_, original_);
        for (const Slanted& s : slanted_)
            if (s.italic) DeleteObject(s.italic);
    }
    TextPen(const TextPen&) = delete;
    TextPen& operator=(const TextPen&) = delete;
    void align(UINT mode) {
        if (mode != align_) SetTextAlign(dc_, align_ = mode);
    }
    // Slanted: in the font's italic form, so that pencil differs from pen in shape
    // and not by colour alone.
    void draw(int column, int row, HFONT font, COLORREF colour, int x, int y, const char* text, int length,
              bool slanted = false) {
        HFONT shown = slanted ? italicOf(font) : font;
        if (shown != font_) SelectObject(dc_, font_ = shown);
        if (colour != colour_ || !colourSet_) {
            SetTextColor(dc_, colour_ = colour);
            colourSet_ = true;
        }
        TextOutA(dc_, x, y, text, length);
        if (p_.trace) p_.trace->push_back({column, row, font, colour, std::string(text, size_t(length)), slanted});
    }

private:
    struct Slanted {
        HFONT font = nullptr, italic = nullptr;
    };
    HFONT italicOf(HFONT font) {
        for (const Slanted& s : slanted_)
            if (s.font == font) return s.italic ? s.italic : font;
        LOGFONTA lf{};
        HFONT italic = nullptr;
        if (GetObjectA(font, sizeof lf, &lf) == sizeof lf) {
            lf.lfItalic = TRUE;
            italic = CreateFontIndirectA(&lf);
        }
        slanted_.push_back({font, italic});  // one per font of the paint: three at most
        return italic ? italic : font;
    }

    HDC dc_;
    const GridPaintParams& p_;
    HGDIOBJ original_;
    std::vector<Slanted> slanted_;
    HFONT font_ = nullptr;
    COLORREF colour_ = 0;
    bool colourSet_ = false;
    UINT align_ = GDI_ERROR;
};

void paintCellContent(TextPen& pen, const GridCell& cell, const GridPaintParams& p, int column, int row, int y,
                      int& footnote) {
    const bool solutionShown = (p.flags & ShowSolution) && (cell.solution != '-' || cell.solutionRebus);
    const bool entryShown = (p.flags & ShowEntries) && (cell.fill != '-' || cell.userRebus);
    if (!solutionShown && !entryShown) return;
    const RebusEntry* record = solutionShown ? cell.solutionRebus.get() : cell.userRebus.get();
    const char letter = solutionShown ? cell.solution : cell.fill;
    const bool pencil = (p.flags & ShowEntries) && (cell.flags & Pencil);
    const COLORREF colour = textColour(p, column, row, pencil ? p.pencilColour : p.letterColour);
    const int cx = (column + 1) * p.cellWidth - p.cellWidth / 2 + p.origin.left;
    const int bottom = y + p.cellHeight;

    if (!record) {
        pen.draw(column, row, p.letterFont, colour, cx, bottom, &letter, 1, pencil);
        return;
    }
    int length = record->length;
    if (length < 0) length = 0;
    if (length > RebusMaxText) length = RebusMaxText;
    if (length <= 1) {
        HFONT font = record->kind != RebusPlain ? p.symbolFont : p.letterFont;
        pen.draw(column, row, font, colour, cx, bottom, record->text, length, pencil);
    } else if (length <= 3) {
        pen.draw(column, row, p.numberFont, colour, cx, bottom - 1, record->text, length, pencil);
    } else if (!p.printing) {
        char shown[5] = {record->text[0], record->text[1], '.', '.', 0};
        pen.draw(column, row, p.numberFont, colour, cx, bottom - 1, shown, 4, pencil);
    } else {
        // On paper the entry is listed in a footnote instead.
        char note[16];
        int n = snprintf(note, sizeof note, "(%d)", footnote++);
        pen.draw(column, row, p.numberFont, colour, cx, bottom - 1, note, n, pencil);
    }
}

// A frame inside the square, about a tenth of it wide (at least a pixel).
void frameInside(HDC dc, RECT r, HBRUSH brush, int cell) {
    for (int i = 0, width = std::max(1, cell / 10); i < width && r.right - r.left > 2; ++i) {
        FrameRect(dc, &r, brush);
        InflateRect(&r, -1, -1);
    }
}

// The cell's fills and marks; its texts come in later passes.
void paintLetterCell(HDC dc, const GridCell& cell, const GridPaintParams& p, const Tools& t, int column, int row,
                     int x, int y) {
    const RECT r{x, y, x + p.cellWidth - p.innerWidth, y + p.cellHeight - p.innerHeight};
    const bool cursor = isCursor(p, column, row);
    if (p.flags & ShowHighlights) {
        if (cursor) {
            FillRect(dc, &r, t.currentLetter);
            if (t.cursorFrame.handle) frameInside(dc, r, t.cursorFrame, p.cellWidth);
        } else if (cell.flags & Highlighted) {
            FillRect(dc, &r, t.currentWord);
            if (t.wordFrame.handle) frameInside(dc, r, t.wordFrame, p.cellWidth);
        }
    }
    const HPEN markPen = cursor && t.cursorPen.handle ? static_cast<HPEN>(t.cursorPen) : static_cast<HPEN>(t.pen);
    if (cell.flags & Circled) {
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        SelectObject(dc, markPen);
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
    }
    if (p.flags & ShowMarks) {
        if (cell.flags & (WasIncorrect | Revealed)) {
            const int third = p.cellWidth / 3;
            POINT corner[3] = {{r.right - third, r.top}, {r.right, r.top}, {r.right, r.top + p.cellHeight / 3}};
            SelectObject(dc, markPen);
            SelectObject(dc, (cell.flags & WasIncorrect) ? static_cast<HBRUSH>(t.wasWrong) : static_cast<HBRUSH>(t.red));
            Polygon(dc, corner, 3);
        } else if (cell.flags & Incorrect) {
            SelectObject(dc, markPen);
            MoveToEx(dc, r.left, r.top, nullptr);
            LineTo(dc, r.right, r.bottom);
            MoveToEx(dc, r.left, r.bottom - 1, nullptr);
            LineTo(dc, r.right, r.top - 1);
        }
    }
}

bool hasNumber(const GridCell& cell, const GridPaintParams& p) {
    return (p.flags & ShowNumbers) && (cell.flags & (AcrossStart | DownStart));
}

void paintNumber(TextPen& pen, const GridCell& cell, const GridPaintParams& p, int column, int row, int x, int y) {
    char number[8];
    int n = snprintf(number, sizeof number, "%d", cell.number % 10000);
    pen.draw(column, row, p.numberFont, textColour(p, column, row, p.numberColour), x + 1, y, number, n);
}

}  // namespace

COLORREF printBlockColour(int index) {
    switch (index) {
        case PrintDarkGrey: return RGB(64, 64, 64);
        case PrintGrey: return RGB(128, 128, 128);
        case PrintLightGrey: return RGB(192, 192, 192);
        default: return RGB(0, 0, 0);
    }
}
void paintGrid(HDC dc, const PuzzleGrid& g, const GridPaintParams& p) {
    if (p.cellWidth < 1 || p.cellHeight < 1) return;
    // The tools outlive the saved state: it is restored (deselecting them) before they
    // are deleted, since a selected object cannot be deleted.
    Tools tools(p);
    SavedDc saved(dc);
    SetBkMode(dc, TRANSPARENT);
    const int ox = p.origin.left, oy = p.origin.top;
    const int lastColumn = std::min<int>(p.lastColumn, g.width), lastRow = std::min<int>(p.lastRow, g.height);
    const bool outlineOnly = p.printing && p.printBrushIndex == PrintOutlineOnly;

    if (outlineOnly)
        paintOutlineLines(dc, tools.black, g, p, ox, oy);
    else
        paintLines(dc, tools.black, p, ox, oy);

    if (!(p.diagramless && !(p.flags & ShowSolution))) {
        const int firstColumn = std::max(0, p.firstColumn), firstRow = std::max(0, p.firstRow);
        const auto eachCell = [&](auto&& paint) {
            for (int column = firstColumn; column < lastColumn; ++column)
                for (int row = firstRow; row < lastRow; ++row)
                    paint(g.cell(column, row), column, row, ox + column * p.cellWidth, oy + row * p.cellHeight);
        };
        eachCell([&](const GridCell& cell, int column, int row, int x, int y) {
            if (cell.isWhite()) {
                paintLetterCell(dc, cell, p, tools, column, row, x, y);
            } else if (!outlineOnly) {
                // Inside the lines: a grey print fill must not paint over the black
                // lines on the block's right and bottom.
                RECT block{x, y, x + p.cellWidth - 1, y + p.cellHeight - 1};
                FillRect(dc, &block, p.printing ? static_cast<HBRUSH>(tools.printBlock) : static_cast<HBRUSH>(tools.black));
            }
        });
        TextPen pen(dc, p);
        pen.align(TA_LEFT | TA_TOP);
        eachCell([&](const GridCell& cell, int column, int row, int x, int y) {
            if (cell.isWhite() && hasNumber(cell, p)) paintNumber(pen, cell, p, column, row, x, y);
        });
        int footnote = 1;
        pen.align(TA_CENTER | TA_BOTTOM);
        eachCell([&](const GridCell& cell, int column, int row, int, int y) {
            if (cell.isWhite()) paintCellContent(pen, cell, p, column, row, y, footnote);
        });
    }
    if (p.printing && p.legend && *p.legend) {
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        SelectObject(dc, p.numberFont);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutA(dc, ox, oy + p.lastRow * p.cellHeight + 3, p.legend, int(strlen(p.legend)));
    }
}

}  // namespace gw
