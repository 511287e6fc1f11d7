// The timer window at its monitor's DPI: the digits' font, the button faces made for
// that scale, and the window measured again when Windows says the DPI changed.
#include <string>

#include "timer_tool.h"
#include "timer_window.h"

namespace ovtimer {

// The digits are in the system font, a bitmap font made for one DPI (the session's; under
// Wine 96 whatever the screen). At 96 DPI it is used as is; at any other DPI an outline
// font of its weight takes its place at its cell height scaled, which a bitmap font
// could only be stretched to.
constexpr int SystemFontCellHeight = 16;
constexpr char DigitsFace[] = "Arial";

void TimerWindow::makeDigitsFont() {
    if (digits_) DeleteObject(digits_);
    digits_ = nullptr;
    if (dpi_ == gw::BaseDpi) return;
    LOGFONTA description = {};
    if (!GetObjectA(GetStockObject(SYSTEM_FONT), sizeof description, &description)) return;
    description.lfHeight = gw::scaleToDpi(SystemFontCellHeight, dpi_);
    description.lfWidth = 0;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(description.lfFaceName, DigitsFace, LF_FACESIZE);
    digits_ = CreateFontIndirectA(&description);
}

HFONT TimerWindow::digitsFont() const {
    return digits_ ? digits_ : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// Each face comes at 100 % and at a few larger scales: the one at or above this DPI,
// drawn into the button (never stretched up).
void TimerWindow::loadPictures() {
    const int percent = gw::pictureScaleFor(dpi_);
    HBITMAP* faces[] = {&switchOn_, &switchOff_, &calculator_, &board_};
    const char* names[] = {"SWITCHON1", "SWITCHOFF1", "CALCULATOR", "BOARD"};
    for (int i = 0; i < 4; ++i) {
        if (*faces[i]) DeleteObject(*faces[i]);
        *faces[i] = LoadBitmapA(tool_.module, gw::scaledPictureName(names[i], percent).c_str());
        if (!*faces[i]) *faces[i] = LoadBitmapA(tool_.module, names[i]);
    }
}

void TimerWindow::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    dpi_ = gw::takeDpiChange(hwnd_, wParam);
    makeDigitsFont();
    measure(hwnd_);
    loadPictures();
    // The suggested corner, at the size this window has at the new DPI.
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    RECT now;
    GetWindowRect(hwnd_, &now);
    const POINT at = suggested ? POINT{suggested->left, suggested->top} : POINT{now.left, now.top};
    SetWindowPos(hwnd_, nullptr, at.x, at.y, width(), height_, SWP_NOZORDER | SWP_NOACTIVATE);
    placeButtons();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace ovtimer
