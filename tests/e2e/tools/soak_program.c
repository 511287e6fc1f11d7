/* The soak's hold on the program under test: starting it, keeping in step with it
   through the probe tool, answering its dialogs, and noticing when it dies or hangs. */
#include <stdarg.h>
#include <string.h>

#include "soak.h"

#define PROBE_CLASS "GridwellSoakProbe"
#define DiagramlessConvert 1065 /* the diagramless puzzle's "Convert" button */

void soakFail(Soak* s, const char* fmt, ...) {
    va_list args;
    int n;
    if (s->failure[0]) return; /* the first failure is the one that counts */
    n = snprintf(s->failure, sizeof s->failure, "seed %u, action %d: ", s->seed, s->index);
    va_start(args, fmt);
    vsnprintf(s->failure + n, sizeof s->failure - (size_t)n, fmt, args);
    va_end(args);
    fprintf(s->log, "FAIL %s\n", s->failure);
    fflush(s->log);
}

static DWORD ownerOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

typedef struct Search {
    DWORD pid;
    const char* className;
    int sheetOnly;
    HWND found;
} Search;

static BOOL CALLBACK findTopLevel(HWND hwnd, LPARAM param) {
    Search* search = (Search*)param;
    char name[64];
    if (ownerOf(hwnd) != search->pid || !IsWindowVisible(hwnd)) return TRUE;
    GetClassNameA(hwnd, name, sizeof name);
    if (strcmp(name, search->className) != 0) return TRUE;
    if (search->sheetOnly && !FindWindowExA(hwnd, NULL, "SysTabControl32", NULL)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

static HWND findWindowOfProgram(Soak* s, const char* className, int sheetOnly) {
    Search search = {s->program.dwProcessId, className, sheetOnly, NULL};
    EnumWindows(findTopLevel, (LPARAM)&search);
    return search.found;
}

HWND soakFindDialog(Soak* s, int sheetOnly) { return findWindowOfProgram(s, "#32770", sheetOnly); }

static BOOL CALLBACK findChild(HWND hwnd, LPARAM param) {
    Search* search = (Search*)param;
    char name[64];
    GetClassNameA(hwnd, name, sizeof name);
    if (_stricmp(name, search->className) != 0 || !IsWindowVisible(hwnd)) return TRUE;
    if (search->pid && (GetWindowLongPtrA(hwnd, GWL_STYLE) & (LONG_PTR)search->pid) != (LONG_PTR)search->pid)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

/* The first visible descendant of that class having every bit of requiredStyle. */
HWND soakChild(HWND parent, const char* className, LONG_PTR requiredStyle) {
    Search search = {(DWORD)requiredStyle, className, 0, NULL};
    EnumChildWindows(parent, findChild, (LPARAM)&search);
    return search.found;
}

static int usable(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && IsWindowEnabled(button);
}

/* A dialog takes a moment to close after its button: not answered twice meanwhile. */
static void waitGone(HWND dialog) {
    int waited;
    for (waited = 0; waited < 3000 && IsWindow(dialog) && IsWindowVisible(dialog); waited += 20) Sleep(20);
}

/* The Open command closes the puzzle before it asks for a file: the soak names the same
   puzzle again, as a user would, instead of going on without one. */
static int openPuzzle(Soak* s, HWND dialog) {
    HWND name = GetDlgItem(dialog, 1148); /* the file name box of the common dialog */
    if (!name) name = GetDlgItem(dialog, 1152);
    if (!name || !usable(dialog, IDOK)) return 0;
    SendMessageTimeoutA(name, WM_SETTEXT, 0, (LPARAM)s->puzzle, SMTO_ABORTIFHUNG, 5000, NULL);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dialog, IDOK));
    waitGone(dialog);
    return 1;
}

/* Presses a button of the dialog: Yes or No at random where both are offered (the
   save question among them), else OK or Cancel at random; Save As is cancelled (the
   soak keeps to its one file). */
static void answer(Soak* s, HWND dialog) {
    char title[128] = "", text[160] = "";
    int button = IDCANCEL;
    GetWindowTextA(dialog, title, sizeof title);
    if (!strcmp(title, "Open") && openPuzzle(s, dialog)) {
        fprintf(s->log, "  dialog \"Open\": the puzzle again\n");
        s->dialogs++;
        return;
    }
    if (usable(dialog, DiagramlessConvert))
        button = soakBelow(&s->answerRng, 2) ? DiagramlessConvert : IDCANCEL; /* Cancel closes the puzzle */
    else if (usable(dialog, IDYES) && usable(dialog, IDNO))
        button = soakBelow(&s->answerRng, 2) ? IDYES : IDNO;
    else if (!usable(dialog, IDCANCEL) && usable(dialog, IDOK))
        button = IDOK; /* a sheet whose changes were applied offers Close (OK) alone */
    else if (usable(dialog, IDOK) && strcmp(title, "Save As") != 0)
        button = soakBelow(&s->answerRng, 2) ? IDOK : IDCANCEL;
    GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text); /* a message box's text */
    text[strcspn(text, "\r\n")] = '\0';
    fprintf(s->log, "  dialog \"%s\" %s: %s\n", title, text,
            button == IDYES ? "Yes" : button == IDNO ? "No" : button == IDOK ? "OK" : button == IDCANCEL ? "Cancel" : "Convert");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)GetDlgItem(dialog, button));
    s->dialogs++;
    waitGone(dialog);
}

