// The document commands behind the dialogs: name rules, the text-import fallback,
// the overwrite question, Delete and the diagramless loop.
#include <deque>

#include "doc/document_commands.h"
#include "doc/puzzle_document.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "plugins/host/tool_api.h"
#include "puz_builder.h"
#include "resources/string_ids.h"

namespace gw::test {
namespace {

TEST(SaveNames, ProposedNameDropsFolderAndExtension) {
    EXPECT_EQ(proposedSaveName("C:\\p\\daily.puz"), "daily");
    EXPECT_EQ(proposedSaveName("C:\\p\\a.txt.puz"), "a.txt");
    EXPECT_EQ(proposedSaveName("C:\\p\\noext"), "noext");
    EXPECT_EQ(proposedSaveName("C:\\p\\x.pz"), "x.pz");
    EXPECT_EQ(proposedSaveName("plain.puz"), "plain");
}

TEST(SaveNames, ChosenNameGetsAPuzExtension) {
    EXPECT_EQ(normaliseSaveName("notes"), "notes.puz");
    EXPECT_EQ(normaliseSaveName("  notes  "), "notes.puz");
    EXPECT_EQ(normaliseSaveName("notes.PUZ"), "notes.PUZ");
    EXPECT_EQ(normaliseSaveName("notes.Puz "), "notes.Puz");
    EXPECT_EQ(normaliseSaveName("list.txt"), "list.txt.puz");
    EXPECT_EQ(normaliseSaveName("abc"), "abc.puz");
    EXPECT_EQ(normaliseSaveName("a.b"), "a.b.puz");
    EXPECT_EQ(normaliseSaveName("C:\\dir.x\\name"), "C:\\dir.x\\name.puz");
    EXPECT_EQ(normaliseSaveName("   "), "");
}

TEST(SaveNames, BackupAndFolder) {
    EXPECT_EQ(backupNameFor("C:\\p\\a.puz"), "C:\\p\\a.bak");
    EXPECT_EQ(backupNameFor("C:\\p\\a.txt.PUZ"), "C:\\p\\a.txt.bak");
    EXPECT_EQ(backupNameFor("C:\\p\\a.txt"), "");
    EXPECT_EQ(backupNameFor("puz"), "");
    EXPECT_EQ(folderOf("C:\\p\\q\\a.puz"), "C:\\p\\q");
    EXPECT_EQ(folderOf("/tmp/x/a.puz"), "/tmp/x");
    EXPECT_EQ(folderOf("a.puz"), "");
}

// Answers the diagramless dialog from a script.
class ScriptedServices : public FakeServices {
public:
    std::deque<int> diagramlessButtons;
    bool deleteWorks = true;
    int showDiagramlessDialog() override {
        log("diagramlessDialog");
        if (diagramlessButtons.empty()) return -1;
        int b = diagramlessButtons.front();
        diagramlessButtons.pop_front();
        return b;
    }
    bool deletePuzzleFile(const std::string& p) override {
        log("delete " + p);
        return deleteWorks;
    }
};

class DocumentCommandsTest : public CoreFixture {
protected:
    ScriptedServices scripted;
    TempFolder folder;
    std::unique_ptr<PuzzleDocument> doc;

