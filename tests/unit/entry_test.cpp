// Entering letters, digits, symbols and multi-letter entries; erasing; the filled
// count, completion messages and the tool events.
#include "engine_fixture.h"
#include "resources/string_ids.h"

namespace gw::test {
namespace {

using P = std::pair<int, int>;

class EntryTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        open(smallGrid());
    }
    // Fills every white cell with its solution letter except the listed one.
    void fillAllBut(int skipX, int skipY) {
        for (int x = 0; x < g().width; ++x)
            for (int y = 0; y < g().height; ++y)
                if (g().isWhite(x, y) && !(x == skipX && y == skipY)) put(x, y, at(x, y).solution);
    }
};

TEST_F(EntryTest, DigitsAndTypedSymbolsStoreAStandInLetterAndThemselves) {
    ASSERT_TRUE(g().SetCellEntry(0, 0, '5', false, false));
    EXPECT_EQ(at(0, 0).fill, 'F');
    ASSERT_TRUE(at(0, 0).userRebus);
    EXPECT_EQ(at(0, 0).userRebus->length, 1);
    EXPECT_EQ(at(0, 0).userRebus->text[0], '5');
    EXPECT_EQ(at(0, 0).userRebus->kind, RebusPlain);

    g().SetCellEntry(1, 0, '%', false, false);
    EXPECT_EQ(at(1, 0).fill, 'P');
    EXPECT_EQ(at(1, 0).userRebus->text[0], '%');

    // The same character from the symbol picker is a symbol with no letter.
    g().SetCellEntry(2, 0, '%', false, true);
    EXPECT_EQ(at(2, 0).fill, '-');
    EXPECT_EQ(at(2, 0).userRebus->kind, RebusSymbol);
    EXPECT_EQ(g().filledCellCount, 3);

    const char digits[] = "0123456789", letters[] = "ZOTTFFSSEN";
    for (int i = 0; i < 10; ++i) {
        g().SetCellEntry(2, 1, digits[i], false, false);
        EXPECT_EQ(at(2, 1).fill, letters[i]) << digits[i];
    }
    const char symbols[] = "@#$%&+?", stand[] = "AHDPAPQ";
    for (int i = 0; i < 7; ++i) {
        g().SetCellEntry(2, 1, symbols[i], false, false);
        EXPECT_EQ(at(2, 1).fill, stand[i]) << symbols[i];
    }
    // A letter replaces a record; anything outside the accepted sets empties the cell.
    g().SetCellEntry(2, 1, 'q', false, false);
    EXPECT_EQ(at(2, 1).fill, 'Q');
    EXPECT_FALSE(at(2, 1).userRebus);
    g().SetCellEntry(2, 1, '!', false, false);
    EXPECT_TRUE(at(2, 1).isEmpty());
    EXPECT_EQ(g().filledCellCount, countFilled());
}

TEST_F(EntryTest, PencilModeGivesUpperCaseWithThePencilMark) {
    g().TogglePencilMode();
    EXPECT_TRUE(services.has("check 40008 1"));
    g().TypeChar('a', false);
    EXPECT_EQ(at(0, 0).fill, 'A');
    EXPECT_TRUE(at(0, 0).flags & Pencil);
    g().TogglePencilMode();
    EXPECT_TRUE(services.has("check 40008 0"));
    g().SetCellEntry(0, 0, 'a', g().pencilMode, false);
    EXPECT_FALSE(at(0, 0).flags & Pencil);
}

TEST_F(EntryTest, ChangingAMarkedCellLeavesTheWasIncorrectMark) {
    put(0, 0, 'X');
    g().CheckRange(false, false);
    ASSERT_TRUE(at(0, 0).flags & Incorrect);
    put(0, 0, 'C');
    EXPECT_FALSE(at(0, 0).flags & Incorrect);
    EXPECT_TRUE(at(0, 0).flags & WasIncorrect);
    g().CheckRange(false, false);  // nothing wrong now
    g().SetCellEntry(0, 0, 'Z', false, false);
    g().CheckRange(false, false);
    g().EraseCell(0, 0);
    EXPECT_EQ(at(0, 0).flags & (Incorrect | WasIncorrect), WasIncorrect);
}

TEST_F(EntryTest, EntriesAndErasesFireEventsAndKeepTheCount) {
    put(0, 0, 'C');
    put(0, 0, 'D');  // overwrite: still one filled cell
    g().SetCellEntry(0, 0, '-', false, false);
    g().EraseCell(0, 0);  // already empty: no event
    EXPECT_EQ(tools.events, (std::vector<int>{23, 23, 24}));
    EXPECT_EQ(g().filledCellCount, 0);
    EXPECT_TRUE(doc->isDirty);
    EXPECT_TRUE(services.has("save on"));
}

