// The timer plug-in's portable parts: the saved "LTIM" text, the wall-clock
// clock with its limit and minute writes, and the score of a grid.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "puzzle_naming.h"
#include "score.h"
#include "timer_clock.h"
#include "timer_text.h"

using namespace ovtimer;

namespace {

bool parse(const std::string& text, SavedTime& out) { return parseLtim(text.data(), text.size(), out); }

TEST(LtimText, WritesAndReadsBackTheStoredForm) {
    char text[LtimTextSize];
    ASSERT_EQ(formatLtim(754, false, text), 5u);
    EXPECT_STREQ(text, "754,0");
    formatLtim(5999, true, text);
    EXPECT_STREQ(text, "5999,1");
    SavedTime t;
    ASSERT_TRUE(parse("754,1", t));
    EXPECT_EQ(t.elapsed, 754u);
    EXPECT_TRUE(t.stopped);
    ASSERT_TRUE(parse("754,0", t));
    EXPECT_FALSE(t.stopped);
    ASSERT_TRUE(parse("754", t));  // no flag: a running clock
    EXPECT_EQ(t.elapsed, 754u);
    EXPECT_FALSE(t.stopped);
}

TEST(LtimText, EditedOrDamagedTextsNeverGiveAnImpossibleTime) {
    SavedTime t;
    t.elapsed = 42;
    for (const char* bad : {"", "abc", "-5,1", ",1", "\xff\xfe"}) {
        EXPECT_FALSE(parse(bad, t)) << bad;
        EXPECT_EQ(t.elapsed, 42u) << "a refused text leaves the time alone: " << bad;
    }
    ASSERT_TRUE(parse("99999999999", t));  // 11 bytes, far above the limit
    EXPECT_EQ(t.elapsed, MaxElapsed);
    EXPECT_FALSE(parse("123456789012", t)) << "longer than the section the timer reads";
    const char withNul[] = {'6', '0', '\0', ',', '1'};
    ASSERT_TRUE(parseLtim(withNul, sizeof withNul, t));
    EXPECT_EQ(t.elapsed, 60u);
    ASSERT_TRUE(parse("12,7", t));
    EXPECT_TRUE(t.stopped);
}

TEST(TimerClock, CountsWallClockSecondsAndAsksForAWriteEachMinute) {
    ClockState c;
    c.stopped = false;
    c.lastTick = 1000;
    EXPECT_FALSE(advanceClock(c, 1060).writeLtim) << "60 seconds since the last write is not yet more than a minute";
    EXPECT_EQ(c.elapsed, 60u);
    AdvanceResult r = advanceClock(c, 1061);
    EXPECT_TRUE(r.writeLtim);
    EXPECT_EQ(c.lastTick, 1061);
    advanceClock(c, 900);  // the system clock went back
    EXPECT_EQ(c.elapsed, 61u);
    EXPECT_EQ(c.lastTick, 900);
}

TEST(TimerClock, StopsAt9959) {
    ClockState c;
    c.stopped = false;
    c.autoPaused = true;
    c.elapsed = 5990;
    c.lastSaved = 5990;
    c.lastTick = 0;
    AdvanceResult r = advanceClock(c, 4000000000LL);  // a huge jump cannot wrap the count
    EXPECT_TRUE(r.reachedLimit);
    EXPECT_TRUE(r.writeLtim);
    EXPECT_EQ(c.elapsed, MaxElapsed);
    EXPECT_TRUE(c.stopped);
    EXPECT_FALSE(c.autoPaused);
    EXPECT_EQ(clockMinutes(c.elapsed), 99);
    EXPECT_EQ(clockSeconds(c.elapsed), 59);
}

// A grid given as rows of solution letters ('.' black), entries and marks.
class FakeCells : public ScoreCells {
public:
    FakeCells(std::vector<std::string> solution, std::vector<std::string> entries, std::vector<std::string> marks)
        : solution_(solution), entries_(entries), marks_(marks) {}
    int width() override { return static_cast<int>(solution_[0].size()); }
    int height() override { return static_cast<int>(solution_.size()); }
    bool isLetter(int c, int r) override { return solution_[r][c] != '.'; }
    char entry(int c, int r) override { return entries_[r][c]; }
    char solution(int c, int r) override { return solution_[r][c]; }
    bool revealed(int c, int r) override { return marks_[r][c] == 'R'; }
    bool markedWrong(int c, int r) override { return marks_[r][c] == 'W'; }

private:
    std::vector<std::string> solution_, entries_, marks_;
};

TEST(Score, TallyTakesRevealedLettersOutAndCountsEachWrongOnce) {
    // Correct, revealed (correct), wrong then corrected, still wrong, empty, black.
    FakeCells cells({"ABCDE."}, {"ABCX-."}, {" RW W "});
    ScoreTally t = tallyCells(cells);
    EXPECT_EQ(t.correct, 3);
    EXPECT_EQ(t.revealed, 1);
    EXPECT_EQ(t.wrong, 2);
    EXPECT_EQ(computeScore(t, 0, false), 20 + 10);  // base 20; accuracy 20 - 10
    FakeCells revealedAndWrong({"AB"}, {"AB"}, {"RR"});
    EXPECT_EQ(computeScore(tallyCells(revealedAndWrong), 0, true), 0) << "all letters revealed";
}

TEST(Score, TimeAndAccuracyHalvesAndTheCap) {
    ScoreTally t;
    t.correct = 189;
    EXPECT_EQ(computeScore(t, 1000, false), 2780);
    EXPECT_EQ(computeScore(t, 1000, true), 3780) << "timing off: the time costs nothing";
    EXPECT_EQ(computeScore(t, 5999, false), 1890) << "the time half never goes below 0";
    t.correct = 400;
    EXPECT_EQ(computeScore(t, 100, false), 7900);
    t.correct = 600;
    EXPECT_EQ(computeScore(t, 100, false), MaxScore);
    t.correct = 10;
    t.wrong = 100;
    EXPECT_EQ(computeScore(t, 0, false), 100);
}

TEST(Score, CompletionOfEmptyPartlyAndLetterlessGrids) {
    EXPECT_EQ(completionPercent(0, 189), 0);
    EXPECT_EQ(completionPercent(188, 189), 99);
    EXPECT_EQ(completionPercent(189, 189), 100);
    EXPECT_EQ(completionPercent(0, 0), 100);
}

TEST(PuzzleNaming, FolderNameExtensionAndScoreFile) {
    PuzzleNaming n = derivePuzzleNaming("C:\\Puzzles\\Mon.day\\My puzzle.v2.puz");
    EXPECT_EQ(n.folder, "C:\\Puzzles\\Mon.day");
    EXPECT_EQ(n.name, "My puzzle.v2");
    EXPECT_EQ(n.extension, ".puz");
    EXPECT_EQ(n.scorePath, "C:\\Puzzles\\Mon.day\\score.dat");
    EXPECT_EQ(derivePuzzleNaming("C:\\x\\plain").extension, "");
    EXPECT_FALSE(derivePuzzleNaming(nullptr).valid());
}

}  // namespace
