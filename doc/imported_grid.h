// What the importers of other puzzle formats (ipuz, Crossword Compiler) share: the
// squares they read, the checks of their numbers against the program's own
// numbering, and the file image made from them.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "doc/file_image.h"
#include "resources/string_table.h"

namespace gw {

class PuzzleGrid;

// A reason a file cannot be opened, thrown by the readers and shown to the user.
struct ImportRefusal {
    std::string message;
};

template <typename... Args>
[[noreturn]] void refuseImport(int id, Args... args) {
    throw ImportRefusal{formatString(id, args...)};
}

struct ImportedSquare {
    bool block = false;
    int number = 0;        // as the file gives it; 0 for none
    bool circled = false;
    bool revealed = false;  // given to the solver: shown filled
    std::string answer;     // code page text, upper case; "" for none
    std::string saved;      // the solver's entry
};

struct ClueDirection {
    std::vector<int> numbers;         // the grid's words of this direction, in order
    std::map<int, std::string> texts;  // clue texts by number, in the code page
};

struct ClueDirections {
    ClueDirection across, down;
};

struct ImportedGrid {
    int width = 0, height = 0;
    bool diagramless = false;
    bool hasSolution = false;
    std::vector<ImportedSquare> squares;  // row after row

    void resize(int w, int h);
    ImportedSquare& at(int row, int col) { return squares[size_t(row) * size_t(width) + size_t(col)]; }
    const ImportedSquare& at(int row, int col) const {
        return squares[size_t(row) * size_t(width) + size_t(col)];
    }
    // Squares without an answer while others have one are refused (row and column
    // named, in the message `noAnswerId`); so are answers longer than a square holds.
    void checkAnswers(int noAnswerId) const;
    // The grid numbered as the program numbers it (from the blocks alone).
    std::unique_ptr<PuzzleGrid> numbered() const;
    // Numbers the file gives (if any) must be the program's own.
    void checkNumbers(const PuzzleGrid& numbered) const;
    // The file image: grid, answers, entries, marks, and the clues in file order.
    std::unique_ptr<PuzzleFileImage> image(const PuzzleGrid& numbered, ClueDirections& clues) const;
};

// The start squares' numbers of each direction, in reading order.
ClueDirections wordNumbers(const PuzzleGrid& numbered);

// An answer or entry upper-cased in the code page; "" when a square cannot hold it
// (blank, a character the file format reserves, a broken symbol).
std::string squareText(const std::string& utf8);

// Two texts as one note, with an empty line between them.
std::string joinedNotes(const std::string& first, const std::string& second);

}  // namespace gw
