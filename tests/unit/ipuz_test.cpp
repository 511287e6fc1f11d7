// ipuz crosswords: what an import keeps, what it refuses and why, the round trip
// through export, and opening one from the open path.
#include <memory>
#include <string>

#include "doc/document_commands.h"
#include "doc/ipuz_import.h"
#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "doc/puzzle_reader.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "resources/resource_ids.h"
#include "resources/string_ids.h"

namespace gw::test {
namespace {

// A 3x3 with a centre block, written the way ipuz files in the wild vary: a
// wrapper, numbers as strings, named and inline styles, HTML, every clue form.
const char* const Small = "\xEF\xBB\xBFipuz({"
    R"("version": "http://ipuz.org/v1", "kind": ["http://ipuz.org/crossword#1"],
    "dimensions": {"width": 3, "height": 3},
    "title": "<b>Caf&#233;</b> &amp; Cr\u00e8me", "author": "Zo\u00eb \u0150z",
    "intro": "Welcome", "notes": "Line one<br/>Line \u201ctwo\u201d",
    "styles": {"ring": {"shapebg": "circle"}},
    "puzzle": [[{"cell": "1", "style": "ring"}, 0, {"cell": 2, "style": {"shapebg": "circle"}}],
               [0, null, 0], [3, 0, 0]],
    "solution": [["c", "a", "t"], ["A", "#", "O"], ["T", {"value": "O"}, "one"]],
    "saved": [["C", "", null], [0, "#", ""], ["T", {"value": "o"}, "ONE"]],
    "clues": {"Across:Across clues": [[1, "<i>Feline</i>"], {"number": "3", "clue": "Tee, oh, one"}],
              "Down": ["Kayak\nsort", "Second down"]}});
)";

TEST(IpuzImport, KeepsGridAnswersEntriesCirclesAndTexts) {
    std::string message;
    std::unique_ptr<PuzzleFileImage> image = convertIpuz(Small, message);
    ASSERT_TRUE(image) << message;
    EXPECT_EQ(image->header.width(), 3);
    EXPECT_EQ(image->header.clueCount(), 4);
    EXPECT_EQ(image->solution, "CATA.OTOO");
    EXPECT_EQ(image->fill, "C---.-TOO");
    EXPECT_EQ(image->clues, (std::vector<std::string>{"Feline", "Kayak sort", "Second down", "Tee, oh, one"}));
    // Texts in the code page; what it lacks becomes the closest plain letter.
    EXPECT_EQ(image->title, "Caf\xE9 & Cr\xE8me");
    EXPECT_EQ(image->author, "Zo\xEB Oz");
    EXPECT_EQ(image->notes, "Welcome\r\n\r\nLine one\r\nLine \x93two\x94");
    EXPECT_EQ(section(*image, "GEXT"), std::string("\x80\0\x80\0\0\0\0\0\0", 9));
    EXPECT_EQ(section(*image, "RTBL"), " 0:ONE;");
    EXPECT_EQ(section(*image, "GRBS"), std::string("\0\0\0\0\0\0\0\0\x01", 9));
    EXPECT_EQ(section(*image, "RUSR"), std::string("\0\0\0\0\0\0\0\0ONE\0", 12));
}

TEST(IpuzImport, APuzzleWithoutAnswersOpensUnchecked) {
    std::string message;
    const std::string text = replaced(replaced(Small, R"("solution")", R"("unused")"), R"("saved")", R"("unused2")");
    std::unique_ptr<PuzzleFileImage> image = convertIpuz(text, message);
    ASSERT_TRUE(image) << message;
    EXPECT_EQ(image->solution, "XXXX.XXXX");
    EXPECT_TRUE(image->header.bytes[HdrStateBits] & StateNoCheck);
}

