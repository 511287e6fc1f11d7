#include <algorithm>

#include "doc/file_replace.h"
#include "doc/puzzle_document.h"
#include "doc/puzzle_reader.h"
#include "doc/puzzle_writer.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "puz_builder.h"

using namespace gw;
using namespace gw::test;

namespace {

class WriterTest : public DocumentFixture {
protected:
    void TearDown() override {
        setFileFaultForTesting(-1);
        DocumentFixture::TearDown();
    }
};

}  // namespace

TEST_F(WriterTest, WrittenFileMatchesTheFormatByteForByte) {
    // A 1.3 file from the independent builder, read and written back unchanged.
    PuzBuilder b;
    b.notes = "n";
    b.stateBits = 0x08;
    b.sections = {{"LTIM", {1, 2}}, {"GRBS", std::vector<uint8_t>(9, 0)}};
    const auto original = b.build();
    PuzzleFileImage img;
    ASSERT_TRUE(readPuzzleBytes(original.data(), original.size(), img));
    const std::string path = folder.file("same.puz");
    ASSERT_TRUE(writePuzzleFile(path, img));
    EXPECT_EQ(readBytes(path), original);
    EXPECT_TRUE(img.solution.empty());  // made for the save, freed after it
    EXPECT_TRUE(services.has("wait on"));
    EXPECT_EQ(services.calls.back(), "status ");
}

TEST_F(WriterTest, Version12InputIsWrittenAs13WithNotesCounted) {
    PuzBuilder b;
    b.version = "1.2";
    b.notes = "hint";
    const auto bytes = b.build();
    const std::string path = folder.file("v.puz");
    writeBytes(path, bytes);
    ASSERT_TRUE(doc->open(path));
    doc->setDirty();
    ASSERT_TRUE(doc->save());
    PuzBuilder expected = b;
    expected.version = "1.3";
    EXPECT_EQ(readBytes(path), expected.build());
}

TEST_F(WriterTest, FailedCreateLeavesTheOldFileAndNoTemporary) {
    PuzBuilder b;
    const auto bytes = b.build();
    const std::string path = folder.file("keep.puz");
    writeBytes(path, bytes);
    ASSERT_TRUE(doc->open(path));
    doc->grid->cell(0, 0).fill = 'X';
    doc->setDirty();

    setFileFaultForTesting(-2);
    EXPECT_FALSE(doc->save());
    EXPECT_EQ(services.messages().back(), "warningById 13");
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"keep.puz"});
}

TEST_F(WriterTest, WriteFailingHalfWayLeavesTheOldFileAndNoTemporary) {
    PuzBuilder b;
    const auto bytes = b.build();
    const std::string path = folder.file("keep.puz");
    writeBytes(path, bytes);
    ASSERT_TRUE(doc->open(path));
    doc->grid->cell(0, 0).fill = 'X';
    doc->setDirty();

    setFileFaultForTesting(30);
    EXPECT_FALSE(doc->save());
    EXPECT_EQ(services.messages().back(), "warningById 14");
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"keep.puz"});

    // Save As to a new name fails the same way and keeps the old path.
    EXPECT_FALSE(doc->saveAs(folder.file("new.puz")));
    EXPECT_EQ(doc->path, path);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"keep.puz"});

    setFileFaultForTesting(-1);
    EXPECT_TRUE(doc->save());
    PuzzleFileImage img;
    ASSERT_TRUE(readPuzzleFile(path, img));
    EXPECT_EQ(img.fill[0], 'X');
}

TEST_F(WriterTest, WritingIntoAMissingFolderFailsWithCannotWrite) {
    PuzzleFileImage img;
    PuzBuilder b;
    const auto bytes = b.build();
    ASSERT_TRUE(readPuzzleBytes(bytes.data(), bytes.size(), img));
    EXPECT_FALSE(writePuzzleFile(folder.file("no/such/folder/x.puz"), img));
    EXPECT_EQ(services.messages().back(), "warningById 13");
}

TEST_F(WriterTest, BackupNames) {
    EXPECT_EQ(backupPathFor("/a/name.puz"), "/a/name.bak");
    EXPECT_EQ(backupPathFor("/a/a.txt.puz"), "/a/a.txt.bak");
    EXPECT_EQ(backupPathFor("/a/noext"), "/a/noext.bak");
    EXPECT_EQ(backupPathFor("/dir.v2/noext"), "/dir.v2/noext.bak");
    EXPECT_EQ(backupPathFor("C:\\dir.v2\\name.PUZ"), "C:\\dir.v2\\name.bak");
}

TEST_F(WriterTest, BackupIsAnExactCopy) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 20000; ++i) bytes.push_back(uint8_t(i * 7));
    const std::string path = folder.file("name.puz");
    writeBytes(path, bytes);
    EXPECT_TRUE(makeBackup(path));
    EXPECT_EQ(readBytes(folder.file("name.bak")), bytes);
    EXPECT_FALSE(makeBackup(folder.file("missing.puz")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.bak")));
}
