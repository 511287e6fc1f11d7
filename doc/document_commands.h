// The document commands as the user reaches them: opening a named file (with the
// text-import fallback), what happens after the Open and Save As dialogs, Delete,
// and the diagramless options loop. The dialogs themselves belong to the front end.
#pragma once
#include <string>

namespace gw {

class PuzzleDocument;

// Buttons of the diagramless options dialog, as returned by the main window's service.
namespace diag {
constexpr int SavePuzzle = 8;
constexpr int ShowHint = 9;
constexpr int Help = 3;
constexpr int PrintPuzzle = 1064;
constexpr int Convert = 1065;
constexpr int LockUnlock = 1069;
constexpr int ClosePuzzle = 2;
}  // namespace diag

// Filters of the Open dialog, 1-based as the dialog reports them.
constexpr int OpenFilterPuzzle = 1;
constexpr int OpenFilterIpuz = 3;
constexpr int OpenFilterJpz = 4;

// Closes the open puzzle with the save prompt; true when no puzzle is open afterwards.
bool closeCurrentPuzzle(PuzzleDocument& doc);

// A file dropped on the window or named on the command line: close the current
// puzzle, then import an ipuz or Crossword Compiler file, or read a binary puzzle
// and, failing that, import the file as text.
bool openByPath(PuzzleDocument& doc, const std::string& path);

// The file chosen in the Open dialog: warning 6 when it cannot be read; with the
// puzzle filter a binary read without fallback, with any other filter the text import.
bool openChosenFile(PuzzleDocument& doc, const std::string& path, int filterIndex);

// The file chosen in the Save As dialog, already normalised: asks before replacing
// an existing file (and backs it up), then saves under that name.
bool saveAsChosenName(PuzzleDocument& doc, const std::string& path);

// Delete puzzle: asks, tells the tools, moves the file to the recycle bin and closes
// the puzzle without the save prompt. False when nothing was deleted.
bool deletePuzzle(PuzzleDocument& doc);

// Runs the diagramless options dialog again and again while the puzzle is open and
// still diagramless.
void runDiagramlessLoop(PuzzleDocument& doc);
// The Convert button: the puzzle becomes a regular one, changed and unsaved.
void convertDiagramless(PuzzleDocument& doc);

// --- name rules ---
bool fileIsReadable(const std::string& path);
// The folder part of a path (up to its last backslash or slash), "" when none.
std::string folderOf(const std::string& path);
// The name the Save As dialog proposes: no folder and no four-character extension.
std::string proposedSaveName(const std::string& currentPath);
// Trims blanks and makes sure the name ends in a ".puz" extension.
std::string normaliseSaveName(const std::string& chosen);
// "a.puz" -> "a.bak" (any case); "" when the path does not end in ".puz".
std::string backupNameFor(const std::string& path);

}  // namespace gw
