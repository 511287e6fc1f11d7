#include "views/status_bar.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdlib>

#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/screen_dpi.h"

namespace gw {
namespace {
constexpr int ScalePanePadding = 10;

// The bar needs the 4.71 control for parts with icons and tips.
bool barControlIsRecent() {
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    if (!comctl) return false;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
    if (!getVersion) return false;
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof(info);
    if (FAILED(getVersion(&info))) return false;
    return info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion >= 71);
}

// Reads up to `count` decimal numbers, each ended by ':'.
int readDescription(const char* text, int* numbers, int count) {
    int n = 0;
    const char* p = text;
    while (n < count && *p) {
        char* end = nullptr;
        long v = std::strtol(p, &end, 10);
        if (end == p || *end != ':') break;
        numbers[n++] = static_cast<int>(v);
        p = end + 1;
    }
    return n;
}

constexpr int IndicatorWidth = 24;
constexpr int IndicatorIconSize = 16;

}  // namespace

StatusBar::StatusBar(HWND hwnd, HINSTANCE instance) : hwnd_(hwnd), instance_(instance) {}

StatusBar* StatusBar::create(HWND parent, HINSTANCE instance, int descriptionStringId) {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    if (!barControlIsRecent()) return nullptr;
    HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "",
                               WS_CHILD | WS_BORDER | SBARS_SIZEGRIP | SBARS_TOOLTIPS, 0, 0, 0, 0,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_STATUSBAR)),
                               instance, nullptr);
    if (!bar) return nullptr;
    auto* self = new StatusBar(bar, instance);
    self->description_ = stringText(descriptionStringId);
    self->computeParts(self->description_.c_str());
    ShowWindow(bar, SW_SHOW);
    return self;
}

StatusBar::~StatusBar() {
    for (HICON& icon : icons_)
        if (icon) DestroyIcon(icon);
    if (hwnd_) DestroyWindow(hwnd_);
    if (font_) DeleteObject(font_);
}

void StatusBar::computeParts(const char* description) {
    int numbers[4] = {40, 49, 0, 0};
    readDescription(description, numbers, 4);  // the third and fourth are not used
    int average = 8;
    int scaleWidth = 0;  // the widest text the scale pane shows
    if (HDC dc = GetDC(hwnd_)) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
        HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        TEXTMETRICA tm;
        if (GetTextMetricsA(dc, &tm) && tm.tmAveCharWidth > 0) average = tm.tmAveCharWidth;
        static const char widest[] = "Scale: 140%";
        SIZE extent;
        if (GetTextExtentPoint32A(dc, widest, int(sizeof widest - 1), &extent)) scaleWidth = extent.cx;
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
    }
    edges_[0] = numbers[0] * average;
    // Nine average characters cut "Scale: 85%" short in proportional fonts; widen
    // the pane to its widest text (plus the borders) when it needs it.
    const int dpi = windowDpi(hwnd_);
    edges_[1] = std::max(numbers[1] * average, edges_[0] + scaleWidth + scaleToDpi(ScalePanePadding, dpi));
    edges_[2] = edges_[1] + scaleToDpi(IndicatorWidth, dpi);
    edges_[3] = edges_[2] + scaleToDpi(IndicatorWidth, dpi);
    edges_[4] = -1;
    SendMessageA(hwnd_, SB_SETPARTS, PartCount, reinterpret_cast<LPARAM>(edges_));
}

void StatusBar::showPart(int part) {
    const std::string& shown = texts_[part].empty() ? defaults_[part] : texts_[part];
    SendMessageA(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(shown.c_str()));
}

void StatusBar::setText(int part, const std::string& text) {
    if (part < 0 || part >= PartCount) return;
    texts_[part] = text;
    showPart(part);
}

void StatusBar::setTextFromId(int part, int stringId) { setText(part, stringText(stringId)); }

void StatusBar::clearText(int part) { setText(part, std::string()); }

void StatusBar::setDefaultText(int part, const std::string& text) {
    if (part < 0 || part >= PartCount) return;
    defaults_[part] = text;
    showPart(part);
}

const std::string& StatusBar::text(int part) const {
    static const std::string none;
    if (part < 0 || part >= PartCount) return none;
    return texts_[part].empty() ? defaults_[part] : texts_[part];
}

int StatusBar::indicatorPart(int iconId) {
    if (iconId == IDI_REBUS_INDICATOR) return 2;
    if (iconId == IDI_SYMBOL_INDICATOR) return 3;
    return -1;
}

void StatusBar::indicatorOn(int iconId) {
    int part = indicatorPart(iconId);
    if (part < 0) return;
    if (!icons_[part]) {
        icons_[part] = static_cast<HICON>(
            LoadImageA(instance_, MAKEINTRESOURCEA(iconId), IMAGE_ICON, iconSize(), iconSize(), LR_DEFAULTCOLOR));
    }
    SendMessageA(hwnd_, SB_SETICON, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(icons_[part]));
    SendMessageA(hwnd_, SB_SETTIPTEXTA, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(stringText(iconId)));
}

int StatusBar::iconSize() const { return dpiScaled(IndicatorIconSize, hwnd_); }

void StatusBar::dpiChanged(int fromDpi, int toDpi) {
    rescaleControlFont(hwnd_, font_, fromDpi, toDpi);
    computeParts(description_.c_str());
    for (int iconId : {IDI_REBUS_INDICATOR, IDI_SYMBOL_INDICATOR}) {
        const int part = indicatorPart(iconId);
        if (!icons_[part]) continue;
        DestroyIcon(icons_[part]);
        icons_[part] = nullptr;
        indicatorOn(iconId);  // the icon drawn for this size
    }
    SendMessageA(hwnd_, WM_SIZE, 0, 0);  // the control takes its height from the font
}

void StatusBar::indicatorOff(int iconId) {
    int part = indicatorPart(iconId);
    if (part < 0) return;
    SendMessageA(hwnd_, SB_SETICON, static_cast<WPARAM>(part), 0);
    SendMessageA(hwnd_, SB_SETTIPTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(""));
    if (icons_[part]) {
        DestroyIcon(icons_[part]);
        icons_[part] = nullptr;
    }
}

bool StatusBar::indicatorShown(int iconId) const {
    int part = indicatorPart(iconId);
    return part >= 0 && icons_[part] != nullptr;
}

void StatusBar::resize(int clientWidth, int clientHeight) {
    int barHeight = height();
    MoveWindow(hwnd_, 0, clientHeight - barHeight, clientWidth, barHeight, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// The whole bar, border included, so that the container above never overlaps it.
int StatusBar::height() const {
    RECT r;
    if (!GetWindowRect(hwnd_, &r)) return 0;
    return r.bottom - r.top;
}

void StatusBar::show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

}  // namespace gw
