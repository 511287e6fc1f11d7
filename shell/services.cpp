// The main window's services: message boxes, clipboard, the small modal dialogs
// and moving a puzzle file to the recycle bin.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "doc/document_commands.h"
#include "doc/puzzle_document.h"
#include "plugins/host/tool_api.h"
#include "ports/core_context.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/system_libraries.h"

namespace gw {
namespace {

constexpr int KeyDigits = 4;
constexpr unsigned SmallestKey = 1000;

// Centres a dialog over its owner and keeps it wholly on the desktop.
void centreOver(HWND dialog, HWND owner) {
    RECT d, o, desk;
    GetWindowRect(dialog, &d);
    if (!owner || !GetWindowRect(owner, &o)) GetWindowRect(GetDesktopWindow(), &o);
    GetWindowRect(GetDesktopWindow(), &desk);
    int w = d.right - d.left, h = d.bottom - d.top;
    int x = o.left + ((o.right - o.left) - w) / 2;
    int y = o.top + ((o.bottom - o.top) - h) / 2;
    if (x + w > desk.right) x = desk.right - w;
    if (y + h > desk.bottom) y = desk.bottom - h;
    if (x < desk.left) x = desk.left;
    if (y < desk.top) y = desk.top;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK plainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK keyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* frame = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SendDlgItemMessageA(dialog, IDC_KEY_EDIT, EM_LIMITTEXT, KeyDigits, 0);
            SetFocus(GetDlgItem(dialog, IDC_KEY_EDIT));
            return FALSE;  // the focus is set
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: {
                    char text[16] = {};
                    GetDlgItemTextA(dialog, IDC_KEY_EDIT, text, sizeof(text));
                    unsigned key = 0;
                    if (std::sscanf(text, "%u", &key) == 1 && key >= SmallestKey && key <= 9999) {
                        EndDialog(dialog, static_cast<INT_PTR>(key));
                    } else {
                        if (frame) frame->warningById(IDS_KEY_FORMAT);
                        SetDlgItemTextA(dialog, IDC_KEY_EDIT, "");
                        SetFocus(GetDlgItem(dialog, IDC_KEY_EDIT));
                    }
                    return TRUE;
                }
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                case IDC_HELP_BUTTON:
                    if (frame) frame->showHelpTopic("unlock_sol.htm");
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

// The Lock/Unlock button: Unlock for a checkable locked puzzle, else Lock.
bool lockButtonUnlocks(const PuzzleDocument& doc) { return !doc.noCheck && doc.isScrambled; }

INT_PTR CALLBACK diagramlessDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* frame = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
    PuzzleDocument* doc = core().document;
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            frame = reinterpret_cast<MainWindow*>(lParam);
            if (frame) centreOver(dialog, frame->hwnd());
            EnableWindow(GetDlgItem(dialog, IDC_DIAG_SHOW_HINT), doc && !doc->notes.empty());
            SetDlgItemTextA(dialog, IDC_DIAG_LOCK, doc && lockButtonUnlocks(*doc) ? "Unlock..." : "Scramble...");
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_DIAG_SHOW_HINT:
                    if (frame) frame->dispatchCommand(CMD_NOTEPAD, 0);
                    return TRUE;
                case IDC_HELP_BUTTON:
                    if (frame) frame->showHelpTopic("dless_puz.htm");
                    return TRUE;
                case IDC_DIAG_LOCK:
                    if (doc && doc->isOpen) {
                        if (lockButtonUnlocks(*doc)) {
                            if (doc->unlockSolution()) SetDlgItemTextA(dialog, IDC_DIAG_LOCK, "Lock...");
                        } else if (doc->lockSolution() && !doc->noCheck) {
                            SetDlgItemTextA(dialog, IDC_DIAG_LOCK, "Unlock...");
                        }
                    }
                    return TRUE;
                case IDC_DIAG_CONVERT:
                case IDC_DIAG_PRINT:
                case IDC_DIAG_SAVE:
                case IDC_DIAG_CLOSE_PUZZLE:
                    EndDialog(dialog, LOWORD(wParam));
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

bool moveToRecycleBin(HWND owner, const std::string& path, bool askFirst) {
    // The shell keeps a file for undo only when given its full path: a relative name
    // (a puzzle named so on the command line) would be deleted for good.
    char full[2 * MAX_PATH] = {};
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    // The shell wants a list ended by two NULs.
    std::string from = n > 0 && n < sizeof full ? std::string(full, n) : path;
    from.push_back('\0');
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.hwnd = owner;
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | (askFirst ? 0 : FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS);
    op.lpszProgressTitle = "File delete in progress";
    return syslib::shFileOperation(&op) == 0 && !op.fAnyOperationsAborted;
}

}  // namespace

void MainWindow::showCongratulations() {
    sendToolEvent(PuzzleSolved);
    DialogBoxParamA(app_.resources(), GW_DIALOG_CONGRATS, hwnd_, plainDialogProc, 0);
}

void MainWindow::warning(const std::string& text) {
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBoxA(hwnd_, text.c_str(), stringText(IDS_WARNING_TITLE), MB_OK | MB_ICONEXCLAMATION);
}

void MainWindow::warningById(int stringId) { warning(stringText(stringId)); }

int MainWindow::question(const std::string& text, unsigned buttons) {
    MessageBeep(MB_ICONEXCLAMATION);
    return MessageBoxA(hwnd_, text.c_str(), stringText(IDS_QUESTION_TITLE), buttons | MB_ICONEXCLAMATION);
}

int MainWindow::questionById(int stringId, unsigned buttons) { return question(stringText(stringId), buttons); }

void MainWindow::informationById(int stringId) { information(stringText(stringId)); }

void MainWindow::information(const std::string& text) {
    MessageBoxA(hwnd_, text.c_str(), stringText(IDS_INFORMATION_TITLE), MB_OK | MB_ICONINFORMATION);
}

bool MainWindow::clipboardHasText() {
    return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_OEMTEXT);
}

void MainWindow::copyTextToClipboard(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return;
    if (char* p = static_cast<char*>(GlobalLock(block))) {
        std::memcpy(p, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
    }
    if (!OpenClipboard(hwnd_)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    CloseClipboard();
}

std::optional<std::string> MainWindow::getClipboardText() {
    if (!OpenClipboard(hwnd_)) return std::nullopt;
    std::optional<std::string> result;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            // Another program's block: never read past its end.
            size_t size = GlobalSize(data);
            result = std::string(p, strnlen(p, size));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

void MainWindow::showAboutDialog() {
    DialogBoxParamA(app_.resources(), GW_DIALOG_ABOUT, hwnd_, plainDialogProc, 0);
}

int MainWindow::askUnlockKey() {
    INT_PTR key = DialogBoxParamA(app_.resources(), GW_DIALOG_KEY, hwnd_, keyDialogProc,
                                  reinterpret_cast<LPARAM>(this));
    return key > 0 ? static_cast<int>(key) : 0;
}

bool MainWindow::deletePuzzleFile(const std::string& path) {
    if (!moveToRecycleBin(hwnd_, path, false)) return false;
    std::string backup = backupNameFor(path);
    if (!backup.empty() && fileIsReadable(backup)) moveToRecycleBin(hwnd_, backup, true);
    return true;
}

int MainWindow::showDiagramlessDialog() {
    INT_PTR button = DialogBoxParamA(app_.resources(), GW_DIALOG_DIAGRAMLESS, hwnd_, diagramlessDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return static_cast<int>(button);
}

}  // namespace gw
