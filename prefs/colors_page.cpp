#include "prefs/colors_page.h"

#include "resources/resource_ids.h"
#include "resources/string_ids.h"
#include "shell/fonts_colours.h"
#include "shell/layout_manager.h"
#include "shell/main_window.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"
#include "views/grid_view.h"

namespace gw {

ColorsPage::ColorsPage(PreferenceContext& context)
    : PreferencePage(context, GW_PAGE_COLOR, IDS_PAGE_COLORS, "pref_color.htm") {}

ColourRecord* ColorsPage::record(int id) const {
    FontsAndColours* f = context_.frame.fontsAndColours();
    if (!f) return nullptr;
    switch (id) {
        case IDC_COLOR_CURRENT_LETTER: return &f->currentLetter;
        case IDC_COLOR_CURRENT_WORD: return &f->currentWord;
        case IDC_COLOR_PEN: return &f->penColor;
        case IDC_COLOR_PENCIL: return &f->pencilColor;
        case IDC_COLOR_CURRENT_CLUE: return &f->currentClue;
        case IDC_COLOR_CLUE_TEXT: return &f->currentClueText;
        case IDC_COLOR_CROSS_TEXT: return &f->crossClueText;
        case IDC_COLOR_PROMPT_TEXT: return &f->promptText;
        default: return nullptr;
    }
}

void ColorsPage::command(int id, int code) {
    ColourRecord* colour = record(id);
    if (code != BN_CLICKED || !colour) return;
    const uint32_t before = colour->colour;
    if (colour->choose(page_) && colour->colour != before) {
        colourChanged(id);
        cancelToClose();
    }
    InvalidateRect(item(id), nullptr, FALSE);
    SetFocus(item(id));
}

void ColorsPage::colourChanged(int id) {
    MainWindow& frame = context_.frame;
    LayoutManager* layout = frame.layout();
    switch (id) {
        case IDC_COLOR_CURRENT_CLUE:
        case IDC_COLOR_CLUE_TEXT:
        case IDC_COLOR_CROSS_TEXT:
            if (layout && layout->clueLists()) layout->clueLists()->colourChanged(id);
            break;
        case IDC_COLOR_PROMPT_TEXT:
            if (layout && layout->prompt()) layout->prompt()->colourChanged();
            break;
        default:
            if (GridView* view = frame.gridView()) view->setStyle(GridStyle::fromFonts(*frame.fontsAndColours()));
            break;
    }
}

bool ColorsPage::drawItem(const DRAWITEMSTRUCT& di) {
    const ColourRecord* colour = record(int(di.CtlID));
    if (!colour) return false;
    RECT r = di.rcItem;
    HBRUSH fill = CreateSolidBrush(colour->colour);
    FillRect(di.hDC, &r, fill);
    DeleteObject(fill);
    FrameRect(di.hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    // A light edge inside the frame, top and left, so that the swatch reads as a
    // button.
    InflateRect(&r, -1, -1);
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HGDIOBJ old = SelectObject(di.hDC, light);
    MoveToEx(di.hDC, r.left, r.bottom - 1, nullptr);
    LineTo(di.hDC, r.left, r.top);
    LineTo(di.hDC, r.right, r.top);
    SelectObject(di.hDC, old);
    DeleteObject(light);
    if (di.itemState & ODS_FOCUS) {
        InflateRect(&r, -2, -2);
        DrawFocusRect(di.hDC, &r);
    }
    return true;
}

}  // namespace gw
