// Draws a laid-out page: title and author, the grid through the grid view's painter
// with the print fills, then the footnotes, the copyright and the clue columns.
#pragma once
#include <windows.h>

#include <vector>

#include "print/layout/page_layout.h"
#include "print/print_fonts.h"
#include "views/grid_painter.h"

namespace gw {
class PuzzleGrid;
}

namespace gw::print {

struct GridLook {
    int printBrushIndex = PrintBlack;
    bool diagramless = false;
    COLORREF pencilColour = RGB(128, 128, 128);
    std::vector<PaintedText>* trace = nullptr;  // what the painter drew (tests)
};

void renderPage(HDC dc, const PagePlan& plan, const PuzzleGrid* grid, PrintFonts& fonts, const GridLook& look);

}  // namespace gw::print
