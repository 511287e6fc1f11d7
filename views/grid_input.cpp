// The grid canvas's window procedure: painting, keys, characters, mouse and focus.
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "shell/application.h"
#include "solve/edit_target.h"
#include "views/entry_box.h"
#include "views/grid_accessibility.h"
#include "views/grid_geometry.h"
#include "views/grid_keys.h"
#include "views/grid_view.h"

namespace gw {
namespace {

constexpr int MenuPositionCheck = 10;
constexpr int MenuPositionReveal = 11;

bool keyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

LRESULT CALLBACK GridView::canvasProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<GridView*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->canvas_ != hwnd) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        return self->canvasMessage(msg, wp, lp);
    } catch (...) {
        return 0;
    }
}

LRESULT GridView::canvasMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (LRESULT answer = 0; access_ && access_->handles(msg, wp, lp, answer)) return answer;
    switch (msg) {
        case WM_PAINT: onPaint(); return 0;
        case WM_ERASEBKGND: {
            RECT rc{};
            GetClientRect(canvas_, &rc);
            HBRUSH background = CreateSolidBrush(screenColours().background);
            FillRect(reinterpret_cast<HDC>(wp), &rc, background);
            DeleteObject(background);
            return 1;
        }
        case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
        case WM_KEYDOWN: onKeyDown(wp); return 0;
        case WM_CHAR: onChar(char(wp)); return 0;
        case WM_LBUTTONDOWN: onLeftDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
        case WM_LBUTTONUP: onLeftUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
        case WM_RBUTTONDOWN: onRightDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
        case WM_MOUSEMOVE: onMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                SetCursor(pointer_);
                return TRUE;
            }
            break;
        case WM_SETFOCUS: onFocus(); return 0;
        case WM_CAPTURECHANGED:
            // Another window took the mouse (a message box, say): the press is over.
            if (reinterpret_cast<HWND>(lp) != canvas_) leftHeld_ = false;
            return 0;
        default: break;
    }
    return canvasClassProc_ ? CallWindowProcA(canvasClassProc_, canvas_, msg, wp, lp)
                            : DefWindowProcA(canvas_, msg, wp, lp);
}

void GridView::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(canvas_, &ps);
    const auto cols = gridgeom::cellsInSpan(ps.rcPaint.left, ps.rcPaint.right, cell_, grid_->width);
    const auto rows = gridgeom::cellsInSpan(ps.rcPaint.top, ps.rcPaint.bottom, cell_, grid_->height);
    paintGrid(dc, *grid_, screenPaintParams(cols.first, cols.last, rows.first, rows.last));
    EndPaint(canvas_, &ps);
    // Start-up timing (scripts/measure-startup.sh): leave as soon as the grid is on screen.
    static const bool exitAfterFirstPaint = GetEnvironmentVariableA("GW_EXIT_AFTER_FIRST_PAINT", nullptr, 0) > 0;
    if (exitAfterFirstPaint) {
        GdiFlush();
        // Ended at once: an orderly exit would run every library's detach and the
        // plug-ins' threads into the figure.
        TerminateProcess(GetCurrentProcess(), 0);
    }
}

// ---- keys and characters ----

namespace {

#define GW_GRID_KEY(code, modifier, action, argument, text) \
    {code, KeyModifier::modifier, GridKeyAction::action, argument},
#define GW_GRID_CHAR(code, modifier, action, argument, text)
const GridKey keyRows[] = {
#include "views/grid_keys.inc"
};
#undef GW_GRID_KEY
#undef GW_GRID_CHAR
#define GW_GRID_KEY(code, modifier, action, argument, text)
#define GW_GRID_CHAR(code, modifier, action, argument, text) \
    {code, KeyModifier::modifier, GridKeyAction::action, argument},
const GridKey charRows[] = {
#include "views/grid_keys.inc"
};
#undef GW_GRID_KEY
#undef GW_GRID_CHAR

}  // namespace

void GridView::onKeyDown(WPARAM key) {
    const GridKey* row = findGridKey(keyRows, std::size(keyRows), int(key), keyDown(VK_SHIFT), keyDown(VK_CONTROL));
    if (row) runGridKey(*row, 0);
}

void GridView::onChar(char c) {
    const bool shift = keyDown(VK_SHIFT);
    const GridKey* row = findGridKey(charRows, std::size(charRows), static_cast<unsigned char>(c), shift, false);
    if (!row && static_cast<unsigned char>(c) >= ' ' && EntryBox::acceptsChar(c))
        row = findGridKey(charRows, std::size(charRows), 0, shift, false);
    if (row) runGridKey(*row, c);
}

