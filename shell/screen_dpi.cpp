#include "shell/screen_dpi.h"

namespace gw {

int systemDpi() {
    static const int dpi = screenDpi();
    return dpi;
}

void rescaleControlFont(HWND control, HFONT& owned, int fromDpi, int toDpi) {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    if (!GetObjectA(current ? current : GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description)) return;
    description.lfHeight = rescaleDpi(description.lfHeight, fromDpi, toDpi);
    description.lfWidth = rescaleDpi(description.lfWidth, fromDpi, toDpi);
    HFONT font = CreateFontIndirectA(&description);
    if (!font) return;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (owned) DeleteObject(owned);
    owned = font;
}

}  // namespace gw
