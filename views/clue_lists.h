// The Across and Down clue lists: one pane each with a heading, an owner-drawn list
// box sorted by clue number and, when the pane is squeezed, a one-line display of the
// current clue. The engine fills them and tells them the cursor's clues; a click on
// a clue moves the cursor to its word.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ports/view_ports.h"

namespace gw {

class CluePrompt;
class ClueTip;
class FontsAndColours;
class GridView;
class PuzzleGrid;

class ClueLists : public ClueListPort {
public:
    static constexpr int ListIdBase = 1000;
    static constexpr int FieldIdBase = 2000;
    enum ColourButton { CurrentClueButton = 1045, CurrentClueTextButton = 1046, CrossClueTextButton = 1047 };

    // Measures the clue font; the lists themselves come with create().
    ClueLists(FontsAndColours& fonts, PuzzleGrid* grid);
    ~ClueLists() override;
    ClueLists(const ClueLists&) = delete;
    ClueLists& operator=(const ClueLists&) = delete;

    // Builds list `index` (0 Across, 1 Down): its pane in `parent`, the list box and
    // the one-line field.
    bool create(HWND parent, int index, int width, int height);
    // The prompt that shows the current clue, and the grid that keys and clicks go to.
    void setPrompt(CluePrompt* prompt) { prompt_ = prompt; }
    void setGridView(GridView* view) { gridView_ = view; }
    // Off while the lists are filled: a visible list box would otherwise redraw its
    // scroll bar after every clue added. Back on, both lists are redrawn once.
    void setRedraw(bool on);

    // --- what the engine calls ---
    int addClue(const char* text, int number, int direction) override;
    void showCurrentClue(int direction, int item, int number, const char* text, bool active) override;

    // --- the preference pages ---
    void fontChanged();
    void colourChanged(int button);

    // --- metrics and state ---
    int headerHeight() const { return headerHeight_; }
    int itemHeight() const { return itemHeight_; }
    int preferredWidth() const { return preferredWidth_; }
    int labelWidth() const { return labelWidth_; }
    int numberColumn() const { return numberColumn_; }
    HWND pane(int index) const { return lists_[index & 1].pane; }
    HWND listBox(int index) const { return lists_[index & 1].listBox; }
    HWND field(int index) const { return lists_[index & 1].field; }
    bool compact(int index) const { return lists_[index & 1].compact; }
    int currentNumber(int index) const { return lists_[index & 1].currentNumber; }
    HWND currentPane() const { return currentPane_; }
    HWND tipWindow() const;

    // Paints one item as the list shows it (also used by the clue tip).
    void paintItem(HDC dc, RECT rect, int index, const std::string& text, bool selected) const;

private:
    struct List {
        HWND field = nullptr;
        bool compact = false;
        int currentNumber = 0;
        HWND pane = nullptr;
        HWND listBox = nullptr;
        int extent = 0;  // the list box's horizontal extent
        std::string fieldText;
        WNDPROC paneProc = nullptr;
        WNDPROC listProc = nullptr;
        WNDPROC fieldProc = nullptr;
    };

    static std::string itemString(HWND list, int item);
    void measure();
    int measureItem(const std::string& text) const;
    int indexOfWindow(HWND w) const;
    void setCurrentPane(HWND pane);
    void select(HWND list, int item);
    void refreshScrollBar(HWND list);
    void redrawSelection(int index);
    void goToSelected(int index, bool focusGrid);
    void passKeyToGrid(UINT msg, WPARAM wp, LPARAM lp);
    void clearEditHandlers();
    void closeTip();
    void trackTip(int index, POINT p);

    static LRESULT CALLBACK paneProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT paneMessage(int index, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT controlMessage(int index, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void paintPane(int index);
    void resizePane(int index, int width, int height);
    void drawItem(int index, const DRAWITEMSTRUCT& item);
    HBRUSH controlColours(HDC dc);

    List lists_[2];
    int labelWidth_ = 0;
    int numberColumn_ = 0;
    int dpi_ = 96;  // of the lists' windows, when last measured
    int headerHeight_ = 0;
    int itemHeight_ = 0;
    int textHeight_ = 0;
    int preferredWidth_ = 0;
    HWND currentPane_ = nullptr;
    std::unique_ptr<ClueTip> tip_;
    FontsAndColours& fonts_;
    PuzzleGrid* grid_;
    CluePrompt* prompt_ = nullptr;
    GridView* gridView_ = nullptr;
};

}  // namespace gw
