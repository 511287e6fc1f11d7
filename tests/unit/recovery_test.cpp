// Unsaved changes survive a crash: the recovery copy is written while the puzzle is
// changed, offered back when the same file is opened again, and removed by a save or
// a close.
#include <thread>

#include "doc/document_commands.h"
#include "doc/puzzle_document.h"
#include "doc/recovery.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "puz_builder.h"

namespace gw::test {
namespace {

class RecoveryTest : public CoreFixture {
protected:
    TempFolder folder;
    TempFolder copies;
    RecoveryStore copyStore{copies.file("")};
    std::unique_ptr<PuzzleDocument> doc;
    std::string path;

    void SetUp() override {
        CoreFixture::SetUp();
        path = folder.file("daily.puz");
        writeBytes(path, PuzBuilder::allWhite4x4().build());
        startProgram();
    }
    void TearDown() override {
        if (doc) doc->isDirty = false;
        doc.reset();
        CoreFixture::TearDown();
    }
    // A new program run: the previous document goes without being closed, as in a
    // crash.
    void startProgram() {
        core().document = nullptr;
        doc.reset();
        doc = std::make_unique<PuzzleDocument>();
        doc->recovery = &copyStore;
        core().document = doc.get();
    }
    void type(int x, int y, char c) { doc->grid->SetCellEntry(x, y, c, false, false); }
    bool copyExists() { return !readBytes(copyStore.copyPathFor(path)).empty(); }
};

TEST_F(RecoveryTest, CrashedChangesComeBackOnlyWhenTheUserAsks) {
    ASSERT_TRUE(openByPath(*doc, path));
    doc->keepRecoveryCopy();
    EXPECT_FALSE(copyExists());  // nothing unsaved yet
    type(0, 0, 'A');
    type(1, 0, 'B');
    doc->keepRecoveryCopy();
    ASSERT_TRUE(copyExists());

    startProgram();
    services.answers = {AnswerYes};
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_EQ(doc->path, path);
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(doc->grid->cell(0, 0).fill, 'A');
    EXPECT_EQ(doc->grid->cell(1, 0).fill, 'B');
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(services.messages()[0].find(path), std::string::npos);
    EXPECT_TRUE(copyExists());  // still unsaved: a second crash keeps it

    // A save writes the file and removes the copy; the file holds the letters.
    EXPECT_TRUE(doc->save());
    EXPECT_FALSE(copyExists());
    startProgram();
    services.calls.clear();
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(doc->grid->cell(1, 0).fill, 'B');
    EXPECT_FALSE(doc->isDirty);

    // No throws the copy away and opens the file as it is.
    type(2, 0, 'C');
    doc->keepRecoveryCopy();
    startProgram();
    services.answers = {AnswerNo};
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_EQ(doc->grid->cell(2, 0).fill, '-');
    EXPECT_FALSE(doc->isDirty);
    EXPECT_FALSE(copyExists());
}

TEST_F(RecoveryTest, CleanCloseRemovesTheCopyAndAChangedFileDropsIt) {
    ASSERT_TRUE(openByPath(*doc, path));
    type(0, 0, 'A');
    doc->keepRecoveryCopy();
    ASSERT_TRUE(copyExists());
    services.answers = {AnswerNo};  // do not save
    EXPECT_TRUE(closeCurrentPuzzle(*doc));
    EXPECT_FALSE(copyExists());

    // A copy made from another version of the file is not offered over the new one.
    ASSERT_TRUE(openByPath(*doc, path));
    type(0, 0, 'A');
    doc->keepRecoveryCopy();
    startProgram();
    std::vector<uint8_t> bytes = readBytes(path);
    bytes.push_back(0);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    writeBytes(path, bytes);
    services.calls.clear();
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_FALSE(copyExists());

    // Neither is a damaged copy: the file opens as usual.
    writeBytes(copyStore.copyPathFor(path), {'G', 'W', 'R', 'C', 'O', 'P', 'Y', '1', 9});
    startProgram();
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_FALSE(copyExists());
}

TEST_F(RecoveryTest, CopyFormatRefusesAnythingButAWholeCopy) {
    FileStamp stamp{true, 1234, 5678};
    const std::vector<uint8_t> puzzle = {1, 2, 3};
    std::vector<uint8_t> bytes = encodeRecoveryCopy("C:\\p\\a.puz", stamp, puzzle);
    std::string name;
    FileStamp read;
    std::vector<uint8_t> out;
    ASSERT_TRUE(decodeRecoveryCopy(bytes, name, read, out));
    EXPECT_EQ(name, "C:\\p\\a.puz");
    EXPECT_TRUE(read == stamp);
    EXPECT_EQ(out, puzzle);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        std::vector<uint8_t> shorter(bytes.begin(), bytes.begin() + long(cut));
        EXPECT_FALSE(decodeRecoveryCopy(shorter, name, read, out)) << cut;
    }
    bytes.push_back(0);
    EXPECT_FALSE(decodeRecoveryCopy(bytes, name, read, out));
    // Letter case and slashes do not make another copy.
    EXPECT_EQ(copyStore.copyPathFor("C:\\P\\A.PUZ"), copyStore.copyPathFor("c:/p/a.puz"));
    EXPECT_NE(copyStore.copyPathFor("C:\\p\\a.puz"), copyStore.copyPathFor("C:\\p\\b.puz"));
}

}  // namespace
}  // namespace gw::test
