// A floating "Gridwell - Clues" window: a captioned, sizable pop-up owned by the main
// window whose split pane, holding one or both clue lists, fills its client area.
#pragma once
#include <windows.h>

#include <memory>

#include "shell/layout_settings.h"
#include "shell/split_pane.h"

namespace gw {

class ClueWindow {
public:
    // Shown at `outer` (its outer rectangle, brought back onto the desktop when it
    // lies wholly off it); null on failure.
    static std::unique_ptr<ClueWindow> create(HWND owner, const ScreenRect& outer, int orientation,
                                              HINSTANCE resources);
    ~ClueWindow();
    ClueWindow(const ClueWindow&) = delete;
    ClueWindow& operator=(const ClueWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    SplitPane* pane() const { return pane_.get(); }
    ScreenRect outerRect() const;

private:
    ClueWindow() = default;
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    std::unique_ptr<SplitPane> pane_;
    HWND hwnd_ = nullptr;
};

}  // namespace gw
