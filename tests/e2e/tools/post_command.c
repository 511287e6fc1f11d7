/* Posts a command to the running program's main window, as a menu item or toolbar
   button would: post_command.exe <command id>. Exit 0 when the window was found. */
#include <windows.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    HWND frame;
    int attempt;
    if (argc < 2) return 2;
    for (attempt = 0; attempt < 50; ++attempt) {
        frame = FindWindowA("ApplicationWindow", NULL);
        if (frame) return PostMessageA(frame, WM_COMMAND, (WPARAM)atoi(argv[1]), 0) ? 0 : 1;
        Sleep(100);
    }
    return 1;
}
