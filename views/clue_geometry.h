// The arithmetic of the clue lists and the clue prompt, apart from their windows so
// that it is tested natively.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

namespace gw::cluegeom {

// Room added to a measured item so that its last letter never touches the edge.
constexpr int ItemSlack = 5;
constexpr int PromptLeft = 10;      // the prompt's text starts this far in
constexpr int PromptFitMargin = 15; // and must leave this much when shrunk to fit

// "%4d. %s": the padded number keeps a list sorted by text in number order.
inline std::string itemText(int number, const char* text) {
    char head[16];
    std::snprintf(head, sizeof head, "%4d. ", number);
    return std::string(head) + (text ? text : "");
}

// The clue number of an item text (0 when it has none).
inline int itemNumber(const char* text) {
    int n = 0;
    if (!text) return 0;
    while (*text == ' ') ++text;
    while (*text >= '0' && *text <= '9') n = n * 10 + (*text++ - '0');
    return n;
}

// The clue text of an item, after "%4d. ".
inline const char* itemClue(const char* text) {
    if (!text) return "";
    const char* dot = text;
    while (*dot && *dot != '.') ++dot;
    if (!*dot) return text;
    ++dot;
    return *dot == ' ' ? dot + 1 : dot;
}

// Item data: the number in the low 16 bits, the measured width + slack in the high.
inline uint32_t itemData(int number, int textWidth) {
    const uint32_t width = uint32_t(textWidth + ItemSlack) & 0xFFFFu;
    return (width << 16) | (uint32_t(number) & 0xFFFFu);
}
inline int dataNumber(uint32_t data) { return int(data & 0xFFFFu); }
inline int dataWidth(uint32_t data) { return int(data >> 16); }

// A list pane no more than two headers high shows its clue on one line.
inline bool isCompact(int paneHeight, int headerHeight) { return paneHeight <= 2 * headerHeight; }

// Point size of the prompt's type for a prompt `height` pixels high; never below one
// point (a zero size would ask for the system's default, far too large).
inline int promptPoints(int height, int dpi) {
    if (dpi <= 0) dpi = 96;
    const int points = (9 * height - 54) * 8 / dpi;
    return points < 1 ? 1 : points;
}

// The point size for a text of `textWidth` pixels (measured in the full-height type)
// in a prompt `height` high and `clientWidth` wide: the full height's size while the
// text fits, else the size for the height that scales the text down to the width
// less the margin. Its floor is the one of promptPoints: a text too long even for
// that is clipped.
inline int fittedPromptPoints(int height, int dpi, int clientWidth, int textWidth) {
    if (textWidth <= clientWidth - PromptLeft || textWidth <= 0) return promptPoints(height, dpi);
    const long long fitted = (long long)(clientWidth - PromptFitMargin) * height / textWidth;
    return promptPoints(int(fitted), dpi);
}

}  // namespace gw::cluegeom
