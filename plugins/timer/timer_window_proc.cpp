// The timer window's messages: painting, dragging, focus and its three buttons.
#include <windows.h>
#include <mmsystem.h>
#include <oleacc.h>


#include "timer_accessible.h"
#include "timer_resources.h"
#include "timer_text.h"
#include "timer_tool.h"
#include "timer_window.h"

namespace ovtimer {

LRESULT CALLBACK TimerWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TimerWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT TimerWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST: {
            LRESULT hit = DefWindowProcA(hwnd_, message, wParam, lParam);
            return hit == HTCLIENT ? HTCAPTION : hit;
        }
        case WM_NCLBUTTONDOWN:
            if (!dragTimer_) dragTimer_ = SetTimer(hwnd_, DragFocusTimerId, 100, nullptr);
            break;
        case WM_NCLBUTTONDBLCLK:
            return 0;  // a "caption" that is the whole window must not maximise it
        case WM_ACTIVATE:
            onActivate(wParam, lParam);
            if (LOWORD(wParam) == WA_ACTIVE) return 0;
            break;
        case WM_MOVE:
            onMove();
            break;
        case WM_TIMER:
            onTimer(wParam);
            return 0;
        case WM_PAINT:
            paint();
            return 0;
        case WM_DRAWITEM:
            drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) onCommand(LOWORD(wParam));
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(wParam, lParam);
            return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) return accessibleObject(wParam, lParam);
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT TimerWindow::accessibleObject(WPARAM wParam, LPARAM lParam) {
    if (!accessible_) {
        // A reader may hold the object, and call it, after the host has unloaded the
        // plug-in: from now on the library stays loaded until the process ends.
        HMODULE pinned = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCSTR>(&TimerWindow::windowProc), &pinned);
        accessible_ = new TimerAccessible(tool_, hwnd_);
    }
    const LRESULT result = accessible_->answerGetObject(wParam, lParam);
    return result != 0 ? result : DefWindowProcA(hwnd_, WM_GETOBJECT, wParam, lParam);
}

// Readers hear of the clock starting or stopping, a score coming up or going and the
// time being set back (reset, options); not of every second that passes, which would
// drown everything else. Whoever wants the time asks for the value and gets it live.
void TimerWindow::announceChanges() {
    const ClockState& clock = tool_.clock;
    const bool switched = clock.stopped != announced_.stopped;
    const bool changed = switched || tool_.scoreShown != announced_.scoreShown ||
                         (tool_.scoreShown && tool_.currentScore != announced_.score) ||
                         clock.elapsed < announced_.elapsed;
    announced_ = {clock.stopped, tool_.scoreShown, tool_.currentScore, clock.elapsed};
    if (changed) NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    if (switched) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd_, OBJID_CLIENT, 1);
}

void TimerWindow::onActivate(WPARAM wParam, LPARAM lParam) {
    WORD state = LOWORD(wParam);
    if (state == WA_CLICKACTIVE) {
        remembered_ = reinterpret_cast<HWND>(lParam);
    } else if (state == WA_ACTIVE) {
        HWND main = tool_.mainWindow();
        if (main) SetFocus(main);
    }
}

void TimerWindow::onMove() {
    HWND main = tool_.mainWindow();
    if (main) {
        RECT mr;
        GetWindowRect(main, &mr);
        POINT origin = {0, 0};
        ClientToScreen(hwnd_, &origin);
        xOffset_ = static_cast<int16_t>(origin.x - mr.left);
        yOffset_ = static_cast<int16_t>(origin.y - mr.top);
    }
    focusRemembered();
}

void TimerWindow::focusRemembered() {
    HWND target = remembered_;
    remembered_ = nullptr;
    if (target && IsWindow(target)) SetFocus(target);
}

void TimerWindow::onTimer(UINT_PTR id) {
    if (id == RaiseTimerId) {
        keepAboveOwner();
        return;
    }
    if (id == DragFocusTimerId) {
        KillTimer(hwnd_, DragFocusTimerId);
        dragTimer_ = 0;
        focusRemembered();
        return;
    }
    if (id == ScoreTimerId) {
        KillTimer(hwnd_, ScoreTimerId);
        tool_.scoreTimer = 0;
        tool_.scoreShown = false;
    }
    InvalidateRect(hwnd_, &display_, FALSE);
}

