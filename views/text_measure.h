// Measuring text in a font on the screen a window is on (the whole screen for a
// null window). A null font measures the default GUI font.
#pragma once
#include <windows.h>

#include <string>

namespace gw {

inline SIZE textExtent(HWND hwnd, HFONT font, const std::string& text) {
    SIZE size{0, 0};
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return size;
}

// The height of the font's characters (ascent and descent).
inline int characterHeight(HWND hwnd, HFONT font) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return tm.tmHeight;
}

}  // namespace gw
