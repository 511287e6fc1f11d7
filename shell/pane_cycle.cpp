// F6 and Shift+F6: the keyboard goes round the panes (the grid, the clue lists and,
// while it is open, the notepad), as Windows programs with panes do.
#include "shell/main_window.h"
#include "shell/layout_manager.h"
#include "shell/pane_order.h"
#include "views/clue_lists.h"
#include "views/grid_view.h"
#include "views/notepad.h"

namespace gw {
namespace {

struct Pane {
    HWND area;   // what stands on screen
    HWND focus;  // what takes the keyboard
};

bool shown(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }

void addPane(std::vector<Pane>& panes, HWND area, HWND focus) {
    if (shown(area) && shown(focus)) panes.push_back({area, focus});
}

}  // namespace

void MainWindow::cyclePanes(bool forward) {
    std::vector<Pane> panes;
    if (puzzleShown()) {
        if (GridView* grid = gridView()) addPane(panes, grid->hwnd(), grid->canvas());
        if (ClueLists* lists = layout_ ? layout_->clueLists() : nullptr) {
            for (int i = 0; i < 2; ++i) {
                // A compact list shows its one-line field instead of the list.
                HWND focus = lists->compact(i) ? lists->field(i) : lists->listBox(i);
                addPane(panes, lists->pane(i), focus);
            }
        }
    }
    std::vector<panes::Box> boxes;
    for (const Pane& p : panes) {
        RECT r{};
        GetWindowRect(p.area, &r);
        boxes.push_back({r.left, r.top, r.right, r.bottom});
    }
    std::vector<int> order = panes::visitingOrder(boxes);
    // The notepad is a window of its own: it comes after the panes of the frame.
    if (notepad_ && shown(notepad_->hwnd()) && notepad_->field()) {
        panes.push_back({notepad_->hwnd(), notepad_->field()});
        order.push_back(int(panes.size()) - 1);
    }
    HWND focused = GetFocus();
    int current = -1;
    for (size_t i = 0; i < panes.size(); ++i)
        if (focused && (focused == panes[i].focus || IsChild(panes[i].area, focused))) current = int(i);
    const int next = panes::nextPane(order, current, forward);
    if (next < 0) return;
    if (GetAncestor(panes[size_t(next)].area, GA_ROOT) != GetAncestor(focused, GA_ROOT))
        SetActiveWindow(GetAncestor(panes[size_t(next)].area, GA_ROOT));
    SetFocus(panes[size_t(next)].focus);
}

}  // namespace gw
