// The document commands through the real dialogs: Open, Save As with its name
// rules, overwrite and backup, the unsaved-changes question, Delete, dropped files
// and the diagramless options.
#include "doc/document_commands.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "views/grid_view.h"
#include "shell_harness.h"

namespace gw::wintest {
namespace {

class ShellDocuments : public PuzzleFolderTest {
protected:
    void SetUp() override {
        PuzzleFolderTest::SetUp();
        writePuzzle(path);
    }
    std::string quoted(const std::string& p) { return "\"" + p + "\""; }

    // The exact name of a file as the folder lists it.
    std::string listedName(const std::string& p) {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA(p.c_str(), &data);
        if (h == INVALID_HANDLE_VALUE) return "";
        FindClose(h);
        return data.cFileName;
    }
};

// The panes are built with the container's redrawing off (which hides it); the grid
// must still have the keyboard when the puzzle appears, or typed letters go nowhere.
TEST_F(ShellDocuments, OpenedPuzzleHasTheKeyboard) {
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    ASSERT_NE(shell.frame().gridView(), nullptr);
    EXPECT_EQ(GetFocus(), shell.frame().gridView()->canvas());
}

TEST_F(ShellDocuments, OpenDialogOpensThePuzzleAndRemembersItsFolder) {
    DialogDriver driver;
    driver.choose(path, 1);
    Shell shell("", &driver);
    ASSERT_TRUE(shell.ok);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].title, "Open");
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_EQ(shell.doc().path, path);
    EXPECT_EQ(shell.frame().openFolder(), folder);
    shell.finish();
    EXPECT_EQ(registryValue("directory", "opendir"), folder);
}

TEST_F(ShellDocuments, OpenDialogWithAllFilesImportsEvenAPuzzleFile) {
    DialogDriver driver;
    const int allFiles = 5;  // the last filter, after the ipuz and Crossword Compiler ones
    driver.choose(path, allFiles).press(IDOK).press(IDOK);
    Shell shell("", &driver);
    ASSERT_TRUE(shell.ok);
    EXPECT_FALSE(shell.doc().isOpen);
    ASSERT_EQ(driver.seen.size(), 3u);
    EXPECT_EQ(driver.seen[1].text, "File header line <ORVANE PUZZLE> was not found");
    EXPECT_EQ(driver.seen[2].text, "Import file format not recognized");
}

TEST_F(ShellDocuments, SaveAsAddsTheExtensionAndMovesTheSaveFolder) {
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    {
        DialogDriver driver;
        driver.choose(folder + "\\notes  ");
        shell.frame().dispatchCommand(CMD_SAVE_AS, 0);
        ASSERT_EQ(driver.seen.size(), 1u);
        EXPECT_EQ(driver.seen[0].title, "Save As");
    }
    EXPECT_TRUE(fileExists(folder + "\\notes.puz"));
    EXPECT_EQ(shell.doc().path, folder + "\\notes.puz");
    EXPECT_EQ(shell.title(), "Gridwell - " + folder + "\\notes");
    EXPECT_EQ(shell.frame().saveFolder(), folder);
    {
        DialogDriver driver;
        driver.choose(folder + "\\Upper.PUZ");
        shell.frame().dispatchCommand(CMD_SAVE_AS, 0);
    }
    EXPECT_EQ(listedName(folder + "\\Upper.PUZ"), "Upper.PUZ");
    EXPECT_FALSE(fileExists(folder + "\\Upper.PUZ.puz"));
    {
        DialogDriver driver;
        driver.choose(folder + "\\list.txt");
        shell.frame().dispatchCommand(CMD_SAVE_AS, 0);
    }
    EXPECT_TRUE(fileExists(folder + "\\list.txt.puz"));
    shell.finish();
    EXPECT_EQ(registryValue("directory", "savedir"), folder);
}

TEST_F(ShellDocuments, OverwritingAsksAndBacksUpOnlyWhenConfirmed) {
    const std::string target = folder + "\\old.puz";
    writeFile(target, "previous contents");
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    {
        DialogDriver driver;
        driver.choose(target).press(IDCANCEL);
        shell.frame().dispatchCommand(CMD_SAVE_AS, 0);
        ASSERT_EQ(driver.seen.size(), 2u);
        EXPECT_EQ(driver.seen[1].title, "Gridwell Question");
        EXPECT_EQ(driver.seen[1].text, "Selected file exists. Overwrite?");
    }
    EXPECT_EQ(readFile(target), "previous contents");
    EXPECT_FALSE(fileExists(folder + "\\old.bak"));
    EXPECT_EQ(shell.doc().path, path);
    {
        DialogDriver driver;
        driver.choose(target).press(IDOK);
        shell.frame().dispatchCommand(CMD_SAVE_AS, 0);
    }
    EXPECT_EQ(readFile(folder + "\\old.bak"), "previous contents");
    EXPECT_EQ(readFile(target), readFile(path));
    EXPECT_EQ(shell.doc().path, target);
}