/* Answers the program's dialog, if one is up; 1 when it did. */
int soakAnswerDialogs(Soak* s) {
    HWND dialog = soakFindDialog(s, 0);
    if (!dialog || !IsWindowEnabled(dialog)) return 0;
    answer(s, dialog);
    return 1;
}

/* Waits for the process to end (it was asked to exit), answering its questions. */
int soakWaitExit(Soak* s, DWORD patienceMs) {
    DWORD waited = 0;
    while (WaitForSingleObject(s->program.hProcess, 100) == WAIT_TIMEOUT) {
        waited += 100;
        if (soakAnswerDialogs(s)) waited = 0;
        if (waited > patienceMs) {
            soakFail(s, "the program did not exit within %lu ms of being asked to", (unsigned long)patienceMs);
            return 0;
        }
    }
    CloseHandle(s->program.hProcess);
    CloseHandle(s->program.hThread);
    s->running = 0;
    s->frame = s->probe = NULL;
    return 1;
}

static int processGone(Soak* s) {
    DWORD code = 0;
    if (WaitForSingleObject(s->program.hProcess, 0) != WAIT_OBJECT_0) return 0;
    GetExitCodeProcess(s->program.hProcess, &code);
    soakFail(s, "the program ended by itself (exit code 0x%lx)", (unsigned long)code);
    s->running = 0;
    return 1;
}

/* Returns once every message posted to the program so far has been handled; dialogs
   that show up meanwhile are answered. 0 on a crash or when the program stops
   answering for patienceMs with no dialog to blame. */
int soakSync(Soak* s, DWORD patienceMs) {
    DWORD waited = 0;
    unsigned token = ++s->token;
    MSG msg;
    if (!PostMessageA(s->probe, WM_APP, token, (LPARAM)s->self)) {
        if (!processGone(s)) soakFail(s, "the probe window is gone");
        return 0;
    }
    for (;;) {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_APP + 1 && msg.wParam == token) return 1;
            DispatchMessageA(&msg);
        }
        if (processGone(s)) return 0;
        MsgWaitForMultipleObjects(1, &s->program.hProcess, FALSE, 50, QS_POSTMESSAGE);
        waited += 50;
        if (waited % 250 == 0 && soakAnswerDialogs(s)) waited = 0;
        if (waited > patienceMs) {
            soakFail(s, "the program did not answer for %lu ms (hung)", (unsigned long)patienceMs);
            return 0;
        }
    }
}

/* A dialog the last action opened is answered before the next action, so that keys and
   commands go where a user's would (a window under a modal dialog takes no input); at
   most a few rounds, as an answer may open another dialog. */
