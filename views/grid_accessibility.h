// The grid canvas's part in accessibility: answers WM_GETOBJECT with the grid's
// accessible object (made on the first question) and tells screen readers what the
// engine changed, through WinEvents, only while the canvas has the keyboard focus:
//   EVENT_OBJECT_VALUECHANGE  one square's entry changed (typing, erasing, undo, paste)
//   EVENT_OBJECT_FOCUS        the cursor moved or turned, or a command changed many
//                             squares or the marks (check, reveal, erase): re-read
// The view reports each engine call; the events go out once the message that caused
// them is done (one posted message), so that a keystroke raises each event once.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace gw {

class GridView;
class GridAccessible;

class GridAccessibility {
public:
    explicit GridAccessibility(GridView& view);
    ~GridAccessibility();
    GridAccessibility(const GridAccessibility&) = delete;
    GridAccessibility& operator=(const GridAccessibility&) = delete;

    // A canvas message this class answers (WM_GETOBJECT, its own flush message).
    bool handles(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // The engine told the view something: compare once the current message is done.
    void engineChanged();
    // The canvas took the keyboard: the reader hears the cursor square.
    void focusGained();

private:
    // What a square shows, as far as a reader cares (entry and marks).
    struct Shown {
        char fill = 0;
        uint8_t flags = 0;
        uint8_t kind = 0;
        char text[10] = {};
        bool operator==(const Shown& o) const;
    };
    struct Seen {
        int width = 0, height = 0;
        int cursorX = -1, cursorY = -1, direction = 0, wordX = -1, wordY = -1;
        std::vector<Shown> squares;
    };

    void flush();
    // Brings `seen_` up to date; says what differs: changed squares (and the last one).
    void compare(int& changedSquares, int& changedValues, int& lastChanged, bool& moved);
    void raise(DWORD event, long child) const;
    long cursorChild() const;

    GridView& view_;
    GridAccessible* object_ = nullptr;
    Seen seen_;
    bool flushPosted_ = false;
    bool focusPending_ = false;  // the canvas took the keyboard since the last flush
};

}  // namespace gw
