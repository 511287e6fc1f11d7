#include <algorithm>
#include <cstring>

#include "doc/puzzle_document.h"
#include "doc/puzzle_reader.h"
#include "doc/puzzle_writer.h"
#include "doc/rebus.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "puz_builder.h"
#include "resources/string_table.h"
#include "solve/clue_set.h"

using namespace gw;
using namespace gw::test;

namespace {

class DocumentTest : public DocumentFixture {
protected:
    bool openBytes(const std::vector<uint8_t>& bytes, const std::string& name = "p.puz") {
        const std::string path = folder.file(name);
        writeBytes(path, bytes);
        return doc->open(path);
    }
    PuzzleFileImage reread(const std::string& name = "p.puz") {
        PuzzleFileImage img;
        EXPECT_TRUE(readPuzzleFile(folder.file(name), img));
        return img;
    }
    static std::vector<std::string> tagsOf(const PuzzleFileImage& img) {
        std::vector<std::string> out;
        for (const auto& s : img.sections) out.push_back(s.tag);
        return out;
    }
};

}  // namespace

TEST_F(DocumentTest, OpeningSetsUpThePuzzleInOrder) {
    PuzBuilder b;
    b.fill = "C-T" "-.-" "t--";  // one pen letter, one pencil letter
    ASSERT_TRUE(openBytes(b.build()));
    EXPECT_TRUE(doc->isOpen);
    EXPECT_FALSE(doc->isDirty);
    EXPECT_EQ(doc->path, folder.file("p.puz"));
    EXPECT_EQ(doc->title, "Title");

    // Events: loading, then the cells counted while numbering come first, shown last.
    ASSERT_FALSE(tools.events.empty());
    EXPECT_EQ(tools.events.back(), 5);
    EXPECT_EQ(tools.count(4), 1);
    EXPECT_EQ(tools.count(26), 3);
    const auto& c = services.calls;
    auto at = [&](const std::string& s) { return std::find(c.begin(), c.end(), s) - c.begin(); };
    EXPECT_LT(at("title Gridwell - " + doc->path), at("setMenu SolveMenu"));
    EXPECT_LT(at("setMenu SolveMenu"), at("toolbar 18"));
    EXPECT_LT(at("toolbar 18"), at("views created"));
    EXPECT_TRUE(services.has("enable 40006 1"));
    EXPECT_TRUE(services.has("enable 40037 1"));
    EXPECT_TRUE(services.has("enable 40038 0"));
    EXPECT_TRUE(services.has("enable 40019 1"));
    EXPECT_EQ(services.calls.back(), "save off");

    const PuzzleGrid& g = *doc->grid;
    EXPECT_EQ(g.cell(0, 2).fill, 'T');
    EXPECT_TRUE(g.cell(0, 2).flags & Pencil);
    EXPECT_FALSE(g.cell(0, 0).flags & Pencil);
    EXPECT_FALSE(g.cell(1, 1).isLetter);
    EXPECT_EQ(g.cell(0, 0).number, 1);
    EXPECT_EQ(*doc->clues->entry(0, 0).acrossText, "Feline");
}

TEST_F(DocumentTest, CellsComeFromRowOrderIndices) {
    PuzBuilder b;
    b.width = b.height = 15;
    b.solution.assign(225, 'A');
    b.fill.assign(225, '-');
    b.solution[18] = 'Q';  // column 3, row 1
    b.solution[0] = ':';
    b.solution[1] = '.';
    b.fill[0] = ':';
    b.fill[1] = '.';
    // Clue count matters only for the incomplete-solution warning here.
    b.clues.assign(60, "c");
    ASSERT_TRUE(openBytes(b.build()));
    EXPECT_EQ(doc->grid->cell(3, 1).solution, 'Q');
    EXPECT_TRUE(doc->grid->cell(0, 0).flags & ShownColon);
    EXPECT_FALSE(doc->grid->cell(1, 0).flags & ShownColon);
    // Blocks are written back as they were read.
    doc->setDirty();
    ASSERT_TRUE(doc->save());
    PuzzleFileImage img = reread();
    EXPECT_EQ(img.solution.substr(0, 2), ":.");
    EXPECT_EQ(img.solution[18], 'Q');
}

