// The clue lists and the prompt in the real shell: they follow the cursor, a click on
// a clue moves it, keys typed in a list reach the grid, a squeezed list turns into
// one line, long items get a tip and a long clue a smaller type.
#include "grid_test_support.h"
#include "plugins/host/tool_api.h"
#include "shell/layout_manager.h"
#include "shell/split_pane.h"
#include "shell_harness.h"
#include "views/clue_geometry.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"

namespace gw::wintest {
namespace {

std::string itemText(HWND list, int item) {
    char text[512] = {};
    SendMessageA(list, LB_GETTEXT, WPARAM(item), reinterpret_cast<LPARAM>(text));
    return text;
}

void clickItem(HWND list, int item) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
}

class ClueListsInShell : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettings();
        path = freshFolder("cluelists") + "\\daily.puz";
        writePuzzle(path);
        writeRegistry("geometry", "width", "800");
        writeRegistry("geometry", "height", "600");
        shell = std::make_unique<Shell>("\"" + path + "\"");
        layout = shell->frame().layout();
        ASSERT_NE(layout, nullptr);
        lists = layout->clueLists();
        SetForegroundWindow(shell->hwnd());
    }
    void TearDown() override {
        shell.reset();
        clearSettings();
    }
    std::string path;
    std::unique_ptr<Shell> shell;
    LayoutManager* layout = nullptr;
    ClueLists* lists = nullptr;
};

