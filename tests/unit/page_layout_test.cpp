// The printed page's layout against a fake device whose fonts have simple metrics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "grid_builder.h"
#include "print/layout/page_layout.h"
#include "print/layout/plan_cache.h"
#include "print/layout/print_items.h"
#include "print/layout/text_wrap.h"

namespace gw::print {
namespace {

// Every character is half as wide as its font is high; a font is 1.2 times its size.
class FakeDevice : public TextMeasure {
public:
    int dpi = 300;
    int scale = 0;
    int scaleChanges = 0;
    void setScale(int percent) override {
        scale = percent;
        ++scaleChanges;
    }
    static int points(PrintFont f) {
        switch (f) {
            case PrintFont::Title: case PrintFont::Author: return 12;
            case PrintFont::Copyright: case PrintFont::GridNumber: return 8;
            case PrintFont::Clue: return 11;
            default: return 13;
        }
    }
    FontMetrics metrics(PrintFont f) override {
        const int h = points(f) * dpi / 72 * scale / 100 * 6 / 5;
        return {h, h * 4 / 5, h / 10};
    }
    int textWidth(PrintFont f, std::string_view text) override { return int(text.size()) * metrics(f).height / 2; }
    DeviceFacts letter() const { return {dpi, dpi, dpi * 8, dpi * 21 / 2}; }  // 8 by 10.5 inches printable
};

PrintContent puzzle(int size, int clueCount, const std::string& clueText) {
    PrintContent c;
    c.title = "Everyday Fifteen";
    c.author = "Gridwell Team";
    c.copyright = "(c) 2026 Gridwell project";
    c.gridColumns = c.gridRows = size;
    c.clues.push_back({true, "", "ACROSS "});
    for (int i = 1; i <= clueCount; ++i) {
        if (i == clueCount / 2 + 1) c.clues.push_back({true, "", "DOWN"});
        c.clues.push_back({false, std::to_string(i) + ". ", clueText + " " + std::to_string(i)});
    }
    return c;
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// What every page must keep: everything inside the page area, no column over the grid
// or over another column, every clue text inside its column.
void expectSound(FakeDevice& dev, const PagePlan& plan) {
    const DeviceFacts d = dev.letter();
    const Box area{d.dpiX / 2, d.dpiY / 2, d.printableWidth - d.dpiX / 2, d.printableHeight - d.dpiY / 2};
    dev.setScale(plan.scale);
    for (const PlacedText& t : plan.texts) {
        SCOPED_TRACE(t.text);
        EXPECT_GE(t.x, area.left);
        EXPECT_GE(t.y, area.top);
        EXPECT_LE(t.x + dev.textWidth(t.font, t.text), area.right);
        EXPECT_LE(t.y + dev.metrics(t.font).height, area.bottom);
    }
    if (plan.gridShown) {
        EXPECT_GE(plan.grid.left, area.left);
        EXPECT_LE(plan.grid.right, area.right);
        EXPECT_LE(plan.grid.bottom, area.bottom);
    }
    for (size_t i = 0; i < plan.columns.size(); ++i) {
        const Box& c = plan.columns[i].area;
        if (plan.gridShown) EXPECT_FALSE(overlap(c, plan.grid)) << "column " << i;
        for (size_t j = i + 1; j < plan.columns.size(); ++j)
            EXPECT_FALSE(overlap(c, plan.columns[j].area)) << "columns " << i << " and " << j;
    }
}

TEST(PageLayout, EverydayPuzzleFitsAtFullSizeWithHeaderAndCopyrightInPlace) {
    FakeDevice dev;
    const PagePlan plan = layoutPage(dev, dev.letter(), puzzle(15, 78, "A clue of middling length"), PresetAsFilled);
    ASSERT_TRUE(plan.fits);
    EXPECT_EQ(plan.scale, scaleAtStep(plan.step));
    EXPECT_EQ(plan.cluesPlaced, 78 + 2);
    expectSound(dev, plan);

    const int half = dev.dpi / 2;
    const PlacedText& title = plan.texts[0];
    const PlacedText& author = plan.texts[1];
    EXPECT_EQ(title.font, PrintFont::Title);
    EXPECT_EQ(title.x, half);
    EXPECT_EQ(title.y, half);
    // The author shares the title's line, a sixteenth of an inch to its right.
    EXPECT_EQ(author.font, PrintFont::Author);
    EXPECT_EQ(author.x, half + dev.textWidth(PrintFont::Title, title.text) + dev.dpi / 16);
    const int titleHeight = dev.metrics(PrintFont::Title).height;
    EXPECT_EQ(plan.grid.top, half + titleHeight + dev.dpi / 16);
    // Grid position 1: the clue columns stand left of the grid.
    for (const ClueColumn& c : plan.columns)
        if (c.area.top < plan.grid.bottom) EXPECT_LE(c.area.right, plan.grid.left);
    // The copyright under the grid at its left edge.
    auto copyright = std::find_if(plan.texts.begin(), plan.texts.end(),
                                  [](const PlacedText& t) { return t.font == PrintFont::Copyright; });
    ASSERT_NE(copyright, plan.texts.end());
    EXPECT_EQ(copyright->x, plan.grid.left);
    EXPECT_EQ(copyright->y, plan.grid.bottom + dev.dpi / 32);
}

TEST(PageLayout, GridPositionsPutTheGridLeftOrRightAndTopOrBottom) {
    // A grid narrower than one clue column too: its columns must still keep off it.
    for (int cells : {15, 3})
    for (int position = 0; position < 4; ++position) {
        SCOPED_TRACE(testing::Message() << cells << " cells, position " << position);
        FakeDevice dev;
        PrintContent c = puzzle(cells, 78, "A clue of middling length");
        c.gridPosition = position;
        const PagePlan plan = layoutPage(dev, dev.letter(), c, PresetAsFilled);
        ASSERT_TRUE(plan.fits);
        expectSound(dev, plan);
        const DeviceFacts d = dev.letter();
        const bool right = position == 1 || position == 3, bottom = position >= 2;
        if (right)
            EXPECT_GT(plan.grid.left, d.dpiX / 2);
        else
            EXPECT_EQ(plan.grid.left, d.dpiX / 2);
        // Columns that share the grid's width stand above it at the bottom positions, under it
        // at the top positions.
        for (const ClueColumn& col : plan.columns) {
            if (col.area.right <= plan.grid.left || col.area.left >= plan.grid.right) continue;
            if (bottom)
                EXPECT_LE(col.area.bottom + d.dpiY / 4, plan.grid.top);
            else
                EXPECT_GE(col.area.top, plan.grid.bottom);
        }
        if (!bottom) EXPECT_LT(plan.grid.top, d.dpiY);
    }
}

// A page without clues ("Solution Grid", the first of two pages) still puts the grid
// at the bottom when asked, with the copyright under it inside the page area.
TEST(PageLayout, BottomPositionsMoveTheGridDownOnPagesWithoutClues) {
    for (uint32_t items : {PresetSolution, PresetAsFilled & ~ItemClues})
    for (int position = 0; position < 4; ++position) {
        SCOPED_TRACE(testing::Message() << "items " << items << ", position " << position);
        FakeDevice dev;
        PrintContent c = puzzle(15, 78, "A clue of middling length");
        c.gridPosition = position;
        const PagePlan plan = layoutPage(dev, dev.letter(), c, items);
        ASSERT_TRUE(plan.fits);
        expectSound(dev, plan);
        const DeviceFacts d = dev.letter();
        EXPECT_EQ(plan.grid.left, d.dpiX / 2);
        auto copyright = std::find_if(plan.texts.begin(), plan.texts.end(),
                                      [](const PlacedText& t) { return t.font == PrintFont::Copyright; });
        ASSERT_NE(copyright, plan.texts.end());
        EXPECT_EQ(copyright->y, plan.grid.bottom + d.dpiY / 32);
        const int areaBottom = d.printableHeight - d.dpiY / 2;
        if (position >= 2)
            EXPECT_EQ(copyright->y + dev.metrics(PrintFont::Copyright).height, areaBottom);
        else
            EXPECT_EQ(plan.grid.top, d.dpiY / 2 + dev.metrics(PrintFont::Title).height + d.dpiY / 16);
    }
}

TEST(PageLayout, CluesThatNeverFitShrinkToTheLastStepAndPrintWhatFits) {
    FakeDevice dev;
    const PrintContent c = puzzle(21, 900, "An extraordinarily long and wordy clue that wraps over several lines");
    const PagePlan plan = layoutPage(dev, dev.letter(), c, PresetAsFilled);
    EXPECT_FALSE(plan.fits);
    EXPECT_EQ(plan.step, LastScaleStep);
    EXPECT_EQ(plan.scale, 50);
    EXPECT_GT(plan.cluesPlaced, 0);
    EXPECT_LT(plan.cluesPlaced, int(c.clues.size()));
    expectSound(dev, plan);
    // The two-page form: the first page has the grid at a larger scale and no clues.
    const PagePlan first = layoutPage(dev, dev.letter(), c, pageItems(PresetAsFilled | ItemTwoPages, 0, 0));
    EXPECT_TRUE(first.fits);
    EXPECT_TRUE(first.columns.empty());
    EXPECT_GT(first.scale, plan.scale);
}

TEST(PageLayout, A39By39GridShrinksUntilItFitsThePage) {
    FakeDevice dev;
    const PagePlan plan = layoutPage(dev, dev.letter(), puzzle(39, 0, ""), PresetAsFilled & ~uint32_t(ItemClues));
    EXPECT_TRUE(plan.fits);
    EXPECT_LT(plan.scale, 100);
    EXPECT_EQ(plan.grid.right - plan.grid.left, (39 * plan.cellHeight + 2));
    expectSound(dev, plan);
}

TEST(PlanCache, ReusesAPlanOnlyWhileDeviceItemsTextsPositionAndFacesStayTheSame) {
    FakeDevice dev;
    PlanCache cache;
    PrintContent c = puzzle(15, 78, "A clue of middling length");
    const uint32_t first = pageItems(PresetAsFilled | ItemTwoPages, 0, 0), second = pageItems(PresetAsFilled | ItemTwoPages, 0, 1);
    const int step = cache.layout(dev, dev.letter(), c, first, "Arial").step;
    cache.layout(dev, dev.letter(), c, second, "Arial");
    // Two copies of a two-page print: both pages come from the cache the second time.
    dev.scaleChanges = 0;
    EXPECT_EQ(cache.layout(dev, dev.letter(), c, first, "Arial").step, step);
    cache.layout(dev, dev.letter(), c, second, "Arial");
    EXPECT_EQ(dev.scaleChanges, 0);

    auto laysOutAgain = [&](const DeviceFacts& d, const PrintContent& content, uint32_t items, const char* faces) {
        dev.scaleChanges = 0;
        cache.layout(dev, d, content, items, faces);
        return dev.scaleChanges > 0;
    };
    DeviceFacts a4 = dev.letter();
    a4.printableHeight += 100;
    EXPECT_TRUE(laysOutAgain(a4, c, first, "Arial"));
    EXPECT_TRUE(laysOutAgain(dev.letter(), c, first & ~uint32_t(ItemTitle), "Arial"));
    EXPECT_TRUE(laysOutAgain(dev.letter(), c, first, "Times New Roman"));
    PrintContent moved = c;
    moved.gridPosition = 2;
    EXPECT_TRUE(laysOutAgain(dev.letter(), moved, first, "Arial"));
    // A multi-letter entry typed since the last print adds a footnote under the grid.
    PrintContent typed = c;
    typed.footnotes = "(1) HEART ";
    const PagePlan& plan = cache.layout(dev, dev.letter(), typed, first, "Arial");
    EXPECT_TRUE(std::any_of(plan.texts.begin(), plan.texts.end(), [](const PlacedText& t) { return t.text == "(1) HEART"; }));
}

TEST(PageLayout, NoCluesAndNoTextsLeaveTheGridAtTheTopLeft) {
    FakeDevice dev;
    PrintContent c = puzzle(15, 0, "");
    c.clues.clear();
    c.title.clear();
    c.author.clear();
    c.copyright.clear();
    const PagePlan plan = layoutPage(dev, dev.letter(), c, PresetAsFilled);
    EXPECT_TRUE(plan.fits);
    EXPECT_EQ(plan.step, 0);
    EXPECT_TRUE(plan.texts.empty());
    EXPECT_EQ(plan.grid.left, dev.dpi / 2);
    EXPECT_EQ(plan.grid.top, dev.dpi / 2);
    // Only the headings of an empty clue sheet: they still find a column.
    c.clues = {{true, "", "ACROSS "}, {true, "", "DOWN"}};
    EXPECT_TRUE(layoutPage(dev, dev.letter(), c, PresetAsFilled).fits);
}

TEST(PageLayout, AuthorTooWideForTheTitleLineGetsItsOwnLine) {
    FakeDevice dev;
    PrintContent c = puzzle(15, 20, "Short");
    c.title = std::string(40, 'T');
    c.author = std::string(30, 'A');
    const PagePlan plan = layoutPage(dev, dev.letter(), c, PresetAsFilled);
    const PlacedText& author = plan.texts[1];
    EXPECT_EQ(author.x, dev.dpi / 2);
    EXPECT_EQ(author.y, dev.dpi / 2 + dev.metrics(PrintFont::Title).height);
    EXPECT_EQ(plan.grid.top, author.y + dev.metrics(PrintFont::Author).height + dev.dpi / 8);
}

TEST(TextWrap, BreaksAtBlanksAfterHyphensAndAtLineBreaksNeverPastTheWidth) {
    FakeDevice dev;
    dev.setScale(100);
    const int ch = dev.textWidth(PrintFont::Clue, "x");
    EXPECT_EQ(wrapText(dev, PrintFont::Clue, "one two three", 8 * ch), (std::vector<std::string>{"one two", "three"}));
    EXPECT_EQ(wrapText(dev, PrintFont::Clue, "well-known fact", 6 * ch),
              (std::vector<std::string>{"well-", "known", "fact"}));
    EXPECT_EQ(wrapText(dev, PrintFont::Clue, "a\nb", 10 * ch), (std::vector<std::string>{"a", "b"}));
    const auto cut = wrapText(dev, PrintFont::Clue, "abcdefghij", 4 * ch);
    EXPECT_EQ(cut, (std::vector<std::string>{"abcd", "efgh", "ij"}));
}

TEST(PrintTexts, ClueSheetLinesAndRebusFootnotesInPaintingOrder) {
    const auto lines = parseClueSheet(std::string("ACROSS \0" "1. Cat\0" "12. \0" "DOWN\0", 24));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].heading);
    EXPECT_EQ(lines[1].number, "1. ");
    EXPECT_EQ(lines[1].text, "Cat");
    EXPECT_EQ(lines[2].number, "12. ");
    EXPECT_EQ(lines[2].text, "");
    EXPECT_TRUE(lines[3].heading);

    auto grid = test::buildGrid({"AB", "CD"});
    auto rebus = [](const char* text) {
        auto r = std::make_unique<RebusEntry>();
        r->length = int16_t(std::strlen(text));
        std::strcpy(r->text, text);
        return r;
    };
    grid->cell(1, 0).solutionRebus = rebus("HEART");
    grid->cell(0, 1).solutionRebus = rebus("STAR");
    grid->cell(0, 0).solutionRebus = rebus("ONE");  // short enough for the cell
    grid->cell(1, 1).userRebus = rebus("MOON");
    grid->cell(1, 1).fill = 'M';
    EXPECT_EQ(rebusFootnotes(*grid, ItemSolution, false), "(1) STAR (2) HEART ");
    EXPECT_EQ(rebusFootnotes(*grid, ItemLetters, false), "(1) MOON ");
    EXPECT_EQ(rebusFootnotes(*grid, ItemLetters, true), "");
    // Both printed: the solver's entry where there is one, the solution elsewhere.
    EXPECT_EQ(rebusFootnotes(*grid, ItemLetters | ItemSolution, false), "(1) STAR (2) HEART (3) MOON ");
}

}  // namespace
}  // namespace gw::print
