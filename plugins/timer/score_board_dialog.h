// "Orvane Score Board": the open puzzle's figures and every entry of its folder's
// score file, in one of three orders, with add, delete and clear.
#pragma once

#include <windows.h>

namespace ovtimer {

struct TimerTool;

class ScoreBoardDialog {
public:
    explicit ScoreBoardDialog(TimerTool& tool) : tool_(tool) {}
    void run();

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL onCommand(int id);
    void initialise();
    void fillFigures();
    void fillList();
    void addCommand();
    void deleteCommand();
    void clearCommand();
    void setSortKey(int key);
    void close();

    TimerTool& tool_;
    HWND dialog_ = nullptr;
    int sortKey_ = 1;
};

}  // namespace ovtimer
