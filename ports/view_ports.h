// What the engine asks of the views.
#pragma once

namespace gw {

class GridViewPort {
public:
    virtual ~GridViewPort() = default;
    virtual void setCursorCell(int x, int y) = 0;
    virtual void invalidateCell(int x, int y) = 0;
    virtual void invalidateRange(int x1, int y1, int x2, int y2) = 0;
    virtual void setHandPointer(bool hand) = 0;
    virtual void takeFocus() = 0;
};

class ClueListPort {
public:
    virtual ~ClueListPort() = default;
    // Adds a clue (direction 0 Across, 1 Down); returns the item's position in the list.
    virtual int addClue(const char* text, int number, int direction) = 0;
    virtual void showCurrentClue(int direction, int item, int number, const char* text, bool active) = 0;
};

}  // namespace gw
