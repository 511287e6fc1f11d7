// The open puzzle's grid: cells, rebus table, lock key, and the solving engine's
// state. Numbering and the lookups are defined in solve/numbering.cpp; the engine's
// operations in the other files of solve/.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "rebus.h"
#include "solve/edit_target.h"

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

// The single-step undo record. Entry operations record the content they replace,
// so undoing is itself undoable (undo and redo alternate).
enum UndoKind : int32_t { UndoNothing = 0, UndoCell = 1, UndoWord = 2 };

struct UndoRecord {
    int32_t kind = UndoNothing;
    int32_t x = -1;  // the cell (UndoCell) or the cursor at the time (UndoWord)
    int32_t y = -1;
    int32_t direction = DirNone;
    char oldLetter = '-';                    // lower case for a pencil entry (UndoCell)
    std::string wordText;                    // former word in clipboard form (UndoWord)
    std::unique_ptr<RebusEntry> oldRecord;  // former userRebus (UndoCell)
};

class PuzzleGrid : public EditTarget {
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

    // Solving preferences (settings section "grid"); the preference pages write
    // these fields directly while a puzzle is open.
    bool autoCheck = false;       // "autocheck"
    bool fancyCursor = true;      // "fancycursor"
    bool cursorSkip = true;       // "cursorskip"
    bool skipFilled = true;       // "skipfilled"
    bool autoNavSwitch = false;   // "autonavswitch"
    bool autoNavWord = true;      // "autonavword"
    bool rightMouseMove = false;  // "rightmousemove"
    bool arrowPause = true;       // "arrowpause"
    bool pencilMode = false;      // "usepencil"
    bool preferencesLoaded = false;  // only then are they written back at close
    bool congratulated = false;
    UndoRecord undo;

    // --- lifecycle and preferences ---
    void AttachView(GridViewPort* gridView);
    void ReattachView(GridViewPort* gridView);
    // Reads the solving preferences into the fields; a grid without white cells
    // does this only when they are about to be edited, so that edits are kept.
    void ReadSolvePreferences();
    void SaveSolvePreferences();
    void ToggleSkipAfterEntry();

    // --- cursor primitives ---
    void MoveCursor(int x, int y);
    void SetDirection(int direction);
    void ClearHighlight();
    bool StepCell(int arrow, bool skipBlack, int& x, int& y, bool& jumped) const;
    bool FindBlankInWord(int& x, int& y);

    // --- movement ---
    void SwitchDirection();
    bool ClickCell(int x, int y);
    void DirectionFromDrag(int x, int y);
    void RightClickCell(int x, int y);
    void GoToClue(int number, int direction);
    void ArrowMove(int arrow);
    void MoveByWord(int direction, int kind, bool wrap);
    void GoToFirstWord(bool first, bool switchDirection);
    void GoToWordStart(bool wholeGrid);
    void GoToWordEnd(bool wholeGrid);
    void AdvanceAfterEntry();

    // --- entry ---
    bool SetCellEntry(int x, int y, char c, bool pencil, bool symbolMode);
    bool SetCellText(int x, int y, const char* text, bool pencil);
    bool EraseCell(int x, int y);
    void TypeChar(char c, bool symbolMode);
    void TypeText(const char* text);
    void EraseAtCursor(int move);
    void TogglePencilAtCursor();
    void ToggleCircle();
    void TogglePencilMode();

    // --- check, reveal and completion ---
    bool IsCellCorrect(const GridCell& c) const;
    static void RevealCellContent(GridCell& c);
    bool IsSolved() const;
    bool CheckCell(int x, int y, bool reveal, bool force);
    void CheckRange(bool reveal, bool wholeWord);
    void CheckAll(bool reveal);
    void RevealIncorrect();
    void ClearGrid();
    void RecheckSolved();
    // The document allows checking and its solution is not locked.
    bool SolutionAvailable() const;

    // --- undo and clipboard ---
    void EditCommand(int request, int command) override;
    void UndoCommand(int request) override;
    bool IsCommandEnabled(int command) override;
    void WordCommand(int command);
    void PasteWord(const std::string& text);
    void PasteFromClipboard();
    bool KeepsCrossingLetter(int x, int y) const;
    // The clipboard form of the cells x1..x2, y1..y2 (column by column).
    std::string WordText(int x1, int y1, int x2, int y2) const;
    // Blanks become '-'; false when the text holds a character a word cannot.
    static bool ValidatePasteText(std::string& text);

private:
    bool cursorValid() const { return isWhite(cursorX, cursorY); }
    void repaintAll();
    void markModified();
    void rememberOld(const GridCell& c, char& oldLetter, std::unique_ptr<RebusEntry>& oldRecord) const;
    void noteCellChanged(int x, int y, char oldLetter, std::unique_ptr<RebusEntry> oldRecord);
    void finishEntry(int x, int y, char oldLetter, std::unique_ptr<RebusEntry> oldRecord, bool pencil);
    void announceCompletion(bool wasEmpty);
    void jumpToBlankIfWanted();
    bool eraseOrCopyRange(int command, std::string* recorded);
    void replayUndo(const UndoRecord& rec);
};

}  // namespace gw
