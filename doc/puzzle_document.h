// The one open puzzle: built from a file image, written back into it at save.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "file_image.h"
#include "puzzle_grid.h"

namespace gw {

class ClueSet;

constexpr int MaxPathLength = 256;  // including the terminator

class PuzzleDocument {
public:
    PuzzleDocument();   // reads the indicator settings
    ~PuzzleDocument();  // writes them back
    PuzzleDocument(const PuzzleDocument&) = delete;
    PuzzleDocument& operator=(const PuzzleDocument&) = delete;

    // Fields, in the documented order.
    bool typeBit0 = false;
    bool typeBit1 = false;
    bool stateBit3Clear = true;
    bool noPrint = false;
    bool isRebus = false;
    bool usesSymbols = false;
    bool showRebusIndicator = false;
    bool showSymbolIndicator = false;
    std::string notes;
    std::unique_ptr<PuzzleFileImage> fileImage;
    int printChoice = 255;
    bool isDiagramless = false;
    std::unique_ptr<PuzzleGrid> grid;
    std::unique_ptr<ClueSet> clues;
    std::string title, author, copyright;
    bool isOpen = false;
    bool isDirty = false;
    bool noCheck = false;
    bool isScrambled = false;
    std::string path;

    // --- building and writing back ---
    // Reads a binary file and builds the document from it.
    bool open(const std::string& path);
    void buildFromImage(std::unique_ptr<PuzzleFileImage> image, const std::string& path);
    PuzzleFileImage* buildImageForSave();

    // --- extra sections of the open puzzle ---
    void setExtraSection(const char* tag, const uint8_t* data, int length);
    const ExtraSection* getExtraSection(const char* tag) const;
    void removeExtraSection(const char* tag);

    // --- saving ---
    bool save();
    bool saveAs(const std::string& path);

    // --- locking ---
    bool lockSolution();
    bool unlockSolution();

    // Asks to save when dirty; false when the puzzle stays open.
    bool close();

    // Marks the puzzle changed and enables Save.
    void setDirty();
};

}  // namespace gw
