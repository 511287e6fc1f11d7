// Arithmetic of the title pane and the symbol picker, and the notepad hint's text:
// portable, so that native tests reach it.
#pragma once
#include <string>
#include <vector>

namespace gw {

// ---- title pane ----
namespace titlepane {

constexpr int Inset = 2;           // inner pane inside the strip
constexpr int SeparatorWidth = 10;  // between two items
constexpr int ExtraHeight = 10;    // strip height over the title font's character height

struct Placement {
    int x = 0;
    int width = 0;
};

// Places the present items (title, author, copyright order) in a strip of width
// `stripWidth`: the title and the author get the smaller of their natural width and
// what is left; the copyright, when present (`endsWithCopyright`), all that is left.
// A hint beside the title thus stays beside it when no copyright follows.
inline std::vector<Placement> layout(int stripWidth, const std::vector<int>& naturalWidths, bool endsWithCopyright) {
    std::vector<Placement> out;
    int available = stripWidth - 2 * Inset;
    int x = 0;
    for (size_t i = 0; i < naturalWidths.size(); ++i) {
        if (available < 0) available = 0;
        Placement p;
        p.x = x;
        const bool rest = endsWithCopyright && i + 1 == naturalWidths.size();
        p.width = rest ? available : (naturalWidths[i] < available ? naturalWidths[i] : available);
        out.push_back(p);
        available -= p.width + SeparatorWidth;
        x += p.width + SeparatorWidth;
    }
    return out;
}

// The beginning of the notes that the hint's tooltip quotes: up to the first colon
// or line break, and never longer than `limit`.
inline std::string hintExcerpt(const std::string& notes, size_t limit = 60) {
    const size_t end = notes.find_first_of(":\r\n");
    std::string text = notes.substr(0, end == std::string::npos ? notes.size() : end);
    if (text.size() > limit) text.resize(limit);
    return text;
}

// Fills the tooltip's format (its one "%s") with the excerpt.
inline std::string hintTooltip(const std::string& format, const std::string& notes) {
    std::string text = format;
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, hintExcerpt(notes));
    return text;
}

}  // namespace titlepane

// ---- symbol picker ----
namespace picker {

constexpr int Columns = 10;
constexpr int FirstCharacter = 33;
constexpr int LastCharacter = 255;
constexpr int Rows = (LastCharacter - FirstCharacter) / Columns + 1;  // 23
constexpr int WidthInCells = 11;
constexpr int HeightInCells = 10;
constexpr int ContentHeightInCells = 24;
constexpr int ScrollRangeInCells = 14;
constexpr int FontPoints = 20;
constexpr int CellExtra = 10;  // cell size over the font's character height

// The character under a point of the picker's content (already scrolled), or 0 for none.
inline int characterAt(int x, int y, int cell) {
    if (cell <= 0 || x < 0 || y < 0) return 0;
    const int column = x / cell;
    if (column + 1 > Columns) return 0;
    const int c = (y / cell) * Columns + (column + 1) + 32;
    // Below the last row the sum runs past the 8-bit characters.
    if (c < FirstCharacter || c > LastCharacter) return 0;
    return c;
}

// Centre x and top y of a character's cell.
inline int cellCentreX(int column, int cell) { return (column + 1) * cell - cell / 2; }
inline int cellTop(int row, int cell) { return row * cell; }

inline int clampScroll(int position, int cell) {
    const int top = ScrollRangeInCells * cell;
    return position < 0 ? 0 : position > top ? top : position;
}

// Keeps a window of the given size at `at` on a desktop of that size, moving it left
// or up as needed but never past 0.
inline int keepOnDesktop(int at, int size, int desktop) {
    if (at + size > desktop) at = desktop - size;
    return at < 0 ? 0 : at;
}

}  // namespace picker
}  // namespace gw
