#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>

#include "doc/puzzle_document.h"
#include "doc/puzzle_reader.h"
#include "doc/puzzle_writer.h"
#include "doc/text_import.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "resources/string_table.h"

using namespace gw;
using gw::test::CoreFixture;

namespace {

// A text description assembled from its parts; every test changes what it needs.
struct Source {
    std::string header = "<ORVANE PUZZLE>";
    std::string title = "Small Talk";
    std::string author = "Ann Example";
    std::string copyright = "2026 Gridwell";
    std::string size = "3x3";
    std::vector<std::string> grid = {"CAT", "A.A", "TAT"};
    std::optional<std::vector<std::string>> rebus;
    std::vector<std::string> across = {"Purring pet", "Bits and pieces, say"};
    std::vector<std::string> down = {"Camp bed", "Pat's partner"};
    std::optional<std::string> notes;
    std::string eol = "\n";

    std::string text() const {
        std::string t;
        auto line = [&](const std::string& s) { t += s + eol; };
        line(header);
        line("<TITLE>");
        line(title);
        line("<AUTHOR>");
        line(author);
        line("<COPYRIGHT>");
        line(copyright);
        line("<SIZE>");
        line(size);
        line("<GRID>");
        for (const auto& g : grid) line(g);
        if (rebus) {
            line("<REBUS>");
            for (const auto& r : *rebus) line(r);
        }
        line("<ACROSS>");
        for (const auto& a : across) line(a);
        line("<DOWN>");
        for (const auto& d : down) line(d);
        if (notes) {
            line("<NOTEPAD>");
            t += *notes;
        }
        return t;
    }
};

class TextImport : public CoreFixture {
protected:
    TextPuzzle tp;

    bool parse(const std::string& text) { return parseTextPuzzleText(text, tp); }
    // The one warning the parser showed, as a string-table text.
    std::string onlyMessage() const {
        auto m = services.messages();
        if (m.size() != 1 || m[0].rfind("warningById ", 0) != 0) return "<" + std::to_string(m.size()) + " messages>";
        return stringText(std::atoi(m[0].c_str() + 12));
    }
    std::string refusal(const std::string& text) {
        services.calls.clear();
        TextPuzzle p;
        if (parseTextPuzzleText(text, p)) return "<accepted>";
        return onlyMessage();
    }
};

const char* const kHeaderMissing = "File header line <ORVANE PUZZLE> was not found";
const char* const kEarlyEnd = "End of file reached before complete description";
const char* const kCorrupt = "File is either not an Orvane puzzle or is corrupt. Unable to open puzzle.";

}  // namespace

TEST_F(TextImport, BothHeaderVersionsGiveTheSamePuzzle) {
    Source s;
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.formatVersion, 1);
    TextPuzzle v1 = tp;
    s.header = "<ORVANE PUZZLE V2>";
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.formatVersion, 2);
    EXPECT_EQ(tp.grid, v1.grid);
    EXPECT_EQ(tp.clues, v1.clues);
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(TextImport, TextsAreDecoratedAndEmptyOnesAreAbsent) {
    Source s;
    s.title = "  Small Talk\t";  // lines are trimmed
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.title, "Small Talk");
    EXPECT_EQ(tp.author, "  Ann Example  ");
    EXPECT_EQ(tp.copyright, "\xA9 2026 Gridwell");
    EXPECT_TRUE(tp.printAllowed);
    EXPECT_FALSE(tp.scrambled || tp.stateBit3 || tp.allX || tp.hasOddCharacters);

    s.title = s.author = s.copyright = "";
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.title, "");
    EXPECT_EQ(tp.author, "");
    EXPECT_EQ(tp.copyright, "");
}