TEST_F(ShellDocuments, SavingAQuestionedCloseWritesTheFile) {
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    const std::string before = readFile(path);
    shell.doc().grid->cell(0, 0).fill = 'Q';
    shell.doc().setDirty();
    {
        DialogDriver driver;
        driver.press(IDCANCEL);
        shell.frame().dispatchCommand(CMD_CLOSE, 0);
        EXPECT_EQ(driver.seen.size(), 1u);
    }
    EXPECT_TRUE(shell.doc().isOpen);
    EXPECT_EQ(readFile(path), before);
    {
        DialogDriver driver;
        driver.press(IDYES);
        shell.frame().dispatchCommand(CMD_CLOSE, 0);
    }
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_NE(readFile(path), before);
}

TEST_F(ShellDocuments, ExitAsksAboutChangesAndQuitsOnlyWhenNotCancelled) {
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    shell.doc().setDirty();
    {
        DialogDriver driver;
        driver.press(IDCANCEL);
        SendMessageA(shell.hwnd(), WM_CLOSE, 0, 0);
        EXPECT_EQ(driver.seen.size(), 1u);
    }
    EXPECT_FALSE(shell.pump());
    EXPECT_TRUE(shell.doc().isOpen);
    EXPECT_TRUE(IsWindow(shell.hwnd()));
    {
        DialogDriver driver;
        driver.press(IDNO);
        shell.frame().dispatchCommand(CMD_EXIT, 0);
    }
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_TRUE(shell.pump());         // the quit message was posted
    EXPECT_TRUE(IsWindow(shell.hwnd()));  // the window goes only after the loop
}

TEST_F(ShellDocuments, DeleteAsksThenRemovesTheFileAndClosesWithoutSaving) {
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    shell.doc().setDirty();
    {
        DialogDriver driver;
        driver.press(IDNO);
        shell.frame().dispatchCommand(CMD_DELETE_PUZZLE, 0);
        ASSERT_EQ(driver.seen.size(), 1u);
        EXPECT_EQ(driver.seen[0].text, "This will delete the puzzle file from your disk. Continue?");
    }
    EXPECT_TRUE(fileExists(path));
    EXPECT_TRUE(shell.doc().isOpen);
    {
        DialogDriver driver;
        driver.press(IDYES);
        shell.frame().dispatchCommand(CMD_DELETE_PUZZLE, 0);
        EXPECT_EQ(driver.seen.size(), 1u);  // no save question
        EXPECT_EQ(driver.unexpected, 0);
    }
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_EQ(shell.menuCount(), 2);
}

// A puzzle named relative to the current folder (as typed on a command line) goes too.
TEST_F(ShellDocuments, DeleteRemovesAPuzzleOpenedByARelativeName) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    {
        Shell shell("daily.puz");
        ASSERT_TRUE(shell.doc().isOpen);
        EXPECT_EQ(shell.doc().path, path);  // kept whole, whatever the current folder becomes
        DialogDriver driver;
        driver.press(IDYES);
        shell.frame().dispatchCommand(CMD_DELETE_PUZZLE, 0);
        EXPECT_FALSE(shell.doc().isOpen);
    }
    SetCurrentDirectoryA(previous);
    EXPECT_FALSE(fileExists(path));
}

TEST_F(ShellDocuments, DeleteOffersTheBackupWithTheShellsOwnQuestion) {
    const std::string backup = folder + "\\daily.bak";
    writeFile(backup, "backup");
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    {
        DialogDriver driver;
        driver.press(IDYES).press(IDNO);
        shell.frame().dispatchCommand(CMD_DELETE_PUZZLE, 0);
        ASSERT_EQ(driver.seen.size(), 2u);
        EXPECT_NE(driver.seen[1].title, "Gridwell Question");  // the shell asks about the backup
    }
    EXPECT_FALSE(fileExists(path));
    EXPECT_TRUE(fileExists(backup));  // declined
    EXPECT_FALSE(shell.doc().isOpen);
}

