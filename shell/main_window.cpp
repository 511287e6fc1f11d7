#include "shell/main_window.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "doc/document_commands.h"
#include "doc/puzzle_document.h"
#include "plugins/host/tool_api.h"
#include "ports/core_context.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/application.h"
#include "shell/fonts_colours.h"
#include "shell/frame_toolbar.h"
#include "shell/help_viewer.h"
#include "shell/system_libraries.h"
#include "ports/settings_names.h"
#include "solve/edit_target.h"
#include "shell/layout_manager.h"
#include "views/grid_view.h"
#include "views/status_bar.h"
#include "views/title_pane.h"
#include "views/notepad.h"
#include "views/toolbar.h"

namespace gw {
namespace {

constexpr size_t MenuHelpLimit = 124;
constexpr size_t DroppedPathLimit = 256;

bool folderReadable(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

std::string limited(std::string text, size_t limit) {
    if (text.size() > limit) text.resize(limit);
    return text;
}

// Children of the container (views, lists) report to the frame.
LRESULT CALLBACK containerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_NOTIFY) {
        if (HWND parent = GetParent(hwnd)) return SendMessageA(parent, message, wParam, lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

MainWindow::MainWindow(Application& app) : app_(app) {}

std::unique_ptr<MainWindow> MainWindow::create(Application& app, const WindowGeometry& g, const char* menuName) {
    std::unique_ptr<MainWindow> self(new MainWindow(app));
    HMENU menu = LoadMenuA(app.resources(), menuName);
    HWND hwnd = CreateWindowExA(0, ApplicationWindowClass, "GenericApplication", WS_OVERLAPPEDWINDOW, g.x, g.y,
                                g.width, g.height, nullptr, menu, app.instance(), nullptr);
    if (!hwnd) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    self->hwnd_ = hwnd;
    self->currentMenu_ = menuName ? menuName : "";
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self.get()));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::windowProc));
    self->help_ = std::make_unique<HelpViewer>(app.programFolder(), hwnd);
    self->readFolders();
    return self;
}

MainWindow::~MainWindow() {
    SettingsStore& store = settings();
    store.writeInt(settings_names::Geometry, settings_names::Maximized, hwnd_ && IsZoomed(hwnd_) ? 1 : 0);
    store.writeInt(settings_names::Display, settings_names::Toolbar, toolbarShown_ ? 1 : 0);
    store.writeInt(settings_names::Display, settings_names::StatusBar, statusBarShown_ ? 1 : 0);
    if (layout_ || fonts_) destroyPuzzleViews();
    GridView::statusPaneSink() = nullptr;
    statusBar_.reset();
    toolbar_.reset();
    if (hwnd_) {
        // Messages sent while the window goes away must not reach a half-destroyed object.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    help_.reset();
    store.writeText(settings_names::Directory, settings_names::OpenDir, openFolder_);
    store.writeText(settings_names::Directory, settings_names::SaveDir, saveFolder_);
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->handleMessage(hwnd, message, wParam, lParam);
}

void MainWindow::readFolders() {
    const std::string& program = app_.programFolder();
    std::string puzzles = program + "\\PUZZLES";
    openFolder_ = folderReadable(puzzles) ? puzzles : program;
    settings().readText(settings_names::Directory, settings_names::OpenDir, openFolder_);
    openFolder_ = limited(openFolder_, FolderLimit - 1);
    saveFolder_ = openFolder_;
    settings().readText(settings_names::Directory, settings_names::SaveDir, saveFolder_);
    saveFolder_ = limited(saveFolder_, FolderLimit - 1);
}

void MainWindow::setOpenFolder(const std::string& folder) { openFolder_ = limited(folder, FolderLimit - 1); }
void MainWindow::setSaveFolder(const std::string& folder) { saveFolder_ = limited(folder, FolderLimit - 1); }

// ---------------------------------------------------------------- messages

LRESULT MainWindow::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Menus, accelerators and toolbar buttons; a control's notification that
            // travelled up from the container is no command.
            if (LOWORD(wParam) == CMD_NEXT_PANE || LOWORD(wParam) == CMD_PREVIOUS_PANE) {
                if (lParam == 0) cyclePanes(LOWORD(wParam) == CMD_NEXT_PANE);
                return 0;
            }
            if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) dispatchCommand(LOWORD(wParam), lParam);
            return 0;
        case WM_INITMENUPOPUP:
            onInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam) != 0);
            return 0;
        case WM_MENUSELECT:
            onMenuSelect(wParam, lParam);
            return 0;
        case WM_NOTIFY:
            if (toolbar_) {
                long long result = 0;
                if (toolbar_->handleNotify(reinterpret_cast<void*>(lParam), result)) return static_cast<LRESULT>(result);
            }
            break;
        case WM_DROPFILES:
            onDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_WINDOWPOSCHANGED:
            if (!IsZoomed(hwnd) && !IsIconic(hwnd)) {
                RECT r;
                GetWindowRect(hwnd, &r);
                app_.storeGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
            }
            break;
        case WM_MOVE:
            sendToolEvent(MainWindowMoved);
            break;
        case WM_SIZE:
            onSize(wParam);
            return 0;
        case WM_SHOWWINDOW:
            sendToolEvent(wParam ? MainWindowShown : MainWindowHidden);
            break;
        case WM_SETFOCUS:
            focusGrid();
            return 0;
        case WM_CLOSE:
            exitCommand();
            return 0;
        case WM_TIMER:
            if (wParam != RecoveryTimer) break;
            if (PuzzleDocument* doc = app_.document()) doc->keepRecoveryCopy();
            return 0;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            onSystemColours(message == WM_SYSCOLORCHANGE);
            break;
        case WM_DESTROY:
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

