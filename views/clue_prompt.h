// The one-line band above or below the grid that shows the current clue in a large
// type, made smaller when the clue would not fit.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "shell/fonts_colours.h"
#include "views/text_accessible.h"

namespace gw {

class CluePrompt {
public:
    // A visible "CanvasClass" child as wide as `parent`; null on failure.
    static CluePrompt* create(HWND parent, int height, FontsAndColours& fonts);
    ~CluePrompt();
    CluePrompt(const CluePrompt&) = delete;
    CluePrompt& operator=(const CluePrompt&) = delete;

    HWND hwnd() const { return hwnd_; }
    int height() const { return height_; }
    // "%d. %s", or nothing when the clue has no text.
    void setText(int number, const char* text);
    const std::optional<std::string>& text() const { return text_; }
    void resized(int newHeight);
    void fontChanged();
    void colourChanged();
    // The type in use and the one for the full height (the same while the text fits).
    HFONT fontInUse() const;
    HFONT fullFont() const { return full_.font(); }
    bool shrunk() const { return shrunk_; }

private:
    explicit CluePrompt(FontsAndColours& fonts) : fonts_(fonts) {}
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void makeFullFont();
    void makeFont(FontRecord& record, int points);
    void fit();
    int textWidth(HFONT font) const;
    void paint();
    int clientWidth() const;

    FontRecord full_;
    FontRecord fitted_;
    bool shrunk_ = false;
    int fullPoints_ = 1;
    int dpi_ = 96;
    int fittedPoints_ = -1;
    std::optional<std::string> text_;
    std::unique_ptr<TextAccessibility> access_;  // a static text named by the prompt
    int height_ = 0;
    HWND hwnd_ = nullptr;
    FontsAndColours& fonts_;
};

}  // namespace gw
