// Converting an ipuz crossword into a file image: the grid, its answers and the
// solver's saved entries, circles, multi-letter answers, and the clues in the
// order a binary puzzle keeps them.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <nlohmann/json.hpp>
#include <vector>

#include "doc/code_page.h"
#include "doc/ipuz_import.h"
#include "doc/ipuz_text.h"
#include "doc/puzzle_grid.h"
#include "doc/text_import.h"
#include "resources/string_table.h"

namespace gw {
namespace {

using json = nlohmann::json;

struct Refusal {
    std::string message;
};

template <typename... Args>
[[noreturn]] void refuse(int id, Args... args) {
    throw Refusal{formatString(id, args...)};
}

// A member of an object, or null when it is not there (a const json must not be
// indexed with a missing key).
const json& field(const json& object, const char* name) {
    static const json none;
    if (!object.is_object()) return none;
    const auto found = object.find(name);
    return found == object.end() ? none : *found;
}

struct Square {
    bool block = false;
    int number = 0;
    bool circled = false;
    std::string answer;  // code page text, upper case; "" for none
    std::string saved;
};

class IpuzReader {
public:
    explicit IpuzReader(const json& root) : root_(root) {}
    std::unique_ptr<PuzzleFileImage> convert();

private:
    const json& root_;
    json block_ = "#";
    json empty_ = 0;
    int width_ = 0, height_ = 0;
    bool diagramless_ = false;
    bool hasSolution_ = false;
    std::vector<Square> squares_;

