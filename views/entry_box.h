// The small boxes the grid opens over a cell: the editable multi-letter entry box
// and the read-only hover box that shows a long entry in full.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace gw {

class EntryBox {
public:
    static constexpr int MaxEntryLength = 8;
    // Called once when an editable box is finished: the text on Enter (accepted),
    // or nothing on Escape or a click outside. The box may be destroyed inside it.
    using Done = std::function<void(const std::string& text, bool accepted)>;

    // An editable box: left edge at left, bottom at bottom (screen), as wide as
    // "WWWWWWWW" in the font; text selected, mouse captured, focus taken.
    static EntryBox* openEditable(HWND owner, HINSTANCE instance, HFONT font, int column, int row,
                                  const std::string& text, int left, int bottom, Done done);
    // A read-only, centred, non-activating box as large as the text, its bottom at bottom.
    static EntryBox* openHover(HWND owner, HINSTANCE instance, HFONT font, int column, int row,
                               const std::string& text, int left, int bottom);
    ~EntryBox();
    EntryBox(const EntryBox&) = delete;
    EntryBox& operator=(const EntryBox&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool editable() const { return editable_; }
    int column() const { return column_; }
    int row() const { return row_; }
    const std::string& initialText() const { return initial_; }
    std::string text() const;

    // Characters the box accepts besides letters and digits.
    static bool acceptsChar(char c);

private:
    EntryBox() = default;
    bool createWindow(HWND owner, HINSTANCE instance, HFONT font, DWORD style, DWORD exStyle, int left, int bottom,
                      int width, int height);
    static LRESULT CALLBACK boxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void finish(bool accepted);

    void dpiChanged(WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;  // owned: deleted after the window
    bool editable_ = false;
    int column_ = -1;
    int row_ = -1;
    std::string initial_;
    WNDPROC editProc_ = nullptr;
    Done done_;
};

}  // namespace gw
