#include "views/clue_lists.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "doc/puzzle_grid.h"
#include "plugins/host/tool_api.h"
#include "ports/core_context.h"
#include "resources/string_table.h"
#include "shell/application.h"
#include "shell/fonts_colours.h"
#include "shell/screen_dpi.h"
#include "views/clue_geometry.h"
#include "views/clue_prompt.h"
#include "views/clue_tip.h"
#include "views/grid_view.h"
#include "views/reader_names.h"

namespace gw {
namespace {

constexpr int NoItem = 0xFFFF;
constexpr UINT_PTR ScrollBarTimer = 0x474C;  // apart from the ids the list box uses itself

int textWidth(HDC dc, const char* text) {
    SIZE s{};
    GetTextExtentPoint32A(dc, text, int(lstrlenA(text)), &s);
    return s.cx;
}

bool passedToGrid(WPARAM key) {
    switch (key) {
        case VK_BACK: case VK_TAB: case VK_RETURN: case VK_HOME:
        case VK_END: case VK_LEFT: case VK_RIGHT: case VK_DELETE: return true;
        default: return false;
    }
}

// A memory DC with a font selected, for measuring.
struct MeasureDc {
    HDC dc;
    HGDIOBJ old;
    explicit MeasureDc(HFONT font) : dc(CreateCompatibleDC(nullptr)), old(SelectObject(dc, font)) {}
    ~MeasureDc() {
        SelectObject(dc, old);
        DeleteDC(dc);
    }
};

}  // namespace

ClueLists::ClueLists(FontsAndColours& fonts, PuzzleGrid* grid) : fonts_(fonts), grid_(grid) { measure(); }

ClueLists::~ClueLists() {
    closeTip();
    for (List& l : lists_) {
        // The controls get their own procedures back so that they free what they hold.
        if (l.listBox && IsWindow(l.listBox) && l.listProc)
            SetWindowLongPtrA(l.listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(l.listProc));
        if (l.field && IsWindow(l.field) && l.fieldProc)
            SetWindowLongPtrA(l.field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(l.fieldProc));
        if (l.pane && IsWindow(l.pane)) {
            SetWindowLongPtrA(l.pane, GWLP_USERDATA, 0);
            if (l.paneProc) SetWindowLongPtrA(l.pane, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(l.paneProc));
            DestroyWindow(l.pane);
        }
        l = List{};
    }
}

void ClueLists::measure() {
    MeasureDc m(fonts_.clueFont.font());
    TEXTMETRICA tm{};
    GetTextMetricsA(m.dc, &tm);
    labelWidth_ = std::max(textWidth(m.dc, stringText(IDS_ACROSS_HEADING)), textWidth(m.dc, stringText(IDS_DOWN_HEADING)));
    numberColumn_ = textWidth(m.dc, "999.") + dpiScaled(4 * GetSystemMetrics(SM_CXBORDER));
    headerHeight_ = tm.tmHeight + tm.tmInternalLeading + tm.tmExternalLeading + 2 * GetSystemMetrics(SM_CYBORDER);
    itemHeight_ = tm.tmHeight + tm.tmExternalLeading + 1;
    textHeight_ = tm.tmHeight;
    preferredWidth_ = 21 * tm.tmAveCharWidth + labelWidth_ + numberColumn_;
}

int ClueLists::measureItem(const std::string& text) const {
    MeasureDc m(fonts_.clueFont.font());
    return numberColumn_ + textWidth(m.dc, cluegeom::itemClue(text.c_str()));
}

bool ClueLists::create(HWND parent, int index, int width, int height) {
    List& l = lists_[index & 1];
    if (l.pane) return false;
    HINSTANCE module = GetModuleHandleA(nullptr);
    l.pane = CreateWindowExA(0, ContainerWindowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             std::max(0, width), std::max(0, height), parent, nullptr, module, nullptr);
    if (!l.pane) return false;
    SetWindowLongPtrA(l.pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    l.paneProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(l.pane, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClueLists::paneProc)));