// Only started under Wine (see showNoActivate). Only while the main window itself is in
// front, so the window never comes up over a dialog or another program's windows.
void TimerWindow::keepAboveOwner() {
    if (!IsWindowVisible(hwnd_) || GetForegroundWindow() != tool_.mainWindow()) return;
    // Through the top of all windows and back: Wine takes a move to the top of a window
    // it already has on top for no move at all, and would not draw it there again.
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, flags);
    SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

void TimerWindow::paintGrip(HDC dc, const RECT& client) {
    const int colours[3] = {COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_BTNSHADOW};
    const int line = px(1);
    for (int y = client.top + px(3); client.bottom - y > px(4); y += px(4)) {
        for (int i = 0; i < 3; ++i) {
            RECT band = {px(4), y + i * line, px(13), y + (i + 1) * line};
            FillRect(dc, &band, GetSysColorBrush(colours[i]));
        }
    }
}

void TimerWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    paintGrip(dc, client);
    FillRect(dc, &display_, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ClockState& clock = tool_.clock;
    if (!clock.stopped) {
        AdvanceResult advanced = advanceClock(clock, wallClockNow());
        if (advanced.writeLtim) writeLtim(tool_);
        if (advanced.reachedLimit) {
            KillTimer(hwnd_, TickTimerId);
            tool_.tickTimer = 0;
            InvalidateRect(GetDlgItem(hwnd_, IDC_TIMER_SWITCH), nullptr, FALSE);
        }
    }
    char text[LtimTextSize];
    formatDisplay(tool_.scoreShown, tool_.currentScore, clock.elapsed, text);
    const COLORREF colour = tool_.scoreShown ? RGB(255, 255, 0) : clock.stopped ? RGB(255, 0, 0) : RGB(0, 255, 0);
    HGDIOBJ oldFont = SelectObject(dc, digitsFont());
    SetTextColor(dc, colour);
    SetBkColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, OPAQUE);
    ExtTextOutA(dc, display_.left + px(5), display_.top + px(1), ETO_CLIPPED, &display_, text,
                static_cast<UINT>(lstrlenA(text)), nullptr);
    SelectObject(dc, oldFont);
    EndPaint(hwnd_, &ps);
    announceChanges();
}

void TimerWindow::drawButton(const DRAWITEMSTRUCT& item) {
    if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
    HBITMAP face = nullptr;
    if (item.CtlID == IDC_TIMER_SWITCH) {
        bool counting = !tool_.clock.stopped;
        if (item.itemState & ODS_SELECTED) counting = !counting;
        face = counting ? switchOn_ : switchOff_;
    } else {
        face = item.CtlID == IDC_TIMER_SCORE ? calculator_ : board_;
    }
    if (!face) return;
    BITMAP info = {};
    GetObjectA(face, sizeof info, &info);
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(memory, face);
    const RECT& r = item.rcItem;
    StretchBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void TimerWindow::switchCommand() {
    TimerTool& t = tool_;
    if (t.timingOff) {
        if (MessageBoxA(t.mainWindow(), "Timing was disabled for all puzzles. Enable timing?", "Orvane Timer",
                        MB_ICONQUESTION | MB_YESNO) == IDYES) {
            t.timingOff = false;
            t.clock.stopped = false;
            startTicking(t);
            repaint();
        }
        return;
    }
    PlaySoundA("SWITCH", t.module, SND_RESOURCE | SND_SYNC | SND_NODEFAULT);
    if (t.clock.stopped) {
        t.clock.stopped = false;
        startTicking(t);
    } else {
        stopTicking(t);
    }
    repaint();
}

void TimerWindow::onCommand(int id) {
    switch (id) {
        case IDC_TIMER_SWITCH: switchCommand(); break;
        case IDC_TIMER_SCORE: showScoreCommand(tool_); break;
        case IDC_TIMER_BOARD: showScoreBoard(tool_); break;
        default: return;
    }
    HWND main = tool_.mainWindow();
    if (main) SetFocus(main);
}

}  // namespace ovtimer
