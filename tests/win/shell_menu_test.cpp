// Menu bars, greying and checking, status-bar help and the window title.
#include "doc/document_commands.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/help_viewer.h"
#include "shell_harness.h"
#include "solve/edit_target.h"
#include "views/status_bar.h"

namespace gw::wintest {
namespace {

std::string withoutExtension(const std::string& path) { return path.substr(0, path.size() - 4); }

void emptyClipboard(HWND owner) {
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

TEST(ShellTitle, FollowsTheTitleRule) {
    EXPECT_EQ(titleForWindow("Gridwell - C:\\p\\daily.puz"), "Gridwell - C:\\p\\daily");
    EXPECT_EQ(titleForWindow("Gridwell - C:\\p\\a.txt.puz"), "Gridwell - C:\\p\\a.txt");
    EXPECT_EQ(titleForWindow("Gridwell - C:\\p\\a.pz"), "Gridwell - C:\\p\\a.pz");
    EXPECT_EQ(titleForWindow("Gridwell"), "Gridwell");
    EXPECT_EQ(titleForWindow(".puz"), "");
    EXPECT_EQ(titleForWindow(std::string(300, 'x')).size(), 255u);
}

TEST(ShellHelp, ViewerIsLoadedOnlyWhenHelpIsAskedFor) {
    HelpViewer help("C:\\Program Files\\Gridwell", nullptr);
    EXPECT_EQ(help.helpFile(), "C:\\Program Files\\Gridwell\\GRIDWELL.CHM");
    EXPECT_EQ(help.topicAddress("intro.htm"), "C:\\Program Files\\Gridwell\\GRIDWELL.CHM::/html/intro.htm");
    EXPECT_FALSE(help.loadAttempted());
    EXPECT_FALSE(help.showTopic(nullptr));
    EXPECT_FALSE(help.loadAttempted());

    // A folder too deep for the path limit is refused, not cut to another name.
    HelpViewer longFolder("C:\\" + std::string(250, 'x'), nullptr);
    EXPECT_EQ(longFolder.helpFile(), "");
    EXPECT_FALSE(longFolder.showTopic("intro.htm"));
    EXPECT_FALSE(longFolder.loadAttempted());
}

class ShellMenus : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettings();
        folder = freshFolder("menus");
        path = folder + "\\daily.puz";
    }
    // Later suites in this process start from the defaults too.
    void TearDown() override { clearSettings(); }
    std::string folder, path;
};

TEST_F(ShellMenus, LoadingSwapsMenuAndTitleAndClosingRestoresThem) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.ok);
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_EQ(shell.menuCount(), 5);  // SOLVEMENU
    EXPECT_EQ(shell.title(), "Gridwell - " + withoutExtension(path));
    EXPECT_TRUE(shell.grayed(CMD_SAVE));
    EXPECT_FALSE(shell.grayed(CMD_SAVE_AS));
    EXPECT_FALSE(shell.grayed(CMD_PRINT));
    EXPECT_FALSE(shell.grayed(CMD_LOCK_SOLUTION));
    EXPECT_TRUE(shell.grayed(CMD_UNLOCK_SOLUTION));
    EXPECT_FALSE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_CHECK));
    EXPECT_FALSE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_REVEAL));

    shell.doc().setDirty();
    EXPECT_FALSE(shell.grayed(CMD_SAVE));

    DialogDriver driver;
    driver.press(IDNO);
    shell.frame().dispatchCommand(CMD_CLOSE, 0);
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_EQ(shell.menuCount(), 2);
    EXPECT_EQ(shell.title(), "Gridwell");
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].title, "Gridwell Question");
    EXPECT_EQ(driver.seen[0].text, "Current puzzle not saved. Save before closing?");
}

TEST_F(ShellMenus, NoPrintAndNoCheckPuzzlesGreyTheirCommands) {
    PuzzleTraits traits;
    traits.stateBits = 1 | 2;
    writePuzzle(path, traits);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_TRUE(shell.grayed(CMD_PRINT));
    EXPECT_TRUE(shell.grayed(CMD_LOCK_SOLUTION));
    EXPECT_TRUE(shell.grayed(CMD_UNLOCK_SOLUTION));
    EXPECT_TRUE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_CHECK));
    EXPECT_TRUE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_REVEAL));
}

