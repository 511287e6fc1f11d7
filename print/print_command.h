// The three print commands: Print (with the item choice and the print dialog), and
// quick print of the puzzle or of its solution on the default printer.
#pragma once
#include <windows.h>

namespace gw {
class MainWindow;
class PuzzleDocument;
}  // namespace gw

namespace gw::print {

// True when the command is one of the print commands (whether or not it printed).
bool runPrintCommand(MainWindow& frame, HINSTANCE resources, PuzzleDocument& doc, int command);

}  // namespace gw::print
