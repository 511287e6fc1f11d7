// The main window's toolbar: the platform's toolbar control filled from the
// description text, switched by state texts, customisable by the user, with the
// drop-down menus, tooltips and the logo in its free space.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/frame_toolbar.h"
#include "views/toolbar_model.h"

namespace gw {

class Toolbar : public FrameToolbar {
public:
    // Builds the bar in `parent` from the description string; `programFolder` holds
    // "Images\tlogo.bmp". Null when the control cannot be created.
    static Toolbar* create(HWND parent, HINSTANCE resources, const std::string& programFolder, int descriptionId);
    ~Toolbar() override;  // saves the order first
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    // FrameToolbar
    void applyStates(int stringId) override;
    void enable(int command) override;
    void disable(int command) override;
    void check(int command) override;
    void uncheck(int command) override;
    void exchange(int currentCommand, int newCommand) override;
    void show(int showMode) override;
    int height() const override;
    void resize(int clientWidth, int clientHeight) override;
    bool handleNotify(void* header, long long& result) override;
    void dpiChanged(int fromDpi, int toDpi) override;

    // The size of the pictures now on the bar (they come in a few sizes, chosen by DPI).
    int pictureSize() const { return pictureSize_; }

    // Writes the bar's order to "toolbar"/"state".
    void saveOrder();
    // The commands now on the bar, 0 for a separator.
    std::vector<int> buttonCommands() const;
    HWND hwnd() const { return hwnd_; }
    // Opens help topics for the customisation dialog; set by the frame.
    std::function<void(const char* topic)> helpTopic;

private:
    Toolbar(HWND hwnd, HWND parent, HINSTANCE resources);
    void loadPictures();
    void loadLogo();
    void loadDescription(int descriptionId);
    TBBUTTON buttonFor(int slot) const;
    void addButtons(const std::vector<TBBUTTON>& buttons);
    void removeAllButtons();
    toolbar::Slot* slotOnBar(int command);
    void setEnabled(int command, bool enabled);
    void setChecked(int command, bool checked);

    // Notifications.
    bool tooltip(NMHDR* header);
    std::string tipText(int command) const;
    void dropDown(const NMTOOLBARA& info);
    bool buttonInfo(NMHDR* header);
    void drawLogo(HDC dc);
    bool customDraw(NMCUSTOMDRAW& draw, long long& result);

    HWND hwnd_ = nullptr;
    HWND parent_ = nullptr;
    HINSTANCE resources_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HBITMAP logo_ = nullptr;
    HFONT font_ = nullptr;  // set when the DPI changed; else the control's own
    std::string programFolder_;
    int pictureSize_ = 0;
    std::vector<toolbar::Slot> slots_;
    std::vector<int> stringIndex_[2];  // the control's text index of each slot's labels
    std::string order_;
    std::vector<TBBUTTON> customiseCopy_;
    bool customising_ = false;
    bool menuOpen_ = false;  // a drop-down menu is open: no tips over it
    bool applied_ = false;  // an order is only saved from a bar that was filled
    std::string tipText_;
    std::wstring tipTextWide_;
};

}  // namespace gw
