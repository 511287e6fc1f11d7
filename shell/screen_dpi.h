// Pixel sizes drawn at 96 dots per inch, scaled to the DPI of the window they are for.
// The program is per-monitor aware (see the manifest): each top-level window follows
// the DPI of the monitor it is on, and its fonts, pixel sizes and pictures are rebuilt
// when Windows says that DPI changed (shell/window_dpi.h keeps what it said).
#pragma once

#include "shell/dpi_scale.h"
#include "shell/window_dpi.h"

namespace gw {

// The screen's DPI at start-up: for what has no window yet (the default window size).
int systemDpi();

inline int dpiScaled(int pixels) { return scaleToDpi(pixels, systemDpi()); }

// Gives a common control (toolbar, status bar) its font at `toDpi`, made from the one
// it has; `owned` is the font made last time, replaced and deleted here.
void rescaleControlFont(HWND control, HFONT& owned, int fromDpi, int toDpi);

}  // namespace gw
