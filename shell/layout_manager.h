// Fills the main window's container with the open puzzle's views in one of the nine
// layouts: the grid with its clue prompt, and the Across and Down clue lists in split
// panes or floating windows. Remembers the sizes of the last layout used.
#pragma once
#include <windows.h>

#include <memory>

#include "shell/layout_settings.h"

namespace gw {

class ClueLists;
class CluePrompt;
class ClueWindow;
class FontsAndColours;
class GridView;
class PuzzleGrid;
class SplitPane;

class LayoutManager {
public:
    // Builds the stored layout ("layout"/"type") in the container, below the title
    // pane, and ties the engine and the clue set to the new views. Null on failure.
    static std::unique_ptr<LayoutManager> create(HWND container, int titleHeight, HWND owner, HINSTANCE resources,
                                                 FontsAndColours& fonts, PuzzleGrid* grid);
    // Stores the layout's sizes, then destroys its windows.
    ~LayoutManager();
    LayoutManager(const LayoutManager&) = delete;
    LayoutManager& operator=(const LayoutManager&) = delete;

    void place(int x, int y, int width, int height);
    // The main window moved from `fromDpi` to `toDpi` and its fonts were rebuilt: the
    // panes take their bars and proportions for the new DPI and the views their fonts.
    void dpiChanged(int fromDpi, int toDpi);
    // Rebuilds the views in another arrangement (nothing is stored); false when the
    // type is the current one or the new views could not be built.
    bool changeType(int type);
    // Puts the prompt above (1035) or below (1036) the grid; whether it changed.
    bool changePromptPosition(int position);

    int type() const { return type_; }
    int promptPosition() const { return promptPosition_; }
    GridView* gridView() const { return gridView_.get(); }
    ClueLists* clueLists() const { return lists_.get(); }
    CluePrompt* prompt() const { return prompt_.get(); }
    SplitPane* mainPane() const { return mainPane_.get(); }
    SplitPane* promptGridPane() const { return promptGridPane_.get(); }
    // The clue strip or column, or the first floating window's pane; then the second.
    SplitPane* cluePane() const;
    HWND floatingWindow(int index) const;

private:
    LayoutManager(HWND container, HWND owner, HINSTANCE resources, FontsAndColours& fonts, PuzzleGrid* grid);
    bool build(int type, RECT area, bool attachEngine);
    void buildPromptAndGrid(SplitPane& parent, const LayoutValues& values, bool attachEngine);
    bool buildStrip(SplitPane& parent, int orientation);
    bool buildList(SplitPane& parent, int index);
    bool buildFloating(const LayoutValues& values);
    void applyExtents(const LayoutValues& values);
    void storeValues() const;
    void destroyViews();
    RECT area() const;

    HWND container_;
    HWND owner_;
    HINSTANCE resources_;
    int promptPosition_ = PromptAbove;
    std::unique_ptr<SplitPane> mainPane_;
    std::unique_ptr<SplitPane> promptGridPane_;
    std::unique_ptr<SplitPane> stripPane_;  // the clue strip or column, when the layout has one
    std::unique_ptr<ClueWindow> firstWindow_;
    std::unique_ptr<ClueWindow> secondWindow_;
    int type_ = LayoutARDR;
    bool built_ = false;
    FontsAndColours& fonts_;
    std::unique_ptr<ClueLists> lists_;
    std::unique_ptr<GridView> gridView_;
    std::unique_ptr<CluePrompt> prompt_;
    PuzzleGrid* grid_;
};

}  // namespace gw