TEST_F(ClueListsInShell, FollowTheCursorAndMoveItOnAClick) {
    HWND across = lists->listBox(0), down = lists->listBox(1);
    EXPECT_EQ(itemText(across, 0), "   1. A1");
    EXPECT_EQ(itemText(across, 3), "   7. A4");
    EXPECT_EQ(SendMessageA(across, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(lists->currentPane(), lists->pane(0));
    EXPECT_EQ(layout->prompt()->text().value_or(""), "1. A1");

    RecordingTools tools;
    clickItem(down, 2);
    PuzzleGrid& grid = *shell->doc().grid;
    EXPECT_EQ(grid.cursorX, 2);
    EXPECT_EQ(grid.cursorY, 0);
    EXPECT_EQ(grid.currentDirection, DirDown);
    EXPECT_EQ(lists->currentPane(), lists->pane(1));
    EXPECT_EQ(layout->prompt()->text().value_or(""), "3. D3");
    EXPECT_EQ(tools.count(ClueSelected), 1);
    // Down's number changed once (the cursor moves before the direction turns); Across
    // stays at 1.
    EXPECT_EQ(tools.count(CurrentClueChanged) + tools.count(CrossingClueChanged), 1);

    // A notification of the list that reaches the frame is no command: the focus stays.
    SetFocus(down);
    SendMessageA(shell->hwnd(), WM_COMMAND, MAKEWPARAM(ClueLists::ListIdBase + 1, LBN_SELCHANGE), LPARAM(down));
    EXPECT_EQ(GetFocus(), down);
    EXPECT_EQ(shell->app->editHandler(), nullptr);
    EXPECT_EQ(shell->app->undoHandler(), nullptr);

    // Typing in the list fills the grid and gives the grid the focus back.
    SendMessageA(down, WM_CHAR, 'q', 1);
    EXPECT_EQ(grid.cell(2, 0).fill, 'Q');
    EXPECT_EQ(GetFocus(), layout->gridView()->canvas());
    EXPECT_NE(shell->app->editHandler(), nullptr);
}

TEST_F(ClueListsInShell, CurrentAndCrossingCluesHaveTheirColours) {
    const ColourRecord& currentBg = shell->frame().fontsAndColours()->currentClue;
    const ColourRecord& crossText = shell->frame().fontsAndColours()->crossClueText;
    test::MemoryCanvas canvas(200, 60);
    const RECT row{0, 0, 200, lists->itemHeight()};
    auto paint = [&](int list, bool selected) {
        RECT r = row;
        FillRect(canvas.dc(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        lists->paintItem(canvas.dc(), r, list, itemText(lists->listBox(list), 0), selected);
        return canvas.count(crossText.colour, 0, 0, 200, row.bottom);
    };
    // The cursor is in 1 Across: Across holds the current clue, Down the crossing one.
    EXPECT_GT(paint(0, true), 10);
    EXPECT_EQ(canvas.pixel(199, 1), COLORREF(currentBg.colour));
    EXPECT_GT(paint(1, true), 10);
    EXPECT_EQ(canvas.pixel(199, 1), RGB(255, 255, 255));
    EXPECT_EQ(paint(1, false), 0);
    EXPECT_GT(canvas.count(RGB(0, 0, 0), 0, 0, 200, row.bottom), 10);
}

TEST_F(ClueListsInShell, TheListWithTheKeyboardMarksItsItemWithAFocusRectangle) {
    // Drawn through the list's owner, as the list asks for it, onto a canvas.
    test::MemoryCanvas canvas(200, 60);
    const int height = lists->itemHeight();
    auto marks = [&](UINT action, UINT state) {
        RECT r{0, 0, 200, height};
        FillRect(canvas.dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_LISTBOX;
        d.CtlID = ClueLists::ListIdBase + 1;
        d.itemAction = action;
        d.itemState = state;
        d.hwndItem = lists->listBox(1);
        d.hDC = canvas.dc();
        d.rcItem = r;
        SendMessageA(lists->pane(1), WM_DRAWITEM, d.CtlID, reinterpret_cast<LPARAM>(&d));
        // The left edge, left of the number column: the background unless a focus
        // rectangle runs down it.
        return height - 1 - canvas.count(RGB(255, 255, 255), 0, 0, 1, height - 1);
    };
    EXPECT_EQ(marks(ODA_DRAWENTIRE, ODS_SELECTED), 0);
    EXPECT_GT(marks(ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS), 2);
    EXPECT_GT(marks(ODA_FOCUS, ODS_SELECTED | ODS_FOCUS), 2);
    // Losing the keyboard repaints the item without it; hidden keyboard cues show none.
    EXPECT_EQ(marks(ODA_FOCUS, ODS_SELECTED), 0);
    EXPECT_EQ(marks(ODA_DRAWENTIRE, ODS_SELECTED | ODS_FOCUS | ODS_NOFOCUSRECT), 0);
}

TEST_F(ClueListsInShell, ASqueezedListShowsItsClueOnOneLineAndComesBack) {
    SplitPane* column = layout->cluePane();
    const int header = lists->headerHeight();
    column->setChildExtent(lists->pane(0), 0, 2 * header);
    EXPECT_TRUE(lists->compact(0));
    EXPECT_FALSE(IsWindowVisible(lists->listBox(0)));
    EXPECT_TRUE(IsWindowVisible(lists->field(0)));
    char text[64] = {};
    GetWindowTextA(lists->field(0), text, sizeof text);
    EXPECT_STREQ(text, "A1");

    column->setChildExtent(lists->pane(0), 0, 10 * header);
    EXPECT_FALSE(lists->compact(0));
    EXPECT_TRUE(IsWindowVisible(lists->listBox(0)));
    EXPECT_EQ(SendMessageA(lists->listBox(0), LB_GETCURSEL, 0, 0), 0);
}

TEST_F(ClueListsInShell, AnItemWiderThanTheListGetsATipUntilThePointerLeaves) {
    layout->mainPane()->setChildExtent(layout->cluePane()->hwnd(), 45, 0);
    HWND list = lists->listBox(0);
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(3, item.top + 2));
    ASSERT_NE(lists->tipWindow(), nullptr);
    RECT tip{};
    GetWindowRect(lists->tipWindow(), &tip);
    const auto data = uint32_t(SendMessageA(list, LB_GETITEMDATA, 1, 0));
    EXPECT_GE(tip.right - tip.left, cluegeom::dataWidth(data));
    EXPECT_EQ(GetCapture(), list);

    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(3, 2000));
    EXPECT_EQ(lists->tipWindow(), nullptr);
    EXPECT_NE(GetCapture(), list);
}

TEST_F(ClueListsInShell, ALongClueInANarrowPromptIsSetSmaller) {
    CluePrompt* prompt = layout->prompt();
    prompt->setText(12, "A clue long enough that it cannot be shown whole in a prompt of this width at all");
    ASSERT_TRUE(prompt->shrunk());
    LOGFONTA full{}, used{};
    GetObjectA(prompt->fullFont(), sizeof full, &full);
    GetObjectA(prompt->fontInUse(), sizeof used, &used);
    EXPECT_LT(std::abs(used.lfHeight), std::abs(full.lfHeight));
    prompt->setText(1, "Short");
    EXPECT_FALSE(prompt->shrunk());
}

// A clue too wide even at 8 points is set smaller still and shown whole; only where the
// prompt's rule gives no size at all does the smallest type clip it.
TEST_F(ClueListsInShell, ALongClueIsShownWholeBelowEightPointsAndClippedOnlyBeyondAnySize) {
    CluePrompt* prompt = layout->prompt();
    RECT client{};
    GetClientRect(prompt->hwnd(), &client);
    HDC dc = GetDC(prompt->hwnd());
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    auto width = [dc](HFONT font, const std::string& text) {
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
        SelectObject(dc, old);
        return int(size.cx);
    };
    LOGFONTA eight{};
    GetObjectA(prompt->fullFont(), sizeof eight, &eight);
    eight.lfHeight = MulDiv(-8, dpi, 72) - 1;
    HFONT eightPoints = CreateFontIndirectA(&eight);
    std::string clue;
    while (width(eightPoints, "12. " + clue) < (client.right - cluegeom::PromptLeft) * 5 / 4) clue += "and so on ";
    prompt->setText(12, clue.c_str());
    ASSERT_TRUE(prompt->shrunk());
    LOGFONTA used{};
    GetObjectA(prompt->fontInUse(), sizeof used, &used);
    EXPECT_LT(std::abs(used.lfHeight), std::abs(eight.lfHeight));
    EXPECT_LE(width(prompt->fontInUse(), *prompt->text()), client.right - cluegeom::PromptLeft);

    // So long that the height the rule gives has no type: one point, and the end is cut.
    while (width(prompt->fullFont(), "12. " + clue) < client.right * prompt->height() / 6) clue += "and so on ";
    prompt->setText(12, clue.c_str());
    ASSERT_TRUE(prompt->shrunk());
    GetObjectA(prompt->fontInUse(), sizeof used, &used);
    EXPECT_EQ(used.lfHeight, MulDiv(-1, dpi, 72) - 1);
    DeleteObject(eightPoints);
    ReleaseDC(prompt->hwnd(), dc);
}

// A new clue font (from the preferences) re-measures rows, headings and every item, so
// that tips and the horizontal extent follow the new widths.
TEST_F(ClueListsInShell, ANewClueFontMeasuresEverythingAgain) {
    HWND list = lists->listBox(0);
    const int rowBefore = lists->itemHeight();
    const int widthBefore = cluegeom::dataWidth(uint32_t(SendMessageA(list, LB_GETITEMDATA, 0, 0)));
    shell->frame().fontsAndColours()->clueFont.create(shell->hwnd(), nullptr, 20, FW_NORMAL, "Arial");
    lists->fontChanged();
    EXPECT_GT(lists->itemHeight(), rowBefore);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), lists->itemHeight());
    EXPECT_GT(cluegeom::dataWidth(uint32_t(SendMessageA(list, LB_GETITEMDATA, 0, 0))), widthBefore);
    EXPECT_EQ(cluegeom::dataNumber(uint32_t(SendMessageA(list, LB_GETITEMDATA, 3, 0))), 7);
    EXPECT_GE(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0),
              cluegeom::dataWidth(uint32_t(SendMessageA(list, LB_GETITEMDATA, 0, 0))));
}

