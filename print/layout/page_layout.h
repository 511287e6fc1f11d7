// Lays out one printed page: title, author, grid with its rebus footnotes, copyright
// and the clue columns, shrinking every font in steps until the grid and the clues
// fit. Portable arithmetic over the TextMeasure port; everything in device units.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "print/layout/text_measure.h"

namespace gw {
class PuzzleGrid;
}

namespace gw::print {

struct DeviceFacts {
    int dpiX = 0, dpiY = 0;  // dots per inch
    int printableWidth = 0, printableHeight = 0;
};

// One line of the clue sheet: a heading, or a clue split into its number ("12. ")
// and its text.
struct ClueLine {
    bool heading = false;
    std::string number;
    std::string text;
};

struct PrintContent {
    std::string title, author, copyright;
    int gridColumns = 0, gridRows = 0;
    std::string footnotes;  // the rebus entries too long for a printed cell
    std::vector<ClueLine> clues;
    int gridPosition = 1;  // 0 to 3: clues right or left of the grid, grid at the top or bottom
};

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct PlacedText {
    PrintFont font;
    int x, y;  // top-left
    std::string text;
};

struct ClueColumn {
    Box area;
    int firstLine = -1, lastLine = -1;  // clue sheet lines it holds
};

struct PagePlan {
    uint32_t items = 0;
    int step = 0;
    int scale = 100;
    bool gridShown = false;
    Box grid;  // the grid with its outer lines
    int cellWidth = 0, cellHeight = 0;
    std::vector<PlacedText> texts;  // in drawing order
    std::vector<ClueColumn> columns;
    int cluesPlaced = 0;  // clue sheet lines on the page
    bool fits = true;     // everything requested is on the page
};

constexpr int LastScaleStep = 20;
// Scale in percent at a step: 100, 100, 95, 95, ... 55 at step 19, 50 at 20.
inline int scaleAtStep(int step) { return (20 - step / 2) * 5; }

PagePlan layoutPage(TextMeasure& measure, const DeviceFacts& device, const PrintContent& content, uint32_t items);

// The clue sheet's NUL-separated lines as headings and numbered clues.
std::vector<ClueLine> parseClueSheet(const std::string& lines);

// "(1) ENTRY (2) ENTRY " for the entries of four or more characters that the painter
// shows as footnote numbers, in its painting order (columns, then rows).
std::string rebusFootnotes(const PuzzleGrid& grid, unsigned paintFlags, bool diagramless);

}  // namespace gw::print
