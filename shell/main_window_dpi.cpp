// The frame on a monitor of another DPI: every font is made again for it, the bars and
// views measure themselves again, and the window takes the rectangle Windows suggests
// (which keeps it the same size to the eye).
#include "shell/layout_manager.h"
#include "shell/fonts_colours.h"
#include "shell/frame_toolbar.h"
#include "shell/main_window.h"
#include "shell/screen_dpi.h"
#include "views/status_bar.h"
#include "views/title_pane.h"

namespace gw {

void MainWindow::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    const int fromDpi = windowDpi(hwnd_);
    const int toDpi = takeDpiChange(hwnd_, wParam);
    if (fonts_) fonts_->rescale(fromDpi, toDpi);
    if (titlePane_ && fonts_)
        titlePane_->setFonts(fonts_->titleFont.font(), fonts_->authorFont.font(), fonts_->copyrightFont.font());
    if (layout_) layout_->dpiChanged(fromDpi, toDpi);
    if (toolbar_) toolbar_->dpiChanged(fromDpi, toDpi);
    if (statusBar_) statusBar_->dpiChanged(fromDpi, toDpi);
    takeSuggestedRect(hwnd_, lParam);
    relayout();  // also when the suggested rectangle is the one the window has
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace gw
