// What the portable core asks of the program's main window: the services table
// (in its fixed order) followed by the front-end effects that documents and the
// engine cause (title, menu state, status text). The Win32 MainWindow implements
// it; tests use a recording fake.
#pragma once
#include <optional>
#include <string>

namespace gw {

// Button sets and answers keep the platform's values so the Win32 side passes them through.
enum MessageButtons : unsigned { ButtonsOk = 0, ButtonsOkCancel = 1, ButtonsYesNoCancel = 3, ButtonsYesNo = 4 };
enum MessageAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    // --- the services table, in order ---
    virtual void showCongratulations() = 0;
    virtual void warning(const std::string& text) = 0;
    virtual void warningById(int stringId) = 0;
    virtual int question(const std::string& text, unsigned buttons) = 0;
    virtual int questionById(int stringId, unsigned buttons) = 0;
    virtual void informationById(int stringId) = 0;
    virtual void information(const std::string& text) = 0;
    // (handle message lives only on the Win32 side)
    // Open dialog for command 40002, save-as dialog otherwise; true when a file was chosen and handled.
    virtual bool fileDialog(int command) = 0;
    virtual void setMenu(const char* resourceName) = 0;
    virtual bool clipboardHasText() = 0;
    virtual void copyTextToClipboard(const std::string& text) = 0;
    virtual std::optional<std::string> getClipboardText() = 0;
    virtual void showAboutDialog() = 0;
    // The key the user typed in the key dialog, or 0 when cancelled.
    virtual int askUnlockKey() = 0;
    virtual bool deletePuzzleFile(const std::string& path) = 0;
    virtual int showDiagramlessDialog() = 0;

    // --- front-end effects ---
    // Window title text (already formatted by the caller).
    virtual void setTitle(const std::string& text) = 0;
    // Text of the status bar's first pane; empty restores the default.
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setWaitCursor(bool on) = 0;
    // Enable/grey a command on the menu and toolbar.
    virtual void enableCommand(int command, bool enabled) = 0;
    virtual void checkCommand(int command, bool checked) = 0;
    // Modified: menu item 40005 live and the toolbar's save slot shows Save; not
    // modified: Save greyed and the slot shows Save As, enabled.
    virtual void setSaveState(bool modified) = 0;
    // Toolbar button states from a string-table description (17 closed, 18 open).
    virtual void setToolbarStates(int stringId) = 0;
    // The puzzle views: built (and the grid and clue set handed to them) once a puzzle
    // is loaded, torn down when it is closed.
    virtual void createPuzzleViews() = 0;
    virtual void destroyPuzzleViews() = 0;
};

}  // namespace gw
