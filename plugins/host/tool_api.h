/*
 * The contract between Gridwell and its tools (plug-in libraries).
 *
 * Plain C on purpose: a tool may be built by any C or C++ compiler and links
 * against nothing of Gridwell's. Everything here is part of the binary interface:
 * the record layout, the order of the host services, the event numbers and the
 * exported entry-point names must never change.
 *
 * A tool exports (C linkage, the platform's C calling convention):
 *   int32_t OVP_Plugin_Init(ToolHost* host)     required; register and subscribe here
 *   int32_t OVP_Plugin_HandleEvent(int32_t code) optional; non-zero = handled
 *   void    OVP_Plugin_Finish(void)              optional; called once before unloading
 *   int32_t OVP_Plugin_Setup(void)               optional; 0 = nothing to set
 *   void    OVP_Plugin_Enable(int32_t enabled)   optional; after the user toggled the tool
 *
 * Services are called through the table the host hands over:
 *   host->services->RegisterTool(host, &info);
 */
#ifndef GRIDWELL_TOOL_API_H
#define GRIDWELL_TOOL_API_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Calling convention of every call across the boundary. It only makes a
 * difference on 32-bit x86, where a compiler could be told to default to another. */
#if defined(_WIN32)
#define TOOLAPI_CALL __cdecl
#elif defined(__i386__) && (defined(__GNUC__) || defined(__clang__))
#define TOOLAPI_CALL __attribute__((cdecl))
#else
#define TOOLAPI_CALL
#endif

/* What a tool puts before each entry point it defines. */
#if defined(_WIN32)
#define TOOLAPI_EXPORT __declspec(dllexport)
#elif defined(__GNUC__) || defined(__clang__)
#define TOOLAPI_EXPORT __attribute__((visibility("default")))
#else
#define TOOLAPI_EXPORT
#endif

#define TOOLAPI_VERSION 2          /* the interface version tools pass in ToolInfo */
#define TOOLINFO_NAME_SIZE 64      /* name buffer, including the terminating NUL */
#define TOOL_SECTION_MAX_LENGTH 1024

/* Exported entry-point names, for the host's look-ups. */
#define TOOLAPI_INIT_NAME "OVP_Plugin_Init"
#define TOOLAPI_HANDLE_EVENT_NAME "OVP_Plugin_HandleEvent"
#define TOOLAPI_FINISH_NAME "OVP_Plugin_Finish"
#define TOOLAPI_SETUP_NAME "OVP_Plugin_Setup"
#define TOOLAPI_ENABLE_NAME "OVP_Plugin_Enable"

/* Event codes. Each is sent with no data; tools query what they need. */
typedef enum ToolEvent {
    PuzzleSolved = 0,
    BeforeClearGrid = 1,
    BeforeDeletePuzzle = 2,
    LetterMarkedWrong = 3,
    PuzzleLoading = 4,
    PuzzleOpened = 5,
    PuzzleClosing = 6,
    PuzzleClosed = 7,
    MainWindowMoved = 8,
    MainWindowHidden = 9,
    MainWindowShown = 10,
    BeforeSave = 11,
    GridFilled = 12,
    PuzzleSavedAs = 13,
    MainWindowFirstShown = 14,
    Shutdown = 15,
    QuitRequested = 16,
    ClueSelected = 17,
    CurrentClueChanged = 18,
    CrossingClueChanged = 19,
    SolutionLocked = 20,
    SolutionUnlocked = 21,
    MainWindowResized = 22,
    LetterEntered = 23,
    LetterErased = 24,
    LetterRevealed = 25,
    FilledCellCounted = 26,
    GridCleared = 27,
    BeforeUnlock = 28,
    ToolEventUnused = 29, /* has a listener list, but is never sent */
    ToolEventCount = 30
} ToolEvent;

/* The record a tool registers itself with; the host copies it. */
typedef struct ToolInfo {
    char name[TOOLINFO_NAME_SIZE]; /* display name, NUL-terminated, at most 63 characters */
    int32_t version;               /* TOOLAPI_VERSION; above 2 is refused */
} ToolInfo;

#if defined(__cplusplus)
static_assert(sizeof(ToolInfo) == 68, "ToolInfo must be 68 bytes");
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
_Static_assert(sizeof(ToolInfo) == 68, "ToolInfo must be 68 bytes");
#else
typedef char ToolInfoSizeCheck[(sizeof(ToolInfo) == 68) ? 1 : -1];
#endif

typedef struct ToolHost ToolHost;

