#include "shell/split_pane.h"

#include <windowsx.h>

#include <algorithm>

#include "resources/resource_ids.h"
#include "shell/application.h"
#include "shell/screen_dpi.h"
#include "shell/split_math.h"
#include "shell/window_object.h"

namespace gw {
namespace {

constexpr int BorderedBar = 5;
constexpr int PlainBar = 10;

SIZE windowSize(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

SplitPane* SplitPane::create(HWND parent, int orientation, int x, int y, int width, int height, bool bordered,
                             HINSTANCE resources) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (bordered ? WS_BORDER : 0);
    HWND hwnd = CreateWindowExA(0, PaneWindowClass, "", style, x, y, std::max(0, width), std::max(0, height), parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    auto* pane = new SplitPane();
    pane->hwnd_ = hwnd;
    pane->orientation_ = orientation == SideBySide ? SideBySide : Stacked;
    pane->bordered_ = bordered;
    pane->fitBarToDpi(windowDpi(parent));
    pane->cursor_ = LoadCursorA(resources, MAKEINTRESOURCEA(pane->orientation_ == Stacked ? IDCUR_SPLIT_STACKED
                                                                                          : IDCUR_SPLIT_SIDE));
    if (!pane->cursor_) pane->cursor_ = LoadCursorA(nullptr, pane->orientation_ == Stacked ? IDC_SIZENS : IDC_SIZEWE);
    attachWindowObject(hwnd, pane, &SplitPane::windowProc);
    return pane;
}

SplitPane::~SplitPane() {
    children_.clear();
    destroyWindowObject(hwnd_);
}

int SplitPane::clientExtent() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return orientation_ == Stacked ? r.bottom : r.right;
}

int SplitPane::extentOf(HWND child) const {
    SIZE s = windowSize(child);
    return orientation_ == Stacked ? s.cy : s.cx;
}

std::vector<int> SplitPane::extents() const {
    std::vector<int> e;
    for (HWND c : children_) e.push_back(extentOf(c));
    return e;
}

void SplitPane::layout(const std::vector<int>& e) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int across = orientation_ == Stacked ? client.right : client.bottom;
    const std::vector<int> at = splitmath::starts(e, bar_);
    for (size_t i = 0; i < children_.size() && i < e.size(); ++i) {
        if (orientation_ == Stacked)
            MoveWindow(children_[i], 0, at[i], across, e[i], TRUE);
        else
            MoveWindow(children_[i], at[i], 0, e[i], across, TRUE);
        if (i + 1 < children_.size()) {
            const int b = at[i] + e[i];
            bars_[i] = orientation_ == Stacked ? RECT{0, b, across, b + bar_} : RECT{b, 0, b + bar_, across};
        }
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void SplitPane::addChild(HWND child) {
    if (!child || int(children_.size()) >= MaxChildren) return;
    if (std::find(children_.begin(), children_.end(), child) != children_.end()) return;
    std::vector<int> e = extents();
    splitmath::addChild(e, clientExtent(), bar_, extentOf(child));
    children_.push_back(child);
    layout(e);
}

void SplitPane::removeChild(HWND child) {
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it == children_.end()) return;
    children_.erase(it);
    if (dragging_) endDrag();
}

void SplitPane::setChildExtent(HWND child, int width, int height) {
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it == children_.end()) return;
    std::vector<int> e = extents();
    splitmath::setExtent(e, size_t(it - children_.begin()), orientation_ == Stacked ? height : width);
    layout(e);
}

void SplitPane::reorder(const std::vector<HWND>& order) {
    if (order.size() != children_.size()) return;
    for (HWND c : order)
        if (std::find(children_.begin(), children_.end(), c) == children_.end()) return;
    children_ = order;
    layout(extents());
    // A child that only moved keeps its size and gets no paint of its own.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SplitPane::move(int x, int y, int width, int height) {
    MoveWindow(hwnd_, x, y, std::max(0, width), std::max(0, height), TRUE);
}

void SplitPane::resized(int, int) {
    std::vector<int> e = extents();
    splitmath::resize(e, clientExtent(), bar_);
    layout(e);
}

void SplitPane::fitBarToDpi(int dpi) {
    bar_ = scaleToDpi(bordered_ ? BorderedBar : PlainBar, dpi);
    band_ = std::max(1, scaleToDpi(1, dpi));
}

void SplitPane::dpiChanged(int fromDpi, int toDpi) {
    if (dragging_) endDrag();
    fitBarToDpi(toDpi);
    std::vector<int> e = extents();
    for (int& extent : e) extent = rescaleDpi(extent, fromDpi, toDpi);
    layout(e);
}

void SplitPane::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    // Raised bars: a line of highlight, two of face, two of shadow.
    const int bands[] = {COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNSHADOW};
    for (size_t i = 0; i + 1 < children_.size(); ++i) {
        RECT b = bars_[i];
        for (int k = 0; k < bar_ && k < 5 * band_; ++k) {
            RECT line = b;
            if (orientation_ == Stacked) {
                line.top = b.top + k;
                line.bottom = line.top + 1;
            } else {
                line.left = b.left + k;
                line.right = line.left + 1;
            }
            FillRect(dc, &line, GetSysColorBrush(bands[k / band_]));
        }
    }
    EndPaint(hwnd_, &ps);
}

