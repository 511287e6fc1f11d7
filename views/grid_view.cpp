#include "views/grid_view.h"

#include "ports/settings_names.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "shell/application.h"
#include "shell/fonts_colours.h"
#include "shell/main_window.h"
#include "views/status_bar.h"
#include "views/entry_box.h"
#include "views/grid_accessibility.h"
#include "views/grid_geometry.h"

namespace gw {
namespace {

constexpr const char* GridSection = settings_names::Grid;
constexpr int HandCursorId = 121;

bool readBool(const char* name, bool fallback) {
    int value = fallback ? 1 : 0;
    settings().readInt(GridSection, name, value);
    return value == 1;
}

struct TextMetrics {
    TEXTMETRICA tm{};
    TextMetrics(HDC dc, HFONT font) {
        HGDIOBJ old = SelectObject(dc, font);
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
    }
};

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

}  // namespace

GridStyle GridStyle::fromFonts(const FontsAndColours& fonts) {
    GridStyle s;
    s.letterFont = fonts.gridCharFont.description();
    s.numberFont = fonts.gridNumFont.description();
    s.symbolFont = fonts.gridSymFont.description();
    s.penColour = fonts.penColor.colour;
    s.pencilColour = fonts.pencilColor.colour;
    s.currentLetterColour = fonts.currentLetter.colour;
    s.currentWordColour = fonts.currentWord.colour;
    s.gridBlack = fonts.gridBlack.colour;
    s.gridWhite = fonts.gridWhite.colour;
    return s;
}

GridStyle GridStyle::fromSettings(HWND window) {
    FontsAndColours fonts;
    fonts.load(window);
    return fromFonts(fonts);
}

std::function<void(int, const std::string&)>& GridView::statusPaneSink() {
    static std::function<void(int, const std::string&)> sink;
    return sink;
}

GridView::SymbolPickerOpener& GridView::symbolPickerOpener() {
    static SymbolPickerOpener opener;
    return opener;
}

GridView::GridView(HINSTANCE instance, PuzzleGrid* grid, const GridStyle& style)
    : instance_(instance), style_(style), grid_(grid) {}

GridView* GridView::create(HWND container, HINSTANCE instance, PuzzleGrid* grid) {
    return create(container, instance, grid, GridStyle::fromSettings(container), true);
}

GridView* GridView::create(HWND container, HINSTANCE instance, PuzzleGrid* grid, const GridStyle& style,
                           bool attachEngine) {
    if (!grid) return nullptr;
    std::unique_ptr<GridView> view(new GridView(instance, grid, style));
    if (!view->build(container, attachEngine)) return nullptr;
    return view.release();
}

bool GridView::build(HWND pane, bool attachEngine) {
    if (!createContainer(pane, instance_)) return false;

    makeFonts(100, false);
    measureBase();
    cell_ = baseCell_;

    automove_ = readBool("automove", true);
    const gridgeom::StartScales stored = gridgeom::readStartScales(settings());
    scale_ = stored.scale;
    if (scale_ != 100) {
        cell_ = gridgeom::cellSize(baseCell_, scale_);
        makeFonts(scale_, true);
    }
    restoreScale_ = stored.restore;
    fit_ = readBool("fullpuzzle", false);
    ui().checkCommand(FullPuzzleCommand, fit_);
    rbuttonSwitch_ = readBool("rbuttonswitch", true);
    pointer_ = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));

    int cw = 0, ch = 0;
    clientSize(cw, ch);
    canvasOriginX_ = gridgeom::centredOrigin(cw, contentWidth());
    canvasOriginY_ = gridgeom::centredOrigin(ch, contentHeight());
    canvas_ = CreateWindowExA(0, "CanvasClass", "", WS_CHILD | WS_VISIBLE | WS_BORDER, canvasOriginX_, canvasOriginY_,
                              contentWidth(), contentHeight(), container_, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!canvas_) return false;
    // The border lies outside the grid's pixels: grow the window by it.
    layoutCanvas(true);
    SetWindowLongPtrA(canvas_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    canvasClassProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(canvas_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GridView::canvasProc)));
    access_ = std::make_unique<GridAccessibility>(*this);
    showScale();
    // The first sizing: fit mode computes its scale now.
    clientSize(cw, ch);
    resized(cw, ch, true);
    if (attachEngine) grid_->AttachView(this);
    return true;
}

