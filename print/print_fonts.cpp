#include "print/print_fonts.h"

#include <cstring>

namespace gw::print {
namespace {

constexpr int FaceMax = 31;

struct FontStyle {
    int points;
    int weight;
    bool symbol;
};

FontStyle styleOf(PrintFont f) {
    switch (f) {
        case PrintFont::Title: return {12, FW_BOLD, false};
        case PrintFont::Author: return {12, FW_NORMAL, false};
        case PrintFont::Copyright: return {8, FW_NORMAL, false};
        case PrintFont::Clue: return {11, FW_NORMAL, false};
        case PrintFont::GridNumber: return {8, 400, false};
        case PrintFont::GridLetter: return {13, FW_BOLD, false};
        default: return {13, FW_NORMAL, true};
    }
}

}  // namespace

PrintFonts::PrintFonts(HDC dc, const PrintFaces& faces) : dc_(dc), faces_(faces) {}

PrintFonts::~PrintFonts() { release(); }

void PrintFonts::release() {
    for (HFONT& f : fonts_) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
}

int PrintFonts::fontHeight(int points, int dpiY, int percent) { return -(points * dpiY / 72) * percent / 100; }

void PrintFonts::setScale(int percent) {
    if (percent == scale_ && fonts_[0]) return;
    release();
    scale_ = percent;
    const int dpiY = GetDeviceCaps(dc_, LOGPIXELSY);
    for (int i = 0; i < int(PrintFont::Count); ++i) {
        const PrintFont role = PrintFont(i);
        const FontStyle style = styleOf(role);
        LOGFONTA d{};
        d.lfHeight = fontHeight(style.points, dpiY, percent);
        d.lfWeight = style.weight;
        d.lfCharSet = style.symbol ? SYMBOL_CHARSET : DEFAULT_CHARSET;
        d.lfOutPrecision = OUT_DEVICE_PRECIS;
        d.lfQuality = PROOF_QUALITY;
        d.lfPitchAndFamily = VARIABLE_PITCH;
        const std::string& face = style.symbol ? std::string("Webdings")
                                  : (role == PrintFont::Clue) ? faces_.clue
                                  : (role == PrintFont::GridNumber || role == PrintFont::GridLetter) ? faces_.grid
                                                                                                       : faces_.legend;
        std::strncpy(d.lfFaceName, face.c_str(), FaceMax);
        fonts_[i] = CreateFontIndirectA(&d);
        TEXTMETRICA tm{};
        HGDIOBJ old = SelectObject(dc_, fonts_[i]);
        GetTextMetricsA(dc_, &tm);
        SelectObject(dc_, old);
        metrics_[i] = {int(tm.tmHeight), int(tm.tmAscent), int(tm.tmExternalLeading)};
    }
}

FontMetrics PrintFonts::metrics(PrintFont f) { return metrics_[int(f)]; }

int PrintFonts::textWidth(PrintFont f, std::string_view text) {
    if (text.empty()) return 0;
    SIZE size{};
    HGDIOBJ old = SelectObject(dc_, fonts_[int(f)]);
    GetTextExtentPoint32A(dc_, text.data(), int(text.size()), &size);
    SelectObject(dc_, old);
    return int(size.cx);
}

}  // namespace gw::print
