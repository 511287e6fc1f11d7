// A window that lays out up to three children in a row or a column with bars
// between them that the user drags. A child window created inside the pane joins it.
#pragma once
#include <windows.h>

#include <vector>

namespace gw {

class SplitPane {
public:
    enum Orientation { Stacked = 1, SideBySide = 2 };
    static constexpr int MaxChildren = 3;

    // A visible "PaneClass" child of `parent`; null when it cannot be created.
    static SplitPane* create(HWND parent, int orientation, int x, int y, int width, int height, bool bordered,
                             HINSTANCE resources);
    virtual ~SplitPane();
    SplitPane(const SplitPane&) = delete;
    SplitPane& operator=(const SplitPane&) = delete;

    HWND hwnd() const { return hwnd_; }
    int orientation() const { return orientation_; }
    int barThickness() const { return bar_; }
    int childCount() const { return int(children_.size()); }
    HWND child(int index) const { return index >= 0 && index < childCount() ? children_[size_t(index)] : nullptr; }
    // A child's extent along the pane's axis (height when stacked, width side by side).
    int extentOf(HWND child) const;
    const RECT& barRect(int index) const { return bars_[index]; }

    void addChild(HWND child);
    // Gives a child its extent on the pane's axis; its neighbour absorbs the change.
    void setChildExtent(HWND child, int width, int height);
    // Puts the children in a new order (the same windows), and lays them out again.
    void reorder(const std::vector<HWND>& order);
    void move(int x, int y, int width, int height);
    // The window now shows at `toDpi`: the bars take their thickness for it and the
    // children keep their proportions (the pane's own size follows from its parent).
    void dpiChanged(int fromDpi, int toDpi);

protected:
    SplitPane() = default;
    virtual void paint();
    virtual void resized(int width, int height);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    int clientExtent() const;
    std::vector<int> extents() const;
    void layout(const std::vector<int>& extents);
    int barAt(POINT p) const;
    RECT feedbackAt(int pointer) const;
    void invert(const RECT& r);
    void onButtonDown(POINT p);
    void onMouseMove(POINT p);
    void onButtonUp(POINT p);
    void endDrag();
    void removeChild(HWND child);
    void fitBarToDpi(int dpi);

    bool dragging_ = false;
    RECT feedback_{};
    int dragBar_ = -1;
    int bar_ = 5;
    int band_ = 1;  // thickness of each of the bar's shaded lines
    bool bordered_ = true;
    std::vector<HWND> children_;
    int orientation_ = Stacked;
    RECT bars_[MaxChildren - 1]{};
    HCURSOR cursor_ = nullptr;
    HWND hwnd_ = nullptr;
};

}  // namespace gw
