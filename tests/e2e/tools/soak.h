/* The GUI soak: a seeded stream of random user actions on the real gridwell.exe. */
#ifndef GW_SOAK_H
#define GW_SOAK_H

#include <windows.h>
#include <stdint.h>
#include <stdio.h>

typedef struct Soak {
    unsigned seed;
    uint64_t actionRng; /* picks the actions */
    uint64_t answerRng; /* answers the dialogs the actions open; its own stream, so the
                           actions stay the same when a dialog shows up once more or less */
    int total;          /* actions to run */
    int index;          /* the action being run */
    char exe[MAX_PATH];
    char puzzle[MAX_PATH];
    char out[MAX_PATH];
    char state[MAX_PATH]; /* the probe tool's record, GW_SOAK_STATE */
    char pristine[MAX_PATH + 16]; /* the puzzle as the run found it */
    PROCESS_INFORMATION program;
    int running;
    int closing; /* the current action asked the program to exit */
    HWND self, frame, probe;
    unsigned token;
    int saves, opens, dialogs, launches;
    FILE* log;
    char failure[512];
} Soak;

/* soak_actions.c: a number below n from a generator */
unsigned soakBelow(uint64_t* rng, unsigned n);

/* soak_program.c: the program under test */
int soakLaunch(Soak* s);
int soakSync(Soak* s, DWORD patienceMs);
int soakSettle(Soak* s);
int soakWaitExit(Soak* s, DWORD patienceMs);
int soakAnswerDialogs(Soak* s);
HWND soakFindDialog(Soak* s, int sheetOnly);
HWND soakChild(HWND parent, const char* className, LONG_PTR requiredStyle);
void soakFail(Soak* s, const char* fmt, ...);
void soakCollect(Soak* s);

/* soak_actions.c: one random action; 0 when the run must stop */
int soakAct(Soak* s);

#endif
