// Breaks a text into lines no wider than a width: at blanks, after hyphens and at
// line breaks; a word wider than the width is cut between characters so that
// nothing runs past the edge.
#pragma once
#include <string>
#include <vector>

#include "print/layout/text_measure.h"

namespace gw::print {

std::vector<std::string> wrapText(TextMeasure& measure, PrintFont font, const std::string& text, int width);

// The widest of the lines.
int widestLine(TextMeasure& measure, PrintFont font, const std::vector<std::string>& lines);

}  // namespace gw::print