TEST_F(ShellDocuments, DroppedTextFileOpensThroughTheImport) {
    const std::string text = folder + "\\import.txt";
    writeFile(text, textPuzzle());
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    shell.doc().setDirty();
    {
        // An unsaved puzzle: Cancel keeps it and the drop is ignored.
        DialogDriver driver;
        driver.press(IDCANCEL);
        SendMessageA(shell.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop(text)), 0);
        EXPECT_EQ(driver.seen.size(), 1u);
    }
    EXPECT_EQ(shell.doc().path, path);
    {
        DialogDriver driver;
        driver.press(IDNO).press(IDOK);
        SendMessageA(shell.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop(text)), 0);
        ASSERT_EQ(driver.seen.size(), 2u);
        EXPECT_EQ(driver.seen[1].title, "Gridwell Warning");
        EXPECT_EQ(driver.seen[1].text, stringText(IDS_NOT_A_PUZZLE));  // the binary reader speaks first
    }
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_EQ(shell.doc().path, folder + "\\import.puz");
    EXPECT_TRUE(shell.doc().isDirty);
    EXPECT_FALSE(shell.grayed(CMD_SAVE));
    EXPECT_EQ(shell.title(), "Gridwell - " + folder + "\\import");
    DialogDriver driver;
    driver.press(IDNO);
    shell.frame().dispatchCommand(CMD_CLOSE, 0);
}

TEST_F(ShellDocuments, DroppedMissingFileIsReported) {
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    DialogDriver driver;
    driver.press(IDOK);
    SendMessageA(shell.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop(folder + "\\gone.puz")), 0);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].text, "File does not exist or is unreadable");
    EXPECT_FALSE(shell.doc().isOpen);  // the clean puzzle was closed first
}

TEST_F(ShellDocuments, DiagramlessPuzzleOffersItsOptionsUntilConverted) {
    PuzzleTraits traits;
    traits.typeBits = 4;
    writePuzzle(path, traits);
    DialogDriver driver;
    driver.press(IDC_DIAG_CONVERT);
    Shell shell(quoted(path), &driver);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].title, "Diagramless puzzle options");
    // Without notes there is no hint to show; a checkable unlocked puzzle offers to scramble.
    EXPECT_NE(std::find(driver.seen[0].disabled.begin(), driver.seen[0].disabled.end(), IDC_DIAG_SHOW_HINT),
              driver.seen[0].disabled.end());
    EXPECT_NE(std::find(driver.seen[0].buttons.begin(), driver.seen[0].buttons.end(), "Scramble..."),
              driver.seen[0].buttons.end());
    ASSERT_TRUE(shell.doc().isOpen);
    EXPECT_FALSE(shell.doc().isDiagramless);
    EXPECT_TRUE(shell.doc().isDirty);
    EXPECT_FALSE(shell.grayed(CMD_SAVE));
    driver.press(IDNO);
    shell.frame().dispatchCommand(CMD_CLOSE, 0);
}

TEST_F(ShellDocuments, DiagramlessDialogComesBackAfterSaveAndEndsWithClose) {
    PuzzleTraits traits;
    traits.typeBits = 4;
    traits.notes = "Hint: rotational symmetry";
    writePuzzle(path, traits);
    DialogDriver driver;
    // Save on a clean puzzle goes to Save As; cancel it, then close the puzzle.
    driver.press(IDC_DIAG_SAVE).press(IDCANCEL).press(IDC_DIAG_CLOSE_PUZZLE);
    Shell shell(quoted(path), &driver);
    ASSERT_EQ(driver.seen.size(), 3u);
    EXPECT_EQ(driver.seen[0].title, "Diagramless puzzle options");
    EXPECT_EQ(std::find(driver.seen[0].disabled.begin(), driver.seen[0].disabled.end(), IDC_DIAG_SHOW_HINT),
              driver.seen[0].disabled.end());
    EXPECT_EQ(driver.seen[2].title, "Diagramless puzzle options");
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_EQ(shell.menuCount(), 2);
    EXPECT_EQ(driver.unexpected, 0);
}

// Closing the puzzle while the multi-letter entry box has the keyboard (Insert, then
// Ctrl+W): the box goes with the grid view and hands the focus back to the grid's
// canvas, which must not register the grid for Undo again. Undo then called into the
// freed grid (found by the GUI soak).
TEST_F(ShellDocuments, ClosingWithTheEntryBoxOpenLeavesNothingToUndo) {
    Shell shell(quoted(path));
    ASSERT_TRUE(shell.doc().isOpen);
    GridView* view = shell.frame().gridView();
    ASSERT_NE(view, nullptr);
    SetFocus(view->canvas());
    SendMessageA(view->canvas(), WM_KEYDOWN, VK_INSERT, 0x01520001);
    ASSERT_NE(view->boxWindow(), nullptr);
    ASSERT_EQ(GetFocus(), view->boxWindow());
    shell.frame().dispatchCommand(CMD_CLOSE, 0);
    ASSERT_FALSE(shell.doc().isOpen);
    EXPECT_EQ(shell.app->undoHandler(), nullptr);
    EXPECT_EQ(shell.app->editHandler(), nullptr);
}

}  // namespace
}  // namespace gw::wintest