    void SetUp() override {
        CoreFixture::SetUp();
        core().ui = &scripted;
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
    }
    void TearDown() override {
        doc.reset();
        CoreFixture::TearDown();
    }
    std::string puzzle(const std::string& name, uint8_t typeBits = 0) {
        PuzBuilder b = PuzBuilder::allWhite4x4();
        b.typeBits = typeBits;
        std::string path = folder.file(name);
        writeBytes(path, b.build());
        return path;
    }
    std::string textPuzzle(const std::string& name) {
        std::string text =
            "<ORVANE PUZZLE>\n<TITLE>\nT\n<AUTHOR>\nA\n<COPYRIGHT>\nC\n<SIZE>\n3x3\n<GRID>\nCAT\nA.A\nTAN\n"
            "<ACROSS>\nFeline\nPat\n<DOWN>\nKayak\nSun colour\n";
        std::string path = folder.file(name);
        writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
        return path;
    }
};

TEST_F(DocumentCommandsTest, OpenByPathFallsBackToTheTextImport) {
    std::string path = textPuzzle("import.txt");
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_TRUE(doc->isOpen);
    EXPECT_TRUE(doc->isDirty);  // never saved as a puzzle file
    EXPECT_EQ(doc->path, folder.file("import.puz"));
    ASSERT_FALSE(scripted.messages().empty());
    EXPECT_EQ(scripted.messages()[0], "warningById " + std::to_string(IDS_NOT_A_PUZZLE));
}

TEST_F(DocumentCommandsTest, OpenByPathKeepsAnUnsavedPuzzleWhenCancelled) {
    std::string first = puzzle("first.puz");
    std::string second = puzzle("second.puz");
    ASSERT_TRUE(openByPath(*doc, first));
    doc->setDirty();
    scripted.answers = {AnswerCancel};
    EXPECT_FALSE(openByPath(*doc, second));
    EXPECT_EQ(doc->path, first);
    EXPECT_TRUE(doc->isDirty);
}

TEST_F(DocumentCommandsTest, ChosenFileUsesTheFilterWithoutFallback) {
    std::string text = textPuzzle("import.txt");
    EXPECT_FALSE(openChosenFile(*doc, text, OpenFilterPuzzle));
    EXPECT_FALSE(doc->isOpen);
    EXPECT_EQ(scripted.messages(), std::vector<std::string>{"warningById " + std::to_string(IDS_NOT_A_PUZZLE)});

    scripted.calls.clear();
    EXPECT_FALSE(openChosenFile(*doc, folder.file("missing.puz"), 3));
    EXPECT_EQ(scripted.messages(), std::vector<std::string>{"warningById " + std::to_string(IDS_FILE_UNREADABLE)});

    EXPECT_TRUE(openChosenFile(*doc, text, 2));
    EXPECT_TRUE(doc->isOpen);
}

TEST_F(DocumentCommandsTest, SaveAsOverAnExistingFileAsksAndBacksUp) {
    ASSERT_TRUE(openByPath(*doc, puzzle("daily.puz")));
    std::string target = folder.file("old.puz");
    writeBytes(target, {'o', 'l', 'd'});
    scripted.answers = {AnswerCancel};
    EXPECT_FALSE(saveAsChosenName(*doc, target));
    EXPECT_EQ(readBytes(target), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_TRUE(readBytes(folder.file("old.bak")).empty());

    scripted.answers = {AnswerOk};
    EXPECT_TRUE(saveAsChosenName(*doc, target));
    EXPECT_EQ(readBytes(folder.file("old.bak")), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_GT(readBytes(target).size(), 52u);
    EXPECT_EQ(doc->path, target);
    EXPECT_EQ(scripted.count("questionById " + std::to_string(IDS_OVERWRITE_CONFIRM)), 2);
}

TEST_F(DocumentCommandsTest, DeleteAsksTellsToolsAndClosesWithoutSaving) {
    std::string path = puzzle("daily.puz");
    ASSERT_TRUE(openByPath(*doc, path));
    doc->setDirty();
    scripted.answers = {AnswerNo};
    EXPECT_FALSE(deletePuzzle(*doc));
    EXPECT_TRUE(doc->isOpen);
    EXPECT_EQ(tools.count(BeforeDeletePuzzle), 0);

    scripted.calls.clear();
    scripted.answers = {AnswerYes};
    EXPECT_TRUE(deletePuzzle(*doc));
    EXPECT_FALSE(doc->isOpen);
    EXPECT_EQ(tools.count(BeforeDeletePuzzle), 1);
    EXPECT_TRUE(scripted.has("delete " + path));
    EXPECT_EQ(scripted.count("questionById " + std::to_string(IDS_SAVE_BEFORE_CLOSE)), 0);
}

TEST_F(DocumentCommandsTest, FailedDeleteKeepsThePuzzleAndItsChanges) {
    ASSERT_TRUE(openByPath(*doc, puzzle("daily.puz")));
    doc->setDirty();
    scripted.deleteWorks = false;
    scripted.answers = {AnswerYes};
    EXPECT_FALSE(deletePuzzle(*doc));
    EXPECT_TRUE(doc->isOpen);
    EXPECT_TRUE(doc->isDirty);
}

TEST_F(DocumentCommandsTest, DeletingAPuzzleWithoutAFileClosesIt) {
    ASSERT_TRUE(openByPath(*doc, puzzle("imported.puz")));
    std::remove(doc->path.c_str());  // as an imported text whose .puz was never written
    scripted.deleteWorks = false;
    scripted.answers = {AnswerYes};
    EXPECT_TRUE(deletePuzzle(*doc));
    EXPECT_FALSE(doc->isOpen);
    EXPECT_FALSE(scripted.has("delete " + folder.file("imported.puz")));
}

TEST_F(DocumentCommandsTest, AnOverlongNameIsRefusedOnceWithoutTryingTheImport) {
    const std::string name = folder.file(std::string(300, 'n') + ".txt");
    EXPECT_FALSE(openByPath(*doc, name));
    EXPECT_FALSE(doc->isOpen);
    EXPECT_EQ(scripted.messages().size(), 1u);
}

TEST_F(DocumentCommandsTest, DiagramlessLoopRepeatsUntilConverted) {
    doc->diagramlessLoop = runDiagramlessLoop;
    int printed = 0;
    doc->printPuzzle = [&printed](PuzzleDocument& d) { printed += d.isDiagramless ? 1 : 100; };
    scripted.diagramlessButtons = {diag::PrintPuzzle, diag::PrintPuzzle, diag::Convert};
    ASSERT_TRUE(openByPath(*doc, puzzle("dl.puz", 4)));
    EXPECT_EQ(scripted.count("diagramlessDialog"), 3);
    EXPECT_EQ(printed, 2);  // printed as a diagramless, and the dialog came back each time
    EXPECT_TRUE(doc->isOpen);
    EXPECT_FALSE(doc->isDiagramless);
    EXPECT_TRUE(doc->isDirty);
    EXPECT_TRUE(scripted.has("save on"));
    EXPECT_EQ(tools.count(PuzzleOpened), 1);
}

TEST_F(DocumentCommandsTest, DiagramlessLoopEndsWhenThePuzzleIsClosed) {
    doc->diagramlessLoop = runDiagramlessLoop;
    scripted.diagramlessButtons = {diag::ClosePuzzle};
    openByPath(*doc, puzzle("dl.puz", 4));
    EXPECT_FALSE(doc->isOpen);
    EXPECT_EQ(scripted.count("diagramlessDialog"), 1);
    EXPECT_EQ(tools.count(PuzzleOpened), 0);  // never shown
}

TEST_F(DocumentCommandsTest, DiagramlessLoopStopsWhenTheDialogCannotBeShown) {
    doc->diagramlessLoop = runDiagramlessLoop;
    ASSERT_TRUE(openByPath(*doc, puzzle("dl.puz", 4)));  // no scripted buttons: the dialog fails
    EXPECT_EQ(scripted.count("diagramlessDialog"), 1);
    EXPECT_TRUE(doc->isOpen);
}

}  // namespace
}  // namespace gw::test
