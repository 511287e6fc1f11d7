#include "score_board_dialog.h"

#include <cstdio>
#include <string>
#include <vector>

#include "score.h"
#include "score_board.h"
#include "score_store.h"
#include "timer_resources.h"
#include "timer_tool.h"
#include "timer_window.h"

namespace ovtimer {
namespace {

const int SortButtons[4] = {0, IDC_SB_BY_LAST, IDC_SB_BY_SCORE, IDC_SB_BY_TIME};
// Every 32 dialog units in the list's own font, so the column headings above it line up.
constexpr INT ListTabStop = 32;

void addLine(HWND list, int at, const std::string& line, uint32_t stamp) {
    LRESULT index = SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(line.c_str()));
    if (index >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(stamp));
}

std::string fieldText(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string listText(HWND list, int index) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

void showScoreBoard(TimerTool& t) { ScoreBoardDialog(t).run(); }

void ScoreBoardDialog::run() {
    DialogBoxParamA(tool_.module, "SCOREBOARD", tool_.mainWindow(), dialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ScoreBoardDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ScoreBoardDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<ScoreBoardDialog*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        self->dialog_ = dialog;
        self->initialise();
        return FALSE;  // the focus is on the list
    }
    if (message == WM_COMMAND && self && HIWORD(wParam) == BN_CLICKED) return self->onCommand(LOWORD(wParam));
    return FALSE;
}

void ScoreBoardDialog::initialise() {
    TimerTool& t = tool_;
    if (t.window) t.window->hide();
    SetDlgItemTextA(dialog_, IDC_SB_FOLDER, t.naming.folder.c_str());
    SetDlgItemTextA(dialog_, IDC_SB_FILENAME, (t.naming.name + t.naming.extension).c_str());
    if (t.addIncomplete || t.svc().IsGridFilled(t.host) || scoreEntryExists(t)) {
        updateScoreEntry(t);
        EnableWindow(GetDlgItem(dialog_, IDC_SB_ADD), FALSE);
    }
    fillFigures();
    sortKey_ = normalizeSortKey(t.readSetting("sortkey", SortByLastWorked));
    HWND list = GetDlgItem(dialog_, IDC_SB_LIST);
    INT tabStop = ListTabStop;
    SendMessageA(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    fillList();
    for (int key = SortByLastWorked; key <= SortByTime; ++key)
        CheckDlgButton(dialog_, SortButtons[key], key == sortKey_ ? BST_CHECKED : BST_UNCHECKED);
    SetFocus(list);
}

void ScoreBoardDialog::fillFigures() {
    TimerTool& t = tool_;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", clockMinutes(t.clock.elapsed), clockSeconds(t.clock.elapsed));
    SetDlgItemTextA(dialog_, IDC_SB_TIME, text);
    if (t.svc().HasUsableSolution(t.host)) {
        t.currentScore = computeCurrentScore(t);
        std::snprintf(text, sizeof text, "%04d", t.currentScore);
    } else {
        std::snprintf(text, sizeof text, "0000");
    }
    SetDlgItemTextA(dialog_, IDC_SB_SCORE, text);
    int letters = t.svc().GetLetterCellCount(t.host);
    int percent = letters > 0 ? completionPercent(t.svc().GetFilledCount(t.host), letters) : 0;
    std::snprintf(text, sizeof text, "%d%%", percent);
    SetDlgItemTextA(dialog_, IDC_SB_COMPLETION, text);
}

void ScoreBoardDialog::fillList() {
    HWND list = GetDlgItem(dialog_, IDC_SB_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ScoreStore store(tool_.naming.scorePath);
    bool cut = false;
    std::vector<BoardEntry> board = buildBoard(store.file(), sortKey_, cut);
    if (cut)
        MessageBoxA(dialog_, "Too many entries in the score board! Not all entries will be shown", "Orvane timer",
                    MB_ICONWARNING | MB_OK);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const BoardEntry& entry : board) addLine(list, -1, formatBoardLine(entry), entry.stamp);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

BOOL ScoreBoardDialog::onCommand(int id) {
    switch (id) {
        case IDC_SB_ADD: addCommand(); return TRUE;
        case IDC_SB_DELETE: deleteCommand(); return TRUE;
        case IDC_SB_CLEAR: clearCommand(); return TRUE;
        case IDC_SB_BY_LAST: setSortKey(SortByLastWorked); return TRUE;
        case IDC_SB_BY_SCORE: setSortKey(SortByScore); return TRUE;
        case IDC_SB_BY_TIME: setSortKey(SortByTime); return TRUE;
        case IDC_SB_OPTIONS:
            runOptionsDialog(tool_, dialog_);
            SetFocus(dialog_);
            return TRUE;
        case IDC_HELP_BUTTON: openTimerHelp(tool_, tool_.mainWindow()); return TRUE;
        case IDCANCEL: close(); return TRUE;
        default: return FALSE;
    }
}

void ScoreBoardDialog::addCommand() {
    TimerTool& t = tool_;
    updateScoreEntry(t);
    if (sortKey_ == SortByLastWorked) {
        // The line repeats what the dialog shows rather than figures of its own.
        const std::string line = formatAddedLine(fieldText(dialog_, IDC_SB_SCORE), t.clock.elapsed,
                                                 fieldText(dialog_, IDC_SB_COMPLETION), t.naming.name);
        addLine(GetDlgItem(dialog_, IDC_SB_LIST), 0, line, static_cast<uint32_t>(wallClockNow()));
    } else {
        fillList();
    }
    EnableWindow(GetDlgItem(dialog_, IDC_SB_ADD), FALSE);
}

void ScoreBoardDialog::deleteCommand() {
    HWND list = GetDlgItem(dialog_, IDC_SB_LIST);
    LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return;
    std::vector<int> selected(static_cast<size_t>(count));
    count = SendMessageA(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(selected.data()));
    if (count <= 0) return;
    ScoreStore store(tool_.naming.scorePath);
    for (LRESULT i = count; i-- > 0;) {
        int index = selected[static_cast<size_t>(i)];
        std::string name = nameFromBoardLine(listText(list, index));
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        if (!name.empty()) store.file().remove(name);
    }
    store.save();
}

void ScoreBoardDialog::clearCommand() {
    if (MessageBoxA(dialog_,
                    "This will completely clear the score board for the current puzzle directory. Continue?",
                    "Orvane Scoreboard", MB_ICONQUESTION | MB_YESNO) != IDYES)
        return;
    SendMessageA(GetDlgItem(dialog_, IDC_SB_LIST), LB_RESETCONTENT, 0, 0);
    ScoreStore store(tool_.naming.scorePath);
    store.file().clearSection();
    store.save();
}

void ScoreBoardDialog::setSortKey(int key) {
    if (key == sortKey_) return;
    sortKey_ = key;
    fillList();
}

void ScoreBoardDialog::close() {
    EndDialog(dialog_, IDCANCEL);
    tool_.writeSetting("sortkey", sortKey_);
    if (tool_.window) tool_.window->showNoActivate();
}

}  // namespace ovtimer
