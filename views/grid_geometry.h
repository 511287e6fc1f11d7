// The grid view's arithmetic: zoom steps, cell size, fit-to-window scale, font
// scaling rules, scrolling to keep a span visible and the cell ranges of a paint.
// Header-only and free of <windows.h> so that it can be tested natively.
#pragma once
#include <algorithm>

#include "ports/settings_names.h"
#include "ports/settings_store.h"

namespace gw::gridgeom {

constexpr int DefaultScale = 85;
constexpr int MinZoomScale = 60;
constexpr int MaxZoomScale = 140;
constexpr int ZoomStep = 5;
// The stored restore scale is clamped to this wider range when it is defaulted.
constexpr int MinRestoreScale = 40;
constexpr int MaxRestoreScale = 140;

// Next zoom step up: the next multiple of 5 above, and at least 60; nothing at 140 or more.
inline int zoomInScale(int scale) {
    if (scale >= MaxZoomScale) return scale;
    return std::max(MinZoomScale, (scale / ZoomStep + 1) * ZoomStep);
}

// Next zoom step down: the multiple of 5 below, and at most 140; nothing at 60 or less.
inline int zoomOutScale(int scale) {
    if (scale <= MinZoomScale) return scale;
    return std::min(MaxZoomScale, (scale / ZoomStep) * ZoomStep - ZoomStep);
}

// Scales the view can reach (fitting a small grid into a large window included) stay far
// below this; a stored value outside 1..MaxStoredScale was edited by hand, and its cell
// and font sizes would overflow.
constexpr int MaxStoredScale = 10000;

// The scale and the restore scale a grid view starts with: the stored ones when usable.
struct StartScales {
    int scale = DefaultScale;
    int restore = DefaultScale;
};
inline StartScales readStartScales(SettingsStore& store) {
    auto usable = [](int scale) { return scale >= 1 && scale <= MaxStoredScale; };
    StartScales s;
    int stored = DefaultScale;
    store.readInt(settings_names::Grid, settings_names::Scale, stored);
    if (usable(stored)) s.scale = stored;
    s.restore = std::clamp(s.scale, MinRestoreScale, MaxRestoreScale);
    stored = s.restore;
    store.readInt(settings_names::Grid, settings_names::RestoreScale, stored);
    if (usable(stored)) s.restore = stored;
    return s;
}

// Square cell size at a scale; never below one pixel.
inline int cellSize(int base, int scale) { return std::max(1, base * scale / 100); }

// The largest scale whose cells leave at least a pixel free in both directions
// of a W by H area. Never below 1, so fonts never get a zero (default) height.
inline int fitScale(int base, int columns, int rows, int width, int height) {
    if (base < 1 || columns < 1 || rows < 1) return 100;
    int largest = std::min(width / columns, height / rows);
    int s = std::max(1, largest * 100 / base);
    auto cell = [base](int t) { return base * t / 100; };
    while (columns * cell(s + 1) < width - 1 && rows * cell(s + 1) < height - 1) ++s;
    return s;
}

// Width of the scaled number font: narrower at small scales, the font's own at 81 and above
// (0 means "the default width").
inline int numberFontWidth(int scaledHeight, int scale) {
    int h = scaledHeight < 0 ? -scaledHeight : scaledHeight;
    if (scale < 60) return h * 7 / 16;
    if (scale <= 80) return h * 5 / 8;
    return 0;
}

// Weight of the scaled letter and symbol fonts.
inline int letterFontWeight(int storedWeight, int scale) {
    if (scale < 65) return 400;
    if (scale < 80) return 600;
    return storedWeight;
}

// Scales a logical font height (negative = character height) toward zero.
inline int scaleFontHeight(int storedHeight, int scale) { return storedHeight * scale / 100; }

// With display fill, a letter whose character height leaves room in the cell is grown
// to exactly fill the cell below the number: returns the (negative) font height to use.
inline int filledLetterHeight(int scaledHeight, int cell, int numberHeight) {
    int target = cell - numberHeight - 1;
    int h = scaledHeight < 0 ? -scaledHeight : scaledHeight;
    if (target > 0 && h <= target) return -target;
    return scaledHeight;
}

// Where the scroll offset must go so that the span [p, p + s) is visible with at least
// one span of margin on each side of a client of length L; unchanged when it already is.
inline int offsetToShow(int p, int s, int offset, int clientLength, int maxOffset) {
    if (p - offset > s && p - offset + 2 * s < clientLength) return offset;
    return std::clamp(p - clientLength / 2, 0, std::max(0, maxOffset));
}

// Scroll maximum for content of a length inside a client of a length.
inline int scrollMaximum(int contentLength, int clientLength) { return std::max(0, contentLength - clientLength); }

// First (inclusive) and last (exclusive) cell index that an update span [from, to) touches.
struct CellSpan {
    int first;
    int last;
};
inline CellSpan cellsInSpan(int from, int to, int cell, int count) {
    if (cell < 1) cell = 1;
    return {std::max(0, from / cell), std::min(count, to / cell + 1)};
}

// Centred origin of content inside a client (never negative).
inline int centredOrigin(int clientLength, int contentLength) { return std::max(0, (clientLength - contentLength) / 2); }

}  // namespace gw::gridgeom
