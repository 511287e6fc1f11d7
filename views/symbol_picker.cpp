#include "views/symbol_picker.h"

#include <windowsx.h>

#include "resources/string_table.h"
#include "shell/application.h"
#include "shell/screen_dpi.h"
#include "views/secondary_math.h"
#include "views/text_measure.h"

namespace gw {
namespace {

constexpr char SymbolRole[] = "GridSymFont";

}  // namespace

SymbolPicker* SymbolPicker::open(HWND owner, HFONT symbolFont, POINT at, EnterFn enter) {
    auto* self = new SymbolPicker(owner, std::move(enter));
    if (!self->build(symbolFont, at)) {
        if (self->hwnd_) {
            DestroyWindow(self->hwnd_);  // frees it
        } else {
            delete self;
        }
        return nullptr;
    }
    return self;
}

SymbolPicker* SymbolPicker::fromWindow(HWND hwnd) {
    return reinterpret_cast<SymbolPicker*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool SymbolPicker::build(HFONT symbolFont, POINT at) {
    LOGFONTA face{};
    if (symbolFont) GetObjectA(symbolFont, sizeof face, &face);
    font_.create(owner_, SymbolRole, picker::FontPoints, FW_NORMAL, face.lfFaceName[0] ? face.lfFaceName : "Webdings");
    cell_ = characterHeight(owner_, font_.font()) + dpiScaled(picker::CellExtra, owner_);
    const int width = picker::WidthInCells * cell_;
    const int height = picker::HeightInCells * cell_;
    // The work area of the monitor under the point: the picker stays clear of the
    // taskbar and on the screen the user is looking at.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const int x = area.left + picker::keepOnDesktop(at.x - area.left, width, area.right - area.left);
    const int y = area.top + picker::keepOnDesktop(at.y - area.top, height, area.bottom - area.top);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, PaneWindowClass, stringText(IDS_SYMBOLS_TITLE), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VSCROLL,
                            x, y, width, height, owner_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SymbolPicker::frameProc));
    RECT client{};
    GetClientRect(hwnd_, &client);
    content_ = CreateWindowExA(0, CanvasWindowClass, "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                               picker::ContentHeightInCells * cell_, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!content_) return false;
    SetWindowLongPtrA(content_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(content_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SymbolPicker::contentProc));
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_POS, 0, picker::ScrollRangeInCells * cell_, 0, 0, 0};
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(content_);
    return true;
}

LRESULT CALLBACK SymbolPicker::frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    SymbolPicker* self = fromWindow(hwnd);
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_VSCROLL: self->onScroll(LOWORD(wParam)); return 0;
        case WM_MOUSEWHEEL:  // from the content too: its default passes the wheel up
            self->scrollTo(self->position_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * self->cell_);
            return 0;
        case WM_KEYDOWN:
            if (self->onKey(wParam)) return 0;
            break;
        case WM_CLOSE: self->hide(); return 0;
        case WM_DPICHANGED: self->dpiChanged(wParam, lParam); return 0;
        case WM_NCDESTROY:
            forgetWindowDpi(hwnd);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            delete self;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK SymbolPicker::contentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    SymbolPicker* self = fromWindow(hwnd);
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            self->paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: SetFocus(hwnd); return 0;
        case WM_LBUTTONUP: {
            const int c = picker::characterAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), self->cell_);
            if (c && self->enter_) self->enter_(c);
            return 0;
        }
        case WM_SETCURSOR: SetCursor(LoadCursorA(nullptr, IDC_ARROW)); return TRUE;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN:
            if (self->onKey(wParam)) return 0;
            break;
        default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int SymbolPicker::halfPage() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return client.bottom / 2;
}

bool SymbolPicker::onKey(WPARAM key) {
    switch (key) {
        case VK_ESCAPE: hide(); return true;
        case VK_PRIOR: scrollTo(position_ - halfPage()); return true;
        case VK_NEXT: scrollTo(position_ + halfPage()); return true;
        case VK_UP: scrollTo(position_ - cell_); return true;
        case VK_DOWN: scrollTo(position_ + cell_); return true;
        default: return false;
    }
}

void SymbolPicker::onScroll(int request) {
    switch (request) {
        case SB_LINEUP: scrollTo(position_ - cell_); break;
        case SB_LINEDOWN: scrollTo(position_ + cell_); break;
        case SB_PAGEUP: scrollTo(position_ - halfPage()); break;
        case SB_PAGEDOWN: scrollTo(position_ + halfPage()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO si{sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(hwnd_, SB_VERT, &si);
            scrollTo(si.nTrackPos);
            break;
        }
        default: break;
    }
}

void SymbolPicker::scrollTo(int position) {
    position = picker::clampScroll(position, cell_);
    if (position == position_) return;
    ScrollWindowEx(hwnd_, 0, position_ - position, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
    position_ = position;
    SetScrollPos(hwnd_, SB_VERT, position_, TRUE);
}

// Cells, font and scroll range are measured again for the new DPI; the window takes
// the rectangle Windows suggests, which holds the same cells at their new size.
void SymbolPicker::dpiChanged(WPARAM wParam, LPARAM lParam) {
    const int fromDpi = windowDpi(hwnd_);
    const int toDpi = takeDpiChange(hwnd_, wParam);
    font_.rescale(fromDpi, toDpi);
    cell_ = characterHeight(hwnd_, font_.font()) + scaleToDpi(picker::CellExtra, toDpi);
    takeSuggestedRect(hwnd_, lParam);
    RECT client{};
    GetClientRect(hwnd_, &client);
    position_ = 0;
    MoveWindow(content_, 0, 0, client.right, picker::ContentHeightInCells * cell_, TRUE);
    SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_POS, 0, picker::ScrollRangeInCells * cell_, 0, 0, 0};
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    InvalidateRect(content_, nullptr, TRUE);
}

void SymbolPicker::hide() {
    ShowWindow(hwnd_, SW_HIDE);
    if (owner_ && IsWindow(owner_)) SetFocus(owner_);
}

void SymbolPicker::paint(HDC dc) {
    RECT client{};
    GetClientRect(content_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ old = SelectObject(dc, font_.font());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    for (int c = picker::FirstCharacter; c <= picker::LastCharacter; ++c) {
        const int index = c - picker::FirstCharacter;
        const char text = static_cast<char>(c);
        TextOutA(dc, picker::cellCentreX(index % picker::Columns, cell_), picker::cellTop(index / picker::Columns, cell_),
                 &text, 1);
    }
    SelectObject(dc, old);
}

}  // namespace gw