GridView::~GridView() {
    try {
        SettingsStore& s = settings();
        s.writeInt(GridSection, settings_names::Scale, scale_);
        s.writeInt(GridSection, settings_names::RestoreScale, restoreScale_);
        s.writeInt(GridSection, settings_names::AutoMove, automove_ ? 1 : 0);
        s.writeInt(GridSection, settings_names::FullPuzzle, fit_ ? 1 : 0);
        s.writeInt(GridSection, settings_names::RButtonSwitch, rbuttonSwitch_ ? 1 : 0);
    } catch (...) {
    }
    closeBoxes();
    access_.reset();  // readers holding the grid's object now hear "disconnected"
    if (grid_ && grid_->view == this) grid_->view = nullptr;
    if (canvas_) {
        HWND c = canvas_;
        canvas_ = nullptr;
        SetWindowLongPtrA(c, GWLP_USERDATA, 0);
        if (canvasClassProc_) SetWindowLongPtrA(c, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(canvasClassProc_));
        DestroyWindow(c);
    }
    showStatusPane("");
    destroyFonts();
    releaseEditHandlers();
}

void GridView::setBounds(int x, int y, int width, int height) {
    if (container_) MoveWindow(container_, x, y, width, height, TRUE);
}

void GridView::onSettingsChanged() { setStyle(GridStyle::fromSettings(container_)); }

void GridView::setStyle(const GridStyle& style) {
    style_ = style;
    rescale(true);
}

// ---- fonts and scale ----

void GridView::destroyFonts() {
    for (HFONT* f : {&letterFont_, &numberFont_, &symbolFont_}) {
        if (*f) DeleteObject(*f);
        *f = nullptr;
    }
}

void GridView::makeFonts(int scale, bool fill) {
    ScreenDc screen;
    LOGFONTA number = style_.numberFont;
    number.lfHeight = gridgeom::scaleFontHeight(number.lfHeight, scale);
    int width = gridgeom::numberFontWidth(number.lfHeight, scale);
    if (width) number.lfWidth = width;
    HFONT newNumber = CreateFontIndirectA(&number);

    int numberHeight = number.lfHeight < 0 ? -number.lfHeight : 0;
    if (numberHeight == 0) {
        TextMetrics m(screen.dc, newNumber);
        numberHeight = m.tm.tmHeight - m.tm.tmInternalLeading;
    }
    const int cell = gridgeom::cellSize(baseCell_, scale);
    auto scaled = [&](LOGFONTA lf) {
        lf.lfWeight = gridgeom::letterFontWeight(lf.lfWeight, scale);
        lf.lfHeight = gridgeom::scaleFontHeight(lf.lfHeight, scale);
        if (fill && lf.lfHeight < 0) lf.lfHeight = gridgeom::filledLetterHeight(lf.lfHeight, cell, numberHeight);
        return CreateFontIndirectA(&lf);
    };
    HFONT newLetter = scaled(style_.letterFont);
    HFONT newSymbol = scaled(style_.symbolFont);
    destroyFonts();
    numberFont_ = newNumber;
    letterFont_ = newLetter;
    symbolFont_ = newSymbol;
}

void GridView::measureBase() {
    ScreenDc screen;
    TextMetrics letter(screen.dc, letterFont_);
    TextMetrics number(screen.dc, numberFont_);
    baseCell_ = std::max(1, int(letter.tm.tmHeight + number.tm.tmAscent + number.tm.tmExternalLeading));
}

