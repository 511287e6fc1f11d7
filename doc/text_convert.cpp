// Turning a parsed text puzzle into a file image and opening it.
#include <cstdio>
#include <cstring>

#include "doc/puzzle_grid.h"
#include "doc/text_import.h"
#include "doc/whole_file.h"
#include "resources/string_table.h"

namespace gw {
namespace {

constexpr size_t MaxRebusTableText = 511;  // a 512-byte buffer with its terminator

// Slots 10..35 belong to the lower-case marks.
bool isLowerMark(uint8_t m) { return m >= 11 && m <= 36; }

void addMarkSections(const TextPuzzle& tp, PuzzleFileImage& image) {
    const TextMarks& marks = *tp.marks;
    const size_t squares = marks.grid.size();
    std::vector<uint8_t> grbs(squares, 0), gext(squares, 0);
    for (size_t i = 0; i < squares; ++i) {
        const uint8_t m = marks.grid[i];
        const bool emptySlot = m == 0 || m > TextMarkSlots || marks.slots[m - 1].length == 0;
        grbs[i] = (isLowerMark(m) && emptySlot) ? 0 : m;
        if (marks.circleMarks && isLowerMark(m)) gext[i] = Circled;
    }
    if (marks.circleMarks) image.setGridSection("GEXT", gext.data(), int(squares));
    image.setGridSection("GRBS", grbs.data(), int(squares));

    std::string table;
    char piece[32];
    for (int slot = 0; slot < TextMarkSlots; ++slot) {
        const TextRebusSlot& s = marks.slots[size_t(slot)];
        if (s.length <= 0) continue;
        const int n = std::snprintf(piece, sizeof piece, "%2d:%.9s;", slot, s.text);
        if (n <= 0 || table.size() + size_t(n) > MaxRebusTableText) break;
        table.append(piece, size_t(n));
    }
    image.setExtraSection("RTBL", reinterpret_cast<const uint8_t*>(table.data()), int(table.size()));
}

}  // namespace

std::unique_ptr<PuzzleFileImage> convertTextPuzzle(const TextPuzzle& tp) {
    auto image = std::make_unique<PuzzleFileImage>();
    uint8_t type = 0, state = 0;
    if (tp.hasOddCharacters) type |= TypeDiagramless;
    if (tp.marks) type |= TypeHasMarks;
    if (!tp.printAllowed) state |= StateNoPrint;
    if (tp.allX) state |= StateNoCheck;
    if (tp.scrambled) state |= StateScrambled;
    if (tp.stateBit3) state |= StateBit3;
    initNewHeader(image->header, tp.width, tp.height, tp.clueCount, type, state);

    if (tp.marks && tp.marks->grid.size() == tp.grid.size()) addMarkSections(tp, *image);

    image->solution = tp.grid;
    image->fill = tp.grid;
    for (char& c : image->fill)
        if (c != '.' && c != ':') c = '-';
    image->title = tp.title;
    image->author = tp.author;
    image->copyright = tp.copyright;
    image->clues = tp.clues;
    image->notes = tp.notes;
    return image;
}

std::string importedPuzzlePath(const std::string& textPath) {
    const size_t n = textPath.size();
    if (n >= 4 && textPath[n - 4] == '.') return textPath.substr(0, n - 4) + ".puz";
    return textPath + ".puz";
}

std::unique_ptr<PuzzleFileImage> readImportFile(const std::string& path, int tooLargeId, ImportConverter convert,
                                                std::string& message) {
    constexpr size_t MaxImportFileSize = 8u << 20;  // a 39 by 39 crossword is well under 1 MB
    std::vector<uint8_t> bytes;
    switch (readWholeFile(path, MaxImportFileSize, bytes)) {
        case WholeFile::Ok:
            return convert(std::string(bytes.begin(), bytes.end()), message);
        case WholeFile::TooLarge:
            message = stringText(tooLargeId);
            return nullptr;
        default:
            message = std::string(stringText(IDS_CANNOT_OPEN_READ)) + path;
            return nullptr;
    }
}

}  // namespace gw
