#include <cstdio>
#include <filesystem>
#include <random>

#include "doc/puzzle_reader.h"
#include "fakes.h"
#include "puz_builder.h"
#include "resources/string_table.h"

using namespace gw;
using namespace gw::test;

namespace {

class ReaderTest : public CoreFixture {
protected:
    PuzzleFileImage image;

    bool read(const std::vector<uint8_t>& bytes) { return readPuzzleBytes(bytes.data(), bytes.size(), image); }
    std::vector<std::string> messages() const { return services.messages(); }
    static std::string w(int id) { return "warningById " + std::to_string(id); }
};

using Messages = std::vector<std::string>;

}  // namespace

TEST_F(ReaderTest, ReadsEveryPartOfAVersion13File) {
    PuzBuilder b;
    b.notes = "A hint";
    b.stateBits = 0x0A;
    b.sections = {{"LTIM", PuzBuilder::bytesOf("12,0")}, {"ZZZZ", {1, 2, 3}}};
    ASSERT_TRUE(read(b.build()));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(image.solution, b.solution);
    EXPECT_EQ(image.fill, b.fill);
    EXPECT_EQ(image.title, "Title");
    EXPECT_EQ(image.author, "Author");
    EXPECT_EQ(image.copyright, "(c)");
    EXPECT_EQ(image.clues, b.clues);
    EXPECT_EQ(image.notes, "A hint");
    EXPECT_EQ(image.header.bytes[HdrStateBits], 0x0A);
    ASSERT_EQ(image.sections.size(), 2u);
    EXPECT_STREQ(image.sections[0].tag, "LTIM");
    EXPECT_STREQ(image.sections[1].tag, "ZZZZ");
    EXPECT_EQ(image.sections[1].data, (std::vector<uint8_t>{1, 2, 3}));
    // The wait cursor and status text are set and undone.
    EXPECT_EQ(services.calls.front(), "wait on");
    EXPECT_TRUE(services.has(std::string("status ") + stringText(IDS_READING_FILE)));
    EXPECT_EQ(services.calls.back(), "status ");
}

TEST_F(ReaderTest, EachFailureShowsItsMessagesInOrder) {
    struct Case {
        const char* name;
        std::function<std::vector<uint8_t>()> bytes;
        Messages expected;
    };
    auto built = [](std::function<void(PuzBuilder&)> change) {
        return [change] {
            PuzBuilder b;
            change(b);
            return b.build();
        };
    };
    auto truncated = [](size_t keep, const char* version) {
        return [keep, version] {
            PuzBuilder b;
            b.version = version;
            auto v = b.build();
            v.resize(keep);
            return v;
        };
    };
    const std::vector<Case> cases = {
        {"short header", truncated(40, "1.3"), {w(10)}},
        {"short header of a later version", truncated(40, "2.0"), {w(40), w(10)}},
        {"empty file", truncated(0, "1.3"), {w(10)}},
        {"bad magic", [] { PuzBuilder b; auto v = b.build(); v[3] = 'X'; return v; }, {w(26)}},
        {"byte 0x0D set", [] { PuzBuilder b; auto v = b.build(); v[0x0D] = 1; return v; }, {w(26)}},
        {"header checksum", built([](PuzBuilder& b) { b.headerChecksumDelta = 1; }), {w(26)}},
        {"40 columns", built([](PuzBuilder& b) { b.width = 40; b.height = 10; b.solution.assign(400, 'A'); b.fill.assign(400, '-'); }), {w(26)}},
        {"later version", built([](PuzBuilder& b) { b.version = "2.0"; }), {w(40), w(10)}},
        {"no grids and texts", built([](PuzBuilder& b) { b.puzzleType = 0; }), {w(26)}},
        {"grid cut short", truncated(52 + 12, "1.3"), {w(10)}},
        {"clues cut short", truncated(52 + 18 + 20, "1.3"), {w(10)}},
        {"file checksum", built([](PuzBuilder& b) { b.fileChecksumDelta = 1; }), {w(26)}},
        {"masked checksum", built([](PuzBuilder& b) { b.maskedDelta = 1; }), {w(26)}},
    };
    for (const Case& c : cases) {
        services.calls.clear();
        PuzzleFileImage fresh;
        const auto bytes = c.bytes();
        EXPECT_FALSE(readPuzzleBytes(bytes.data(), bytes.size(), fresh)) << c.name;
        EXPECT_EQ(services.messages(), c.expected) << c.name;
        EXPECT_TRUE(fresh.solution.empty() && fresh.title.empty() && fresh.clues.empty()) << c.name;
        EXPECT_EQ(services.calls.back(), "status ") << c.name;
    }
}