TEST_F(TextImport, CluesAreCountedAndMergedIntoFileOrder) {
    Source s;
    s.across = {"A1", "A4"};
    s.down = {"D1", "D3"};
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.width, 3);
    EXPECT_EQ(tp.height, 3);
    EXPECT_EQ(tp.grid, "CATA.ATAT");
    EXPECT_EQ(tp.clueCount, 4);
    // (0,0) starts both words, (2,0) a Down word, (0,2) an Across word.
    EXPECT_EQ(tp.clues, (std::vector<std::string>{"A1", "D1", "D3", "A4"}));
}

TEST_F(TextImport, WindowsLineEndsAndAMissingFinalLineFeedAreAccepted) {
    Source s;
    s.eol = "\r\n";
    std::string text = s.text();
    text.resize(text.size() - 2);
    ASSERT_TRUE(parse(text));
    EXPECT_EQ(tp.clues[2], "Pat's partner");  // the last Down clue, with no line end
    EXPECT_EQ(tp.title, "Small Talk");
}

TEST_F(TextImport, HeaderMessages) {
    Source s;
    EXPECT_EQ(refusal(""), kCorrupt);
    s.header = "<orvane puzzle>";
    EXPECT_EQ(refusal(s.text()), kHeaderMissing);
    s.header = "<ORVANE PUZZLE V3>";
    EXPECT_EQ(refusal(s.text()), kHeaderMissing);

    struct Case { const char* header; const char* message; };
    const Case cases[] = {
        {"<TITLE>", "<TITLE> header not found where expected"},
        {"<AUTHOR>", "<AUTHOR> header not found where expected"},
        {"<COPYRIGHT>", "<COPYRIGHT> header not found where expected"},
        {"<SIZE>", "<SIZE> header not found where expected"},
        {"<GRID>", "<GRID> header not found where expected"},
        {"<ACROSS>", "<ACROSS> header not found where expected"},
        {"<DOWN>", "<DOWN> header not found where expected"},
    };
    const std::string good = Source().text();
    for (const Case& c : cases) {
        std::string bad = good;
        const size_t at = bad.find(c.header);
        ASSERT_NE(at, std::string::npos);
        bad.replace(at, std::strlen(c.header), "<WRONG>");
        EXPECT_EQ(refusal(bad), c.message) << c.header;
        // Cut right before the header: the file ends where a header is expected.
        EXPECT_EQ(refusal(good.substr(0, at)), kEarlyEnd) << c.header;
    }
}

TEST_F(TextImport, EndOfFileMessagesDependOnTheSection) {
    const std::string good = Source().text();
    auto cutAfter = [&](const std::string& marker) { return good.substr(0, good.find(marker) + marker.size()); };
    EXPECT_EQ(refusal(cutAfter("<TITLE>\n")), kEarlyEnd);        // value line missing
    EXPECT_EQ(refusal(cutAfter("<SIZE>\n")), kEarlyEnd);
    EXPECT_EQ(refusal(cutAfter("CAT\n")), kCorrupt);            // inside the grid
    EXPECT_EQ(refusal(cutAfter("Purring pet\n")), kCorrupt);    // inside the Across clues
    EXPECT_EQ(refusal(cutAfter("Camp bed\n")), kEarlyEnd);      // inside the Down clues
    Source r;
    r.rebus = std::vector<std::string>{"MARK"};
    const std::string withRebus = r.text();
    EXPECT_EQ(refusal(withRebus.substr(0, withRebus.find("MARK\n") + 5)), kCorrupt);  // inside the rebus section
}

TEST_F(TextImport, SizeAndGridMessages) {
    const char* badSize = "Incorrect grid size specification";
    for (const char* size : {"3 by 3", "3", "x3", "3X3", "", "0x3", "3x0", "-3x3", "40x3", "3x40", "30000x30000",
                             "99999999999999999999x3"}) {
        Source s;
        s.size = size;
        EXPECT_EQ(refusal(s.text()), badSize) << size;
    }
    Source ok;
    ok.size = " 3x 3";  // sscanf-style blanks before each number
    EXPECT_EQ(refusal(ok.text()), "<accepted>");

    const char* badLine = "A line in grid section has extra/missing characters";
    Source longer;
    longer.grid[1] = "A.AX";
    EXPECT_EQ(refusal(longer.text()), badLine);
    Source shorter;
    shorter.grid[2] = "TA";
    EXPECT_EQ(refusal(shorter.text()), badLine);
}

