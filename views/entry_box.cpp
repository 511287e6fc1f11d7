#include "views/entry_box.h"

#include <algorithm>
#include <cstring>

#include "shell/screen_dpi.h"
#include "views/text_measure.h"

namespace gw {

bool EntryBox::acceptsChar(char c) {
    return IsCharAlphaNumericA(c) || (c != 0 && std::strchr("@#$%&+?", c) != nullptr);
}

EntryBox* EntryBox::openEditable(HWND owner, HINSTANCE instance, HFONT font, int column, int row,
                                 const std::string& text, int left, int bottom, Done done) {
    auto* box = new EntryBox;
    box->editable_ = true;
    box->column_ = column;
    box->row_ = row;
    box->initial_ = text.substr(0, MaxEntryLength);
    box->done_ = std::move(done);
    SIZE size = textExtent(nullptr, font, "WWWWWWWW");
    if (!box->createWindow(owner, instance, font, WS_POPUP | WS_BORDER | ES_UPPERCASE | ES_AUTOHSCROLL, 0, left, bottom,
                           size.cx, size.cy + 2)) {
        delete box;
        return nullptr;
    }
    SendMessageA(box->hwnd_, EM_LIMITTEXT, MaxEntryLength, 0);
    SetWindowTextA(box->hwnd_, box->initial_.c_str());
    SendMessageA(box->hwnd_, EM_SETSEL, 0, -1);
    // Shown without activation, then given the focus (which activates it all the same):
    // a pop-up activated by being shown becomes a window-manager window under Wine, and
    // closing one waits seconds for a window manager that may not be there.
    ShowWindow(box->hwnd_, SW_SHOWNA);
    SetFocus(box->hwnd_);
    SetCapture(box->hwnd_);
    return box;
}

EntryBox* EntryBox::openHover(HWND owner, HINSTANCE instance, HFONT font, int column, int row, const std::string& text,
                              int left, int bottom) {
    auto* box = new EntryBox;
    box->column_ = column;
    box->row_ = row;
    box->initial_ = text;
    SIZE size = textExtent(nullptr, font, text);
    const int border = 2 * GetSystemMetrics(SM_CXBORDER);
    if (!box->createWindow(owner, instance, font, WS_POPUP | WS_BORDER | ES_READONLY | ES_CENTER,
                           WS_EX_NOACTIVATE | WS_EX_TOPMOST, left, bottom, size.cx + border + 2, size.cy + border)) {
        delete box;
        return nullptr;
    }
    SetWindowTextA(box->hwnd_, text.c_str());
    ShowWindow(box->hwnd_, SW_SHOWNOACTIVATE);
    return box;
}

bool EntryBox::createWindow(HWND owner, HINSTANCE instance, HFONT font, DWORD style, DWORD exStyle, int left,
                            int bottom, int width, int height) {
    // Keep the whole box on the desktop.
    RECT desk{};
    GetWindowRect(GetDesktopWindow(), &desk);
    int x = std::clamp(left, int(desk.left), std::max(int(desk.left), int(desk.right) - width));
    int y = std::clamp(bottom - height, int(desk.top), std::max(int(desk.top), int(desk.bottom) - height));
    hwnd_ = CreateWindowExA(exStyle, "EDIT", "", style, x, y, width, height, owner, nullptr, instance, nullptr);
    if (!hwnd_) return false;
    // A copy of the grid's font: the box may see a DPI change before or after the grid.
    LOGFONTA description{};
    if (font && GetObjectA(font, sizeof description, &description)) font_ = CreateFontIndirectA(&description);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_ : font), FALSE);
    // The boxes are sized to their text: the control's own margins would clip its end.
    SendMessageA(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EntryBox::boxProc)));
    return true;
}

EntryBox::~EntryBox() {
    struct FontAfterWindow {  // the box's font goes once its window has
        HFONT font;
        ~FontAfterWindow() { if (font) DeleteObject(font); }
    } keep{font_};
    if (!hwnd_) return;
    HWND h = hwnd_;
    hwnd_ = nullptr;
    if (GetCapture() == h) ReleaseCapture();
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    if (editProc_) SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
    DestroyWindow(h);
}

std::string EntryBox::text() const {
    char buffer[MaxEntryLength + 2] = {};
    if (hwnd_) GetWindowTextA(hwnd_, buffer, MaxEntryLength + 1);
    return std::string(buffer).substr(0, MaxEntryLength);
}

void EntryBox::finish(bool accepted) {
    // No separate hide: the owner destroys the box at once (and under Wine without a
    // window manager, hiding a focused pop-up stalls for seconds).
    std::string t = accepted ? text() : std::string();
    Done done = std::move(done_);
    done_ = nullptr;
    // The owner normally destroys the box here; nothing of it may be touched afterwards.
    if (done) done(t, accepted);
}

// The box keeps its text and caret; its font and rectangle follow the new DPI.
void EntryBox::dpiChanged(WPARAM wParam, LPARAM lParam) {
    const int fromDpi = windowDpi(hwnd_);
    const int toDpi = takeDpiChange(hwnd_, wParam);
    rescaleControlFont(hwnd_, font_, fromDpi, toDpi);
    takeSuggestedRect(hwnd_, lParam);
}

LRESULT CALLBACK EntryBox::boxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<EntryBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    WNDPROC original = self->editProc_;
    try {
        if (self->editable_) {
            switch (msg) {
                case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
                case WM_CHAR: {
                    const char c = char(wp);
                    if (c == '\r') {
                        self->finish(true);
                        return 0;
                    }
                    if (c == 27) {
                        self->finish(false);
                        return 0;
                    }
                    if (c != '\b' && !acceptsChar(c)) return 0;
                    break;
                }
                case WM_LBUTTONDOWN:
                case WM_RBUTTONDOWN: {
                    // With the mouse captured, a press outside the box dismisses it.
                    POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
                    RECT rc{};
                    GetClientRect(hwnd, &rc);
                    if (!PtInRect(&rc, pt)) {
                        self->finish(false);
                        return 0;
                    }
                    break;
                }
                case WM_LBUTTONUP: {
                    // The edit control releases the capture after a click inside; take it back.
                    LRESULT r = CallWindowProcA(original, hwnd, msg, wp, lp);
                    if (GetCapture() != hwnd) SetCapture(hwnd);
                    return r;
                }
                default: break;
            }
        } else if (msg == WM_MOUSEACTIVATE) {
            return MA_NOACTIVATE;
        }
        if (msg == WM_DPICHANGED) {
            self->dpiChanged(wp, lp);
            return 0;
        }
        if (msg == WM_NCDESTROY) forgetWindowDpi(hwnd);
    } catch (...) {
        return 0;
    }
    return CallWindowProcA(original, hwnd, msg, wp, lp);
}

}  // namespace gw
