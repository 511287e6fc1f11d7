// "Timer Options": timing on or off, starting stopped, which puzzles the board keeps.
#include <windows.h>

#include "timer_resources.h"
#include "timer_tool.h"

namespace ovtimer {
namespace {

void initOptions(HWND dialog, TimerTool& t) {
    // Without a timed puzzle the stored choices are the current ones; memory holds
    // the last puzzle's or the defaults, and OK would write those back.
    if (!t.window) {
        t.timingOff = t.readSetting("timeroff", 0) != 0;
        t.addIncomplete = t.readSetting("addincomplete", 1) != 0;
    }
    CheckDlgButton(dialog, IDC_OPT_TIMING_OFF, t.timingOff ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_START_OFF, t.readSetting("startoff", 0) != 0 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_OPT_COMPLETED_ONLY, t.addIncomplete ? BST_UNCHECKED : BST_CHECKED);
}

void applyOptions(HWND dialog, TimerTool& t) {
    bool timingOff = IsDlgButtonChecked(dialog, IDC_OPT_TIMING_OFF) == BST_CHECKED;
    if (timingOff && !t.timingOff) {
        stopTicking(t);
        t.timingOff = true;
        t.clock.lastTick = wallClockNow();
        t.clock.lastSaved = 0;
        t.clock.elapsed = 0;
        repaintTimer(t);
    } else if (!timingOff && t.timingOff) {
        t.timingOff = false;
        t.clock.stopped = false;
        startTicking(t);
        repaintTimer(t);
    }
    t.writeSetting("startoff", IsDlgButtonChecked(dialog, IDC_OPT_START_OFF) == BST_CHECKED ? 1 : 0);
    t.addIncomplete = IsDlgButtonChecked(dialog, IDC_OPT_COMPLETED_ONLY) != BST_CHECKED;
    // With a puzzle open these reach the settings when it closes; without one
    // nothing else would store them, and the next open would read the old values.
    if (!t.window) {
        t.writeSetting("timeroff", t.timingOff ? 1 : 0);
        t.writeSetting("addincomplete", t.addIncomplete ? 1 : 0);
    }
}

INT_PTR CALLBACK optionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* t = reinterpret_cast<TimerTool*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            initOptions(dialog, *reinterpret_cast<TimerTool*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (!t) return FALSE;
            switch (LOWORD(wParam)) {
                case IDOK:
                    applyOptions(dialog, *t);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case IDC_HELP_BUTTON:
                    openTimerHelp(*t, t->mainWindow());
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

void runOptionsDialog(TimerTool& t, HWND owner) {
    DialogBoxParamA(t.module, "OPTIONS", owner, optionsProc, reinterpret_cast<LPARAM>(&t));
}

}  // namespace ovtimer
