// Crossword Compiler puzzles: the forms files come in, what an import keeps, each
// family of refusal with its message, the round trip through ipuz, and opening one.
#include <memory>
#include <regex>
#include <string>

#include "doc/document_commands.h"
#include "doc/ipuz_import.h"
#include "doc/jpz_import.h"
#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "zip_builder.h"

namespace gw::test {
namespace {

// A 4x3 with a centre block and a column of voids: C A T / A # O / T O [ONE]. The
// second square is a given letter, the third circled; the solver has typed two.
const char* const Puzzle = R"(
    <rectangular-puzzle xmlns="http://crossword.info/xml/rectangular-puzzle" alphabet="ABCDEFGHIJKLMNOPQRSTUVWXYZ">
      <metadata><title><b>Caf&#233;</b> &amp; Cr&#232;me</title><creator>Zo&#235;</creator>
        <copyright>&#169; Us</copyright><description>Line one<br/>Line two</description></metadata>
      <instructions>Read <i>slowly</i>.</instructions>
      <crossword>
        <grid width="4" height="3">
          <grid-look numbering-scheme="normal"/>
          <cell x="1" y="1" solution="C" number="1" solve-state="C"/>
          <cell x="2" y="1" solution="A" hint="true"/>
          <cell x="3" y="1" solution="T" number="2" background-shape="circle"/>
          <cell x="4" y="1" type="void"/>
          <cell x="1" y="2" solution="A"/><cell x="2" y="2" type="block"/><cell x="3" y="2" solution="O"/>
          <cell x="4" y="2" type="void"/>
          <cell x="1" y="3" solution="T" number="3"/><cell x="2" y="3" solution="O"/>
          <cell x="3" y="3" solution="ONE" solve-state="one"/>
          <cell x="4" y="3" type="void"/>
        </grid>
        <word id="1" x="1-3" y="1"/><word id="2" x="1" y="1-3"/>
        <word id="3"><cells x="3" y="1"/><cells x="3" y="2"/><cells x="3" y="3"/></word>
        <word id="4" x="1-3" y="3"/>
        <clues ordering="normal"><title><b>Across</b></title>
          <clue word="1" number="1" format="3"><i>Feline</i></clue>
          <clue word="4" number="3">Tee, oh,<br/>&lt;i&gt;one&lt;/i&gt;</clue></clues>
        <clues ordering="normal"><title>Down</title>
          <clue word="2" number="1" format="3">Kayak sort (3)</clue>
          <clue word="3" number="2"><![CDATA[Second & down]]></clue></clues>
      </crossword>
    </rectangular-puzzle>)";

// The same puzzle inside the applet's root, beside its settings.
std::string inApplet(const std::string& puzzle) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- written by hand -->
<crossword-compiler-applet xmlns="http://crossword.info/xml/crossword-compiler-applet">
  <applet-settings width="720" height="600"><completion>Well done!</completion></applet-settings>)" +
           puzzle + "</crossword-compiler-applet>";
}

void expectThePuzzle(const PuzzleFileImage& image) {
    EXPECT_EQ(image.header.width(), 4);
    EXPECT_EQ(image.header.height(), 3);
    EXPECT_EQ(image.solution, "CAT.A.O.TOO.");
    EXPECT_EQ(image.fill, "CA-.-.-.--O.");
    EXPECT_EQ(image.clues, (std::vector<std::string>{"Feline (3)", "Kayak sort (3)", "Second & down", "Tee, oh, one"}));
    EXPECT_EQ(image.title, "Caf\xE9 & Cr\xE8me");
    EXPECT_EQ(image.author, "Zo\xEB");
    EXPECT_EQ(image.copyright, "\xA9 Us");
    EXPECT_EQ(image.notes, "Line one\r\nLine two\r\n\r\nRead slowly.");
    // The given letter is shown as revealed; the circle kept.
    EXPECT_EQ(section(image, "GEXT"), std::string("\0\x40\x80\0\0\0\0\0\0\0\0\0", 12));
    EXPECT_EQ(section(image, "RTBL"), " 0:ONE;");
    EXPECT_EQ(section(image, "GRBS"), std::string("\0\0\0\0\0\0\0\0\0\0\x01\0", 12));
    EXPECT_EQ(section(image, "RUSR"), std::string("\0\0\0\0\0\0\0\0\0\0ONE\0\0", 15));
}

