#include "prefs/preference_page.h"

#include "resources/string_table.h"
#include "shell/main_window.h"
#include "shell/window_dpi.h"

namespace gw {
namespace {

// Posted after Apply, once the sheet has disabled its Apply button.
constexpr UINT FocusAfterApply = WM_APP + 13;

}  // namespace

PreferencePage::PreferencePage(PreferenceContext& context, const char* templateName, int titleId, const char* helpTopic)
    : context_(context), templateName_(templateName), title_(stringText(titleId)), helpTopic_(helpTopic) {}

PROPSHEETPAGEA PreferencePage::describe() {
    PROPSHEETPAGEA p{};
    p.dwSize = sizeof p;
    p.dwFlags = PSP_USETITLE | PSP_HASHELP;
    p.hInstance = context_.resources;
    p.pszTemplate = templateName_;
    p.pszTitle = title_.c_str();
    p.pfnDlgProc = &PreferencePage::dialogProc;
    p.lParam = reinterpret_cast<LPARAM>(this);
    return p;
}

void PreferencePage::markChanged() { PropSheet_Changed(sheet(), page_); }

void PreferencePage::cancelToClose() {
    HWND s = sheet();
    PropSheet_CancelToClose(s);
    // Some versions of the common controls take the message without acting on it
    // (Wine's among them); the user must still see that Cancel would undo nothing.
    SetDlgItemTextA(s, IDOK, "Close");
    EnableWindow(GetDlgItem(s, IDCANCEL), FALSE);
}

INT_PTR CALLBACK PreferencePage::dialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<PreferencePage*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->page_ = dialog;
        self->init();
        return TRUE;
    }
    auto* self = reinterpret_cast<PreferencePage*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (msg) {
        case WM_COMMAND: self->command(LOWORD(wp), HIWORD(wp)); return TRUE;
        case WM_DRAWITEM: return self->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)) ? TRUE : FALSE;
        case WM_NOTIFY: return self->notify(*reinterpret_cast<const NMHDR*>(lp), lp);
        case FocusAfterApply: self->keepFocusUsable(); return TRUE;
        case WM_DPICHANGED_AFTERPARENT: self->dpiChanged(); return FALSE;
        default: return self->message(msg, wp, lp) ? TRUE : FALSE;
    }
}

// Pressing Apply leaves the focus on a button that is then disabled (Apply, or
// Cancel once it cannot undo anything): the keyboard, Escape included, would no
// longer reach the sheet. The default button takes it instead.
void PreferencePage::keepFocusUsable() {
    HWND s = sheet();
    HWND focus = GetFocus();
    if (focus && IsChild(s, focus) && IsWindowEnabled(focus)) return;
    SendMessageA(s, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(s, IDOK)), TRUE);
}

INT_PTR PreferencePage::notify(const NMHDR& header, LPARAM lp) {
    switch (header.code) {
        case PSN_APPLY: {
            // lParam is set when the sheet is closing by OK: then nothing is left to
            // cancel.
            const bool closing = reinterpret_cast<const PSHNOTIFY*>(lp)->lParam != 0;
            if (apply() && !closing) cancelToClose();
            if (!closing) PostMessageA(page_, FocusAfterApply, 0, 0);
            SetWindowLongPtrA(page_, DWLP_MSGRESULT, PSNRET_NOERROR);
            return TRUE;
        }
        case PSN_KILLACTIVE: SetWindowLongPtrA(page_, DWLP_MSGRESULT, FALSE); return TRUE;
        case PSN_HELP: context_.frame.showHelpTopic(helpTopic_); return TRUE;
        default: return FALSE;
    }
}

}  // namespace gw
