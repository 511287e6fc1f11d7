// The "TIP" dialog: one tip at a time, paged forwards and backwards; closing it
// stores where the next run starts and may switch the tips off.
#pragma once

#include <windows.h>

#include "tool_api.h"

namespace ovtips {

class TipDialog {
public:
    TipDialog(ToolHost* host, HINSTANCE module) : host_(host), module_(module) {}
    ~TipDialog();
    TipDialog(const TipDialog&) = delete;
    TipDialog& operator=(const TipDialog&) = delete;
    void run(HWND owner);

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void initialise();
    void centreOverOwner();
    void showTip(int tip);
    INT_PTR colour(HDC dc, HWND control);
    void close();
    // The bulb made for the dialog's DPI and the tip's font at it (tip_dpi.cpp).
    void fitToDpi();

    // Sent to itself after a DPI change, once the dialog has scaled its controls.
    static constexpr UINT RefitMessage = WM_APP + 1;

    ToolHost* host_;
    HINSTANCE module_;
    HWND dialog_ = nullptr;
    int tip_ = 0;
    HBRUSH tipBrush_ = nullptr;
    HBRUSH headingBrush_ = nullptr;
    HBITMAP bulb_ = nullptr;
    HFONT tipFont_ = nullptr;
};

}  // namespace ovtips
