// The sentences a screen reader speaks for a square, composed from the engine's state.
#include "solve/spoken_words.h"

#include "doc/puzzle_grid.h"
#include "resources/string_table.h"
#include "solve/clue_set.h"

namespace gw {
namespace {

struct WordSpan {
    int number = 0;
    int position = 0;  // 1-based place of the square in the word
    int length = 0;
};

// The word through (x, y) in a direction, or number 0 when the square lies in none.
WordSpan wordThrough(const PuzzleGrid& grid, const ClueEntry& entry, int x, int y, int direction) {
    WordSpan span;
    span.number = direction == DirAcross ? entry.acrossNumber : entry.downNumber;
    if (span.number == 0) return span;
    const int dx = direction == DirAcross ? 1 : 0, dy = 1 - dx;
    int sx = x, sy = y;
    while (grid.isWhite(sx - dx, sy - dy)) sx -= dx, sy -= dy;
    int ex = x, ey = y;
    while (grid.isWhite(ex + dx, ey + dy)) ex += dx, ey += dy;
    span.position = (x - sx) + (y - sy) + 1;
    span.length = (ex - sx) + (ey - sy) + 1;
    return span;
}

const char* directionWord(int direction) {
    return stringText(direction == DirAcross ? IDS_SPEAK_ACROSS : IDS_SPEAK_DOWN);
}

std::string squareName(const PuzzleGrid& grid, int x, int y) {
    const ClueSet* clues = grid.clueSet;
    if (!clues || x >= clues->width() || y >= clues->height())
        return formatString(IDS_SPEAK_SQUARE_AT, y + 1, x + 1);
    const ClueEntry& entry = clues->entry(x, y);
    const int first = grid.currentDirection == DirDown ? DirDown : DirAcross;
    const int second = first == DirAcross ? DirDown : DirAcross;
    WordSpan main = wordThrough(grid, entry, x, y, first);
    int mainDirection = first;
    WordSpan crossing = wordThrough(grid, entry, x, y, second);
    int crossingDirection = second;
    if (main.number == 0) {
        std::swap(main, crossing);
        std::swap(mainDirection, crossingDirection);
    }
    if (main.number == 0) return formatString(IDS_SPEAK_SQUARE_AT, y + 1, x + 1);

    std::string name = std::to_string(main.number) + " " + directionWord(mainDirection);
    const std::string* clue = mainDirection == DirAcross ? entry.acrossText : entry.downText;
    if (clue && !clue->empty()) name += ", " + *clue;
    name += ", " + formatString(IDS_SPEAK_LETTER_OF, main.position, main.length);
    if (crossing.number != 0)
        name += "; " + std::to_string(crossing.number) + " " + directionWord(crossingDirection);
    return name;
}

std::string squareMarks(const GridCell& cell) {
    static constexpr struct {
        uint8_t flag;
        int text;
    } marks[] = {{Pencil, IDS_SPEAK_PENCIL},
                 {Circled, IDS_SPEAK_CIRCLED},
                 {Incorrect, IDS_SPEAK_MARKED_WRONG},
                 {WasIncorrect, IDS_SPEAK_WAS_WRONG},
                 {Revealed, IDS_SPEAK_REVEALED}};
    std::string words;
    for (const auto& mark : marks) {
        if (!(cell.flags & mark.flag)) continue;
        if (!words.empty()) words += ", ";
        words += stringText(mark.text);
    }
    return words;
}

}  // namespace

std::string squareValue(const PuzzleGrid& grid, int x, int y) {
    if (!grid.isWhite(x, y)) return "";
    const GridCell& cell = grid.cell(x, y);
    if (const RebusEntry* entry = cell.userRebus.get()) {
        if (entry->kind != RebusPlain)
            return formatString(IDS_SPEAK_SYMBOL, int(static_cast<unsigned char>(entry->text[0])));
        int length = entry->length < 0 ? 0 : (entry->length > RebusMaxText ? RebusMaxText : entry->length);
        std::string text(entry->text, size_t(length));
        if (const size_t end = text.find('\0'); end != std::string::npos) text.resize(end);
        if (!text.empty()) return text;
    }
    if (cell.fill == '-' || cell.fill == '\0') return stringText(IDS_SPEAK_EMPTY);
    return std::string(1, cell.fill);
}

SquareWords describeSquare(const PuzzleGrid& grid, int x, int y) {
    SquareWords words;
    if (!grid.isWhite(x, y)) {
        words.block = true;
        words.name = stringText(IDS_SPEAK_BLOCK);
        return words;
    }
    words.name = squareName(grid, x, y);
    words.value = squareValue(grid, x, y);
    words.description = squareMarks(grid.cell(x, y));
    return words;
}

std::string markedWrongWords(int count) {
    if (count <= 0) return stringText(IDS_CHECK_NONE_WRONG);
    if (count == 1) return stringText(IDS_CHECK_ONE_WRONG);
    return formatString(IDS_CHECK_SOME_WRONG, count);
}

}  // namespace gw