TEST_F(TextImport, ClueSectionMessages) {
    Source fewAcross;
    fewAcross.across.pop_back();
    EXPECT_EQ(refusal(fewAcross.text()), "Across clue section has missing clues");

    Source fewDown;
    fewDown.down.pop_back();
    fewDown.notes = "note\n";
    EXPECT_EQ(refusal(fewDown.text()), "Down clue section has missing clues");

    Source moreAcross;  // the surplus line stands where "<DOWN>" belongs
    moreAcross.across.push_back("one too many");
    EXPECT_EQ(refusal(moreAcross.text()), "<DOWN> header not found where expected");

    const char* extra = "Unrecognized extra lines at the end of the file";
    EXPECT_EQ(refusal(Source().text() + "\n"), extra);  // one blank line after the last clue
    EXPECT_EQ(refusal(Source().text() + "<NOTES>\n"), extra);
}

TEST_F(TextImport, NotepadLinesBecomeOneTextWithWindowsLineBreaks) {
    Source s;
    s.notes = "First line\n  second line  \nlast";
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.notes, "First line\r\n  second line  \r\nlast");

    s.notes = std::string(2000, 'n') + "\n";
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.notes, std::string(1022, 'n'));

    // A cut that would fall between the two characters of a line break drops both.
    s.notes = std::string(1021, 'n') + "\nmore\n";
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.notes, std::string(1021, 'n'));

    s.notes = "";
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.notes, "");
}

TEST_F(TextImport, HostileLinesAreCutNotOverflowed) {
    Source s;
    s.title = std::string(100000, 'T');
    s.across[0] = std::string(5000, 'c');
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.title, std::string(1023, 'T'));
    EXPECT_EQ(tp.clues[0], std::string(1023, 'c'));

    // Everything from a NUL to the end of its line is dropped.
    Source n;
    n.title = std::string("Tit\0le", 6);
    ASSERT_TRUE(parse(n.text()));
    EXPECT_EQ(tp.title, "Tit");
    n.grid[0] = std::string("CA\0T", 4);
    EXPECT_EQ(refusal(n.text()), "A line in grid section has extra/missing characters");

    // Binary junk fails cleanly.
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += char((i * 37) & 0xFF);
    EXPECT_EQ(refusal(junk), kHeaderMissing);
}

TEST_F(TextImport, SymbolsBecomeLettersWithASymbolSlot) {
    Source s;
    s.grid = {"@AT", "#.A", "TAT"};
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.grid, "AATH.ATAT");
    ASSERT_TRUE(tp.marks);
    EXPECT_FALSE(tp.marks->circleMarks);
    EXPECT_EQ(tp.marks->grid[0], 37);
    EXPECT_EQ(tp.marks->grid[3], 38);
    EXPECT_STREQ(tp.marks->slots[36].text, "@");
    EXPECT_EQ(tp.marks->slots[36].length, 1);
    EXPECT_STREQ(tp.marks->slots[37].text, "#");
    for (char c : std::string("$%&+?")) {
        Source t;
        t.grid[0][0] = c;
        ASSERT_TRUE(parse(t.text())) << c;
        EXPECT_EQ(tp.grid[0], "AHDPAPQ"[std::strchr(TextSymbolMarks, c) - TextSymbolMarks]) << c;
    }
}