    Square& at(int row, int col) { return squares_[size_t(row) * size_t(width_) + size_t(col)]; }
    void readKind();
    void readDimensions();
    const json& grid(const char* name);
    bool circledStyle(const json& style) const;
    void readPuzzleCell(const json& v, int row, int col);
    // An answer or saved entry: block, "" for none, or its text.
    bool readAnswerCell(const json& v, const char* name, int row, int col, std::string& text);
    void readSolution();
    void readSaved();
    void checkNumbering(const PuzzleGrid& numbered);
    std::vector<std::string> readClues(const PuzzleGrid& numbered);
    void addSections(PuzzleFileImage& image);
};

void IpuzReader::readKind() {
    const json& kind = field(root_, "kind");
    std::string shown = "no kind given";
    bool crossword = false;
    // A single string instead of a list is common in files in the wild: a list of one.
    const json kinds = kind.is_string() ? json::array({kind}) : kind;
    if (kinds.is_array()) {
        for (const json& k : kinds) {
            if (!k.is_string()) continue;
            const std::string& s = k.get_ref<const std::string&>();
            shown = utf8ToSystemText(s);
            if (s.rfind("http://ipuz.org/crossword", 0) == 0 || s.rfind("https://ipuz.org/crossword", 0) == 0) {
                crossword = true;
                diagramless_ = diagramless_ || s.find("/diagramless") != std::string::npos;
            }
        }
    }
    if (!crossword) refuse(IDS_IPUZ_KIND, shown.c_str());
}

void IpuzReader::readDimensions() {
    const json& d = field(root_, "dimensions");
    const int w = ipuzNumber(field(d, "width"));
    const int h = ipuzNumber(field(d, "height"));
    if (w < 0 || h < 0) refuse(IDS_IPUZ_MISSING, "dimensions");
    if (w < 1 || h < 1 || w > MaxGridSize || h > MaxGridSize) refuse(IDS_IPUZ_SIZE, w, h);
    width_ = w;
    height_ = h;
    squares_.assign(size_t(w) * size_t(h), Square{});
    if (root_.contains("block")) block_ = field(root_, "block");
    if (root_.contains("empty")) empty_ = field(root_, "empty");
}

// A grid of exactly height rows of width squares each.
const json& IpuzReader::grid(const char* name) {
    const json& g = field(root_, name);
    if (!g.is_array()) refuse(IDS_IPUZ_MISSING, name);
    if (int(g.size()) != height_) refuse(IDS_IPUZ_ROWS, name, int(g.size()), height_);
    for (int row = 0; row < height_; ++row) {
        const json& r = g[size_t(row)];
        if (!r.is_array()) refuse(IDS_IPUZ_ROW_LENGTH, row + 1, name, 0, width_);
        if (int(r.size()) != width_) refuse(IDS_IPUZ_ROW_LENGTH, row + 1, name, int(r.size()), width_);
    }
    return g;
}

bool IpuzReader::circledStyle(const json& style) const {
    // A style may be the name of one of the file's shared styles.
    const json& s = style.is_string() ? field(field(root_, "styles"), style.get_ref<const std::string&>().c_str()) : style;
    const json& shape = field(s, "shapebg");
    return shape.is_string() && shape.get_ref<const std::string&>() == "circle";
}

void IpuzReader::readPuzzleCell(const json& given, int row, int col) {
    Square& sq = at(row, col);
    const json* v = &given;
    if (given.is_object()) {
        sq.circled = circledStyle(field(given, "style"));
        if (!given.contains("cell")) return;  // a styled square with nothing in it
        v = &field(given, "cell");
    }
    if (v->is_null() || *v == block_) {
        sq.block = true;
    } else if (*v == empty_ || (v->is_string() && v->get_ref<const std::string&>().empty())) {
        sq.number = 0;
    } else if ((sq.number = ipuzNumber(*v)) < 0) {
        refuse(IDS_IPUZ_BAD_CELL, row + 1, col + 1, "puzzle");
    }
}

// Upper-cases letters; refuses what would break the file's grid or rebus table.
std::string squareText(const std::string& utf8, const char* name, int row, int col) {
    std::string s = utf8ToSystemText(utf8);
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    const bool symbol = s.size() >= 3 && s[0] == '[' && s[2] == ']' && (s.size() == 3 || (s.size() == 4 && s[3] == '*'));
    bool ok = !s.empty() && (s[0] != '[' || symbol) && s[0] != '.' && s[0] != ':' && s[0] != '-';
    for (char c : s) ok = ok && static_cast<unsigned char>(c) > ' ' && c != ';';
    if (!ok) refuse(IDS_IPUZ_BAD_CELL, row + 1, col + 1, name);
    return s;
}

bool IpuzReader::readAnswerCell(const json& given, const char* name, int row, int col, std::string& text) {
    const json* v = &given;
    if (given.is_object()) v = given.contains("value") ? &field(given, "value") : &empty_;
    text.clear();
    if (v->is_null() || *v == block_) return true;
    if (*v == empty_ || (v->is_string() && v->get_ref<const std::string&>().empty())) return false;
    if (v->is_string())
        text = squareText(v->get<std::string>(), name, row, col);
    else if (ipuzNumber(*v) >= 0)
        text = std::to_string(ipuzNumber(*v));
    else
        refuse(IDS_IPUZ_BAD_CELL, row + 1, col + 1, name);
    return false;
}

void IpuzReader::readSolution() {
    if (field(root_, "solution").is_null()) return;
    const json& g = grid("solution");
    std::vector<std::string> answers(squares_.size());
    std::vector<bool> blocks(squares_.size());
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) {
            const size_t i = size_t(row) * size_t(width_) + size_t(col);
            blocks[i] = readAnswerCell(g[size_t(row)][size_t(col)], "solution", row, col, answers[i]);
            hasSolution_ = hasSolution_ || !answers[i].empty();
        }
    if (!hasSolution_) return;  // a grid of empty squares: the puzzle comes without answers
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) {
            const size_t i = size_t(row) * size_t(width_) + size_t(col);
            Square& sq = squares_[i];
            // A diagramless puzzle need not show its blocks: the solution places them.
            if (diagramless_) sq.block = blocks[i];
            if (sq.block != blocks[i]) refuse(IDS_IPUZ_BLOCK_MISMATCH, row + 1, col + 1);
            if (!sq.block && answers[i].empty()) refuse(IDS_IPUZ_NO_ANSWER, row + 1, col + 1);
            if (answers[i].size() > size_t(RebusMaxText)) refuse(IDS_IPUZ_LONG_ANSWER, row + 1, col + 1);
            sq.answer = answers[i];
        }
}