TEST(JpzImport, EveryFormFilesComeInGivesTheSamePuzzle) {
    const struct {
        const char* form;
        std::string bytes;
    } forms[] = {
        {"bare puzzle root", Puzzle},
        {"applet root", inApplet(Puzzle)},
        {"zipped, deflated", zipOf("puzzle.xml", inApplet(Puzzle))},
        {"zipped, stored", zipOf("puzzle.xml", Puzzle, false)},
    };
    for (const auto& f : forms) {
        SCOPED_TRACE(f.form);
        std::string message;
        std::unique_ptr<PuzzleFileImage> image = convertJpz(f.bytes, message);
        ASSERT_TRUE(image) << message;
        expectThePuzzle(*image);
    }
    std::string message;
    const std::string noAnswers = std::regex_replace(Puzzle, std::regex(R"((solution|hint)="[A-Za-z]*")"), "");
    std::unique_ptr<PuzzleFileImage> unchecked = convertJpz(noAnswers, message);
    ASSERT_TRUE(unchecked) << message;
    EXPECT_EQ(unchecked->solution, "XXX.X.X.XXX.");
    EXPECT_TRUE(unchecked->header.bytes[HdrStateBits] & StateNoCheck);
}

TEST(JpzImport, RefusesWithMessagesNamingWhatAndWhere) {
    const std::string p = Puzzle;
    const struct {
        std::string bytes;
        std::string says;
    } cases[] = {
        {"\n\n<rectangular-puzzle>\n<crossword>\n<grid width=\"4\" height=\"3\">\n<cell x=\"1\" y=\"1\" </grid>", "at line 6"},
        {"", "empty"},
        {"<!DOCTYPE r [<!ENTITY a \"aaaa\">]><rectangular-puzzle>&a;</rectangular-puzzle>", "XML goes wrong"},
        {"<html><body/></html>", "holds \"html\""},
        // Nesting deeper than any puzzle: refused, and never a stack overflow.
        {replaced(p, "<grid-look numbering-scheme=\"normal\"/>", [] {
             std::string open, close;
             for (int i = 0; i < 100000; ++i) open += "<a>", close += "</a>";
             return open + close;
         }()),
         "XML goes wrong"},
        {"<rectangular-puzzle xmlns=\"http://example.com/\"/>", "holds \"rectangular-puzzle\""},
        {replaced(replaced(p, "<crossword>", "<acrostic>"), "</crossword>", "</acrostic>"), "kind \"acrostic\""},
        {replaced(p, R"(<cell x="3" y="2" solution="O"/>)", R"(<cell x="3" y="2" solution="O" left-bar="true"/>)"),
         "row 2, column 3 has a bar"},
        {replaced(p, R"(solution="T" number="3")", R"(solution="T" number="5")"), "numbers that square 3"},
        {replaced(p, R"(solution="C" number="1")", R"(solution="C")"), "row 1, column 1 starts a word"},
        {replaced(p, R"(<clue word="4" number="3">)", R"(<clue word="9" number="3">)"), "clue 3 Across is not in"},
        {replaced(p, R"(<clue word="3" number="2">)", R"(<clue word="4" number="2">)"), "clue 2 Down is not in"},
        // Its first square starts a Down word too, but the word runs across.
        {replaced(p, R"(<clue word="2" number="1" format="3">)", R"(<clue word="1" number="1">)"), "no Down word"},
        {replaced(p, R"(<clue word="4" number="3">)", R"(<clue word="1" number="1">)"), "clue 1 Across appears twice"},
        {replaced(p, "<title>Down</title>", "<title>Diagonal</title>"), "\"Diagonal\" is neither"},
        {replaced(p, R"(<cell x="2" y="3" solution="O"/>)", R"(<cell x="2" y="3"/>)"), "row 3, column 2 has no answer"},
        {replaced(p, R"(solution="ONE")", R"(solution="ONETWOTHREE")"), "row 3, column 3 has more than"},
        {replaced(p, R"(x="4" y="3")", R"(x="5" y="3")"), "outside it (x=\"5\""},
        {replaced(p, R"(<grid width="4")", R"(<grid width="40")"), "40 by 3"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_FALSE(convertJpz(c.bytes, message)) << c.says;
        EXPECT_NE(message.find(c.says), std::string::npos) << "expected \"" << c.says << "\" in: " << message;
    }
    // An element we do not know beside the crossword is passed over, not taken for another kind.
    std::string message;
    EXPECT_TRUE(convertJpz(replaced(p, "<crossword>", "<solver-panel mode=\"x\"><b/></solver-panel><crossword>"), message))
        << message;
}

TEST(JpzImport, ZipArchivesAreCheckedBeforeAndWhileUnpacking) {
    const std::string zip = zipOf("puzzle.jpz", Puzzle);
    const std::string bomb(9u << 20, ' ');
    const struct {
        std::string bytes;
        std::string says;
    } cases[] = {
        {zip.substr(0, zip.size() - 30), "damaged"},
        {"PK\3\4 and nothing more", "damaged"},
        {zipOf("folder/", ""), "exactly one file"},
        {zipOf("big.xml", "<rectangular-puzzle>" + bomb + "</rectangular-puzzle>"), "more than 8 MB"},
        // A member larger than its directory entry says is stopped at the size it gave.
        {zipOf("liar.xml", "<rectangular-puzzle>" + bomb + "</rectangular-puzzle>", true, 100), "more than 8 MB"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_FALSE(convertJpz(c.bytes, message)) << c.says;
        EXPECT_NE(message.find(c.says), std::string::npos) << "expected \"" << c.says << "\" in: " << message;
    }
    // A corrupted byte in the packed data fails the checksum, whatever the inflater made of it.
    std::string flipped = zipOf("puzzle.xml", Puzzle, false);
    flipped[40] ^= 0x20;
    std::string message;
    EXPECT_FALSE(convertJpz(flipped, message));
    EXPECT_NE(message.find("damaged"), std::string::npos) << message;
}

using JpzDocument = DocumentFixture;

// What both formats hold survives import, export as ipuz and import again.
TEST_F(JpzDocument, IpuzRoundTripKeepsWhatBothFormatsHold) {
    std::string message;
    std::unique_ptr<PuzzleFileImage> image = convertJpz(zipOf("p.xml", Puzzle), message);
    ASSERT_TRUE(image) << message;
    ASSERT_TRUE(doc->buildFromImage(std::move(image), folder.file("p.puz")));
    std::unique_ptr<PuzzleFileImage> back = convertIpuz(exportIpuz(*doc), message);
    ASSERT_TRUE(back) << message;
    EXPECT_EQ(back->solution, "CAT.A.O.TOO.");
    EXPECT_EQ(back->fill, "CA-.-.-.--O.");
    EXPECT_EQ(back->clues, (std::vector<std::string>{"Feline (3)", "Kayak sort (3)", "Second & down", "Tee, oh, one"}));
    EXPECT_EQ(back->title, "Caf\xE9 & Cr\xE8me");
    EXPECT_EQ(back->author, "Zo\xEB");
    EXPECT_EQ(section(*back, "RTBL"), " 0:ONE;");
    EXPECT_EQ(uint8_t(section(*back, "GEXT")[2]) & Circled, Circled);
    doc->isDirty = false;
}

TEST_F(JpzDocument, OpensByContentWhateverTheNameAndSavesBesideIt) {
    const std::string zipped = zipOf("puzzle.xml", inApplet(Puzzle));
    const std::string path = write("weekly.JPZ", zipped);
    ASSERT_TRUE(openByPath(*doc, path));
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(doc->path, folder.file("weekly.puz"));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(doc->title, "Caf\xE9 & Cr\xE8me");
    doc->isDirty = false;
    doc->close();

    // Bare XML named ".xml", a zip named anything, chosen with the binary filter.
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"download.xml", inApplet(Puzzle)},
                                      {"download.puz", zipped}}) {
        SCOPED_TRACE(name);
        services.calls.clear();
        ASSERT_TRUE(openChosenFile(*doc, write(name, bytes), OpenFilterPuzzle));
        EXPECT_TRUE(services.messages().empty());
        EXPECT_EQ(doc->path, folder.file("download.puz"));
        doc->isDirty = false;
        doc->close();
    }

    // A refused puzzle: its message alone, no binary-reader warning first, no file written.
    services.calls.clear();
    const std::string barred = replaced(Puzzle, R"(x="2" y="1" solution="A")", R"(x="2" y="1" top-bar="true" solution="A")");
    EXPECT_FALSE(openByPath(*doc, write("barred.jpz", zipOf("b.xml", barred))));
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(services.messages()[0].find("barred grids"), std::string::npos) << services.messages()[0];
    EXPECT_FALSE(doc->isOpen);
    EXPECT_TRUE(readBytes(folder.file("barred.puz")).empty());
}

}  // namespace
}  // namespace gw::test