/* The host services, in their fixed order (tools call them by position).
 * Cells are addressed column first; positions outside the grid answer 0.
 * Window and instance handles are the platform's (HWND, HINSTANCE on Windows). */
typedef struct ToolHostServices {
    /*  0 */ int32_t(TOOLAPI_CALL* RegisterTool)(ToolHost* host, const ToolInfo* info);
    /*  1 */ void(TOOLAPI_CALL* SubscribeEvent)(ToolHost* host, int32_t code);
    /*  2 */ void*(TOOLAPI_CALL* GetMainWindow)(ToolHost* host);
    /*  3 */ void*(TOOLAPI_CALL* GetInstance)(ToolHost* host);
    /*  4 */ void(TOOLAPI_CALL* ReadSetting)(ToolHost* host, const char* section, const char* name,
                                             int32_t* value);
    /*  5 */ void(TOOLAPI_CALL* WriteSetting)(ToolHost* host, const char* section, const char* name,
                                              int32_t value);
    /*  6 */ int32_t(TOOLAPI_CALL* ReadSection)(ToolHost* host, const char* name, void* buffer,
                                                int32_t capacity);
    /*  7 */ void(TOOLAPI_CALL* WriteSection)(ToolHost* host, const char* name, const void* data,
                                              int32_t length);
    /*  8 */ void(TOOLAPI_CALL* DeleteSection)(ToolHost* host, const char* name);
    /*  9 */ int32_t(TOOLAPI_CALL* HasUsableSolution)(ToolHost* host);
    /* 10 */ int32_t(TOOLAPI_CALL* IsSolutionScrambled)(ToolHost* host);
    /* 11 */ int32_t(TOOLAPI_CALL* IsLetterCell)(ToolHost* host, int32_t column, int32_t row);
    /* 12 */ int32_t(TOOLAPI_CALL* IsRevealed)(ToolHost* host, int32_t column, int32_t row);
    /* 13 */ int32_t(TOOLAPI_CALL* WasMarkedWrong)(ToolHost* host, int32_t column, int32_t row);
    /* 14 */ int32_t(TOOLAPI_CALL* IsModified)(ToolHost* host);
    /* 15 */ int32_t(TOOLAPI_CALL* IsGridFilled)(ToolHost* host);
    /* 16 */ int32_t(TOOLAPI_CALL* IsPuzzleOpen)(ToolHost* host);
    /* 17 */ int32_t(TOOLAPI_CALL* GetWidth)(ToolHost* host);
    /* 18 */ int32_t(TOOLAPI_CALL* GetHeight)(ToolHost* host);
    /* 19 */ char(TOOLAPI_CALL* GetEntry)(ToolHost* host, int32_t column, int32_t row);
    /* 20 */ char(TOOLAPI_CALL* GetSolution)(ToolHost* host, int32_t column, int32_t row);
    /* 21 */ const char*(TOOLAPI_CALL* GetPuzzlePath)(ToolHost* host);
    /* 22 */ int32_t(TOOLAPI_CALL* GetFilledCount)(ToolHost* host);
    /* 23 */ int32_t(TOOLAPI_CALL* GetLetterCellCount)(ToolHost* host);
    /* 24 */ void(TOOLAPI_CALL* SetUnlockKey)(ToolHost* host, int32_t key);
    /* 25 */ void(TOOLAPI_CALL* DisableTool)(ToolHost* host);
} ToolHostServices;

#define TOOLAPI_SERVICE_COUNT 26

/* What a tool sees of its host object. The host keeps more behind it; a tool
 * never copies or frees this, it only keeps the pointer it got at init. */
struct ToolHost {
    const ToolHostServices* services;
};

/* Entry-point types, as the host binds them. */
typedef int32_t(TOOLAPI_CALL* ToolInitProc)(ToolHost* host);
typedef int32_t(TOOLAPI_CALL* ToolHandleEventProc)(int32_t code);
typedef void(TOOLAPI_CALL* ToolFinishProc)(void);
typedef int32_t(TOOLAPI_CALL* ToolSetupProc)(void);
typedef void(TOOLAPI_CALL* ToolEnableProc)(int32_t enabled);

/* Declarations a tool's definitions are checked against. The host leaves them
 * out: it binds the entry points by name and must not claim to export them. */
#ifndef TOOLAPI_HOST_SIDE
TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Init(ToolHost* host);
TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_HandleEvent(int32_t code);
TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Finish(void);
TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Setup(void);
TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Enable(int32_t enabled);
#endif

#ifdef __cplusplus
}
#endif

#endif /* GRIDWELL_TOOL_API_H */
