// What the toolbar control asks of its owner: tooltips, drop-down menus, the
// customisation dialog's questions and the logo drawn after the buttons.
#include <algorithm>
#include <cstring>

#include "doc/puzzle_document.h"
#include "ports/core_context.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "views/toolbar.h"

namespace gw {
namespace {

constexpr size_t CustomiseLabelLimit = 20;

void copyText(const std::string& text, char* out, int capacity) {
    if (!out || capacity <= 0) return;
    const size_t n = std::min(text.size(), size_t(capacity - 1));
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

void copyText(const std::string& text, wchar_t* out, int capacity) {
    if (!out || capacity <= 0) return;
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out, capacity);
    if (n <= 0) out[0] = L'\0';
    out[capacity - 1] = L'\0';
}

// The menu a drop-down button opens, loaded for this use; the caller destroys `owner`.
HMENU dropDownMenu(HWND frame, HINSTANCE resources, int command, HMENU& owner) {
    owner = nullptr;
    if (command == CMD_ERASE || command == CMD_PRINT_PUZZLE) {
        owner = LoadMenuA(resources, MAKEINTRESOURCEA(command == CMD_ERASE ? IDM_ERASE_DROPDOWN : IDM_PRINT_DROPDOWN));
        HMENU menu = owner ? GetSubMenu(owner, 0) : nullptr;
        if (menu && command == CMD_PRINT_PUZZLE) {
            PuzzleDocument* doc = core().document;
            const bool noSolution = !doc || doc->noCheck || doc->isScrambled;
            EnableMenuItem(menu, CMD_PRINT_SOLUTION, MF_BYCOMMAND | (noSolution ? MF_GRAYED : MF_ENABLED));
        }
        return menu;
    }
    if (command == CMD_CHECK_WORD || command == CMD_REVEAL_WORD) {
        HMENU solution = GetSubMenu(GetMenu(frame), MENUPOS_SOLUTION);
        return solution ? GetSubMenu(solution, command == CMD_CHECK_WORD ? MENUPOS_CHECK : MENUPOS_REVEAL) : nullptr;
    }
    return nullptr;
}

}  // namespace

bool Toolbar::handleNotify(void* raw, long long& result) {
    auto* header = static_cast<NMHDR*>(raw);
    if (!header) return false;
    if (tooltip(header)) return true;
    if (header->hwndFrom != hwnd_) return false;
    switch (header->code) {
        case TBN_DROPDOWN:
            dropDown(*reinterpret_cast<NMTOOLBARA*>(header));
            result = TBDDRET_DEFAULT;
            return true;
        case NM_CUSTOMDRAW: return customDraw(*reinterpret_cast<NMCUSTOMDRAW*>(header), result);
        case TBN_BEGINADJUST: {
            customising_ = true;
            customiseCopy_.clear();
            const int count = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                TBBUTTON b{};
                if (SendMessageA(hwnd_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b))) customiseCopy_.push_back(b);
            }
            return true;
        }
        case TBN_RESET:
            removeAllButtons();
            addButtons(customiseCopy_);
            return true;
        case TBN_ENDADJUST:
            customising_ = false;
            customiseCopy_.clear();
            saveOrder();
            return true;
        case TBN_TOOLBARCHANGE:
            if (!customising_) saveOrder();
            return true;
        case TBN_QUERYINSERT:
        case TBN_QUERYDELETE: result = TRUE; return true;
        case TBN_GETBUTTONINFOA:
        case TBN_GETBUTTONINFOW: result = buttonInfo(header) ? TRUE : FALSE; return true;
        case TBN_CUSTHELP:
            if (helpTopic) helpTopic("pref_toolbar.htm");
            return true;
        default: return false;
    }
}

std::string Toolbar::tipText(int command) const { return menuOpen_ ? std::string() : stringText(command); }

