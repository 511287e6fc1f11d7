// Not run by default (DISABLED_): pictures of the grid at several scales with every
// kind of mark, for looking at, and the time a whole 39 x 39 grid takes to repaint.
//   win_tests.exe --gtest_also_run_disabled_tests --gtest_filter='GridPictures.*'
// Pictures go to the folder in GW_SHOT_DIR (Windows path), default the current folder.
#include <chrono>
#include <cstdlib>

#include "grid_test_support.h"

namespace gw::test {
namespace {

class GridPictures : public GridViewFixture {
protected:
    std::string shotPath(const std::string& name) {
        const char* dir = std::getenv("GW_SHOT_DIR");
        return (dir && *dir ? std::string(dir) + "\\" : std::string()) + name;
    }
    void markUp() {
        PuzzleGrid& g = grid();
        g.cell(0, 0).fill = 'C';
        g.cell(1, 0).fill = 'A';
        g.cell(1, 0).flags |= Pencil;
        g.cell(2, 0).fill = 'X';
        g.cell(2, 0).flags |= Incorrect;
        g.cell(0, 2).fill = 'B';
        g.cell(0, 2).flags |= WasIncorrect;
        g.cell(1, 2).fill = 'U';
        g.cell(1, 2).flags |= Revealed;
        g.cell(4, 0).flags |= Circled;
        setUserRebus(g.cell(2, 1), "HEART");
        g.cell(2, 1).fill = 'H';
        setUserRebus(g.cell(3, 1), "TWO");
        g.cell(3, 1).fill = 'T';
        setUserRebus(g.cell(4, 1), "Y", RebusSymbol);
        g.cell(4, 1).fill = '-';
        g.cell(4, 2).fill = 'a';
    }
};

TEST_F(GridPictures, DISABLED_SaveGridAtSeveralScales) {
    for (int scale : {60, 85, 140}) {
        openGrid({"CAT.S", "A.OWE", "BUS.A"});
        store.writeInt("grid", "scale", scale);
        ASSERT_NE(makeView(), nullptr);
        markUp();
        const int c = view->cellSize();
        MemoryCanvas m(5 * c + 1, 3 * c + 1);
        paintGrid(m.dc(), grid(), view->screenPaintParams(0, 5, 0, 3));
        const std::string path = shotPath("grid-" + std::to_string(scale) + ".bmp");
        EXPECT_TRUE(m.save(path)) << path;
        printf("scale %d: cell %d px, picture %s\n", scale, c, path.c_str());
        TearDown();
        SetUp();
    }
}

TEST_F(GridPictures, DISABLED_RepaintWholeLargeGrid) {
    std::vector<std::string> rows;
    for (int y = 0; y < 39; ++y) {
        std::string r;
        for (int x = 0; x < 39; ++x) r += ((x * 7 + y * 3) % 11 == 0) ? '.' : char('A' + (x + y) % 26);
        rows.push_back(r);
    }
    openGrid(rows, rows);  // every cell filled in pen
    store.writeInt("grid", "scale", 60);
    ASSERT_NE(makeView(1200, 1000), nullptr);
    HWND canvas = view->canvas();
    UpdateWindow(canvas);
    const int rounds = 50;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        InvalidateRect(canvas, nullptr, TRUE);
        UpdateWindow(canvas);
    }
    GdiFlush();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / rounds;
    RECT rc{};
    GetClientRect(canvas, &rc);
    printf("whole 39x39 grid (%ldx%ld px, cell %d): %.2f ms per repaint\n", rc.right, rc.bottom, view->cellSize(), ms);

    // The same into a memory DC, without the window system in the way.
    MemoryCanvas m(rc.right, rc.bottom);
    const auto start2 = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) paintGrid(m.dc(), grid(), view->screenPaintParams(0, 39, 0, 39));
    GdiFlush();
    const double ms2 = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start2).count() / rounds;
    printf("whole 39x39 grid into a memory DC: %.2f ms per paint\n", ms2);
}

}  // namespace
}  // namespace gw::test
