#include "score.h"

namespace ovtimer {

ScoreTally tallyCells(ScoreCells& cells) {
    ScoreTally tally;
    int width = cells.width(), height = cells.height();
    for (int c = 0; c < width; ++c) {
        for (int r = 0; r < height; ++r) {
            if (!cells.isLetter(c, r)) continue;
            if (cells.solution(c, r) == cells.entry(c, r)) ++tally.correct;
            if (cells.revealed(c, r))
                ++tally.revealed;
            else if (cells.markedWrong(c, r))
                ++tally.wrong;
        }
    }
    return tally;
}

int computeScore(const ScoreTally& tally, uint32_t elapsed, bool timingOff) {
    int64_t base = 10LL * (tally.correct - tally.revealed);
    int64_t timePart = base - (timingOff ? 0 : static_cast<int64_t>(elapsed));
    if (timePart < 0) timePart = 0;
    int64_t accuracyPart = base - 5LL * tally.wrong;
    if (accuracyPart < 0) accuracyPart = 0;
    int64_t score = timePart + accuracyPart;
    return score > MaxScore ? MaxScore : static_cast<int>(score);
}

int completionPercent(int filled, int letterCells) {
    if (letterCells <= 0) return 100;
    if (filled < 0) filled = 0;
    if (filled > letterCells) filled = letterCells;
    return filled * 100 / letterCells;
}

}  // namespace ovtimer
