#include "print/page_renderer.h"

#include "doc/puzzle_grid.h"
#include "print/layout/print_items.h"

namespace gw::print {
namespace {

bool isHeader(PrintFont f) { return f == PrintFont::Title || f == PrintFont::Author; }

void drawTexts(HDC dc, const PagePlan& plan, PrintFonts& fonts, bool header) {
    for (const PlacedText& t : plan.texts) {
        if (isHeader(t.font) != header || t.text.empty()) continue;
        SelectObject(dc, fonts.font(t.font));
        TextOutA(dc, t.x, t.y, t.text.data(), int(t.text.size()));
    }
}

void drawGrid(HDC dc, const PagePlan& plan, const PuzzleGrid& grid, PrintFonts& fonts, const GridLook& look) {
    GridPaintParams p;
    // The painter draws each cell's left and top line one unit before the cell.
    p.origin = {plan.grid.left + 1, plan.grid.top + 1, plan.grid.right, plan.grid.bottom};
    p.letterFont = fonts.font(PrintFont::GridLetter);
    p.numberFont = fonts.font(PrintFont::GridNumber);
    p.symbolFont = fonts.font(PrintFont::GridSymbol);
    p.pencilColour = look.pencilColour;
    p.firstColumn = 0;
    p.lastColumn = grid.width;
    p.firstRow = 0;
    p.lastRow = grid.height;
    p.flags = plan.items & (ItemNumbers | ItemLetters | ItemSolution);
    p.cellWidth = plan.cellWidth;
    p.cellHeight = plan.cellHeight;
    p.printing = true;
    p.printBrushIndex = look.printBrushIndex;
    p.diagramless = look.diagramless;
    p.trace = look.trace;
    paintGrid(dc, grid, p);
}

}  // namespace

void renderPage(HDC dc, const PagePlan& plan, const PuzzleGrid* grid, PrintFonts& fonts, const GridLook& look) {
    fonts.setScale(plan.scale);
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    drawTexts(dc, plan, fonts, true);
    if (plan.gridShown && grid) drawGrid(dc, plan, *grid, fonts, look);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    drawTexts(dc, plan, fonts, false);
    RestoreDC(dc, saved);
}

}  // namespace gw::print