TEST_F(ShellMenus, CommandsWithoutAPuzzleDoNothing) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    DialogDriver driver;
    driver.press(IDCANCEL);
    shell.frame().dispatchCommand(CMD_CLOSE, 0);
    ASSERT_FALSE(shell.doc().isOpen);
    for (int command : {CMD_SAVE, CMD_CLOSE, CMD_PRINT, CMD_SAVE_AS, CMD_DELETE_PUZZLE, CMD_LOCK_SOLUTION,
                        CMD_UNLOCK_SOLUTION, CMD_CUT, CMD_PASTE, CMD_UNDO, CMD_CHECK_ALL, CMD_REVEAL_ALL,
                        CMD_ZOOM_IN, CMD_FULL_PUZZLE, CMD_USE_PENCIL, CMD_SELECT_COMMAND, 40100})
        shell.frame().dispatchCommand(command, 0);
    shell.pump();
    EXPECT_TRUE(driver.seen.empty());
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_TRUE(fileExists(path));
}

// Locking greys Lock and both Check and Reveal; a reopened locked puzzle asks for
// its key, refuses a short one, and unlocking reverses the states.
TEST_F(ShellMenus, LockAndUnlockSwapTheSolutionMenuStates) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    int key = 0;
    {
        DialogDriver driver;
        driver.press(IDOK);
        shell.frame().dispatchCommand(CMD_LOCK_SOLUTION, 0);
        ASSERT_EQ(driver.seen.size(), 1u);
        EXPECT_EQ(driver.seen[0].title, "Gridwell Information");
        ASSERT_EQ(std::sscanf(driver.seen[0].text.c_str(), "Solution scrambled. The key to unscramble is %d.", &key), 1);
    }
    EXPECT_TRUE(shell.grayed(CMD_LOCK_SOLUTION));
    EXPECT_FALSE(shell.grayed(CMD_UNLOCK_SOLUTION));
    EXPECT_TRUE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_CHECK));
    EXPECT_TRUE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_REVEAL));
    EXPECT_FALSE(shell.grayed(CMD_SAVE));
    {
        DialogDriver driver;
        driver.press(IDOK);  // the key reminder of a locked save
        shell.frame().dispatchCommand(CMD_SAVE, 0);
        shell.frame().dispatchCommand(CMD_CLOSE, 0);
        EXPECT_EQ(driver.seen.size(), 1u);
    }
    ASSERT_FALSE(shell.doc().isOpen);
    {
        DialogDriver driver;
        ASSERT_TRUE(openByPath(shell.doc(), path));
        EXPECT_TRUE(shell.grayed(CMD_LOCK_SOLUTION));
        EXPECT_FALSE(shell.grayed(CMD_UNLOCK_SOLUTION));
        driver.type(IDC_KEY_EDIT, "0123").press(IDOK).type(IDC_KEY_EDIT, std::to_string(key)).press(IDOK);
        shell.frame().dispatchCommand(CMD_UNLOCK_SOLUTION, 0);
        ASSERT_EQ(driver.seen.size(), 4u);
        EXPECT_EQ(driver.seen[0].title, "Key to unlock solution");
        EXPECT_EQ(driver.seen[1].text, "Key must contain 4 non-zero digits only");
        EXPECT_EQ(driver.seen[2].title, "Key to unlock solution");
        EXPECT_EQ(driver.seen[3].text, "Solution unscrambled.");
        EXPECT_EQ(driver.unexpected, 0);
    }
    EXPECT_FALSE(shell.doc().isScrambled);
    EXPECT_FALSE(shell.grayed(CMD_LOCK_SOLUTION));
    EXPECT_TRUE(shell.grayed(CMD_UNLOCK_SOLUTION));
    EXPECT_FALSE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_CHECK));
    EXPECT_FALSE(shell.popupGrayed(MENUPOS_SOLUTION, MENUPOS_REVEAL));
    DialogDriver driver;
    driver.press(IDNO);
}

TEST_F(ShellMenus, CancelledKeyDialogLeavesThePuzzleLocked) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    shell.doc().isScrambled = true;  // as read from a locked file: key unknown
    shell.doc().applyLockState();
    DialogDriver driver;
    driver.press(IDCANCEL).press(IDNO);
    shell.frame().dispatchCommand(CMD_UNLOCK_SOLUTION, 0);
    EXPECT_TRUE(shell.doc().isScrambled);
    EXPECT_FALSE(shell.grayed(CMD_UNLOCK_SOLUTION));
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].title, "Key to unlock solution");
}

