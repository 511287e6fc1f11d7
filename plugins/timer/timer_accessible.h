// What screen readers and magnifiers get from the timer window: one object "Timer"
// whose value is the display in words, with the three buttons as its children,
// named by their tooltips and pressed through their default action. The COM side is
// the program's own accessible-object base, compiled into this library (the plug-in
// still links nothing of the program's).
#pragma once

#include "views/accessible_base.h"

namespace ovtimer {

struct TimerTool;

class TimerAccessible final : public gw::AccessibleBase {
public:
    // Child ids 1 to 3 are the buttons in the order of TimerButtons.
    TimerAccessible(TimerTool& tool, HWND window) : AccessibleBase(window), tool_(tool) {}

private:
    ~TimerAccessible() override = default;
    HWND buttonWindow(long index) const;

    long childCount() override;
    long role(long child) override;
    std::string name(long child) override;
    std::string value(long child) override;
    long state(long child) override;
    bool location(long child, RECT& screen) override;
    // The timer hands the keyboard straight back to the main window.
    long focusedChild() override { return -1; }
    long childAt(POINT p) override;
    std::string defaultAction(long child) override;
    bool doDefaultAction(long child) override;

    TimerTool& tool_;
};

}  // namespace ovtimer