TEST_F(TextImport, DigitAndLetterMarks) {
    Source s;
    s.grid = {"5AT", "a.A", "TAT"};
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.grid, "FATA.ATAT");  // 5 -> F(ive), a -> A
    ASSERT_TRUE(tp.marks);
    EXPECT_EQ(tp.marks->grid[0], 6);
    EXPECT_EQ(tp.marks->grid[3], 11);
    EXPECT_STREQ(tp.marks->slots[5].text, "5");
    EXPECT_EQ(tp.marks->slots[10].length, 0);

    s.rebus = std::vector<std::string>{"5:FIVE:F", "a:HEART:H", "b:NOTUSED:N"};
    ASSERT_TRUE(parse(s.text()));
    EXPECT_EQ(tp.grid, "FATH.ATAT");
    EXPECT_STREQ(tp.marks->slots[5].text, "FIVE");
    EXPECT_STREQ(tp.marks->slots[10].text, "HEART");
    EXPECT_EQ(tp.marks->slots[11].length, 0);  // mark b is not in the grid: ignored
    EXPECT_FALSE(tp.marks->circleMarks);

    // The digits of zero to nine become the initials of their names.
    Source d;
    d.grid = {"012", "3.4", "789"};
    ASSERT_TRUE(parse(d.text()));
    EXPECT_EQ(tp.grid, "ZOTT.FSEN");
}

TEST_F(TextImport, MarkLineCirclesLowerCaseSquares) {
    Source s;
    s.grid = {"cAT", "A.A", "TAt"};
    for (const char* mark : {"MARK", "mark", "Mark circles"}) {
        s.rebus = std::vector<std::string>{mark, "c:CAT:C"};
        ASSERT_TRUE(parse(s.text())) << mark;
        ASSERT_TRUE(tp.marks);
        EXPECT_TRUE(tp.marks->circleMarks);
        EXPECT_EQ(tp.grid, "CATA.ATAT");
    }
    // Without marks in the grid, MARK changes nothing.
    Source plain;
    plain.rebus = std::vector<std::string>{"MARK"};
    ASSERT_TRUE(parse(plain.text()));
    EXPECT_FALSE(tp.marks);
}

TEST_F(TextImport, MarksOfALargeGridAreNotDropped) {
    // 33x33 = 1089 squares: the square sections exceed the 1024 bytes tools are held to.
    Source s;
    s.size = "33x33";
    s.grid.assign(33, std::string(33, 'A'));
    s.grid[0][0] = 'c';
    s.rebus = std::vector<std::string>{"MARK", "c:CAT:C"};
    s.across.assign(33, "Row");
    s.down.assign(33, "Column");
    ASSERT_TRUE(parse(s.text()));
    ASSERT_TRUE(checkTextPuzzle(tp));
    auto image = convertTextPuzzle(tp);
    ASSERT_TRUE(image);
    const ExtraSection* gext = image->getExtraSection("GEXT");
    const ExtraSection* grbs = image->getExtraSection("GRBS");
    ASSERT_NE(gext, nullptr);
    ASSERT_NE(grbs, nullptr);
    EXPECT_EQ(gext->length, 1089);
    EXPECT_EQ(gext->data[0], Circled);
    EXPECT_NE(grbs->data[0], 0);
}