TEST_F(ReaderTest, MissingFileNamesThePath) {
    const std::string path = "/nonexistent/dir/x.puz";
    EXPECT_FALSE(readPuzzleFile(path, image));
    EXPECT_EQ(messages(), Messages{"warning " + std::string(stringText(IDS_CANNOT_OPEN_READ)) + path});
}

TEST_F(ReaderTest, VersionDecidesNotesSectionsAndChecksums) {
    // 1.0: trailing bytes are not notes, masked checksums are not compared.
    {
        PuzBuilder b;
        b.version = "1.0";
        b.notes = "ignored";
        b.maskedDelta = 5;
        ASSERT_TRUE(read(b.build()));
        EXPECT_TRUE(image.notes.empty());
    }
    // 1.1: notes read but outside the checksums; sections not read; masks checked.
    {
        PuzBuilder b;
        b.version = "1.1";
        b.notes = "kept";
        b.sections = {{"LTIM", {1}}};
        ASSERT_TRUE(read(b.build()));
        EXPECT_EQ(image.notes, "kept");
        EXPECT_TRUE(image.sections.empty());
        b.maskedDelta = 1;
        EXPECT_FALSE(read(b.build()));
    }
    // 1.2: sections read; notes still outside the checksums.
    {
        PuzBuilder b;
        b.version = "1.2";
        b.notes = "kept";
        b.sections = {{"LTIM", {1}}};
        ASSERT_TRUE(read(b.build()));
        EXPECT_EQ(image.notes, "kept");
        EXPECT_EQ(image.sections.size(), 1u);
        b.followVersionForNotes = false;
        b.notesInChecksums = true;
        EXPECT_FALSE(read(b.build()));
    }
    // 1.3: notes must be in the checksums.
    {
        PuzBuilder b;
        b.notes = "counted";
        b.followVersionForNotes = false;
        b.notesInChecksums = false;
        EXPECT_FALSE(read(b.build()));
        b.followVersionForNotes = true;
        EXPECT_TRUE(read(b.build()));
    }
    // A version text that is not "%d.%d" reads as version 0.
    {
        PuzBuilder b;
        b.version = "x.y";
        b.notes = "ignored";
        ASSERT_TRUE(read(b.build()));
        EXPECT_TRUE(image.notes.empty());
    }
}

