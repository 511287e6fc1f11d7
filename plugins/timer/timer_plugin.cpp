// OVtimer's entry points and its answers to the host's events.
#include <windows.h>

#include <cstring>

#include "timer_tool.h"
#include "timer_window.h"

using namespace ovtimer;

namespace {

const char* const ToolName = "Orvane Timer and Scoring add-on V1.1";
const int32_t Subscriptions[] = {PuzzleLoading,   PuzzleOpened,     PuzzleClosing,   PuzzleClosed,
                                 MainWindowMoved, MainWindowHidden, MainWindowShown, BeforeSave,
                                 BeforeClearGrid, PuzzleSolved,     PuzzleSavedAs};

void createTimerWindow(TimerTool& t) {
    if (t.window) TimerWindow::destroy(t);
    t.clock.autoPaused = false;
    t.scoreShown = false;
    TimerWindow::create(t);
}

void puzzleSolved(TimerTool& t) {
    if (!t.clock.stopped) stopTicking(t);
    repaintTimer(t);
}

void beforeClearGrid(TimerTool& t) {
    if (MessageBoxA(t.mainWindow(), "Reset timer?", "Timer question", MB_ICONQUESTION | MB_YESNO) != IDYES) return;
    t.clock.lastTick = wallClockNow();
    t.clock.lastSaved = 0;
    t.clock.elapsed = 0;
    repaintTimer(t);
    t.svc().DeleteSection(t.host, "LTIM");
}

void puzzleClosing(TimerTool& t) {
    if (t.window) t.window->hide();
    if (t.tickTimer && t.window) KillTimer(t.window->hwnd(), TickTimerId);
    t.tickTimer = 0;
    t.clock.autoPaused = false;
    writeLtim(t);
    t.naming = PuzzleNaming();
}

void puzzleClosed(TimerTool& t) {
    if (t.window) {
        t.writeSetting("xoffset", t.window->xOffset());
        t.writeSetting("yoffset", t.window->yOffset());
    }
    t.writeSetting("timeroff", t.timingOff ? 1 : 0);
    t.writeSetting("addincomplete", t.addIncomplete ? 1 : 0);
    TimerWindow::destroy(t);
}

void mainWindowShown(TimerTool& t) {
    if (!t.window) return;
    if (t.clock.stopped && t.clock.autoPaused) {
        t.clock.stopped = false;
        startTicking(t);
        t.clock.autoPaused = false;
    }
    t.window->showNoActivate();
}

void mainWindowHidden(TimerTool& t) {
    if (!t.window) return;
    if (!t.clock.stopped) {
        stopTicking(t);
        t.clock.autoPaused = true;
    }
    t.window->hide();
}

void mainWindowMoved(TimerTool& t) {
    HWND main = t.mainWindow();
    if (!t.window || !main || IsIconic(main)) return;
    mainWindowShown(t);
    t.window->followMainWindow();
}

void beforeSave(TimerTool& t) {
    writeLtim(t);
    if (t.addIncomplete || t.svc().IsGridFilled(t.host) || scoreEntryExists(t)) updateScoreEntry(t);
}

void handle(TimerTool& t, int32_t code) {
    switch (code) {
        case PuzzleLoading: createTimerWindow(t); break;
        case PuzzleOpened: loadPuzzleTime(t); break;
        case PuzzleSolved: puzzleSolved(t); break;
        case BeforeClearGrid: beforeClearGrid(t); break;
        case PuzzleClosing: puzzleClosing(t); break;
        case PuzzleClosed: puzzleClosed(t); break;
        case MainWindowMoved: mainWindowMoved(t); break;
        case MainWindowHidden: mainWindowHidden(t); break;
        case MainWindowShown: mainWindowShown(t); break;
        case BeforeSave: beforeSave(t); break;
        case PuzzleSavedAs: derivePuzzleNames(t); break;
        default: break;
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        timerTool().module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Init(ToolHost* host) {
    if (!host || !host->services) return 0;
    ToolInfo info;
    std::memset(&info, 0, sizeof info);
    std::strncpy(info.name, ToolName, sizeof info.name - 1);
    info.version = TOOLAPI_VERSION;
    if (!host->services->RegisterTool(host, &info)) return 0;
    TimerTool& t = timerTool();
    t.host = host;
    for (int32_t code : Subscriptions) host->services->SubscribeEvent(host, code);
    return TimerWindow::registerClass(t) ? 1 : 0;
}

TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_HandleEvent(int32_t code) {
    TimerTool& t = timerTool();
    if (t.host) handle(t, code);
    return 0;
}

TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Finish(void) {
    // Normally gone with the puzzle; a window left behind must not outlive its procedure's library.
    TimerWindow::destroy(timerTool());
}

TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Setup(void) {
    TimerTool& t = timerTool();
    if (t.host) runOptionsDialog(t, t.mainWindow());
    return 1;
}

TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Enable(int32_t enabled) {
    TimerTool& t = timerTool();
    if (!t.host) return;
    if (enabled == 1) {
        if (t.svc().IsPuzzleOpen(t.host)) {
            createTimerWindow(t);
            loadPuzzleTime(t);
        }
    } else if (enabled == 0 && t.window) {
        puzzleClosing(t);
        puzzleClosed(t);
    }
}