BOOL CALLBACK MainWindow::passSysColourChange(HWND child, LPARAM) {
    SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

// High contrast switched on or off, or the system's colours changed: everything is
// painted again in the colours now chosen (nothing stored changes).
void MainWindow::onSystemColours(bool coloursChanged) {
    if (!refreshHighContrast() && !coloursChanged) return;
    // Common controls learn of new colours only from their parent.
    if (coloursChanged) EnumChildWindows(hwnd_, &MainWindow::passSysColourChange, 0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void MainWindow::onSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        sendToolEvent(MainWindowHidden);
        return;
    }
    if (kind == SIZE_RESTORED) sendToolEvent(MainWindowShown);
    relayout();
}

void MainWindow::onMenuSelect(WPARAM wParam, LPARAM lParam) {
    if (!statusBar_) return;
    UINT item = LOWORD(wParam);
    UINT flags = HIWORD(wParam);
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && !menu) {
        statusBar_->clearText(StatusBar::HelpPart);  // menu closed: back to "Ready"
    } else if (flags & MF_POPUP) {
        statusBar_->setTextFromId(StatusBar::HelpPart, CMD_SELECT_COMMAND);
    } else if (item == 0) {
        statusBar_->clearText(StatusBar::HelpPart);
    } else {
        statusBar_->setText(StatusBar::HelpPart, limited(stringText(static_cast<int>(item)), MenuHelpLimit));
    }
}

void MainWindow::onInitMenuPopup(HMENU popup, int position, bool systemMenu) {
    if (systemMenu || !solveMenuLoaded() || position != MENUPOS_EDIT) return;
    HMENU bar = GetMenu(hwnd_);
    if (!bar || GetSubMenu(bar, MENUPOS_EDIT) != popup) return;  // a nested pop-up at the same position
    if (EditTarget* undo = app_.undoHandler())
        undo->UndoCommand(EditRequestMenuState);
    else
        disableItem(MENUPOS_EDIT, CMD_UNDO);
    if (EditTarget* edit = app_.editHandler()) {
        edit->EditCommand(EditRequestMenuState, 0);
    } else {
        for (int id : {CMD_CUT, CMD_COPY, CMD_PASTE, CMD_ERASE, CMD_SELECTIVE_ERASE}) disableItem(MENUPOS_EDIT, id);
    }
}

void MainWindow::onDropFiles(HDROP drop) {
    char path[DroppedPathLimit] = {};
    UINT length = syslib::dragQueryFile(drop, 0, nullptr, 0);
    bool haveName = length > 0 && syslib::dragQueryFile(drop, 0, path, sizeof(path)) > 0;
    PuzzleDocument* doc = core().document;
    if (haveName && doc && closePuzzle()) {
        // A name too long for the program is refused rather than opened cut short.
        if (length >= DroppedPathLimit || !fileIsReadable(path))
            warningById(IDS_FILE_UNREADABLE);
        else
            openByPath(*doc, path);
    }
    syslib::dragFinish(drop);
}

// ---------------------------------------------------------------- frame

void MainWindow::createBars() {
    statusBar_.reset(StatusBar::create(hwnd_, app_.resources(), IDS_STATUSBAR_DESC));
    if (statusBar_) {
        StatusBar* bar = statusBar_.get();
        GridView::statusPaneSink() = [bar](int pane, const std::string& text) { bar->setText(pane, text); };
    }
    if (Toolbar* bar = Toolbar::create(hwnd_, app_.resources(), app_.programFolder(), IDS_TOOLBAR_DESC)) {
        bar->helpTopic = [this](const char* topic) { showHelpTopic(topic); };
        toolbar_.reset(bar);
    }
    setToolbarStates(IDS_TOOLBAR_STATES_CLOSED);
    container_ = CreateWindowExA(0, ContainerWindowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                 0, 0, 0, 0, hwnd_, nullptr, app_.instance(), nullptr);
    if (container_) SetWindowLongPtrA(container_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&containerProc));
    int statusBar = 1, toolbar = 1;
    settings().readInt(settings_names::Display, settings_names::StatusBar, statusBar);
    settings().readInt(settings_names::Display, settings_names::Toolbar, toolbar);
    if (statusBar == 0) toggleStatusBar();
    if (toolbar == 0) toggleToolbar();
    relayout();
}

void MainWindow::toggleToolbar() {
    toolbarShown_ = !toolbarShown_;
    if (toolbar_) toolbar_->show(toolbarShown_ ? SW_SHOW : SW_HIDE);
    relayout();
}

