#include "tip_dialog.h"

#include "tip_cycle.h"
#include "tip_resources.h"

namespace ovtips {
namespace {

const char* const SettingsSection = "PellTips";
const char* const NextTipValue = "NextTip";
constexpr int TipTextLimit = 512;

int placeOnScreen(int value, int size, int screen) {
    if (value < 0) return 0;
    if (value + size > screen) return screen - size;
    return value;
}

}  // namespace

TipDialog::~TipDialog() {
    if (tipBrush_) DeleteObject(tipBrush_);
    if (headingBrush_) DeleteObject(headingBrush_);
    if (bulb_) DeleteObject(bulb_);
    if (tipFont_) DeleteObject(tipFont_);
}

void TipDialog::run(HWND owner) {
    DialogBoxParamA(module_, "TIP", owner, dialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK TipDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TipDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            self = reinterpret_cast<TipDialog*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            self->dialog_ = dialog;
            self->initialise();
            return TRUE;
        case WM_DPICHANGED:
            PostMessageA(dialog, RefitMessage, 0, 0);
            return FALSE;  // the dialog scales itself and its controls first
        case RefitMessage:
            if (self) self->fitToDpi();
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return self ? self->colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)) : FALSE;
        case WM_COMMAND:
            if (!self) return FALSE;
            switch (LOWORD(wParam)) {
                case IDC_TIP_NEXT: self->showTip(nextTip(self->tip_)); return TRUE;
                case IDC_TIP_PREVIOUS: self->showTip(previousTip(self->tip_)); return TRUE;
                case IDC_TIP_CLOSE:
                case IDCANCEL: self->close(); return TRUE;
                default: return FALSE;
            }
        default:
            return FALSE;
    }
}

void TipDialog::initialise() {
    // Never shown (the dialog has no title bar), but it names the window for tools that look for it.
    SetWindowTextA(dialog_, "Tip of the Day");
    centreOverOwner();
    int32_t stored = DefaultNextTip;
    host_->services->ReadSetting(host_, SettingsSection, NextTipValue, &stored);
    fitToDpi();
    tipBrush_ = CreateSolidBrush(GetSysColor(COLOR_INFOBK));
    headingBrush_ = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    showTip(firstTip(stored));
}

void TipDialog::centreOverOwner() {
    RECT own, box;
    HWND owner = GetWindow(dialog_, GW_OWNER);
    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    if (!owner || !GetWindowRect(owner, &own)) own = RECT{0, 0, screenW, screenH};
    GetWindowRect(dialog_, &box);
    int w = box.right - box.left, h = box.bottom - box.top;
    int x = placeOnScreen(own.left + (own.right - own.left - w) / 2, w, screenW);
    int y = placeOnScreen(own.top + (own.bottom - own.top - h) / 2, h, screenH);
    SetWindowPos(dialog_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TipDialog::showTip(int tip) {
    tip_ = tip;
    char text[TipTextLimit] = {};
    LoadStringA(module_, static_cast<UINT>(tip), text, TipTextLimit);
    SetDlgItemTextA(dialog_, IDC_TIP_TEXT, text);
}

INT_PTR TipDialog::colour(HDC dc, HWND control) {
    int id = GetDlgCtrlID(control);
    if (id == IDC_TIP_TEXT && tipBrush_) {
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        SetBkColor(dc, GetSysColor(COLOR_INFOBK));
        return reinterpret_cast<INT_PTR>(tipBrush_);
    }
    if (id == IDC_TIP_HEADING && headingBrush_) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        return reinterpret_cast<INT_PTR>(headingBrush_);
    }
    return FALSE;
}

void TipDialog::close() {
    host_->services->WriteSetting(host_, SettingsSection, NextTipValue, nextTip(tip_));
    if (IsDlgButtonChecked(dialog_, IDC_TIP_NO_MORE) == BST_CHECKED) {
        host_->services->DisableTool(host_);
        MessageBoxA(static_cast<HWND>(host_->services->GetMainWindow(host_)),
                    "To enable the tips again, go to Tools tab in Options and enable Tip of Day", "Orvane Tips",
                    MB_ICONINFORMATION | MB_OK);
    }
    EndDialog(dialog_, IDOK);
}

}  // namespace ovtips
