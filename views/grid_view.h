// The grid view: the puzzle grid at a chosen scale on a canvas inside a scroll
// container, with zoom steps, fit-to-window and the grid's keyboard and mouse input.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ports/view_ports.h"
#include "shell/fonts_colours.h"
#include "views/grid_painter.h"
#include "views/scroll_view.h"

namespace gw {

class PuzzleGrid;
class EntryBox;
class GridAccessibility;
struct GridKey;

// The three grid fonts (as described at scale 100) and the grid colours.
class FontsAndColours;

struct GridStyle {
    LOGFONTA letterFont{};
    LOGFONTA numberFont{};
    LOGFONTA symbolFont{};
    COLORREF penColour = RGB(0, 0, 0);
    COLORREF pencilColour = RGB(128, 128, 128);
    COLORREF currentLetterColour = RGB(255, 0, 0);
    COLORREF currentWordColour = RGB(192, 192, 192);
    COLORREF gridBlack = RGB(0, 0, 0);
    COLORREF gridWhite = RGB(255, 255, 255);

    // The grid's fonts and colours of the views' shared record.
    static GridStyle fromFonts(const FontsAndColours& fonts);
    // The same, read afresh from "Fonts" and "Colors" at the window's resolution.
    static GridStyle fromSettings(HWND window);
};

// The commands of the grid that the main window passes on.
constexpr int ZoomInCommand = 40009;
constexpr int ZoomOutCommand = 40010;
constexpr int FullPuzzleCommand = 40050;
constexpr int InsertMultipleCommand = 40064;
constexpr int InsertSymbolCommand = 40065;
constexpr int StatusScalePane = 1;

class GridView : public ScrollView, public GridViewPort {
public:
    // Builds the view filling the container, reads its settings, shows it and ties
    // the engine to it (AttachView). Null when the windows cannot be created.
    static GridView* create(HWND container, HINSTANCE instance, PuzzleGrid* grid);
    static GridView* create(HWND container, HINSTANCE instance, PuzzleGrid* grid, const GridStyle& style,
                            bool attachEngine = true);
    // Writes the view settings, destroys the canvas and clears the scale pane.
    ~GridView() override;

    HWND hwnd() const { return container_; }
    HWND canvas() const { return canvas_; }
    void setBounds(int x, int y, int width, int height);
    // Fonts or colours changed in the preferences: re-read them and measure again.
    void onSettingsChanged();
    void setStyle(const GridStyle& style);

    // --- commands ---
    void zoom(int command);
    bool toggleFit();
    void rescale(bool resetBase);
    void openMultiLetterEntry();
    void openSymbolPicker();
    void closeBoxes();

    // --- what the engine calls ---
    void setCursorCell(int x, int y) override;
    void invalidateCell(int x, int y) override;
    void invalidateRange(int x1, int y1, int x2, int y2) override;
    void setHandPointer(bool hand) override;
    void takeFocus() override;
    void invalidateCursorCell(bool eraseBackground);

    // --- state, for the shell and tests ---
    int scale() const { return scale_; }
    int restoreScale() const { return restoreScale_; }
    int baseCellSize() const { return baseCell_; }
    int cellSize() const { return cell_; }
    bool fitMode() const { return fit_; }
    bool automove() const { return automove_; }
    bool rightButtonSwitch() const { return rbuttonSwitch_; }
    void setAutomove(bool on) { automove_ = on; }
    void setRightButtonSwitch(bool on) { rbuttonSwitch_ = on; }
    PuzzleGrid* grid() const { return grid_; }
    HFONT letterFont() const { return letterFont_; }
    HFONT numberFont() const { return numberFont_; }
    HFONT symbolFont() const { return symbolFont_; }
    const GridStyle& style() const { return style_; }
    // The open entry or hover box's window, or null.
    HWND boxWindow() const;
    bool boxIsEditable() const;
    HWND symbolPicker() const { return picker_; }
    // Greys the pop-up menu's items as the grid's state requires.
    void prepareGridMenu(HMENU popup) const;
    // The colours the screen paints with now (the style's, or the system's in high contrast).
    GridColours screenColours() const;
    // The paint parameters the screen uses for a range of cells.
    GridPaintParams screenPaintParams(int firstColumn, int lastColumn, int firstRow, int lastRow) const;
    // A square's pixels on the canvas (the last row and column of pixels included).
    RECT squareRect(int x, int y) const { return cellRect(x, y); }

    // --- seams to the rest of the front end ---
    // Where the "Scale: %d%c" text goes; unset = the main window's status bar.
    static std::function<void(int pane, const std::string& text)>& statusPaneSink();
    // Opens the symbol picker: owner, symbol font, screen top-left, size; returns its window.
    using SymbolPickerOpener = std::function<HWND(HWND owner, HFONT font, POINT topLeft, int size)>;
    static SymbolPickerOpener& symbolPickerOpener();

private:
    GridView(HINSTANCE instance, PuzzleGrid* grid, const GridStyle& style);
    bool build(HWND container, bool attachEngine);

    // ScrollView
    int verticalLineStep() override;
    int horizontalLineStep() override;
    int contentWidth() override;
    int contentHeight() override;
    void resized(int width, int height, bool refit) override;
    void scrolled() override;
    LRESULT containerMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    // Scale and fonts.
    void makeFonts(int scale, bool fill);
    void measureBase();
    void destroyFonts();
    void computeFitScale();
    void showScale();
    void showStatusPane(const std::string& text);
    void layoutCanvas(bool resetScroll);
    void scrollCursorIntoView();
    RECT cellRect(int x, int y) const;

    // Input (grid_input.cpp).
    static LRESULT CALLBACK canvasProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT canvasMessage(UINT msg, WPARAM wp, LPARAM lp);
    void onPaint();
    void onKeyDown(WPARAM key);
    void onChar(char c);
    void runGridKey(const GridKey& row, char typed);
    void onLeftDown(int x, int y);
    void onLeftUp(int x, int y);
    void onRightDown(int x, int y);
    void onMouseMove(int x, int y);
    void onFocus();
    void releaseEditHandlers();
    void showGridMenu();
    void applyAutomove();
    void closeHoverBox();
    void closeBoxWindow();
    void commitEntry(const std::string& text, bool accepted);
    int cellAt(int pixel) const;
    bool documentDiagramless() const;

    HINSTANCE instance_;
    GridStyle style_;
    HFONT letterFont_ = nullptr;
    HFONT numberFont_ = nullptr;
    HFONT symbolFont_ = nullptr;
    int scale_ = 100;
    int restoreScale_ = 100;
    int baseCell_ = 1;
    int cell_ = 1;
    int cursorX_ = -1;
    int cursorY_ = -1;
    bool fit_ = false;
    bool rbuttonSwitch_ = true;
    bool leftHeld_ = false;
    bool automove_ = true;
    PuzzleGrid* grid_;
    std::unique_ptr<EntryBox> box_;
    std::unique_ptr<GridAccessibility> access_;  // what screen readers are told
    HWND picker_ = nullptr;
    HWND canvas_ = nullptr;
    HCURSOR pointer_ = nullptr;
    int canvasOriginX_ = 0;
    int canvasOriginY_ = 0;
    WNDPROC canvasClassProc_ = nullptr;
};

}  // namespace gw
