// The clue lists' drawing: items, the panes' headings and one-line form, and the
// tips that show an item too wide for its list.
#include <algorithm>

#include "resources/string_table.h"
#include "shell/fonts_colours.h"
#include "shell/screen_dpi.h"
#include "views/clue_geometry.h"
#include "views/clue_lists.h"
#include "views/clue_tip.h"

namespace gw {
namespace {

constexpr int HeadingInset = 3;

}  // namespace

// ---------------------------------------------------------------- painting

void ClueLists::paintItem(HDC dc, RECT rect, int index, const std::string& text, bool selected) const {
    const bool current = lists_[index & 1].pane == currentPane_;
    const ClueColours colours = fonts_.screenClueColours();
    COLORREF background = colours.background;
    COLORREF foreground = colours.text;
    if (selected && current) {
        background = colours.currentClue;
        foreground = colours.currentClueText;
    } else if (selected) {
        foreground = colours.crossClueText;
    }
    RECT below = rect;
    rect.bottom -= 1;
    below.top = rect.bottom;
    SetBkColor(dc, colours.background);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &below, nullptr, 0, nullptr);

    // Plain text output: a list repaints all its rows when it scrolls to a new clue.
    HGDIOBJ old = SelectObject(dc, fonts_.clueFont.font());
    const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetBkColor(dc, background);
    SetTextColor(dc, foreground);
    const int y = rect.top + (rect.bottom - rect.top - textHeight_) / 2;
    const char* clue = cluegeom::itemClue(text.c_str());
    RECT clueRect{rect.left + numberColumn_, rect.top, rect.right, rect.bottom};
    ExtTextOutA(dc, clueRect.left, y, ETO_OPAQUE | ETO_CLIPPED, &rect, clue, UINT(lstrlenA(clue)), nullptr);
    // The number right-aligned in its column, so that the clues line up.
    char number[16];
    const int length = wsprintfA(number, "%d.", cluegeom::itemNumber(text.c_str()));
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    RECT numberRect{rect.left, rect.top, clueRect.left, rect.bottom};
    ExtTextOutA(dc, clueRect.left - scaleToDpi(2 * GetSystemMetrics(SM_CXBORDER), dpi_), y, ETO_CLIPPED, &numberRect, number,
                UINT(length), nullptr);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, old);
}

void ClueLists::drawItem(int index, const DRAWITEMSTRUCT& d) {
    if (int(d.itemID) < 0 || !(d.itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS))) return;
    // The selection colours tell the current clue from the crossing one, not which list
    // has the keyboard: after F6 the list that has it marks its item with a focus
    // rectangle, unless Windows hides keyboard cues (a mouse user's default). The item is
    // painted whole each time, so the rectangle is never toggled off twice.
    paintItem(d.hDC, d.rcItem, index, itemString(d.hwndItem, int(d.itemID)), (d.itemState & ODS_SELECTED) != 0);
    if ((d.itemState & ODS_FOCUS) && !(d.itemState & ODS_NOFOCUSRECT)) {
        RECT r = d.rcItem;
        r.bottom -= 1;  // inside the row's separating line
        DrawFocusRect(d.hDC, &r);
    }
}

void ClueLists::paintPane(int index) {
    const List& l = lists_[index];
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(l.pane, &ps);
    RECT client{};
    GetClientRect(l.pane, &client);
    const ClueColours colours = fonts_.screenClueColours();
    FillRect(dc, &client, colours.backgroundBrush);
    HGDIOBJ old = SelectObject(dc, fonts_.clueFont.font());
    const char* label = stringText(index == 0 ? IDS_ACROSS_HEADING : IDS_DOWN_HEADING);
    RECT band = l.compact ? RECT{0, 0, labelWidth_, client.bottom} : RECT{0, 0, client.right, headerHeight_};
    SetBkColor(dc, GetSysColor(COLOR_ACTIVECAPTION));
    SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    ExtTextOutA(dc, HeadingInset, HeadingInset, ETO_OPAQUE | ETO_CLIPPED, &band, label, UINT(lstrlenA(label)), nullptr);
    if (l.compact) {
        char number[16] = "";
        if (l.currentNumber != 0) wsprintfA(number, "%d.", l.currentNumber);
        RECT column{labelWidth_, 0, labelWidth_ + numberColumn_, client.bottom};
        SetBkColor(dc, colours.background);
        SetTextColor(dc, colours.text);
        ExtTextOutA(dc, labelWidth_ + GetSystemMetrics(SM_CXBORDER), HeadingInset, ETO_OPAQUE | ETO_CLIPPED, &column,
                    number, UINT(lstrlenA(number)), nullptr);
    }
    SelectObject(dc, old);
    EndPaint(l.pane, &ps);
}

