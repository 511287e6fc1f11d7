// Setting the engine up for a newly shown grid view, and the solving preferences.
#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "ports/view_ports.h"
#include "solve/engine_events.h"

namespace gw {
namespace {

// Values are stored as numbers; only an exact 1 switches a preference on.
bool readSwitch(const char* name, bool defaultOn) {
    int value = defaultOn ? 1 : 0;
    settings().readInt(grid_setting::Section, name, value);
    return value == 1;
}

void writeSwitch(const char* name, bool on) { settings().writeInt(grid_setting::Section, name, on ? 1 : 0); }

}  // namespace

void PuzzleGrid::AttachView(GridViewPort* gridView) {
    view = gridView;
    currentDirection = DirNone;
    int x = -1, y = -1;
    FindFirstCell(0, x, y);
    cursorX = x;
    cursorY = y;
    if (!isWhite(x, y)) return;

    // A hand-made file can carry the highlight bit on white cells; only the
    // current word may have it.
    for (int cx = 0; cx < width; ++cx)
        for (int cy = 0; cy < height; ++cy)
            if (cells[cx][cy].isWhite()) cells[cx][cy].flags &= uint8_t(~Highlighted);

    if (view) view->setCursorCell(x, y);
    SetDirection((cells[x][y].flags & AcrossStart) ? DirAcross : DirDown);

    autoCheck = readSwitch(grid_setting::AutoCheck, false);
    fancyCursor = readSwitch(grid_setting::FancyCursor, true);
    if (view) {
        view->setHandPointer(fancyCursor);
        view->takeFocus();
    }
    cursorSkip = readSwitch(grid_setting::CursorSkip, true);
    skipFilled = readSwitch(grid_setting::SkipFilled, true);
    autoNavSwitch = readSwitch(grid_setting::AutoNavSwitch, false);
    autoNavWord = readSwitch(grid_setting::AutoNavWord, true);
    rightMouseMove = readSwitch(grid_setting::RightMouseMove, false);
    int usePencil = 0;
    settings().readInt(grid_setting::Section, grid_setting::UsePencil, usePencil);
    arrowPause = readSwitch(grid_setting::ArrowPause, true);

    // Toggled through the command's own operation so that the menu check mark
    // and the toolbar button follow the stored value.
    pencilMode = usePencil == 0;
    TogglePencilMode();

    key = 0;
    keyKnown = false;
    congratulated = false;
    undo = UndoRecord{};
    preferencesLoaded = true;
}

void PuzzleGrid::ReattachView(GridViewPort* gridView) {
    view = gridView;
    if (!view) return;
    if (inGrid(cursorX, cursorY)) view->setCursorCell(cursorX, cursorY);
    view->setHandPointer(fancyCursor);
    view->takeFocus();
}

void PuzzleGrid::SaveSolvePreferences() {
    // A grid without white cells never read them: leave the stored values alone.
    if (!preferencesLoaded) return;
    writeSwitch(grid_setting::CursorSkip, cursorSkip);
    writeSwitch(grid_setting::SkipFilled, skipFilled);
    writeSwitch(grid_setting::AutoNavSwitch, autoNavSwitch);
    writeSwitch(grid_setting::AutoNavWord, autoNavWord);
    writeSwitch(grid_setting::ArrowPause, arrowPause);
    writeSwitch(grid_setting::RightMouseMove, rightMouseMove);
    writeSwitch(grid_setting::FancyCursor, fancyCursor);
    writeSwitch(grid_setting::UsePencil, pencilMode);
    writeSwitch(grid_setting::AutoCheck, autoCheck);
}

void PuzzleGrid::ToggleSkipAfterEntry() { cursorSkip = !cursorSkip; }

}  // namespace gw
