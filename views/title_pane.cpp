#include "views/title_pane.h"

#include <commctrl.h>
#include <oleacc.h>

#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/application.h"
#include "shell/screen_dpi.h"
#include "shell/window_object.h"
#include "views/text_accessible.h"
#include "views/text_measure.h"

namespace gw {
namespace {

constexpr int HintSize = 16;
constexpr int HintGap = 4;  // between the title text and the hint button
constexpr int ItemPadding = 5;

}  // namespace

TitlePane::TitlePane(HWND hwnd, HINSTANCE resources) : hwnd_(hwnd), resources_(resources) {}

std::unique_ptr<TitlePane> TitlePane::create(HWND parent, HINSTANCE resources, const TitlePaneTexts& t) {
    if (t.title.empty() && t.author.empty() && t.copyright.empty()) return nullptr;
    HWND hwnd = CreateWindowExA(0, PaneWindowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    std::unique_ptr<TitlePane> self(new TitlePane(hwnd, resources));
    self->height_ = characterHeight(hwnd, t.titleFont) + dpiScaled(titlepane::ExtraHeight);
    self->hasTitle_ = !t.title.empty();
    self->hasCopyright_ = !t.copyright.empty();
    if (!t.title.empty()) self->items_.push_back({t.title, Role::Title, t.titleFont, 0, {}});
    if (!t.author.empty()) self->items_.push_back({t.author, Role::Author, t.authorFont, 0, {}});
    if (!t.copyright.empty()) self->items_.push_back({t.copyright, Role::Copyright, t.copyrightFont, 0, {}});
    self->makeAccessible();
    attachWindowObject(hwnd, self.get(), &TitlePane::windowProc);
    self->measure();
    RECT r{};
    GetClientRect(parent, &r);
    self->place(r.right);
    return self;
}

void TitlePane::makeAccessible() {
    access_ = std::make_unique<TextAccessibility>(
        hwnd_, ROLE_SYSTEM_GROUPING, [] { return std::string(stringText(IDS_SPEAK_TITLE_STRIP)); },
        [this] {
            std::vector<TextItem> shown;
            for (size_t i = 0; i < items_.size(); ++i) {
                // The items carry spaces for the layout; readers want the words.
                const std::string& text = items_[i].text;
                const size_t first = text.find_first_not_of(' ');
                const size_t last = text.find_last_not_of(' ');
                shown.push_back({first == std::string::npos ? std::string() : text.substr(first, last - first + 1),
                                 itemRect(i), nullptr});
                // The notepad button stands beside the title: a push button of its own.
                if (i == 0 && hint_) shown.push_back({tipText_, {}, hint_});
            }
            return shown;
        });
}

TitlePane::~TitlePane() {
    access_.reset();
    if (tooltip_) DestroyWindow(tooltip_);
    destroyWindowObject(hwnd_);
    if (hintPicture_) DeleteObject(hintPicture_);
}

LRESULT CALLBACK TitlePane::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TitlePane*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_GETOBJECT:
            try {
                if (LRESULT answer = 0; self->access_ && self->access_->handles(message, wParam, lParam, answer))
                    return answer;
            } catch (...) {
                return 0;
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            self->paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_COMMAND:
            // The hint button: the frame opens the notepad.
            if (LOWORD(wParam) == CMD_NOTEPAD) {
                if (self->tooltip_) SendMessageA(self->tooltip_, TTM_POP, 0, 0);  // the notepad opens over it
                HWND frame = GetAncestor(hwnd, GA_ROOT);
                PostMessageA(frame, WM_COMMAND, MAKEWPARAM(CMD_NOTEPAD, 0), 0);
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void TitlePane::measure() {
    const int border = 2 * GetSystemMetrics(SM_CXBORDER) + ItemPadding;
    for (size_t i = 0; i < items_.size(); ++i) {
        Item& item = items_[i];
        item.natural = textExtent(hwnd_, item.font, item.text).cx + border;
        if (i == 0 && hasTitle_ && hint_) item.natural += HintGap + HintSize;
    }
}

void TitlePane::setFonts(HFONT title, HFONT author, HFONT copyright) {
    for (Item& item : items_)
        item.font = item.role == Role::Title ? title : item.role == Role::Author ? author : copyright;
    height_ = characterHeight(hwnd_, title) + dpiScaled(titlepane::ExtraHeight);
    measure();
    place(width_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TitlePane::place(int width) {
    width_ = width < 0 ? 0 : width;
    MoveWindow(hwnd_, 0, 0, width_, height_, TRUE);
    layout();
}

void TitlePane::layout() {
    std::vector<int> naturals;
    for (const Item& item : items_) naturals.push_back(item.natural);
    const std::vector<titlepane::Placement> at = titlepane::layout(width_, naturals, hasCopyright_);
    for (size_t i = 0; i < items_.size(); ++i) items_[i].at = at[i];
    if (hint_ && !items_.empty()) {
        const Item& title = items_[0];
        int x = titlepane::Inset + title.at.x + title.at.width - HintSize - 2;
        if (x < titlepane::Inset) x = titlepane::Inset;
        MoveWindow(hint_, x, (height_ - HintSize) / 2, HintSize, HintSize, TRUE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string TitlePane::hintTooltip() const { return hint_ ? tipText_ : std::string(); }

void TitlePane::setHint(const std::string& notes) {
    const bool want = hasTitle_ && !notes.empty();
    if (!want) {
        if (hint_) {
            if (tooltip_) DestroyWindow(tooltip_);
            tooltip_ = nullptr;
            DestroyWindow(hint_);
            hint_ = nullptr;
        }
    } else {
        if (!hint_) {
            hint_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_BITMAP | BS_FLAT, 0, 0, HintSize, HintSize,
                                    hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(CMD_NOTEPAD)),
                                    GetModuleHandleA(nullptr), nullptr);
            if (!hintPicture_)
                hintPicture_ = static_cast<HBITMAP>(LoadImageA(resources_, MAKEINTRESOURCEA(IDB_NOTEPAD_HINT),
                                                               IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
            if (hint_) SendMessageA(hint_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hintPicture_));
            // Not "always": the tip shows only while the main window is active, so it
            // does not come back over the notepad the button has just opened.
            tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
        }
        tipText_ = titlepane::hintTooltip(stringText(IDS_NOTEPAD_HINT_TIP), notes);
        // A picture button draws no text: its text is the name readers give it.
        if (hint_) SetWindowTextA(hint_, tipText_.c_str());
        if (tooltip_ && hint_) {
            TOOLINFOA ti{};
            ti.cbSize = sizeof(ti);
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.hwnd = hwnd_;
            ti.uId = reinterpret_cast<UINT_PTR>(hint_);
            ti.lpszText = const_cast<char*>(tipText_.c_str());
            SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
            SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        }
    }
    measure();
    layout();
}

void TitlePane::drawSeparator(HDC dc, int x, int top, int bottom) {
    // Two raised ridges: highlight, face, shadow, twice.
    const int colours[] = {COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_BTNSHADOW};
    for (int ridge = 0; ridge < 2; ++ridge) {
        for (int k = 0; k < 3; ++k) {
            RECT line{x + ridge * 3 + k, top, x + ridge * 3 + k + 1, bottom};
            FillRect(dc, &line, GetSysColorBrush(colours[k]));
        }
    }
}

RECT TitlePane::itemRect(size_t i) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int inner = titlepane::Inset;
    const int border = GetSystemMetrics(SM_CXBORDER);
    const Item& item = items_[i];
    int textRight = inner + item.at.x + item.at.width;
    if (i == 0 && hint_) textRight -= HintSize + HintGap;
    return RECT{inner + item.at.x + border + 2, inner, textRight, client.bottom - inner};
}

void TitlePane::paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT top{0, 0, client.right, 1};
    FillRect(dc, &top, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    RECT bottom{0, client.bottom - 1, client.right, client.bottom};
    FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNSHADOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const int inner = titlepane::Inset;
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        RECT r = itemRect(i);
        HGDIOBJ old = SelectObject(dc, item.font ? item.font : GetStockObject(DEFAULT_GUI_FONT));
        DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &r,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, old);
        if (i + 1 < items_.size()) {
            const int gapLeft = inner + item.at.x + item.at.width;
            drawSeparator(dc, gapLeft + (titlepane::SeparatorWidth - 6) / 2, inner, client.bottom - inner);
        }
    }
}

}  // namespace gw