void GridView::rescale(bool resetBase) {
    if (resetBase) {
        makeFonts(100, false);
        measureBase();
    }
    makeFonts(scale_, true);
    cell_ = gridgeom::cellSize(baseCell_, scale_);
    layoutCanvas(false);
    scrollCursorIntoView();
    if (canvas_) InvalidateRect(canvas_, nullptr, TRUE);
}

void GridView::showScale() {
    char text[32];
    if (fit_)
        snprintf(text, sizeof text, " ");
    else
        snprintf(text, sizeof text, "Scale: %d%c", scale_, '%');
    showStatusPane(text);
}

void GridView::showStatusPane(const std::string& text) {
    if (auto& sink = statusPaneSink()) {
        sink(StatusScalePane, text);
        return;
    }
    Application* app = Application::current();
    MainWindow* frame = app ? app->mainWindow() : nullptr;
    StatusBar* bar = frame ? frame->statusBar() : nullptr;
    if (bar) bar->setText(StatusScalePane, text);
}

void GridView::zoom(int command) {
    const int next = command == ZoomInCommand ? gridgeom::zoomInScale(scale_) : gridgeom::zoomOutScale(scale_);
    if (next == scale_) return;
    if (fit_) {
        // Zooming leaves fit mode at the new scale.
        restoreScale_ = next;
        toggleFit();
        return;
    }
    scale_ = next;
    rescale(false);
    showScale();
}

bool GridView::toggleFit() {
    if (!fit_) {
        restoreScale_ = scale_;
        fit_ = true;
        computeFitScale();
    } else {
        scale_ = std::max(gridgeom::MinZoomScale, restoreScale_);
        fit_ = false;
        rescale(false);
        showScale();
    }
    ui().checkCommand(FullPuzzleCommand, fit_);
    return fit_;
}

void GridView::computeFitScale() {
    RECT outer{};
    GetWindowRect(container_, &outer);
    scale_ = gridgeom::fitScale(baseCell_, grid_->width, grid_->height, outer.right - outer.left,
                                outer.bottom - outer.top);
    rescale(false);
    showScale();
}

// ---- geometry, scrolling ----

int GridView::verticalLineStep() { return std::max(1, cell_ / 2); }
int GridView::horizontalLineStep() { return std::max(1, cell_ / 2); }
int GridView::contentWidth() { return grid_->width * cell_; }
int GridView::contentHeight() { return grid_->height * cell_; }

void GridView::layoutCanvas(bool resetScroll) {
    if (!container_) return;
    int cw = 0, ch = 0;
    clientSize(cw, ch);
    const int gw = contentWidth(), gh = contentHeight();
    if (resetScroll) hPos_ = vPos_ = 0;
    setScrollRanges(gridgeom::scrollMaximum(gw, cw), gridgeom::scrollMaximum(gh, ch), cw, ch);
    // Showing or hiding a scroll bar changed the client: lay out against the final size.
    clientSize(cw, ch);
    setScrollRanges(gridgeom::scrollMaximum(gw, cw), gridgeom::scrollMaximum(gh, ch), cw, ch);
    canvasOriginX_ = gridgeom::centredOrigin(cw, gw);
    canvasOriginY_ = gridgeom::centredOrigin(ch, gh);
    scrolled();
}

void GridView::scrolled() {
    if (!canvas_) return;
    // The canvas border lies outside the grid's pixels.
    const int border = GetSystemMetrics(SM_CXBORDER);
    SetWindowPos(canvas_, nullptr, canvasOriginX_ - hPos_ - border, canvasOriginY_ - vPos_ - border,
                 contentWidth() + 2 * border, contentHeight() + 2 * border, SWP_NOZORDER | SWP_NOACTIVATE);
}

void GridView::resized(int width, int height, bool refit) {
    if (!canvas_) return;
    if (fit_ && refit) computeFitScale();
    layoutCanvas(true);
    applyAutomove();
}

void GridView::scrollCursorIntoView() {
    if (!grid_->inGrid(cursorX_, cursorY_)) return;
    int cw = 0, ch = 0;
    clientSize(cw, ch);
    scrollTo(SB_HORZ, gridgeom::offsetToShow(cursorX_ * cell_, cell_, hPos_, cw, hMax_));
    scrollTo(SB_VERT, gridgeom::offsetToShow(cursorY_ * cell_, cell_, vPos_, ch, vMax_));
}

