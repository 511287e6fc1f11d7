// The small "Timer" window over the main window: a grip, the On/Off switch, the
// minutes:seconds display and the score and score board buttons. It is dragged
// by any point outside the buttons and hands the keyboard focus back to the grid.
#pragma once

#include <windows.h>

#include <cstdint>

namespace ovtimer {

struct TimerTool;
class TimerAccessible;

class TimerWindow {
public:

    static bool registerClass(TimerTool& tool);
    // Creates the window for the open puzzle into tool.window (none without a main window).
    static void create(TimerTool& tool);
    static void destroy(TimerTool& tool);

    HWND hwnd() const { return hwnd_; }
    int16_t xOffset() const { return xOffset_; }
    int16_t yOffset() const { return yOffset_; }
    void showNoActivate();
    void hide();
    void repaint();
    void followMainWindow();

private:
    explicit TimerWindow(TimerTool& tool) : tool_(tool) {}
    ~TimerWindow();
    TimerWindow(const TimerWindow&) = delete;
    TimerWindow& operator=(const TimerWindow&) = delete;

    void measure(HWND main);
    void placeFromSettings(HWND main);
    bool createControls();
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void paintGrip(HDC dc, const RECT& client);
    void drawButton(const DRAWITEMSTRUCT& item);
    void onTimer(UINT_PTR id);
    void onActivate(WPARAM wParam, LPARAM lParam);
    void onMove();
    void onCommand(int id);
    void switchCommand();
    void focusRemembered();
    void keepAboveOwner();
    LRESULT accessibleObject(WPARAM wParam, LPARAM lParam);
    void announceChanges();

    TimerTool& tool_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND remembered_ = nullptr;  // the window that lost activation to a click here
    UINT_PTR dragTimer_ = 0;
    int height_ = 22;
    int charHeight_ = 16;
    RECT display_ = {};
    int16_t xOffset_ = 0;
    int16_t yOffset_ = 0;
    TimerAccessible* accessible_ = nullptr;  // made when a reader first asks
    // What readers were last told; the seconds ticking by are not news (below).
    struct Announced {
        bool stopped = true;
        bool scoreShown = false;
        int score = 0;
        uint32_t elapsed = 0;
    } announced_;
    HBITMAP switchOn_ = nullptr, switchOff_ = nullptr, calculator_ = nullptr, board_ = nullptr;
};

}  // namespace ovtimer
