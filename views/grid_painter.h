// Paints a range of the grid into a device context: lines, blocks, highlights,
// circles, check and reveal marks, numbers and the solver's or the solution's
// entries. The screen view and printing share it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace gw {

class PuzzleGrid;

enum GridPaintFlags : unsigned {
    ShowNumbers = 0x40,
    ShowEntries = 0x80,
    ShowSolution = 0x100,
    ShowHighlights = 0x200,
    ShowMarks = 0x400,
};
// What the screen always passes.
constexpr unsigned ScreenPaintFlags = 1791;

// The print block fills chosen by "Print"/"printbrushindex".
enum PrintBrushIndex : int { PrintBlack = 0, PrintDarkGrey = 1, PrintGrey = 2, PrintLightGrey = 3, PrintOutlineOnly = 4 };
// The fill of a printed block for a brush index (outline-only blocks are not filled).
COLORREF printBlockColour(int index);

// One text output of a paint, recorded when a trace is asked for (tests and print layout).
struct PaintedText {
    int column, row;
    HFONT font;  // the font of its kind (letter, number, symbol) as passed in
    COLORREF colour;
    std::string text;
    bool slanted = false;  // drawn in the font's italic form (pencil)
};

struct GridPaintParams {
    RECT origin{0, 0, 0, 0};  // coordinates are relative to its top-left
    HFONT letterFont = nullptr;
    HFONT numberFont = nullptr;
    HFONT symbolFont = nullptr;
    COLORREF letterColour = RGB(0, 0, 0);
    COLORREF numberColour = RGB(0, 0, 0);
    COLORREF blockColour = RGB(0, 0, 0);
    COLORREF letterCellColour = RGB(255, 255, 255);
    COLORREF pencilColour = RGB(128, 128, 128);
    COLORREF currentLetterColour = RGB(255, 0, 0);
    COLORREF currentWordColour = RGB(192, 192, 192);
    COLORREF lineColour = RGB(0, 0, 0);        // lines, blocks on screen, circles, crosses
    COLORREF wasWrongColour = RGB(0, 0, 0);    // corner triangle of a corrected square
    COLORREF revealedColour = RGB(255, 0, 0);  // corner triangle of a revealed square
    // High contrast (CLR_INVALID otherwise): the texts and marks in the cursor square,
    // and frames that mark the cursor square and the current word besides their colour.
    COLORREF cursorTextColour = CLR_INVALID;
    COLORREF cursorFrameColour = CLR_INVALID;
    COLORREF wordFrameColour = CLR_INVALID;
    int firstColumn = 0, lastColumn = 0;  // half-open ranges
    int firstRow = 0, lastRow = 0;
    unsigned flags = ScreenPaintFlags;
    int cursorColumn = -1, cursorRow = -1;  // the cell painted as the current letter
    int innerWidth = 1, innerHeight = 1;
    int cellWidth = 1, cellHeight = 1;
    bool printing = false;
    int printBrushIndex = PrintBlack;
    bool diagramless = false;  // an unconverted diagramless puzzle shows only its lines
    const char* legend = nullptr;
    std::vector<PaintedText>* trace = nullptr;
};

void paintGrid(HDC dc, const PuzzleGrid& grid, const GridPaintParams& p);

}  // namespace gw