int soakSettle(Soak* s) {
    int round;
    DWORD waited = 0;
    if (!soakSync(s, 15000)) return 0;
    for (round = 0; round < 4 && soakAnswerDialogs(s); ++round)
        if (!soakSync(s, 15000)) return 0;
    /* A modal dialog may still be on its way (one asked while a puzzle opens shows a
       moment after the program answers): the frame is disabled until it is answered. */
    while (s->frame && IsWindow(s->frame) && !IsWindowEnabled(s->frame)) {
        if (processGone(s)) return 0;
        if (soakAnswerDialogs(s)) {
            if (!soakSync(s, 15000)) return 0;
            waited = 0;
            continue;
        }
        Sleep(50);
        if ((waited += 50) > 15000) {
            soakFail(s, "the main window stayed disabled for 15 s with no dialog to answer");
            return 0;
        }
    }
    return 1;
}

static HWND frameOfProgram(Soak* s) { return findWindowOfProgram(s, "ApplicationWindow", 0); }

static HWND probeOfProgram(Soak* s) {
    HWND probe = NULL;
    while ((probe = FindWindowExA(HWND_MESSAGE, probe, PROBE_CLASS, NULL)) != NULL)
        if (ownerOf(probe) == s->program.dwProcessId) return probe;
    return NULL;
}

/* Starts the program on the puzzle and waits for its window and the probe. */
int soakLaunch(Soak* s) {
    char command[2 * MAX_PATH + 8];
    STARTUPINFOA startup;
    int waited;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    snprintf(command, sizeof command, "\"%s\" \"%s\"", s->exe, s->puzzle);
    if (!CreateProcessA(s->exe, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &s->program)) {
        soakFail(s, "cannot start %s (error %lu)", s->exe, (unsigned long)GetLastError());
        return 0;
    }
    s->running = 1;
    s->launches++;
    for (waited = 0; waited < 60000; waited += 100) {
        if (processGone(s)) return 0;
        s->frame = frameOfProgram(s);
        s->probe = probeOfProgram(s);
        if (s->frame && s->probe) return soakSettle(s); /* questions asked at opening, too */
        soakAnswerDialogs(s);
        Sleep(100);
    }
    soakFail(s, "no program window with the probe tool after 60 s (frame %p, probe %p)", (void*)s->frame,
             (void*)s->probe);
    return 0;
}

/* The event and the puzzle's path from the probe's record. */
static int readRecord(const char* state, int* code, char* path) {
    char line[MAX_PATH + 16];
    FILE* f = fopen(state, "r");
    if (!f) return 0;
    *code = -1;
    if (fgets(line, sizeof line, f)) sscanf(line, "event %d", code);
    if (fgets(line, sizeof line, f) && !strncmp(line, "path ", 5)) {
        line[strcspn(line, "\r\n")] = '\0';
        strcpy(path, line + 5);
    }
    fclose(f);
    return 1;
}

/* After a sync: when the probe wrote a record (at a save or an opening), keeps it
   beside a copy of the puzzle's file as it is now, for the comparison after the run.
   The file is the one the program names: keys typed into a Save As dialog move it. */
void soakCollect(Soak* s) {
    char base[MAX_PATH + 32], copy[MAX_PATH + 40], path[MAX_PATH] = "";
    int code;
    const char* kind;
    if (!readRecord(s->state, &code, path)) return;
    kind = code == 11 ? "save" : "open";
    snprintf(base, sizeof base, "%s\\checks\\%06d-%s", s->out, s->index, kind);
    snprintf(copy, sizeof copy, "%s.state", base);
    MoveFileExA(s->state, copy, MOVEFILE_REPLACE_EXISTING);
    snprintf(copy, sizeof copy, "%s.puz", base);
    if (!CopyFileA(path[0] ? path : s->puzzle, copy, FALSE))
        soakFail(s, "cannot copy %s after a %s", path[0] ? path : s->puzzle, kind);
    if (strcmp(path, s->puzzle) != 0) fprintf(s->log, "  the puzzle is now %s\n", path);
    if (code == 11) s->saves++;
    else s->opens++;
    fprintf(s->log, "  checkpoint %s\n", copy);
}