bool Toolbar::tooltip(NMHDR* header) {
    switch (header->code) {
        case TBN_GETINFOTIPA: {
            if (header->hwndFrom != hwnd_) return false;
            auto* tip = reinterpret_cast<NMTBGETINFOTIPA*>(header);
            copyText(tipText(tip->iItem), tip->pszText, tip->cchTextMax);
            return true;
        }
        case TBN_GETINFOTIPW: {
            if (header->hwndFrom != hwnd_) return false;
            auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(header);
            copyText(tipText(tip->iItem), tip->pszText, tip->cchTextMax);
            return true;
        }
        case TTN_GETDISPINFOA: {
            // Only the toolbar's own tooltip control: other tips (the title pane's) answer themselves.
            if (header->hwndFrom != reinterpret_cast<HWND>(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0))) return false;
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
            tipText_ = tipText(static_cast<int>(header->idFrom));
            info->lpszText = const_cast<char*>(tipText_.c_str());
            return true;
        }
        case TTN_GETDISPINFOW: {
            if (header->hwndFrom != reinterpret_cast<HWND>(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0))) return false;
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
            const std::string text = tipText(static_cast<int>(header->idFrom));
            tipTextWide_.assign(text.size() + 1, L'\0');
            copyText(text, tipTextWide_.data(), static_cast<int>(tipTextWide_.size()));
            info->lpszText = tipTextWide_.data();
            return true;
        }
        default: return false;
    }
}

void Toolbar::dropDown(const NMTOOLBARA& info) {
    HMENU owner = nullptr;
    HMENU menu = dropDownMenu(parent_, resources_, info.iItem, owner);
    if (menu) {
        // The button's tooltip would otherwise sit over the menu: the pointer stays on
        // the button while the menu is open, and a tip already timed would still come,
        // so the tips are empty (and thus not shown) until the menu closes.
        HWND tips = reinterpret_cast<HWND>(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0));
        if (tips) SendMessageA(tips, TTM_POP, 0, 0);
        menuOpen_ = true;
        RECT r{};
        SendMessageA(hwnd_, TB_GETRECT, info.iItem, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(hwnd_, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        TPMPARAMS keepClear{sizeof(keepClear), r};
        TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, r.left, r.bottom, parent_, &keepClear);
        menuOpen_ = false;
    }
    if (owner) DestroyMenu(owner);
}

bool Toolbar::buttonInfo(NMHDR* header) {
    const bool wide = header->code == TBN_GETBUTTONINFOW;
    auto* a = reinterpret_cast<NMTOOLBARA*>(header);
    auto* w = reinterpret_cast<NMTOOLBARW*>(header);
    const int item = wide ? w->iItem : a->iItem;
    if (item < 0 || size_t(item) >= slots_.size()) return false;
    TBBUTTON b = buttonFor(item);
    std::string label = slots_[size_t(item)].currentLabel();
    if (label.size() > CustomiseLabelLimit) label.resize(CustomiseLabelLimit);
    if (wide) {
        w->tbButton = b;
        copyText(label, w->pszText, w->cchText);
    } else {
        a->tbButton = b;
        copyText(label, a->pszText, a->cchText);
    }
    return true;
}

bool Toolbar::customDraw(NMCUSTOMDRAW& draw, long long& result) {
    if (draw.dwDrawStage == CDDS_PREPAINT) {
        result = logo_ ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
        return true;
    }
    if (draw.dwDrawStage == CDDS_POSTPAINT) {
        drawLogo(draw.hdc);
        result = CDRF_DODEFAULT;
        return true;
    }
    return false;
}

void Toolbar::drawLogo(HDC dc) {
    if (!logo_) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    int buttons = 0;
    const int count = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (SendMessageA(hwnd_, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) buttons = std::max<int>(buttons, r.right);
    }
    BITMAP info{};
    GetObjectA(logo_, sizeof info, &info);
    const int x = toolbar::logoLeft(client.right, buttons, info.bmWidth);
    if (x < 0) return;
    const int y = toolbar::logoTop(client.bottom, info.bmHeight);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, logo_);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace gw
