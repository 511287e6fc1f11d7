#include "print/layout/page_layout.h"

#include <algorithm>

#include "print/layout/print_items.h"
#include "print/layout/text_wrap.h"

namespace gw::print {
namespace {

constexpr int MaxClueColumns = 10;
constexpr size_t MaxNumberText = 8;  // "9999. " and a little more

// Everything one attempt at a scale step works with.
struct Attempt {
    TextMeasure& m;
    const DeviceFacts& d;
    const PrintContent& c;
    uint32_t items;
    int W, H;        // the page area (printable size less an inch each way)
    PagePlan plan;
    int headerBottom = 0;  // where the grid (or what comes first under the header) starts
    Box gridBox;           // grid with its footnotes, before it is moved
    int used = 0;          // height used from the top by title, author, grid and copyright
    int moveRight = 0, moveDown = 0;
    size_t gridTextsFrom = 0, gridTextsTo = 0;  // footnotes and copyright move with the grid

    Attempt(TextMeasure& measure, const DeviceFacts& device, const PrintContent& content, uint32_t wanted)
        : m(measure), d(device), c(content), items(wanted),
          W(std::max(1, device.printableWidth - device.dpiX)), H(std::max(1, device.printableHeight - device.dpiY)) {}

    bool has(uint32_t item) const { return (items & item) != 0; }
    int lineHeight(PrintFont f) { return m.metrics(f).height; }

