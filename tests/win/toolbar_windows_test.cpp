// The toolbar, notepad and symbol picker in the real shell: the Save/Save As
// exchange through an edit and a save, notes handed back on deactivation and saved,
// the picker's clicks entering symbols, and the user's button order kept across runs.
#include "doc/document_commands.h"
#include "doc/file_image.h"
#include "doc/puzzle_reader.h"
#include "resources/resource_ids.h"
#include "shell_harness.h"
#include <algorithm>

#include "views/grid_view.h"
#include "views/notepad.h"
#include "views/symbol_picker.h"
#include "views/title_pane.h"
#include "views/toolbar.h"

namespace gw::wintest {
namespace {

class ToolbarWindows : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettings();
        folder = freshFolder("toolbar");
        path = folder + "\\daily.puz";
    }
    void TearDown() override { clearSettings(); }
    static Toolbar& bar(Shell& shell) { return *static_cast<Toolbar*>(shell.frame().toolbar()); }
    static std::string label(Shell& shell, int command) {
        HWND tb = bar(shell).hwnd();
        char text[64] = {};
        SendMessageA(tb, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text));
        return text;
    }
    static bool enabled(Shell& shell, int command) {
        return SendMessageA(bar(shell).hwnd(), TB_ISBUTTONENABLED, command, 0) != 0;
    }
    std::string folder, path;
};

