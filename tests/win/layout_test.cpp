// The window layouts in the real shell: every type builds its views where they
// belong, the sizes of the last layout come back on the next open and no other, the
// bars move as a user drags them, and the prompt changes sides.
#include "shell/layout_manager.h"
#include "shell/split_pane.h"
#include "shell_harness.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"
#include "views/grid_view.h"

namespace gw::wintest {
namespace {

RECT screenRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}
int widthOf(HWND w) { return screenRect(w).right - screenRect(w).left; }
int heightOf(HWND w) { return screenRect(w).bottom - screenRect(w).top; }

class Layouts : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettings();
        folder = freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        path = folder + "\\daily.puz";
        writePuzzle(path);
        writeRegistry("geometry", "x", "0");
        writeRegistry("geometry", "y", "0");
        writeRegistry("geometry", "width", "800");
        writeRegistry("geometry", "height", "600");
    }
    void TearDown() override { clearSettings(); }
    // Opens the puzzle; a type given is stored as if it had been the last one used.
    std::unique_ptr<Shell> open(int type) {
        if (type) {
            RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(SettingsRoot) + "\\layout").c_str());
            writeRegistry("layout", "type", std::to_string(type));
        }
        return std::make_unique<Shell>("\"" + path + "\"");
    }
    std::string folder, path;
};

// Pixels of the first item row that are not the list's background: the clue text.
int inkInFirstRow(HWND box) {
    const int rowHeight = int(SendMessageA(box, LB_GETITEMHEIGHT, 0, 0));
    RECT rc{};
    GetClientRect(box, &rc);
    HDC dc = GetDC(box);
    const COLORREF background = GetPixel(dc, rc.right - 2, rowHeight / 2);
    int ink = 0;
    for (int y = 1; y < rowHeight - 1; ++y)
        for (int x = 2; x < rc.right - 2; ++x) ink += GetPixel(dc, x, y) != background ? 1 : 0;
    ReleaseDC(box, dc);
    return ink;
}

TEST_F(Layouts, EveryTypeShowsGridPromptAndBothListsWhereItBelongs) {
    for (int type : LayoutTypes) {
        SCOPED_TRACE(layoutCode(type));
        auto shell = open(type);
        LayoutManager* layout = shell->frame().layout();
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(layout->type(), type);
        ClueLists* lists = layout->clueLists();
        const RECT grid = screenRect(layout->promptGridPane()->hwnd());
        const RECT across = screenRect(lists->pane(0)), down = screenRect(lists->pane(1));
        for (HWND w : {lists->pane(0), lists->pane(1), layout->prompt()->hwnd(), layout->gridView()->hwnd()})
            EXPECT_TRUE(IsWindowVisible(w));
        EXPECT_EQ(floatingWindowCount(type), (layout->floatingWindow(0) ? 1 : 0) + (layout->floatingWindow(1) ? 1 : 0));
        switch (type) {
            case LayoutABDB: EXPECT_GE(across.top, grid.bottom); EXPECT_LT(across.right, down.left + 1); break;
            case LayoutATDT: EXPECT_LE(across.bottom, grid.top); EXPECT_EQ(across.top, down.top); break;
            case LayoutATDB: EXPECT_LE(across.bottom, grid.top); EXPECT_GE(down.top, grid.bottom); break;
            case LayoutALDL: EXPECT_LE(across.right, grid.left); EXPECT_LE(across.bottom, down.top); break;
            case LayoutARDR: EXPECT_GE(across.left, grid.right); EXPECT_LE(across.bottom, down.top); break;
            case LayoutALDR: EXPECT_LE(across.right, grid.left); EXPECT_GE(down.left, grid.right); break;
            default: {
                char caption[64] = {};
                GetWindowTextA(layout->floatingWindow(0), caption, sizeof caption);
                EXPECT_STREQ(caption, "Gridwell - Clues");
                EXPECT_TRUE(IsWindowVisible(layout->floatingWindow(0)));
                EXPECT_EQ(GetAncestor(lists->pane(0), GA_ROOT), layout->floatingWindow(0));
                break;
            }
        }
        // Both lists in one-line form on a first run of the strip layouts.
        const bool strip = type == LayoutABDB || type == LayoutATDT || type == LayoutATDB;
        EXPECT_EQ(lists->compact(0), strip);
        EXPECT_EQ(lists->compact(1), strip);
        // The lists are filled with redrawing off; it must be back on (and the box shown).
        for (int i = 0; i < 2 && !strip; ++i) {
            HWND box = lists->listBox(i);
            EXPECT_GT(SendMessageA(box, LB_GETCOUNT, 0, 0), 0) << i;
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            EXPECT_GT(inkInFirstRow(box), 0) << i;
        }
    }
}

TEST_F(Layouts, FirstRunShowsTheClueColumnRightOfTheGridAtThePreferredWidth) {
    auto shell = open(0);
    LayoutManager* layout = shell->frame().layout();
    EXPECT_EQ(layout->type(), LayoutARDR);
    EXPECT_EQ(widthOf(layout->cluePane()->hwnd()), layout->clueLists()->preferredWidth());
    EXPECT_EQ(heightOf(layout->prompt()->hwnd()), 26);
    // An unknown stored type is built as the default.
    shell.reset();
    shell = open(999);
    EXPECT_EQ(shell->frame().layout()->type(), LayoutARDR);
}

// A callback of the platform's calling convention (a lambda is not one on x86).
BOOL CALLBACK collectWindow(HWND w, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
    return TRUE;
}