TEST_F(TextImport, SymbolRebusLinesTakeACharacterCode) {
    Source s;
    s.grid = {"aAT", "b.A", "TAT"};
    s.rebus = std::vector<std::string>{"a:[65]:A", "b:[300*]:H"};
    ASSERT_TRUE(parse(s.text()));
    EXPECT_STREQ(tp.marks->slots[10].text, "[A]");
    EXPECT_STREQ(tp.marks->slots[11].text, "[,]*");  // 300 kept to 8 bits is 44
    EXPECT_EQ(tp.marks->slots[11].length, 4);
    EXPECT_EQ(tp.grid, "AATH.ATAT");

    // A control-character code fails the import without a parser message.
    s.rebus = std::vector<std::string>{"a:[32]:A"};
    services.calls.clear();
    EXPECT_FALSE(parse(s.text()));
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(TextImport, RebusMessages) {
    const char* bad = "Incorrect entry in <REBUS> section";
    Source s;
    s.grid = {"aAT", "A.A", "TAT"};
    const std::vector<std::vector<std::string>> cases = {
        {},                   // "<ACROSS>" right after "<REBUS>"
        {"MARKER?", "XX"},    // later line too short
        {"LATER:A:B"},        // first line neither MARK nor a rebus line
        {"a:HI"},             // shorter than five characters
        {"A:HEART:H"},        // the mark must be a digit or a lower-case letter
        {"aXHEART:H"},        // no colon after the mark
        {"a:HEART"},          // no colon after the text
        {"a::H"},             // empty text
        {"a:NINELONGG:N"},    // text of nine characters
        {"a:HE-RT:H"},        // a character a rebus cannot hold
        {"a:[6x]:H"},         // a symbol code that is not a number
        {"a:HEART:h"},        // the check letter must be upper case
        {"a:HEART:"},         // no check letter
        {"MARK", "MARK"},     // MARK only as the first line
    };
    for (const auto& lines : cases) {
        s.rebus = lines;
        EXPECT_EQ(refusal(s.text()), bad) << (lines.empty() ? "(none)" : lines.back());
    }
    // Lines for marks the grid does not hold are ignored beyond the first checks.
    s.rebus = std::vector<std::string>{"z:!!!!!!!!!!!!!:?"};
    EXPECT_EQ(refusal(s.text()), "<accepted>");
    // The first and last characters of a text are not checked.
    s.rebus = std::vector<std::string>{"a:-EAR-:H"};
    EXPECT_EQ(refusal(s.text()), "<accepted>");
}

TEST_F(TextImport, DiagramlessAndAllXGrids) {
    Source s;
    s.grid = {"CAT", "A:A", "TAT"};
    ASSERT_TRUE(parse(s.text()));
    EXPECT_TRUE(tp.hasOddCharacters);
    EXPECT_EQ(tp.grid[4], ':');
    EXPECT_EQ(tp.clueCount, 4);
    auto image = convertTextPuzzle(tp);
    EXPECT_EQ(image->header.bytes[HdrTypeBits], 0x04);
    EXPECT_EQ(image->solution, "CATA:ATAT");
    EXPECT_EQ(image->fill, "----:----");

    Source x;
    x.grid = {"XXX", "X.X", "XXX"};
    ASSERT_TRUE(parse(x.text()));
    EXPECT_TRUE(tp.allX);
    EXPECT_EQ(convertTextPuzzle(tp)->header.bytes[HdrStateBits], 0x02);  // checking disabled
    x.grid[2] = "XxX";  // a mark letter is a letter other than 'X'
    ASSERT_TRUE(parse(x.text()));
    EXPECT_FALSE(tp.allX);
}

TEST_F(TextImport, CheckRefusesInconsistentPuzzles) {
    Source s;
    ASSERT_TRUE(parse(s.text()));
    TextPuzzle good = tp;
    EXPECT_TRUE(checkTextPuzzle(tp));
    EXPECT_TRUE(services.messages().empty());

    auto refused = [&](TextPuzzle p) {
        services.calls.clear();
        const bool ok = checkTextPuzzle(p);
        return !ok && services.messages() == std::vector<std::string>{"warningById 31"};
    };
    TextPuzzle p = good;
    p.clues[1] = "";
    EXPECT_TRUE(refused(p)) << "empty clue";
    p = good;
    p.clues.pop_back();
    EXPECT_TRUE(refused(p)) << "missing clue";
    p = good;
    p.grid[4] = '!';
    EXPECT_TRUE(refused(p)) << "odd character";
    p = good;
    p.grid[4] = 'A';  // one square more changes the word count
    EXPECT_TRUE(refused(p)) << "word count";
    p = good;
    p.grid.pop_back();
    EXPECT_TRUE(refused(p)) << "grid size";
    p = good;
    p.width = 40;
    EXPECT_TRUE(refused(p)) << "width";
    p = good;
    p.marks.emplace();  // a mark grid that does not match the grid
    EXPECT_TRUE(refused(p)) << "mark grid";

    // Parsed, then refused by the check: an odd character other than ':' and an empty clue.
    Source odd;
    odd.grid[1] = "A~A";
    ASSERT_TRUE(parse(odd.text()));
    EXPECT_TRUE(tp.hasOddCharacters);
    EXPECT_TRUE(refused(tp));
    Source empty;
    empty.down[0] = "   ";
    ASSERT_TRUE(parse(empty.text()));
    EXPECT_TRUE(refused(tp));
}

TEST_F(TextImport, ConversionFillsHeaderGridsAndTexts) {
    Source s;
    s.notes = "hint\n";
    ASSERT_TRUE(parse(s.text()));
    auto image = convertTextPuzzle(tp);
    const auto& b = image->header.bytes;
    EXPECT_EQ(std::memcmp(&b[HdrMagic], "ORVANE&DOWN", 12), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(&b[HdrVersion]), "1.3");
    EXPECT_EQ(image->versionNumber(), 13);
    EXPECT_EQ(b[HdrWidth], 3);
    EXPECT_EQ(b[HdrHeight], 3);
    EXPECT_EQ(image->header.clueCount(), 4);
    EXPECT_EQ(b[HdrPuzzleType], 1);
    EXPECT_EQ(b[HdrTypeBits], 0);
    EXPECT_EQ(b[HdrStateBits], 0);
    EXPECT_EQ(image->header.u16(HdrFileChecksum), 0);  // left to the writer
    EXPECT_EQ(image->solution, "CATA.ATAT");
    EXPECT_EQ(image->fill, "----.----");
    EXPECT_EQ(image->title, "Small Talk");
    EXPECT_EQ(image->author, "  Ann Example  ");
    EXPECT_EQ(image->clues, tp.clues);
    EXPECT_EQ(image->notes, "hint\r\n");
    EXPECT_TRUE(image->sections.empty());

    TextPuzzle flags = tp;
    flags.printAllowed = false;
    flags.scrambled = flags.stateBit3 = true;
    EXPECT_EQ(convertTextPuzzle(flags)->header.bytes[HdrStateBits], 0x0D);
}

TEST_F(TextImport, ConversionWritesRebusSections) {
    Source s;
    s.grid = {"@5T", "a.b", "TAt"};
    s.rebus = std::vector<std::string>{"MARK", "5:FIVE:F", "a:[66*]:B"};
    ASSERT_TRUE(parse(s.text()));
    auto image = convertTextPuzzle(tp);
    EXPECT_EQ(image->header.bytes[HdrTypeBits], 0x08);
    EXPECT_EQ(image->solution, "AFTB.BTAT");

    const ExtraSection* grbs = image->getExtraSection("GRBS");
    ASSERT_TRUE(grbs);
    // b and t have no text, so they are circled but are not rebus squares.
    EXPECT_EQ(grbs->data, (std::vector<uint8_t>{37, 6, 0, 11, 0, 0, 0, 0, 0}));
    const ExtraSection* gext = image->getExtraSection("GEXT");
    ASSERT_TRUE(gext);
    EXPECT_EQ(gext->data, (std::vector<uint8_t>{0, 0, 0, 0x80, 0, 0x80, 0, 0, 0x80}));
    const ExtraSection* rtbl = image->getExtraSection("RTBL");
    ASSERT_TRUE(rtbl);
    EXPECT_EQ(std::string(rtbl->data.begin(), rtbl->data.end()), " 5:FIVE;10:[B]*;36:@;");

    // Without MARK there is no GEXT, but GRBS is always there with marks.
    s.rebus.reset();
    ASSERT_TRUE(parse(s.text()));
    image = convertTextPuzzle(tp);
    EXPECT_FALSE(image->getExtraSection("GEXT"));
    EXPECT_TRUE(image->getExtraSection("GRBS"));
    const ExtraSection* table = image->getExtraSection("RTBL");
    ASSERT_TRUE(table);
    EXPECT_EQ(std::string(table->data.begin(), table->data.end()), " 5:5;36:@;");
}

TEST_F(TextImport, RebusTableStaysWithin512Bytes) {
    TextPuzzle p;
    p.width = 1;
    p.height = 1;
    p.grid = "A";
    p.marks.emplace();
    p.marks->grid = {1};
    for (auto& slot : p.marks->slots) {
        std::memcpy(slot.text, "ABCDEFGHI", 10);
        slot.length = 9;
    }
    auto image = convertTextPuzzle(p);
    const ExtraSection* rtbl = image->getExtraSection("RTBL");
    ASSERT_TRUE(rtbl);
    EXPECT_LE(rtbl->length, 511);
    EXPECT_EQ(rtbl->length % 13, 0);  // whole pieces only
    EXPECT_EQ(std::string(rtbl->data.begin(), rtbl->data.begin() + 13), " 0:ABCDEFGHI;");
}

TEST_F(TextImport, ConvertedImageReadsBackIdentically) {
    Source s;
    s.grid = {"@5T", "a.b", "TAt"};
    s.rebus = std::vector<std::string>{"MARK", "5:FIVE:F"};
    s.notes = "Notes survive\n";
    ASSERT_TRUE(parse(s.text()));
    auto image = convertTextPuzzle(tp);
    PuzzleFileImage copy = *image;
    const std::vector<uint8_t> bytes = serializePuzzle(copy);

    PuzzleFileImage back;
    ASSERT_TRUE(readPuzzleBytes(bytes.data(), bytes.size(), back));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(back.solution, image->solution);
    EXPECT_EQ(back.fill, image->fill);
    EXPECT_EQ(back.title, image->title);
    EXPECT_EQ(back.author, image->author);
    EXPECT_EQ(back.copyright, image->copyright);
    EXPECT_EQ(back.notes, image->notes);
    EXPECT_EQ(back.clues, image->clues);
    for (int i = HdrWidth; i < FileHeaderSize; ++i) EXPECT_EQ(back.header.bytes[i], image->header.bytes[i]) << i;
    ASSERT_EQ(back.sections.size(), image->sections.size());
    for (size_t i = 0; i < back.sections.size(); ++i) {
        EXPECT_STREQ(back.sections[i].tag, image->sections[i].tag);
        EXPECT_EQ(back.sections[i].data, image->sections[i].data);
    }
}

TEST_F(TextImport, FilesAreReadInBinaryModeLikeMemory) {
    Source s;
    s.eol = "\r\n";
    s.notes = std::string("a\0b\n", 4);
    const std::string text = s.text();
    const std::string path = ::testing::TempDir() + "gw_text_import.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(text.data(), std::streamsize(text.size()));
    }
    TextPuzzle fromMemory;
    ASSERT_TRUE(parseTextPuzzleText(text, fromMemory));
    ASSERT_TRUE(parseTextPuzzle(path, tp));
    EXPECT_EQ(tp.grid, fromMemory.grid);
    EXPECT_EQ(tp.clues, fromMemory.clues);
    EXPECT_EQ(tp.notes, "a\r\n");
    EXPECT_EQ(fromMemory.notes, "a\r\n");
    std::remove(path.c_str());

    services.calls.clear();
    EXPECT_FALSE(parseTextPuzzle(path, tp));
    EXPECT_EQ(services.messages(), std::vector<std::string>{"warningById 8"});
}

