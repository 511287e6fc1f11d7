// The timer library's one state object: the host, the clock of the open puzzle,
// the settings it keeps in memory, the score on display and the timer window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "puzzle_naming.h"
#include "timer_clock.h"
#include "tool_api.h"

namespace ovtimer {

class TimerWindow;

constexpr UINT_PTR TickTimerId = 1;
constexpr UINT_PTR ScoreTimerId = 2;
constexpr UINT_PTR DragFocusTimerId = 3;
constexpr UINT_PTR RaiseTimerId = 4;
constexpr UINT RaiseCheckMillis = 1000;
constexpr UINT ScoreShowMillis = 10000;

extern const char* const SettingsSection;  // "PellTimer"

struct TimerTool {
    ToolHost* host = nullptr;
    HINSTANCE module = nullptr;  // this library, for its own resources
    ClockState clock;
    bool timingOff = false;
    bool addIncomplete = true;
    bool scoreShown = false;
    int currentScore = 0;
    UINT_PTR tickTimer = 0;
    UINT_PTR scoreTimer = 0;
    PuzzleNaming naming;
    TimerWindow* window = nullptr;

    const ToolHostServices& svc() const { return *host->services; }
    HWND mainWindow() const;
    int32_t readSetting(const char* name, int32_t fallback) const;
    void writeSetting(const char* name, int32_t value) const;
};

TimerTool& timerTool();
int64_t wallClockNow();

// Clock operations shared by the window, the events and the dialogs.
void startTicking(TimerTool& t);
void stopTicking(TimerTool& t);  // kill the tick timer, stopped, not auto-paused
void writeLtim(TimerTool& t);
void loadPuzzleTime(TimerTool& t);
void derivePuzzleNames(TimerTool& t);
void repaintTimer(TimerTool& t);

// Scoring (score_actions.cpp)
int computeCurrentScore(TimerTool& t);
void updateScoreEntry(TimerTool& t);
bool scoreEntryExists(TimerTool& t);
void showScoreCommand(TimerTool& t);
void showScoreBoard(TimerTool& t);

// Dialogs and help
void runOptionsDialog(TimerTool& t, HWND owner);
void openTimerHelp(TimerTool& t, HWND owner);

}  // namespace ovtimer
