// The strip along the top of the puzzle area with the puzzle's title, author and
// copyright, and the notepad hint button beside the title while the puzzle has notes.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "views/secondary_math.h"
#include "views/text_accessible.h"

namespace gw {

struct TitlePaneTexts {
    std::string title, author, copyright;
    HFONT titleFont = nullptr, authorFont = nullptr, copyrightFont = nullptr;
};

class TitlePane {
public:
    // Null when the puzzle has none of the three texts (or the window fails).
    static std::unique_ptr<TitlePane> create(HWND parent, HINSTANCE resources, const TitlePaneTexts& texts);
    ~TitlePane();
    TitlePane(const TitlePane&) = delete;
    TitlePane& operator=(const TitlePane&) = delete;

    HWND hwnd() const { return hwnd_; }
    int height() const { return height_; }
    // Gives the strip the full width at the top of its parent and lays the items out.
    void place(int width);
    // Shows the hint (with a tooltip quoting the notes) or removes it; a puzzle
    // without a title shows none.
    void setHint(const std::string& notes);
    // New faces from the preferences: the strip takes the title font's height and
    // lays its items out again (the frame then places the views below it).
    void setFonts(HFONT title, HFONT author, HFONT copyright);
    HWND hintButton() const { return hint_; }
    std::string hintTooltip() const;

    enum class Role { Title, Author, Copyright };
    struct Item {
        std::string text;
        Role role = Role::Title;
        HFONT font = nullptr;
        int natural = 0;  // width the text asks for
        titlepane::Placement at;
    };
    const std::vector<Item>& items() const { return items_; }
    bool hasTitle() const { return hasTitle_; }

private:
    TitlePane(HWND hwnd, HINSTANCE resources);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void measure();
    void layout();
    void paint(HDC dc);
    void drawSeparator(HDC dc, int x, int top, int bottom);
    // Where item i's text is drawn, in client pixels.
    RECT itemRect(size_t i) const;
    void makeAccessible();

    HWND hwnd_ = nullptr;
    HINSTANCE resources_ = nullptr;
    HWND hint_ = nullptr;
    HWND tooltip_ = nullptr;
    HBITMAP hintPicture_ = nullptr;
    std::string tipText_;
    std::vector<Item> items_;
    std::unique_ptr<TextAccessibility> access_;  // the items as static texts for readers
    bool hasTitle_ = false;
    bool hasCopyright_ = false;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace gw
