#include "prefs/fonts_page.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "doc/puzzle_document.h"
#include "resources/resource_ids.h"
#include "resources/string_ids.h"
#include "shell/fonts_colours.h"
#include "shell/layout_manager.h"
#include "shell/main_window.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"
#include "views/grid_view.h"
#include "views/title_pane.h"

namespace gw {
namespace {

constexpr int SampleHeight = 18;
constexpr int ItemHeight = SampleHeight + 4;

int CALLBACK collectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    // Vertical variants ("@Face") are the same family turned on its side.
    if (font->lfFaceName[0] && font->lfFaceName[0] != '@')
        reinterpret_cast<std::set<std::string>*>(param)->insert(font->lfFaceName);
    return 1;
}

// The text of a face-list item; "" for none.
std::string faceAt(HWND list, WPARAM index) {
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::string face(size_t(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(face.data()));
    face.resize(std::strlen(face.c_str()));
    return face;
}

}  // namespace

FontsPage::FontsPage(PreferenceContext& context)
    : PreferencePage(context, GW_PAGE_FONT, IDS_PAGE_FONTS, "pref_font.htm") {}

FontsPage::~FontsPage() {
    for (auto& sample : samples_)
        if (sample.second) DeleteObject(sample.second);
}

std::vector<std::string> FontsPage::installedFaces() {
    std::set<std::string> faces;
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &wanted, &collectFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, dc);
    return {faces.begin(), faces.end()};
}

int FontsPage::target() const {
    if (checked(IDC_FONT_CLUES)) return IDC_FONT_CLUES;
    if (checked(IDC_FONT_TITLE)) return IDC_FONT_TITLE;
    return IDC_FONT_GRID;
}

bool FontsPage::forPrint() const { return checked(IDC_FONT_PRINT); }

std::string FontsPage::currentFace() const {
    const FontsAndColours* fonts = context_.frame.fontsAndColours();
    if (!fonts) return {};
    switch (target()) {
        case IDC_FONT_CLUES: return forPrint() ? fonts->printClueFace : fonts->clueFont.face();
        case IDC_FONT_TITLE: return forPrint() ? fonts->printLegendFace : fonts->titleFont.face();
        default: return forPrint() ? fonts->printGridFace : fonts->gridCharFont.face();
    }
}

std::string FontsPage::selectedFace() const {
    HWND list = item(IDC_FONT_FACES);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return index < 0 ? std::string() : faceAt(list, WPARAM(index));
}

void FontsPage::showTargetFace() {
    const std::string face = currentFace();
    HWND list = item(IDC_FONT_FACES);
    const LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(face.c_str()));
    SendMessageA(list, CB_SETCURSEL, WPARAM(index),
                 0);  // none when the face is not installed
}

void FontsPage::init() {
    check(IDC_FONT_DISPLAY, true);
    check(IDC_FONT_GRID, true);
    HWND list = item(IDC_FONT_FACES);
    SendMessageA(list, CB_SETITEMHEIGHT, 0, ItemHeight);
    SendMessageA(list, CB_SETITEMHEIGHT, WPARAM(-1), ItemHeight);
    for (const std::string& face : installedFaces())
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.c_str()));
    showTargetFace();
}

void FontsPage::command(int id, int code) {
    if (id == IDC_FONT_FACES) {
        if (code == CBN_SELCHANGE && selectedFace() != currentFace()) markChanged();
        return;
    }
    // A face picked for the previous target and not applied is dropped.
    if (code == BN_CLICKED && id >= IDC_FONT_DISPLAY && id <= IDC_FONT_TITLE) showTargetFace();
}

bool FontsPage::apply() {
    FontsAndColours* fonts = context_.frame.fontsAndColours();
    const std::string face = selectedFace();
    if (!fonts || face.empty() || face == currentFace()) return false;
    MainWindow& frame = context_.frame;
    if (forPrint()) {
        switch (target()) {
            case IDC_FONT_CLUES: fonts->printClueFace = face; break;
            case IDC_FONT_TITLE: fonts->printLegendFace = face; break;
            default: fonts->printGridFace = face; break;
        }
        context_.document.printJob.reset();  // the next print is laid out with the new face
        return true;
    }
    switch (target()) {
        case IDC_FONT_CLUES:
            if (!fonts->clueFont.setFace(face.c_str())) return false;
            if (LayoutManager* layout = frame.layout()) {
                if (ClueLists* lists = layout->clueLists()) lists->fontChanged();
                if (CluePrompt* prompt = layout->prompt()) prompt->fontChanged();
            }
            break;
        case IDC_FONT_TITLE:
            fonts->titleFont.setFace(face.c_str());
            fonts->authorFont.setFace(face.c_str());
            fonts->copyrightFont.setFace(face.c_str());
            if (TitlePane* pane = frame.titlePane())
                pane->setFonts(fonts->titleFont.font(), fonts->authorFont.font(), fonts->copyrightFont.font());
            frame.relayout();
            break;
        default:
            fonts->gridCharFont.setFace(face.c_str());
            fonts->gridNumFont.setFace(face.c_str());
            if (GridView* view = frame.gridView()) view->setStyle(GridStyle::fromFonts(*fonts));
            break;
    }
    return true;
}

HFONT FontsPage::sampleFont(const std::string& face) {
    for (auto& sample : samples_)
        if (sample.first == face) return sample.second;
    LOGFONTA d{};
    d.lfHeight = -SampleHeight;
    d.lfWeight = FW_NORMAL;
    d.lfCharSet = DEFAULT_CHARSET;
    d.lfQuality = ANTIALIASED_QUALITY;
    std::strncpy(d.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    samples_.emplace_back(face, CreateFontIndirectA(&d));
    return samples_.back().second;
}

bool FontsPage::drawItem(const DRAWITEMSTRUCT& di) {
    if (di.CtlID != IDC_FONT_FACES) return false;
    const bool selected = (di.itemState & ODS_SELECTED) != 0;
    FillRect(di.hDC, &di.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (int(di.itemID) < 0) return true;
    const std::string face = faceAt(di.hwndItem, di.itemID);
    if (face.empty()) return true;
    HGDIOBJ old = SelectObject(di.hDC, sampleFont(face));
    SetBkMode(di.hDC, TRANSPARENT);
    SetTextColor(di.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = di.rcItem;
    text.left += 3;
    DrawTextA(di.hDC, face.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(di.hDC, old);
    if (di.itemState & ODS_FOCUS) DrawFocusRect(di.hDC, &di.rcItem);
    return true;
}

}  // namespace gw
