#include "views/clue_tip.h"

#include <algorithm>

#include "shell/application.h"
#include "shell/window_object.h"

namespace gw {

std::unique_ptr<ClueTip> ClueTip::open(HWND list, int item, RECT screen, Painter painter) {
    RECT desk{};
    GetWindowRect(GetDesktopWindow(), &desk);
    const int width = screen.right - screen.left;
    if (screen.right > desk.right) OffsetRect(&screen, desk.right - screen.right, 0);
    if (screen.left < desk.left) OffsetRect(&screen, desk.left - screen.left, 0);
    screen.right = std::min(screen.left + width, LONG(desk.right));

    std::unique_ptr<ClueTip> tip(new ClueTip());
    tip->list_ = list;
    tip->item_ = item;
    tip->painter_ = std::move(painter);
    tip->hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, CanvasWindowClass, "",
                                 WS_POPUP | WS_BORDER, screen.left, screen.top, screen.right - screen.left,
                                 screen.bottom - screen.top, list, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tip->hwnd_) return nullptr;
    attachWindowObject(tip->hwnd_, tip.get(), &ClueTip::windowProc);
    ShowWindow(tip->hwnd_, SW_SHOWNA);
    UpdateWindow(tip->hwnd_);
    return tip;
}

ClueTip::~ClueTip() { destroyWindowObject(hwnd_); }

bool ClueTip::containsScreenPoint(POINT p) const {
    RECT r{};
    return hwnd_ && GetWindowRect(hwnd_, &r) && PtInRect(&r, p);
}

LRESULT CALLBACK ClueTip::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ClueTip*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client{};
            GetClientRect(hwnd, &client);
            try {
                if (self->painter_) self->painter_(dc, client);
            } catch (...) {
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_SETCURSOR:
            SetCursor(LoadCursorA(nullptr, IDC_ARROW));
            return TRUE;
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace gw
