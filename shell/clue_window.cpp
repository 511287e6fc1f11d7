#include "shell/clue_window.h"

#include "shell/application.h"
#include "shell/screen_dpi.h"
#include "shell/window_object.h"

namespace gw {
namespace {

constexpr char Caption[] = "Gridwell - Clues";

// A window that would open wholly outside the desktop (a monitor since removed)
// comes back to its top-left corner.
ScreenRect onDesktop(ScreenRect r) {
    RECT desk{};
    GetWindowRect(GetDesktopWindow(), &desk);
    RECT want{r.x, r.y, r.x + r.width, r.y + r.height};
    RECT both{};
    if (!IntersectRect(&both, &want, &desk)) {
        r.x = desk.left;
        r.y = desk.top;
    }
    return r;
}

}  // namespace

std::unique_ptr<ClueWindow> ClueWindow::create(HWND owner, const ScreenRect& outer, int orientation,
                                               HINSTANCE resources) {
    const ScreenRect r = onDesktop(outer);
    std::unique_ptr<ClueWindow> window(new ClueWindow());
    window->hwnd_ = CreateWindowExA(0, PopupWindowClass, Caption, WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN,
                                    r.x, r.y, r.width, r.height, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window->hwnd_) return nullptr;
    attachWindowObject(window->hwnd_, window.get(), &ClueWindow::windowProc);
    RECT client{};
    GetClientRect(window->hwnd_, &client);
    window->pane_.reset(SplitPane::create(window->hwnd_, orientation, 0, 0, client.right, client.bottom, true, resources));
    if (!window->pane_) return nullptr;
    ShowWindow(window->hwnd_, SW_SHOWNA);
    return window;
}

ClueWindow::~ClueWindow() {
    pane_.reset();
    if (hwnd_) forgetWindowDpi(hwnd_);
    destroyWindowObject(hwnd_);
}

ScreenRect ClueWindow::outerRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LRESULT CALLBACK ClueWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ClueWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && self->hwnd_ == hwnd && msg == WM_SIZE && self->pane_) {
        self->pane_->move(0, 0, LOWORD(lp), HIWORD(lp));
        return 0;
    }
    if (self && self->hwnd_ == hwnd && msg == WM_DPICHANGED) {
        // Its lists share the main window's clue font; the bars and proportions follow this monitor.
        const int from = windowDpi(hwnd);
        const int to = takeDpiChange(hwnd, wp);
        if (self->pane_) self->pane_->dpiChanged(from, to);
        takeSuggestedRect(hwnd, lp);
        return 0;
    }
    // The window lives as long as its layout: closing it from the system menu is not offered.
    if (msg == WM_CLOSE) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace gw