void GridView::runGridKey(const GridKey& row, char typed) {
    PuzzleGrid& g = *grid_;
    const int arg = row.argument;
    switch (row.action) {
        case GridKeyAction::MoveArrow: g.ArrowMove(arg); break;
        case GridKeyAction::MoveWordByArrow:
            g.MoveByWord(arg == ArrowLeft || arg == ArrowRight ? DirAcross : DirDown, arg, false);
            break;
        case GridKeyAction::TurnTo:
            if (g.currentDirection != arg) g.SwitchDirection();
            break;
        case GridKeyAction::MoveWord: g.MoveByWord(DirNone, arg, true); break;
        case GridKeyAction::WordStart: g.GoToWordStart(arg != 0); break;
        case GridKeyAction::WordEnd: g.GoToWordEnd(arg != 0); break;
        case GridKeyAction::Erase: g.EraseAtCursor(arg); break;
        case GridKeyAction::MultiLetter: openMultiLetterEntry(); break;
        case GridKeyAction::SymbolPicker: openSymbolPicker(); break;
        case GridKeyAction::TogglePencil: g.TogglePencilAtCursor(); break;
        case GridKeyAction::ToggleCircle: g.ToggleCircle(); break;
        case GridKeyAction::Type: g.TypeChar(typed, false); break;
    }
}

// ---- mouse ----

int GridView::cellAt(int pixel) const { return pixel < 0 ? -1 : pixel / std::max(1, cell_); }

void GridView::onLeftDown(int x, int y) {
    if (grid_->ClickCell(cellAt(x), cellAt(y))) {
        SetFocus(canvas_);
        SetCapture(canvas_);
        leftHeld_ = true;
    }
}

void GridView::onLeftUp(int x, int y) {
    if (!leftHeld_) return;
    leftHeld_ = false;
    // A picker closed by the user is only hidden: it no longer holds the capture.
    const bool pickerShown = picker_ && IsWindowVisible(picker_);
    if (!box_ && !pickerShown && GetCapture() == canvas_) ReleaseCapture();
    grid_->DirectionFromDrag(cellAt(x), cellAt(y));
}

void GridView::onRightDown(int x, int y) {
    if (rbuttonSwitch_)
        grid_->RightClickCell(cellAt(x), cellAt(y));
    else
        showGridMenu();
}

void GridView::prepareGridMenu(HMENU popup) const {
    auto grey = [popup](UINT item, UINT by, bool off) { EnableMenuItem(popup, item, by | (off ? MF_GRAYED : MF_ENABLED)); };
    grey(cmd::Undo, MF_BYCOMMAND, !grid_->IsCommandEnabled(cmd::Undo));
    grey(cmd::Paste, MF_BYCOMMAND, !(IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_OEMTEXT)));
    const PuzzleDocument* doc = core().document;
    const bool locked = doc && (doc->noCheck || doc->isScrambled);
    grey(MenuPositionCheck, MF_BYPOSITION, locked);
    grey(MenuPositionReveal, MF_BYPOSITION, locked);
}

void GridView::showGridMenu() {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), "POPUPGRID");
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    if (popup) {
        prepareGridMenu(popup);
        POINT pt{};
        GetCursorPos(&pt);
        const int command = int(TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y, 0, canvas_, nullptr));
        if (command) SendMessageA(GetAncestor(canvas_, GA_ROOT), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    DestroyMenu(menu);
}

void GridView::onMouseMove(int x, int y) {
    SetCursor(pointer_);
    if (leftHeld_ || (box_ && box_->editable())) return;
    RECT rc{};
    GetClientRect(canvas_, &rc);
    const POINT pt{x, y};
    if (!PtInRect(&rc, pt)) {
        if (GetCapture() == canvas_) ReleaseCapture();
        closeHoverBox();
        return;
    }
    const int column = cellAt(x), row = cellAt(y);
    if (box_ && box_->column() == column && box_->row() == row) return;
    closeHoverBox();
    const GridCell* cell = grid_->isWhite(column, row) ? &grid_->cell(column, row) : nullptr;
    if (cell && cell->userRebus && cell->userRebus->length > 3) {
        POINT corner{column * cell_ - 1, row * cell_ - 2};
        ClientToScreen(canvas_, &corner);
        std::string text(cell->userRebus->text, size_t(std::min<int>(cell->userRebus->length, RebusMaxText)));
        box_.reset(EntryBox::openHover(canvas_, instance_, numberFont_, column, row, text, corner.x, corner.y));
        // Capture so that leaving the canvas is seen and the box closed.
        if (GetCapture() != canvas_) SetCapture(canvas_);
    } else if (GetCapture() == canvas_) {
        ReleaseCapture();
    }
}

