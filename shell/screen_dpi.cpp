#include "shell/screen_dpi.h"

#include <windows.h>

namespace gw {

int systemDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : BaseDpi;
        if (screen) ReleaseDC(nullptr, screen);
        return value > 0 ? value : BaseDpi;
    }();
    return dpi;
}

}  // namespace gw
