#include "print/layout/text_wrap.h"

#include <algorithm>

namespace gw::print {
namespace {

// Pieces that may end a line: a word with the blanks after it, or a word up to and
// including a hyphen.
std::vector<std::string> pieces(const std::string& paragraph) {
    std::vector<std::string> out;
    std::string piece;
    for (size_t i = 0; i < paragraph.size(); ++i) {
        const char c = paragraph[i];
        piece += c;
        const bool nextIsBlank = i + 1 < paragraph.size() && paragraph[i + 1] == ' ';
        if ((c == ' ' && !nextIsBlank) || (c == '-' && !nextIsBlank)) {
            out.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) out.push_back(piece);
    return out;
}

std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// Cuts a piece wider than the width into parts that fit (at least one character each).
void cutWide(TextMeasure& m, PrintFont font, const std::string& piece, int width, std::vector<std::string>& lines,
             std::string& line) {
    for (char c : piece) {
        std::string longer = line + c;
        if (!line.empty() && m.textWidth(font, trimRight(longer)) > width) {
            lines.push_back(trimRight(line));
            line.assign(1, c);
        } else {
            line = longer;
        }
    }
}

void wrapParagraph(TextMeasure& m, PrintFont font, const std::string& paragraph, int width,
                   std::vector<std::string>& lines) {
    std::string line;
    for (const std::string& piece : pieces(paragraph)) {
        std::string longer = line + piece;
        if (m.textWidth(font, trimRight(longer)) <= width) {
            line = longer;
            continue;
        }
        if (!line.empty()) lines.push_back(trimRight(line));
        line.clear();
        if (m.textWidth(font, trimRight(piece)) <= width)
            line = piece;
        else
            cutWide(m, font, piece, width, lines, line);
    }
    lines.push_back(trimRight(line));
}

}  // namespace

std::vector<std::string> wrapText(TextMeasure& measure, PrintFont font, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string paragraph;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            wrapParagraph(measure, font, paragraph, std::max(1, width), lines);
            paragraph.clear();
        } else if (text[i] != '\r') {
            paragraph += text[i] == '\t' ? ' ' : text[i];
        }
    }
    return lines;
}

int widestLine(TextMeasure& measure, PrintFont font, const std::vector<std::string>& lines) {
    int widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, measure.textWidth(font, l));
    return widest;
}

}  // namespace gw::print