void IpuzReader::readSaved() {
    if (field(root_, "saved").is_null()) return;
    const json& g = grid("saved");
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) {
            std::string entry;
            readAnswerCell(g[size_t(row)][size_t(col)], "saved", row, col, entry);
            Square& sq = at(row, col);
            // A square holds at most 9 letters; the rest of a longer entry is dropped.
            if (!sq.block) sq.saved = entry.substr(0, size_t(RebusMaxText));
        }
}

void IpuzReader::checkNumbering(const PuzzleGrid& numbered) {
    bool anyNumber = false;
    for (const Square& sq : squares_) anyNumber = anyNumber || sq.number > 0;
    // Numbers are optional (the grid numbers itself); a diagramless grid shows none.
    if (!anyNumber || diagramless_) return;
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) {
            const int given = at(row, col).number;
            const int actual = numbered.cell(col, row).number;
            if (given == actual || at(row, col).block) continue;
            if (actual == 0) refuse(IDS_IPUZ_NOT_A_START, given, row + 1, col + 1);
            if (given == 0) refuse(IDS_IPUZ_NO_NUMBER, row + 1, col + 1);
            refuse(IDS_IPUZ_WRONG_NUMBER, given, row + 1, col + 1, actual);
        }
}

std::vector<std::string> IpuzReader::readClues(const PuzzleGrid& numbered) {
    ClueDirections dirs;
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) {
            const GridCell& c = numbered.cell(col, row);
            if (c.flags & AcrossStart) dirs.across.numbers.push_back(c.number);
            if (c.flags & DownStart) dirs.down.numbers.push_back(c.number);
        }
    std::string message;
    if (!readIpuzClues(field(root_, "clues"), dirs, message)) throw Refusal{message};

    std::vector<std::string> clues;
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) {
            const GridCell& c = numbered.cell(col, row);
            if (c.flags & AcrossStart) clues.push_back(dirs.across.texts[c.number]);
            if (c.flags & DownStart) clues.push_back(dirs.down.texts[c.number]);
        }
    return clues;
}

// "GEXT" for circles, "GRBS" and "RTBL" for multi-letter answers, "RUSR" for
// multi-letter saved entries.
void IpuzReader::addSections(PuzzleFileImage& image) {
    const size_t n = squares_.size();
    std::vector<uint8_t> gext(n, 0), grbs(n, 0);
    std::map<std::string, int> slots;
    std::string table, rusr;
    bool circles = false, userRebus = false;
    for (size_t i = 0; i < n; ++i) {
        const Square& sq = squares_[i];
        if (sq.circled) gext[i] = Circled, circles = true;
        if (sq.answer.size() > 1) {
            auto found = slots.find(sq.answer);
            if (found == slots.end()) {
                if (int(slots.size()) == RebusTableSlots) refuse(IDS_IPUZ_MANY_ANSWERS);
                found = slots.emplace(sq.answer, int(slots.size())).first;
                char piece[24];
                std::snprintf(piece, sizeof piece, "%2d:%s;", found->second, sq.answer.c_str());
                table += piece;
            }
            grbs[i] = uint8_t(found->second + 1);
        }
        if (sq.saved.size() > 1) userRebus = true;
        rusr += sq.saved.size() > 1 ? sq.saved : std::string();
        rusr += '\0';
    }
    if (circles) image.setGridSection("GEXT", gext.data(), int(n));
    if (!slots.empty()) {
        image.setGridSection("GRBS", grbs.data(), int(n));
        image.setExtraSection("RTBL", reinterpret_cast<const uint8_t*>(table.data()), int(table.size()));
    }
    if (userRebus) image.setGridSection("RUSR", reinterpret_cast<const uint8_t*>(rusr.data()), int(rusr.size()));
}

// The one letter a square holds for an entry: a single character itself; for a
// longer entry or a symbol "[c]" the letter a solver's one-letter answer is checked against.
char squareLetter(const std::string& entry) {
    if (entry.size() == 1) return entry[0];
    return checkLetterFor(entry[0] == '[' ? entry[1] : entry[0]);
}

// The letter a square keeps beside a saved entry, as typing it would leave it: none
// for a symbol, the first character of a longer entry when it is one a square takes.
char savedLetter(const std::string& entry) {
    if (entry.size() == 1) return entry[0];
    const char first = entry[0];
    if (first == '[') return '-';
    const bool takes = std::isalnum(static_cast<unsigned char>(first)) || std::strchr(TextSymbolMarks, first);
    return takes ? first : '-';
}

