// One page of the "Customize Gridwell" sheet and what every page shares: the
// page edits the live settings of the open puzzle's views, marks the sheet
// changed when a control differs from what is in force, and writes what differs
// on Apply or OK.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>

namespace gw {

class MainWindow;
class PluginManager;
class PuzzleDocument;

// What the pages edit: the frame with its views and their settings objects, the
// open puzzle, and the tools (null when the program runs without the plug-in
// manager).
struct PreferenceContext {
    MainWindow& frame;
    PuzzleDocument& document;
    PluginManager* tools = nullptr;
    HINSTANCE resources = nullptr;
};

class PreferencePage {
public:
    PreferencePage(PreferenceContext& context, const char* templateName, int titleId, const char* helpTopic);
    virtual ~PreferencePage() = default;
    PreferencePage(const PreferencePage&) = delete;
    PreferencePage& operator=(const PreferencePage&) = delete;

    // The platform's page description; the page window is made when first shown.
    PROPSHEETPAGEA describe();
    HWND hwnd() const { return page_; }

protected:
    // Fills the controls from the settings in force.
    virtual void init() = 0;
    // Writes what differs from the settings in force; whether anything was
    // written.
    virtual bool apply() = 0;
    virtual void command(int /*id*/, int /*code*/) {}
    virtual bool drawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // The sheet was scaled to a monitor of another DPI.
    virtual void dpiChanged() {}
    // Any other message; true when handled.
    virtual bool message(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/) { return false; }

    // Apply becomes available.
    void markChanged();
    // Changes that were made cannot be undone: Cancel turns into Close.
    void cancelToClose();

    HWND item(int id) const { return GetDlgItem(page_, id); }
    bool checked(int id) const { return IsDlgButtonChecked(page_, id) == BST_CHECKED; }
    void check(int id, bool on) const { CheckDlgButton(page_, id, on ? BST_CHECKED : BST_UNCHECKED); }
    void enable(int id, bool on) const { EnableWindow(item(id), on ? TRUE : FALSE); }

    PreferenceContext& context_;
    HWND page_ = nullptr;

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR notify(const NMHDR& header, LPARAM lp);
    void keepFocusUsable();
    HWND sheet() const { return GetParent(page_); }

    const char* templateName_;
    std::string title_;
    const char* helpTopic_;
};

}  // namespace gw
