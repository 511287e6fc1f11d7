/*
 * The soak driver's eyes inside gridwell.exe, written against tool_api.h alone.
 *
 * At BeforeSave and PuzzleOpened it writes what the host services say about the
 * open puzzle to the file named by the environment variable GW_SOAK_STATE:
 *   event <code> <serial>
 *   path <the puzzle's file>
 *   size <width> <height>
 *   modified <0|1>
 *   filled <count>
 *   entries <row>      one line per row: the entry of each square, '.' for a block
 *   marks <row>        one line per row: R revealed, W marked wrong, B both, - neither
 * (written to a temporary name first, then moved over, so the driver never reads half).
 *
 * It also owns a message-only window, "GridwellSoakProbe". The driver posts it
 * WM_APP with its own window in lParam; the reply (WM_APP + 1, same wParam) comes back
 * once every message posted to the program before it has been handled, which is how
 * the driver knows the program kept up with its keys, and is not hung.
 */
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "tool_api.h"

#define PROBE_CLASS "GridwellSoakProbe"

static ToolHost* host;
static HWND probe;
static int serial;

static char markOf(int revealed, int wrong) {
    if (revealed && wrong) return 'B';
    if (revealed) return 'R';
    return wrong ? 'W' : '-';
}

static void writeRows(FILE* f, const ToolHostServices* s, int width, int height) {
    int x, y;
    for (y = 0; y < height; ++y) {
        fputs("entries ", f);
        for (x = 0; x < width; ++x) {
            char c = s->IsLetterCell(host, x, y) ? s->GetEntry(host, x, y) : '.';
            fputc(c ? c : '?', f);
        }
        fputc('\n', f);
    }
    for (y = 0; y < height; ++y) {
        fputs("marks ", f);
        for (x = 0; x < width; ++x)
            fputc(markOf(s->IsRevealed(host, x, y), s->WasMarkedWrong(host, x, y)), f);
        fputc('\n', f);
    }
}

static void writeState(int32_t code) {
    const ToolHostServices* s = host->services;
    char path[MAX_PATH], temporary[MAX_PATH + 8];
    DWORD n = GetEnvironmentVariableA("GW_SOAK_STATE", path, sizeof path);
    FILE* f;
    int width, height;
    if (n == 0 || n >= sizeof path || !s->IsPuzzleOpen(host)) return;
    sprintf(temporary, "%s.tmp", path);
    f = fopen(temporary, "w");
    if (!f) return;
    width = s->GetWidth(host);
    height = s->GetHeight(host);
    fprintf(f, "event %d %d\n", (int)code, ++serial);
    fprintf(f, "path %s\n", s->GetPuzzlePath(host) ? s->GetPuzzlePath(host) : "");
    fprintf(f, "size %d %d\n", width, height);
    fprintf(f, "modified %d\n", (int)s->IsModified(host));
    fprintf(f, "filled %d\n", (int)s->GetFilledCount(host));
    writeRows(f, s, width, height);
    fclose(f);
    MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING);
}

static LRESULT CALLBACK probeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        PostMessageA((HWND)lParam, WM_APP + 1, wParam, 0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

static void createProbe(void) {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = probeProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = PROBE_CLASS;
    RegisterClassA(&wc);
    probe = CreateWindowExA(0, PROBE_CLASS, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
}

TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Init(ToolHost* h) {
    ToolInfo info;
    memset(&info, 0, sizeof info);
    strcpy(info.name, "Soak probe");
    info.version = TOOLAPI_VERSION;
    if (!h->services->RegisterTool(h, &info)) return 0;
    host = h;
    host->services->SubscribeEvent(host, BeforeSave);
    host->services->SubscribeEvent(host, PuzzleOpened);
    createProbe();
    return 1;
}

TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_HandleEvent(int32_t code) {
    if (host && (code == BeforeSave || code == PuzzleOpened)) writeState(code);
    return 0;
}

TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Finish(void) {
    if (probe) DestroyWindow(probe);
    probe = NULL;
    host = NULL;
}