TEST_F(EntryTest, FillingWithAWrongLetterShowsTheFilledMessageOnce) {
    fillAllBut(4, 2);
    forget();
    put(4, 2, 'X');
    EXPECT_EQ(tools.events, (std::vector<int>{23, 12}));
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"informationById 40054"}));
    EXPECT_TRUE(view.has("range 0,0-4,2"));
    // Another change in the full, wrong grid says nothing.
    forget();
    put(0, 0, 'Q');
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(tools.events, (std::vector<int>{23}));
}

TEST_F(EntryTest, TheCongratulationComesOnceAndAgainOnlyAfterTheGridWasUnsolved) {
    fillAllBut(4, 2);
    put(4, 2, 'X');
    forget();
    put(4, 2, 'A');  // corrects the last wrong letter
    EXPECT_EQ(tools.events, (std::vector<int>{23, 12}));
    EXPECT_EQ(services.count("congratulations"), 1);
    EXPECT_TRUE(g().congratulated);
    EXPECT_TRUE(services.messages().empty());

    put(4, 2, 'A');  // solved again without ever being unsolved: no second dialog
    EXPECT_EQ(services.count("congratulations"), 1);

    put(4, 2, 'X');  // full and wrong: the flag is cleared
    EXPECT_FALSE(g().congratulated);
    put(4, 2, 'A');
    EXPECT_EQ(services.count("congratulations"), 2);

    g().EraseCell(4, 2);  // erasing also unsolves
    put(4, 2, 'A');
    EXPECT_EQ(services.count("congratulations"), 3);

    // Undo of the last letter empties the cell, which unsolves the grid like an erase.
    g().UndoCommand(EditRequestExecute);
    EXPECT_TRUE(at(4, 2).isEmpty());
    EXPECT_FALSE(g().congratulated);
    put(4, 2, 'A');
    EXPECT_EQ(services.count("congratulations"), 4);
    EXPECT_EQ(services.count("informationById 40054"), 0);
}

// Letters of the ANSI code page beyond A-Z are letters like any other: entered,
// upper-cased, counted, pencilled, and taken back by Undo with their pencil mark.
TEST_F(EntryTest, AccentedLettersAreEnteredAndUpperCased) {
    const char eAcute = char(0xE9), capitalEAcute = char(0xC9);
    ASSERT_TRUE(g().SetCellEntry(0, 0, eAcute, false, false));
    EXPECT_EQ(at(0, 0).fill, capitalEAcute);
    EXPECT_FALSE(at(0, 0).userRebus);
    EXPECT_EQ(g().filledCellCount, 1);

    g().SetCellEntry(1, 0, char(0xFF), true, false);  // y with diaeresis, in pencil
    EXPECT_EQ(at(1, 0).fill, char(0x9F));
    EXPECT_TRUE(at(1, 0).flags & Pencil);
    g().SetCellEntry(1, 0, 'b', false, false);
    g().UndoCommand(EditRequestExecute);
    EXPECT_EQ(at(1, 0).fill, char(0x9F));
    EXPECT_TRUE(at(1, 0).flags & Pencil);

    // Sharp s has no capital: kept as typed, and never read as a pencil mark.
    g().SetCellEntry(2, 0, char(0xDF), false, false);
    EXPECT_EQ(at(2, 0).fill, char(0xDF));
    EXPECT_FALSE(at(2, 0).flags & Pencil);

    // A multi-letter entry is upper-cased whole.
    const char text[] = {'a', char(0xF1), 'o', '\0'};
    ASSERT_TRUE(g().SetCellText(0, 1, text, false));
    EXPECT_STREQ(at(0, 1).userRebus->text, (std::string("A") + char(0xD1) + "O").c_str());
    EXPECT_EQ(g().filledCellCount, countFilled());
}

TEST_F(EntryTest, ALockedSolutionOnlyEverShowsTheFilledMessage) {
    doc->isScrambled = true;
    fillAllBut(4, 2);
    put(4, 2, 'A');
    EXPECT_EQ(services.count("congratulations"), 0);
    EXPECT_EQ(services.count("informationById 40054"), 1);
    EXPECT_FALSE(g().IsSolved());
}

TEST_F(EntryTest, ImmediateCheckingMarksWrongLettersAndTellsTheTools) {
    g().autoCheck = true;
    put(0, 0, 'C');
    EXPECT_FALSE(at(0, 0).flags & Incorrect);
    put(1, 0, 'X');
    EXPECT_TRUE(at(1, 0).flags & Incorrect);
    EXPECT_EQ(tools.events, (std::vector<int>{23, 3, 23}));
    doc->noCheck = true;  // no usable solution: no checking
    put(2, 0, 'X');
    EXPECT_FALSE(at(2, 0).flags & Incorrect);
}