// ---- dragging a bar ----

int SplitPane::barAt(POINT p) const {
    for (size_t i = 0; i + 1 < children_.size(); ++i)
        if (PtInRect(&bars_[i], p)) return int(i);
    return -1;
}

RECT SplitPane::feedbackAt(int pointer) const {
    RECT r = bars_[dragBar_];
    const int lead = pointer - bar_ / 2;
    if (orientation_ == Stacked) {
        r.top = lead;
        r.bottom = lead + bar_;
    } else {
        r.left = lead;
        r.right = lead + bar_;
    }
    return r;
}

void SplitPane::invert(const RECT& r) {
    // Drawn over the children too, so that the bar's new place is visible everywhere.
    HDC dc = GetDCEx(hwnd_, nullptr, DCX_CACHE);
    if (!dc) return;
    HGDIOBJ old = SelectObject(dc, GetStockObject(GRAY_BRUSH));
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATINVERT);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
}

void SplitPane::onButtonDown(POINT p) {
    const int index = barAt(p);
    if (index < 0) return;
    dragBar_ = index;
    dragging_ = true;
    SetCapture(hwnd_);
    feedback_ = bars_[index];
    invert(feedback_);
}

void SplitPane::onMouseMove(POINT p) {
    if (!dragging_) return;
    invert(feedback_);
    feedback_ = feedbackAt(orientation_ == Stacked ? p.y : p.x);
    invert(feedback_);
}

void SplitPane::onButtonUp(POINT p) {
    if (!dragging_) return;
    const int index = dragBar_;
    endDrag();
    std::vector<int> e = extents();
    const RECT r = feedbackAt(orientation_ == Stacked ? p.y : p.x);
    splitmath::dropBar(e, size_t(index), orientation_ == Stacked ? r.top : r.left, bar_);
    layout(e);
    UpdateWindow(hwnd_);
}

void SplitPane::endDrag() {
    if (!dragging_) return;
    dragging_ = false;
    invert(feedback_);
    dragBar_ = -1;
    if (GetCapture() == hwnd_) ReleaseCapture();
}

// ---- messages ----

LRESULT CALLBACK SplitPane::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<SplitPane*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        return self->handle(msg, wp, lp);
    } catch (...) {
        return 0;
    }
}

LRESULT SplitPane::handle(UINT msg, WPARAM wp, LPARAM lp) {
    const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
        case WM_PARENTNOTIFY: {
            // Told of every descendant's birth; only our own children join.
            HWND child = reinterpret_cast<HWND>(lp);
            if (LOWORD(wp) == WM_CREATE && GetParent(child) == hwnd_) addChild(child);
            if (LOWORD(wp) == WM_DESTROY) removeChild(child);
            return 0;
        }
        case WM_SIZE: resized(LOWORD(lp), HIWORD(lp)); return 0;
        case WM_PAINT: paint(); return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT) {
                SetCursor(cursor_);
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN: onButtonDown(p); return 0;
        case WM_MOUSEMOVE: onMouseMove(p); return 0;
        case WM_LBUTTONUP: onButtonUp(p); return 0;
        case WM_CAPTURECHANGED:
            if (dragging_ && reinterpret_cast<HWND>(lp) != hwnd_) {
                dragging_ = false;
                invert(feedback_);
                dragBar_ = -1;
            }
            return 0;
        default: break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace gw
