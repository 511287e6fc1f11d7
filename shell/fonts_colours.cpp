#include "shell/fonts_colours.h"

#include <commdlg.h>

#include <cstring>

#include "ports/core_context.h"
#include "ports/settings_names.h"
#include "shell/system_libraries.h"

namespace gw {
namespace sn = settings_names;
namespace sd = settings_defaults;

namespace {

void copyFace(char (&dest)[LF_FACESIZE], const char* face) {
    std::memset(dest, 0, sizeof dest);
    if (face) std::strncpy(dest, face, FontRecord::kFaceMax);
}

bool defaultChooser(CHOOSECOLORA& cc) { return syslib::chooseColour(&cc) != FALSE; }
ColourChooserFn g_chooser = nullptr;

int g_highContrastForced = -1;
int g_highContrastRead = -1;

bool systemHighContrast() {
    HIGHCONTRASTA hc{};
    hc.cbSize = sizeof hc;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON);
}

bool readLimited(const char* section, const char* name, std::string& value, size_t capacity) {
    return readTextLimited(settings(), section, name, value, capacity);
}

}  // namespace

void setColourChooserForTesting(ColourChooserFn fn) { g_chooser = fn; }

// ---------------------------------------------------------------- high contrast

bool highContrast() {
    if (g_highContrastForced >= 0) return g_highContrastForced == 1;
    if (g_highContrastRead < 0) g_highContrastRead = systemHighContrast() ? 1 : 0;
    return g_highContrastRead == 1;
}

bool refreshHighContrast() {
    const bool before = highContrast();
    g_highContrastRead = systemHighContrast() ? 1 : 0;
    return highContrast() != before;
}

void setHighContrastForTesting(int state) { g_highContrastForced = state < 0 ? -1 : (state ? 1 : 0); }

GridColours screenGridColours(COLORREF pen, COLORREF pencil, COLORREF currentLetter, COLORREF currentWord) {
    GridColours c;
    if (!highContrast()) {
        c.pen = pen;
        c.number = GetSysColor(COLOR_WINDOWTEXT);
        c.pencil = pencil;
        c.currentLetter = currentLetter;
        c.currentWord = currentWord;
        return c;
    }
    // The six colours a high-contrast scheme defines for content. The current word
    // keeps the window's background (so its letters stay window text) and is framed
    // in the highlight colour; the cursor square takes the highlight with its text
    // colour and a frame in the hot-light colour.
    c.background = GetSysColor(COLOR_WINDOW);
    c.lines = c.pen = c.number = c.wasWrongMark = GetSysColor(COLOR_WINDOWTEXT);
    c.pencil = GetSysColor(COLOR_GRAYTEXT);
    c.currentLetter = GetSysColor(COLOR_HIGHLIGHT);
    c.cursorText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    c.cursorFrame = c.revealedMark = GetSysColor(COLOR_HOTLIGHT);
    c.currentWord = c.background;
    c.wordFrame = GetSysColor(COLOR_HIGHLIGHT);
    return c;
}

// ---------------------------------------------------------------- FontRecord

FontRecord::~FontRecord() {
    if (font_) DeleteObject(font_);
}

void FontRecord::replace(const LOGFONTA& desc, HFONT font) {
    if (font_ && font_ != font) DeleteObject(font_);
    desc_ = desc;
    font_ = font;
}

bool FontRecord::create(HWND window, const char* role, int points, int weight, const char* face) {
    LOGFONTA d{};
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(window, dc);
    d.lfHeight = MulDiv(-points, dpi, 72) - 1;
    d.lfWeight = weight;
    d.lfCharSet = DEFAULT_CHARSET;
    d.lfOutPrecision = OUT_OUTLINE_PRECIS;
    if (face) {
        copyFace(d.lfFaceName, face);
        if (std::strcmp(face, sd::SymbolFace) == 0) d.lfCharSet = SYMBOL_CHARSET;
    } else {
        std::string stored = sd::FontFace;
        if (role) readLimited(sn::Fonts, role, stored, sd::FaceCapacity);
        copyFace(d.lfFaceName, stored.c_str());
    }
    replace(d, CreateFontIndirectA(&d));
    return font_ != nullptr;
}

bool FontRecord::createLike(const FontRecord& source, int height, int weight) {
    LOGFONTA d = source.desc_;
    d.lfHeight = height;
    d.lfWidth = 0;
    d.lfWeight = weight;
    replace(d, CreateFontIndirectA(&d));
    return font_ != nullptr;
}

bool FontRecord::setFace(const char* face) {
    if (!face) return false;
    LOGFONTA d = desc_;
    copyFace(d.lfFaceName, face);
    HFONT f = CreateFontIndirectA(&d);
    if (!f) return false;
    replace(d, f);
    return true;
}

void FontRecord::storeFace(const char* role) const {
    if (role) settings().writeText(sn::Fonts, role, desc_.lfFaceName);
}

