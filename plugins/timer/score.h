// The score of a puzzle: ten points for each correct letter that was not revealed,
// twice over; the first half shrinks by one point a second, the second by five
// points for each letter ever marked wrong.
#pragma once

#include <cstdint>

namespace ovtimer {

constexpr int MaxScore = 9999;

struct ScoreTally {
    int correct = 0;   // entry equals solution (revealed letters included)
    int revealed = 0;
    int wrong = 0;     // marked wrong at some time, not revealed
};

// What the score needs to know about the open grid.
class ScoreCells {
public:
    virtual ~ScoreCells() = default;
    virtual int width() = 0;
    virtual int height() = 0;
    virtual bool isLetter(int column, int row) = 0;
    virtual char entry(int column, int row) = 0;
    virtual char solution(int column, int row) = 0;
    virtual bool revealed(int column, int row) = 0;
    virtual bool markedWrong(int column, int row) = 0;
};

ScoreTally tallyCells(ScoreCells& cells);

// elapsed counts only when timing is on.
int computeScore(const ScoreTally& tally, uint32_t elapsed, bool timingOff);

// Filled letter cells as a percentage; a grid without letter cells is complete.
int completionPercent(int filled, int letterCells);

}  // namespace ovtimer
