#include "timer_accessible.h"

#include <string>

#include "timer_buttons.h"
#include "timer_text.h"
#include "timer_tool.h"

namespace ovtimer {
namespace {

// The time on display, advanced to this moment without touching the clock: asking
// must not write the puzzle's time or stop the clock at the limit.
uint32_t liveElapsed(const ClockState& clock) {
    uint64_t elapsed = clock.elapsed;
    if (!clock.stopped) {
        const int64_t now = wallClockNow();
        if (now > clock.lastTick) elapsed += static_cast<uint64_t>(now - clock.lastTick);
    }
    return elapsed > MaxElapsed ? MaxElapsed : static_cast<uint32_t>(elapsed);
}

}  // namespace

HWND TimerAccessible::buttonWindow(long index) const {
    return index >= 1 && index <= TimerButtonCount ? GetDlgItem(hwnd(), TimerButtons[index - 1].id) : nullptr;
}

long TimerAccessible::childCount() { return TimerButtonCount; }

long TimerAccessible::role(long child) { return child == CHILDID_SELF ? ROLE_SYSTEM_CLOCK : ROLE_SYSTEM_PUSHBUTTON; }

std::string TimerAccessible::name(long child) { return child == CHILDID_SELF ? "Timer" : TimerButtons[child - 1].tip; }

std::string TimerAccessible::value(long child) {
    if (child != CHILDID_SELF) return {};
    const ClockState& clock = tool_.clock;
    return spokenDisplay(tool_.scoreShown, tool_.currentScore, liveElapsed(clock), clock.stopped);
}

long TimerAccessible::state(long child) {
    long bits = IsWindowVisible(hwnd()) ? 0 : STATE_SYSTEM_INVISIBLE;
    if (child == CHILDID_SELF) {
        bits |= STATE_SYSTEM_READONLY;
    } else if (TimerButtons[child - 1].id == IDC_TIMER_SWITCH && !tool_.clock.stopped) {
        bits |= STATE_SYSTEM_PRESSED;  // the On/Off switch is a toggle: pressed while counting
    }
    return bits;
}

bool TimerAccessible::location(long child, RECT& screen) {
    HWND target = child == CHILDID_SELF ? hwnd() : buttonWindow(child);
    return target && GetWindowRect(target, &screen);
}

long TimerAccessible::childAt(POINT p) {
    for (long i = 1; i <= TimerButtonCount; ++i) {
        RECT r;
        HWND button = buttonWindow(i);
        if (button && GetWindowRect(button, &r) && PtInRect(&r, p)) return i;
    }
    return CHILDID_SELF;
}

std::string TimerAccessible::defaultAction(long child) { return child == CHILDID_SELF ? std::string() : "Press"; }

bool TimerAccessible::doDefaultAction(long child) {
    HWND button = buttonWindow(child);
    if (!button || !IsWindowEnabled(button) || !IsWindowVisible(hwnd())) return false;
    // Posted, as a click would come: the command may open a dialog or a question,
    // and the reader's call must not wait for it to close.
    PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(TimerButtons[child - 1].id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return true;
}

}  // namespace ovtimer
