// An owner-drawn multi-column list of pictures that fills its box: `columns` by
// `rows` cells, each picture centred in its cell and the chosen one drawn in
// the highlight colour. Each item carries a value (a layout code, a grid
// position...).
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace gw {

class PictureList {
public:
    struct Entry {
        const char* bitmap;  // resource name, or null when `drawContent` draws the item
        int value;
    };
    // Draws an item that has no bitmap, inside `cell`.
    using Painter = std::function<void(HDC dc, const RECT& cell, int index, bool selected)>;

    PictureList() = default;
    ~PictureList();
    PictureList(const PictureList&) = delete;
    PictureList& operator=(const PictureList&) = delete;

    void attach(HWND list, HINSTANCE resources, const std::vector<Entry>& entries, int columns, int rows,
                Painter painter = nullptr);
    // Selects the item of `value`; none when no item has it.
    void select(int value);
    // The value of the selected item, or `fallback` when none is selected.
    int selected(int fallback) const;
    bool draw(const DRAWITEMSTRUCT& item) const;
    // The list was scaled to another DPI: cells measured and pictures chosen again.
    void refit();
    HWND hwnd() const { return list_; }

private:
    void measureCells();
    HBITMAP pictureFor(const char* name) const;

    HWND list_ = nullptr;
    HINSTANCE resources_ = nullptr;
    int columns_ = 1, rows_ = 1;
    std::vector<Entry> entries_;
    std::vector<HBITMAP> pictures_;
    Painter painter_;
};

}  // namespace gw
