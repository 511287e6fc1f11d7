// Grid view under real windows: zoom steps, fit mode, scrolling the cursor into
// view, exact invalidation and the settings the view keeps.
#include "grid_test_support.h"
#include "views/grid_geometry.h"

namespace gw::test {
namespace {

std::vector<std::string> squareGrid(int n) {
    std::vector<std::string> rows(size_t(n), std::string(size_t(n), 'A'));
    return rows;
}

class GridScale : public GridViewFixture {};

TEST_F(GridScale, ZoomStepsFromTheDefault) {
    openGrid(squareGrid(15));
    ASSERT_NE(makeView(), nullptr);
    EXPECT_EQ(view->scale(), 85);
    EXPECT_EQ(statusTexts.front(), "1:Scale: 85%");
    EXPECT_EQ(view->cellSize(), std::max(1, view->baseCellSize() * 85 / 100));
    view->zoom(ZoomInCommand);
    EXPECT_EQ(view->scale(), 90);
    EXPECT_EQ(view->cellSize(), view->baseCellSize() * 90 / 100);
    EXPECT_EQ(statusTexts.back(), "1:Scale: 90%");
    view->zoom(ZoomOutCommand);
    view->zoom(ZoomOutCommand);
    EXPECT_EQ(view->scale(), 80);
    // The canvas follows the cell size.
    RECT rc{};
    GetClientRect(view->canvas(), &rc);
    EXPECT_EQ(rc.right, 15 * view->cellSize());
    EXPECT_EQ(rc.bottom, 15 * view->cellSize());
}

TEST_F(GridScale, ZoomLimitsAndStoredOddScales) {
    openGrid(squareGrid(5));
    struct Case {
        int stored, command, expected;
    } cases[] = {
        {60, ZoomOutCommand, 60}, {140, ZoomInCommand, 140}, {87, ZoomInCommand, 90}, {87, ZoomOutCommand, 80},
        {50, ZoomInCommand, 60},  {150, ZoomOutCommand, 140}, {135, ZoomInCommand, 140}, {65, ZoomOutCommand, 60},
    };
    for (const Case& c : cases) {
        store.writeInt("grid", "scale", c.stored);
        ASSERT_NE(makeView(), nullptr);
        EXPECT_EQ(view->scale(), c.stored);
        view->zoom(c.command);
        EXPECT_EQ(view->scale(), c.expected) << "from " << c.stored;
        destroyView();
        EXPECT_EQ(*store.find("grid", "scale"), std::to_string(c.expected));
    }
}

TEST_F(GridScale, SettingsReadAtCreationAndWrittenAtDestruction) {
    openGrid(squareGrid(5));
    store.writeInt("grid", "automove", 0);
    store.writeInt("grid", "rbuttonswitch", 2);  // only 1 means on
    store.writeInt("grid", "scale", 120);
    ASSERT_NE(makeView(), nullptr);
    EXPECT_FALSE(view->automove());
    EXPECT_FALSE(view->rightButtonSwitch());
    EXPECT_EQ(view->restoreScale(), 120);  // defaults to the scale
    EXPECT_TRUE(services.has("check 40050 0"));
    destroyView();
    EXPECT_EQ(*store.find("grid", "scale"), "120");
    EXPECT_EQ(*store.find("grid", "restorescale"), "120");
    EXPECT_EQ(*store.find("grid", "automove"), "0");
    EXPECT_EQ(*store.find("grid", "rbuttonswitch"), "0");
    EXPECT_EQ(*store.find("grid", "fullpuzzle"), "0");
    EXPECT_EQ(statusTexts.back(), "1:");  // the scale pane is cleared
    EXPECT_EQ(grid().view, nullptr);     // the engine no longer points at it
}

TEST_F(GridScale, RestoreScaleDefaultIsClamped) {
    openGrid(squareGrid(5));
    store.writeInt("grid", "scale", 30);
    ASSERT_NE(makeView(), nullptr);
    EXPECT_EQ(view->restoreScale(), 40);
}

TEST_F(GridScale, FitModePicksTheLargestScaleThatLeavesAPixel) {
    openGrid(squareGrid(15));
    ASSERT_NE(makeView(640, 420), nullptr);
    const int before = view->scale();
    EXPECT_TRUE(view->toggleFit());
    EXPECT_EQ(view->restoreScale(), before);
    RECT outer{};
    GetWindowRect(view->hwnd(), &outer);
    const int W = outer.right - outer.left, H = outer.bottom - outer.top;
    const int base = view->baseCellSize(), s = view->scale();
    auto cell = [base](int t) { return base * t / 100; };
    EXPECT_EQ(s, gridgeom::fitScale(base, 15, 15, W, H));
    EXPECT_TRUE(15 * cell(s) <= W && 15 * cell(s) <= H);
    EXPECT_FALSE(15 * cell(s + 1) < W - 1 && 15 * cell(s + 1) < H - 1);
    EXPECT_EQ(statusTexts.back(), "1: ");
    EXPECT_TRUE(services.has("check 40050 1"));

    // A smaller area refits.
    view->setBounds(0, 0, 300, 300);
    pumpMessages();
    EXPECT_LT(view->scale(), s);
    EXPECT_TRUE(view->fitMode());

    // Switching off returns to the earlier scale.
    EXPECT_FALSE(view->toggleFit());
    EXPECT_EQ(view->scale(), before);
    EXPECT_EQ(statusTexts.back(), "1:Scale: " + std::to_string(before) + "%");
}

TEST_F(GridScale, ZoomWhileFittedLeavesFitModeAtTheNewScale) {
    openGrid(squareGrid(15));
    ASSERT_NE(makeView(640, 420), nullptr);
    view->toggleFit();
    const int fitted = view->scale();
    view->zoom(ZoomInCommand);
    EXPECT_FALSE(view->fitMode());
    EXPECT_EQ(view->scale(), std::max(60, gridgeom::zoomInScale(fitted)));
    EXPECT_EQ(view->restoreScale(), gridgeom::zoomInScale(fitted));
}

TEST_F(GridScale, FitOffNeverGoesBelowSixtyAndStoredFitAppliesAtOnce) {
    openGrid(squareGrid(15));
    store.writeInt("grid", "fullpuzzle", 1);
    store.writeInt("grid", "restorescale", 45);
    ASSERT_NE(makeView(640, 420), nullptr);
    EXPECT_TRUE(view->fitMode());
    RECT outer{};
    GetWindowRect(view->hwnd(), &outer);
    EXPECT_EQ(view->scale(), gridgeom::fitScale(view->baseCellSize(), 15, 15, outer.right - outer.left, outer.bottom - outer.top));
    view->toggleFit();
    EXPECT_EQ(view->scale(), 60);
}

TEST_F(GridScale, CursorNearTheEdgeIsScrolledToTheMiddle) {
    openGrid(squareGrid(39));
    store.writeInt("grid", "scale", 140);
    ASSERT_NE(makeView(400, 300), nullptr);
    const int c = view->cellSize();
    int cw = 0, ch = 0;
    RECT rc{};
    GetClientRect(view->hwnd(), &rc);
    cw = rc.right;
    ch = rc.bottom;
    EXPECT_EQ(view->scrollMaxY(), 39 * c - ch);
    EXPECT_EQ(view->scrollMaxX(), 39 * c - cw);
    ASSERT_EQ(cursor(), std::make_pair(0, 0));
    EXPECT_EQ(view->scrollY(), 0);
    // Walk down until the cursor's row comes within a cell of the bottom edge.
    int row = 0;
    while (row + 1 < 39) {
        const int offset = view->scrollY();
        grid().MoveCursor(0, ++row);
        const int p = row * c;
        if (p - offset > c && p - offset + 2 * c < ch) {
            EXPECT_EQ(view->scrollY(), offset) << "row " << row;
        } else {
            EXPECT_EQ(view->scrollY(), std::clamp(p - ch / 2, 0, view->scrollMaxY())) << "row " << row;
            if (view->scrollY() > 0) break;  // near the top edge the centring clamps at 0
        }
    }
    EXPECT_GT(view->scrollY(), 0);
    // The canvas moved with the offset.
    POINT origin{0, 0};
    MapWindowPoints(view->canvas(), view->hwnd(), &origin, 1);
    EXPECT_EQ(origin.y, -view->scrollY());
    // Line and page steps of the scroll bar.
    const int y0 = view->scrollY();
    SendMessageA(view->hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(view->scrollY(), std::min(view->scrollMaxY(), y0 + c / 2));
    SendMessageA(view->hwnd(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(view->scrollY(), std::max(0, std::min(view->scrollMaxY(), y0 + c / 2) - ch / 2));
    SendMessageA(view->hwnd(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(view->scrollY(), 0);
}

TEST_F(GridScale, SmallGridIsCentredWithoutScrolling) {
    openGrid(squareGrid(3));
    ASSERT_NE(makeView(600, 500), nullptr);
    RECT client{};
    GetClientRect(view->hwnd(), &client);
    const int gridPixels = 3 * view->cellSize();
    POINT origin{0, 0};
    MapWindowPoints(view->canvas(), view->hwnd(), &origin, 1);
    EXPECT_EQ(origin.x, (client.right - gridPixels) / 2);
    EXPECT_EQ(origin.y, (client.bottom - gridPixels) / 2);
    EXPECT_EQ(view->scrollMaxX(), 0);
    EXPECT_EQ(view->scrollMaxY(), 0);
}

// Only the old and the new cursor cell are repainted on a cursor move, and an
// engine change repaints just its range.
TEST_F(GridScale, InvalidatesExactlyTheChangedCells) {
    openGrid(squareGrid(7));
    ASSERT_NE(makeView(), nullptr);
    const int c = view->cellSize();
    HWND canvas = view->canvas();
    UpdateWindow(canvas);
    auto expectUpdate = [&](std::vector<RECT> cells) {
        HRGN expected = CreateRectRgn(0, 0, 0, 0);
        for (const RECT& r : cells) {
            HRGN one = CreateRectRgnIndirect(&r);
            CombineRgn(expected, expected, one, RGN_OR);
            DeleteObject(one);
        }
        HRGN actual = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(canvas, actual, FALSE);
        EXPECT_TRUE(EqualRgn(expected, actual));
        DeleteObject(expected);
        DeleteObject(actual);
        ValidateRect(canvas, nullptr);
    };
    ValidateRect(canvas, nullptr);
    view->setCursorCell(3, 2);
    expectUpdate({RECT{0, 0, c - 1, c - 1}, RECT{3 * c, 2 * c, 4 * c - 1, 3 * c - 1}});
    view->invalidateRange(1, 4, 5, 4);
    expectUpdate({RECT{c, 4 * c, 6 * c - 1, 5 * c - 1}});
}

}  // namespace
}  // namespace gw::test