void ClueLists::resizePane(int index, int width, int height) {
    List& l = lists_[index];
    if (!l.listBox) return;
    const bool compact = cluegeom::isCompact(height, headerHeight_);
    const bool wasCompact = l.compact;
    l.compact = compact;
    if (compact) {
        closeTip();
        const int x = labelWidth_ + numberColumn_;
        MoveWindow(l.field, x, HeadingInset, std::max(0, width - x), std::max(0, height - HeadingInset), TRUE);
        ShowWindow(l.listBox, SW_HIDE);
        if (!wasCompact) SetWindowTextA(l.field, l.fieldText.c_str());
        ShowWindow(l.field, SW_SHOW);
    } else {
        MoveWindow(l.listBox, 0, headerHeight_, width, std::max(0, height - headerHeight_), TRUE);
        if (wasCompact || !IsWindowVisible(l.listBox)) {
            ShowWindow(l.listBox, SW_SHOW);
            ShowWindow(l.field, SW_HIDE);
            // Selected again so that the current clue is in view.
            const LRESULT sel = SendMessageA(l.listBox, LB_GETCURSEL, 0, 0);
            if (sel >= 0) SendMessageA(l.listBox, LB_SETCURSEL, WPARAM(sel), 0);
        }
    }
    if (compact != wasCompact) InvalidateRect(l.pane, nullptr, TRUE);
}

HBRUSH ClueLists::controlColours(HDC dc) {
    const ClueColours colours = fonts_.screenClueColours();
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.background);
    return colours.backgroundBrush;
}

// ---------------------------------------------------------------- clue tips

void ClueLists::closeTip() {
    if (!tip_) return;
    HWND list = tip_->list();
    tip_.reset();
    if (GetCapture() == list) ReleaseCapture();
}

void ClueLists::trackTip(int index, POINT p) {
    HWND list = lists_[index].listBox;
    POINT screen = p;
    ClientToScreen(list, &screen);
    if (tip_ && tip_->containsScreenPoint(screen)) return;
    RECT client{};
    GetClientRect(list, &client);
    HWND top = GetAncestor(list, GA_ROOT);
    if (!PtInRect(&client, p) || GetActiveWindow() != top) {
        closeTip();
        return;
    }
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
    const int item = LOWORD(hit);
    if (HIWORD(hit) != 0) {
        closeTip();
        return;
    }
    if (tip_ && tip_->item() == item && tip_->list() == list) return;
    closeTip();
    const auto data = uint32_t(SendMessageA(list, LB_GETITEMDATA, WPARAM(item), 0));
    const int width = cluegeom::dataWidth(data);
    RECT itemRect{};
    if (width <= client.right || SendMessageA(list, LB_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&itemRect)) == LB_ERR)
        return;
    POINT corner{0, itemRect.top};
    ClientToScreen(list, &corner);
    RECT at{corner.x - 1, corner.y - 1, corner.x - 1 + width + 2, corner.y + (itemRect.bottom - itemRect.top) + 1};
    const std::string text = itemString(list, item);
    const bool selected = SendMessageA(list, LB_GETCURSEL, 0, 0) == item;
    tip_ = ClueTip::open(list, item, at, [this, index, text, selected](HDC dc, const RECT& r) {
        paintItem(dc, r, index, text, selected);
    });
    if (tip_) SetCapture(list);
}

}  // namespace gw
