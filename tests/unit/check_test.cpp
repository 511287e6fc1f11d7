// Checking and revealing against the solution, Clear Grid and the solved test.
#include <cstring>

#include "engine_fixture.h"

namespace gw::test {
namespace {

std::unique_ptr<RebusEntry> entry(const char* text, uint8_t kind) {
    auto e = std::make_unique<RebusEntry>();
    e->length = int16_t(std::strlen(text));
    std::memcpy(e->text, text, size_t(e->length));
    e->kind = kind;
    return e;
}

class CheckTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        open(smallGrid());
    }
};

TEST_F(CheckTest, MultiLetterAndSymbolAnswers) {
    GridCell& c = at(0, 0);  // solution letter C
    c.solutionRebus = entry("CAB", RebusPlain);
    put(0, 0, 'C');
    EXPECT_TRUE(g().IsCellCorrect(c));  // only the first letter typed
    g().SetCellText(0, 0, "CAB", false);
    EXPECT_TRUE(g().IsCellCorrect(c));
    g().SetCellText(0, 0, "CAD", false);
    EXPECT_FALSE(g().IsCellCorrect(c));
    g().SetCellText(0, 0, "CA", false);
    EXPECT_FALSE(g().IsCellCorrect(c));

    GridCell& s = at(1, 0);  // solution letter A
    s.solutionRebus = entry("*", RebusSymbolStar);
    g().SetCellEntry(1, 0, char(0xA9), false, true);
    EXPECT_TRUE(g().IsCellCorrect(s));  // any symbol will do
    s.solutionRebus->kind = RebusSymbol;
    EXPECT_FALSE(g().IsCellCorrect(s));
    g().SetCellEntry(1, 0, '*', false, true);
    EXPECT_TRUE(g().IsCellCorrect(s));
    // A typed stand-in letter is judged by the letter alone.
    g().SetCellEntry(1, 0, '@', false, false);  // 'A'
    EXPECT_TRUE(g().IsCellCorrect(s));
}

TEST_F(CheckTest, CheckingAWordOfRightAndEmptyLettersFindsNothing) {
    put(0, 0, 'C');
    forget();
    g().CheckRange(false, true);
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"informationById 42"}));
    EXPECT_EQ(at(0, 0).flags & Incorrect, 0);
    EXPECT_FALSE(doc->isDirty);
}

TEST_F(CheckTest, CheckingAWordMarksOnlyFilledWrongLetters) {
    put(0, 0, 'C');
    put(1, 0, 'X');
    g().undo.kind = UndoCell;
    forget();
    g().CheckRange(false, true);
    EXPECT_TRUE(at(1, 0).flags & Incorrect);
    EXPECT_FALSE(at(0, 0).flags & Incorrect);
    EXPECT_FALSE(at(2, 0).flags & Incorrect);
    EXPECT_TRUE(services.messages().empty());
    EXPECT_TRUE(doc->isDirty);
    EXPECT_TRUE(view.has("range 0,0-2,0"));
    EXPECT_EQ(g().undo.kind, UndoNothing);
    EXPECT_TRUE(tools.events.empty());  // a check command alone tells no tool
}

TEST_F(CheckTest, RevealingAWordFillsItsEmptyCellsAndLocksThem) {
    put(1, 0, 'X');
    forget();
    g().CheckRange(true, true);
    EXPECT_EQ(fills()[0].substr(0, 3), "CAT");
    for (int x = 0; x < 3; ++x) EXPECT_TRUE(at(x, 0).flags & Revealed) << x;
    EXPECT_EQ(tools.events, (std::vector<int>{25, 25, 25}));
    EXPECT_EQ(g().filledCellCount, 3);
    // Revealing the current letter when it is right already finds nothing.
    forget();
    g().CheckRange(true, false);
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"informationById 42"}));
}

TEST_F(CheckTest, RevealCopiesTheMultiLetterAnswer) {
    at(0, 0).solutionRebus = entry("CAB", RebusPlain);
    g().SetCellEntry(0, 0, '5', true, false);
    g().CheckRange(true, false);
    ASSERT_TRUE(at(0, 0).userRebus);
    EXPECT_EQ(std::string(at(0, 0).userRebus->text), "CAB");
    EXPECT_EQ(at(0, 0).fill, 'C');
    EXPECT_EQ(at(0, 0).flags & (Pencil | Revealed), Revealed);
    // Without a multi-letter answer the solver's record goes.
    g().SetCellEntry(1, 0, '9', false, false);
    g().ClickCell(1, 0);
    g().CheckRange(true, false);
    EXPECT_FALSE(at(1, 0).userRebus);
}

TEST_F(CheckTest, RevealingTheWholeSolutionOfAnEmptyGridCongratulatesOnce) {
    services.answers = {AnswerOk};
    g().CheckAll(true);
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"questionById 41"}));
    EXPECT_EQ(services.count("congratulations"), 1);
    EXPECT_EQ(g().filledCellCount, g().letterCellCount);
    EXPECT_TRUE(g().IsSolved());
    EXPECT_EQ(tools.count(25), 12);
}

