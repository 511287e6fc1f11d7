// Cut, Copy, Paste, Erase, Selective Erase, the word text format and undo.
#include "engine_fixture.h"

namespace gw::test {
namespace {

using P = std::pair<int, int>;

class ClipboardTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        open(smallGrid());
    }
    void edit(int command) { g().EditCommand(EditRequestExecute, command); }
    void undo() { g().UndoCommand(EditRequestExecute); }
    void paste(const std::string& text) {
        services.clipboard = text;
        edit(cmd::Paste);
    }
};

TEST_F(ClipboardTest, CopyWritesTheWordTextAndChangesNothing) {
    put(0, 0, 'C');
    put(2, 0, 'T');
    forget();
    edit(cmd::Copy);
    EXPECT_EQ(services.clipboard, std::optional<std::string>("C T"));
    EXPECT_EQ(g().filledCellCount, 2);
    EXPECT_FALSE(doc->isDirty);
    EXPECT_EQ(g().undo.kind, UndoCell);  // still the last letter's record
    // Pasting it back leaves the blank cell empty.
    paste("C T");
    EXPECT_EQ(fills()[0], "C-T.-");
    EXPECT_EQ(g().filledCellCount, 2);
}

TEST_F(ClipboardTest, WordTextShowsPencilMultiLetterDigitAndSymbolEntries) {
    g().SetCellEntry(0, 0, 'x', true, false);
    g().SetCellText(1, 0, "HEART", false);
    g().SetCellEntry(2, 0, char(0xA9), false, true);
    EXPECT_EQ(g().WordText(0, 0, 2, 0), "xH[HEART] [#169]");
    g().SetCellEntry(2, 0, '5', true, false);
    EXPECT_EQ(g().WordText(2, 0, 2, 0), "f[5]");
    // Column by column, each column from the top.
    g().SetDirection(DirDown);
    put(0, 1, 'A');
    EXPECT_EQ(g().WordText(0, 0, 0, 2), "xA ");
}

TEST_F(ClipboardTest, CutAndPasteBringBackEveryKindOfEntry) {
    g().SetCellEntry(0, 0, 'x', true, false);
    g().SetCellText(1, 0, "HEART", true);
    g().SetCellEntry(2, 0, '%', true, false);
    edit(cmd::Cut);
    EXPECT_EQ(services.clipboard, std::optional<std::string>("xh[HEART]p[%]"));
    EXPECT_EQ(g().filledCellCount, 0);
    paste(*services.clipboard);
    EXPECT_EQ(fills()[0].substr(0, 3), "xhp");
    EXPECT_EQ(std::string(at(1, 0).userRebus->text), "HEART");
    EXPECT_EQ(at(2, 0).userRebus->text[0], '%');
    EXPECT_EQ(at(2, 0).fill, 'P');
    EXPECT_EQ(g().filledCellCount, 3);

    // A picker symbol comes back as a pen symbol.
    g().SetCellEntry(0, 0, char(0xA9), true, true);
    edit(cmd::Cut);
    paste(*services.clipboard);
    ASSERT_TRUE(at(0, 0).userRebus);
    EXPECT_EQ(at(0, 0).userRebus->kind, RebusSymbol);
    EXPECT_EQ(static_cast<unsigned char>(at(0, 0).userRebus->text[0]), 0xA9);
    EXPECT_FALSE(at(0, 0).flags & Pencil);
    EXPECT_EQ(g().filledCellCount, countFilled());
}

TEST_F(ClipboardTest, SelectiveEraseKeepsExactlyTheLettersOfCompletedCrossings) {
    open({"ABC", "DEF", "GHI"}, {"A-C", "DEF", "GHI"});
    g().ClickCell(0, 1);  // 4 Across DEF
    ASSERT_EQ(g().currentDirection, DirAcross);
    services.clipboard.reset();
    edit(cmd::SelectiveErase);
    EXPECT_EQ(fills(), (std::vector<std::string>{"A-C", "D-F", "GHI"}));
    EXPECT_EQ(services.clipboard, std::optional<std::string>("DEF"));  // the whole former word
    EXPECT_EQ(g().filledCellCount, 7);
}

