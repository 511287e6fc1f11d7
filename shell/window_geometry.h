// Where the main window opens: centred on a first run, else where it was left,
// kept on the desktop.
#pragma once

namespace gw {

class SettingsStore;

struct WindowGeometry {
    int x = 0, y = 0, width = 0, height = 0;
};

struct DesktopRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

constexpr int DefaultWindowWidth = 640;
constexpr int DefaultWindowHeight = 480;

// Reads the stored geometry over the centred default and fits it to the desktop.
// Geometry that cannot be shown is discarded, and with it the stored "geometry"
// and "layout" sections (the layout belonged to the discarded window).
WindowGeometry computeWindowGeometry(const DesktopRect& desktop, SettingsStore& store,
                                     int defaultWidth = DefaultWindowWidth,
                                     int defaultHeight = DefaultWindowHeight);

}  // namespace gw