TEST_F(EntryTest, MultiLetterEntries) {
    ASSERT_TRUE(g().SetCellText(0, 0, "heart", false));
    EXPECT_EQ(at(0, 0).fill, 'H');
    EXPECT_EQ(std::string(at(0, 0).userRebus->text, 5), "HEART");
    EXPECT_EQ(at(0, 0).userRebus->length, 5);
    EXPECT_EQ(g().filledCellCount, 1);
    // A digit or symbol first stays itself, anything else gives no letter.
    g().SetCellText(1, 0, "5AB", false);
    EXPECT_EQ(at(1, 0).fill, '5');
    g().SetCellText(2, 0, "!AB", false);
    EXPECT_EQ(at(2, 0).fill, '-');
    EXPECT_FALSE(at(2, 0).isEmpty());
    EXPECT_EQ(g().filledCellCount, 3);

    EXPECT_FALSE(g().SetCellText(2, 1, "ABCDEFGHI", false));  // nine is too many
    EXPECT_FALSE(g().SetCellText(2, 1, nullptr, false));
    EXPECT_TRUE(at(2, 1).isEmpty());
    EXPECT_TRUE(g().SetCellText(0, 0, "", false));  // empty text erases
    EXPECT_TRUE(at(0, 0).isEmpty());
    EXPECT_EQ(g().filledCellCount, 2);
    EXPECT_EQ(g().filledCellCount, countFilled());
}

TEST_F(EntryTest, TypeTextEntersAtTheCursorAndMovesOn) {
    g().TypeText("ab");
    EXPECT_EQ(std::string(at(0, 0).userRebus->text), "AB");
    EXPECT_EQ(cursor(), P(1, 0));
    EXPECT_TRUE(view.has("cell 0,0"));
}

TEST_F(EntryTest, RevealedCellsRefuseEverythingButTheCursorMovesOn) {
    g().ClickCell(1, 0);
    g().CheckRange(true, false);  // reveal (1,0)
    ASSERT_TRUE(at(1, 0).flags & Revealed);
    forget();
    g().TypeChar('X', false);
    EXPECT_EQ(at(1, 0).fill, 'A');
    EXPECT_EQ(cursor(), P(2, 0));  // moved on anyway
    g().ClickCell(1, 0);
    g().EraseAtCursor(0);  // Delete
    EXPECT_EQ(at(1, 0).fill, 'A');
    EXPECT_EQ(cursor(), P(1, 0));
    g().EraseAtCursor(2);  // Backspace: unchanged, but back one cell
    EXPECT_EQ(at(1, 0).fill, 'A');
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_FALSE(g().SetCellText(1, 0, "AB", false));
    EXPECT_TRUE(tools.events.empty());
    EXPECT_FALSE(doc->isDirty);
}

TEST_F(EntryTest, SpaceAndBackspaceMoveWithinTheWordOnly) {
    type("CA");
    g().ClickCell(1, 0);
    g().EraseAtCursor(1);  // space: erase and step forward
    EXPECT_TRUE(at(1, 0).isEmpty());
    EXPECT_EQ(cursor(), P(2, 0));
    g().EraseAtCursor(1);  // at the word's end: stays
    EXPECT_EQ(cursor(), P(2, 0));
    g().EraseAtCursor(2);  // Backspace erases where it is, then steps back
    g().EraseAtCursor(2);
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_EQ(at(0, 0).fill, 'C');
    g().EraseAtCursor(2);  // at the word's start: erases and stays
    EXPECT_EQ(cursor(), P(0, 0));
    EXPECT_TRUE(at(0, 0).isEmpty());
}

TEST_F(EntryTest, TogglingPencilKeepsTheContentAndStepsOn) {
    put(0, 0, 'C');
    g().TogglePencilAtCursor();
    EXPECT_TRUE(at(0, 0).flags & Pencil);
    EXPECT_EQ(at(0, 0).fill, 'C');
    EXPECT_EQ(cursor(), P(1, 0));

    g().SetCellEntry(1, 0, '7', false, false);  // typed digit keeps itself
    g().TogglePencilAtCursor();
    EXPECT_EQ(at(1, 0).userRebus->text[0], '7');
    EXPECT_TRUE(at(1, 0).flags & Pencil);

    g().SetCellText(2, 0, "TEN", false);  // several letters become the one letter
    g().ClickCell(2, 0);
    g().TogglePencilAtCursor();
    EXPECT_EQ(at(2, 0).fill, 'T');
    EXPECT_FALSE(at(2, 0).userRebus);

    g().SetCellEntry(2, 1, char(0xA9), false, true);  // a picker symbol outside the set
    g().ClickCell(2, 1);
    g().TogglePencilAtCursor();
    EXPECT_TRUE(at(2, 1).isEmpty());
    EXPECT_EQ(g().filledCellCount, countFilled());
}

TEST_F(EntryTest, CirclingMarksModifiedWithoutUndoOrEvents) {
    g().ToggleCircle();
    EXPECT_TRUE(at(0, 0).flags & Circled);
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(g().undo.kind, UndoNothing);
    EXPECT_TRUE(tools.events.empty());
    EXPECT_TRUE(view.has("cell 0,0"));
    g().ToggleCircle();
    EXPECT_FALSE(at(0, 0).flags & Circled);
}

}  // namespace
}  // namespace gw::test