// Clue numbers of every size stay in number order although the list sorts by text.
TEST(ClueListOrder, NumbersOfOneTwoAndThreeDigitsKeepTheirOrder) {
    clearSettings();
    Shell shell("\"" + std::string(GW_SOURCE_DIR) + "\\samples\\stress39.puz\"");
    ClueLists* lists = shell.frame().layout()->clueLists();
    for (int index = 0; index < 2; ++index) {
        HWND list = lists->listBox(index);
        const int count = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
        int previous = 0;
        for (int item = 0; item < count; ++item) {
            const int number = cluegeom::dataNumber(uint32_t(SendMessageA(list, LB_GETITEMDATA, WPARAM(item), 0)));
            EXPECT_GT(number, previous) << "item " << item;
            previous = number;
        }
        EXPECT_GE(previous, 100);
    }
    shell.finish();
    clearSettings();
}

// An ipuz crossword named on the command line (as a double-click starts the program)
// opens straight away, with no reader warning first, and shows its clues.
TEST(IpuzInShell, FromTheCommandLineItOpensWithItsClues) {
    clearSettings();
    const std::string path = freshFolder("ipuz") + "\\weekly.ipuz";
    writeFile(path, R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
        "dimensions": {"width": 3, "height": 3}, "title": "Caf\u00e9 Weekly",
        "puzzle": [[1, 0, 2], [0, "#", 0], [3, 0, 0]],
        "solution": [["C", "A", "T"], ["A", "#", "O"], ["T", "O", "P"]],
        "clues": {"Across": [[1, "<i>Feline</i>"], [3, "Summit"]], "Down": [[1, "Kayak sort"], [2, "As well"]]}})");
    DialogDriver driver;
    Shell shell("\"" + path + "\"", &driver);
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_TRUE(driver.seen.empty()) << driver.seen[0].text;
    EXPECT_EQ(shell.doc().path.substr(shell.doc().path.size() - 11), "\\weekly.puz");
    EXPECT_TRUE(shell.doc().isDirty);  // saved beside it as a puzzle file only when the user saves
    if (GetACP() == 1252) {
        EXPECT_EQ(shell.doc().title, "Caf\xE9 Weekly");
    }
    ClueLists* lists = shell.frame().layout()->clueLists();
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(itemText(lists->listBox(0), 0), "   1. Feline");
    EXPECT_EQ(itemText(lists->listBox(0), 1), "   3. Summit");
    EXPECT_EQ(itemText(lists->listBox(1), 1), "   2. As well");
    EXPECT_EQ(shell.frame().layout()->prompt()->text().value_or(""), "1. Feline");
    shell.doc().isDirty = false;
    clearSettings();
}

