// The DPI a window is drawn for. Header-only so that the plug-ins, which link nothing
// of the program's, ask the same way: the value a top-level window was last told by
// WM_DPICHANGED (kept on it as a property, so children and later views see it too),
// else the system's answer for the window, else the screen's.
#pragma once
#include <windows.h>

#include "dpi_scale.h"

// The messages are newer than the Windows version the headers are set to target.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace gw {

constexpr char WindowDpiProperty[] = "GwDpi";

inline int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : BaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return value > 0 ? value : BaseDpi;
}

// GetDpiForWindow came with Windows 10 (1607): bound at run time so the program still
// starts on older systems, where the screen's DPI holds for every window.
inline int systemDpiForWindow(HWND window) {
    using Fn = UINT(WINAPI*)(HWND);
    static const Fn fn = [] {
        HMODULE user = GetModuleHandleA("user32.dll");
        return user ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow"))) : nullptr;
    }();
    const int dpi = fn && window ? static_cast<int>(fn(window)) : 0;
    return dpi > 0 ? dpi : screenDpi();
}

inline int windowDpi(HWND window) {
    HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (top) {
        const auto told = reinterpret_cast<INT_PTR>(GetPropA(top, WindowDpiProperty));
        if (told > 0) return static_cast<int>(told);
    }
    return systemDpiForWindow(window);
}

// Remembers what WM_DPICHANGED said (its wParam holds the new DPI in both halves).
inline int takeDpiChange(HWND topLevel, WPARAM wParam) {
    const int dpi = HIWORD(wParam) ? HIWORD(wParam) : BaseDpi;
    SetPropA(topLevel, WindowDpiProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
    return dpi;
}

// Call when the top-level window is destroyed: a property must not outlive it.
inline void forgetWindowDpi(HWND topLevel) { RemovePropA(topLevel, WindowDpiProperty); }

// Moves a window to the rectangle WM_DPICHANGED suggests (lParam points to it).
inline void takeSuggestedRect(HWND window, LPARAM lParam) {
    const RECT* r = reinterpret_cast<const RECT*>(lParam);
    if (r)
        SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

inline int dpiScaled(int pixels, HWND window) { return scaleToDpi(pixels, windowDpi(window)); }

}  // namespace gw
