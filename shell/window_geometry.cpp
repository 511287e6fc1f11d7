#include "shell/window_geometry.h"

#include "ports/settings_names.h"

#include <algorithm>

#include "ports/settings_store.h"

namespace gw {

WindowGeometry computeWindowGeometry(const DesktopRect& desktop, SettingsStore& store,
                                     int defaultWidth, int defaultHeight) {
    const int dw = desktop.right - desktop.left;
    const int dh = desktop.bottom - desktop.top;
    WindowGeometry g;
    g.width = defaultWidth;
    g.height = defaultHeight;
    g.x = (dw - defaultWidth) / 2;
    g.y = (dh - defaultHeight) / 2;
    store.readInt(settings_names::Geometry, settings_names::X, g.x);
    store.readInt(settings_names::Geometry, settings_names::Y, g.y);
    store.readInt(settings_names::Geometry, settings_names::Width, g.width);
    store.readInt(settings_names::Geometry, settings_names::Height, g.height);

    if (g.x < 0) g.x = 0;
    if (g.y < 0) g.y = 0;
    // A window with no width or height could never be seen again, so such a stored
    // size is discarded like one that is larger than the desktop.
    if (g.x > desktop.right || g.y > desktop.bottom || g.width > dw || g.height > dh ||
        g.width <= 0 || g.height <= 0) {
        g = WindowGeometry{0, 0, defaultWidth, defaultHeight};
        store.deleteSection(settings_names::Geometry);
        store.deleteSection(settings_names::Layout);
    }
    g.width = std::min(g.width, dw);
    g.height = std::min(g.height, dh);
    g.x = std::min(g.x, desktop.right - g.width);
    g.y = std::min(g.y, desktop.bottom - g.height);
    return g;
}

}  // namespace gw
