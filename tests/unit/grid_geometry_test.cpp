// The grid view's arithmetic: zoom steps, fit scale, font rules, scrolling.
#include <gtest/gtest.h>

#include "fakes.h"
#include "views/grid_geometry.h"

namespace gw::gridgeom {
namespace {

TEST(GridGeometry, ZoomWalksInStepsOfFiveBetweenTheLimits) {
    std::vector<int> up, down;
    for (int s = 85; s < 140; s = zoomInScale(s)) up.push_back(zoomInScale(s));
    for (int s = 85; s > 60; s = zoomOutScale(s)) down.push_back(zoomOutScale(s));
    EXPECT_EQ(up, (std::vector<int>{90, 95, 100, 105, 110, 115, 120, 125, 130, 135, 140}));
    EXPECT_EQ(down, (std::vector<int>{80, 75, 70, 65, 60}));
    EXPECT_EQ(zoomInScale(87), 90);
    EXPECT_EQ(zoomOutScale(87), 80);
    EXPECT_EQ(zoomInScale(10), 60);
    EXPECT_EQ(zoomOutScale(200), 140);
    EXPECT_EQ(zoomOutScale(150), 140);
    EXPECT_EQ(zoomOutScale(143), 135);
    EXPECT_EQ(zoomInScale(140), 140);
    EXPECT_EQ(zoomOutScale(60), 60);
    EXPECT_EQ(zoomOutScale(30), 30);  // below the range it waits for a zoom in
}

TEST(GridGeometry, CellSizeNeverBelowOnePixel) {
    EXPECT_EQ(cellSize(30, 85), 25);
    EXPECT_EQ(cellSize(30, 100), 30);
    EXPECT_EQ(cellSize(30, 1), 1);
    EXPECT_EQ(cellSize(1, 60), 1);
}

// A hand-edited scale would overflow the cell and font sizes: it is not used.
TEST(GridGeometry, StoredScalesAreUsedOnlyWithinTheRangeTheViewCanReach) {
    test::MemorySettings store;
    auto scales = [&](const char* scale, const char* restore) {
        store.values["grid"] = {{"scale", scale}, {"restorescale", restore}};
        const StartScales s = readStartScales(store);
        return std::make_pair(s.scale, s.restore);
    };
    EXPECT_EQ(scales("120", "70"), std::make_pair(120, 70));
    EXPECT_EQ(scales("1", "10000"), std::make_pair(1, 10000));
    EXPECT_EQ(scales("88888888", "-5"), std::make_pair(DefaultScale, DefaultScale));
    EXPECT_EQ(scales("0", "10001"), std::make_pair(DefaultScale, DefaultScale));
    EXPECT_EQ(scales("300", "2147483647"), std::make_pair(300, MaxRestoreScale));  // restore defaults to the clamped scale
    store.values.clear();
    EXPECT_EQ(readStartScales(store).scale, DefaultScale);
}

TEST(GridGeometry, FitScaleIsTheLargestThatLeavesAPixelFree) {
    for (int base : {17, 30, 41})
        for (int n : {3, 15, 21, 39})
            for (int w : {200, 501, 777})
                for (int h : {150, 480, 900}) {
                    const int s = fitScale(base, n, n, w, h);
                    auto cell = [base](int t) { return base * t / 100; };
                    // The next scale up no longer fits in at least one direction.
                    EXPECT_FALSE(n * cell(s + 1) < w - 1 && n * cell(s + 1) < h - 1) << base << " " << n << " " << w << " " << h;
                    EXPECT_GE(s, 1);
                    // Starting point: the largest whole cell.
                    EXPECT_GE(s, std::max(1, std::min(w / n, h / n) * 100 / base));
                }
    // A 15 x 15 grid of base 30 in 480 x 480: cells of 31 leave 15*31 = 465 < 479.
    EXPECT_EQ(fitScale(30, 15, 15, 480, 480), 106);
    EXPECT_EQ(fitScale(0, 15, 15, 480, 480), 100);  // nothing measured yet: no division by zero
}

TEST(GridGeometry, FontRules) {
    EXPECT_EQ(numberFontWidth(-16, 50), 7);  // 7/16
    EXPECT_EQ(numberFontWidth(-16, 60), 10);  // 5/8
    EXPECT_EQ(numberFontWidth(-16, 80), 10);
    EXPECT_EQ(numberFontWidth(-16, 81), 0);  // the font's own
    EXPECT_EQ(letterFontWeight(700, 64), 400);
    EXPECT_EQ(letterFontWeight(700, 65), 600);
    EXPECT_EQ(letterFontWeight(700, 79), 600);
    EXPECT_EQ(letterFontWeight(700, 80), 700);
    EXPECT_EQ(scaleFontHeight(-16, 85), -13);  // toward zero
    // Fill: grown to exactly cell - number - 1 when it is at most that, else unchanged.
    EXPECT_EQ(filledLetterHeight(-13, 25, 10), -14);
    EXPECT_EQ(filledLetterHeight(-14, 25, 10), -14);
    EXPECT_EQ(filledLetterHeight(-16, 25, 10), -16);
    EXPECT_EQ(filledLetterHeight(-3, 5, 10), -3);  // a cell too small to fill
}

TEST(GridGeometry, ScrollingKeepsAOneCellMargin) {
    // Client 300, cell 30, offset 0: rows whose span lies inside with a cell each side stay.
    EXPECT_EQ(offsetToShow(60, 30, 0, 300, 500), 0);
    EXPECT_EQ(offsetToShow(210, 30, 0, 300, 500), 0);     // 210 + 60 = 270 < 300
    EXPECT_EQ(offsetToShow(240, 30, 0, 300, 500), 90);    // 240 + 60 = 300: centred, p - L/2
    EXPECT_EQ(offsetToShow(30, 30, 0, 300, 500), 0);      // first margin fails, clamped at 0
    EXPECT_EQ(offsetToShow(900, 30, 0, 300, 500), 500);   // clamped at the maximum
    EXPECT_EQ(offsetToShow(300, 30, 200, 300, 500), 200); // inside after scrolling
}

TEST(GridGeometry, PaintSpansAndCentring) {
    auto s = cellsInSpan(0, 100, 25, 15);
    EXPECT_EQ(s.first, 0);
    EXPECT_EQ(s.last, 5);
    s = cellsInSpan(60, 74, 25, 15);
    EXPECT_EQ(s.first, 2);
    EXPECT_EQ(s.last, 3);
    s = cellsInSpan(300, 500, 25, 15);
    EXPECT_EQ(s.last, 15);
    EXPECT_EQ(centredOrigin(500, 300), 100);
    EXPECT_EQ(centredOrigin(200, 300), 0);
    EXPECT_EQ(scrollMaximum(300, 200), 100);
    EXPECT_EQ(scrollMaximum(100, 200), 0);
}

}  // namespace
}  // namespace gw::gridgeom
