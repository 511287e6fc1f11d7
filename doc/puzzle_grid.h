// The open puzzle's grid: cells, rebus table, lock key, and the solving engine's
// state. Numbering and the lookups are defined in solve/numbering.cpp; the engine's
// operations in the other files of solve/.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "rebus.h"

namespace gw {

class GridViewPort;
class ClueSet;

constexpr int MaxGridSize = 39;

enum CellFlags : uint8_t {
    AcrossStart = 0x01,
    DownStart = 0x02,
    ShownColon = 0x04,  // on a block; on a white cell the same bit marks the highlighted word
    Highlighted = 0x04,
    Pencil = 0x08,
    WasIncorrect = 0x10,
    Incorrect = 0x20,
    Revealed = 0x40,
    Circled = 0x80,
};

// The bits kept in the "GEXT" section, and the bits Clear Grid keeps.
constexpr uint8_t SavedFlagsMask = 0xF8;
constexpr uint8_t ClearGridKeepMask = 0x87;

enum Direction : int { DirNone = 0, DirAcross = 1, DirDown = 2 };
enum Arrow : int { ArrowUp = 1, ArrowDown = 2, ArrowLeft = 3, ArrowRight = 4 };

struct GridCell {
    int32_t isLetter = 0;
    char fill = '-';
    char solution = '.';
    uint8_t flags = 0;
    int32_t number = 0;
    std::unique_ptr<RebusEntry> solutionRebus;
    std::unique_ptr<RebusEntry> userRebus;

    bool isWhite() const { return isLetter != 0; }
    bool isEmpty() const { return fill == '-' && !userRebus; }
};

class PuzzleGrid {
public:
    // Builds the cells from the file's strings and sections (any section may be null).
    // gext/grbs must already be width*height long when given.
    PuzzleGrid(int width, int height, const std::string& solution, const std::string& fill,
               uint16_t scrambledChecksum, const uint8_t* gext, const uint8_t* grbs,
               const char* rebusText, const char* rusr, int rusrLength);
    PuzzleGrid(const PuzzleGrid&) = delete;
    PuzzleGrid& operator=(const PuzzleGrid&) = delete;

    int16_t width = 0;
    int16_t height = 0;
    GridCell cells[MaxGridSize][MaxGridSize];  // [column][row]
    std::unique_ptr<RebusTable> rebusTable;
    int key = 0;
    bool keyKnown = false;
    uint16_t solutionChecksum = 0;
    int32_t letterCellCount = 0;
    int32_t filledCellCount = 0;

    GridCell& cell(int x, int y) { return cells[x][y]; }
    const GridCell& cell(int x, int y) const { return cells[x][y]; }
    bool inGrid(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool isWhite(int x, int y) const { return inGrid(x, y) && cells[x][y].isLetter != 0; }

    // --- numbering and lookups ---
    void NumberGrid();
    int32_t CountWordStarts() const;
    bool FindWordStart(int direction, int& x, int& y) const;
    void FindWordEnd(int direction, int& x, int& y) const;
    void CurrentWordRange(int& x1, int& y1, int& x2, int& y2) const;
    bool FindClueCell(int number, int direction, int& x, int& y) const;
    void FindFirstCell(uint8_t mask, int& x, int& y) const;
    void FindLastCell(uint8_t mask, int& x, int& y) const;
    bool FindNeighbourWordStart(int direction, int which, int& x, int& y) const;
    // which: bit 1 (value 2) Across, bit 2 (value 4) Down.
    std::string BuildClueSheetText(int which) const;
    std::string BuildClueSheetLines(int which) const;  // line feeds replaced by NULs

    // --- engine state (cursor and navigation) ---
    int32_t cursorX = -1;
    int32_t cursorY = -1;
    int32_t currentDirection = DirNone;
    int32_t previousDirection = DirNone;
    int32_t wordStartX = -1;
    int32_t wordStartY = -1;
    GridViewPort* view = nullptr;
    ClueSet* clueSet = nullptr;  // the document's clue set, for ShowCellClues
};

}  // namespace gw
