#include "views/grid_accessibility.h"

#include <cstring>

#include "doc/puzzle_grid.h"
#include "views/grid_accessible.h"
#include "views/grid_view.h"

namespace gw {
namespace {

// The marks a reader is told about; the highlight and word-start bits are not news.
constexpr uint8_t ReportedFlags = Pencil | WasIncorrect | Incorrect | Revealed | Circled;

UINT flushMessage() {
    static const UINT message = RegisterWindowMessageA("GridwellAccessibleFlush");
    return message;
}

}  // namespace

bool GridAccessibility::Shown::operator==(const Shown& o) const {
    return fill == o.fill && flags == o.flags && kind == o.kind && std::memcmp(text, o.text, sizeof text) == 0;
}

GridAccessibility::GridAccessibility(GridView& view) : view_(view) {}

GridAccessibility::~GridAccessibility() {
    if (object_) {
        object_->forgetView();
        object_->Release();
    }
}

bool GridAccessibility::handles(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_GETOBJECT) {
        if (static_cast<DWORD>(lp) != static_cast<DWORD>(OBJID_CLIENT)) return false;
        if (!object_) object_ = new GridAccessible(view_);
        result = object_->answerGetObject(wp, lp);
        return result != 0;
    }
    if (msg == flushMessage() && msg != 0) {
        flushPosted_ = false;
        flush();
        result = 0;
        return true;
    }
    return false;
}

void GridAccessibility::engineChanged() {
    if (flushPosted_ || !view_.canvas()) return;
    flushPosted_ = PostMessageA(view_.canvas(), flushMessage(), 0, 0) != 0;
}

void GridAccessibility::focusGained() {
    // Told with whatever else the current message changes, as one focus event.
    focusPending_ = true;
    engineChanged();
}

long GridAccessibility::cursorChild() const {
    const PuzzleGrid* g = view_.grid();
    if (!g || !g->isWhite(g->cursorX, g->cursorY)) return CHILDID_SELF;
    return squareChildId(g->width, g->cursorX, g->cursorY);
}

void GridAccessibility::raise(DWORD event, long child) const {
    NotifyWinEvent(event, view_.canvas(), OBJID_CLIENT, child);
}

void GridAccessibility::compare(int& changedSquares, int& changedValues, int& lastChanged, bool& moved) {
    changedSquares = changedValues = 0;
    lastChanged = -1;
    moved = false;
    const PuzzleGrid* g = view_.grid();
    if (!g) return;
    const bool fresh = seen_.width != g->width || seen_.height != g->height;
    if (fresh) {
        seen_ = Seen{};
        seen_.width = g->width;
        seen_.height = g->height;
        seen_.squares.resize(size_t(g->width) * size_t(g->height));
    }
    for (int y = 0; y < g->height; ++y) {
        for (int x = 0; x < g->width; ++x) {
            const GridCell& c = g->cell(x, y);
            Shown now;
            now.fill = c.fill;
            now.flags = c.flags & ReportedFlags;
            if (c.userRebus) {
                now.kind = c.userRebus->kind;
                std::memcpy(now.text, c.userRebus->text, sizeof now.text);
            }
            Shown& before = seen_.squares[size_t(y) * g->width + x];
            if (now == before) continue;
            if (!fresh) {
                ++changedSquares;
                if (now.fill != before.fill || now.kind != before.kind ||
                    std::memcmp(now.text, before.text, sizeof now.text) != 0)
                    ++changedValues;
                lastChanged = int(squareChildId(g->width, x, y));
            }
            before = now;
        }
    }
    moved = !fresh && (seen_.cursorX != g->cursorX || seen_.cursorY != g->cursorY ||
                       seen_.direction != g->currentDirection || seen_.wordX != g->wordStartX ||
                       seen_.wordY != g->wordStartY);
    seen_.cursorX = g->cursorX;
    seen_.cursorY = g->cursorY;
    seen_.direction = g->currentDirection;
    seen_.wordX = g->wordStartX;
    seen_.wordY = g->wordStartY;
}

void GridAccessibility::flush() {
    int squares, values, last;
    bool moved;
    compare(squares, values, last, moved);
    const bool focusGained = focusPending_;
    focusPending_ = false;
    // Kept up to date all along, but told only to a reader following the grid.
    if (GetFocus() != view_.canvas()) return;
    const bool oneEntry = squares == 1 && values == 1;
    if (oneEntry) raise(EVENT_OBJECT_VALUECHANGE, last);
    // Many squares, or marks without a new entry: the reader re-reads the cursor square.
    if (focusGained || moved || (squares > 0 && !oneEntry)) raise(EVENT_OBJECT_FOCUS, cursorChild());
}

}  // namespace gw
