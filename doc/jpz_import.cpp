// Converting a Crossword Compiler crossword (its XML) into a file image: the grid,
// answers, the solver's entries and given letters, circles, multi-letter answers,
// and the clues placed by the squares their words start on.
#include "doc/jpz_import.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "doc/code_page.h"
#include "doc/imported_grid.h"
#include "doc/markup_text.h"
#include "doc/puzzle_grid.h"
#include "doc/xml_pull.h"

namespace gw {
namespace {

// A name or value from the file for a message: in the code page, not too long.
std::string shown(const std::string& utf8) { return utf8ToSystemText(utf8.substr(0, 40)); }

bool isTrue(const std::string& v) { return v == "true" || v == "1"; }

// "7" or "3-5" (either way round), 1-based, within 1..size; false otherwise.
bool readRange(const std::string& s, int size, int& first, int& last) {
    if (s.empty() || s.size() > 9) return false;
    char* stop = nullptr;
    first = int(std::strtol(s.c_str(), &stop, 10));
    last = first;
    if (*stop == '-') last = int(std::strtol(stop + 1, &stop, 10));
    return *stop == '\0' && first >= 1 && last >= 1 && first <= size && last <= size;
}

class JpzReader {
public:
    // lineOffset: lines taken off the text before the parser saw it.
    JpzReader(XmlPullReader& xml, int lineOffset) : xml_(xml), lineOffset_(lineOffset) {}
    std::unique_ptr<PuzzleFileImage> convert();

private:
    struct Clue {
        std::string word, number, format, html;
    };
    struct ClueList {
        std::string title;
        std::vector<Clue> clues;
    };
    // A word's squares as the file gives them: "x" and "y" each a number or a range,
    // or a list of cells (a range each).
    struct WordCells {
        std::vector<std::pair<std::string, std::string>> parts;
    };

    XmlPullReader& xml_;
    int lineOffset_;
    ImportedGrid grid_;
    bool haveGrid_ = false;
    std::string otherKind_;  // the first element beside the crossword that we do not know
    std::map<std::string, WordCells> words_;
    std::vector<ClueList> lists_;
    std::string title_, creator_, copyright_, description_, instructions_;