TEST_F(ClipboardTest, SelectiveEraseDropsLettersWithoutACrossingWord) {
    put(2, 0, 'T');
    put(2, 2, 'S');
    put(4, 0, 'S');
    put(4, 2, 'A');
    g().GoToClue(4, DirAcross);
    g().SetCellText(2, 1, "O", false);
    put(3, 1, 'W');
    put(4, 1, 'E');
    edit(cmd::SelectiveErase);
    // O and E complete 2 and 3 Down; W crosses no word.
    EXPECT_EQ(fills()[1], "-.O-E");
}

TEST_F(ClipboardTest, EraseLeavesTheClipboardAndOneUndoRestoresTheWord) {
    g().SetCellEntry(0, 0, 'c', true, false);
    put(1, 0, 'A');
    put(2, 0, 'T');
    services.clipboard = "KEEP";
    g().ClickCell(1, 0);
    edit(cmd::Erase);
    EXPECT_EQ(fills()[0].substr(0, 3), "---");
    EXPECT_EQ(services.clipboard, std::optional<std::string>("KEEP"));
    EXPECT_EQ(g().undo.kind, UndoWord);
    g().ClickCell(2, 1);  // wander off: undo goes back to the word
    g().SetDirection(DirDown);
    undo();
    EXPECT_EQ(fills()[0].substr(0, 3), "cAT");
    EXPECT_EQ(cursor(), P(1, 0));
    EXPECT_EQ(g().currentDirection, DirAcross);
    undo();  // and redo
    EXPECT_EQ(fills()[0].substr(0, 3), "---");
    undo();
    EXPECT_EQ(fills()[0].substr(0, 3), "cAT");
    EXPECT_EQ(g().filledCellCount, countFilled());
}

TEST_F(ClipboardTest, TypingThenUndoTwiceLeavesTheLetter) {
    g().TypeChar('C', false);
    ASSERT_EQ(cursor(), P(1, 0));
    undo();
    EXPECT_TRUE(at(0, 0).isEmpty());
    EXPECT_EQ(cursor(), P(0, 0));
    undo();
    EXPECT_EQ(at(0, 0).fill, 'C');
    EXPECT_EQ(g().filledCellCount, 1);
}

TEST_F(ClipboardTest, UndoRestoresPenOrPencilAndRecords) {
    g().SetCellEntry(0, 0, 'c', true, false);  // pencil C
    g().TogglePencilMode();
    g().TypeChar('X', false);  // pencil mode: X over it
    undo();
    EXPECT_EQ(at(0, 0).fill, 'C');
    EXPECT_TRUE(at(0, 0).flags & Pencil);

    g().SetCellText(1, 0, "HEART", false);
    g().SetCellEntry(1, 0, 'Q', false, false);
    undo();
    EXPECT_EQ(std::string(at(1, 0).userRebus->text), "HEART");
    g().SetCellEntry(1, 0, char(0xA9), false, true);
    g().SetCellEntry(1, 0, 'Q', true, false);
    undo();
    EXPECT_EQ(at(1, 0).userRebus->kind, RebusSymbol);
    EXPECT_FALSE(at(1, 0).flags & Pencil);
    g().SetCellEntry(1, 0, '7', true, false);
    g().EraseCell(1, 0);
    undo();
    EXPECT_EQ(at(1, 0).fill, 'S');
    EXPECT_EQ(at(1, 0).userRebus->text[0], '7');
    EXPECT_TRUE(at(1, 0).flags & Pencil);
    EXPECT_EQ(g().filledCellCount, countFilled());
}

TEST_F(ClipboardTest, UndoRestoresTheDirectionOfTheChange) {
    g().SetDirection(DirDown);
    put(0, 0, 'C');
    g().SetDirection(DirAcross);
    undo();
    EXPECT_EQ(g().currentDirection, DirDown);
    EXPECT_TRUE(highlightIsCurrentWord());
}

