// The small port through which the page layout measures text on the print device.
// The printer implementation makes the print fonts at a scale; tests use a fake.
#pragma once
#include <string_view>

namespace gw::print {

enum class PrintFont { Title, Author, Copyright, Clue, GridNumber, GridLetter, GridSymbol, Count };

struct FontMetrics {
    int height = 0;  // character cell height: one line of text
    int ascent = 0;
    int externalLeading = 0;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Makes every print font at `percent` of its nominal size.
    virtual void setScale(int percent) = 0;
    virtual FontMetrics metrics(PrintFont font) = 0;
    // Width of one line of text (no line breaks in it).
    virtual int textWidth(PrintFont font, std::string_view text) = 0;
};

}  // namespace gw::print