TEST(TextImportPath, ExtensionBecomesPuz) {
    EXPECT_EQ(importedPuzzlePath("C:\\puzzles\\puzzle.txt"), "C:\\puzzles\\puzzle.puz");
    EXPECT_EQ(importedPuzzlePath("puzzle.TXT"), "puzzle.puz");
    EXPECT_EQ(importedPuzzlePath("puzzle.text"), "puzzle.text.puz");
    EXPECT_EQ(importedPuzzlePath("puzzle"), "puzzle.puz");
    EXPECT_EQ(importedPuzzlePath(".txt"), ".puz");
}

namespace {

class TextImportOpen : public TextImport {
protected:
    std::unique_ptr<PuzzleDocument> doc;
    gw::test::TempFolder folder;

    void SetUp() override {
        TextImport::SetUp();
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
    }
    void TearDown() override {
        doc.reset();
        TextImport::TearDown();
    }
    std::string writeText(const std::string& name, const std::string& text) {
        const std::string path = folder.file(name);
        gw::test::writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
        return path;
    }
};

}  // namespace

TEST_F(TextImportOpen, OpensADirtyPuzzleNamedLikeTheText) {
    const std::string path = writeText("puzzle.txt", Source().text());
    ASSERT_TRUE(importTextPuzzle(path));
    EXPECT_TRUE(doc->isOpen);
    EXPECT_TRUE(doc->isDirty);
    EXPECT_EQ(doc->path, folder.file("puzzle.puz"));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_TRUE(services.has("save on"));
    EXPECT_EQ(tools.count(5), 1);
    ASSERT_TRUE(doc->grid);
    EXPECT_EQ(doc->grid->CountWordStarts(), 4);
    EXPECT_EQ(doc->title, "Small Talk");
}

