// The arithmetic behind the split panes, the stored layout sizes and the clue
// lists and prompt.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/layout_settings.h"
#include "shell/split_math.h"
#include "unit/fakes.h"
#include "views/clue_geometry.h"

namespace gw {
namespace {

using splitmath::Extents;

TEST(SplitMath, ChildrenShareThePaneAsTheyArrive) {
    Extents e;
    splitmath::addChild(e, 305, 5, 305);
    EXPECT_EQ(e, (Extents{305}));
    // A child as big as the pane gets an equal share; the others make room for it and a bar.
    splitmath::addChild(e, 305, 5, 305);
    EXPECT_EQ(e, (Extents{150, 150}));
    // A small child keeps its own size.
    splitmath::addChild(e, 305, 5, 20);
    EXPECT_EQ(e, (Extents{138, 138, 19}));
    EXPECT_EQ(splitmath::sumOf(e) + splitmath::barsOf(e, 5), 305);
}

TEST(SplitMath, ResizingFeedsOnlyTheLargestChildren) {
    Extents e{100, 400, 98};
    splitmath::resize(e, 598 + 10 + 101, 5);
    EXPECT_EQ(e, (Extents{100, 501, 98}));
    // Two children within five pixels of the largest share, the first taking the remainder.
    e = {300, 296, 50};
    splitmath::resize(e, 646 + 10 + 7, 5);
    EXPECT_EQ(e, (Extents{304, 299, 50}));
    // A shrink larger than what the largest hold is shared by all, never below zero.
    e = {100, 20};
    splitmath::resize(e, 5 + 10, 5);
    EXPECT_EQ(e, (Extents{45, 0}));
}

TEST(SplitMath, ExtentsAndDraggedBarsKeepNeighboursInPlace) {
    Extents e{100, 200, 100};
    splitmath::setExtent(e, 0, 150);  // the next child absorbs it
    EXPECT_EQ(e, (Extents{150, 150, 100}));
    splitmath::setExtent(e, 2, 400);  // the last child's previous one gives all it has
    EXPECT_EQ(e, (Extents{150, 0, 250}));
    splitmath::setExtent(e, 0, 0);
    EXPECT_EQ(e[0], 1);

    e = {100, 200, 100};
    EXPECT_EQ(splitmath::dropBar(e, 0, 5000, 5), 299);  // dragged past the neighbour's far edge
    EXPECT_EQ(e, (Extents{299, 1, 100}));
    EXPECT_EQ(splitmath::dropBar(e, 1, -50, 5), 305);  // the child before keeps a pixel too
    EXPECT_EQ(e, (Extents{299, 1, 100}));
}

TEST(LayoutSettings, StoredSizesApplyOnlyToTheTypeThatStoredThem) {
    test::MemorySettings store;
    const ClueListMetrics m{20, 250};
    LayoutValues v = readLayoutValues(store, LayoutATDB, m);
    EXPECT_EQ(v.acrossExtent, 20);
    EXPECT_EQ(v.promptHeight, 26);

    v.acrossExtent = 120;
    v.downExtent = 90;
    v.promptHeight = 40;
    storeLayoutValues(store, LayoutATDB, PromptBelow, v, true);
    const LayoutValues back = readLayoutValues(store, LayoutATDB, m);
    EXPECT_EQ(back.acrossExtent, 120);
    EXPECT_EQ(back.downExtent, 90);
    EXPECT_EQ(back.promptHeight, 40);
    EXPECT_EQ(readPromptPosition(store), PromptBelow);

    // Another type starts from its defaults, and storing it forgets the old sizes.
    EXPECT_EQ(readLayoutValues(store, LayoutALDR, m).acrossExtent, 250);
    storeLayoutValues(store, LayoutALDR, PromptAbove, readLayoutValues(store, LayoutALDR, m), true);
    EXPECT_EQ(store.find("layout", "acclueheight"), nullptr);
    EXPECT_EQ(readLayoutValues(store, LayoutATDB, m).acrossExtent, 20);
}

TEST(LayoutSettings, FloatingWindowsAndUnknownTypes) {
    test::MemorySettings store;
    const ClueListMetrics m{20, 250};
    LayoutValues v = readLayoutValues(store, LayoutASDS, m);
    EXPECT_EQ(v.floating[1].width, 500);
    EXPECT_EQ(v.floating[1].height, 400);
    v.floating[1] = {30, 40, 300, 200};
    storeLayoutValues(store, LayoutASDS, PromptAbove, v, false);
    EXPECT_EQ(*store.find("layout", "dncluexpos"), "30");
    EXPECT_EQ(*store.find("layout", "dnclueheight"), "200");
    EXPECT_EQ(store.find("layout", "promptHeight"), nullptr);
    EXPECT_EQ(readLayoutValues(store, LayoutASDS, m).floating[1].y, 40);

    EXPECT_EQ(normalLayoutType(1005), LayoutARDR);
    EXPECT_EQ(normalLayoutType(0), LayoutARDR);
    EXPECT_STREQ(layoutCode(1001), "ARDR");
    EXPECT_EQ(floatingWindowCount(LayoutADSV), 1);
}

TEST(ClueGeometry, ItemsSortInNumberOrderAndCarryTheirNumberAndWidth) {
    std::vector<std::string> items{cluegeom::itemText(100, "c"), cluegeom::itemText(1, "a"),
                                   cluegeom::itemText(10, nullptr)};
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<std::string>{"   1. a", "  10. ", " 100. c"}));
    EXPECT_EQ(cluegeom::itemNumber(items[2].c_str()), 100);
    EXPECT_STREQ(cluegeom::itemClue(items[2].c_str()), "c");
    EXPECT_STREQ(cluegeom::itemClue(" 12. Mr. Big"), "Mr. Big");
    const uint32_t data = cluegeom::itemData(577, 310);
    EXPECT_EQ(cluegeom::dataNumber(data), 577);
    EXPECT_EQ(cluegeom::dataWidth(data), 315);
    EXPECT_TRUE(cluegeom::isCompact(40, 20));
    EXPECT_FALSE(cluegeom::isCompact(41, 20));
}

TEST(ClueGeometry, PromptTypeFollowsItsHeightAndShrinksToFit) {
    EXPECT_EQ(cluegeom::promptPoints(26, 96), 15);  // (234 - 54) * 8 / 96
    EXPECT_EQ(cluegeom::promptPoints(6, 96), 1);    // never a zero-sized font
    EXPECT_EQ(cluegeom::fittedPromptPoints(26, 96, 400, 390), 15);
    // Too wide: the size for the height (400 - 15) * 26 / 550 = 18, (162 - 54) * 8 / 96 = 9.
    EXPECT_EQ(cluegeom::fittedPromptPoints(26, 96, 400, 550), 9);
    // A long clue goes below 8 points rather than losing its end.
    EXPECT_EQ(cluegeom::fittedPromptPoints(26, 96, 400, 1000), 3);
    // Where the formula gives no size at all, the smallest one (and the text is clipped).
    EXPECT_EQ(cluegeom::fittedPromptPoints(26, 96, 400, 5000), 1);
    EXPECT_EQ(cluegeom::fittedPromptPoints(26, 96, 12, 100), 1);
}

}  // namespace
}  // namespace gw