RECT GridView::cellRect(int x, int y) const {
    return RECT{x * cell_, y * cell_, x * cell_ + cell_ - 1, y * cell_ + cell_ - 1};
}

LRESULT GridView::containerMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // The frame focuses the grid through the container; the canvas takes the keys.
    if (msg == WM_SETFOCUS) {
        takeFocus();
        return 0;
    }
    return ScrollView::containerMessage(msg, wp, lp);
}

// ---- the engine's calls ----

void GridView::setCursorCell(int x, int y) {
    invalidateCursorCell(true);
    cursorX_ = x;
    cursorY_ = y;
    scrollCursorIntoView();
    invalidateCursorCell(true);
    applyAutomove();
    if (access_) access_->engineChanged();
}

void GridView::invalidateCursorCell(bool eraseBackground) {
    if (!canvas_ || !grid_->inGrid(cursorX_, cursorY_)) return;
    RECT r = cellRect(cursorX_, cursorY_);
    InvalidateRect(canvas_, &r, eraseBackground);
}

void GridView::invalidateCell(int x, int y) {
    if (!canvas_) return;
    RECT r = cellRect(x, y);
    InvalidateRect(canvas_, &r, TRUE);
    if (access_) access_->engineChanged();
}

void GridView::invalidateRange(int x1, int y1, int x2, int y2) {
    if (!canvas_) return;
    RECT r{std::min(x1, x2) * cell_, std::min(y1, y2) * cell_, (std::max(x1, x2) + 1) * cell_ - 1,
           (std::max(y1, y2) + 1) * cell_ - 1};
    InvalidateRect(canvas_, &r, TRUE);
    if (access_) access_->engineChanged();
}

void GridView::setHandPointer(bool hand) {
    HCURSOR c = nullptr;
    if (hand) {
        c = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(HandCursorId));
        if (!c) c = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    }
    pointer_ = c ? c : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
}

void GridView::takeFocus() {
    if (box_ && boxIsEditable())
        SetFocus(boxWindow());
    else if (canvas_ && IsWindowVisible(canvas_))
        SetFocus(canvas_);
}

bool GridView::documentDiagramless() const {
    const PuzzleDocument* doc = core().document;
    return doc && doc->grid.get() == grid_ && doc->isDiagramless;
}

GridColours GridView::screenColours() const {
    return screenGridColours(style_.penColour, style_.pencilColour, style_.currentLetterColour, style_.currentWordColour);
}

GridPaintParams GridView::screenPaintParams(int firstColumn, int lastColumn, int firstRow, int lastRow) const {
    GridPaintParams p;
    p.letterFont = letterFont_;
    p.numberFont = numberFont_;
    p.symbolFont = symbolFont_;
    const GridColours colours = screenColours();
    p.letterColour = colours.pen;
    p.numberColour = colours.number;
    p.blockColour = style_.gridBlack;
    p.letterCellColour = style_.gridWhite;
    p.pencilColour = colours.pencil;
    p.currentLetterColour = colours.currentLetter;
    p.currentWordColour = colours.currentWord;
    p.lineColour = colours.lines;
    p.wasWrongColour = colours.wasWrongMark;
    p.revealedColour = colours.revealedMark;
    p.cursorTextColour = colours.cursorText;
    p.cursorFrameColour = colours.cursorFrame;
    p.wordFrameColour = colours.wordFrame;
    p.firstColumn = firstColumn;
    p.lastColumn = lastColumn;
    p.firstRow = firstRow;
    p.lastRow = lastRow;
    p.flags = ScreenPaintFlags;
    p.cursorColumn = cursorX_;
    p.cursorRow = cursorY_;
    p.cellWidth = p.cellHeight = cell_;
    p.diagramless = documentDiagramless();
    return p;
}

}  // namespace gw