TEST_F(DocumentTest, IncompleteSolutionWarnsButOpens) {
    PuzBuilder b;
    b.solution[0] = '-';
    ASSERT_TRUE(openBytes(b.build()));
    EXPECT_TRUE(services.has("warningById 19"));
    EXPECT_TRUE(doc->isOpen);

    PuzBuilder c;
    c.clues[2] = "";
    doc->close();
    services.calls.clear();
    ASSERT_TRUE(openBytes(c.build()));
    EXPECT_TRUE(services.has("warningById 19"));
}

TEST_F(DocumentTest, RebusSectionsBuildTheCells) {
    PuzBuilder b;
    const std::string rtbl = " 0:HEART; 1:[@]*;43:SKIP; 2:STAR;ab; 3:LOST;";
    std::vector<uint8_t> grbs(9, 0);
    grbs[0] = 1;   // HEART
    grbs[2] = 2;   // symbol
    grbs[3] = 3;   // STAR (read after the skipped key 43)
    grbs[5] = 4;   // LOST: after the two-character piece, never read
    std::string rusr;
    const char* per[9] = {"", "ABCDEFGHIJKL", "[#]", "", "", "", "", "", ""};
    for (const char* s : per) rusr.append(s).push_back('\0');
    b.sections = {{"RTBL", PuzBuilder::bytesOf(rtbl)}, {"GRBS", grbs}, {"RUSR", PuzBuilder::bytesOf(rusr)},
                  {"GEXT", std::vector<uint8_t>(5, 0x80)}};  // wrong length: dropped
    ASSERT_TRUE(openBytes(b.build()));
    EXPECT_TRUE(doc->isRebus);
    EXPECT_TRUE(doc->usesSymbols);
    const PuzzleGrid& g = *doc->grid;
    ASSERT_TRUE(g.rebusTable);
    ASSERT_TRUE(g.rebusTable->slots[0]);
    EXPECT_EQ(g.rebusTable->slots[0]->length, 5);
    EXPECT_STREQ(g.rebusTable->slots[0]->text, "HEART");
    ASSERT_TRUE(g.rebusTable->slots[1]);
    EXPECT_EQ(g.rebusTable->slots[1]->kind, RebusSymbolStar);
    EXPECT_EQ(g.rebusTable->slots[1]->text[0], '@');
    EXPECT_TRUE(g.rebusTable->slots[2]);
    EXPECT_FALSE(g.rebusTable->slots[3]);

    ASSERT_TRUE(g.cell(0, 0).solutionRebus);
    EXPECT_STREQ(g.cell(0, 0).solutionRebus->text, "HEART");
    EXPECT_TRUE(g.cell(2, 0).solutionRebus);
    EXPECT_TRUE(g.cell(0, 1).solutionRebus);
    EXPECT_FALSE(g.cell(2, 1).solutionRebus);
    ASSERT_TRUE(g.cell(1, 0).userRebus);
    EXPECT_STREQ(g.cell(1, 0).userRebus->text, "ABCDEFGHI");  // at most nine kept
    EXPECT_EQ(g.cell(1, 0).userRebus->length, 9);
    ASSERT_TRUE(g.cell(2, 0).userRebus);
    EXPECT_EQ(g.cell(2, 0).userRebus->kind, RebusSymbol);
    EXPECT_EQ(g.cell(2, 0).userRebus->text[0], '#');
    EXPECT_EQ(g.cell(0, 0).flags & 0x80, 0);
    // GEXT and RUSR now live in the grid, the rest stays in the image.
    EXPECT_EQ(tagsOf(*doc->fileImage), (std::vector<std::string>{"RTBL", "GRBS"}));
}

