// Base of the scrollable panes: a "ContainerWindowClass" child with both scroll
// bars that fills the window it is created in, and scrolls its content in pixels.
#pragma once
#include <windows.h>

namespace gw {

class ScrollView {
public:
    virtual ~ScrollView();
    ScrollView(const ScrollView&) = delete;
    ScrollView& operator=(const ScrollView&) = delete;

    HWND container() const { return container_; }
    int scrollX() const { return hPos_; }
    int scrollY() const { return vPos_; }
    int scrollMaxX() const { return hMax_; }
    int scrollMaxY() const { return vMax_; }

protected:
    ScrollView() = default;

    // The virtual operations, in slot order (destroy is the destructor).
    virtual int verticalLineStep() = 0;
    virtual int horizontalLineStep() = 0;
    virtual int contentWidth() = 0;
    virtual int contentHeight() = 0;
    virtual void resized(int width, int height, bool refit) = 0;
    // The content moved by (dx, dy) pixels of scroll offset.
    virtual void scrolled() = 0;
    // Messages the container does not handle itself.
    virtual LRESULT containerMessage(UINT msg, WPARAM wp, LPARAM lp);

    bool createContainer(HWND parent, HINSTANCE instance);
    void destroyContainer();
    // Scroll ranges 0..max on both axes; positions are clamped into them.
    void setScrollRanges(int hMax, int vMax, int hPage, int vPage);
    // Moves one axis (SB_HORZ or SB_VERT) to an offset, clamped; true when it changed.
    bool scrollTo(int bar, int position);
    void clientSize(int& width, int& height) const;

    HWND container_ = nullptr;
    int hMin_ = 0, hMax_ = 0, vMin_ = 0, vMax_ = 0;
    int hPos_ = 0, vPos_ = 0;

private:
    static LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void onScroll(int bar, int code);
    WNDPROC classProc_ = nullptr;
    bool inResize_ = false;
};

}  // namespace gw
