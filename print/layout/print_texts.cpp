// The texts a printed page takes from the puzzle: the clue sheet's lines and the
// rebus footnotes.
#include <cstdio>

#include "doc/puzzle_grid.h"
#include "print/layout/page_layout.h"

namespace gw::print {

std::vector<ClueLine> parseClueSheet(const std::string& lines) {
    std::vector<ClueLine> out;
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find('\0', start);
        if (end == std::string::npos) end = lines.size();
        const std::string line = lines.substr(start, end - start);
        start = end + 1;
        ClueLine l;
        size_t digits = 0;
        while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
        if (digits > 0 && line.compare(digits, 2, ". ") == 0) {
            l.number = line.substr(0, digits + 2);
            l.text = line.substr(digits + 2);
        } else {
            l.heading = true;
            l.text = line;
        }
        out.push_back(std::move(l));
    }
    return out;
}

std::string rebusFootnotes(const PuzzleGrid& grid, unsigned paintFlags, bool diagramless) {
    constexpr unsigned ShowEntries = 0x80, ShowSolution = 0x100;
    std::string out;
    if (diagramless && !(paintFlags & ShowSolution)) return out;
    int number = 1;
    for (int x = 0; x < grid.width; ++x) {
        for (int y = 0; y < grid.height; ++y) {
            const GridCell& c = grid.cell(x, y);
            if (!c.isWhite()) continue;
            // With both the solver's letters and the solution printed, the solver's entry comes first.
            const bool entry = (paintFlags & ShowEntries) && (c.fill != '-' || c.userRebus);
            const bool solution = (paintFlags & ShowSolution) && (c.solution != '-' || c.solutionRebus);
            if (!solution && !entry) continue;
            const RebusEntry* r = entry ? c.userRebus.get() : c.solutionRebus.get();
            if (!r || r->length < 4) continue;
            const int length = r->length > RebusMaxText ? RebusMaxText : r->length;
            char note[32];
            std::snprintf(note, sizeof note, "(%d) %.*s ", number++, length, r->text);
            out += note;
        }
    }
    return out;
}

}  // namespace gw::print
