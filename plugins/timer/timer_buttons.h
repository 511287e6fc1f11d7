// The timer window's three buttons: where they stand and the tooltip that names them
// (for the mouse and for screen readers alike).
#pragma once

#include "timer_resources.h"

namespace ovtimer {

struct TimerButton {
    int id;
    int x;
    const char* tip;
};
constexpr int TimerButtonCount = 3;
constexpr TimerButton TimerButtons[TimerButtonCount] = {{IDC_TIMER_SWITCH, 18, "On/Off"},
                                                        {IDC_TIMER_SCORE, 105, "Show score"},
                                                        {IDC_TIMER_BOARD, 135, "Show scoreboard"}};

}  // namespace ovtimer
