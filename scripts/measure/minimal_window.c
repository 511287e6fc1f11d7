/* The yardstick for start-up timing: a Win32 program that only shows a window
   and leaves when its first paint is done. Built with the program's own manifest
   (minimal_window.rc) and initialising the same common controls, so both pay for
   the same side-by-side assembly and comctl32 loading. */
#include <windows.h>
#include <commctrl.h>

static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        TextOutA(dc, 10, 10, "minimal", 7);
        EndPaint(hwnd, &ps);
        GdiFlush();
        TerminateProcess(GetCurrentProcess(), 0);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prev, LPSTR cmd, int show) {
    WNDCLASSA wc = {0};
    MSG msg;
    HWND hwnd;
    (void)prev;
    (void)cmd;
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_BAR_CLASSES;
    InitCommonControlsEx(&icc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "MinimalWindow";
    RegisterClassA(&wc);
    hwnd = CreateWindowA("MinimalWindow", "Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                         NULL, NULL, instance, NULL);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
