// The Open and Save As dialogs and what follows them.
#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "doc/document_commands.h"
#include "doc/puzzle_document.h"
#include "ports/core_context.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/main_window.h"
#include "shell/system_libraries.h"

namespace gw {
namespace {

constexpr size_t ChosenPathLimit = 512;

// "a|b|c|" -> "a\0b\0c\0\0" as the dialogs want their filters.
std::vector<char> dialogFilter(int stringId) {
    std::string text = stringText(stringId);
    std::vector<char> filter(text.begin(), text.end());
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

struct DialogContext {
    MainWindow* frame;
    const char* helpTopic;
    bool centre;
};

UINT_PTR CALLBACK fileDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* ofn = reinterpret_cast<OPENFILENAMEA*>(lParam);
        SetWindowLongPtrA(hook, GWLP_USERDATA, static_cast<LONG_PTR>(ofn->lCustData));
        return 0;
    }
    if (message != WM_NOTIFY) return 0;
    auto* context = reinterpret_cast<DialogContext*>(GetWindowLongPtrA(hook, GWLP_USERDATA));
    auto* notify = reinterpret_cast<OFNOTIFYA*>(lParam);
    if (!context || !notify) return 0;
    HWND dialog = GetParent(hook);
    if (notify->hdr.code == CDN_INITDONE && context->centre) {
        RECT d, o, desk;
        GetWindowRect(dialog, &d);
        GetWindowRect(context->frame->hwnd(), &o);
        GetWindowRect(GetDesktopWindow(), &desk);
        int w = d.right - d.left, h = d.bottom - d.top;
        int x = o.left + ((o.right - o.left) - w) / 2, y = o.top + ((o.bottom - o.top) - h) / 2;
        if (x + w > desk.right) x = desk.right - w;
        if (y + h > desk.bottom) y = desk.bottom - h;
        if (x < desk.left) x = desk.left;
        if (y < desk.top) y = desk.top;
        SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    } else if (notify->hdr.code == CDN_HELP) {
        context->frame->showHelpTopic(context->helpTopic);
    }
    return 0;
}

// What the Open and Save As dialogs share: the owner, the filter, the chosen name's
// buffer, the folder to start in and the hook that centres the dialog or opens help.
OPENFILENAMEA fileDialogRecord(HWND owner, std::vector<char>& filter, char* file, DWORD fileSize,
                               const std::string& folder, DialogContext& context, DWORD flags) {
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = fileSize;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.Flags = flags | OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_NOCHANGEDIR;
    ofn.lpfnHook = fileDialogHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(&context);
    return ofn;
}

}  // namespace

std::optional<std::string> MainWindow::runOpenDialog(int& filterIndex) {
    std::vector<char> filter = dialogFilter(IDS_OPEN_FILTER);
    char file[ChosenPathLimit] = {};
    DialogContext context{this, "open_puzzle.htm", false};
    OPENFILENAMEA ofn = fileDialogRecord(hwnd_, filter, file, sizeof(file), openFolder_, context,
                                         OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (!syslib::getOpenFileName(&ofn)) return std::nullopt;
    filterIndex = static_cast<int>(ofn.nFilterIndex);
    return std::string(file);
}

std::optional<std::string> MainWindow::runSaveAsDialog(const std::string& currentPath) {
    std::vector<char> filter = dialogFilter(IDS_SAVE_FILTER);
    char file[ChosenPathLimit] = {};
    std::string proposed = proposedSaveName(currentPath);
    lstrcpynA(file, proposed.c_str(), sizeof(file));
    DialogContext context{this, "save_puzzle.htm", true};
    OPENFILENAMEA ofn = fileDialogRecord(hwnd_, filter, file, sizeof(file), saveFolder_, context, 0);
    if (!syslib::getSaveFileName(&ofn)) return std::nullopt;
    return std::string(file);
}

bool MainWindow::fileDialog(int command) {
    PuzzleDocument* doc = core().document;
    if (!doc) return false;
    if (command == CMD_OPEN) {
        int filterIndex = 1;
        std::optional<std::string> chosen = runOpenDialog(filterIndex);
        if (!chosen) return false;
        setOpenFolder(folderOf(*chosen));
        return openChosenFile(*doc, *chosen, filterIndex);
    }
    if (!doc->isOpen) return false;
    std::optional<std::string> chosen = runSaveAsDialog(doc->path);
    if (!chosen) return false;
    std::string name = normaliseSaveName(*chosen);
    if (name.empty()) return false;
    setSaveFolder(folderOf(name));
    return saveAsChosenName(*doc, name);
}

}  // namespace gw
