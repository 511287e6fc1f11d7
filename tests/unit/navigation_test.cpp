// Cursor, direction and highlight: opening, arrows, words, clicks and clues.
#include <random>

#include "engine_fixture.h"

namespace gw::test {
namespace {

using P = std::pair<int, int>;

class NavigationTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        open(smallGrid());
    }
};

TEST_F(NavigationTest, OpeningPutsCursorOnFirstCellAcrossAndShowsItsClues) {
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_EQ(g().currentDirection, DirAcross);
    EXPECT_TRUE(highlightIsCurrentWord());
    EXPECT_EQ(view.cursorX, 0);
    EXPECT_TRUE(view.hand);  // "fancycursor" defaults on
    EXPECT_EQ(view.focusCount, 1);
    EXPECT_EQ(acrossList.current.number, 1);
    EXPECT_TRUE(acrossList.current.active);
    EXPECT_EQ(downList.current.number, 1);
    EXPECT_FALSE(downList.current.active);
}

TEST_F(NavigationTest, OpeningOnACellThatStartsOnlyADownWordChoosesDown) {
    open({".AB", "CD.", "E.."});
    // First white cell (1,0) starts 1 Across "AB" and 1 Down "AD": Across wins.
    EXPECT_EQ(g().currentDirection, DirAcross);
    open({"A.", "B."});
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, ArrowAcrossTheWordOnAnEmptyCellPausesOnce) {
    g().ArrowMove(ArrowDown);
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_TRUE(highlightIsCurrentWord());
    g().ArrowMove(ArrowDown);
    EXPECT_EQ(cursor(), P(0, 1));
    EXPECT_EQ(g().currentDirection, DirDown);
}

TEST_F(NavigationTest, ArrowAcrossTheWordOnAFilledCellMovesAndTurnsAtOnce) {
    g().ClickCell(2, 0);
    put(2, 0, 'T');
    g().ArrowMove(ArrowDown);
    EXPECT_EQ(cursor(), P(2, 1));
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, ArrowPauseOffMovesAtOnce) {
    g().arrowPause = false;
    g().ArrowMove(ArrowDown);
    EXPECT_EQ(cursor(), P(0, 1));
    EXPECT_EQ(g().currentDirection, DirDown);
}

