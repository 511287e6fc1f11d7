// Plain-text puzzle descriptions: parsing, checking, conversion to a file image,
// and opening one as a new, unsaved puzzle.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "file_image.h"

namespace gw {

constexpr int TextMarkSlots = 43;
// Slots 36..42 belong to the symbols, in this order.
constexpr char TextSymbolMarks[] = "@#$%&+?";

// The letter a digit or symbol square is checked against when the solver types a
// single letter ('5' 'F', '&' 'A'); any other character is its own.
char checkLetterFor(char c);

struct TextRebusSlot {
    int16_t length = 0;
    char text[10] = {};  // at most 9 characters, NUL-terminated
};

struct TextMarks {
    bool circleMarks = false;
    std::vector<uint8_t> grid;  // one byte per square: 0, or slot + 1
    std::array<TextRebusSlot, TextMarkSlots> slots{};
};

struct TextPuzzle {
    int16_t width = 0;
    int16_t height = 0;
    int formatVersion = 0;  // 1 "<ORVANE PUZZLE>", 2 "<ORVANE PUZZLE V2>"
    bool printAllowed = true;
    bool allX = true;
    bool scrambled = false;
    bool stateBit3 = false;
    bool hasOddCharacters = false;
    // Empty texts are absent, as in a file image.
    std::string title;
    std::string author;
    std::string copyright;
    std::string grid;  // width*height solution characters, row after row
    std::string notes;
    int clueCount = 0;
    std::vector<std::string> clues;  // file order: per start cell, Across then Down
    std::optional<TextMarks> marks;  // present when the grid holds mark characters
};

// Parses a text description; shows its own warning and returns false on failure
// (a symbol code below 33 fails without a message).
bool parseTextPuzzle(const std::string& path, TextPuzzle& tp);
bool parseTextPuzzleText(const std::string& text, TextPuzzle& tp);

// Consistency check before conversion; warns with string 31 and returns false.
bool checkTextPuzzle(TextPuzzle& tp);

// The image a binary file of this puzzle would read as (checksums are left to the writer).
std::unique_ptr<PuzzleFileImage> convertTextPuzzle(const TextPuzzle& tp);

// Parses, checks and converts the file and opens it in core().document as a dirty
// puzzle saved next to the text as ".puz". On a parse failure string 30 follows the
// parser's message.
bool importTextPuzzle(const std::string& path);

// Opens a converted import in core().document as a dirty puzzle to be saved under
// puzPath, or the unsaved changes a crash left of it.
bool openImportedPuzzle(std::unique_ptr<PuzzleFileImage> image, const std::string& puzPath);

// Opens the image as openImportedPuzzle does; without one, shows the message as a
// warning and returns false.
bool openImportOrWarn(std::unique_ptr<PuzzleFileImage> image, const std::string& message, const std::string& puzPath);

// Converts a file's bytes into an image, or returns null with a message.
using ImportConverter = std::unique_ptr<PuzzleFileImage> (*)(const std::string& bytes, std::string& message);
// Reads a whole file (refused with the text `tooLargeId` past 8 MB: no crossword comes
// near) and converts it; on failure null with the message.
std::unique_ptr<PuzzleFileImage> readImportFile(const std::string& path, int tooLargeId, ImportConverter convert,
                                                std::string& message);

// The ".puz" name an imported text file is saved under.
std::string importedPuzzlePath(const std::string& textPath);

}  // namespace gw
