// The score board file and its list: entries kept by name without regard to case,
// the rest of the file left alone, the listing limit and the three orders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "score_board.h"
#include "score_file.h"
#include "tip_cycle.h"

using namespace ovtimer;

namespace {

std::vector<std::string> boardNames(const ScoreFile& f, int key) {
    bool cut = false;
    std::vector<std::string> names;
    for (const BoardEntry& e : buildBoard(f, key, cut)) names.push_back(e.name);
    return names;
}

TEST(ScoreFile, UpdatesEntriesByNameAndKeepsEverythingElse) {
    ScoreFile f;
    f.load("; my notes\r\n[Other]\r\nkeep=1\r\n[score]\r\nMonday=1:2:3:4\r\n\r\n[After]\r\nx=y\r\n");
    EXPECT_EQ(f.value("MONDAY"), "1:2:3:4");
    f.setValue("monday", "5:6:7:8");
    f.setValue("Tuesday", "9:9:9:9");
    EXPECT_EQ(f.text(),
              "; my notes\r\n[Other]\r\nkeep=1\r\n[score]\r\nmonday=5:6:7:8\r\nTuesday=9:9:9:9\r\n\r\n[After]\r\nx=y\r\n");
    f.remove("TUESDAY");
    f.clearSection();
    EXPECT_EQ(f.text(), "; my notes\r\n[Other]\r\nkeep=1\r\n[After]\r\nx=y\r\n");
    EXPECT_EQ(f.value("monday"), "");
    f.setValue("New", "1:1:1:1");  // a file without the section gets one
    EXPECT_EQ(f.value("new"), "1:1:1:1");
    std::string before = f.text();
    for (const char* odd : {"a=b", "[x", " padded", ""}) f.setValue(odd, "2:2:2:2");
    EXPECT_EQ(f.text(), before) << "names the file cannot hold are not written";
}

TEST(ScoreFile, ListingStopsAtTheBufferAndSaysSo) {
    ScoreFile f;
    std::string text = "[SCORE]\n";
    for (int i = 0; i < 3000; ++i) text += "puzzle" + std::to_string(1000 + i) + "=1:1:1:1\n";
    text += "PUZZLE1000=9:9:9:9\n";  // the same name again is listed once
    f.load(text);
    bool cut = false;
    std::vector<std::string> names = f.names(ScoreListCapacity, cut);
    EXPECT_TRUE(cut);
    EXPECT_EQ(names.size(), 186u);  // 11 bytes each and the final NUL in 2048
    EXPECT_EQ(names.front(), "puzzle1000");
    EXPECT_EQ(f.value("Puzzle1000"), "1:1:1:1") << "the first of two equal names counts";
    f.load("[SCORE]\na=1\nb=2\n");
    EXPECT_EQ(f.names(ScoreListCapacity, cut).size(), 2u);
    EXPECT_FALSE(cut);
}

TEST(ScoreBoard, ValuesAndLinesWithOddContent) {
    BoardEntry e;
    ASSERT_TRUE(parseScoreValue(formatScoreValue(1800000000u, 754, 2780, 100), e));
    EXPECT_EQ(e.stamp, 1800000000u);
    EXPECT_EQ(e.spent, 754u);
    e.name = "Sunday special 2";
    std::string line = formatBoardLine(e);
    EXPECT_EQ(line, "2780\t\t12:34\t\t(100%)\t\tSunday special 2");
    EXPECT_EQ(nameFromBoardLine(line), "Sunday special 2") << "a name with blanks is read back whole";
    ASSERT_TRUE(parseScoreValue("5:999999:-3:4000", e));
    EXPECT_EQ(e.spent, 5999u);
    EXPECT_EQ(e.score, 0);
    EXPECT_EQ(e.completion, 100);
    ASSERT_TRUE(parseScoreValue("77", e));
    EXPECT_EQ(e.score, 0);
    EXPECT_FALSE(parseScoreValue("junk:1:2:3", e));
}

TEST(ScoreBoard, ThreeOrdersNewestFirstAmongEquals) {
    ScoreFile f;
    // 10:00, 10:05, 09:55 of one day; b and c share a score, a and c a time.
    f.load("[SCORE]\na=36000:600:500:100\nb=36300:900:700:100\nc=35700:600:700:100\n"
           "empty=\nbad=x:1\n");
    EXPECT_EQ(boardNames(f, SortByLastWorked), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(boardNames(f, SortByScore), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(boardNames(f, SortByTime), (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(boardNames(f, 7), boardNames(f, SortByScore)) << "an unknown stored key sorts by score";
}

TEST(TipCycle, StartsAtTheLastTipAndWrapsBothWays) {
    using namespace ovtips;
    EXPECT_EQ(firstTip(DefaultNextTip), 19);
    EXPECT_EQ(nextTip(19), 0);
    EXPECT_EQ(nextTip(nextTip(5)), 7);
    EXPECT_EQ(previousTip(0), 19);
    EXPECT_EQ(firstTip(25), 0);
    EXPECT_EQ(firstTip(-3), 0);
}

}  // namespace
