// The tip dialog at its monitor's DPI. The dialog and its controls scale with the
// system's dialog scaling; the bulb is a picture, chosen from the sizes made for each
// scale, and the tip's font is the GUI font, which only has the screen's DPI.
#include "shell/window_dpi.h"
#include "tip_dialog.h"
#include "tip_resources.h"

namespace ovtips {

void TipDialog::fitToDpi() {
    const int dpi = gw::windowDpi(dialog_);
    const int screen = gw::screenDpi();
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA description = {};
    if (dpi != screen && GetObjectA(font, sizeof description, &description)) {
        description.lfHeight = gw::rescaleDpi(description.lfHeight, screen, dpi);
        description.lfWidth = gw::rescaleDpi(description.lfWidth, screen, dpi);
        if (HFONT scaled = CreateFontIndirectA(&description)) font = scaled;
    }
    SendDlgItemMessageA(dialog_, IDC_TIP_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (tipFont_) DeleteObject(tipFont_);
    tipFont_ = font == GetStockObject(DEFAULT_GUI_FONT) ? nullptr : font;

    const int percent = gw::pictureScaleFor(dpi);
    if (percent == 100 && !bulb_) return;  // the resource's own picture is the 100 % one
    HBITMAP bulb = static_cast<HBITMAP>(LoadImageA(
        module_, percent == 100 ? MAKEINTRESOURCEA(IDB_TIP_PICTURE) : gw::scaledPictureName("TIPBULB", percent).c_str(),
        IMAGE_BITMAP, 0, 0, 0));
    if (!bulb) return;
    SendDlgItemMessageA(dialog_, IDC_TIP_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bulb));
    if (bulb_) DeleteObject(bulb_);
    bulb_ = bulb;
}

}  // namespace ovtips
