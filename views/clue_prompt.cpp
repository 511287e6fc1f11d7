#include "views/clue_prompt.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "shell/application.h"
#include "shell/window_object.h"
#include "views/clue_geometry.h"
#include "views/text_accessible.h"

namespace gw {
namespace {

constexpr int PromptWeight = 400;
constexpr char PromptRole[] = "PromptFont";

}  // namespace

CluePrompt* CluePrompt::create(HWND parent, int height, FontsAndColours& fonts) {
    RECT r{};
    GetClientRect(parent, &r);
    HWND hwnd = CreateWindowExA(0, CanvasWindowClass, "", WS_CHILD | WS_VISIBLE, 0, 0, r.right, std::max(0, height),
                                parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    auto* prompt = new CluePrompt(fonts);
    prompt->hwnd_ = hwnd;
    prompt->height_ = std::max(0, height);
    prompt->makeFullFont();
    prompt->access_ = std::make_unique<TextAccessibility>(hwnd, ROLE_SYSTEM_STATICTEXT,
                                                          [prompt] { return prompt->text_.value_or(""); });
    attachWindowObject(hwnd, prompt, &CluePrompt::windowProc);
    return prompt;
}

CluePrompt::~CluePrompt() {
    access_.reset();
    destroyWindowObject(hwnd_);
}

HFONT CluePrompt::fontInUse() const { return shrunk_ ? fitted_.font() : full_.font(); }

int CluePrompt::clientWidth() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right;
}

void CluePrompt::makeFont(FontRecord& record, int points) {
    record.create(hwnd_, PromptRole, points, PromptWeight, fonts_.clueFont.face());
}

void CluePrompt::makeFullFont() {
    HDC dc = GetDC(hwnd_);
    dpi_ = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(hwnd_, dc);
    fullPoints_ = cluegeom::promptPoints(height_, dpi_);
    makeFont(full_, fullPoints_);
    fittedPoints_ = -1;
    fit();
}

int CluePrompt::textWidth(HFONT font) const {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE s{};
    GetTextExtentPoint32A(dc, text_->c_str(), int(text_->size()), &s);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return s.cx;
}

void CluePrompt::fit() {
    shrunk_ = false;
    if (!text_ || !full_.font()) return;
    // No stepping below what the rule gives: a text that does not fit even so is clipped.
    const int points = cluegeom::fittedPromptPoints(height_, dpi_, clientWidth(), textWidth(full_.font()));
    if (points == fullPoints_) return;
    if (points != fittedPoints_) {
        makeFont(fitted_, points);
        fittedPoints_ = points;
    }
    shrunk_ = fitted_.font() != nullptr;
}

void CluePrompt::setText(int number, const char* text) {
    std::optional<std::string> wanted;
    if (text) {
        char head[16];
        std::snprintf(head, sizeof head, "%d. ", number);
        wanted = std::string(head) + text;
    }
    // Letters typed along a word keep its clue: nothing to measure or paint then.
    if (wanted == text_) return;
    text_ = std::move(wanted);
    fit();
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (access_) access_->nameChanged();
}

void CluePrompt::resized(int newHeight) {
    if (newHeight != height_) {
        height_ = newHeight;
        makeFullFont();
    } else {
        fit();
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void CluePrompt::fontChanged() {
    makeFullFont();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void CluePrompt::colourChanged() { InvalidateRect(hwnd_, nullptr, FALSE); }

void CluePrompt::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    // An empty prompt is a plain band rather than whatever was there before.
    const ClueColours colours = fonts_.screenClueColours();
    FillRect(dc, &client, colours.backgroundBrush);
    if (text_) {
        HGDIOBJ old = SelectObject(dc, fontInUse());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colours.promptText);
        RECT r = client;
        r.left = cluegeom::PromptLeft;
        DrawTextA(dc, text_->c_str(), int(text_->size()), &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(dc, old);
    }
    EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK CluePrompt::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<CluePrompt*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd) return DefWindowProcA(hwnd, msg, wp, lp);
    try {
        if (LRESULT answer = 0; self->access_ && self->access_->handles(msg, wp, lp, answer)) return answer;
        switch (msg) {
            case WM_PAINT: self->paint(); return 0;
            case WM_ERASEBKGND: return 1;
            case WM_SIZE: self->resized(HIWORD(lp)); return 0;
            case WM_SETCURSOR:
                SetCursor(LoadCursorA(nullptr, IDC_ARROW));
                return TRUE;
            default: break;
        }
    } catch (...) {
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace gw