TEST_F(NavigationTest, ArrowAtTheGridEdgeDoesNothingAtAll) {
    g().ClickCell(4, 0);  // only in 3 Down: direction turns to Down
    ASSERT_EQ(g().currentDirection, DirDown);
    view.calls.clear();
    g().ArrowMove(ArrowRight);
    EXPECT_EQ(cursor(), P(4, 0));
    EXPECT_EQ(g().currentDirection, DirDown);  // not even turned
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(NavigationTest, ArrowJumpsBlocksAndRehighlightsTheNewWord) {
    g().ClickCell(2, 2);  // 5 Across BUS
    g().SetDirection(DirAcross);
    g().ArrowMove(ArrowRight);  // over the block at (3,2)
    EXPECT_EQ(cursor(), P(4, 2));
    // (4,2) has no Across word, so the new word is 3 Down.
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_EQ(g().wordStartX, 4);
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, TabFromTheLastAcrossWordGoesToOneDownAtItsFirstEmptyCell) {
    put(0, 0, 'C');
    g().GoToClue(5, DirAcross);
    ASSERT_EQ(cursor(), P(0, 2));
    g().MoveByWord(DirNone, 6, true);
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_EQ(g().wordStartX, 0);
    EXPECT_EQ(g().wordStartY, 0);
    EXPECT_EQ(cursor(), P(0, 1));  // (0,0) is filled
    EXPECT_TRUE(highlightIsCurrentWord());
    g().autoNavWord = false;
    g().GoToClue(5, DirAcross);
    g().MoveByWord(DirNone, 6, true);
    EXPECT_EQ(cursor(), P(0, 0));
}

TEST_F(NavigationTest, ShiftTabFromTheFirstAcrossWordGoesToTheLastDownWord) {
    g().MoveByWord(DirNone, 5, true);
    EXPECT_EQ(cursor(), P(4, 0));
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, TabWalksTheWordsOfOneDirectionInOrder) {
    g().MoveByWord(DirNone, 6, true);
    EXPECT_EQ(cursor(), P(2, 1));  // 4 Across
    g().MoveByWord(DirNone, 6, true);
    EXPECT_EQ(cursor(), P(0, 2));  // 5 Across
    g().MoveByWord(DirNone, 5, true);
    EXPECT_EQ(cursor(), P(2, 1));
    // Without wrap the last word is the end of the road.
    g().GoToClue(5, DirAcross);
    g().MoveByWord(DirAcross, ArrowRight, false);
    EXPECT_EQ(cursor(), P(0, 2));
    EXPECT_EQ(g().currentDirection, DirAcross);
}

TEST_F(NavigationTest, ShiftArrowAcrossTheWordsKeepsTheDirection) {
    // Across current; Shift+Down moves to the next row's word, still Across.
    g().MoveByWord(DirDown, ArrowDown, false);
    // (0,1) lies in no Across word, so the direction had to turn, and the jump to
    // the first blank of the new word (1 Down) lands on its first cell.
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_EQ(cursor(), P(0, 0));
    g().ClickCell(2, 0);
    g().SetDirection(DirAcross);
    g().MoveByWord(DirDown, ArrowDown, false);
    EXPECT_EQ(cursor(), P(2, 1));  // start of 4 Across, empty
    EXPECT_EQ(g().currentDirection, DirAcross);
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, ClickKeepsTheDirectionWhenItCanAndTurnsOtherwise) {
    g().ClickCell(2, 1);
    EXPECT_EQ(g().currentDirection, DirAcross);
    g().ClickCell(0, 1);  // only in 1 Down
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_TRUE(highlightIsCurrentWord());
    EXPECT_FALSE(g().ClickCell(3, 0));  // block
    EXPECT_FALSE(g().ClickCell(7, 0));  // outside
    view.calls.clear();
    EXPECT_TRUE(g().ClickCell(0, 1));   // the cursor cell itself
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(NavigationTest, DragSetsTheDirectionByRowOrColumn) {
    g().DirectionFromDrag(0, 2);
    EXPECT_EQ(g().currentDirection, DirDown);
    g().DirectionFromDrag(2, 0);
    EXPECT_EQ(g().currentDirection, DirAcross);
    g().SetDirection(DirDown);
    g().DirectionFromDrag(0, 0);  // released where it was pressed: a plain click
    EXPECT_EQ(g().currentDirection, DirDown);
    g().DirectionFromDrag(4, 2);  // neither row nor column
    EXPECT_EQ(g().currentDirection, DirDown);
}

TEST_F(NavigationTest, RightClickSwitchesAndMovesOnlyWhenAskedTo) {
    g().RightClickCell(2, 2);
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_EQ(g().currentDirection, DirDown);
    g().rightMouseMove = true;
    g().RightClickCell(2, 2);
    EXPECT_EQ(cursor(), P(2, 2));
    // 2 Down runs through (2,2), and the switch from Down gives Across.
    EXPECT_EQ(g().currentDirection, DirAcross);
    g().RightClickCell(3, 2);  // block: ignored
    EXPECT_EQ(cursor(), P(2, 2));
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, GoToClueChoosesTheDirectionAndTheFirstBlank) {
    put(2, 1, 'O');
    g().GoToClue(4, DirAcross);
    EXPECT_EQ(cursor(), P(3, 1));
    EXPECT_EQ(g().currentDirection, DirAcross);
    g().GoToClue(3, DirNone);  // (4,0) starts only a Down word
    EXPECT_EQ(g().currentDirection, DirDown);
    // A cell that starts both takes the direction before the jump.
    g().GoToClue(1, DirNone);
    EXPECT_EQ(g().currentDirection, DirDown);
    g().GoToClue(99, DirAcross);
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, SwitchDirectionWithAutonavJumpsToTheBlankOrStaysOnAFullWord) {
    g().autoNavSwitch = true;
    g().ClickCell(2, 1);
    g().SwitchDirection();  // 2 Down TOS, all empty
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_EQ(cursor(), P(2, 0));
    put(2, 0, 'T');
    put(2, 1, 'O');
    put(2, 2, 'S');
    g().ClickCell(2, 2);
    g().SetDirection(DirAcross);
    g().SwitchDirection();
    EXPECT_EQ(cursor(), P(2, 0));  // the full word's first cell
    g().autoNavSwitch = false;
    g().ClickCell(2, 1);
    g().SwitchDirection();
    EXPECT_EQ(cursor(), P(2, 1));
}

TEST_F(NavigationTest, HomeAndEndWithinTheWordAndOverTheWholeGrid) {
    g().ClickCell(3, 1);
    g().GoToWordStart(false);
    EXPECT_EQ(cursor(), P(2, 1));
    g().GoToWordEnd(false);
    EXPECT_EQ(cursor(), P(4, 1));
    g().GoToWordEnd(true);
    EXPECT_EQ(cursor(), P(4, 2));
    EXPECT_EQ(g().currentDirection, DirDown);  // (4,2) has no Across word
    g().GoToWordStart(true);
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(NavigationTest, MovingOnAfterALetter) {
    // With "skipfilled": the next blank of the word, wrapping to its first blank.
    put(1, 0, 'A');
    g().TypeChar('C', false);
    EXPECT_EQ(cursor(), P(2, 0));
    g().ClickCell(0, 0);
    g().EraseCell(0, 0);
    g().ClickCell(2, 0);
    g().TypeChar('T', false);
    EXPECT_EQ(cursor(), P(0, 0));  // back to the earlier empty cell
    g().TypeChar('C', false);      // word now full
    EXPECT_EQ(cursor(), P(1, 0));  // no blank: the next cell
    g().ClickCell(2, 0);
    g().TypeChar('T', false);
    EXPECT_EQ(cursor(), P(2, 0));  // end of a full word: stays

    g().skipFilled = false;
    g().ClickCell(2, 1);
    put(3, 1, 'W');
    g().TypeChar('O', false);
    EXPECT_EQ(cursor(), P(3, 1));  // next square even though filled
    g().cursorSkip = false;
    g().TypeChar('W', false);
    EXPECT_EQ(cursor(), P(3, 1));
}

TEST_F(NavigationTest, TheHighlightAlwaysMarksExactlyTheCurrentWord) {
    std::mt19937 rng(7);
    for (int step = 0; step < 3000; ++step) {
        const int x = int(rng() % 6), y = int(rng() % 4);
        switch (rng() % 12) {
        case 0: g().ArrowMove(int(rng() % 4) + 1); break;
        case 1: g().ClickCell(x, y); break;
        case 2: g().SwitchDirection(); break;
        case 3: g().MoveByWord(int(rng() % 3), int(rng() % 6) + 1, rng() % 2); break;
        case 4: g().GoToClue(int(rng() % 6) + 1, int(rng() % 3)); break;
        case 5: g().RightClickCell(x, y); break;
        case 6: g().DirectionFromDrag(x, y); break;
        case 7: g().GoToWordStart(rng() % 2); break;
        case 8: g().GoToWordEnd(rng() % 2); break;
        case 9: g().TypeChar(char('A' + rng() % 26), false); break;
        case 10: g().EraseAtCursor(int(rng() % 3)); break;
        case 11:
            g().autoNavSwitch = rng() % 2;
            g().autoNavWord = rng() % 2;
            g().rightMouseMove = rng() % 2;
            break;
        }
        ASSERT_TRUE(g().isWhite(g().cursorX, g().cursorY)) << "step " << step;
        ASSERT_TRUE(highlightIsCurrentWord()) << "step " << step;
        ASSERT_EQ(countFilled(), g().filledCellCount) << "step " << step;
    }
}

// ------------------------------------------------------------ preferences

class PreferencesTest : public EngineTest {};

TEST_F(PreferencesTest, DefaultsApplyWhenNothingIsStored) {
    open(smallGrid());
    EXPECT_FALSE(g().autoCheck);
    EXPECT_TRUE(g().fancyCursor);
    EXPECT_TRUE(g().cursorSkip);
    EXPECT_TRUE(g().skipFilled);
    EXPECT_FALSE(g().autoNavSwitch);
    EXPECT_TRUE(g().autoNavWord);
    EXPECT_FALSE(g().rightMouseMove);
    EXPECT_TRUE(g().arrowPause);
    EXPECT_FALSE(g().pencilMode);
}

TEST_F(PreferencesTest, OnlyOneCountsAsOnExceptPencilWhichIsAnyNonZero) {
    store.writeInt("grid", "cursorskip", 2);
    store.writeInt("grid", "autocheck", 1);
    store.writeInt("grid", "fancycursor", 0);
    store.writeInt("grid", "usepencil", 2);
    doc = std::make_unique<PuzzleDocument>();
    core().document = doc.get();
    grid = buildGrid(smallGrid());
    grid->AttachView(&view);
    EXPECT_FALSE(g().cursorSkip);
    EXPECT_TRUE(g().autoCheck);
    EXPECT_FALSE(g().fancyCursor);
    EXPECT_FALSE(view.hand);
    EXPECT_TRUE(g().pencilMode);
    // The menu check mark and the toolbar button follow the stored pencil value.
    EXPECT_TRUE(services.has("check 40008 1"));
}

TEST_F(PreferencesTest, ClosingWritesAllNineAsZeroOrOne) {
    store.writeInt("grid", "arrowpause", 7);
    open(smallGrid());
    g().ToggleSkipAfterEntry();
    g().TogglePencilMode();
    g().SaveSolvePreferences();
    const std::map<std::string, std::string> want = {
        {"autocheck", "0"},   {"fancycursor", "1"},   {"cursorskip", "0"},
        {"skipfilled", "1"},  {"autonavswitch", "0"}, {"autonavword", "1"},
        {"rightmousemove", "0"}, {"usepencil", "1"},  {"arrowpause", "0"}};
    EXPECT_EQ(store.values["grid"], want);
}

TEST_F(PreferencesTest, AGridWithoutWhiteCellsLeavesStoredValuesAlone) {
    store.writeInt("grid", "cursorskip", 0);
    doc = std::make_unique<PuzzleDocument>();
    core().document = doc.get();
    grid = buildGrid({"..", ".."});
    grid->AttachView(&view);
    EXPECT_EQ(g().cursorX, -1);
    g().SaveSolvePreferences();
    EXPECT_EQ(store.values["grid"].size(), 1u);
    EXPECT_EQ(store.values["grid"]["cursorskip"], "0");
    // Nothing may touch a cell through an invalid cursor.
    g().TypeChar('A', false);
    g().ArrowMove(ArrowRight);
    g().MoveByWord(DirNone, 6, true);
    g().EditCommand(EditRequestExecute, cmd::Cut);
    g().CheckRange(true, true);
    EXPECT_EQ(g().filledCellCount, 0);
}

TEST_F(PreferencesTest, ReattachGivesTheNewViewTheStateWithoutChangingIt) {
    open(smallGrid());
    g().ClickCell(2, 1);
    RecordingGridView second;
    g().ReattachView(&second);
    EXPECT_EQ(second.cursorX, 2);
    EXPECT_EQ(second.cursorY, 1);
    EXPECT_TRUE(second.hand);
    EXPECT_EQ(second.focusCount, 1);
    EXPECT_EQ(g().currentDirection, DirAcross);
    EXPECT_TRUE(highlightIsCurrentWord());
}

}  // namespace
}  // namespace gw::test
