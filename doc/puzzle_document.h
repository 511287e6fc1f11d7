// The one open puzzle: built from a file image, written back into it at save.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "file_image.h"
#include "file_replace.h"
#include "puzzle_grid.h"

namespace gw {

class ClueSet;
class RecoveryStore;

constexpr int MaxPathLength = 256;  // including the terminator

// What printing keeps with the open puzzle between jobs (its page plans); the
// document owns it only to free it when the puzzle goes.
struct PrintState {
    virtual ~PrintState() = default;
};

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
    std::unique_ptr<PrintState> printJob;
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
    // Reads a binary file and builds the document from it. False when the file could
    // not be read (the caller may then try the text importer).
    bool open(const std::string& path);
    // False (with a warning) when the image cannot make a puzzle or the path is too long.
    bool buildFromImage(std::unique_ptr<PuzzleFileImage> image, const std::string& path);
    PuzzleFileImage* buildImageForSave();

    // Run by buildFromImage for a diagramless puzzle, before "puzzle shown" is sent;
    // the shell sets it to its options-dialog loop. Unset: the puzzle just opens.
    std::function<void(PuzzleDocument&)> diagramlessLoop;
    // What the diagramless dialog's Print Puzzle button runs; the shell sets it to its
    // Print command. Unset: the button does nothing.
    std::function<void(PuzzleDocument&)> printPuzzle;

    // A path must fit the document's path field; longer ones are refused with a warning.
    static bool pathFits(const std::string& path);
    static void warnPathTooLong(const std::string& path);

    // --- extra sections of the open puzzle ---
    void setExtraSection(const char* tag, const uint8_t* data, int length);
    const ExtraSection* getExtraSection(const char* tag) const;
    void removeExtraSection(const char* tag);

    // --- saving ---
    // Save (40005), or Save As (40012) which only goes to the save dialog.
    bool save(int command = 40005);
    bool saveAs(const std::string& path);

    // --- locking ---
    bool lockSolution();
    bool unlockSolution();
    // A key supplied by a tool (before the unlock asks); used once by the next unlock.
    void setUnlockKey(int key);
    int toolUnlockKey = 0;
    // Lock/Unlock and Check/Reveal enabled by the lock state and noCheck.
    void applyLockState();

    // --- the tools' section services ---
    // Up to 1024 bytes; 0 bytes stores nothing; either way marks the puzzle modified.
    bool writeSectionForTool(const char* tag, const uint8_t* data, int length);
    // The section's length after copying it, or 0 (missing, too big, no puzzle).
    int readSectionForTool(const char* tag, uint8_t* buffer, int capacity) const;
    void deleteSectionForTool(const char* tag);

    // Asks to save when dirty; false when the puzzle stays open.
    bool close();

    // Marks the puzzle changed and enables Save.
    void setDirty();

    // --- recovery copies and the file on disk ---
    // Where copies of unsaved changes go; set by the shell. None: no copies.
    RecoveryStore* recovery = nullptr;
    // The puzzle's file as this program last read or wrote it.
    FileStamp diskStamp;
    // Counts the changes, so that an unchanged puzzle's copy is not written again.
    uint64_t changeCount = 0;
    // Writes the copy when there are changes it does not hold yet.
    void keepRecoveryCopy();
    // When a copy of unsaved changes to this file was left behind, asks whether to
    // restore them; on yes the copy is opened in the file's place, still unsaved. True
    // when it was; false leaves the caller to open the file itself.
    bool openRecovered(const std::string& filePath);

private:
    void buildGrid(PuzzleFileImage& img);
    void readFlags(PuzzleFileImage& img);
    void makeCurrent(const std::string& filePath);
    void releasePuzzle();
    void discardRecoveryCopy();
    // False when the file was changed by another program since this program last read
    // or wrote it and the user chose not to replace that version.
    bool mayOverwriteFile();

    uint64_t keptChangeCount_ = 0;
};

}  // namespace gw
