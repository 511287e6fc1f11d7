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
    settings().readInt(settings_names::Grid, name, value);
    return value == 1;
}

void writeSwitch(const char* name, bool on) { settings().writeInt(settings_names::Grid, name, on ? 1 : 0); }

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

    ReadSolvePreferences();
    if (view) {
        view->setHandPointer(fancyCursor);
        view->takeFocus();
    }

    key = 0;
    keyKnown = false;
    congratulated = false;
    undo = UndoRecord{};
}

void PuzzleGrid::ReadSolvePreferences() {
    autoCheck = readSwitch(settings_names::AutoCheck, false);
    fancyCursor = readSwitch(settings_names::FancyCursor, true);
    cursorSkip = readSwitch(settings_names::CursorSkip, true);
    skipFilled = readSwitch(settings_names::SkipFilled, true);
    autoNavSwitch = readSwitch(settings_names::AutoNavSwitch, false);
    autoNavWord = readSwitch(settings_names::AutoNavWord, true);
    rightMouseMove = readSwitch(settings_names::RightMouseMove, false);
    int usePencil = 0;
    settings().readInt(settings_names::Grid, settings_names::UsePencil, usePencil);
    arrowPause = readSwitch(settings_names::ArrowPause, true);

    // Toggled through the command's own operation so that the menu check mark
    // and the toolbar button follow the stored value.
    pencilMode = usePencil == 0;
    TogglePencilMode();
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
    writeSwitch(settings_names::CursorSkip, cursorSkip);
    writeSwitch(settings_names::SkipFilled, skipFilled);
    writeSwitch(settings_names::AutoNavSwitch, autoNavSwitch);
    writeSwitch(settings_names::AutoNavWord, autoNavWord);
    writeSwitch(settings_names::ArrowPause, arrowPause);
    writeSwitch(settings_names::RightMouseMove, rightMouseMove);
    writeSwitch(settings_names::FancyCursor, fancyCursor);
    writeSwitch(settings_names::UsePencil, pencilMode);
    writeSwitch(settings_names::AutoCheck, autoCheck);
}

void PuzzleGrid::ToggleSkipAfterEntry() { cursorSkip = !cursorSkip; }

}  // namespace gw
