// The print fonts on a printer (or any) device context, made at a scale, and the
// text measuring the page layout asks for.
#pragma once
#include <windows.h>

#include <string>

#include "print/layout/text_measure.h"

namespace gw::print {

struct PrintFaces {
    std::string legend = "Arial", grid = "Arial", clue = "Arial";
};

class PrintFonts : public TextMeasure {
public:
    PrintFonts(HDC dc, const PrintFaces& faces);
    ~PrintFonts() override;
    PrintFonts(const PrintFonts&) = delete;
    PrintFonts& operator=(const PrintFonts&) = delete;

    void setScale(int percent) override;
    FontMetrics metrics(PrintFont font) override;
    int textWidth(PrintFont font, std::string_view text) override;

    HFONT font(PrintFont f) const { return fonts_[int(f)]; }
    int scale() const { return scale_; }
    // Logical height of a font of `points` on a device of `dpiY` at `percent`.
    static int fontHeight(int points, int dpiY, int percent);

private:
    void release();

    HDC dc_;
    PrintFaces faces_;
    int scale_ = 0;
    HFONT fonts_[int(PrintFont::Count)] = {};
    FontMetrics metrics_[int(PrintFont::Count)] = {};
};

}  // namespace gw::print
