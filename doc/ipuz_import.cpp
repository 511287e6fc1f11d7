// Converting an ipuz crossword into a file image: the grid, its answers and the
// solver's saved entries, circles, multi-letter answers, and the clues in the
// order a binary puzzle keeps them.
#include <cctype>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "doc/code_page.h"
#include "doc/imported_grid.h"
#include "doc/ipuz_import.h"
#include "doc/ipuz_text.h"
#include "doc/puzzle_grid.h"
#include "resources/string_table.h"

namespace gw {
namespace {

using json = nlohmann::json;

// A member of an object, or null when it is not there (a const json must not be
// indexed with a missing key).
const json& field(const json& object, const char* name) {
    static const json none;
    if (!object.is_object()) return none;
    const auto found = object.find(name);
    return found == object.end() ? none : *found;
}

class IpuzReader {
public:
    explicit IpuzReader(const json& root) : root_(root) {}
    std::unique_ptr<PuzzleFileImage> convert();

private:
    const json& root_;
    json block_ = "#";
    json empty_ = 0;
    ImportedGrid grid_;

    void readKind();
    void readDimensions();
    const json& grid(const char* name);
    bool circledStyle(const json& style) const;
    void readPuzzleCell(const json& v, int row, int col);
    // An answer or saved entry: block, "" for none, or its text.
    bool readAnswerCell(const json& v, const char* name, int row, int col, std::string& text);
    void readSolution();
    void readSaved();
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
                grid_.diagramless = grid_.diagramless || s.find("/diagramless") != std::string::npos;
            }
        }
    }
    if (!crossword) refuseImport(IDS_IPUZ_KIND, shown.c_str());
}

void IpuzReader::readDimensions() {
    const json& d = field(root_, "dimensions");
    const int w = ipuzNumber(field(d, "width"));
    const int h = ipuzNumber(field(d, "height"));
    if (w < 0 || h < 0) refuseImport(IDS_IPUZ_MISSING, "dimensions");
    if (w < 1 || h < 1 || w > MaxGridSize || h > MaxGridSize) refuseImport(IDS_IPUZ_SIZE, w, h);
    grid_.resize(w, h);
    if (root_.contains("block")) block_ = field(root_, "block");
    if (root_.contains("empty")) empty_ = field(root_, "empty");
}

// A grid of exactly height rows of width squares each.
const json& IpuzReader::grid(const char* name) {
    const json& g = field(root_, name);
    if (!g.is_array()) refuseImport(IDS_IPUZ_MISSING, name);
    if (int(g.size()) != grid_.height) refuseImport(IDS_IPUZ_ROWS, name, int(g.size()), grid_.height);
    for (int row = 0; row < grid_.height; ++row) {
        const json& r = g[size_t(row)];
        if (!r.is_array()) refuseImport(IDS_IPUZ_ROW_LENGTH, row + 1, name, 0, grid_.width);
        if (int(r.size()) != grid_.width) refuseImport(IDS_IPUZ_ROW_LENGTH, row + 1, name, int(r.size()), grid_.width);
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
    ImportedSquare& sq = grid_.at(row, col);
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
        refuseImport(IDS_IPUZ_BAD_CELL, row + 1, col + 1, "puzzle");
    }
}

// Upper-cased; refused when it would break the file's grid or rebus table.
std::string ipuzSquareText(const std::string& utf8, const char* name, int row, int col) {
    std::string s = squareText(utf8);
    if (s.empty()) refuseImport(IDS_IPUZ_BAD_CELL, row + 1, col + 1, name);
    return s;
}

bool IpuzReader::readAnswerCell(const json& given, const char* name, int row, int col, std::string& text) {
    const json* v = &given;
    if (given.is_object()) v = given.contains("value") ? &field(given, "value") : &empty_;
    text.clear();
    if (v->is_null() || *v == block_) return true;
    if (*v == empty_ || (v->is_string() && v->get_ref<const std::string&>().empty())) return false;
    if (v->is_string())
        text = ipuzSquareText(v->get<std::string>(), name, row, col);
    else if (ipuzNumber(*v) >= 0)
        text = std::to_string(ipuzNumber(*v));
    else
        refuseImport(IDS_IPUZ_BAD_CELL, row + 1, col + 1, name);
    return false;
}

void IpuzReader::readSolution() {
    if (field(root_, "solution").is_null()) return;
    const json& g = grid("solution");
    std::vector<std::string> answers(grid_.squares.size());
    std::vector<bool> blocks(grid_.squares.size());
    for (int row = 0; row < grid_.height; ++row)
        for (int col = 0; col < grid_.width; ++col) {
            const size_t i = size_t(row) * size_t(grid_.width) + size_t(col);
            blocks[i] = readAnswerCell(g[size_t(row)][size_t(col)], "solution", row, col, answers[i]);
            grid_.hasSolution = grid_.hasSolution || !answers[i].empty();
        }
    if (!grid_.hasSolution) return;  // a grid of empty squares: the puzzle comes without answers
    for (int row = 0; row < grid_.height; ++row)
        for (int col = 0; col < grid_.width; ++col) {
            const size_t i = size_t(row) * size_t(grid_.width) + size_t(col);
            ImportedSquare& sq = grid_.squares[i];
            // A diagramless puzzle need not show its blocks: the solution places them.
            if (grid_.diagramless) sq.block = blocks[i];
            if (sq.block != blocks[i]) refuseImport(IDS_IPUZ_BLOCK_MISMATCH, row + 1, col + 1);
            sq.answer = answers[i];
        }
    grid_.checkAnswers(IDS_IPUZ_NO_ANSWER);
}

void IpuzReader::readSaved() {
    if (field(root_, "saved").is_null()) return;
    const json& g = grid("saved");
    for (int row = 0; row < grid_.height; ++row)
        for (int col = 0; col < grid_.width; ++col) {
            std::string entry;
            readAnswerCell(g[size_t(row)][size_t(col)], "saved", row, col, entry);
            ImportedSquare& sq = grid_.at(row, col);
            // A square holds at most 9 letters; the rest of a longer entry is dropped.
            if (!sq.block) sq.saved = entry.substr(0, size_t(RebusMaxText));
        }
}

std::unique_ptr<PuzzleFileImage> IpuzReader::convert() {
    readKind();
    readDimensions();
    const json& puzzle = grid("puzzle");
    for (int row = 0; row < grid_.height; ++row)
        for (int col = 0; col < grid_.width; ++col) readPuzzleCell(puzzle[size_t(row)][size_t(col)], row, col);
    readSolution();
    readSaved();

    const std::unique_ptr<PuzzleGrid> numbered = grid_.numbered();
    grid_.checkNumbers(*numbered);
    ClueDirections dirs = wordNumbers(*numbered);
    std::string message;
    if (!readIpuzClues(field(root_, "clues"), dirs, message)) throw ImportRefusal{message};
    std::unique_ptr<PuzzleFileImage> image = grid_.image(*numbered, dirs);
    image->title = ipuzText(root_, "title", false);
    image->author = ipuzText(root_, "author", false);
    image->copyright = ipuzText(root_, "copyright", false);
    image->notes = joinedNotes(ipuzText(root_, "intro", true), ipuzText(root_, "notes", true));
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
    } catch (const ImportRefusal& r) {
        message = r.message;
    } catch (const json::exception&) {
        // The reader checks each value's type before use; this is only a safety net.
        message = formatString(IDS_IPUZ_MISSING, "puzzle");
    }
    return nullptr;
}

}  // namespace gw
