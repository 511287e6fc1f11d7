// A small always-on-top window that shows a clue list item whole over a list too
// narrow for it.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

namespace gw {

class ClueTip {
public:
    // Paints the item into the tip's client rectangle.
    using Painter = std::function<void(HDC dc, const RECT& client)>;

    // Opens the tip at `screen` (its outer rectangle, kept on the desktop
    // horizontally) without taking the focus; null when it cannot be created.
    static std::unique_ptr<ClueTip> open(HWND list, int item, RECT screen, Painter painter);
    ~ClueTip();
    ClueTip(const ClueTip&) = delete;
    ClueTip& operator=(const ClueTip&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND list() const { return list_; }
    int item() const { return item_; }
    bool containsScreenPoint(POINT p) const;

private:
    ClueTip() = default;
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    HWND list_ = nullptr;
    int item_ = -1;
    Painter painter_;
};

}  // namespace gw