// Replaces the field's text as typing does (a multi-line field reports no change for WM_SETTEXT).
void typeInto(HWND field, const char* text) {
    SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

TEST_F(ToolbarWindows, EditingTurnsSaveAsIntoSaveAndSavingTurnsItBack) {
    writePuzzle(path);
    {
        Shell closed;
        const std::vector<int> none = bar(closed).buttonCommands();
        ASSERT_FALSE(none.empty());
        EXPECT_TRUE(enabled(closed, CMD_OPEN));
        EXPECT_FALSE(enabled(closed, CMD_SAVE_AS));  // greyed while no puzzle is open
    }
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    // The default bar, groups separated.
    EXPECT_EQ(bar(shell).buttonCommands(), (std::vector<int>{40002, 40012, 40062, 0, 40008, 40017, 0, 40050, 0, 40019,
                                                             40021, 40038, 0, 40060}));
    EXPECT_TRUE(enabled(shell, CMD_SAVE_AS));
    EXPECT_FALSE(enabled(shell, CMD_UNLOCK_SOLUTION));
    EXPECT_EQ(label(shell, CMD_SAVE_AS), "SaveAs");

    HWND canvas = shell.frame().gridView()->canvas();
    SendMessageA(canvas, WM_CHAR, 'Q', 1);
    ASSERT_TRUE(shell.doc().isDirty);
    std::vector<int> commands = bar(shell).buttonCommands();
    EXPECT_EQ(commands[1], CMD_SAVE);  // in place of Save As
    EXPECT_EQ(label(shell, CMD_SAVE), "Save");
    EXPECT_TRUE(enabled(shell, CMD_SAVE));

    shell.frame().dispatchCommand(CMD_SAVE, 0);
    EXPECT_FALSE(shell.doc().isDirty);
    commands = bar(shell).buttonCommands();
    EXPECT_EQ(commands[1], CMD_SAVE_AS);
    EXPECT_EQ(label(shell, CMD_SAVE_AS), "SaveAs");
    PuzzleFileImage image;
    ASSERT_TRUE(readPuzzleFile(path, image));
    EXPECT_EQ(image.fill[0], 'Q');

    // Closed without saving a new change: the greyed slot is Save As again.
    SendMessageA(canvas, WM_CHAR, 'R', 1);
    {
        DialogDriver driver;
        driver.press(IDNO);
        shell.frame().dispatchCommand(CMD_CLOSE, 0);
    }
    ASSERT_FALSE(shell.doc().isOpen);
    EXPECT_EQ(bar(shell).buttonCommands()[1], CMD_SAVE_AS);
    EXPECT_FALSE(enabled(shell, CMD_SAVE_AS));
}

TEST_F(ToolbarWindows, ButtonsFollowLockingPencilAndThePrintFlag) {
    PuzzleTraits traits;
    traits.stateBits = 1;  // may not be printed
    writePuzzle(path, traits);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_FALSE(enabled(shell, CMD_PRINT_PUZZLE));
    EXPECT_TRUE(enabled(shell, CMD_CHECK_WORD));
    {
        DialogDriver driver;
        driver.press(IDOK);
        shell.frame().dispatchCommand(CMD_LOCK_SOLUTION, 0);
    }
    EXPECT_TRUE(enabled(shell, CMD_UNLOCK_SOLUTION));
    EXPECT_FALSE(enabled(shell, CMD_CHECK_WORD));
    EXPECT_FALSE(enabled(shell, CMD_REVEAL_WORD));
    HWND tb = bar(shell).hwnd();
    shell.frame().dispatchCommand(CMD_USE_PENCIL, 0);
    EXPECT_TRUE(SendMessageA(tb, TB_ISBUTTONCHECKED, CMD_USE_PENCIL, 0));
    EXPECT_TRUE(shell.checked(CMD_USE_PENCIL));
    shell.frame().dispatchCommand(CMD_USE_PENCIL, 0);
    EXPECT_FALSE(SendMessageA(tb, TB_ISBUTTONCHECKED, CMD_USE_PENCIL, 0));
}

TEST_F(ToolbarWindows, NotepadChangesReachThePuzzleOnDeactivationAndTheSavedFile) {
    PuzzleTraits traits;
    traits.notes = "Theme: rivers";
    writePuzzle(path, traits);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    TitlePane* pane = shell.frame().titlePane();
    ASSERT_NE(pane, nullptr);
    EXPECT_NE(pane->hintButton(), nullptr);
    EXPECT_EQ(pane->hintTooltip(), "Click to see \"Theme ...\"");

    shell.frame().dispatchCommand(CMD_NOTEPAD, 0);
    Notepad* pad = shell.frame().notepad();
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(shell.app->activeModeless(), pad->hwnd());
    char text[2048] = {};
    GetWindowTextA(pad->field(), text, sizeof text);
    EXPECT_STREQ(text, "Theme: rivers");
    EXPECT_EQ(SendMessageA(pad->field(), EM_GETLIMITTEXT, 0, 0), 1023);

    typeInto(pad->field(), "Solved on the train");
    EXPECT_TRUE(pad->modified());
    EXPECT_FALSE(shell.doc().isDirty);  // not before the dialog lets go
    SendMessageA(pad->hwnd(), WM_COMMAND, IDCANCEL, 0);  // Close hides it
    SetActiveWindow(shell.hwnd());
    shell.pump();
    EXPECT_FALSE(IsWindowVisible(pad->hwnd()));
    EXPECT_TRUE(shell.doc().isDirty);
    EXPECT_EQ(shell.doc().notes, "Solved on the train");
    EXPECT_EQ(shell.app->activeModeless(), nullptr);
    EXPECT_EQ(pane->hintTooltip(), "Click to see \"Solved on the train ...\"");

    shell.frame().dispatchCommand(CMD_SAVE, 0);
    PuzzleFileImage image;
    ASSERT_TRUE(readPuzzleFile(path, image));
    EXPECT_EQ(image.notes, "Solved on the train");

    // Emptied notes remove the hint; the same dialog comes back.
    shell.frame().dispatchCommand(CMD_NOTEPAD, 0);
    EXPECT_EQ(shell.frame().notepad(), pad);
    typeInto(pad->field(), "");
    SetActiveWindow(shell.hwnd());
    shell.pump();
    EXPECT_TRUE(shell.doc().notes.empty());
    EXPECT_EQ(pane->hintButton(), nullptr);
}

TEST_F(ToolbarWindows, ClosingWhileTheNotepadIsActiveStillAsksAndSavesTheNotes) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    shell.frame().dispatchCommand(CMD_NOTEPAD, 0);
    Notepad* pad = shell.frame().notepad();
    ASSERT_NE(pad, nullptr);
    typeInto(pad->field(), "Unfinished thought");
    DialogDriver driver;
    driver.press(IDYES);
    shell.frame().dispatchCommand(CMD_CLOSE, 0);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].text, "Current puzzle not saved. Save before closing?");
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_EQ(shell.frame().notepad(), nullptr);
    EXPECT_EQ(shell.app->activeModeless(), nullptr);
    PuzzleFileImage image;
    ASSERT_TRUE(readPuzzleFile(path, image));
    EXPECT_EQ(image.notes, "Unfinished thought");
}

TEST_F(ToolbarWindows, DiagramlessHintIsReadOnlyUntilThePuzzleIsConverted) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    shell.doc().isDiagramless = true;  // as the options dialog leaves it before Convert
    shell.frame().dispatchCommand(CMD_NOTEPAD, 0);
    Notepad* pad = shell.frame().notepad();
    ASSERT_NE(pad, nullptr);
    HWND notice = GetDlgItem(pad->hwnd(), IDC_NOTEPAD_READONLY);
    EXPECT_TRUE((GetWindowLongA(pad->field(), GWL_STYLE) & ES_READONLY) && IsWindowVisible(notice));
    convertDiagramless(shell.doc());
    shell.frame().dispatchCommand(CMD_NOTEPAD, 0);  // the same dialog, activated again
    EXPECT_FALSE((GetWindowLongA(pad->field(), GWL_STYLE) & ES_READONLY) || IsWindowVisible(notice));
    shell.doc().isDirty = false;
}