    int placeLines(PrintFont f, const std::vector<std::string>& lines, int x, int y) {
        for (const std::string& l : lines) {
            plan.texts.push_back({f, x, y, l});
            y += lineHeight(f);
        }
        return y;
    }
};

void placeHeader(Attempt& a) {
    const bool title = a.has(ItemTitle) && !a.c.title.empty();
    const bool author = a.has(ItemAuthor) && !a.c.author.empty();
    int titleWidth = 0, titleHeight = 0;
    if (title) {
        auto lines = wrapText(a.m, PrintFont::Title, a.c.title, a.W);
        titleWidth = widestLine(a.m, PrintFont::Title, lines);
        titleHeight = a.placeLines(PrintFont::Title, lines, 0, 0);
    }
    a.headerBottom = title ? titleHeight + a.d.dpiY / 16 : 0;
    if (!author) return;
    const int gap = a.d.dpiX / 16;
    const int authorWidth = a.m.textWidth(PrintFont::Author, a.c.author);
    const int authorHeight = a.lineHeight(PrintFont::Author);
    if (title && titleWidth + gap + authorWidth <= a.W && authorHeight <= titleHeight) {
        a.plan.texts.push_back({PrintFont::Author, titleWidth + gap, (titleHeight - authorHeight) / 2, a.c.author});
        return;
    }
    auto lines = wrapText(a.m, PrintFont::Author, a.c.author, a.W);
    a.headerBottom = a.placeLines(PrintFont::Author, lines, 0, titleHeight) + a.d.dpiY / 8;
}

// Grid and footnotes at the left under the header, then the copyright under them.
void placeGridAndCopyright(Attempt& a) {
    a.used = a.headerBottom;
    a.gridTextsFrom = a.plan.texts.size();
    if (a.has(ItemGrid) && a.c.gridColumns > 0 && a.c.gridRows > 0) {
        const FontMetrics letter = a.m.metrics(PrintFont::GridLetter), number = a.m.metrics(PrintFont::GridNumber);
        const int c = std::max(1, letter.height + number.ascent + number.externalLeading);
        a.plan.gridShown = true;
        a.plan.cellHeight = c;
        a.plan.cellWidth = std::max(1, c * a.d.dpiX / a.d.dpiY);
        const int width = (a.c.gridColumns * c + 2) * a.d.dpiX / a.d.dpiY;
        a.plan.grid = {0, a.used, width, a.used + a.c.gridRows * c + 2};
        a.gridBox = a.plan.grid;
        if (!a.c.footnotes.empty()) {
            auto lines = wrapText(a.m, PrintFont::GridNumber, a.c.footnotes, width);
            a.gridBox.bottom = a.placeLines(PrintFont::GridNumber, lines, 0, a.plan.grid.bottom + 3);
        }
        a.used = a.gridBox.bottom;
    }
    if (a.has(ItemCopyright) && !a.c.copyright.empty()) {
        const int top = a.plan.gridShown ? a.used + a.d.dpiY / 32 : a.used;
        a.used = a.placeLines(PrintFont::Copyright, wrapText(a.m, PrintFont::Copyright, a.c.copyright, a.W), 0, top);
    } else if (a.plan.gridShown) {
        a.used += a.d.dpiY / 8;
    }
    a.gridTextsTo = a.plan.texts.size();
}


// Preferred column width: at least eleven W's and the narrowest clue line, and the
// average clue plus room for the number.
int preferredWidth(Attempt& a, int numberWidth) {
    int narrowest = -1;
    long long sum = 0;
    int count = 0;
    for (const ClueLine& l : a.c.clues) {
        if (l.heading) continue;
        const int text = a.m.textWidth(PrintFont::Clue, l.text);
        const int whole = a.m.textWidth(PrintFont::Clue, l.number + l.text);
        narrowest = narrowest < 0 ? whole : std::min(narrowest, whole);
        sum += text;
        ++count;
    }
    const int minimum = std::max(a.m.textWidth(PrintFont::Clue, "WWWWWWWWWWW"), narrowest);
    const int average = count ? int(sum / count) : 0;
    return std::max(minimum, average + numberWidth);
}


}  // namespace

namespace {

struct Columns {
    std::vector<Box> slots;
    std::vector<std::vector<std::string>> wrapped;  // each clue's text lines at the column width
    std::vector<int> heights;                        // each sheet line's single height
    int width = 1;
    int numberWidth = 0;
};

// The width every column gets, the columns beside the grid and the grid's moves.
struct Placement {
    int w = 1, b = 0, u = 0, e = 0;
};

Placement columnWidth(Attempt& a, int p, int numberWidth) {
    Placement s;
    s.w = std::max(1, preferredWidth(a, numberWidth));
    const int pos = a.c.gridPosition;
    const bool gridLeft = pos == 0 || pos == 2;
    const int W = a.W, gr = a.gridBox.right;
    if (!a.plan.gridShown) {
        const int n = W / s.w;
        s.w = n >= 1 ? s.w + (W % s.w) / n - p : W - p;
        s.w = std::max(1, s.w);
        return s;
    }
    if (gridLeft) {
        const int n = (W - gr) / (s.w + p);
        if (n >= 2) s.w = std::max(1, (W - gr) / n - p);
        s.u = gr / (s.w + p);
        const int slack = gr - s.u * (s.w + p);
        s.e = slack / 3;
        // Spread more than three columns evenly rather than pushing the last past the grid.
        if (s.u > 0) s.e = std::min(s.e, (slack + p) / s.u);
    }
    s.b = std::clamp((W - gr) / (s.w + p), 0, MaxClueColumns);
    if (s.b != 0 && !gridLeft) {
        s.w = std::max(1, s.b == 1 ? std::min(s.w, W - gr - p) : (W - gr) / s.b - p);
        a.moveRight = s.b * (s.w + p);
    }
    return s;
}

void measureClues(Attempt& a, Columns& cols, int& tallest, long long& total) {
    tallest = 0;
    total = 0;
    for (const ClueLine& l : a.c.clues) {
        int h;
        if (l.heading) {
            cols.wrapped.emplace_back();
            h = a.lineHeight(PrintFont::GridLetter);
        } else {
            cols.wrapped.push_back(wrapText(a.m, PrintFont::Clue, l.text, cols.width - cols.numberWidth));
            h = int(cols.wrapped.back().size()) * a.lineHeight(PrintFont::Clue);
        }
        cols.heights.push_back(h);
        tallest = std::max(tallest, h);
        total += h;
    }
}

// The slots the clue lines flow into, in flowing order.
void placeSlots(Attempt& a, Columns& cols) {
    const int p = std::max(1, a.d.dpiX / 8), q = a.d.dpiY / 8;
    const int y = a.used, H = a.H, gt = a.gridBox.top, gr = a.gridBox.right;
    const int pos = a.c.gridPosition;
    const bool gridLeft = pos == 0 || pos == 2;
    cols.numberWidth = a.m.textWidth(PrintFont::Clue, "999. ");
    const Placement s = columnWidth(a, p, cols.numberWidth);
    const int w = s.w;
    cols.width = w;
    int tallest = 0;
    long long total = 0;
    measureClues(a, cols, tallest, total);

    std::vector<Box> beside;
    for (int i = 0; i < s.b; ++i) {
        int left = (w + p) * (s.u + i);
        // Never over the grid, also when it is narrower than one column.
        if (gridLeft) left = std::max(left, gr + p + (w + p) * i);
        beside.push_back({left, gt, left + w, y - q});
        total -= std::max(0, y - q - gt);
    }
    if (total <= 0) {
        cols.slots = beside;
        return;
    }
    int t = a.plan.gridShown && gridLeft ? s.b + s.u : std::min(MaxClueColumns, (a.W + p) / (w + p));
    t = std::max(t, s.b);
    if (t <= 0) return;
    const int h = int(std::min<long long>(total / t + tallest, H - y));
    for (int i = 0; i < t; ++i) {
        const bool isBeside = s.u == 0 ? i < s.b : (i >= s.u && i < s.u + s.b);
        if (isBeside) {
            Box box = beside[size_t(s.u == 0 ? i : i - s.u)];
            box.bottom = std::min(H, y + h);
            cols.slots.push_back(box);
            continue;
        }
        const int left = (p + s.e + w) * i + s.e;
        Box box{left, y, left + w, std::min(H, y + h)};
        if (a.plan.gridShown && pos >= 2) {
            box.top = gt;
            box.bottom = std::min(gt + h, gt + a.moveDown - a.d.dpiY / 4);
            a.moveDown = std::max(0, std::min(a.moveDown, box.bottom + a.d.dpiY / 4 - gt));
        }
        cols.slots.push_back(box);
    }
}

void placeClue(Attempt& a, const Columns& cols, size_t i, const Box& slot, int top, int height) {
    const ClueLine& l = a.c.clues[i];
    if (l.heading) {
        const int single = a.lineHeight(PrintFont::GridLetter);
        a.plan.texts.push_back({PrintFont::GridLetter, slot.left, top + height - single, l.text});
        return;
    }
    a.plan.texts.push_back({PrintFont::Clue, slot.left, top, l.number.substr(0, MaxNumberText)});
    a.placeLines(PrintFont::Clue, cols.wrapped[i], slot.left + cols.numberWidth, top);
}

// Flows the sheet lines into the slots; false when they run out of room.
bool flowClues(Attempt& a, const Columns& cols) {
    const int q = a.d.dpiY / 8;
    size_t slot = 0;
    int cursor = cols.slots.empty() ? 0 : cols.slots[0].top;
    bool first = true;
    std::vector<ClueColumn> filled(cols.slots.size());
    for (size_t i = 0; i < a.c.clues.size(); ++i) {
        int h = cols.heights[i] * (a.c.clues[i].heading && !first ? 2 : 1);
        while (slot < cols.slots.size() && cursor + h > cols.slots[slot].bottom - q) {
            if (++slot == cols.slots.size()) break;
            cursor = cols.slots[slot].top;
            first = true;
            h = cols.heights[i];
        }
        if (slot >= cols.slots.size()) break;
        placeClue(a, cols, i, cols.slots[slot], cursor, h);
        ClueColumn& c = filled[slot];
        if (c.firstLine < 0) c.firstLine = int(i);
        c.lastLine = int(i);
        c.area = cols.slots[slot];
        cursor += h;
        first = false;
        a.plan.cluesPlaced = int(i) + 1;
    }
    for (const ClueColumn& c : filled)
        if (c.firstLine >= 0) a.plan.columns.push_back(c);
    return a.plan.cluesPlaced == int(a.c.clues.size());
}

void moveBy(Box& b, int dx, int dy) {
    b.left += dx;
    b.right += dx;
    b.top += dy;
    b.bottom += dy;
}

// Moves the grid (with its footnotes and copyright) as decided, then centres the
// page area on the printable page.
void finish(Attempt& a) {
    PagePlan& plan = a.plan;
    // Room left of the grid is kept only for clues that are there to fill it.
    if (plan.columns.empty()) a.moveRight = 0;
    // Beside columns that stayed empty are dropped: the grid closes up to the last one used.
    if (a.moveRight > 0) {
        int used = 0;
        for (const ClueColumn& c : plan.columns)
            if (c.area.right <= a.moveRight) used = std::max(used, c.area.right + std::max(1, a.d.dpiX / 8));
        if (used > 0) a.moveRight = std::min(a.moveRight, used);
    }
    if (plan.gridShown) {
        moveBy(plan.grid, a.moveRight, a.moveDown);
        for (size_t i = a.gridTextsFrom; i < a.gridTextsTo; ++i) {
            PlacedText& t = plan.texts[i];
            // A copyright wider than a narrow grid moved right stays on the page.
            t.x = std::max(0, std::min(t.x + a.moveRight, a.W - a.m.textWidth(t.font, t.text)));
            t.y += a.moveDown;
        }
    }
    const int dx = a.d.dpiX / 2, dy = a.d.dpiY / 2;
    moveBy(plan.grid, dx, dy);
    for (PlacedText& t : plan.texts) {
        t.x += dx;
        t.y += dy;
    }
    for (ClueColumn& c : plan.columns) moveBy(c.area, dx, dy);
}

}  // namespace

PagePlan layoutPage(TextMeasure& measure, const DeviceFacts& device, const PrintContent& content, uint32_t items) {
    DeviceFacts d = device;
    d.dpiX = std::max(1, d.dpiX);
    d.dpiY = std::max(1, d.dpiY);
    PrintContent c = content;
    c.gridPosition = (c.gridPosition >= 0 && c.gridPosition <= 3) ? c.gridPosition : 1;
    for (int step = 0;; ++step) {
        Attempt a(measure, d, c, items);
        a.plan.items = items;
        a.plan.step = step;
        a.plan.scale = scaleAtStep(step);
        measure.setScale(a.plan.scale);
        placeHeader(a);
        placeGridAndCopyright(a);
        // The grid must fit the page area; a cut grid is no use on paper.
        bool fits = !a.plan.gridShown || (a.gridBox.right <= a.W && a.used <= a.H);
        // The bottom positions hold on every page, with clues or without; the copyright
        // under the grid keeps to the page area.
        if (a.plan.gridShown && c.gridPosition >= 2) a.moveDown = std::max(0, a.H - a.used);
        if ((items & ItemClues) && (fits || step == LastScaleStep)) {
            Columns cols;
            placeSlots(a, cols);
            fits = flowClues(a, cols) && fits;
        }
        finish(a);
        a.plan.fits = fits;
        if (fits || step == LastScaleStep) return a.plan;
    }
}

}  // namespace gw::print