TEST_F(DocumentTest, RebusTableParsing) {
    RebusTable t;
    parseRebusTable(" 5:AB;x;9:CD;", t);  // the one-character piece ends the walk
    EXPECT_TRUE(t.slots[5]);
    EXPECT_FALSE(t.slots[9]);
    RebusTable u;
    parseRebusTable("1:ABCDEFGHIJ; 4:OK; 2:[;3:X;", u);  // ten letters skipped; "[" alone ends
    EXPECT_FALSE(u.slots[1]);
    EXPECT_TRUE(u.slots[4]);
    EXPECT_FALSE(u.slots[2]);
    EXPECT_FALSE(u.slots[3]);
    RebusTable v;
    parseRebusTable("nonsense;", v);
    for (const auto& s : v.slots) EXPECT_FALSE(s);
}

TEST_F(DocumentTest, SaveRoundTripKeepsEverythingAndSectionOrder) {
    PuzBuilder b;
    b.version = "1.2";
    b.notes = "my notes";
    b.title = "";
    b.sections = {{"LTIM", PuzBuilder::bytesOf("100")}, {"ABCD", {9, 9}}};
    ASSERT_TRUE(openBytes(b.build()));
    PuzzleGrid& g = *doc->grid;
    g.cell(0, 0).fill = 'C';
    g.cell(2, 0).fill = 'T';
    g.cell(2, 0).flags |= Pencil;
    g.cell(0, 2).flags |= Circled;
    g.cell(2, 2).userRebus = std::make_unique<RebusEntry>();
    std::strcpy(g.cell(2, 2).userRebus->text, "NN");
    g.cell(2, 2).userRebus->length = 2;
    doc->setDirty();
    tools.events.clear();
    ASSERT_TRUE(doc->save());
    EXPECT_EQ(tools.events, std::vector<int>{11});
    EXPECT_FALSE(doc->isDirty);
    EXPECT_EQ(services.calls.back(), "save off");

    PuzzleFileImage img = reread();
    EXPECT_EQ(img.versionNumber(), 13);
    EXPECT_EQ(img.fill, "C-t" "-.-" "---");
    EXPECT_EQ(img.notes, "my notes");
    EXPECT_TRUE(img.title.empty());
    EXPECT_EQ(img.author, "Author");
    EXPECT_EQ(img.clues, b.clues);
    EXPECT_EQ(tagsOf(img), (std::vector<std::string>{"LTIM", "ABCD", "GEXT", "RUSR"}));
    EXPECT_EQ(img.getExtraSection("GEXT")->data[6], 0x80);
    const auto& rusr = img.getExtraSection("RUSR")->data;
    EXPECT_EQ(std::string(rusr.begin(), rusr.end()), std::string(8, '\0') + "NN" + '\0');

    // A tool's section replaces the old one in place; clearing the grid drops GEXT and RUSR.
    const uint8_t t[] = {'2', '0', '0'};
    doc->setExtraSection("LTIM", t, 3);
    g.cell(0, 2).flags = 0;
    g.cell(2, 0).flags &= ~Pencil;
    g.cell(2, 2).userRebus.reset();
    doc->setDirty();
    ASSERT_TRUE(doc->save());
    img = reread();
    EXPECT_EQ(tagsOf(img), (std::vector<std::string>{"LTIM", "ABCD"}));
    EXPECT_EQ(img.sections[0].data, std::vector<uint8_t>(t, t + 3));

    // And the reopened file shows the same puzzle.
    doc->close();
    ASSERT_TRUE(doc->open(folder.file("p.puz")));
    EXPECT_EQ(doc->grid->cell(2, 0).fill, 'T');
    EXPECT_EQ(doc->notes, "my notes");
}

