// The symbol picker: a small floating tool window with the characters 33 to 255 in
// the symbol font, ten to a row; a click puts the character into the current cell.
#pragma once
#include <windows.h>

#include <functional>

#include "shell/fonts_colours.h"

namespace gw {

class SymbolPicker {
public:
    using EnterFn = std::function<void(int character)>;
    // Opens a picker owned by `owner` (the grid's canvas) with its top-left at `at`
    // (screen), in the face of `symbolFont`. The picker frees itself with its window.
    static SymbolPicker* open(HWND owner, HFONT symbolFont, POINT at, EnterFn enter);
    SymbolPicker(const SymbolPicker&) = delete;
    SymbolPicker& operator=(const SymbolPicker&) = delete;

    static SymbolPicker* fromWindow(HWND hwnd);
    HWND hwnd() const { return hwnd_; }
    HWND content() const { return content_; }
    int cellSize() const { return cell_; }
    int scrollPosition() const { return position_; }
    HFONT font() const { return font_.font(); }
    void scrollTo(int position);

private:
    SymbolPicker(HWND owner, EnterFn enter) : owner_(owner), enter_(std::move(enter)) {}
    ~SymbolPicker() = default;
    static LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK contentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool build(HFONT symbolFont, POINT at);
    bool onKey(WPARAM key);
    void onScroll(int request);
    void hide();
    void dpiChanged(WPARAM wParam, LPARAM lParam);
    void paint(HDC dc);
    int halfPage() const;

    HWND owner_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND content_ = nullptr;
    EnterFn enter_;
    FontRecord font_;
    int cell_ = 0;
    int position_ = 0;
};

}  // namespace gw
