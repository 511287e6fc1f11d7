// Builds a real PuzzleGrid (constructor + numbering) from row strings, e.g.
// {"CAT.", "A.DO"}: a letter is a white cell with that solution, '.' a block.
// Optional fill rows use the file's convention: '-' empty, lower case = pencil,
// '.' under a block.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "doc/puzzle_grid.h"
#include "solve/clue_set.h"

namespace gw::test {

inline std::unique_ptr<PuzzleGrid> buildGrid(const std::vector<std::string>& rows,
                                             const std::vector<std::string>& fillRows = {}) {
    const int height = int(rows.size());
    const int width = height ? int(rows[0].size()) : 0;
    std::string solution, fill;
    for (int y = 0; y < height; ++y) {
        solution += rows[size_t(y)];
        for (int x = 0; x < width; ++x) {
            const char s = rows[size_t(y)][size_t(x)];
            if (s == '.' || s == ':')
                fill += s;
            else if (!fillRows.empty())
                fill += fillRows[size_t(y)][size_t(x)];
            else
                fill += '-';
        }
    }
    return std::make_unique<PuzzleGrid>(width, height, solution, fill, uint16_t(0), nullptr, nullptr,
                                        nullptr, nullptr, 0);
}

// The clue set of a built grid; clue i (in clue order) reads "clue <i>".
inline std::unique_ptr<ClueSet> buildClues(PuzzleGrid& grid) {
    auto clues = std::make_unique<ClueSet>(grid);
    std::vector<std::string> texts;
    for (int i = 0; i < grid.CountWordStarts(); ++i) texts.push_back("clue " + std::to_string(i));
    clues->Build(grid.width, grid.height, texts);
    grid.clueSet = clues.get();
    return clues;
}

// The solver's letters as rows: '-' empty, lower case for pencil, '.' for a block.
inline std::vector<std::string> fillRows(const PuzzleGrid& grid) {
    std::vector<std::string> out;
    for (int y = 0; y < grid.height; ++y) {
        std::string row;
        for (int x = 0; x < grid.width; ++x) {
            const GridCell& c = grid.cell(x, y);
            if (!c.isWhite())
                row += '.';
            else if ((c.flags & Pencil) && c.fill >= 'A' && c.fill <= 'Z')
                row += char(c.fill - 'A' + 'a');
            else
                row += c.fill;
        }
        out.push_back(row);
    }
    return out;
}

}  // namespace gw::test