    const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_BORDER | LBS_OWNERDRAWFIXED |
                            LBS_SORT | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL;
    l.listBox = CreateWindowExA(0, "LISTBOX", "", listStyle, 0, headerHeight_, std::max(0, width),
                                std::max(0, height - headerHeight_), l.pane,
                                reinterpret_cast<HMENU>(INT_PTR(ListIdBase + index)), module, nullptr);
    l.field = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 0, 0, l.pane,
                              reinterpret_cast<HMENU>(INT_PTR(FieldIdBase + index)), module, nullptr);
    if (!l.listBox || !l.field) return false;
    // The header above the list is drawn: readers take the list's name from here.
    const std::string name = stringText(index == 0 ? IDS_SPEAK_ACROSS : IDS_SPEAK_DOWN);
    nameForReaders(l.listBox, name);
    nameForReaders(l.field, name, true);
    for (HWND control : {l.listBox, l.field}) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.clueFont.font()), FALSE);
        SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    SendMessageA(l.field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    l.listProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(l.listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClueLists::controlProc)));
    l.fieldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(l.field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClueLists::controlProc)));
    RECT r{};
    GetClientRect(l.pane, &r);
    resizePane(index & 1, r.right, r.bottom);
    return true;
}

std::string ClueLists::itemString(HWND list, int item) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(item), 0);
    if (length == LB_ERR || length <= 0) return {};
    std::vector<char> buffer(size_t(length) + 1);
    SendMessageA(list, LB_GETTEXT, WPARAM(item), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

HWND ClueLists::tipWindow() const { return tip_ ? tip_->hwnd() : nullptr; }

int ClueLists::indexOfWindow(HWND w) const {
    for (int i = 0; i < 2; ++i)
        if (w && (w == lists_[i].pane || w == lists_[i].listBox || w == lists_[i].field)) return i;
    return -1;
}

// ---------------------------------------------------------------- the engine's calls

void ClueLists::setRedraw(bool on) {
    for (const List& l : lists_) {
        if (!l.listBox) continue;
        SendMessageA(l.listBox, WM_SETREDRAW, on ? TRUE : FALSE, 0);
        if (on) RedrawWindow(l.listBox, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
    }
}

int ClueLists::addClue(const char* text, int number, int direction) {
    List& l = lists_[direction & 1];
    if (!l.listBox) return -1;
    const std::string item = cluegeom::itemText(number, text);
    const int width = measureItem(item);
    if (width + cluegeom::ItemSlack > l.extent) {
        l.extent = width + cluegeom::ItemSlack;
        SendMessageA(l.listBox, LB_SETHORIZONTALEXTENT, WPARAM(l.extent), 0);
    }
    const LRESULT position = SendMessageA(l.listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (position < 0) return -1;
    SendMessageA(l.listBox, LB_SETITEMDATA, WPARAM(position), LPARAM(cluegeom::itemData(number, width)));
    return int(position);
}

void ClueLists::showCurrentClue(int direction, int item, int number, const char* text, bool active) {
    const int index = direction & 1;
    List& l = lists_[index];
    setCurrentPane(active ? l.pane : lists_[1 - index].pane);
    // A hidden field costs as much to fill as a list row to paint: only a compact
    // list's field is kept current, the others get their text when they are shown.
    if (l.fieldText != (text ? text : "")) {
        l.fieldText = text ? text : "";
        if (l.field && l.compact) SetWindowTextA(l.field, l.fieldText.c_str());
    }
    select(l.listBox, item == NoItem ? -1 : item);
    if (active && prompt_) prompt_->setText(number, number != 0 ? text : nullptr);
    if (l.currentNumber != number) {
        sendToolEvent(active ? CurrentClueChanged : CrossingClueChanged);
        l.currentNumber = number;
    }
    if (l.compact && l.pane) {
        RECT numberArea{labelWidth_, 0, labelWidth_ + numberColumn_, headerHeight_};
        InvalidateRect(l.pane, &numberArea, FALSE);
    }
    closeTip();
}

void ClueLists::select(HWND list, int item) {
    if (!list || SendMessageA(list, LB_GETCURSEL, 0, 0) == item) return;
    RECT client{};
    GetClientRect(list, &client);
    const int top = int(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int rows = std::max(1, int(client.bottom) / std::max(1, itemHeight_));
    const LONG style = GetWindowLongA(list, GWL_STYLE);
    if (item < 0 || (item >= top && item < top + rows) || !(style & WS_VISIBLE)) {
        SendMessageA(list, LB_SETCURSEL, WPARAM(item), 0);
        return;
    }
    // Scrolling a visible list repaints its scroll bars at once, and a scroll bar costs
    // many times what the rows do: the item is selected while the list counts as
    // hidden (which leaves its frame to be painted: that is put off), the rows are
    // repainted with the rest of the keystroke, and the frame with its bars when the
    // program is next idle (a zero timer comes after input and painting).
    SetWindowLongA(list, GWL_STYLE, style & ~WS_VISIBLE);
    SendMessageA(list, LB_SETCURSEL, WPARAM(item), 0);
    SetWindowLongA(list, GWL_STYLE, style);
    RedrawWindow(list, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME);
    InvalidateRect(list, nullptr, TRUE);
    SetTimer(list, ScrollBarTimer, 0, nullptr);
}

void ClueLists::refreshScrollBar(HWND list) {
    KillTimer(list, ScrollBarTimer);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

void ClueLists::setCurrentPane(HWND pane) {
    if (pane == currentPane_) return;
    currentPane_ = pane;
    // The selected items change colour: current clue one way, crossing clue the other.
    redrawSelection(0);
    redrawSelection(1);
}

void ClueLists::redrawSelection(int index) {
    HWND list = lists_[index].listBox;
    if (!list) return;
    const LRESULT sel = SendMessageA(list, LB_GETCURSEL, 0, 0);
    RECT r{};
    if (sel >= 0 && SendMessageA(list, LB_GETITEMRECT, WPARAM(sel), reinterpret_cast<LPARAM>(&r)) != LB_ERR)
        InvalidateRect(list, &r, FALSE);
}

// ---------------------------------------------------------------- user actions

void ClueLists::goToSelected(int index, bool focusGrid) {
    HWND list = lists_[index].listBox;
    const LRESULT sel = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (sel < 0) return;
    const auto data = uint32_t(SendMessageA(list, LB_GETITEMDATA, WPARAM(sel), 0));
    if (grid_) grid_->GoToClue(cluegeom::dataNumber(data), index == 0 ? DirAcross : DirDown);
    sendToolEvent(ClueSelected);
    setCurrentPane(lists_[index].pane);
    if (focusGrid && gridView_) SetFocus(gridView_->canvas());
}

void ClueLists::passKeyToGrid(UINT msg, WPARAM wp, LPARAM lp) {
    if (!gridView_ || !gridView_->canvas()) return;
    HWND canvas = gridView_->canvas();
    SetFocus(canvas);
    SendMessageA(canvas, msg, wp, lp);
}

void ClueLists::clearEditHandlers() {
    // Cut, Copy, Paste, Erase and Undo mean nothing in a list.
    if (Application* app = Application::current()) {
        app->setEditHandler(nullptr);
        app->setUndoHandler(nullptr);
    }
}

void ClueLists::fontChanged() {
    measure();
    for (int i = 0; i < 2; ++i) {
        List& l = lists_[i];
        if (!l.listBox) continue;
        SendMessageA(l.listBox, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.clueFont.font()), FALSE);
        SendMessageA(l.field, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.clueFont.font()), FALSE);
        SendMessageA(l.listBox, LB_SETITEMHEIGHT, 0, itemHeight_);
        l.extent = 0;
        const LRESULT count = SendMessageA(l.listBox, LB_GETCOUNT, 0, 0);
        for (int item = 0; item < count; ++item) {
            const std::string text = itemString(l.listBox, item);
            const int width = measureItem(text);
            l.extent = std::max(l.extent, width + cluegeom::ItemSlack);
            SendMessageA(l.listBox, LB_SETITEMDATA, WPARAM(item),
                         LPARAM(cluegeom::itemData(cluegeom::itemNumber(text.c_str()), width)));
        }
        SendMessageA(l.listBox, LB_SETHORIZONTALEXTENT, WPARAM(l.extent), 0);
        RECT r{};
        GetClientRect(l.pane, &r);
        resizePane(i, r.right, r.bottom);
        InvalidateRect(l.pane, nullptr, TRUE);
        InvalidateRect(l.listBox, nullptr, TRUE);
    }
}

void ClueLists::colourChanged(int) {
    for (const List& l : lists_)
        if (l.listBox) InvalidateRect(l.listBox, nullptr, TRUE);
}

// ---------------------------------------------------------------- messages

LRESULT CALLBACK ClueLists::paneProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ClueLists*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const int index = self ? self->indexOfWindow(hwnd) : -1;
    if (index < 0) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        return self->paneMessage(index, msg, wp, lp);
    } catch (...) {
        return 0;
    }
}

LRESULT ClueLists::paneMessage(int index, UINT msg, WPARAM wp, LPARAM lp) {
    List& l = lists_[index];
    switch (msg) {
        case WM_PAINT: paintPane(index); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SIZE: resizePane(index, LOWORD(lp), HIWORD(lp)); return 0;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = UINT(itemHeight_);
            return TRUE;
        case WM_DRAWITEM: drawItem(index, *reinterpret_cast<DRAWITEMSTRUCT*>(lp)); return TRUE;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lp) == l.listBox && HIWORD(wp) == LBN_SELCHANGE) goToSelected(index, false);
            if (reinterpret_cast<HWND>(lp) == l.listBox && HIWORD(wp) == LBN_DBLCLK) goToSelected(index, true);
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(controlColours(reinterpret_cast<HDC>(wp)));
        case WM_SETFOCUS: clearEditHandlers(); return 0;
        default: break;
    }
    return CallWindowProcA(l.paneProc, l.pane, msg, wp, lp);
}