TEST_F(ReaderTest, FileEndingAfterTheCluesHasNoNotesOrSections) {
    PuzBuilder b;
    b.writeNotes = false;
    ASSERT_TRUE(read(b.build()));
    EXPECT_TRUE(image.notes.empty());
    EXPECT_TRUE(image.sections.empty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(ReaderTest, SectionWalkRules) {
    PuzBuilder b;
    b.sections = {
        {"BADS", {1, 2}, true},                       // wrong checksum: warned and skipped
        {"HUGE", std::vector<uint8_t>(1500, 7)},      // read past, not kept
        {"LTIM", {9}},                                // kept
        {"ENDS", {4}, false, 1},                      // bad terminator ends the walk after it
        {"LOST", {5}},
    };
    ASSERT_TRUE(read(b.build()));
    EXPECT_EQ(messages(), Messages{w(45)});
    std::vector<std::string> tags;
    for (const auto& s : image.sections) tags.push_back(s.tag);
    EXPECT_EQ(tags, (std::vector<std::string>{"LTIM", "ENDS"}));
}

TEST_F(ReaderTest, SectionTooBigForTheBufferEndsTheWalk) {
    PuzBuilder b;
    b.sections = {{"LTIM", {1}}, {"HUGE", std::vector<uint8_t>(3000, 1)}, {"LOST", {2}}};
    ASSERT_TRUE(read(b.build()));
    ASSERT_EQ(image.sections.size(), 1u);
    EXPECT_STREQ(image.sections[0].tag, "LTIM");
}

TEST_F(ReaderTest, LargeGridSectionsAreKept) {
    PuzBuilder b;
    b.width = b.height = 39;
    b.solution.assign(39 * 39, 'A');
    b.fill.assign(39 * 39, '-');
    b.clues.assign(2 * 39, "x");
    std::vector<uint8_t> rusr;
    for (int i = 0; i < 39 * 39; ++i) {
        const char* s = "REBUS";
        rusr.insert(rusr.end(), s, s + 5);
        rusr.push_back(0);
    }
    b.sections = {{"GEXT", std::vector<uint8_t>(39 * 39, 0x80)}, {"RUSR", rusr}, {"LTIM", {3}}};
    ASSERT_TRUE(read(b.build()));
    ASSERT_EQ(image.sections.size(), 3u);
    EXPECT_EQ(image.sections[0].data.size(), 39u * 39u);
    EXPECT_EQ(image.sections[1].data.size(), rusr.size());
}

TEST_F(ReaderTest, StringsUpTo2047BytesFit) {
    PuzBuilder b;
    b.title.assign(2047, 'T');
    ASSERT_TRUE(read(b.build()));
    EXPECT_EQ(image.title.size(), 2047u);
    b.title.assign(2048, 'T');
    EXPECT_FALSE(read(b.build()));
    EXPECT_EQ(messages().back(), w(10));
}

TEST_F(ReaderTest, ReadsFromDiskInBinaryMode) {
    PuzBuilder b;
    // Bytes that text mode would mangle on Windows: CR LF and Ctrl-Z.
    b.notes = "line\r\nnext\x1A" "end";
    b.sections = {{"LTIM", {'\r', '\n', 0x1A, 0}}};
    const auto bytes = b.build();
    const auto path = (std::filesystem::temp_directory_path() / "gw_reader_binary.puz").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    ASSERT_TRUE(readPuzzleFile(path, image));
    EXPECT_EQ(image.notes, b.notes);
    EXPECT_EQ(image.sections.at(0).data, b.sections[0].data);
    std::remove(path.c_str());
}

// A file many times the read chunk, its strings lying across chunk ends: every part
// comes back whole, from memory and from disk, and a cut copy is still refused.
TEST_F(ReaderTest, FilesLargerThanOneReadComeBackWhole) {
    PuzBuilder b;
    b.width = b.height = 39;
    b.solution.assign(39 * 39, 'A');
    b.fill.assign(39 * 39, '-');
    b.clues.clear();
    for (int i = 0; i < 150; ++i) b.clues.push_back(std::string(size_t(1000 + i * 7), char('a' + i % 26)));
    b.notes.assign(2000, 'n');
    b.sections = {{"GEXT", std::vector<uint8_t>(39 * 39, 0x80)}, {"LTIM", PuzBuilder::bytesOf("12,0")}};
    const auto bytes = b.build();
    ASSERT_GT(bytes.size(), 3u * 65536u);
    const auto check = [&](const char* how) {
        EXPECT_EQ(image.clues, b.clues) << how;
        EXPECT_EQ(image.notes, b.notes) << how;
        ASSERT_EQ(image.sections.size(), 2u) << how;
        EXPECT_EQ(image.sections[1].data, b.sections[1].data) << how;
    };
    ASSERT_TRUE(read(bytes));
    check("memory");
    const auto path = (std::filesystem::temp_directory_path() / "gw_reader_large.puz").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    ASSERT_TRUE(readPuzzleFile(path, image));
    check("disk");
    std::remove(path.c_str());
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + long(bytes.size() / 2));
    EXPECT_FALSE(read(cut));
}

// Damaged files must be refused or read, never read out of bounds.
TEST_F(ReaderTest, TruncatedAndDamagedFilesNeverCrash) {
    PuzBuilder b;
    b.notes = "notes";
    b.sections = {{"LTIM", {1, 2, 3}}, {"GEXT", std::vector<uint8_t>(9, 0x80)}};
    const auto good = b.build();
    for (size_t n = 0; n < good.size(); ++n) {
        PuzzleFileImage img;
        readPuzzleBytes(good.data(), n, img);
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        auto bad = good;
        const int flips = 1 + int(rng() % 4);
        for (int f = 0; f < flips; ++f) bad[rng() % bad.size()] = uint8_t(rng());
        PuzzleFileImage img;
        readPuzzleBytes(bad.data(), bad.size(), img);
    }
    SUCCEED();
}