TEST_F(CheckTest, CancellingTheWholeRevealChangesNothing) {
    services.answers = {AnswerCancel};
    g().CheckAll(true);
    EXPECT_EQ(g().filledCellCount, 0);
    EXPECT_TRUE(tools.events.empty());
}

TEST_F(CheckTest, RevealingWrongLettersOfAFullGridReportsFilledUntilTheLast) {
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 3; ++y)
            if (g().isWhite(x, y)) put(x, y, at(x, y).solution);
    put(0, 0, 'X');
    put(4, 2, 'X');
    forget();
    g().RevealIncorrect();
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"informationById 40054"}));
    // The filled message after the first reveal, the congratulation after the last.
    EXPECT_EQ(services.count("congratulations"), 1);
    EXPECT_TRUE(g().congratulated);
}

TEST_F(CheckTest, RevealIncorrectLeavesEmptyCellsAndSaysNothingWhenAllIsRight) {
    put(0, 0, 'C');
    put(1, 0, 'X');
    g().RevealIncorrect();
    EXPECT_TRUE(at(1, 0).flags & Revealed);
    EXPECT_FALSE(at(0, 0).flags & Revealed);
    EXPECT_TRUE(at(2, 0).isEmpty());
    forget();
    g().RevealIncorrect();
    EXPECT_TRUE(services.calls.empty());
    EXPECT_FALSE(doc->isDirty);
}

TEST_F(CheckTest, CheckAllWithImmediateCheckingTellsToolsOfEveryWrongCell) {
    g().autoCheck = true;
    put(0, 0, 'X');  // marked at once
    g().autoCheck = false;
    put(1, 0, 'Y');
    put(2, 0, 'T');
    g().autoCheck = true;
    forget();
    g().CheckAll(false);
    EXPECT_EQ(tools.count(3), 2);  // also for the cell that was marked already
    EXPECT_TRUE(at(1, 0).flags & Incorrect);
    EXPECT_TRUE(services.messages().empty());
    g().autoCheck = false;
    put(0, 0, 'C');
    put(1, 0, 'A');
    forget();
    g().CheckAll(false);
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"informationById 42"}));
}

TEST_F(CheckTest, ALockedSolutionIsNeverComparedOrCopied) {
    doc->isScrambled = true;
    put(1, 0, 'X');
    services.answers = {AnswerOk};
    g().CheckRange(true, true);
    g().CheckAll(true);
    g().RevealIncorrect();
    EXPECT_EQ(at(1, 0).fill, 'X');
    EXPECT_FALSE(at(0, 0).flags & Revealed);
}

TEST_F(CheckTest, ClearGridKeepsCirclesAndRemovesEverythingElse) {
    g().ToggleCircle();
    put(0, 0, 'C');
    g().SetCellText(2, 0, "TEA", true);
    g().ClickCell(1, 0);
    g().CheckRange(true, false);  // revealed (1,0)
    put(2, 1, 'X');
    g().ClickCell(2, 1);
    g().CheckRange(false, false);
    put(4, 0, 'S');
    g().congratulated = true;

    forget();
    services.answers = {AnswerCancel};
    g().ClearGrid();
    EXPECT_EQ(g().filledCellCount, 5);
    EXPECT_TRUE(tools.events.empty());

    forget();
    services.answers = {AnswerOk};
    g().ClearGrid();
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"questionById 24"}));
    EXPECT_EQ(tools.events, (std::vector<int>{1, 27}));
    EXPECT_EQ(g().filledCellCount, 0);
    EXPECT_EQ(countFilled(), 0);
    EXPECT_FALSE(g().congratulated);
    EXPECT_EQ(g().undo.kind, UndoNothing);
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(at(0, 0).flags & (Circled | Pencil | Revealed), Circled);
    EXPECT_EQ(at(1, 0).flags & Revealed, 0);
    EXPECT_EQ(at(2, 0).flags & Pencil, 0);
    EXPECT_EQ(at(2, 1).flags & (Incorrect | WasIncorrect), 0);
    EXPECT_TRUE(highlightIsCurrentWord());  // the highlight survives
    EXPECT_TRUE(at(0, 0).flags & AcrossStart);
    // The revealed cell takes letters again.
    EXPECT_TRUE(g().SetCellEntry(1, 0, 'Q', false, false));
}

TEST_F(CheckTest, RecheckAfterUnlockCongratulatesAFullCorrectGridOnce) {
    doc->isScrambled = true;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 3; ++y)
            if (g().isWhite(x, y)) put(x, y, at(x, y).solution);
    EXPECT_EQ(services.count("congratulations"), 0);
    doc->isScrambled = false;
    g().RecheckSolved();
    g().RecheckSolved();
    EXPECT_EQ(services.count("congratulations"), 1);
    g().EraseCell(0, 0);
    g().congratulated = false;
    g().RecheckSolved();  // not full
    EXPECT_EQ(services.count("congratulations"), 1);
}

}  // namespace
}  // namespace gw::test