void GridView::onFocus() {
    if (access_) access_->focusGained();
    if (Application* app = Application::current()) {
        app->setEditHandler(grid_);
        app->setUndoHandler(grid_);
    }
}

// The grid leaves the edit commands with its view. Needed even after the frame cleared
// them: closing the entry box on the way out gives the canvas the focus once more.
void GridView::releaseEditHandlers() {
    Application* app = Application::current();
    if (!app || !grid_) return;
    if (app->editHandler() == grid_) app->setEditHandler(nullptr);
    if (app->undoHandler() == grid_) app->setUndoHandler(nullptr);
}

void GridView::applyAutomove() {
    if (!automove_ || !canvas_ || GetFocus() != canvas_ || !grid_->inGrid(cursorX_, cursorY_)) return;
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT area{};
    GetWindowRect(container_, &area);
    if (!PtInRect(&area, pointer)) return;
    POINT local = pointer;
    ScreenToClient(canvas_, &local);
    if (cellAt(local.x) == cursorX_ && cellAt(local.y) == cursorY_) return;
    POINT target{(cursorX_ + 1) * cell_ - 2, (cursorY_ + 1) * cell_ - 2};
    ClientToScreen(canvas_, &target);
    SetCursorPos(target.x, target.y);
}

// ---- boxes ----

HWND GridView::boxWindow() const { return box_ ? box_->hwnd() : nullptr; }
bool GridView::boxIsEditable() const { return box_ && box_->editable(); }

void GridView::closeHoverBox() {
    if (box_ && !box_->editable()) box_.reset();
}

void GridView::closeBoxWindow() {
    box_.reset();
    if (picker_) {
        HWND p = picker_;
        picker_ = nullptr;
        if (IsWindow(p)) DestroyWindow(p);
    }
}

void GridView::closeBoxes() {
    const bool hadBox = box_ || picker_;
    closeBoxWindow();
    if (hadBox && canvas_ && IsWindowVisible(canvas_)) SetFocus(canvas_);
}

void GridView::openMultiLetterEntry() {
    PuzzleGrid& g = *grid_;
    if (!g.isWhite(cursorX_, cursorY_)) return;
    const GridCell& cell = g.cell(cursorX_, cursorY_);
    if (cell.flags & Revealed) return;
    closeBoxWindow();
    std::string text;
    if (cell.userRebus) {
        if (cell.userRebus->kind == RebusPlain)
            text.assign(cell.userRebus->text, size_t(std::clamp<int>(cell.userRebus->length, 0, RebusMaxText)));
    } else if (cell.fill != '-') {
        text.assign(1, cell.fill);
    }
    POINT corner{cursorX_ * cell_ - 1, (cursorY_ + 1) * cell_};
    ClientToScreen(canvas_, &corner);
    box_.reset(EntryBox::openEditable(canvas_, instance_, numberFont_, cursorX_, cursorY_, text, corner.x, corner.y,
                                      [this](const std::string& t, bool accepted) { commitEntry(t, accepted); }));
}

void GridView::commitEntry(const std::string& text, bool accepted) {
    // Focus back first, so that the box is no longer the active window when it goes.
    if (canvas_) SetFocus(canvas_);
    box_.reset();
    if (accepted && !text.empty()) grid_->TypeText(text.c_str());
}

void GridView::openSymbolPicker() {
    PuzzleGrid& g = *grid_;
    if (!g.isWhite(cursorX_, cursorY_) || (g.cell(cursorX_, cursorY_).flags & Revealed)) return;
    closeBoxWindow();
    auto& opener = symbolPickerOpener();
    if (!opener) return;
    POINT corner{cursorX_ * cell_ - 1, (cursorY_ + 1) * cell_ - 1};
    ClientToScreen(canvas_, &corner);
    picker_ = opener(canvas_, symbolFont_, corner, cell_ / 2);
}

}  // namespace gw
