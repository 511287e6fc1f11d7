// The top-level frame and its services: message boxes, dialogs, clipboard, menus,
// the bars and the container that holds the puzzle views.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>

#include "ports/main_window_services.h"
#include "shell/window_geometry.h"

namespace gw {

class Application;
class FrameToolbar;
class GridView;
class HelpViewer;
class PuzzleGrid;
class LayoutManager;
class StatusBar;
class TitlePane;
class Notepad;
class FontsAndColours;

constexpr size_t FolderLimit = 270;  // open and save folders, with the terminator
// The main window's timer that writes the open puzzle's recovery copy.
constexpr UINT_PTR RecoveryTimer = 0x6777;

class MainWindow : public MainWindowServices {
public:
    // Creates the top-level window with the named menu at the given geometry,
    // sets up help and reads the open and save folders; null on failure.
    static std::unique_ptr<MainWindow> create(Application& app, const WindowGeometry& geometry,
                                              const char* menuName);
    // Writes its settings, destroys the bars and the window, then the folders.
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

    // --- the services table ---
    void showCongratulations() override;
    void warning(const std::string& text) override;
    void warningById(int stringId) override;
    int question(const std::string& text, unsigned buttons) override;
    int questionById(int stringId, unsigned buttons) override;
    void informationById(int stringId) override;
    void information(const std::string& text) override;
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool fileDialog(int command) override;
    void setMenu(const char* resourceName) override;
    bool clipboardHasText() override;
    void copyTextToClipboard(const std::string& text) override;
    std::optional<std::string> getClipboardText() override;
    void showAboutDialog() override;
    int askUnlockKey() override;
    bool deletePuzzleFile(const std::string& path) override;
    int showDiagramlessDialog() override;

    // --- front-end effects ---
    void setTitle(const std::string& text) override;
    void setStatusText(const std::string& text) override;
    void setWaitCursor(bool on) override;
    void enableCommand(int command, bool enabled) override;
    void checkCommand(int command, bool checked) override;
    void setSaveState(bool modified) override;
    void setToolbarStates(int stringId) override;
    void createPuzzleViews() override;
    void destroyPuzzleViews() override;

    // --- bars and frame ---
    // Status bar, toolbar (when the program has one) and container; bars stored as
    // hidden are hidden again.
    void createBars();
    void toggleToolbar();
    void toggleStatusBar();
    void relayout();
    StatusBar* statusBar() const { return statusBar_.get(); }
    FrameToolbar* toolbar() const { return toolbar_.get(); }
    HWND container() const { return container_; }
    bool toolbarShown() const { return toolbarShown_; }
    bool statusBarShown() const { return statusBarShown_; }
    GridView* gridView() const;
    LayoutManager* layout() const { return layout_.get(); }
    // What the Display preferences change: the arrangement of the views and where
    // the prompt stands. Each returns whether anything changed.
    bool changeLayoutType(int type);
    bool changePromptPosition(int position);
    FontsAndColours* fontsAndColours() const { return fonts_.get(); }
    TitlePane* titlePane() const { return titlePane_.get(); }
    Notepad* notepad() const { return notepad_.get(); }
    // The Notepad command: the dialog is made on first use and shown again later.
    void showNotepad();

    // --- commands and menu state ---
    void dispatchCommand(int command, LPARAM lParam);
    // F6 / Shift+F6: the keyboard to the next (previous) pane on screen.
    void cyclePanes(bool forward);
    void enableItem(int menuPosition, int command);
    void disableItem(int menuPosition, int command);
    // Sets save state (modified) and shows or hides the title pane's notepad hint.
    void setNotepadHint(bool hasText);
    // Closes the puzzle as Close does; false when it stayed open (cancelled or a failed save).
    bool closePuzzle();
    // Close, then quit unless cancelled.
    void exitCommand();
    void showHelpTopic(const char* topic);
    HelpViewer* help() const { return help_.get(); }

    // --- folders of the file dialogs ---
    const std::string& openFolder() const { return openFolder_; }
    const std::string& saveFolder() const { return saveFolder_; }
    void setOpenFolder(const std::string& folder);
    void setSaveFolder(const std::string& folder);
    // Runs the dialogs; the chosen path (and filter, 1-based) or nothing when cancelled.
    std::optional<std::string> runOpenDialog(int& filterIndex);
    std::optional<std::string> runSaveAsDialog(const std::string& currentPath);

private:
    MainWindow(Application& app);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void readFolders();
    void onMenuSelect(WPARAM wParam, LPARAM lParam);
    void onInitMenuPopup(HMENU popup, int position, bool systemMenu);
    void onDropFiles(HDROP drop);
    void onSystemColours(bool coloursChanged);
    static BOOL CALLBACK passSysColourChange(HWND child, LPARAM);
    void onSize(WPARAM kind);
    bool puzzleShown() const;
    void focusGrid();
    bool solveMenuLoaded() const;
    void setPopupEnabled(int topPosition, int subPosition, bool enabled);
    // The commands of the file, edit and help menus; false for any other.
    bool documentCommand(int command);
    // The commands that act on the open puzzle's grid and its view.
    void gridCommand(int command, PuzzleGrid& grid);
    // Title pane and symbol picker come with the puzzle views; they and the notepad go with them.
    void createSecondaryWindows();
    void destroySecondaryWindows();

    Application& app_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<HelpViewer> help_;
    std::string openFolder_;
    std::string saveFolder_;
    HWND container_ = nullptr;
    std::unique_ptr<FrameToolbar> toolbar_;
    std::unique_ptr<StatusBar> statusBar_;
    bool toolbarShown_ = true;
    bool statusBarShown_ = true;

    std::unique_ptr<FontsAndColours> fonts_;
    std::unique_ptr<LayoutManager> layout_;
    std::unique_ptr<TitlePane> titlePane_;
    std::unique_ptr<Notepad> notepad_;
    std::string currentMenu_;
    HCURSOR savedCursor_ = nullptr;
};

}  // namespace gw