TEST_F(TextImportOpen, FailuresShowTheRightMessagesAndLeaveTheDocumentEmpty) {
    Source s;
    s.size = "3x4";
    importTextPuzzle(writeText("bad.txt", s.text()));
    EXPECT_EQ(services.messages(),
              (std::vector<std::string>{"warningById " + std::to_string(IDS_TXT_BAD_GRID_LINE), "warningById 30"}));

    services.calls.clear();
    Source empty;
    empty.across[0] = "";  // parses, but the check refuses it
    EXPECT_FALSE(importTextPuzzle(writeText("empty.txt", empty.text())));
    EXPECT_EQ(services.messages(), std::vector<std::string>{"warningById 31"});

    services.calls.clear();
    EXPECT_FALSE(importTextPuzzle(folder.file("missing.txt")));
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"warningById 8", "warningById 30"}));
    EXPECT_FALSE(doc->isOpen);
    EXPECT_FALSE(doc->isDirty);
}

TEST_F(TextImportOpen, MarksAndColonsReachTheDocument) {
    Source s;
    s.grid = {"@AT", "a:b", "TAT"};
    s.across = {"a", "b"};
    s.down = {"c", "d"};
    s.rebus = std::vector<std::string>{"MARK", "a:ACE:A"};
    ASSERT_TRUE(importTextPuzzle(writeText("marks.txt", s.text())));
    EXPECT_TRUE(doc->isDiagramless);
    EXPECT_TRUE(doc->isRebus);
    const PuzzleGrid& g = *doc->grid;
    ASSERT_TRUE(g.cell(0, 0).solutionRebus);
    EXPECT_STREQ(g.cell(0, 0).solutionRebus->text, "@");
    ASSERT_TRUE(g.cell(0, 1).solutionRebus);
    EXPECT_STREQ(g.cell(0, 1).solutionRebus->text, "ACE");
    EXPECT_TRUE(g.cell(0, 1).flags & Circled);
    EXPECT_TRUE(g.cell(2, 1).flags & Circled);
    EXPECT_FALSE(g.cell(2, 1).solutionRebus);  // b has no rebus line
    EXPECT_FALSE(g.cell(1, 1).isWhite());
    EXPECT_TRUE(g.cell(1, 1).flags & ShownColon);
}
