#include "prefs/picture_list.h"

#include <algorithm>
#include <string>

#include "shell/screen_dpi.h"

namespace gw {

PictureList::~PictureList() {
    for (HBITMAP b : pictures_)
        if (b) DeleteObject(b);
}

void PictureList::attach(HWND list, HINSTANCE resources, const std::vector<Entry>& entries, int columns, int rows,
                         Painter painter) {
    list_ = list;
    resources_ = resources;
    entries_ = entries;
    painter_ = std::move(painter);
    columns_ = std::max(1, columns);
    rows_ = std::max(1, rows);
    measureCells();
    for (const Entry& e : entries_) {
        pictures_.push_back(e.bitmap ? pictureFor(e.bitmap) : nullptr);
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(e.value));
    }
}

void PictureList::measureCells() {
    RECT r{};
    GetClientRect(list_, &r);
    SendMessageA(list_, LB_SETCOLUMNWIDTH, WPARAM(r.right / columns_), 0);
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, LPARAM(r.bottom / rows_));
}

// The picture made for the list's DPI (the next scale up); when that would not fit its
// cell (the dialog's scaling follows its font, not the DPI exactly), the largest that does.
HBITMAP PictureList::pictureFor(const char* name) const {
    RECT r{};
    GetClientRect(list_, &r);
    const int cellWidth = r.right / columns_, cellHeight = r.bottom / rows_;
    const int wanted = pictureScaleFor(windowDpi(list_));
    for (auto scale = std::rbegin(PictureScales); scale != std::rend(PictureScales); ++scale) {
        if (*scale > wanted) continue;
        HBITMAP picture = LoadBitmapA(resources_, scaledPictureName(name, *scale).c_str());
        if (!picture) continue;
        BITMAP info{};
        GetObjectA(picture, sizeof info, &info);
        if (*scale == 100 || (info.bmWidth <= cellWidth && info.bmHeight <= cellHeight)) return picture;
        DeleteObject(picture);
    }
    return nullptr;
}

void PictureList::refit() {
    measureCells();
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].bitmap) continue;
        if (pictures_[i]) DeleteObject(pictures_[i]);
        pictures_[i] = pictureFor(entries_[i].bitmap);
    }
    InvalidateRect(list_, nullptr, TRUE);
}

void PictureList::select(int value) {
    int index = -1;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].value == value) index = int(i);
    SendMessageA(list_, LB_SETCURSEL, WPARAM(index), 0);
}

int PictureList::selected(int fallback) const {
    const LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    if (index < 0 || size_t(index) >= entries_.size()) return fallback;
    return entries_[size_t(index)].value;
}

bool PictureList::draw(const DRAWITEMSTRUCT& item) const {
    if (item.hwndItem != list_ || item.itemID >= entries_.size()) return false;
    HDC dc = item.hDC;
    const RECT& cell = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &cell, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (HBITMAP picture = pictures_[item.itemID]) {
        BITMAP info{};
        GetObjectA(picture, sizeof info, &info);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture);
        const int x = cell.left + (cell.right - cell.left - info.bmWidth) / 2;
        const int y = cell.top + (cell.bottom - cell.top - info.bmHeight) / 2;
        BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    } else if (painter_) {
        painter_(dc, cell, int(item.itemID), selected);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &cell);
    return true;
}

}  // namespace gw
