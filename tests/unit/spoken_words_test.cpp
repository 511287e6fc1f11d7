// What a screen reader hears for a square, and the panes' F6 order.
#include <tuple>

#include "engine_fixture.h"
#include "shell/pane_order.h"
#include "solve/spoken_words.h"

namespace gw::test {
namespace {

//   CAT.S     1 Across CAT "clue 0", 4 Across OWE, 5 Across BUS
//   A.OWE     1 Down CAB "clue 1", 2 Down TOS, 3 Down SEA
//   BUS.A     (1,0) lies in no Down word, (0,1) in no Across word
class SpokenWordsTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        open(smallGrid());
    }
};

TEST_F(SpokenWordsTest, TheCurrentDirectionsWordComesFirstThenTheCrossingOne) {
    g().MoveCursor(0, 0);
    g().SetDirection(DirAcross);
    const std::string across = *clues->entry(0, 0).acrossText;
    const std::string down = *clues->entry(0, 0).downText;
    EXPECT_EQ(describeSquare(g(), 2, 0).name, "1 Across, " + across + ", letter 3 of 3; 2 Down");
    g().SetDirection(DirDown);
    EXPECT_EQ(describeSquare(g(), 0, 2).name, "1 Down, " + down + ", letter 3 of 3; 5 Across");
    // A square in no word of the current direction reads the other one, with no crossing.
    EXPECT_EQ(describeSquare(g(), 1, 0).name, "1 Across, " + across + ", letter 2 of 3");
    EXPECT_EQ(describeSquare(g(), 3, 0).name, "block");
    EXPECT_TRUE(describeSquare(g(), 3, 0).block);
    EXPECT_EQ(describeSquare(g(), 3, 0).value, "");
}

TEST_F(SpokenWordsTest, ValuesAndMarksInWords) {
    EXPECT_EQ(squareValue(g(), 0, 0), "empty");
    g().SetCellEntry(0, 0, 'c', false, false);
    EXPECT_EQ(squareValue(g(), 0, 0), "C");
    g().SetCellEntry(1, 0, '7', false, false);  // a digit is said as itself, not its stand-in letter
    EXPECT_EQ(squareValue(g(), 1, 0), "7");
    g().SetCellText(2, 0, "TEA", true);
    EXPECT_EQ(squareValue(g(), 2, 0), "TEA");
    g().SetCellEntry(0, 2, 'N', false, true);  // a symbol from the picker
    EXPECT_EQ(squareValue(g(), 0, 2), "symbol 78");

    at(2, 0).flags |= Circled | Incorrect;
    EXPECT_EQ(describeSquare(g(), 2, 0).description, "pencil, circled, marked wrong");
    at(1, 2).flags |= WasIncorrect | Revealed;
    EXPECT_EQ(describeSquare(g(), 1, 2).description, "was wrong, revealed");
}

TEST_F(SpokenWordsTest, CheckSaysHowManyLettersItMarkedWrong) {
    g().MoveCursor(0, 0);
    g().SetDirection(DirAcross);
    for (char c : std::string("CUT")) g().TypeChar(c, false);
    forget();
    g().CheckRange(false, true);
    EXPECT_TRUE(services.has("status 1 letter marked wrong."));
    g().SetCellEntry(4, 1, 'X', false, false);
    g().SetCellEntry(4, 2, 'X', false, false);
    forget();
    g().CheckAll(false);
    EXPECT_TRUE(services.has("status 3 letters marked wrong."));  // the U again, and the two Xs
    for (auto [x, y, c] : {std::tuple{1, 0, 'A'}, {4, 1, 'E'}, {4, 2, 'A'}}) g().SetCellEntry(x, y, c, false, false);
    forget();
    g().CheckAll(false);
    EXPECT_TRUE(services.has("status No letters marked wrong."));
}

TEST(PaneOrder, RowByRowThenLeftToRightWhateverTheLayout) {
    using panes::Box;
    // Grid on the left, the two lists stacked on its right; the Across list's top a
    // little above the grid's (the prompt sits over the grid).
    EXPECT_EQ(panes::visitingOrder({{0, 30, 500, 500}, {510, 20, 800, 250}, {510, 260, 800, 500}}),
              (std::vector<int>{0, 1, 2}));
    // Lists side by side below the grid, given in any order.
    EXPECT_EQ(panes::visitingOrder({{400, 400, 800, 600}, {0, 400, 390, 600}, {0, 0, 800, 390}}),
              (std::vector<int>{2, 1, 0}));
    const std::vector<int> order{0, 1, 2};
    EXPECT_EQ(panes::nextPane(order, 2, true), 0);
    EXPECT_EQ(panes::nextPane(order, 0, false), 2);
    EXPECT_EQ(panes::nextPane(order, -1, true), 0);   // focus elsewhere: F6 starts at the first
    EXPECT_EQ(panes::nextPane(order, -1, false), 2);  // and Shift+F6 at the last
    EXPECT_EQ(panes::nextPane({}, -1, true), -1);
}

}  // namespace
}  // namespace gw::test
