// Command dispatch and the menu-state rules of the main window.
#include "doc/document_commands.h"
#include "doc/puzzle_document.h"
#include "print/print_command.h"
#include "ports/core_context.h"
#include "prefs/preference_sheet.h"
#include "resources/resource_ids.h"
#include "shell/application.h"
#include "shell/frame_toolbar.h"
#include "shell/main_window.h"
#include "solve/edit_target.h"
#include "views/grid_view.h"
#include "views/notepad.h"

namespace gw {

bool MainWindow::solveMenuLoaded() const { return lstrcmpiA(currentMenu_.c_str(), GW_MENU_SOLVE) == 0; }

void MainWindow::dispatchCommand(int command, LPARAM) {
    if (command < CMD_FIRST_DISPATCHED || command > CMD_LAST) return;
    focusGrid();
    if (documentCommand(command)) return;
    PuzzleDocument* doc = core().document;
    if (doc && doc->isOpen && doc->grid) gridCommand(command, *doc->grid);
}

bool MainWindow::documentCommand(int command) {
    PuzzleDocument* doc = core().document;
    const bool open = doc && doc->isOpen;
    switch (command) {
        case CMD_OPEN:
            if (closePuzzle()) fileDialog(CMD_OPEN);
            return true;
        case CMD_EXIT: exitCommand(); return true;
        case CMD_ABOUT: showAboutDialog(); return true;
        case CMD_SAVE:
            if (open) doc->save();
            return true;
        case CMD_CLOSE:
            if (open) closePuzzle();
            return true;
        case CMD_SAVE_AS:
            if (open) fileDialog(CMD_SAVE_AS);
            return true;
        case CMD_DELETE_PUZZLE:
            if (open) deletePuzzle(*doc);
            return true;
        case CMD_LOCK_SOLUTION:
            if (open) doc->lockSolution();
            return true;
        case CMD_UNLOCK_SOLUTION:
            if (open) doc->unlockSolution();
            return true;
        case CMD_HELP_CONTENTS: showHelpTopic("intro.htm"); return true;
        case CMD_QUICK_REFERENCE: showHelpTopic("quick_ref.htm"); return true;
        case CMD_UNDO:
            if (EditTarget* undo = app_.undoHandler()) undo->UndoCommand(EditRequestExecute);
            return true;
        case CMD_CUT:
        case CMD_COPY:
        case CMD_PASTE:
        case CMD_ERASE:
        case CMD_SELECTIVE_ERASE:
            if (open)
                if (EditTarget* edit = app_.editHandler()) edit->EditCommand(EditRequestExecute, command);
            return true;
        default: return false;
    }
}

void MainWindow::gridCommand(int command, PuzzleGrid& grid) {
    GridView* view = gridView();
    switch (command) {
        case CMD_ZOOM_IN:
        case CMD_ZOOM_OUT:
            if (view) view->zoom(command);
            break;
        case CMD_FULL_PUZZLE:
            if (view) checkCommand(CMD_FULL_PUZZLE, view->toggleFit());
            break;
        case CMD_INSERT_MULTIPLE:
            if (view) view->openMultiLetterEntry();
            break;
        case CMD_INSERT_SYMBOL:
            if (view) view->openSymbolPicker();
            break;
        case CMD_USE_PENCIL: grid.TogglePencilMode(); break;
        case CMD_CLEAR_GRID: grid.ClearGrid(); break;
        case CMD_CHECK_LETTER: grid.CheckRange(false, false); break;
        case CMD_CHECK_WORD: grid.CheckRange(false, true); break;
        case CMD_CHECK_ALL: grid.CheckAll(false); break;
        case CMD_REVEAL_LETTER: grid.CheckRange(true, false); break;
        case CMD_REVEAL_WORD: grid.CheckRange(true, true); break;
        case CMD_REVEAL_INCORRECT: grid.RevealIncorrect(); break;
        case CMD_REVEAL_ALL: grid.CheckAll(true); break;
        case CMD_SWITCH_DIRECTION: grid.SwitchDirection(); break;
        case CMD_PRINT:
        case CMD_PRINT_PUZZLE:
        case CMD_PRINT_SOLUTION:
            if (PuzzleDocument* doc = core().document) print::runPrintCommand(*this, app_.resources(), *doc, command);
            break;
        case CMD_NOTEPAD: showNotepad(); break;
        case CMD_OPTIONS:
            if (PuzzleDocument* doc = core().document)
                showPreferences({*this, *doc, app_.pluginManager(), app_.resources()});
            break;
        default: break;
    }
}

bool MainWindow::closePuzzle() {
    // Notes still being typed count as a change the close question must know of.
    if (notepad_) notepad_->handBack();
    PuzzleDocument* doc = core().document;
    return !doc || closeCurrentPuzzle(*doc);
}

void MainWindow::exitCommand() {
    if (!closePuzzle()) return;
    app_.quit();
}

// ---------------------------------------------------------------- menu state
// The document and the engine change command state only through enableCommand,
// checkCommand and setSaveState, which keep the menu and the toolbar together.

void MainWindow::enableItem(int position, int command) {
    if (HMENU sub = GetSubMenu(GetMenu(hwnd_), position)) EnableMenuItem(sub, command, MF_BYCOMMAND | MF_ENABLED);
}

void MainWindow::disableItem(int position, int command) {
    if (HMENU sub = GetSubMenu(GetMenu(hwnd_), position)) EnableMenuItem(sub, command, MF_BYCOMMAND | MF_GRAYED);
}

void MainWindow::setPopupEnabled(int topPosition, int subPosition, bool enabled) {
    if (HMENU sub = GetSubMenu(GetMenu(hwnd_), topPosition))
        EnableMenuItem(sub, subPosition, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::enableCommand(int command, bool enabled) {
    // Check and Reveal stand for their whole pop-ups of the Solution menu.
    if (command == CMD_CHECK_WORD || command == CMD_REVEAL_WORD) {
        if (solveMenuLoaded())
            setPopupEnabled(MENUPOS_SOLUTION, command == CMD_CHECK_WORD ? MENUPOS_CHECK : MENUPOS_REVEAL, enabled);
    } else if (HMENU bar = GetMenu(hwnd_)) {
        EnableMenuItem(bar, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    if (!toolbar_) return;
    enabled ? toolbar_->enable(command) : toolbar_->disable(command);
    // The toolbar's Print button prints the puzzle at once; a puzzle that may not be
    // printed greys it with the menu's Print.
    if (command == CMD_PRINT) enabled ? toolbar_->enable(CMD_PRINT_PUZZLE) : toolbar_->disable(CMD_PRINT_PUZZLE);
}

void MainWindow::checkCommand(int command, bool checked) {
    if (HMENU bar = GetMenu(hwnd_)) CheckMenuItem(bar, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    if (toolbar_) checked ? toolbar_->check(command) : toolbar_->uncheck(command);
}

void MainWindow::setSaveState(bool modified) {
    if (modified) {
        enableItem(MENUPOS_FILE, CMD_SAVE);
        if (toolbar_) {
            toolbar_->exchange(CMD_SAVE_AS, CMD_SAVE);
            toolbar_->enable(CMD_SAVE);
        }
    } else {
        disableItem(MENUPOS_FILE, CMD_SAVE);
        if (toolbar_) {
            toolbar_->exchange(CMD_SAVE, CMD_SAVE_AS);
            toolbar_->enable(CMD_SAVE_AS);
        }
    }
}

void MainWindow::setMenu(const char* resourceName) {
    if (!resourceName) return;
    HMENU menu = LoadMenuA(app_.resources(), resourceName);
    if (!menu) return;
    HMENU old = GetMenu(hwnd_);
    SetMenu(hwnd_, menu);
    if (old && old != menu) DestroyMenu(old);
    currentMenu_ = resourceName;
    DrawMenuBar(hwnd_);
}

}  // namespace gw
