// The grid canvas as screen readers and magnifiers see it: a table with one child per
// square. Child ids are stable while a puzzle is open: the square in column x, row y
// (0-based) is child y * width + x + 1, row by row; 0 is the grid itself. Block squares
// are children too, but never focusable (STATE_SYSTEM_UNAVAILABLE) and named "block".
// The cursor square is the focused child while the canvas has the keyboard focus.
#pragma once
#include "views/accessible_base.h"

namespace gw {

class GridView;
class PuzzleGrid;

inline long squareChildId(int width, int x, int y) { return long(y) * width + x + 1; }

class GridAccessible : public AccessibleBase {
public:
    explicit GridAccessible(GridView& view);
    // The view is going away (or the object outlived it).
    void forgetView();

protected:
    long childCount() override;
    long role(long child) override;
    std::string name(long child) override;
    std::string value(long child) override;
    std::string description(long child) override;
    long state(long child) override;
    bool location(long child, RECT& screen) override;
    long focusedChild() override;
    long childAt(POINT screen) override;
    std::string defaultAction(long child) override;
    bool doDefaultAction(long child) override;
    bool select(long child, long flags) override;
    long navigate(long child, long direction) override;

private:
    const PuzzleGrid* grid() const;
    // The square of a child id; false for 0 or an id outside the grid.
    bool square(long child, int& x, int& y) const;

    GridView* view_;
};

}  // namespace gw