TEST_F(Layouts, FloatingWindowsOpenAtTheTopLeftWithTheirDefaultSize) {
    auto shell = open(LayoutASDS);
    LayoutManager* layout = shell->frame().layout();
    const int width = 2 * layout->clueLists()->preferredWidth();
    const int height = 20 * layout->clueLists()->headerHeight();
    std::vector<HWND> order;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&order));
    auto rank = [&](HWND w) { return std::find(order.begin(), order.end(), w) - order.begin(); };
    for (int i = 0; i < 2; ++i) {
        EXPECT_LT(rank(layout->floatingWindow(i)), rank(shell->hwnd()));
        const RECT r = screenRect(layout->floatingWindow(i));
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right - r.left, width);
        EXPECT_EQ(r.bottom - r.top, height);
    }
}

TEST_F(Layouts, SizesComeBackForTheSameTypeAndAreForgottenAfterAnother) {
    auto shell = open(LayoutATDB);
    LayoutManager* layout = shell->frame().layout();
    SplitPane* main = layout->mainPane();
    main->setChildExtent(layout->clueLists()->pane(0), 0, 120);
    main->setChildExtent(layout->clueLists()->pane(1), 0, 90);
    layout->prompt();
    layout->promptGridPane()->setChildExtent(layout->prompt()->hwnd(), 0, 40);
    shell.reset();
    EXPECT_EQ(registryValue("layout", "acclueheight"), "120");
    EXPECT_EQ(registryValue("layout", "dnclueheight"), "90");

    shell = open(0);
    layout = shell->frame().layout();
    EXPECT_EQ(heightOf(layout->clueLists()->pane(0)), 120);
    EXPECT_EQ(heightOf(layout->clueLists()->pane(1)), 90);
    EXPECT_EQ(heightOf(layout->prompt()->hwnd()), 40);

    // A switch stores nothing; closing stores the new type's values only.
    ASSERT_TRUE(shell->frame().changeLayoutType(LayoutALDL));
    EXPECT_EQ(registryValue("layout", "type"), std::to_string(LayoutATDB));
    EXPECT_FALSE(shell->frame().changeLayoutType(LayoutALDL));
    shell.reset();
    EXPECT_EQ(registryValue("layout", "type"), std::to_string(LayoutALDL));
    EXPECT_EQ(registryValue("layout", "acclueheight") != "120", true);

    shell = open(0);
    ASSERT_TRUE(shell->frame().changeLayoutType(LayoutATDB));
    layout = shell->frame().layout();
    const int header = layout->clueLists()->headerHeight();
    EXPECT_EQ(heightOf(layout->clueLists()->pane(0)), header);
    EXPECT_EQ(heightOf(layout->clueLists()->pane(1)), header);
}

TEST_F(Layouts, ATypeChangeKeepsTheCursorAndRefillsTheLists) {
    auto shell = open(LayoutARDR);
    PuzzleGrid& grid = *shell->doc().grid;
    grid.GoToClue(3, DirDown);
    ASSERT_TRUE(shell->frame().changeLayoutType(LayoutASDS));
    LayoutManager* layout = shell->frame().layout();
    EXPECT_EQ(grid.view, static_cast<GridViewPort*>(layout->gridView()));
    EXPECT_EQ(grid.cursorX, 2);
    EXPECT_EQ(grid.currentDirection, DirDown);
    EXPECT_EQ(SendMessageA(layout->clueLists()->listBox(1), LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(layout->clueLists()->currentNumber(1), 3);
    EXPECT_EQ(layout->prompt()->text().value_or(""), "3. D3");
}

TEST_F(Layouts, WideningGivesTheRoomToTheWidestPaneAndBarsStopOnePixelShort) {
    auto shell = open(LayoutALDR);
    LayoutManager* layout = shell->frame().layout();
    HWND across = layout->clueLists()->pane(0), down = layout->clueLists()->pane(1);
    HWND grid = layout->promptGridPane()->hwnd();
    const int a = widthOf(across), d = widthOf(down), g = widthOf(grid);
    SetWindowPos(shell->hwnd(), nullptr, 0, 0, 900, 600, SWP_NOZORDER | SWP_NOMOVE);
    shell->pump();
    EXPECT_EQ(widthOf(across), a);
    EXPECT_EQ(widthOf(down), d);
    EXPECT_EQ(widthOf(grid), g + 100);

    // Drag the bar between Across and the grid far past the grid's right edge.
    SplitPane* main = layout->mainPane();
    const RECT bar = main->barRect(0);
    const int y = (bar.top + bar.bottom) / 2;
    SendMessageA(main->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.left + 2, y));
    SendMessageA(main->hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2000, y));
    SendMessageA(main->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2000, y));
    EXPECT_EQ(widthOf(grid), 1);
    EXPECT_EQ(widthOf(down), d);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Layouts, PromptChangesSidesAndTheSideIsRemembered) {
    auto shell = open(0);
    LayoutManager* layout = shell->frame().layout();
    EXPECT_FALSE(shell->frame().changePromptPosition(PromptAbove));
    EXPECT_TRUE(shell->frame().changePromptPosition(PromptBelow));
    EXPECT_GT(screenRect(layout->prompt()->hwnd()).top, screenRect(layout->gridView()->hwnd()).top);
    EXPECT_EQ(heightOf(layout->prompt()->hwnd()), 26);
    shell.reset();
    shell = open(0);
    layout = shell->frame().layout();
    EXPECT_EQ(layout->promptPosition(), PromptBelow);
    EXPECT_GT(screenRect(layout->prompt()->hwnd()).top, screenRect(layout->gridView()->hwnd()).top);
}

}  // namespace
}  // namespace gw::wintest
