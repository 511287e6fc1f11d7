// The frame on a monitor of another DPI, as Windows tells it with WM_DPICHANGED (Wine
// never sends it, so the test does): the window takes the suggested rectangle, every
// font, bar and picture is made again for the new DPI, and going back restores them.
#include <windows.h>
#include <commctrl.h>

#include "shell/fonts_colours.h"
#include "shell/layout_manager.h"
#include "shell/split_pane.h"
#include "shell/window_dpi.h"
#include "shell_harness.h"
#include "views/clue_prompt.h"
#include "views/grid_view.h"
#include "views/status_bar.h"
#include "views/title_pane.h"
#include "views/toolbar.h"

namespace gw::wintest {
namespace {

struct Measures {
    RECT window{};
    long letter = 0, clue = 0, title = 0;
    int bar = 0, picture = 0, imageList = 0, cell = 0, scale = 0, statusEdge = 0, titleHeight = 0;
};

Measures measure(Shell& shell) {
    Measures m;
    MainWindow& frame = shell.frame();
    GetWindowRect(shell.hwnd(), &m.window);
    m.letter = frame.fontsAndColours()->gridCharFont.description().lfHeight;
    m.clue = frame.fontsAndColours()->clueFont.description().lfHeight;
    m.title = frame.fontsAndColours()->titleFont.description().lfHeight;
    m.bar = frame.layout()->mainPane()->barThickness();
    auto& toolbar = *static_cast<Toolbar*>(frame.toolbar());
    m.picture = toolbar.pictureSize();
    int cx = 0, cy = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar.hwnd(), TB_GETIMAGELIST, 0, 0)), &cx, &cy);
    m.imageList = cy;
    m.cell = frame.gridView()->cellSize();
    m.scale = frame.gridView()->scale();
    m.statusEdge = frame.statusBar()->partEdges()[3];
    m.titleHeight = frame.titlePane()->height();
    return m;
}

void announceDpi(Shell& shell, int dpi, RECT suggested) {
    SendMessageA(shell.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    shell.pump();
}

using DpiChange = PuzzleFolderTest;

// The program asks Windows for per-monitor awareness (v2), with system awareness for
// Windows that do not know it: Windows then leaves its windows unstretched on every
// monitor and tells it of DPI changes. (Wine keeps one DPI for all screens and reports
// the same context for every request, so the request itself is what can be checked.)
TEST_F(DpiChange, TheProgramAsksForPerMonitorAwareness) {
    HRSRC resource = FindResourceA(gridwellResources(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(resource, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(gridwellResources(), resource))),
                               SizeofResource(gridwellResources(), resource));
    EXPECT_NE(manifest.find(">PerMonitorV2, system</dpiAwareness>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << "older Windows: system aware";
}

TEST_F(DpiChange, MainWindowRebuildsFontsBarsAndPicturesForTheNewDpiAndBack) {
    writePuzzle(path);
    writeRegistry("geometry", "x", "0");
    writeRegistry("geometry", "y", "0");
    writeRegistry("geometry", "width", "600");
    writeRegistry("geometry", "height", "450");
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.ok);
    ASSERT_NE(shell.frame().gridView(), nullptr);
    ASSERT_EQ(windowDpi(shell.hwnd()), 96) << "the test starts from a 96-DPI prefix";
    const Measures before = measure(shell);
    EXPECT_EQ(before.picture, 24);
    EXPECT_EQ(before.imageList, 24);

    const RECT suggested{20, 10, 20 + 1200, 10 + 900};
    announceDpi(shell, 192, suggested);
    const Measures after = measure(shell);
    EXPECT_EQ(windowDpi(shell.hwnd()), 192);
    EXPECT_TRUE(EqualRect(&after.window, &suggested));
    // Heights are one pixel over nominal, so twice the size is twice the nominal plus one.
    EXPECT_NEAR(after.letter, 2 * before.letter + 1, 1);
    EXPECT_NEAR(after.clue, 2 * before.clue + 1, 1);
    EXPECT_NEAR(after.title, 2 * before.title + 1, 1);
    EXPECT_EQ(after.bar, 2 * before.bar);
    EXPECT_EQ(after.picture, 48);
    EXPECT_EQ(after.imageList, 48);
    EXPECT_EQ(after.scale, before.scale) << "the grid keeps its scale; its pixels follow the DPI";
    EXPECT_NEAR(after.cell, 2 * before.cell, 3);
    EXPECT_GT(after.statusEdge, before.statusEdge);
    EXPECT_GT(after.titleHeight, before.titleHeight * 3 / 2);
    // The child views ask the frame's DPI, not the screen's.
    EXPECT_EQ(windowDpi(shell.frame().layout()->prompt()->hwnd()), 192);

    announceDpi(shell, 96, before.window);
    const Measures back = measure(shell);
    EXPECT_TRUE(EqualRect(&back.window, &before.window));
    EXPECT_EQ(back.letter, before.letter);
    EXPECT_EQ(back.clue, before.clue);
    EXPECT_EQ(back.bar, before.bar);
    EXPECT_EQ(back.picture, 24);
    EXPECT_EQ(back.cell, before.cell);
    EXPECT_EQ(back.statusEdge, before.statusEdge);
    EXPECT_EQ(back.titleHeight, before.titleHeight);
}

}  // namespace
}  // namespace gw::wintest