TEST_F(ClipboardTest, PastingTooLongATextAsksAndTruncates) {
    open({"WORD"});
    services.answers = {AnswerCancel};
    paste("PLANET");
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"questionById 23"}));
    EXPECT_EQ(fills()[0], "----");
    services.answers = {AnswerOk};
    paste("planet");
    EXPECT_EQ(fills()[0], "plan");
    EXPECT_EQ(g().filledCellCount, 4);
    // The bracket groups do not count as cells.
    forget();
    paste("A[AB]B[#64]CD");
    EXPECT_FALSE(services.has("questionById 23"));
    EXPECT_EQ(fills()[0], "A-CD");  // a picker symbol shows no letter
    EXPECT_EQ(at(1, 0).userRebus->text[0], '@');
    EXPECT_EQ(std::string(at(0, 0).userRebus->text), "AB");
}

TEST_F(ClipboardTest, PastingAnythingButWordCharactersIsRefused) {
    put(0, 0, 'C');
    for (const char* bad : {"AB\nC", "AB!", "A-B", "a\tb"}) {
        forget();
        paste(bad);
        EXPECT_EQ(services.messages(), (std::vector<std::string>{"warningById 22"})) << bad;
        EXPECT_EQ(fills()[0], "C--.-") << bad;
    }
    services.clipboard.reset();
    forget();
    edit(cmd::Paste);
    EXPECT_TRUE(services.calls.empty());
    std::string t = "a b@#$%&+?[]#09Z";
    EXPECT_TRUE(PuzzleGrid::ValidatePasteText(t));
    EXPECT_EQ(t, "a-b@#$%&+?[]#09Z");
}

// Accented letters go through the clipboard like A-Z: a pencilled one in lower case.
TEST_F(ClipboardTest, AccentedLettersRoundTripWithTheirPencilMarks) {
    g().SetCellEntry(0, 0, char(0xE9), true, false);   // e acute, pencil
    g().SetCellEntry(1, 0, char(0xD1), false, false);  // capital n tilde, pen
    edit(cmd::Cut);
    EXPECT_EQ(services.clipboard, std::optional<std::string>(std::string{char(0xE9), char(0xD1), ' '}));
    paste(*services.clipboard);
    EXPECT_EQ(at(0, 0).fill, char(0xC9));
    EXPECT_TRUE(at(0, 0).flags & Pencil);
    EXPECT_EQ(at(1, 0).fill, char(0xD1));
    EXPECT_FALSE(at(1, 0).flags & Pencil);
    EXPECT_EQ(g().filledCellCount, 2);
}

TEST_F(ClipboardTest, BracketsHoldASymbolCodeOnlyWhenTheyHoldDigits) {
    // A typed '#' is copied as "H[#]" and must paste back as itself.
    g().SetCellEntry(0, 0, '#', false, false);
    g().SetCellText(1, 0, "#1X", false);
    edit(cmd::Cut);
    EXPECT_EQ(services.clipboard, std::optional<std::string>("H[#]#[#1X] "));
    paste(*services.clipboard);
    EXPECT_EQ(at(0, 0).fill, 'H');
    EXPECT_EQ(at(0, 0).userRebus->text[0], '#');
    EXPECT_EQ(at(0, 0).userRebus->kind, RebusPlain);
    EXPECT_EQ(std::string(at(1, 0).userRebus->text), "#1X");
    // Codes wrap at 256; a code of 0 cannot be stored and leaves the cell empty.
    paste("A[#321]B[#256]C[]");
    EXPECT_EQ(static_cast<unsigned char>(at(0, 0).userRebus->text[0]), 65);
    EXPECT_EQ(at(0, 0).userRebus->kind, RebusSymbol);
    EXPECT_TRUE(at(1, 0).isEmpty());
    EXPECT_TRUE(at(2, 0).isEmpty());
    // An unclosed bracket is refused before anything changes.
    put(2, 0, 'T');
    paste("Q[AB");
    EXPECT_EQ(at(2, 0).fill, 'T');
    EXPECT_EQ(g().filledCellCount, countFilled());
}