std::unique_ptr<PuzzleFileImage> IpuzReader::convert() {
    readKind();
    readDimensions();
    const json& puzzle = grid("puzzle");
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) readPuzzleCell(puzzle[size_t(row)][size_t(col)], row, col);
    readSolution();
    readSaved();

    auto image = std::make_unique<PuzzleFileImage>();
    std::string solution, fill;
    for (const Square& sq : squares_) {
        // Without answers every square is an 'X', which the program solves unchecked.
        // Diagramless blocks are ':' as in the program's own diagramless files.
        const char block = diagramless_ ? ':' : '.';
        solution += sq.block ? block : hasSolution_ ? squareLetter(sq.answer) : 'X';
        fill += sq.block ? block : sq.saved.empty() ? '-' : savedLetter(sq.saved);
    }
    PuzzleGrid numbered(width_, height_, solution, std::string(), 0, nullptr, nullptr, nullptr, nullptr, 0);
    numbered.NumberGrid();
    checkNumbering(numbered);
    image->clues = readClues(numbered);
    initNewHeader(image->header, width_, height_, int(image->clues.size()), diagramless_ ? TypeDiagramless : 0,
                  hasSolution_ ? 0 : StateNoCheck);
    image->solution = solution;
    image->fill = fill;
    addSections(*image);
    image->title = ipuzText(root_, "title", false);
    image->author = ipuzText(root_, "author", false);
    image->copyright = ipuzText(root_, "copyright", false);
    const std::string intro = ipuzText(root_, "intro", true), notes = ipuzText(root_, "notes", true);
    image->notes = intro.empty() || notes.empty() ? intro + notes : intro + "\r\n\r\n" + notes;
    return image;
}

// Where the JSON text starts and ends inside an "ipuz(...)" wrapper and a byte-order mark.
void unwrap(const std::string& text, size_t& begin, size_t& end) {
    begin = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    if (text.compare(begin, 5, "ipuz(") != 0) return;
    begin += 5;
    while (end > begin && (std::isspace(static_cast<unsigned char>(text[end - 1])) || text[end - 1] == ';')) --end;
    if (end > begin && text[end - 1] == ')') --end;
}

// The line and column (in characters) of the byte before `byte` in the file's text.
std::string parseErrorMessage(const std::string& text, size_t byte) {
    int line = 1, column = 1;
    const size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (size_t i = start; i + 1 < byte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            line++;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return formatString(IDS_IPUZ_BAD_JSON, line, column);
}

}  // namespace

std::unique_ptr<PuzzleFileImage> convertIpuz(const std::string& text, std::string& message) {
    size_t begin = 0, end = 0;
    unwrap(text, begin, end);
    json root;
    std::string body = text.substr(begin, end - begin);
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            root = json::parse(body);
            break;
        } catch (const json::parse_error& e) {
            // Some files are written in a Windows code page rather than UTF-8.
            if (attempt == 0 && std::string(e.what()).find("UTF-8") != std::string::npos) {
                body = systemTextToUtf8(body);
                continue;
            }
            message = attempt == 0 ? parseErrorMessage(text, begin + e.byte) : parseErrorMessage(body, e.byte);
            return nullptr;
        } catch (const json::exception& e) {
            // A number too large for any reader: point at it.
            const std::string what = e.what();
            const size_t quote = what.find("parsing '");
            const std::string number = quote == std::string::npos ? std::string() : what.substr(quote + 9, what.size() - quote - 10);
            const size_t at = number.empty() ? std::string::npos : text.find(number);
            message = parseErrorMessage(text, at == std::string::npos ? text.size() : at + 1);
            return nullptr;
        }
    }
    try {
        return IpuzReader(root).convert();
    } catch (const Refusal& r) {
        message = r.message;
    } catch (const json::exception&) {
        // The reader checks each value's type before use; this is only a safety net.
        message = formatString(IDS_IPUZ_MISSING, "puzzle");
    }
    return nullptr;
}

}  // namespace gw
