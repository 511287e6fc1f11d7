#include "views/notepad.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "resources/resource_ids.h"

namespace gw {
namespace {

constexpr UINT_PTR FieldSubclassId = 1;

std::string windowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::vector<char> text(size_t(length) + 1, '\0');
    GetWindowTextA(hwnd, text.data(), length + 1);
    return std::string(text.data());
}

}  // namespace

std::unique_ptr<Notepad> Notepad::create(HWND owner, HINSTANCE resources, const std::string& notes, bool editable,
                                         Hooks hooks) {
    std::unique_ptr<Notepad> self(new Notepad(editable, std::move(hooks)));
    self->resources_ = resources;
    HWND dialog = CreateDialogParamA(resources, GW_DIALOG_NOTEPAD, owner, &Notepad::dialogProc,
                                     reinterpret_cast<LPARAM>(self.get()));
    if (!dialog) return nullptr;
    self->initialise(notes);
    // Over the middle of the main window, where the eye is.
    RECT o{}, d{};
    if (owner && GetWindowRect(owner, &o) && GetWindowRect(dialog, &d)) {
        const int x = o.left + ((o.right - o.left) - (d.right - d.left)) / 2;
        const int y = o.top + ((o.bottom - o.top) - (d.bottom - d.top)) / 2;
        SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(dialog, SW_SHOW);
    return self;
}

Notepad::~Notepad() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    // A notepad that goes while active leaves the loop no dialog to route to.
    if (hooks_.activeDialog) hooks_.activeDialog(nullptr);
    hooks_ = Hooks{};
    SetWindowLongPtrA(h, DWLP_USER, 0);
    hwnd_ = nullptr;
    DestroyWindow(h);
}

HWND Notepad::field() const { return GetDlgItem(hwnd_, IDC_NOTEPAD_EDIT); }

void Notepad::initialise(const std::string& notes) {
    HWND edit = field();
    initialising_ = true;
    SendMessageA(edit, EM_LIMITTEXT, NOTEPAD_TEXT_LIMIT, 0);
    SetWindowTextA(edit, notes.c_str());
    initialising_ = false;
    if (!editable_) setEditable(false);
    SetWindowSubclass(edit, &Notepad::fieldProc, FieldSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(notes.size()), static_cast<LPARAM>(notes.size()));
    modified_ = false;
}

void Notepad::setEditable(bool editable) {
    editable_ = editable;
    SendMessageA(field(), EM_SETREADONLY, editable ? FALSE : TRUE, 0);
    ShowWindow(GetDlgItem(hwnd_, IDC_NOTEPAD_READONLY), editable ? SW_HIDE : SW_SHOW);
}

void Notepad::showAgain() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    SetFocus(field());
}

INT_PTR CALLBACK Notepad::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Notepad*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        self->hwnd_ = dialog;
        return FALSE;  // the field takes the focus once it holds the notes
    }
    auto* self = reinterpret_cast<Notepad*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_ACTIVATE: self->onActivate(LOWORD(wParam) != WA_INACTIVE); return FALSE;
        case WM_COMMAND: return self->onCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_CLOSE: ShowWindow(dialog, SW_HIDE); return TRUE;
        default: return FALSE;
    }
}

void Notepad::onActivate(bool active) {
    if (active) {
        if (hooks_.activeDialog) hooks_.activeDialog(hwnd_);
        if (hooks_.editable && hooks_.editable() != editable_) setEditable(!editable_);
        if (editable_) SetFocus(field());
        return;
    }
    handBack();
    if (hooks_.activeDialog) hooks_.activeDialog(nullptr);
}

void Notepad::handBack() {
    if (!modified_) return;
    modified_ = false;
    if (hooks_.notesChanged) hooks_.notesChanged(windowText(field()));
}

bool Notepad::onCommand(int id, int code) {
    switch (id) {
        case IDC_NOTEPAD_EDIT:
            if (code == EN_CHANGE && !initialising_) modified_ = true;
            return true;
        case IDCANCEL: ShowWindow(hwnd_, SW_HIDE); return true;  // Close and Escape
        case IDC_HELP_BUTTON:
            if (hooks_.helpTopic) hooks_.helpTopic("notepad.htm");
            return true;
        default: return false;
    }
}

LRESULT CALLBACK Notepad::fieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_CONTEXTMENU) {
        reinterpret_cast<Notepad*>(data)->contextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(field, &Notepad::fieldProc, FieldSubclassId);
    return DefSubclassProc(field, message, wParam, lParam);
}

void Notepad::contextMenu(int x, int y) {
    HWND edit = field();
    HMENU owner = LoadMenuA(resources_, GW_MENU_POPUP_EDIT);
    HMENU menu = owner ? GetSubMenu(owner, 0) : nullptr;
    if (!menu) {
        if (owner) DestroyMenu(owner);
        return;
    }
    if (x == -1 && y == -1) {  // from the keyboard: at the caret
        POINT caret{};
        GetCaretPos(&caret);
        ClientToScreen(edit, &caret);
        x = caret.x;
        y = caret.y;
    }
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selection = start != end;
    const bool writable = editable_;
    auto grey = [menu](int id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
    grey(CMD_UNDO, writable && SendMessageA(edit, EM_CANUNDO, 0, 0));
    grey(CMD_PASTE, writable && IsClipboardFormatAvailable(CF_TEXT));
    grey(CMD_CUT, writable && selection);
    grey(CMD_COPY, selection);
    grey(CMD_ERASE, writable && selection);
    const int choice = static_cast<int>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, hwnd_, nullptr));
    DestroyMenu(owner);
    switch (choice) {
        case CMD_UNDO: SendMessageA(edit, EM_UNDO, 0, 0); break;
        case CMD_CUT: SendMessageA(edit, WM_CUT, 0, 0); break;
        case CMD_COPY: SendMessageA(edit, WM_COPY, 0, 0); break;
        case CMD_PASTE: SendMessageA(edit, WM_PASTE, 0, 0); break;
        case CMD_ERASE: SendMessageA(edit, WM_CLEAR, 0, 0); break;
        default: break;
    }
    SetFocus(edit);
}

}  // namespace gw