// The pre-count and the walk read the text the same way: what the question counts is
// what gets entered, and a group that belongs to no letter refuses the whole text.
TEST_F(ClipboardTest, PasteCountsAndEntersTheSameCells) {
    open({"WORDS"});
    for (const char* bad : {"[AB]CD", "A[BC][DE]F", "AB["}) {
        forget();
        paste(bad);
        EXPECT_TRUE(services.calls.empty()) << bad;
        EXPECT_EQ(fills()[0], "-----") << bad;
    }
    // A group longer than a cell can hold still fills only its own cell (which refuses
    // it), so what follows lands where the count put it.
    paste("A[ABCDEFGHIJKL]B[#64]C");
    EXPECT_FALSE(services.has("questionById 23"));
    EXPECT_TRUE(at(0, 0).isEmpty());
    EXPECT_EQ(at(1, 0).userRebus->text[0], '@');
    EXPECT_EQ(fills()[0].substr(1), "-C--");
}

// An Undo whose replay is cancelled keeps its record, so the user can still undo.
TEST_F(ClipboardTest, CancelledUndoKeepsTheRecord) {
    open({"WORD"});
    // A ']' inside an entry makes the recorded text count more cells than the word has.
    g().SetCellText(0, 0, "A]B", false);
    put(1, 0, 'O');
    edit(cmd::Erase);
    ASSERT_EQ(g().undo.kind, UndoWord);
    services.answers = {AnswerCancel};
    undo();
    EXPECT_EQ(fills()[0], "----");
    EXPECT_EQ(g().undo.kind, UndoWord);
    EXPECT_TRUE(g().IsCommandEnabled(cmd::Undo));
    services.answers = {AnswerOk};
    undo();
    EXPECT_EQ(fills()[0], "AB-O");
}

TEST_F(ClipboardTest, RevealedCellsKeepTheirLettersThroughWordCommands) {
    g().ClickCell(1, 0);
    g().CheckRange(true, false);
    put(0, 0, 'C');
    edit(cmd::Cut);
    EXPECT_EQ(fills()[0].substr(0, 3), "-A-");
    edit(cmd::Erase);
    paste("XYZ");
    EXPECT_EQ(fills()[0].substr(0, 3), "XAZ");
}

TEST_F(ClipboardTest, LongMultiLetterWordsComeBackWhole) {
    open({"ABCDE"});
    const char* words[] = {"ALPHABET", "BRAVOBRA", "CHARLIES", "DELTADEL", "ECHOECHO"};
    for (int x = 0; x < 5; ++x) g().SetCellText(x, 0, words[x], false);
    edit(cmd::Erase);
    EXPECT_EQ(g().filledCellCount, 0);
    undo();
    for (int x = 0; x < 5; ++x) {
        ASSERT_TRUE(at(x, 0).userRebus) << x;
        EXPECT_EQ(std::string(at(x, 0).userRebus->text), words[x]);
    }
}

TEST_F(ClipboardTest, MenuStatesFollowTheClipboardAndTheUndoRecord) {
    services.clipboard.reset();
    g().EditCommand(EditRequestMenuState, 0);
    for (const char* line : {"enable 40014 1", "enable 40015 1", "enable 40017 1", "enable 40049 1", "enable 40016 0"})
        EXPECT_TRUE(services.has(line)) << line;
    services.clipboard = "X";
    forget();
    g().EditCommand(EditRequestMenuState, 0);
    EXPECT_TRUE(services.has("enable 40016 1"));

    g().UndoCommand(EditRequestMenuState);
    EXPECT_TRUE(services.has("enable 40013 0"));
    EXPECT_FALSE(g().IsCommandEnabled(cmd::Undo));
    put(0, 0, 'C');
    forget();
    g().UndoCommand(EditRequestMenuState);
    EXPECT_TRUE(services.has("enable 40013 1"));
    // A check that changes a cell forgets the record.
    put(1, 0, 'X');
    g().CheckAll(false);
    EXPECT_FALSE(g().IsCommandEnabled(cmd::Undo));
}

}  // namespace
}  // namespace gw::test