TEST_F(DocumentTest, LargeGridKeepsCirclesPencilAndRebusThroughSave) {
    PuzBuilder b;
    b.width = b.height = 33;
    b.solution.assign(33 * 33, 'E');
    b.fill.assign(33 * 33, '-');
    b.clues.assign(66, "clue");
    ASSERT_TRUE(openBytes(b.build()));
    PuzzleGrid& g = *doc->grid;
    g.cell(32, 32).flags |= Circled;
    g.cell(0, 0).flags |= Circled;
    g.cell(31, 30).fill = 'E';
    g.cell(31, 30).flags |= Pencil;
    g.cell(30, 32).userRebus = std::make_unique<RebusEntry>();
    std::strcpy(g.cell(30, 32).userRebus->text, "LONGER");
    g.cell(30, 32).userRebus->length = 6;
    doc->setDirty();
    ASSERT_TRUE(doc->save());
    doc->close();
    ASSERT_TRUE(doc->open(folder.file("p.puz")));
    const PuzzleGrid& r = *doc->grid;
    EXPECT_TRUE(r.cell(32, 32).flags & Circled);
    EXPECT_TRUE(r.cell(0, 0).flags & Circled);
    EXPECT_TRUE(r.cell(31, 30).flags & Pencil);
    ASSERT_TRUE(r.cell(30, 32).userRebus);
    EXPECT_STREQ(r.cell(30, 32).userRebus->text, "LONGER");
}

TEST_F(DocumentTest, ToolSectionServices) {
    PuzBuilder b;
    ASSERT_TRUE(openBytes(b.build()));
    std::vector<uint8_t> big(1025, 1);
    EXPECT_FALSE(doc->writeSectionForTool("LTIM", big.data(), 1025));
    EXPECT_FALSE(doc->isDirty);
    EXPECT_EQ(doc->getExtraSection("LTIM"), nullptr);
    EXPECT_TRUE(doc->writeSectionForTool("LTIM", big.data(), 1024));
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(services.calls.back(), "save on");

    std::vector<uint8_t> buf(1024);
    EXPECT_EQ(doc->readSectionForTool("LTIM", buf.data(), 1023), 0);
    EXPECT_EQ(doc->readSectionForTool("LTIM", buf.data(), 1024), 1024);
    EXPECT_EQ(doc->readSectionForTool("ltim", buf.data(), 1024), 0);

    doc->isDirty = false;
    doc->deleteSectionForTool("LTIM");
    EXPECT_FALSE(doc->isDirty);
    EXPECT_EQ(doc->getExtraSection("LTIM"), nullptr);
    EXPECT_TRUE(doc->writeSectionForTool("NONE", nullptr, 0));  // stores nothing, marks modified
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(doc->getExtraSection("NONE"), nullptr);
}

TEST_F(DocumentTest, CloseAsksAndTearsDown) {
    PuzBuilder b;
    ASSERT_TRUE(openBytes(b.build()));
    doc->setDirty();
    services.answers = {AnswerCancel};
    EXPECT_FALSE(doc->close());
    EXPECT_TRUE(doc->isOpen);

    tools.events.clear();
    services.calls.clear();
    services.answers = {AnswerNo};
    doc->printJob = std::make_unique<PrintState>();
    EXPECT_TRUE(doc->close());
    EXPECT_FALSE(doc->isOpen);
    EXPECT_FALSE(doc->isDirty);
    EXPECT_EQ(doc->grid, nullptr);
    EXPECT_EQ(doc->fileImage, nullptr);
    EXPECT_EQ(doc->printChoice, 255);
    EXPECT_EQ(doc->printJob, nullptr);
    EXPECT_EQ(tools.events, (std::vector<int>{6, 7}));
    EXPECT_EQ(services.messages(), std::vector<std::string>{"questionById 11"});
    EXPECT_TRUE(services.has("title Gridwell"));
    EXPECT_TRUE(services.has("setMenu InitMenu"));
    EXPECT_TRUE(services.has("toolbar 17"));
    EXPECT_TRUE(services.has("views destroyed"));
}

TEST_F(DocumentTest, CloseKeepsTheSolvingPreferencesChangedWhileSolving) {
    PuzBuilder b;
    ASSERT_TRUE(openBytes(b.build()));
    doc->grid->AttachView(nullptr);  // reads the stored preferences, as the views do at open
    doc->grid->ToggleSkipAfterEntry();
    EXPECT_TRUE(doc->close());
    ASSERT_NE(store.find("grid", "cursorskip"), nullptr);
    EXPECT_EQ(*store.find("grid", "cursorskip"), "0");
    EXPECT_EQ(*store.find("grid", "skipfilled"), "1");
}

