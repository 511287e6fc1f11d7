#include "prefs/display_page.h"

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "resources/resource_ids.h"
#include "resources/string_ids.h"
#include "shell/layout_manager.h"
#include "shell/main_window.h"
#include "views/grid_view.h"

namespace gw {

DisplayPage::DisplayPage(PreferenceContext& context)
    : PreferencePage(context, GW_PAGE_LAYOUT, IDS_PAGE_DISPLAY, "pref_layout.htm") {}

bool DisplayPage::handCursor() const {
    const PuzzleGrid* grid = context_.document.grid.get();
    return grid && grid->fancyCursor;
}

// 0 when the layout has no prompt.
int DisplayPage::promptPosition() const {
    const LayoutManager* layout = context_.frame.layout();
    return layout && layout->prompt() ? layout->promptPosition() : 0;
}

void DisplayPage::init() {
    MainWindow& frame = context_.frame;
    check(IDC_SHOW_TOOLBAR, frame.toolbarShown());
    check(IDC_SHOW_STATUSBAR, frame.statusBarShown());
    check(IDC_HAND_CURSOR, handCursor());
    const int prompt = promptPosition();
    check(IDC_PROMPT_ABOVE, prompt == PROMPT_ABOVE);
    check(IDC_PROMPT_BELOW, prompt == PROMPT_BELOW);

    std::vector<PictureList::Entry> entries;
    for (int type : LayoutTypes) entries.push_back({layoutCode(type), type});
    layouts_.attach(item(IDC_LAYOUT_LIST), context_.resources, entries, 3, 3);
    if (const LayoutManager* layout = frame.layout()) layouts_.select(layout->type());
}

void DisplayPage::command(int id, int code) {
    const MainWindow& frame = context_.frame;
    bool differs = false;
    switch (id) {
        case IDC_SHOW_TOOLBAR: differs = checked(id) != frame.toolbarShown(); break;
        case IDC_SHOW_STATUSBAR: differs = checked(id) != frame.statusBarShown(); break;
        case IDC_HAND_CURSOR: differs = checked(id) != handCursor(); break;
        case IDC_PROMPT_ABOVE:
        case IDC_PROMPT_BELOW: differs = checked(id) && promptPosition() != id; break;
        case IDC_LAYOUT_LIST: {
            const LayoutManager* layout = frame.layout();
            differs = code == LBN_SELCHANGE && layout && layouts_.selected(layout->type()) != layout->type();
            break;
        }
        default: break;
    }
    if (differs) markChanged();
}

bool DisplayPage::apply() {
    MainWindow& frame = context_.frame;
    bool changed = false;
    if (checked(IDC_SHOW_TOOLBAR) != frame.toolbarShown()) {
        frame.toggleToolbar();
        changed = true;
    }
    if (checked(IDC_SHOW_STATUSBAR) != frame.statusBarShown()) {
        frame.toggleStatusBar();
        changed = true;
    }
    PuzzleGrid* grid = context_.document.grid.get();
    if (grid && checked(IDC_HAND_CURSOR) != grid->fancyCursor) {
        grid->fancyCursor = !grid->fancyCursor;
        if (GridView* view = frame.gridView()) view->setHandPointer(grid->fancyCursor);
        changed = true;
    }
    if (const LayoutManager* layout = frame.layout()) {
        const int type = layouts_.selected(layout->type());
        if (type != layout->type()) changed = frame.changeLayoutType(type) || changed;
    }
    if (checked(IDC_PROMPT_ABOVE) || checked(IDC_PROMPT_BELOW))
        changed = frame.changePromptPosition(checked(IDC_PROMPT_ABOVE) ? PROMPT_ABOVE : PROMPT_BELOW) || changed;
    return changed;
}

}  // namespace gw
