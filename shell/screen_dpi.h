// Pixel sizes drawn at 96 dots per inch, scaled to the screen's. The program is
// system-DPI aware (see the manifest): fonts already follow the DPI through their point
// sizes, and the few sizes given in pixels (bars, margins, the default window) go
// through here so that they keep their proportions on a high-DPI screen.
#pragma once

namespace gw {

constexpr int BaseDpi = 96;

// `pixels` at 96 DPI, at `dpi` (rounded to the nearest pixel; as is when dpi is not positive).
inline int scaleToDpi(int pixels, int dpi) {
    if (dpi <= 0 || dpi == BaseDpi) return pixels;
    const long long scaled = static_cast<long long>(pixels) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + BaseDpi / 2) / BaseDpi : -((-scaled + BaseDpi / 2) / BaseDpi));
}

// The screen's DPI, read once (the program does not follow later changes: see the manifest).
int systemDpi();

inline int dpiScaled(int pixels) { return scaleToDpi(pixels, systemDpi()); }

}  // namespace gw