TEST(IpuzImport, RefusesWithMessagesNamingWhatAndWhere) {
    const std::string small = Small;
    const struct {
        std::string text;
        std::string says;
    } cases[] = {
        {replaced(small, R"("dimensions": {)", R"("dimensions": {{)"), "line 2, column 20"},
        {replaced(small, "crossword#1", "sudoku#1"), "http://ipuz.org/sudoku#1"},
        {replaced(small, R"("width": 3)", R"("width": 40)"), "40 by 3"},
        {replaced(small, ", [3, 0, 0]]", "]"), "\"puzzle\" grid has 2 rows"},
        {replaced(small, R"(["A", "#", "O"])", R"(["A", "#"])"), "Row 2 of the ipuz \"solution\" grid has 2"},
        {replaced(small, "[0, null, 0]", "[0, true, 0]"), "row 2, column 2 of the ipuz \"puzzle\""},
        {replaced(small, R"(["A", "#", "O"])", R"(["A", "B", "O"])"), "row 2, column 2 is a block"},
        {replaced(small, R"(["A", "#", "O"])", R"(["A", "#", ""])"), "row 2, column 3 has no answer"},
        {replaced(small, R"("one")", R"("onetwothree")"), "row 3, column 3 has more than"},
        {replaced(small, R"([3, 0, 0])", R"([3, 4, 0])"), "number 4 at row 3, column 2"},
        {replaced(small, R"([3, 0, 0])", R"([5, 0, 0])"), "numbers that square 3"},
        {replaced(small, R"([3, 0, 0])", R"([0, 0, 0])"), "row 3, column 1 starts a word"},
        {replaced(small, R"("number": "3")", R"("number": "7")"), "clue 7 Across is not in the grid"},
        {replaced(small, R"("Down": [)", R"("Diagonal": [)"), "\"Diagonal\" is neither"},
        {replaced(small, R"("number": "3")", R"("number": 1)"), "clue 1 Across appears twice"},
        {replaced(small, R"("Second down")", R"("Second down", "Third")"), "\"Down\" list has more clues"},
        {replaced(small, R"([1, "<i>Feline</i>"])", R"([1, 5])"), "Clue 1 of the ipuz \"Across\" list"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_FALSE(convertIpuz(c.text, message));
        EXPECT_NE(message.find(c.says), std::string::npos) << "expected \"" << c.says << "\" in: " << message;
    }
}

// Files in the wild give "kind" as one string rather than a list.
TEST(IpuzImport, AKindGivenAsOneStringIsAListOfOne) {
    std::string message;
    const std::string single = replaced(Small, R"(["http://ipuz.org/crossword#1"])", R"("http://ipuz.org/crossword#1")");
    EXPECT_TRUE(convertIpuz(single, message)) << message;
    const std::string diagramless = replaced(single, "crossword#1", "crossword/diagramless#1");
    std::unique_ptr<PuzzleFileImage> image = convertIpuz(diagramless, message);
    ASSERT_TRUE(image) << message;
    EXPECT_EQ(image->solution, "CATA:OTOO") << "the kind's diagramless mark is read too";
    EXPECT_FALSE(convertIpuz(replaced(single, "crossword#1", "sudoku#1"), message));
    EXPECT_NE(message.find("http://ipuz.org/sudoku#1"), std::string::npos) << message;
}

TEST(IpuzImport, MultiLetterAnswersFillTheRebusTableToItsLastSlot) {
    // A 39x2 grid of three-letter answers, `distinct` different ones.
    auto puzzle = [](int distinct) {
        std::string zeros, rows[2];
        for (int i = 0; i < 39; ++i) zeros += i ? ",0" : "0";
        for (int r = 0; r < 2; ++r)
            for (int i = 0; i < 39; ++i) {
                const int k = (r * 39 + i) % distinct;
                rows[r] += std::string(i ? "," : "") + "\"Q" + char('A' + k % 26) + char('A' + k / 26) + "\"";
            }
        return R"({"kind": ["http://ipuz.org/crossword#1"], "dimensions": {"width": 39, "height": 2},
                  "puzzle": [[)" + zeros + "], [" + zeros + R"(]], "solution": [[)" + rows[0] + "], [" + rows[1] + "]]}";
    };
    std::string message;
    EXPECT_TRUE(convertIpuz(puzzle(43), message)) << message;
    EXPECT_FALSE(convertIpuz(puzzle(44), message));
    EXPECT_NE(message.find("more than 43"), std::string::npos) << message;
}

using IpuzDocument = DocumentFixture;

// Export, import and export again give the same file, and the import matches
// the binary puzzle: answers, rebus squares, circles, entries, texts and clues.
TEST_F(IpuzDocument, RoundTripKeepsWhatBothFormatsHold) {
    for (const char* name : {"everyday15", "rebus", "diagramless"}) {
        SCOPED_TRACE(name);
        const std::string source = std::string(GW_SOURCE_DIR) + "/samples/" + name + ".puz";
        ASSERT_TRUE(doc->open(source));
        PuzzleGrid& g = *doc->grid;
        g.cell(0, 0).fill = 'Q';  // a wrong letter and a multi-letter entry the solver typed
        g.SetCellText(1, 0, "SUN", false);
        const std::string first = exportIpuz(*doc);

        std::string message;
        std::unique_ptr<PuzzleFileImage> image = convertIpuz(first, message);
        ASSERT_TRUE(image) << message;
        PuzzleFileImage original;
        ASSERT_TRUE(readPuzzleFile(source, original));
        EXPECT_EQ(image->solution, original.solution);
        EXPECT_EQ(image->clues, original.clues);
        EXPECT_EQ(image->title, original.title);
        EXPECT_EQ(image->notes, original.notes);
        EXPECT_EQ(image->header.bytes[HdrTypeBits], original.header.bytes[HdrTypeBits]);
        EXPECT_EQ(image->fill.substr(0, 1), "Q");
        EXPECT_EQ(section(*image, "RUSR").substr(0, 6), std::string("\0SUN\0", 5) + '\0');

        doc->isDirty = false;
        doc->close();
        ASSERT_TRUE(doc->buildFromImage(std::move(image), folder.file("again.puz")));
        EXPECT_EQ(exportIpuz(*doc), first);
        doc->isDirty = false;
        doc->close();
    }
}

TEST_F(IpuzDocument, OpeningGoesStraightToTheImporterAndSavesBesideIt) {
    const std::string path = write("weekly.IPUZ", Small);
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_TRUE(doc->isDirty);  // not yet saved as a puzzle file
    EXPECT_EQ(doc->path, folder.file("weekly.puz"));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(doc->title, "Caf\xE9 & Cr\xE8me");

    // Progress saved from an earlier import is never replaced without a question.
    const std::string progress = write("weekly.puz", "earlier progress");
    services.answers = {AnswerNo};
    EXPECT_FALSE(doc->save(CMD_SAVE));
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(services.messages()[0].find("already exists"), std::string::npos) << services.messages()[0];
    EXPECT_EQ(readBytes(progress).size(), 16u);
    doc->isDirty = false;
    doc->close();

    // JSON content under another name, whatever filter the dialog had: no binary-reader warning first.
    services.calls.clear();
    const std::string broken = write("download.puz", "{\"kind\": [\"http://ipuz.org/crossword#1\"],\n  oops}");
    EXPECT_FALSE(openChosenFile(*doc, broken, OpenFilterPuzzle));
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(services.messages()[0].find("line 2, column 3"), std::string::npos) << services.messages()[0];
    EXPECT_FALSE(doc->isOpen);

    // Files too short to hold the binary magic are sniffed safely.
    for (const char* bytes : {"", "{"}) {
        services.calls.clear();
        EXPECT_FALSE(openChosenFile(*doc, write("short.puz", bytes), OpenFilterPuzzle));
        EXPECT_EQ(services.messages().size(), 1u);  // a message, not a crash
    }
}

}  // namespace
}  // namespace gw::test
