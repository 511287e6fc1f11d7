// Sizes drawn at 96 dots per inch and the pictures made for larger screens: the
// arithmetic that every window (the plug-ins' too) uses to follow its monitor's DPI.
// Portable, so that native tests reach it.
#pragma once
#include <string>

namespace gw {

constexpr int BaseDpi = 96;

// `pixels` at 96 DPI, at `dpi` (rounded to the nearest pixel; as is when dpi is not positive).
inline int scaleToDpi(int pixels, int dpi) {
    if (dpi <= 0 || dpi == BaseDpi) return pixels;
    const long long scaled = static_cast<long long>(pixels) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + BaseDpi / 2) / BaseDpi : -((-scaled + BaseDpi / 2) / BaseDpi));
}

// `value` measured at `fromDpi`, measured at `toDpi` (a pane's extent when the window moves).
inline int rescaleDpi(int value, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi) return value;
    const long long scaled = static_cast<long long>(value) * toDpi;
    return static_cast<int>(scaled >= 0 ? (scaled + fromDpi / 2) / fromDpi : -((-scaled + fromDpi / 2) / fromDpi));
}

// The toolbar's picture sizes, and the scales in percent that the other pictures come in.
constexpr int ToolbarPictureSizes[] = {16, 24, 32, 48};
constexpr int PictureScales[] = {100, 125, 150, 200, 250};

// Of `sizes` (ascending), the smallest that is at least `base` scaled to `dpi`: a picture
// is drawn at the size it was made for, never stretched up, so the next larger one is
// taken. Beyond the largest, the largest.
template <size_t N>
int pictureSizeFor(const int (&sizes)[N], int base, int dpi) {
    if (dpi <= 0) dpi = BaseDpi;
    for (int size : sizes)
        if (static_cast<long long>(size) * BaseDpi >= static_cast<long long>(base) * dpi) return size;
    return sizes[N - 1];
}

inline int toolbarPictureSize(int dpi) { return pictureSizeFor(ToolbarPictureSizes, 24, dpi); }
inline int pictureScaleFor(int dpi) { return pictureSizeFor(PictureScales, 100, dpi); }

// The resource or file name of a picture at a scale: "ABDB" at 100 %, "ABDB_150" at 150 %.
inline std::string scaledPictureName(const std::string& name, int percent) {
    return percent == 100 ? name : name + "_" + std::to_string(percent);
}

}  // namespace gw
