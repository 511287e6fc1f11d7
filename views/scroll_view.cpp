#include "views/scroll_view.h"

#include <algorithm>

namespace gw {

ScrollView::~ScrollView() { destroyContainer(); }

bool ScrollView::createContainer(HWND parent, HINSTANCE instance) {
    RECT rc{};
    GetClientRect(parent, &rc);
    container_ = CreateWindowExA(0, "ContainerWindowClass", "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN,
                                 0, 0, rc.right, rc.bottom, parent, nullptr, instance, nullptr);
    // The classes belong to the program's module, which may differ from a resource instance.
    if (!container_ && instance != GetModuleHandleA(nullptr))
        container_ = CreateWindowExA(0, "ContainerWindowClass", "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN,
                                     0, 0, rc.right, rc.bottom, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!container_) return false;
    SetWindowLongPtrA(container_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(container_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ScrollView::containerProc)));
    setScrollRanges(0, 0, 0, 0);
    return true;
}

void ScrollView::destroyContainer() {
    if (!container_) return;
    HWND h = container_;
    container_ = nullptr;
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    if (classProc_) SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
    DestroyWindow(h);
}

void ScrollView::clientSize(int& width, int& height) const {
    RECT rc{};
    if (container_) GetClientRect(container_, &rc);
    width = rc.right;
    height = rc.bottom;
}

void ScrollView::setScrollRanges(int hMax, int vMax, int hPage, int vPage) {
    hMax_ = std::max(0, hMax);
    vMax_ = std::max(0, vMax);
    hPos_ = std::clamp(hPos_, 0, hMax_);
    vPos_ = std::clamp(vPos_, 0, vMax_);
    if (!container_) return;
    // With a page the thumb is proportional; the reachable positions stay 0..max.
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    si.nMax = hMax_ > 0 ? hMax_ + std::max(1, hPage) - 1 : 0;
    si.nPage = hMax_ > 0 ? UINT(std::max(1, hPage)) : 0;
    si.nPos = hPos_;
    SetScrollInfo(container_, SB_HORZ, &si, TRUE);
    si.nMax = vMax_ > 0 ? vMax_ + std::max(1, vPage) - 1 : 0;
    si.nPage = vMax_ > 0 ? UINT(std::max(1, vPage)) : 0;
    si.nPos = vPos_;
    SetScrollInfo(container_, SB_VERT, &si, TRUE);
}

bool ScrollView::scrollTo(int bar, int position) {
    int& pos = bar == SB_HORZ ? hPos_ : vPos_;
    const int maximum = bar == SB_HORZ ? hMax_ : vMax_;
    const int clamped = std::clamp(position, 0, maximum);
    if (clamped == pos) return false;
    pos = clamped;
    if (container_) {
        SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
        SetScrollInfo(container_, bar, &si, TRUE);
    }
    scrolled();
    return true;
}

void ScrollView::onScroll(int bar, int code) {
    int w = 0, h = 0;
    clientSize(w, h);
    const int line = bar == SB_HORZ ? horizontalLineStep() : verticalLineStep();
    const int page = (bar == SB_HORZ ? w : h) / 2;
    int pos = bar == SB_HORZ ? hPos_ : vPos_;
    SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    switch (code) {
        case SB_LINEUP: pos -= line; break;
        case SB_LINEDOWN: pos += line; break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            GetScrollInfo(container_, bar, &si);
            pos = si.nTrackPos;
            break;
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = bar == SB_HORZ ? hMax_ : vMax_; break;
        default: return;
    }
    scrollTo(bar, pos);
}

LRESULT ScrollView::containerMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return classProc_ ? CallWindowProcA(classProc_, container_, msg, wp, lp) : DefWindowProcA(container_, msg, wp, lp);
}

LRESULT CALLBACK ScrollView::containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ScrollView*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->container_ != hwnd) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        switch (msg) {
            case WM_HSCROLL: self->onScroll(SB_HORZ, LOWORD(wp)); return 0;
            case WM_VSCROLL: self->onScroll(SB_VERT, LOWORD(wp)); return 0;
            case WM_SIZE:
                // Showing or hiding a scroll bar resizes the client again; one level is enough.
                if (!self->inResize_) {
                    self->inResize_ = true;
                    self->resized(LOWORD(lp), HIWORD(lp), true);
                    self->inResize_ = false;
                }
                return 0;
            default: return self->containerMessage(msg, wp, lp);
        }
    } catch (...) {
        return 0;
    }
}

}  // namespace gw
