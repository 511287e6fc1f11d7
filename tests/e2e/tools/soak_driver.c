/* soak_driver.exe --exe <gridwell.exe> --puzzle <file> --out <folder> [--actions N] [--seed N]
 *
 * Runs N random actions (default 1000) on the real program, from a seeded generator:
 * the same seed gives the same actions. The program must run inside the same desktop
 * as this driver (start both with one `explorer /desktop=...`). It needs the soak probe
 * tool, OVsoak.dll, in its Plugins\Tools folder.
 *
 * Writes into the out folder:
 *   soak.log          every action and every dialog answered, by action number
 *   checks\           per save and per opening, the probe's record of the program's
 *                     state (NNNNNN-save.state / -open.state) and a copy of the file then
 *   soak-result.txt   written last: "seed", "actions", "saves", "opens", "dialogs",
 *                     "launches", "seconds" and "result ok" or "result FAIL <what>"
 * Exit code 0 when the run passed. */
#include <stdlib.h>
#include <string.h>

#include "soak.h"

static LRESULT CALLBACK selfProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

static HWND createSelf(void) {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = selfProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "GridwellSoakDriver";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
}

static void fullPath(const char* in, char* out) {
    if (!GetFullPathNameA(in, MAX_PATH, out, NULL)) strncpy(out, in, MAX_PATH - 1);
}

static int parse(Soak* s, int argc, char** argv) {
    int i, seeded = 0;
    s->total = 1000;
    for (i = 1; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--exe")) fullPath(argv[i + 1], s->exe);
        else if (!strcmp(argv[i], "--puzzle")) fullPath(argv[i + 1], s->puzzle);
        else if (!strcmp(argv[i], "--out")) fullPath(argv[i + 1], s->out);
        else if (!strcmp(argv[i], "--actions")) s->total = atoi(argv[i + 1]);
        else if (!strcmp(argv[i], "--seed")) {
            s->seed = (unsigned)strtoul(argv[i + 1], NULL, 10);
            seeded = 1;
        } else return 0;
    }
    if (!seeded) s->seed = (unsigned)GetTickCount() ^ (unsigned)GetCurrentProcessId() * 2654435761u;
    s->actionRng = s->seed;
    s->answerRng = (uint64_t)s->seed << 32 | 0x5eed;
    return s->exe[0] && s->puzzle[0] && s->out[0] && s->total > 0;
}

static void writeResult(Soak* s, DWORD started) {
    char path[MAX_PATH + 32];
    FILE* f;
    snprintf(path, sizeof path, "%s\\soak-result.txt", s->out);
    f = fopen(path, "wb"); /* read on Linux: no carriage returns */
    if (!f) return;
    fprintf(f, "seed %u\nactions %d\nsaves %d\nopens %d\ndialogs %d\nlaunches %d\nseconds %lu\n", s->seed,
            s->index, s->saves, s->opens, s->dialogs, s->launches,
            (unsigned long)((GetTickCount() - started) / 1000));
    if (s->failure[0]) fprintf(f, "result FAIL %s\n", s->failure);
    else fprintf(f, "result ok\n");
    fclose(f);
}

/* Leaves the program the way a user would, so that it is not killed mid-save; kills it
   only when it does not go. */
static void finish(Soak* s) {
    if (!s->running) return;
    PostMessageA(s->frame, WM_CLOSE, 0, 0);
    if (!soakWaitExit(s, 30000)) TerminateProcess(s->program.hProcess, 1);
    else soakCollect(s);
}

int main(int argc, char** argv) {
    static Soak soak;
    Soak* s = &soak;
    char path[MAX_PATH + 32];
    DWORD started = GetTickCount();
    if (!parse(s, argc, argv)) {
        fprintf(stderr, "usage: soak_driver --exe E --puzzle P --out DIR [--actions N] [--seed N]\n");
        return 2;
    }
    snprintf(path, sizeof path, "%s\\checks", s->out);
    CreateDirectoryA(path, NULL);
    snprintf(path, sizeof path, "%s\\soak.log", s->out);
    s->log = fopen(path, "wb");
    if (!s->log) return 2;
    snprintf(s->state, sizeof s->state, "%s\\probe-state.txt", s->out);
    snprintf(s->pristine, sizeof s->pristine, "%s\\pristine.puz", s->out);
    if (!CopyFileA(s->puzzle, s->pristine, FALSE)) return 2;
    SetEnvironmentVariableA("GW_SOAK_STATE", s->state);
    DeleteFileA(s->state);
    s->self = createSelf();
    fprintf(s->log, "seed %u, %d actions\n", s->seed, s->total);
    printf("soak seed %u\n", s->seed);
    if (soakLaunch(s)) {
        soakCollect(s);
        for (s->index = 1; s->index <= s->total && soakAct(s); ++s->index) {}
        if (s->index > s->total) s->index = s->total;
        if (!s->failure[0]) finish(s);
    }
    if (s->running) TerminateProcess(s->program.hProcess, 1);
    fprintf(s->log, "%s\n", s->failure[0] ? s->failure : "passed");
    fclose(s->log);
    writeResult(s, started);
    return s->failure[0] ? 1 : 0;
}
