#include "prefs/printing_page.h"

#include <algorithm>

#include "doc/puzzle_document.h"
#include "resources/resource_ids.h"
#include "resources/string_ids.h"
#include "shell/fonts_colours.h"
#include "shell/main_window.h"
#include "shell/screen_dpi.h"
#include "views/grid_painter.h"

namespace gw {
namespace {
constexpr int FillCount = 5;
constexpr int SampleSize = 24;  // a printed block, as a square of this side
}  // namespace

PrintingPage::PrintingPage(PreferenceContext& context)
    : PreferencePage(context, GW_PAGE_PRINT, IDS_PAGE_PRINTING, "pref_print.htm") {}

void PrintingPage::init() {
    const FontsAndColours* fonts = context_.frame.fontsAndColours();
    // Two columns of two: the left-hand positions first, top before bottom.
    positions_.attach(item(IDC_PRINT_POSITION_LIST), context_.resources,
                      {{"GTL", 0}, {"GBL", 2}, {"GTR", 1}, {"GBR", 3}}, 2, 2);
    std::vector<PictureList::Entry> fills;
    for (int i = 0; i < FillCount; ++i) fills.push_back({nullptr, i});
    fills_.attach(item(IDC_PRINT_BRUSH_LIST), context_.resources, fills, FillCount, 1, &PrintingPage::drawFill);
    if (fonts) {
        positions_.select(fonts->printGridPosition);
        fills_.select(fonts->printBrushIndex);
    }
}

void PrintingPage::drawFill(HDC dc, const RECT& cell, int index, bool selected) {
    const bool noFill = index == PrintOutlineOnly;
    // Sizes for the list's DPI; its font has the dialog's scaling, the GUI font only the screen's.
    HWND list = WindowFromDC(dc);
    const int dpi = windowDpi(list);
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    if (dpi != BaseDpi && list)
        if (HGDIOBJ listFont = reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0))) font = listFont;
    const int labelHeight = noFill ? scaleToDpi(14, dpi) : 0;
    const int side = std::min<int>(scaleToDpi(SampleSize, dpi),
                                   std::min(cell.right - cell.left, cell.bottom - cell.top) - scaleToDpi(8, dpi) - labelHeight);
    RECT block{};
    block.left = (cell.left + cell.right - side) / 2;
    block.top = (cell.top + cell.bottom - side - labelHeight) / 2;
    block.right = block.left + side;
    block.bottom = block.top + side;
    HBRUSH brush = CreateSolidBrush(noFill ? RGB(255, 255, 255) : printBlockColour(index));
    FillRect(dc, &block, brush);
    DeleteObject(brush);
    FrameRect(dc, &block, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!noFill) return;
    RECT label{cell.left, block.bottom + 1, cell.right, block.bottom + 1 + labelHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextA(dc, "No fill", -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

void PrintingPage::command(int id, int code) {
    const FontsAndColours* fonts = context_.frame.fontsAndColours();
    if (code != LBN_SELCHANGE || !fonts) return;
    if ((id == IDC_PRINT_POSITION_LIST && positions_.selected(fonts->printGridPosition) != fonts->printGridPosition) ||
        (id == IDC_PRINT_BRUSH_LIST && fills_.selected(fonts->printBrushIndex) != fonts->printBrushIndex))
        markChanged();
}

bool PrintingPage::apply() {
    FontsAndColours* fonts = context_.frame.fontsAndColours();
    if (!fonts) return false;
    const int position = positions_.selected(fonts->printGridPosition);
    const int fill = fills_.selected(fonts->printBrushIndex);
    if (position == fonts->printGridPosition && fill == fonts->printBrushIndex) return false;
    fonts->printGridPosition = position;
    fonts->printBrushIndex = fill;
    context_.document.printJob.reset();  // the next print is laid out anew
    return true;
}

}  // namespace gw
