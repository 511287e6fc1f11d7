// Accessible objects for our custom-drawn strips of text (the clue prompt, the title
// strip): the window is a static text or a group of static texts, each item named by
// the words it shows; a real control among them (the notepad button) is a child
// object of its own. The window keeps a TextAccessibility and passes WM_GETOBJECT on.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace gw {

class TextItemsAccessible;

struct TextItem {
    std::string text;
    RECT client{};          // where it is drawn, in the window's client pixels
    HWND window = nullptr;  // a real control standing here instead of drawn text
};

class TextAccessibility {
public:
    // role: ROLE_SYSTEM_STATICTEXT for a single text (its name is the text), or
    // ROLE_SYSTEM_GROUPING for a strip of items.
    TextAccessibility(HWND hwnd, long role, std::function<std::string()> name,
                      std::function<std::vector<TextItem>()> items = {});
    ~TextAccessibility();
    TextAccessibility(const TextAccessibility&) = delete;
    TextAccessibility& operator=(const TextAccessibility&) = delete;

    // Answers WM_GETOBJECT for the client area; false for any other message.
    bool handles(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // The shown text changed: readers following it hear the new name.
    void nameChanged() const;

private:
    HWND hwnd_;
    long role_;
    std::function<std::string()> name_;
    std::function<std::vector<TextItem>()> items_;
    TextItemsAccessible* object_ = nullptr;
};

}  // namespace gw