// ---------------------------------------------------------------- ColourRecord

void ColourRecord::read(const char* section, const char* name, uint32_t defaultColour) {
    colour = defaultColour;
    settings().readColour(section, name, colour);
}

void ColourRecord::write(const char* section, const char* name) const {
    settings().writeColour(section, name, colour);
}

bool ColourRecord::choose(HWND owner) {
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = colour;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
    const bool ok = g_chooser ? g_chooser(cc) : defaultChooser(cc);
    if (!ok) return false;
    colour = cc.rgbResult;
    return true;
}

// ---------------------------------------------------------------- FontsAndColours

void FontsAndColours::load(HWND window) {
    titleFont.create(window, sn::TitleFont, 10, FW_BOLD);
    authorFont.create(window, sn::AuthorFont, 8, 0);
    copyrightFont.create(window, sn::CopyrightFont, 8, 0);
    gridCharFont.create(window, sn::GridCharFont, 11, FW_BOLD);
    gridNumFont.create(window, sn::GridNumFont, 8, 0);
    gridSymFont.create(window, sn::GridSymFont, 12, 0, sd::SymbolFace);
    clueFont.create(window, sn::ClueFont, 9, 0);

    printLegendFace = printGridFace = printClueFace = sd::FontFace;
    readLimited(sn::Fonts, sn::PrintLegendFont, printLegendFace, sd::PrintFaceCapacity);
    readLimited(sn::Fonts, sn::PrintGridFont, printGridFace, sd::PrintFaceCapacity);
    readLimited(sn::Fonts, sn::PrintClueFont, printClueFace, sd::PrintFaceCapacity);

    gridWhite.read(sn::Colors, sn::GridWhite, sd::GridWhite);
    gridBlack.read(sn::Colors, sn::GridBlack, sd::GridBlack);
    currentLetter.read(sn::Colors, sn::CurrentLetter, sd::CurrentLetter);
    currentWord.read(sn::Colors, sn::CurrentWord, sd::CurrentWord);
    currentClue.read(sn::Colors, sn::CurrentClue, sd::CurrentClue);
    promptText.read(sn::Colors, sn::PromptText, sd::PromptText);
    currentClueText.read(sn::Colors, sn::CurrentClueText, sd::CurrentClueText);
    crossClueText.read(sn::Colors, sn::CrossClueText, sd::CrossClueText);
    pencilColor.read(sn::Colors, sn::PencilColor, sd::PencilColor);
    penColor.read(sn::Colors, sn::PenColor, sd::PenColor);

    printBrushIndex = sd::PrintBrushIndex;
    printGridPosition = sd::PrintGridPosition;
    settings().readInt(sn::Print, sn::PrintBrushIndex, printBrushIndex);
    settings().readInt(sn::Print, sn::PrintGridPosition, printGridPosition);
}

ClueColours FontsAndColours::screenClueColours() const {
    ClueColours c{GetSysColor(COLOR_WINDOW),  GetSysColor(COLOR_WINDOWTEXT), currentClue.colour,
                  currentClueText.colour,     crossClueText.colour,          promptText.colour,
                  GetSysColorBrush(COLOR_WINDOW)};
    if (highContrast()) {
        c.currentClue = GetSysColor(COLOR_HIGHLIGHT);
        c.currentClueText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        c.crossClueText = GetSysColor(COLOR_HOTLIGHT);
        c.promptText = GetSysColor(COLOR_WINDOWTEXT);
    }
    return c;
}

void FontsAndColours::save() const {
    titleFont.storeFace(sn::TitleFont);
    authorFont.storeFace(sn::AuthorFont);
    copyrightFont.storeFace(sn::CopyrightFont);
    gridCharFont.storeFace(sn::GridCharFont);
    gridNumFont.storeFace(sn::GridNumFont);
    clueFont.storeFace(sn::ClueFont);
    SettingsStore& store = settings();
    store.writeText(sn::Fonts, sn::PrintLegendFont, printLegendFace);
    store.writeText(sn::Fonts, sn::PrintGridFont, printGridFace);
    store.writeText(sn::Fonts, sn::PrintClueFont, printClueFace);

    currentLetter.write(sn::Colors, sn::CurrentLetter);
    currentWord.write(sn::Colors, sn::CurrentWord);
    currentClue.write(sn::Colors, sn::CurrentClue);
    promptText.write(sn::Colors, sn::PromptText);
    currentClueText.write(sn::Colors, sn::CurrentClueText);
    crossClueText.write(sn::Colors, sn::CrossClueText);
    pencilColor.write(sn::Colors, sn::PencilColor);
    penColor.write(sn::Colors, sn::PenColor);

    store.writeInt(sn::Print, sn::PrintBrushIndex, printBrushIndex);
    store.writeInt(sn::Print, sn::PrintGridPosition, printGridPosition);
}

}  // namespace gw
