#include "shell/layout_manager.h"

#include <algorithm>
#include <vector>

#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "shell/clue_window.h"
#include "shell/fonts_colours.h"
#include "shell/screen_dpi.h"
#include "shell/split_pane.h"
#include "solve/clue_set.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"
#include "views/grid_view.h"

namespace gw {
namespace {

SIZE sizeOf(HWND w) {
    RECT r{};
    if (w) GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}

RECT clientOf(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return r;
}

bool listsSideBySide(int type) {
    switch (type) {
        case LayoutABDB:
        case LayoutATDT:
        case LayoutALDR:
        case LayoutADSH: return true;
        default: return false;
    }
}

}  // namespace

LayoutManager::LayoutManager(HWND container, HWND owner, HINSTANCE resources, FontsAndColours& fonts, PuzzleGrid* grid)
    : container_(container), owner_(owner), resources_(resources), fonts_(fonts), grid_(grid) {}

std::unique_ptr<LayoutManager> LayoutManager::create(HWND container, int titleHeight, HWND owner,
                                                     HINSTANCE resources, FontsAndColours& fonts, PuzzleGrid* grid) {
    if (!container || !grid) return nullptr;
    std::unique_ptr<LayoutManager> layout(new LayoutManager(container, owner, resources, fonts, grid));
    layout->promptPosition_ = readPromptPosition(settings());
    RECT area = clientOf(container);
    area.top = std::min(LONG(titleHeight), area.bottom);
    if (!layout->build(readLayoutType(settings()), area, true)) return nullptr;
    return layout;
}

LayoutManager::~LayoutManager() {
    // A layout that could not be built whole must not replace the sizes stored before.
    if (built_) storeValues();
    destroyViews();
}

SplitPane* LayoutManager::cluePane() const {
    if (stripPane_) return stripPane_.get();
    return firstWindow_ ? firstWindow_->pane() : nullptr;
}

HWND LayoutManager::floatingWindow(int index) const {
    const ClueWindow* w = index == 0 ? firstWindow_.get() : secondWindow_.get();
    return w ? w->hwnd() : nullptr;
}

RECT LayoutManager::area() const {
    RECT r{};
    if (!mainPane_) return clientOf(container_);
    GetWindowRect(mainPane_->hwnd(), &r);
    MapWindowPoints(nullptr, container_, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void LayoutManager::place(int x, int y, int width, int height) {
    if (mainPane_) mainPane_->move(x, y, width, height);
}

void LayoutManager::dpiChanged(int fromDpi, int toDpi) {
    // Outer panes first: an inner pane's size comes from its parent's layout.
    for (SplitPane* pane : {mainPane_.get(), promptGridPane_.get(), stripPane_.get()})
        if (pane) pane->dpiChanged(fromDpi, toDpi);
    if (lists_) lists_->fontChanged();
    if (prompt_) prompt_->fontChanged();
    if (gridView_) gridView_->setStyle(GridStyle::fromFonts(fonts_));
}

// ---------------------------------------------------------------- building

bool LayoutManager::build(int type, RECT area, bool attachEngine) {
    built_ = false;
    type_ = normalLayoutType(type);
    lists_ = std::make_unique<ClueLists>(fonts_, grid_);
    const LayoutValues values = readLayoutValues(
        settings(), type_, ClueListMetrics{lists_->headerHeight(), lists_->preferredWidth(), windowDpi(container_)});
    const bool sideBySide = type_ == LayoutALDL || type_ == LayoutARDR || type_ == LayoutALDR;
    mainPane_.reset(SplitPane::create(container_, sideBySide ? SplitPane::SideBySide : SplitPane::Stacked, area.left,
                                      area.top, area.right - area.left, area.bottom - area.top, true, resources_));
    if (!mainPane_) return false;
    SplitPane& main = *mainPane_;
    bool ok = true;
    switch (type_) {
        case LayoutABDB:
            buildPromptAndGrid(main, values, attachEngine);
            ok = buildStrip(main, SplitPane::SideBySide);
            break;
        case LayoutATDT:
            ok = buildStrip(main, SplitPane::SideBySide);
            buildPromptAndGrid(main, values, attachEngine);
            break;
        case LayoutATDB:
        case LayoutALDR:
            ok = buildList(main, 0);
            buildPromptAndGrid(main, values, attachEngine);
            ok = buildList(main, 1) && ok;
            break;
        case LayoutALDL:
            ok = buildStrip(main, SplitPane::Stacked);
            buildPromptAndGrid(main, values, attachEngine);
            break;
        case LayoutARDR:
            buildPromptAndGrid(main, values, attachEngine);
            ok = buildStrip(main, SplitPane::Stacked);
            break;
        default:
            buildPromptAndGrid(main, values, attachEngine);
            ok = buildFloating(values);
            break;
    }
    if (!ok || !gridView_ || !prompt_) return false;
    lists_->setPrompt(prompt_.get());
    lists_->setGridView(gridView_.get());
    applyExtents(values);
    if (!attachEngine) grid_->ReattachView(gridView_.get());
    if (grid_->clueSet) {
        lists_->setRedraw(false);
        grid_->clueSet->AttachLists(lists_.get(), lists_.get());
        lists_->setRedraw(true);
    }
    built_ = true;
    return true;
}

void LayoutManager::buildPromptAndGrid(SplitPane& parent, const LayoutValues& values, bool attachEngine) {
    const RECT r = clientOf(parent.hwnd());
    promptGridPane_.reset(
        SplitPane::create(parent.hwnd(), SplitPane::Stacked, 0, 0, r.right, r.bottom, true, resources_));
    if (!promptGridPane_) return;
    HWND pane = promptGridPane_->hwnd();
    if (promptPosition_ == PromptAbove) prompt_.reset(CluePrompt::create(pane, values.promptHeight, fonts_));
    gridView_.reset(GridView::create(pane, resources_, grid_, GridStyle::fromFonts(fonts_), attachEngine));
    if (promptPosition_ == PromptBelow) prompt_.reset(CluePrompt::create(pane, values.promptHeight, fonts_));
}

bool LayoutManager::buildStrip(SplitPane& parent, int orientation) {
    const RECT r = clientOf(parent.hwnd());
    stripPane_.reset(SplitPane::create(parent.hwnd(), orientation, 0, 0, r.right, r.bottom, true, resources_));
    return stripPane_ && buildList(*stripPane_, 0) && buildList(*stripPane_, 1);
}

bool LayoutManager::buildList(SplitPane& parent, int index) {
    const RECT r = clientOf(parent.hwnd());
    return lists_->create(parent.hwnd(), index, r.right, r.bottom);
}

bool LayoutManager::buildFloating(const LayoutValues& values) {
    if (type_ == LayoutASDS) {
        firstWindow_ = ClueWindow::create(owner_, values.floating[0], SplitPane::Stacked, resources_);
        secondWindow_ = ClueWindow::create(owner_, values.floating[1], SplitPane::Stacked, resources_);
        return firstWindow_ && secondWindow_ && buildList(*firstWindow_->pane(), 0) &&
               buildList(*secondWindow_->pane(), 1);
    }
    const int orientation = type_ == LayoutADSH ? SplitPane::SideBySide : SplitPane::Stacked;
    firstWindow_ = ClueWindow::create(owner_, values.floating[0], orientation, resources_);
    return firstWindow_ && buildList(*firstWindow_->pane(), 0) && buildList(*firstWindow_->pane(), 1);
}

void LayoutManager::applyExtents(const LayoutValues& v) {
    promptGridPane_->setChildExtent(prompt_->hwnd(), 0, v.promptHeight);
    if (stripPane_ && v.clueExtent > 0) mainPane_->setChildExtent(stripPane_->hwnd(), v.clueExtent, v.clueExtent);
    SplitPane* listParent = stripPane_ ? stripPane_.get() : type_ == LayoutASDS ? nullptr
                                                        : firstWindow_          ? firstWindow_->pane()
                                                                                : mainPane_.get();
    if (!listParent) return;
    if (v.acrossExtent > 0) listParent->setChildExtent(lists_->pane(0), v.acrossExtent, v.acrossExtent);
    if (v.downExtent > 0) listParent->setChildExtent(lists_->pane(1), v.downExtent, v.downExtent);
}

// ---------------------------------------------------------------- changing and storing

bool LayoutManager::changeType(int type) {
    const int wanted = normalLayoutType(type);
    if (wanted == type_ || !mainPane_) return false;
    const RECT where = area();
    destroyViews();
    return build(wanted, where, false);
}

bool LayoutManager::changePromptPosition(int position) {
    position = position == PromptBelow ? PromptBelow : PromptAbove;
    if (position == promptPosition_) return false;
    promptPosition_ = position;
    settings().writeInt(settings_names::Layout, settings_names::PromptPosition, position);
    if (promptGridPane_ && prompt_ && gridView_) {
        HWND p = prompt_->hwnd(), g = gridView_->hwnd();
        promptGridPane_->reorder(position == PromptAbove ? std::vector<HWND>{p, g} : std::vector<HWND>{g, p});
    }
    return true;
}

void LayoutManager::storeValues() const {
    LayoutValues v;
    if (prompt_) v.promptHeight = sizeOf(prompt_->hwnd()).cy;
    if (lists_) {
        const SIZE across = sizeOf(lists_->pane(0));
        const SIZE down = sizeOf(lists_->pane(1));
        const bool widths = listsSideBySide(type_);
        v.acrossExtent = widths ? across.cx : across.cy;
        v.downExtent = widths ? down.cx : down.cy;
        // The strip's or column's outer size: the list pane and the strip's border.
        if (type_ == LayoutABDB || type_ == LayoutATDT) v.clueExtent = across.cy + 2 * GetSystemMetrics(SM_CYBORDER);
        if (type_ == LayoutALDL || type_ == LayoutARDR) v.clueExtent = across.cx + 2 * GetSystemMetrics(SM_CXBORDER);
    }
    if (firstWindow_) v.floating[0] = firstWindow_->outerRect();
    if (secondWindow_) v.floating[1] = secondWindow_->outerRect();
    storeLayoutValues(settings(), type_, promptPosition_, v, prompt_ != nullptr);
}

void LayoutManager::destroyViews() {
    // The engine must not reach lists that are going away.
    if (grid_ && grid_->clueSet && grid_->clueSet->acrossList == lists_.get()) {
        grid_->clueSet->acrossList = nullptr;
        grid_->clueSet->downList = nullptr;
    }
    gridView_.reset();
    lists_.reset();
    prompt_.reset();
    stripPane_.reset();
    promptGridPane_.reset();
    mainPane_.reset();
    firstWindow_.reset();
    secondWindow_.reset();
}

}  // namespace gw
