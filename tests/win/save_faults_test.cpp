// Saving when the disk or the file system says no: the file on disk survives byte for
// byte, the user is told, and the puzzle stays open with its changes. The disk-full
// and read-only-folder cases need the small mounts the test runner makes (GW_FAULT_DIR).
#include <cstdlib>

#include "doc/document_commands.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell_harness.h"

namespace gw::wintest {
namespace {

// The runner's fault folder as this process sees it, "" when there is none.
std::string faultFolder(const char* sub) {
    const char* linux = std::getenv("GW_FAULT_DIR");
    if (!linux || !*linux) return "";
    std::string path = std::string("Z:") + linux + "/" + sub;
    for (char& c : path)
        if (c == '/') c = '\\';
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? "" : path;
}

class SaveFaults : public PuzzleFolderTest {
protected:
    void TearDown() override {
        shell.reset();
        PuzzleFolderTest::TearDown();
    }
    // Opens the puzzle and changes a letter.
    void openChanged() {
        before = readFile(path);
        ASSERT_FALSE(before.empty());
        shell = std::make_unique<Shell>("\"" + path + "\"");
        ASSERT_TRUE(shell->doc().isOpen);
        shell->doc().grid->SetCellEntry(0, 0, 'Q', false, false);
        ASSERT_TRUE(shell->doc().isDirty);
    }
    // Save, answering the one message with the button given; returns its text.
    std::string saveRefused(int button = IDOK) {
        DialogDriver driver;
        driver.press(button);
        shell->frame().dispatchCommand(CMD_SAVE, 0);
        shell->pump();
        EXPECT_EQ(driver.seen.size(), 1u);
        EXPECT_EQ(driver.unexpected, 0);
        return driver.seen.empty() ? "" : driver.seen[0].text;
    }
    void expectNothingLost(const std::string& onDisk) {
        EXPECT_EQ(readFile(path), onDisk);
        EXPECT_TRUE(shell->doc().isOpen);
        EXPECT_TRUE(shell->doc().isDirty);
        EXPECT_EQ(shell->doc().grid->cell(0, 0).fill, 'Q');
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA((folderOf(path) + "\\gw*.tmp").c_str(), &data);
        EXPECT_EQ(h, INVALID_HANDLE_VALUE) << "a temporary file was left: " << data.cFileName;
        if (h != INVALID_HANDLE_VALUE) FindClose(h);
    }
    // With the fault gone, the same Save writes the changes.
    void expectSaveWorks() {
        shell->frame().dispatchCommand(CMD_SAVE, 0);
        EXPECT_FALSE(shell->doc().isDirty);
        EXPECT_NE(readFile(path), before);
    }

    std::string before;
    std::unique_ptr<Shell> shell;
};

TEST_F(SaveFaults, ReadOnlyFileIsReportedAndKept) {
    writePuzzle(path);
    openChanged();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(saveRefused(), stringText(IDS_CANNOT_WRITE));
    expectNothingLost(before);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    expectSaveWorks();
}

TEST_F(SaveFaults, FileReplacedMeanwhileIsNotOverwrittenUnasked) {
    writePuzzle(path);
    openChanged();
    PuzzleTraits traits;
    traits.notes = "written by another program";
    Sleep(20);
    writePuzzle(path, traits);
    const std::string theirs = readFile(path);
    EXPECT_NE(saveRefused(IDNO).find("changed by another program"), std::string::npos);
    expectNothingLost(theirs);
    {
        DialogDriver driver;
        driver.press(IDYES);
        shell->frame().dispatchCommand(CMD_SAVE, 0);
    }
    EXPECT_FALSE(shell->doc().isDirty);
    EXPECT_NE(readFile(path), theirs);
}

TEST_F(SaveFaults, FolderRemovedMeanwhileOffersSaveAsAndKeepsTheChanges) {
    writePuzzle(path);
    openChanged();
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(RemoveDirectoryA(folder.c_str()));
    DialogDriver driver;
    driver.press(IDCANCEL);  // the save dialog: there is no file left to write
    shell->frame().dispatchCommand(CMD_SAVE, 0);
    EXPECT_EQ(driver.seen.size(), 1u);
    EXPECT_TRUE(shell->doc().isOpen);
    EXPECT_TRUE(shell->doc().isDirty);
    CreateDirectoryA(folder.c_str(), nullptr);
}

TEST_F(SaveFaults, NameTooLongIsRefusedWithoutTouchingAnything) {
    writePuzzle(path);
    openChanged();
    const std::string tooLong = folder + "\\" + std::string(260, 'n') + ".puz";
    DialogDriver driver;
    driver.press(IDOK);
    EXPECT_FALSE(saveAsChosenName(shell->doc(), tooLong));
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].text.rfind(stringText(IDS_PATH_TOO_LONG), 0), 0u);
    expectNothingLost(before);
    EXPECT_EQ(shell->doc().path, path);
}

TEST_F(SaveFaults, FullDiskIsReportedAndTheFileKept) {
    const std::string full = faultFolder("full");
    if (full.empty()) GTEST_SKIP() << "no small disk to fill (GW_FAULT_DIR)";
    path = full + "\\daily.puz";
    DeleteFileA((full + "\\filler").c_str());
    writePuzzle(path);
    openChanged();
    // Everything that is left goes to a filler file.
    HANDLE filler = CreateFileA((full + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(filler, block.data(), DWORD(block.size()), &written, nullptr) && written == block.size()) {
    }
    CloseHandle(filler);
    const std::string text = saveRefused();
    EXPECT_TRUE(text == stringText(IDS_WRITE_ERROR) || text == stringText(IDS_CANNOT_WRITE)) << text;
    expectNothingLost(before);
    DeleteFileA((full + "\\filler").c_str());
    expectSaveWorks();
    DeleteFileA(path.c_str());
}

TEST_F(SaveFaults, ReadOnlyFolderIsReportedAndTheFileKept) {
    const std::string readOnly = faultFolder("readonly");
    if (readOnly.empty()) GTEST_SKIP() << "no read-only folder (GW_FAULT_DIR)";
    path = readOnly + "\\daily.puz";
    openChanged();
    EXPECT_EQ(saveRefused(), stringText(IDS_CANNOT_WRITE));
    expectNothingLost(before);
}

}  // namespace
}  // namespace gw::wintest
