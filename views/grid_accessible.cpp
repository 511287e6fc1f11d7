#include "views/grid_accessible.h"

#include "doc/puzzle_grid.h"
#include "resources/string_table.h"
#include "solve/spoken_words.h"
#include "views/grid_view.h"

namespace gw {

GridAccessible::GridAccessible(GridView& view) : AccessibleBase(view.canvas()), view_(&view) {}

void GridAccessible::forgetView() {
    view_ = nullptr;
    disconnect();
}

const PuzzleGrid* GridAccessible::grid() const { return view_ ? view_->grid() : nullptr; }

bool GridAccessible::square(long child, int& x, int& y) const {
    const PuzzleGrid* g = grid();
    if (!g || child <= 0 || g->width <= 0 || child > long(g->width) * g->height) return false;
    x = int((child - 1) % g->width);
    y = int((child - 1) / g->width);
    return true;
}

long GridAccessible::childCount() {
    const PuzzleGrid* g = grid();
    return g ? long(g->width) * g->height : 0;
}

long GridAccessible::role(long child) { return child == 0 ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL; }

std::string GridAccessible::name(long child) {
    int x, y;
    if (!square(child, x, y)) return stringText(IDS_SPEAK_GRID);
    return describeSquare(*grid(), x, y).name;
}

std::string GridAccessible::value(long child) {
    int x, y;
    return square(child, x, y) ? squareValue(*grid(), x, y) : std::string();
}

std::string GridAccessible::description(long child) {
    int x, y;
    return square(child, x, y) ? describeSquare(*grid(), x, y).description : std::string();
}

long GridAccessible::state(long child) {
    const bool focused = GetFocus() == hwnd();
    int x, y;
    if (!square(child, x, y)) {
        long s = AccessibleBase::state(0) | STATE_SYSTEM_FOCUSABLE;
        return focused ? s | STATE_SYSTEM_FOCUSED : s;
    }
    const PuzzleGrid& g = *grid();
    if (!g.isWhite(x, y)) return STATE_SYSTEM_UNAVAILABLE;
    long s = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (g.cell(x, y).flags & Highlighted) s |= STATE_SYSTEM_SELECTED;
    if (x == g.cursorX && y == g.cursorY && focused) s |= STATE_SYSTEM_FOCUSED;
    RECT r{}, client{};
    if (location(child, r) && GetWindowRect(hwnd(), &client)) {
        RECT shown{};
        if (!IntersectRect(&shown, &r, &client)) s |= STATE_SYSTEM_OFFSCREEN;
    }
    return s;
}

bool GridAccessible::location(long child, RECT& screen) {
    int x, y;
    if (!square(child, x, y)) return AccessibleBase::location(child, screen);
    RECT r = view_->squareRect(x, y);
    ++r.right;  // the painted rectangle's last pixel is inside the square
    ++r.bottom;
    return clientToScreen(r, screen);
}

long GridAccessible::focusedChild() {
    const PuzzleGrid* g = grid();
    if (!g || GetFocus() != hwnd()) return -1;
    if (!g->isWhite(g->cursorX, g->cursorY)) return 0;
    return squareChildId(g->width, g->cursorX, g->cursorY);
}

long GridAccessible::childAt(POINT p) {
    const PuzzleGrid* g = grid();
    const int size = view_ ? view_->cellSize() : 0;
    if (!g || size <= 0) return 0;
    ScreenToClient(hwnd(), &p);
    if (p.x < 0 || p.y < 0) return 0;
    const int x = p.x / size, y = p.y / size;
    return g->inGrid(x, y) ? squareChildId(g->width, x, y) : 0;
}

std::string GridAccessible::defaultAction(long child) {
    int x, y;
    return square(child, x, y) && grid()->isWhite(x, y) ? stringText(IDS_SPEAK_MOVE_HERE) : std::string();
}

bool GridAccessible::doDefaultAction(long child) {
    int x, y;
    if (!square(child, x, y) || !grid()->isWhite(x, y)) return false;
    // As a click would: the engine moves the cursor and tells the view.
    return view_->grid()->ClickCell(x, y);
}

bool GridAccessible::select(long child, long flags) {
    int x, y;
    if (!(flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION))) return false;
    if (child != 0 && (!square(child, x, y) || !grid()->isWhite(x, y))) return false;
    if (flags & SELFLAG_TAKEFOCUS) SetFocus(hwnd());
    return child == 0 || view_->grid()->ClickCell(x, y);
}

long GridAccessible::navigate(long child, long direction) {
    int x, y;
    if (!square(child, x, y)) return AccessibleBase::navigate(child, direction);
    const PuzzleGrid& g = *grid();
    switch (direction) {
        case NAVDIR_LEFT: --x; break;
        case NAVDIR_RIGHT: ++x; break;
        case NAVDIR_UP: --y; break;
        case NAVDIR_DOWN: ++y; break;
        default: return AccessibleBase::navigate(child, direction);
    }
    return g.inGrid(x, y) ? squareChildId(g.width, x, y) : 0;
}

}  // namespace gw