TEST_F(DocumentTest, CloseWithYesSavesFirst) {
    PuzBuilder b;
    ASSERT_TRUE(openBytes(b.build()));
    doc->grid->cell(0, 0).fill = 'C';
    doc->setDirty();
    services.answers = {AnswerYes};
    EXPECT_TRUE(doc->close());
    EXPECT_EQ(reread().fill[0], 'C');

    // A save that fails keeps the puzzle open.
    ASSERT_TRUE(doc->open(folder.file("p.puz")));
    doc->setDirty();
    std::filesystem::remove(folder.file("p.puz"));  // save falls back to the dialog
    services.answers = {AnswerYes};
    EXPECT_FALSE(doc->close());
    EXPECT_TRUE(doc->isOpen);
    EXPECT_TRUE(services.has("fileDialog 40012"));
}

TEST_F(DocumentTest, SaveOfCleanPuzzleOpensTheDialog) {
    PuzBuilder b;
    const auto bytes = b.build();
    ASSERT_TRUE(openBytes(bytes));
    EXPECT_FALSE(doc->save());
    EXPECT_TRUE(services.has("fileDialog 40012"));
    EXPECT_EQ(tools.count(11), 0);
    EXPECT_EQ(readBytes(folder.file("p.puz")), bytes);
}

TEST_F(DocumentTest, SaveAsTakesTheNewPath) {
    PuzBuilder b;
    ASSERT_TRUE(openBytes(b.build()));
    tools.events.clear();
    const std::string target = folder.file("other.puz");
    ASSERT_TRUE(doc->saveAs(target));
    EXPECT_EQ(doc->path, target);
    EXPECT_EQ(tools.events, (std::vector<int>{11, 13}));
    EXPECT_TRUE(services.has("title Gridwell - " + target));
    PuzzleFileImage img = reread("other.puz");
    EXPECT_EQ(img.solution, b.solution);
}

TEST_F(DocumentTest, OverlongPathsAreRefusedNotCut) {
    PuzBuilder b;
    ASSERT_TRUE(openBytes(b.build()));
    const std::string longPath = folder.file(std::string(300, 'n') + ".puz");
    EXPECT_FALSE(doc->saveAs(longPath));
    EXPECT_EQ(services.messages().back(), "warning " + std::string(stringText(IDS_PATH_TOO_LONG)) + longPath);
    EXPECT_EQ(doc->path, folder.file("p.puz"));
    EXPECT_EQ(tools.count(11), 0);

    doc->close();
    EXPECT_FALSE(doc->open(longPath));
    EXPECT_FALSE(doc->isOpen);
}

TEST_F(DocumentTest, IndicatorSettingsReadAtStartWrittenAtEnd) {
    store.writeInt("display", "rebusindicator", 1);
    store.writeInt("display", "symbolindicator", 2);
    auto d = std::make_unique<PuzzleDocument>();
    EXPECT_TRUE(d->showRebusIndicator);
    EXPECT_FALSE(d->showSymbolIndicator);
    d->showSymbolIndicator = true;
    d.reset();
    EXPECT_EQ(*store.find("display", "symbolindicator"), "1");
    EXPECT_EQ(*store.find("display", "rebusindicator"), "1");
}

TEST_F(DocumentTest, DiagramlessHookRunsBeforeThePuzzleIsShown) {
    PuzBuilder b;
    b.typeBits = 4;
    int runs = 0;
    doc->diagramlessLoop = [&](PuzzleDocument& d) {
        ++runs;
        EXPECT_EQ(tools.count(5), 0);
        d.close();
    };
    EXPECT_TRUE(openBytes(b.build()));
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(doc->isOpen);
    EXPECT_EQ(tools.count(5), 0);
}
