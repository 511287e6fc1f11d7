// What the Edit menu talks to while some window owns editing. The grid registers
// its engine here when it takes the focus; the clue lists clear the registration.
// The shell keeps one edit-command handler and one undo handler and calls them
// with a request: carry out a command, or set the menu state of what it serves.
#pragma once

namespace gw {

enum EditRequest : int {
    EditRequestExecute = 1,    // carry out the command
    EditRequestMenuState = 2,  // set the menu state of the commands served
};

// Command identifiers the engine serves or reflects in the menus and toolbar.
namespace cmd {
constexpr int UsePencil = 40008;
constexpr int Undo = 40013;
constexpr int Cut = 40014;
constexpr int Copy = 40015;
constexpr int Paste = 40016;
constexpr int Erase = 40017;
constexpr int SelectiveErase = 40049;
}  // namespace cmd

class EditTarget {
public:
    virtual ~EditTarget() = default;
    // Cut, Copy, Paste, Erase and Selective Erase. Request 2 enables or greys
    // those five through the main window's enableCommand.
    virtual void EditCommand(int request, int command) = 0;
    // Undo. Request 2 enables or greys Undo.
    virtual void UndoCommand(int request) = 0;
    // Whether a served command (the five above or Undo) is currently available;
    // for callers that build their own menus (the grid's pop-up).
    virtual bool IsCommandEnabled(int command) = 0;
};

}  // namespace gw
