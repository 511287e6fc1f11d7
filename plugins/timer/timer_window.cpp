#include "timer_window.h"

#include <commctrl.h>

#include "timer_accessible.h"
#include "timer_buttons.h"
#include "timer_resources.h"
#include "timer_tool.h"

namespace ovtimer {
namespace {

const char* const ClassName = "TimerWindowClass";
constexpr int WindowWidth = 170;
constexpr int ButtonWidth = 26;
constexpr int ButtonHeight = 15;

// Puts a coordinate back on the screen the way the window's default place is kept there.
int clampToScreen(int value, int size, int screen) {
    if (value < 0) return 0;
    if (value + size > screen) return screen - size;
    return value;
}

bool runningUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace

bool TimerWindow::registerClass(TimerTool& tool) {
    WNDCLASSA wc = {};
    wc.style = CS_NOCLOSE;
    wc.lpfnWndProc = DefWindowProcA;  // the window installs its own procedure once created
    wc.hInstance = static_cast<HINSTANCE>(tool.svc().GetInstance(tool.host));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    if (RegisterClassA(&wc)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void TimerWindow::create(TimerTool& tool) {
    HWND main = tool.mainWindow();
    if (!main) return;
    TimerWindow* window = new TimerWindow(tool);
    window->measure(main);
    window->placeFromSettings(main);
    RECT mr;
    GetWindowRect(main, &mr);
    HINSTANCE hostInstance = static_cast<HINSTANCE>(tool.svc().GetInstance(tool.host));
    window->hwnd_ = CreateWindowExA(0, ClassName, "Timer", WS_POPUP | WS_BORDER, mr.left + window->xOffset_ - 1,
                                    mr.top + window->yOffset_ - 1, WindowWidth, window->height_, main, nullptr,
                                    hostInstance, nullptr);
    if (!window->hwnd_) {
        delete window;
        return;
    }
    SetWindowLongPtrA(window->hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    SetWindowLongPtrA(window->hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TimerWindow::windowProc));
    window->createControls();
    tool.window = window;
}

void TimerWindow::destroy(TimerTool& tool) {
    TimerWindow* window = tool.window;
    if (!window) return;
    tool.window = nullptr;
    if (window->hwnd_) {
        KillTimer(window->hwnd_, TickTimerId);
        KillTimer(window->hwnd_, ScoreTimerId);
        KillTimer(window->hwnd_, DragFocusTimerId);
        KillTimer(window->hwnd_, RaiseTimerId);
        SetWindowLongPtrA(window->hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
        SetWindowLongPtrA(window->hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(window->hwnd_);
    }
    tool.tickTimer = 0;
    tool.scoreTimer = 0;
    tool.scoreShown = false;
    delete window;
}

TimerWindow::~TimerWindow() {
    if (accessible_) {
        accessible_->disconnect();
        accessible_->Release();
    }
    for (HBITMAP bitmap : {switchOn_, switchOff_, calculator_, board_})
        if (bitmap) DeleteObject(bitmap);
}

void TimerWindow::measure(HWND main) {
    HDC dc = GetDC(main);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, "99:99", 5, &extent);
    SelectObject(dc, old);
    ReleaseDC(main, dc);
    charHeight_ = tm.tmHeight;
    height_ = charHeight_ + 4 > 22 ? charHeight_ + 4 : 22;
    int top = (height_ - charHeight_ - 2) / 2 - 1;
    display_ = RECT{52, top, extent.cx + 62, top + charHeight_ + 2};
}

void TimerWindow::placeFromSettings(HWND main) {
    RECT mr;
    GetWindowRect(main, &mr);
    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    int x = clampToScreen(mr.left + (mr.right - mr.left - WindowWidth) / 2, WindowWidth, screenW);
    int y = clampToScreen(mr.top + (mr.bottom - mr.top - height_) / 2, height_, screenH);
    int32_t xo = tool_.readSetting("xoffset", x - mr.left);
    if (mr.left + xo < 1) xo = 1 - mr.left;
    if (mr.left + xo > screenW) xo = screenW - mr.left - WindowWidth;
    int32_t yo = tool_.readSetting("yoffset", y - mr.top);
    if (mr.top + yo < 1) yo = 1 - mr.top;
    if (mr.top + yo > screenH) yo = screenH - height_ - mr.top;
    xOffset_ = static_cast<int16_t>(xo);
    yOffset_ = static_cast<int16_t>(yo);
}

bool TimerWindow::createControls() {
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, tool_.module, nullptr);
    int y = (height_ - ButtonHeight) / 2;
    for (const TimerButton& layout : TimerButtons) {
        // The face is a picture; the text names the button for the system's own
        // accessible object of a button window.
        HWND button = CreateWindowExA(0, "BUTTON", layout.tip, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, layout.x, y, ButtonWidth,
                                      ButtonHeight, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                                      tool_.module, nullptr);
        if (!button || !tooltip_) continue;
        TTTOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the control
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(button);
        info.hinst = tool_.module;
        info.lpszText = const_cast<char*>(layout.tip);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    switchOn_ = LoadBitmapA(tool_.module, "SWITCHON1");
    switchOff_ = LoadBitmapA(tool_.module, "SWITCHOFF1");
    calculator_ = LoadBitmapA(tool_.module, "CALCULATOR");
    board_ = LoadBitmapA(tool_.module, "BOARD");
    return tooltip_ != nullptr;
}

void TimerWindow::showNoActivate() {
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    // Windows keeps an owned window above its owner. Wine's virtual desktop may draw the
    // main window over it once the main window takes the activation back (after start-up
    // or a dialog), though its own window order says otherwise; a slow check lifts it there.
    if (runningUnderWine()) SetTimer(hwnd_, RaiseTimerId, RaiseCheckMillis, nullptr);
}

void TimerWindow::hide() {
    KillTimer(hwnd_, RaiseTimerId);
    ShowWindow(hwnd_, SW_HIDE);
}

void TimerWindow::repaint() {
    InvalidateRect(hwnd_, &display_, FALSE);
    InvalidateRect(GetDlgItem(hwnd_, IDC_TIMER_SWITCH), nullptr, FALSE);
}

void TimerWindow::followMainWindow() {
    RECT mr;
    GetWindowRect(tool_.mainWindow(), &mr);
    SetWindowPos(hwnd_, nullptr, mr.left + xOffset_ - 1, mr.top + yOffset_ - 1, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ovtimer