void MainWindow::toggleStatusBar() {
    statusBarShown_ = !statusBarShown_;
    if (statusBar_) statusBar_->show(statusBarShown_);
    relayout();
}

void MainWindow::relayout() {
    RECT client;
    if (!GetClientRect(hwnd_, &client)) return;
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    const int t = toolbar_ && toolbarShown_ ? toolbar_->height() : 0;
    const int s = statusBar_ && statusBarShown_ ? statusBar_->height() : 0;
    if (statusBar_) statusBar_->resize(w, h);
    if (toolbar_) toolbar_->resize(w, h);
    const int areaHeight = h - s - t > 0 ? h - s - t : 0;
    if (container_) MoveWindow(container_, 0, t, w, areaHeight, TRUE);
    int titleHeight = 0;
    if (titlePane_) {
        titlePane_->place(w);
        titleHeight = std::min(titlePane_->height(), areaHeight);
    }
    if (layout_) layout_->place(0, titleHeight, w, areaHeight - titleHeight > 0 ? areaHeight - titleHeight : 0);
    sendToolEvent(MainWindowResized);
}

bool MainWindow::puzzleShown() const {
    PuzzleDocument* doc = core().document;
    return doc && doc->isOpen && gridView() != nullptr;
}

GridView* MainWindow::gridView() const { return layout_ ? layout_->gridView() : nullptr; }

void MainWindow::focusGrid() {
    if (puzzleShown() && IsWindowVisible(gridView()->hwnd())) SetFocus(gridView()->hwnd());
}

void MainWindow::createPuzzleViews() {
    PuzzleDocument* doc = core().document;
    if (!doc) return;
    fonts_ = std::make_unique<FontsAndColours>();
    fonts_->load(hwnd_);
    if (container_) ShowWindow(container_, SW_SHOW);
    if (statusBar_) {
        if (doc->isRebus && doc->showRebusIndicator) statusBar_->indicatorOn(IDI_REBUS_INDICATOR);
        if (doc->usesSymbols && doc->showSymbolIndicator) statusBar_->indicatorOn(IDI_SYMBOL_INDICATOR);
    }
    createSecondaryWindows();
    // Built and placed with redrawing off, then drawn once: every pane shown while the
    // layout is still being built would otherwise draw its frame and scroll bars at
    // each intermediate size.
    if (container_) SendMessageA(container_, WM_SETREDRAW, FALSE, 0);
    if (container_ && doc->grid && !layout_)
        layout_ = LayoutManager::create(container_, 0, hwnd_, app_.resources(), *fonts_, doc->grid.get());
    relayout();
    if (container_) {
        SendMessageA(container_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(container_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    // Redrawing off hides the container, so the grid could not take the keyboard while
    // it was built (the document is not open yet either); it takes it now unless
    // something else of ours holds it.
    HWND focus = GetFocus();
    GridView* grid = gridView();
    if (grid && (!focus || focus == hwnd_ || focus == container_) && IsWindowVisible(grid->hwnd()))
        SetFocus(grid->hwnd());
}

void MainWindow::destroyPuzzleViews() {
    // The engine that registered itself goes away with the puzzle.
    app_.setEditHandler(nullptr);
    app_.setUndoHandler(nullptr);
    layout_.reset();
    destroySecondaryWindows();
    if (statusBar_) {
        statusBar_->indicatorOff(IDI_REBUS_INDICATOR);
        statusBar_->indicatorOff(IDI_SYMBOL_INDICATOR);
    }
    if (fonts_) {
        fonts_->save();
        fonts_.reset();
    }
    if (container_) InvalidateRect(container_, nullptr, TRUE);
}

// ---------------------------------------------------------------- effects

void MainWindow::setTitle(const std::string& text) { app_.setTitle(text); }

void MainWindow::setStatusText(const std::string& text) {
    if (!statusBar_) return;
    if (text.empty())
        statusBar_->clearText(StatusBar::HelpPart);
    else
        statusBar_->setText(StatusBar::HelpPart, text);
    UpdateWindow(statusBar_->hwnd());
}

void MainWindow::setWaitCursor(bool on) {
    if (on) {
        HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        if (!savedCursor_) savedCursor_ = previous;
    } else {
        SetCursor(savedCursor_ ? savedCursor_ : LoadCursorA(nullptr, IDC_ARROW));
        savedCursor_ = nullptr;
    }
}

bool MainWindow::changeLayoutType(int type) {
    if (!layout_ || !layout_->changeType(type)) return false;
    relayout();
    return true;
}

bool MainWindow::changePromptPosition(int position) { return layout_ && layout_->changePromptPosition(position); }

void MainWindow::setToolbarStates(int stringId) {
    if (!toolbar_) return;
    // A puzzle closed unsaved left its slot at Save; with no puzzle nothing is unsaved.
    if (stringId == IDS_TOOLBAR_STATES_CLOSED) toolbar_->exchange(CMD_SAVE, CMD_SAVE_AS);
    toolbar_->applyStates(stringId);
}

void MainWindow::showHelpTopic(const char* topic) {
    if (help_) help_->showTopic(topic);
}

}  // namespace gw