TEST_F(ToolbarWindows, PickerClicksEnterSymbolsByRowAndColumn) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    PuzzleGrid& grid = *shell.doc().grid;
    grid.MoveCursor(0, 0);
    shell.frame().dispatchCommand(CMD_INSERT_SYMBOL, 0);
    HWND window = shell.frame().gridView()->symbolPicker();
    ASSERT_NE(window, nullptr);
    SymbolPicker* picker = SymbolPicker::fromWindow(window);
    ASSERT_NE(picker, nullptr);
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Symbols");
    const int s = picker->cellSize();
    auto click = [&](int x, int y) {
        SendMessageA(picker->content(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    click(s / 2, s / 2);  // first cell
    ASSERT_TRUE(grid.cell(0, 0).userRebus);
    EXPECT_EQ(grid.cell(0, 0).userRebus->kind, 1);
    EXPECT_EQ(grid.cell(0, 0).userRebus->text[0], char(33));
    EXPECT_TRUE(shell.doc().isDirty);
    EXPECT_TRUE(IsWindowVisible(window));  // it stays open

    grid.MoveCursor(1, 0);
    click(10 * s + 2, s / 2);  // right of the tenth column
    EXPECT_FALSE(grid.cell(1, 0).userRebus);

    // Scrolled two rows down: the content moves, its coordinates stay those of the characters.
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(picker->scrollPosition(), 2 * s);
    POINT origin{0, 0};
    MapWindowPoints(picker->content(), window, &origin, 1);
    EXPECT_EQ(origin.y, -2 * s);
    click(3 * s + 1, 2 * s + 1);
    ASSERT_TRUE(grid.cell(1, 0).userRebus);
    EXPECT_EQ(static_cast<unsigned char>(grid.cell(1, 0).userRebus->text[0]), 33 + 20 + 3);

    SendMessageA(window, WM_KEYDOWN, VK_NEXT, 0);
    SendMessageA(window, WM_KEYDOWN, VK_NEXT, 0);
    SendMessageA(window, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(picker->scrollPosition(), 14 * s);  // held at the end of the range
    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(ToolbarWindows, TheUsersOrderSurvivesARestartAndStrangeEntriesAreSkipped) {
    writePuzzle(path);
    {
        Shell shell("\"" + path + "\"");
        HWND tb = bar(shell).hwnd();
        // The user takes Open off and adds Notepad at the front.
        SendMessageA(tb, TB_DELETEBUTTON, 0, 0);
        TBBUTTON notepad{};
        notepad.iBitmap = 10;
        notepad.idCommand = CMD_NOTEPAD;
        notepad.fsState = TBSTATE_ENABLED;
        notepad.fsStyle = BTNS_BUTTON;
        SendMessageA(tb, TB_INSERTBUTTONA, 0, reinterpret_cast<LPARAM>(&notepad));
        // As the control reports a change the user made on the bar.
        NMHDR change{tb, IDW_TOOLBAR, static_cast<UINT>(TBN_TOOLBARCHANGE)};
        SendMessageA(shell.hwnd(), WM_NOTIFY, IDW_TOOLBAR, reinterpret_cast<LPARAM>(&change));
        // Closing the puzzle rebuilds the bar from the order it now has.
        shell.frame().dispatchCommand(CMD_CLOSE, 0);
        EXPECT_EQ(bar(shell).buttonCommands()[0], CMD_NOTEPAD);
    }
    const std::string stored = registryValue("toolbar", "state");
    EXPECT_EQ(stored.substr(0, 12), "40036:40012:");
    {
        Shell again;
        const std::vector<int> commands = bar(again).buttonCommands();
        ASSERT_GE(commands.size(), 2u);
        EXPECT_EQ(commands[0], CMD_NOTEPAD);
        EXPECT_EQ(commands[1], CMD_SAVE_AS);
        EXPECT_EQ(std::count(commands.begin(), commands.end(), CMD_OPEN), 0);
    }
    writeRegistry("toolbar", "state", "12345:40060:banana:    0:40060:40002");
    Shell third;
    EXPECT_EQ(bar(third).buttonCommands(), (std::vector<int>{40060, 0, 40002}));
}

}  // namespace
}  // namespace gw::wintest