TEST_F(ShellMenus, EditMenuFollowsTheRegisteredHandlers) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    HMENU edit = GetSubMenu(GetMenu(shell.hwnd()), MENUPOS_EDIT);
    auto openEditMenu = [&] { SendMessageA(shell.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), MAKELPARAM(MENUPOS_EDIT, 0)); };
    const int served[] = {CMD_UNDO, CMD_CUT, CMD_COPY, CMD_PASTE, CMD_ERASE, CMD_SELECTIVE_ERASE};

    // As when a clue list has the focus: nobody serves editing.
    shell.app->setEditHandler(nullptr);
    shell.app->setUndoHandler(nullptr);
    openEditMenu();
    for (int id : served) EXPECT_TRUE(shell.grayed(id)) << id;

    // The grid's engine, with nothing to undo and an empty clipboard.
    shell.app->setEditHandler(shell.doc().grid.get());
    shell.app->setUndoHandler(shell.doc().grid.get());
    emptyClipboard(shell.hwnd());
    openEditMenu();
    EXPECT_TRUE(shell.grayed(CMD_UNDO));
    EXPECT_TRUE(shell.grayed(CMD_PASTE));
    for (int id : {CMD_CUT, CMD_COPY, CMD_ERASE, CMD_SELECTIVE_ERASE}) EXPECT_FALSE(shell.grayed(id)) << id;

    shell.frame().copyTextToClipboard("WORD");
    openEditMenu();
    EXPECT_FALSE(shell.grayed(CMD_PASTE));
    EXPECT_EQ(shell.frame().getClipboardText().value_or(""), "WORD");

    // A nested pop-up at the Edit menu's position leaves the items alone.
    shell.app->setEditHandler(nullptr);
    HMENU insert = GetSubMenu(edit, 10);
    ASSERT_NE(insert, nullptr);
    SendMessageA(shell.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(insert), MAKELPARAM(MENUPOS_EDIT, 0));
    EXPECT_FALSE(shell.grayed(CMD_CUT));
    emptyClipboard(shell.hwnd());
}

TEST_F(ShellMenus, StatusBarShowsHelpForTheHighlightedItem) {
    writePuzzle(path);
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    HWND w = shell.hwnd();
    HMENU edit = GetSubMenu(GetMenu(w), MENUPOS_EDIT);
    auto select = [&](UINT item, UINT flags, HMENU menu) {
        SendMessageA(w, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
        return shell.statusText();
    };
    EXPECT_EQ(select(10, MF_POPUP | MF_HILITE, edit), "Select command");  // "&Insert"
    EXPECT_EQ(select(CMD_CUT, MF_HILITE, edit), "Cut and copy to clipboard");
    EXPECT_EQ(select(CMD_SELECTIVE_ERASE, MF_HILITE, edit), "Erase letters not used in other direction");
    EXPECT_EQ(select(0, MF_SEPARATOR | MF_HILITE, edit), "Ready");
    EXPECT_EQ(select(CMD_OPEN, MF_HILITE, GetSubMenu(GetMenu(w), 0)), "Open puzzle from file");
    EXPECT_EQ(select(0, 0xFFFF, nullptr), "Ready");
}

TEST_F(ShellMenus, IndicatorsFollowThePuzzleAndTheSettings) {
    PuzzleTraits traits;
    traits.rebusTable = "0:HEART;1:[#];";
    writePuzzle(path, traits);
    auto iconIn = [](Shell& shell, int part) {
        return SendMessageA(GetDlgItem(shell.hwnd(), 101), SB_GETICON, static_cast<WPARAM>(part), 0) != 0;
    };
    {
        Shell shell("\"" + path + "\"");
        ASSERT_TRUE(shell.doc().isOpen);
        EXPECT_FALSE(iconIn(shell, 2));  // both indicators are off by default
        EXPECT_FALSE(iconIn(shell, 3));
    }
    writeRegistry("display", "rebusindicator", "1");
    writeRegistry("display", "symbolindicator", "1");
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_TRUE(iconIn(shell, 2));
    EXPECT_TRUE(iconIn(shell, 3));
    shell.frame().dispatchCommand(CMD_CLOSE, 0);
    EXPECT_FALSE(iconIn(shell, 2));
    EXPECT_FALSE(iconIn(shell, 3));
}

}  // namespace
}  // namespace gw::wintest
