// The file image of an imported puzzle: what a binary puzzle of the same grid,
// answers, entries and clues would read as.
#include "doc/imported_grid.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "doc/code_page.h"
#include "doc/puzzle_grid.h"
#include "doc/text_import.h"

namespace gw {
namespace {

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

// "GEXT" for circles and given letters, "GRBS" and "RTBL" for multi-letter answers,
// "RUSR" for multi-letter saved entries.
void addSections(const std::vector<ImportedSquare>& squares, PuzzleFileImage& image) {
    const size_t n = squares.size();
    std::vector<uint8_t> gext(n, 0), grbs(n, 0);
    std::map<std::string, int> slots;
    std::string table, rusr;
    bool marks = false, userRebus = false;
    for (size_t i = 0; i < n; ++i) {
        const ImportedSquare& sq = squares[i];
        gext[i] = uint8_t((sq.circled ? Circled : 0) | (sq.revealed && !sq.saved.empty() ? Revealed : 0));
        marks = marks || gext[i];
        if (sq.answer.size() > 1) {
            auto found = slots.find(sq.answer);
            if (found == slots.end()) {
                if (int(slots.size()) == RebusTableSlots) refuseImport(IDS_IPUZ_MANY_ANSWERS);
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
    if (marks) image.setGridSection("GEXT", gext.data(), int(n));
    if (!slots.empty()) {
        image.setGridSection("GRBS", grbs.data(), int(n));
        image.setExtraSection("RTBL", reinterpret_cast<const uint8_t*>(table.data()), int(table.size()));
    }
    if (userRebus) image.setGridSection("RUSR", reinterpret_cast<const uint8_t*>(rusr.data()), int(rusr.size()));
}

}  // namespace

void ImportedGrid::resize(int w, int h) {
    width = w;
    height = h;
    squares.assign(size_t(w) * size_t(h), ImportedSquare{});
}

void ImportedGrid::checkAnswers(int noAnswerId) const {
    if (!hasSolution) return;  // a grid of empty squares: the puzzle comes without answers
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            const ImportedSquare& sq = at(row, col);
            if (sq.block) continue;
            if (sq.answer.empty()) refuseImport(noAnswerId, row + 1, col + 1);
            if (sq.answer.size() > size_t(RebusMaxText)) refuseImport(IDS_IPUZ_LONG_ANSWER, row + 1, col + 1);
        }
}

std::unique_ptr<PuzzleGrid> ImportedGrid::numbered() const {
    std::string solution;
    for (const ImportedSquare& sq : squares) solution += sq.block ? '.' : 'X';
    auto grid = std::make_unique<PuzzleGrid>(width, height, solution, std::string(), 0, nullptr, nullptr, nullptr,
                                             nullptr, 0);
    grid->NumberGrid();
    return grid;
}

void ImportedGrid::checkNumbers(const PuzzleGrid& numbered) const {
    bool anyNumber = false;
    for (const ImportedSquare& sq : squares) anyNumber = anyNumber || sq.number > 0;
    // Numbers are optional (the grid numbers itself); a diagramless grid shows none.
    if (!anyNumber || diagramless) return;
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            const int given = at(row, col).number;
            const int actual = numbered.cell(col, row).number;
            if (given == actual || at(row, col).block) continue;
            if (actual == 0) refuseImport(IDS_IPUZ_NOT_A_START, given, row + 1, col + 1);
            if (given == 0) refuseImport(IDS_IPUZ_NO_NUMBER, row + 1, col + 1);
            refuseImport(IDS_IPUZ_WRONG_NUMBER, given, row + 1, col + 1, actual);
        }
}

std::unique_ptr<PuzzleFileImage> ImportedGrid::image(const PuzzleGrid& numbered, ClueDirections& dirs) const {
    auto image = std::make_unique<PuzzleFileImage>();
    for (const ImportedSquare& sq : squares) {
        // Without answers every square is an 'X', which the program solves unchecked.
        // Diagramless blocks are ':' as in the program's own diagramless files.
        const char block = diagramless ? ':' : '.';
        image->solution += sq.block ? block : hasSolution ? squareLetter(sq.answer) : 'X';
        image->fill += sq.block ? block : sq.saved.empty() ? '-' : savedLetter(sq.saved);
    }
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            const GridCell& c = numbered.cell(col, row);
            if (c.flags & AcrossStart) image->clues.push_back(dirs.across.texts[c.number]);
            if (c.flags & DownStart) image->clues.push_back(dirs.down.texts[c.number]);
        }
    initNewHeader(image->header, width, height, int(image->clues.size()), diagramless ? TypeDiagramless : 0,
                  hasSolution ? 0 : StateNoCheck);
    addSections(squares, *image);
    return image;
}

ClueDirections wordNumbers(const PuzzleGrid& numbered) {
    ClueDirections dirs;
    for (int row = 0; row < numbered.height; ++row)
        for (int col = 0; col < numbered.width; ++col) {
            const GridCell& c = numbered.cell(col, row);
            if (c.flags & AcrossStart) dirs.across.numbers.push_back(c.number);
            if (c.flags & DownStart) dirs.down.numbers.push_back(c.number);
        }
    return dirs;
}

std::string squareText(const std::string& utf8) {
    std::string s = utf8ToSystemText(utf8);
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    const bool symbol = s.size() >= 3 && s[0] == '[' && s[2] == ']' && (s.size() == 3 || (s.size() == 4 && s[3] == '*'));
    bool ok = !s.empty() && (s[0] != '[' || symbol) && s[0] != '.' && s[0] != ':' && s[0] != '-';
    for (char c : s) ok = ok && static_cast<unsigned char>(c) > ' ' && c != ';';
    return ok ? s : std::string();
}

std::string joinedNotes(const std::string& first, const std::string& second) {
    return first.empty() || second.empty() ? first + second : first + "\r\n\r\n" + second;
}

}  // namespace gw