    XmlNode step();
    int errorLine() const { return std::max(1, xml_.errorLine()) + lineOffset_; }
    template <typename OnChild>
    void children(OnChild onChild);
    void skip();
    std::string html();
    void readRoot();
    void readPuzzle();
    void readCrossword();
    void readGrid();
    void readCell();
    void readWord();
    void readClueList();
    int wordNumber(const WordCells& cells, bool across, const PuzzleGrid& numbered) const;
    void placeClues(const PuzzleGrid& numbered, ClueDirections& dirs) const;
};

XmlNode JpzReader::step() {
    const XmlNode node = xml_.next();
    if (node == XmlNode::Error) refuseImport(IDS_JPZ_NOT_XML, errorLine());
    return node;
}

// Calls onChild at each child element's start; onChild reads (or skips) all of it.
template <typename OnChild>
void JpzReader::children(OnChild onChild) {
    const int depth = xml_.depth();
    for (;;) {
        const XmlNode node = step();
        if (node == XmlNode::Start) onChild();
        else if (node == XmlNode::End && xml_.depth() == depth) return;
        else if (node == XmlNode::Done) refuseImport(IDS_JPZ_NOT_XML, errorLine());
    }
}

// The rest of the element just started, however deep, without recursion.
void JpzReader::skip() {
    const int depth = xml_.depth();
    for (;;) {
        const XmlNode node = step();
        if (node == XmlNode::End && xml_.depth() == depth) return;
        if (node == XmlNode::Done) refuseImport(IDS_JPZ_NOT_XML, errorLine());
    }
}

// The content of the element just started, up to its end.
std::string JpzReader::html() {
    std::string out;
    const int depth = xml_.depth();
    for (;;) {
        const XmlNode node = step();
        // Text goes as it is: some files escape their markup (or their character
        // references) once more, and the markup reading takes either form.
        if (node == XmlNode::Text) out += xml_.text();
        else if (node == XmlNode::Start) out += "<" + xml_.localName() + ">";
        else if (node == XmlNode::End && xml_.depth() == depth) return out;
        else if (node == XmlNode::End && xml_.localName() != "br") out += "</" + xml_.localName() + ">";
        else if (node == XmlNode::Done) refuseImport(IDS_JPZ_NOT_XML, errorLine());
    }
}

void JpzReader::readRoot() {
    XmlNode node;
    while ((node = step()) != XmlNode::Start)
        if (node == XmlNode::Done) refuseImport(IDS_JPZ_NOT_XML, errorLine());
    const std::string root = xml_.localName(), space = xml_.namespaceUri();
    if (!space.empty() && space.rfind("http://crossword.info/", 0) != 0)
        refuseImport(IDS_JPZ_NOT_JPZ, shown(root).c_str());
    if (root == "rectangular-puzzle") return readPuzzle();
    if (root != "crossword-compiler-applet" && root != "crossword-compiler")
        refuseImport(IDS_JPZ_NOT_JPZ, shown(root).c_str());
    // The applet's settings (colours, buttons, a completion message) are of no use here.
    children([this] {
        if (xml_.localName() == "rectangular-puzzle") readPuzzle();
        else skip();
    });
}

void JpzReader::readPuzzle() {
    children([this] {
        const std::string& name = xml_.localName();
        if (name == "metadata") {
            children([this] {
                const std::string& field = xml_.localName();
                std::string* text = field == "title" ? &title_ : field == "creator" ? &creator_
                                  : field == "copyright" ? &copyright_ : field == "description" ? &description_ : nullptr;
                if (text) *text = html();
                else skip();
            });
        } else if (name == "instructions") {
            instructions_ = html();
        } else if (name == "crossword") {
            readCrossword();
        } else {
            // A coded puzzle, an acrostic, a sudoku... in place of the crossword is another kind
            // of puzzle; beside a crossword it is something newer files carry that we can pass over.
            if (otherKind_.empty()) otherKind_ = name;
            skip();
        }
    });
}

void JpzReader::readCrossword() {
    children([this] {
        const std::string& name = xml_.localName();
        if (name == "grid") readGrid();
        else if (name == "word") readWord();
        else if (name == "clues") readClueList();
        else skip();
    });
}

void JpzReader::readGrid() {
    int w = 0, h = 0, unused = 0;
    const bool ok = readRange(xml_.attribute("width"), 9999, w, unused) && readRange(xml_.attribute("height"), 9999, h, unused);
    if (!ok || haveGrid_) refuseImport(IDS_JPZ_NO_GRID);
    if (w > MaxGridSize || h > MaxGridSize) refuseImport(IDS_IPUZ_SIZE, w, h);
    grid_.resize(w, h);
    // A square the file leaves out is outside the puzzle.
    for (ImportedSquare& sq : grid_.squares) sq.block = true;
    haveGrid_ = true;
    children([this] {
        if (xml_.localName() == "cell") readCell();
        skip();
    });
}

void JpzReader::readCell() {
    int col = 0, row = 0, lastCol = 0, lastRow = 0;
    const std::string x = xml_.attribute("x"), y = xml_.attribute("y");
    if (!readRange(x, grid_.width, col, lastCol) || !readRange(y, grid_.height, row, lastRow) || col != lastCol ||
        row != lastRow)
        refuseImport(IDS_JPZ_CELL_OUTSIDE, shown(x).c_str(), shown(y).c_str());
    --row, --col;
    if (isTrue(xml_.attribute("top-bar")) || isTrue(xml_.attribute("left-bar")) ||
        isTrue(xml_.attribute("bottom-bar")) || isTrue(xml_.attribute("right-bar")))
        refuseImport(IDS_JPZ_BARS, row + 1, col + 1);
    ImportedSquare& sq = grid_.at(row, col);
    sq = ImportedSquare{};
    const std::string type = xml_.attribute("type");
    if (type == "block" || type == "void") {
        sq.block = true;
        return;
    }
    if (!type.empty() && type != "letter") refuseImport(IDS_JPZ_BAD_CELL, row + 1, col + 1);
    const std::string solution = xml_.attribute("solution"), number = xml_.attribute("number");
    if (!solution.empty() && (sq.answer = squareText(solution)).empty()) refuseImport(IDS_JPZ_BAD_CELL, row + 1, col + 1);
    grid_.hasSolution = grid_.hasSolution || !sq.answer.empty();
    int n = 0, last = 0;
    if (!number.empty() && (!readRange(number, 99999, n, last) || n != last)) refuseImport(IDS_JPZ_BAD_CELL, row + 1, col + 1);
    sq.number = n;
    sq.circled = xml_.attribute("background-shape") == "circle";
    // A square holds at most 9 letters; an entry it cannot hold is left out.
    sq.saved = squareText(xml_.attribute("solve-state")).substr(0, size_t(RebusMaxText));
    sq.revealed = isTrue(xml_.attribute("hint")) && !sq.answer.empty();
    if (sq.revealed) sq.saved = sq.answer;
}

// A word is its squares: "x" and "y" as numbers or ranges, or a list of cells.
void JpzReader::readWord() {
    WordCells& word = words_[xml_.attribute("id")];
    word = WordCells{};
    if (!xml_.attribute("x").empty()) word.parts.emplace_back(xml_.attribute("x"), xml_.attribute("y"));
    children([this, &word] {
        if (xml_.localName() == "cells" && word.parts.size() < 2)
            word.parts.emplace_back(xml_.attribute("x"), xml_.attribute("y"));
        skip();
    });
}

// The number of the word whose squares `cells` gives, in the direction asked; -1 when
// its first square starts no such word, or its squares run the other way.
int JpzReader::wordNumber(const WordCells& cells, bool across, const PuzzleGrid& numbered) const {
    int col = 0, row = 0, lastCol = 0, lastRow = 0, nextCol = 0, nextRow = 0;
    if (cells.parts.empty() || !readRange(cells.parts[0].first, grid_.width, col, lastCol) ||
        !readRange(cells.parts[0].second, grid_.height, row, lastRow))
        return -1;
    if (cells.parts.size() > 1 && lastCol == col && lastRow == row) {
        if (!readRange(cells.parts[1].first, grid_.width, nextCol, lastCol) ||
            !readRange(cells.parts[1].second, grid_.height, nextRow, lastRow))
            return -1;
    }
    const bool runs = lastCol != col || lastRow != row;
    if (runs && (across ? lastRow != row : lastCol != col)) return -1;
    const GridCell& c = numbered.cell(col - 1, row - 1);
    return c.flags & (across ? AcrossStart : DownStart) ? c.number : -1;
}

void JpzReader::readClueList() {
    ClueList list;
    children([this, &list] {
        const std::string& name = xml_.localName();
        if (name == "title") {
            list.title = html();
        } else if (name == "clue") {
            Clue clue{xml_.attribute("word"), xml_.attribute("number"), xml_.attribute("format"), std::string()};
            clue.html = html();
            list.clues.push_back(std::move(clue));
        } else {
            skip();
        }
    });
    lists_.push_back(std::move(list));
}

void JpzReader::placeClues(const PuzzleGrid& numbered, ClueDirections& dirs) const {
    for (const ClueList& list : lists_) {
        const std::string plainTitle = trimmedText(plainMarkupText(list.title, false));
        const std::string direction = lowerText(plainTitle);
        const bool across = direction == "across";
        if (!across && direction != "down") refuseImport(IDS_JPZ_CLUE_LIST, plainTitle.substr(0, 40).c_str());
        const char* name = across ? "Across" : "Down";
        ClueDirection& dir = across ? dirs.across : dirs.down;
        for (const Clue& clue : list.clues) {
            const std::string label = shown(clue.number.empty() ? clue.word : clue.number);
            int number = -1, last = 0;
            if (!clue.word.empty()) {
                // Placed by the square its word starts on, whatever number the clue shows.
                const auto word = words_.find(clue.word);
                if (word != words_.end()) number = wordNumber(word->second, across, numbered);
            } else if (readRange(clue.number, 99999, number, last)) {
                bool found = false;
                for (int n : dir.numbers) found = found || n == number;
                if (!found) number = -1;
            } else {
                number = -1;
            }
            if (number < 0) refuseImport(IDS_JPZ_CLUE_NO_WORD, label.c_str(), name, name);
            if (dir.texts.count(number)) refuseImport(IDS_JPZ_CLUE_TWICE, number, name);
            std::string text = trimmedText(plainMarkupText(clue.html, false));
            // The enumeration, as a setter writes it after the clue.
            const std::string format = clue.format.empty() ? std::string() : "(" + plainMarkupText(clue.format, false) + ")";
            if (!format.empty() && (text.size() < format.size() || text.compare(text.size() - format.size(), format.size(), format) != 0))
                text += text.empty() ? format : " " + format;
            dir.texts[number] = text;
        }
    }
}

std::unique_ptr<PuzzleFileImage> JpzReader::convert() {
    readRoot();
    if (!haveGrid_ && !otherKind_.empty()) refuseImport(IDS_JPZ_KIND, shown(otherKind_).c_str());
    if (!haveGrid_) refuseImport(IDS_JPZ_NO_GRID);
    grid_.checkAnswers(IDS_JPZ_NO_ANSWER);
    const std::unique_ptr<PuzzleGrid> numbered = grid_.numbered();
    grid_.checkNumbers(*numbered);
    ClueDirections dirs = wordNumbers(*numbered);
    placeClues(*numbered, dirs);
    std::unique_ptr<PuzzleFileImage> image = grid_.image(*numbered, dirs);
    image->title = trimmedText(plainMarkupText(title_, false));
    image->author = trimmedText(plainMarkupText(creator_, false));
    image->copyright = trimmedText(plainMarkupText(copyright_, false));
    image->notes = joinedNotes(trimmedText(plainMarkupText(description_, true)),
                               trimmedText(plainMarkupText(instructions_, true)));
    return image;
}

}  // namespace

std::unique_ptr<PuzzleFileImage> convertJpzXml(const std::string& xml, std::string& message) {
    // Blank lines before the document are common in downloads; not every parser takes them.
    const size_t start = xml.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) {
        message = stringText(IDS_JPZ_NOT_JPZ_EMPTY);
        return nullptr;
    }
    const std::string document = xml.substr(start);
    std::unique_ptr<XmlPullReader> reader = openXmlReader(document);
    if (!reader) {
        message = stringText(IDS_JPZ_NO_XML_READER);
        return nullptr;
    }
    try {
        return JpzReader(*reader, int(std::count(xml.begin(), xml.begin() + long(start), '\n'))).convert();
    } catch (const ImportRefusal& r) {
        message = r.message;
    }
    return nullptr;
}

}  // namespace gw