LRESULT CALLBACK ClueLists::controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ClueLists*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const int index = self ? self->indexOfWindow(hwnd) : -1;
    if (index < 0) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        return self->controlMessage(index, hwnd, msg, wp, lp);
    } catch (...) {
        return 0;
    }
}

LRESULT ClueLists::controlMessage(int index, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    List& l = lists_[index];
    const bool isList = hwnd == l.listBox;
    const WNDPROC original = isList ? l.listProc : l.fieldProc;
    switch (msg) {
        case WM_KEYDOWN:
            if (!passedToGrid(wp)) break;
            passKeyToGrid(msg, wp, lp);
            return 0;
        case WM_CHAR:
            passKeyToGrid(msg, wp, lp);
            return 0;
        case WM_SETFOCUS: clearEditHandlers(); break;
        case WM_MOUSEMOVE:
            if (!isList) break;
            trackTip(index, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            // While a tip holds the mouse the list must not take the moves for a drag.
            if (tip_) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (isList && tip_) {
                RECT client{};
                GetClientRect(hwnd, &client);
                const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                closeTip();
                if (!PtInRect(&client, p)) return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            if (isList && tip_ && reinterpret_cast<HWND>(lp) != hwnd) tip_.reset();
            break;
        case WM_TIMER:
            if (!isList || wp != ScrollBarTimer) break;
            refreshScrollBar(hwnd);
            return 0;
        default: break;
    }
    return CallWindowProcA(original, hwnd, msg, wp, lp);
}

}  // namespace gw