// A zipped Crossword Compiler puzzle (the bundled sample) named on the command line
// opens the same way, read by the system's own XML reader, with its clues.
TEST(JpzInShell, FromTheCommandLineItOpensWithItsClues) {
    clearSettings();
    const std::string path = freshFolder("jpz") + "\\word square.jpz";
    ASSERT_TRUE(CopyFileA((std::string(GW_SOURCE_DIR) + "\\samples\\wordsquare.jpz").c_str(), path.c_str(), FALSE));
    DialogDriver driver;
    Shell shell("\"" + path + "\"", &driver);
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_TRUE(driver.seen.empty()) << driver.seen[0].text;
    EXPECT_EQ(shell.doc().path.substr(shell.doc().path.size() - 16), "\\word square.puz");
    EXPECT_TRUE(shell.doc().isDirty);
    EXPECT_EQ(shell.doc().title, "Word Square");
    ClueLists* lists = shell.frame().layout()->clueLists();
    ASSERT_NE(lists, nullptr);
    EXPECT_EQ(itemText(lists->listBox(0), 0), "   1. It beats for you (5)");
    EXPECT_EQ(itemText(lists->listBox(1), 2), "   3. Treat badly (5)");
    EXPECT_EQ(shell.frame().layout()->prompt()->text().value_or(""), "1. It beats for you (5)");
    // The given square shows its letter.
    EXPECT_EQ(shell.doc().grid->cell(2, 2).fill, 'U');
    shell.doc().isDirty = false;
    clearSettings();
}

}  // namespace
}  // namespace gw::wintest
