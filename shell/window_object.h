// The pairing of a window object with its window: the object's pointer in the window's
// user data and its own procedure installed after creation, and the reverse when the
// object goes, so that no message reaches an object that is being destroyed.
#pragma once
#include <windows.h>

namespace gw {

template <class T>
void attachWindowObject(HWND hwnd, T* self, WNDPROC procedure) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

// Detaches the object from its window, destroys the window and clears the handle.
inline void destroyWindowObject(HWND& hwnd) {
    if (!hwnd) return;
    HWND h = hwnd;
    hwnd = nullptr;
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
    if (IsWindow(h)) DestroyWindow(h);
}

}  // namespace gw
