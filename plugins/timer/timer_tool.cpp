// The clock operations of the timer: start, stop, the saved time and its loading.
#include "timer_tool.h"

#include <ctime>

#include "timer_text.h"
#include "timer_window.h"

namespace ovtimer {

const char* const SettingsSection = "PellTimer";

TimerTool& timerTool() {
    static TimerTool tool;
    return tool;
}

int64_t wallClockNow() { return static_cast<int64_t>(std::time(nullptr)); }

HWND TimerTool::mainWindow() const {
    return host ? static_cast<HWND>(host->services->GetMainWindow(host)) : nullptr;
}

int32_t TimerTool::readSetting(const char* name, int32_t fallback) const {
    int32_t value = fallback;
    host->services->ReadSetting(host, SettingsSection, name, &value);
    return value;
}

void TimerTool::writeSetting(const char* name, int32_t value) const {
    host->services->WriteSetting(host, SettingsSection, name, value);
}

void startTicking(TimerTool& t) {
    t.clock.lastTick = wallClockNow();
    if (!t.window) return;
    t.tickTimer = SetTimer(t.window->hwnd(), TickTimerId, 1000, nullptr);
    if (t.tickTimer) {
        t.clock.stopped = false;
        return;
    }
    MessageBoxA(t.mainWindow(), "Too many clocks or timers being used on your computer! Timer not available",
                "Orvane timer", MB_ICONWARNING | MB_OK);
}

void stopTicking(TimerTool& t) {
    if (t.tickTimer && t.window) KillTimer(t.window->hwnd(), TickTimerId);
    t.tickTimer = 0;
    t.clock.stopped = true;
    t.clock.autoPaused = false;
}

void writeLtim(TimerTool& t) {
    char text[LtimTextSize];
    size_t length = formatLtim(t.clock.elapsed, t.clock.stopped, text);
    t.svc().WriteSection(t.host, "LTIM", text, static_cast<int32_t>(length));
    t.clock.lastSaved = t.clock.elapsed;
}

namespace {

// The saved time of the open puzzle, or a fresh clock when it has none.
void readSavedTime(TimerTool& t) {
    char buffer[LtimTextSize] = {};
    int32_t length = t.svc().ReadSection(t.host, "LTIM", buffer, static_cast<int32_t>(LtimReadCapacity));
    SavedTime saved;
    if (length > 0 && parseLtim(buffer, static_cast<size_t>(length), saved)) {
        t.clock.elapsed = saved.elapsed;
        t.clock.stopped = saved.stopped;
    }
    if (!t.clock.stopped && t.readSetting("startoff", 0) != 0) t.clock.stopped = true;
}

}  // namespace

void loadPuzzleTime(TimerTool& t) {
    if (t.tickTimer && t.window) KillTimer(t.window->hwnd(), TickTimerId);
    t.tickTimer = 0;
    t.clock.elapsed = 0;
    t.clock.stopped = false;
    derivePuzzleNames(t);
    t.addIncomplete = t.readSetting("addincomplete", 1) != 0;
    t.timingOff = t.readSetting("timeroff", 0) != 0;
    if (t.timingOff)
        t.clock.stopped = true;
    else
        readSavedTime(t);
    t.clock.lastSaved = t.clock.elapsed;
    if (t.svc().IsModified(t.host)) t.clock.stopped = true;
    HWND main = t.mainWindow();
    if (main && IsWindowVisible(main) && !IsIconic(main)) {
        if (t.window) t.window->showNoActivate();
        if (!t.clock.stopped) startTicking(t);
    } else if (!t.clock.stopped) {
        // Starts when the main window is shown; a clock stopped on purpose stays so.
        t.clock.stopped = true;
        t.clock.autoPaused = true;
    }
    repaintTimer(t);
}

void derivePuzzleNames(TimerTool& t) { t.naming = derivePuzzleNaming(t.svc().GetPuzzlePath(t.host)); }

void repaintTimer(TimerTool& t) {
    if (t.window) t.window->repaint();
}

}  // namespace ovtimer
