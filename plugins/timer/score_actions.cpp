// Scoring the open puzzle and keeping its entry in the folder's score file.
#include <windows.h>

#include <string>

#include "score.h"
#include "score_board.h"
#include "score_store.h"
#include "timer_tool.h"
#include "timer_window.h"

namespace ovtimer {
namespace {

class HostCells : public ScoreCells {
public:
    explicit HostCells(TimerTool& t) : t_(t) {}
    int width() override { return t_.svc().GetWidth(t_.host); }
    int height() override { return t_.svc().GetHeight(t_.host); }
    bool isLetter(int c, int r) override { return t_.svc().IsLetterCell(t_.host, c, r) != 0; }
    char entry(int c, int r) override { return t_.svc().GetEntry(t_.host, c, r); }
    char solution(int c, int r) override { return t_.svc().GetSolution(t_.host, c, r); }
    bool revealed(int c, int r) override { return t_.svc().IsRevealed(t_.host, c, r) != 0; }
    bool markedWrong(int c, int r) override { return t_.svc().WasMarkedWrong(t_.host, c, r) != 0; }

private:
    TimerTool& t_;
};

}  // namespace

int computeCurrentScore(TimerTool& t) {
    HostCells cells(t);
    return computeScore(tallyCells(cells), t.clock.elapsed, t.timingOff);
}

void updateScoreEntry(TimerTool& t) {
    t.currentScore = t.svc().HasUsableSolution(t.host) ? computeCurrentScore(t) : 0;
    if (t.naming.name.empty()) return;
    uint32_t stamp = static_cast<uint32_t>(wallClockNow());
    int completion = completionPercent(t.svc().GetFilledCount(t.host), t.svc().GetLetterCellCount(t.host));
    ScoreStore store(t.naming.scorePath);
    store.file().setValue(t.naming.name, formatScoreValue(stamp, t.clock.elapsed, t.currentScore, completion));
    store.save();
}

bool scoreEntryExists(TimerTool& t) {
    if (t.naming.name.empty()) return false;
    ScoreStore store(t.naming.scorePath);
    return !store.file().value(t.naming.name).empty();
}

void showScoreCommand(TimerTool& t) {
    HWND owner = t.mainWindow();
    if (!t.svc().HasUsableSolution(t.host)) {
        const char* text = t.svc().IsSolutionScrambled(t.host)
                               ? "You can ask for the score only after the solution is unscrambled"
                               : "This puzzle has no solution for scoring";
        MessageBoxA(owner, text, "Orvane scoring", MB_ICONWARNING | MB_OK);
        return;
    }
    if (!t.window) return;
    if (t.scoreShown && t.scoreTimer) {
        t.scoreShown = false;
        KillTimer(t.window->hwnd(), ScoreTimerId);
        t.scoreTimer = 0;
        repaintTimer(t);
        return;
    }
    t.currentScore = computeCurrentScore(t);
    t.scoreTimer = SetTimer(t.window->hwnd(), ScoreTimerId, ScoreShowMillis, nullptr);
    if (t.scoreTimer)
        t.scoreShown = true;
    else
        MessageBoxA(owner, "Too many clocks or timers being used on your computer! Score not available",
                    "Orvane score", MB_ICONWARNING | MB_OK);
    repaintTimer(t);
}

}  // namespace ovtimer
