// The main window's status bar: command help in the first part, the rebus and
// symbol indicators in parts 2 and 3.
#pragma once
#include <windows.h>

#include <string>

namespace gw {

class StatusBar {
public:
    // Builds the bar from a description string ("40:49:2:2:0:"); null when the
    // platform's bar control is too old or cannot be created.
    static StatusBar* create(HWND parent, HINSTANCE instance, int descriptionStringId);
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    static constexpr int PartCount = 5;
    static constexpr int HelpPart = 0;

    HWND hwnd() const { return hwnd_; }

    void setText(int part, const std::string& text);
    void setTextFromId(int part, int stringId);
    // A cleared part shows its default text (if it has one).
    void clearText(int part);
    void setDefaultText(int part, const std::string& text);
    const std::string& text(int part) const;  // what the part shows now

    // Indicator icons: 46 (rebus) in part 2, 47 (symbols) in part 3.
    void indicatorOn(int iconId);
    void indicatorOff(int iconId);
    bool indicatorShown(int iconId) const;

    // The frame's client size changed.
    void resize(int clientWidth, int clientHeight);
    int height() const;
    void show(bool visible);
    // The frame moved to a monitor of another DPI: font, parts and indicator icons follow.
    void dpiChanged(int fromDpi, int toDpi);

    // Right edges of the parts as computed from the description (last is -1).
    const int* partEdges() const { return edges_; }

private:
    StatusBar(HWND hwnd, HINSTANCE instance);
    void computeParts(const char* description);
    void showPart(int part);
    static int indicatorPart(int iconId);
    int iconSize() const;

    HWND hwnd_ = nullptr;
    HINSTANCE instance_ = nullptr;
    int edges_[PartCount] = {};
    std::string texts_[PartCount];
    std::string defaults_[PartCount];
    HICON icons_[PartCount] = {};
    std::string description_;
    HFONT font_ = nullptr;  // set when the DPI changed; else the control's own
};

}  // namespace gw
