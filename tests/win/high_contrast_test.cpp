// The grid in high contrast: painted by the real view (its background erase and its
// paint parameters) in the system's colours while the mode is on, in the user's
// colours again once it is off. The mode cannot be switched under Wine, so the test
// sets it through the seam and gives the system a high-contrast scheme of its own.
#include <cstdlib>

#include "grid_test_support.h"
#include "shell/layout_manager.h"
#include "shell_harness.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"

namespace gw::test {
namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Cyan = RGB(0, 255, 255);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Yellow = RGB(255, 255, 0);

// A scheme like Windows' "High Contrast Black", restored afterwards.
class SystemScheme {
public:
    SystemScheme() {
        for (int i = 0; i < Count; ++i) saved_[i] = GetSysColor(Elements[i]);
        const COLORREF scheme[Count] = {Black, White, Cyan, Black, Green, Yellow};
        SetSysColors(Count, Elements, scheme);
    }
    ~SystemScheme() { SetSysColors(Count, Elements, saved_); }

private:
    static constexpr int Count = 6;
    static constexpr int Elements[Count] = {COLOR_WINDOW,        COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                            COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT,   COLOR_HOTLIGHT};
    COLORREF saved_[Count];
};

class HighContrast : public GridViewFixture {
protected:
    void TearDown() override {
        setHighContrastForTesting(-1);
        GridViewFixture::TearDown();
    }
    // The canvas as the view paints it: its own background erase, then the grid.
    std::unique_ptr<MemoryCanvas> paint() {
        const int c = view->cellSize();
        auto m = std::make_unique<MemoryCanvas>(5 * c, 3 * c);
        SendMessageA(view->canvas(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(m->dc()), 0);
        paintGrid(m->dc(), grid(), view->screenPaintParams(0, 5, 0, 3));
        if (const char* dir = std::getenv("GW_SHOT_DIR"))
            m->save(std::string(dir) + (highContrast() ? "\\grid-high-contrast.bmp" : "\\grid-normal.bmp"));
        return m;
    }
};

TEST_F(HighContrast, GridPaintsInSystemColoursAndFramesTheCursorAndWord) {
    openGrid({"CAT.S", "A.OWE", "BUS.A"});
    store.writeInt("grid", "scale", 140);
    ASSERT_NE(makeView(), nullptr);
    PuzzleGrid& g = grid();
    for (int x = 0; x < 3; ++x) g.cell(x, 0).flags |= Highlighted;  // the current word, CAT
    g.cell(2, 0).fill = 'T';
    g.cell(2, 2).fill = 'S';
    g.cell(2, 2).flags |= Pencil;
    view->setCursorCell(0, 0);
    const int c = view->cellSize();
    const GridStyle& style = view->style();
    // In a square's right half, clear of its number, its letter and any frame.
    auto inside = [c](const MemoryCanvas& m, int x, int y) { return m.pixel(x * c + 3 * c / 4, y * c + c / 2); };
    auto letterPixels = [c](const MemoryCanvas& m, int x, int y, COLORREF colour) {
        return m.count(colour, x * c + 3, y * c + c / 3, x * c + c - 4, y * c + c - 3);
    };

    SystemScheme scheme;
    for (int on : {0, 1, 0}) {
        SCOPED_TRACE(on ? "high contrast on" : "high contrast off");
        setHighContrastForTesting(on);
        const auto m = paint();
        if (!on) {
            // The user's colours: white squares, black blocks and lines, the stored
            // highlight colours, no frames.
            EXPECT_EQ(inside(*m, 4, 1), White);
            EXPECT_EQ(inside(*m, 3, 0), Black);
            EXPECT_EQ(m->pixel(c - 1, c / 2), Black);
            EXPECT_EQ(inside(*m, 0, 0), style.currentLetterColour);
            EXPECT_EQ(m->pixel(c / 2, 1), style.currentLetterColour);
            EXPECT_EQ(inside(*m, 1, 0), style.currentWordColour);
            EXPECT_EQ(m->pixel(c + 1, c / 2), style.currentWordColour);
            EXPECT_GT(letterPixels(*m, 2, 2, style.pencilColour), 10);
            continue;
        }
        // Window background, blocks and lines in window text.
        EXPECT_EQ(inside(*m, 4, 1), Black);
        EXPECT_EQ(inside(*m, 3, 0), White);
        EXPECT_EQ(m->pixel(c - 1, c / 2), White);
        // The cursor square in the highlight, framed in hot light.
        EXPECT_EQ(inside(*m, 0, 0), Cyan);
        EXPECT_EQ(m->pixel(c / 2, 1), Yellow);
        // The rest of the word on the window's background, framed in the highlight,
        // its letter in window text.
        EXPECT_EQ(inside(*m, 1, 0), Black);
        EXPECT_EQ(m->pixel(c + 1, c / 2), Cyan);
        EXPECT_GT(letterPixels(*m, 2, 0, White), 10);
        // Pencil in grey text.
        EXPECT_GT(letterPixels(*m, 2, 2, Green), 10);
        EXPECT_EQ(letterPixels(*m, 2, 2, style.pencilColour), 0);
    }
}

// The prompt and the clue lists in the real shell, repainted when the system's colours
// change: the current clue in the highlight, the crossing clue in hot light; the
// user's clue colours again once high contrast is off.
TEST(HighContrastShell, PromptAndListsRepaintInSystemColoursAndBack) {
    using namespace gw::wintest;
    clearSettings();
    const std::string path = freshFolder("highcontrast") + "\\daily.puz";
    writePuzzle(path);
    writeRegistry("geometry", "width", "800");
    writeRegistry("geometry", "height", "600");
    Shell shell("\"" + path + "\"");
    LayoutManager* layout = shell.frame().layout();
    ASSERT_NE(layout, nullptr);
    ClueLists* lists = layout->clueLists();
    HWND across = lists->listBox(0), down = lists->listBox(1), prompt = layout->prompt()->hwnd();
    const COLORREF storedCurrentClue = shell.frame().fontsAndColours()->currentClue.colour;
    SystemScheme scheme;

    // The window as it is on screen, after the repaint the colour change asks for.
    auto snapshot = [&](const char* name) {
        SendMessageA(shell.hwnd(), WM_SYSCOLORCHANGE, 0, 0);
        shell.pump();
        RedrawWindow(shell.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT r;
        GetWindowRect(shell.hwnd(), &r);
        auto m = std::make_unique<MemoryCanvas>(r.right - r.left, r.bottom - r.top);
        HDC screen = GetWindowDC(shell.hwnd());
        BitBlt(m->dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, 0, 0, SRCCOPY);
        ReleaseDC(shell.hwnd(), screen);
        if (const char* dir = std::getenv("GW_SHOT_DIR")) m->save(std::string(dir) + "\\" + name);
        return m;
    };
    // A point of a child window in the snapshot's coordinates.
    auto at = [&](HWND child, int x, int y) {
        POINT p{x, y};
        ClientToScreen(child, &p);
        RECT w;
        GetWindowRect(shell.hwnd(), &w);
        return POINT{p.x - w.left, p.y - w.top};
    };
    auto item = [&](HWND list, RECT& r) {
        const LRESULT sel = SendMessageA(list, LB_GETCURSEL, 0, 0);
        SendMessageA(list, LB_GETITEMRECT, WPARAM(sel), reinterpret_cast<LPARAM>(&r));
    };
    RECT current{}, crossing{}, promptRect{};
    item(across, current);
    item(down, crossing);
    GetClientRect(prompt, &promptRect);

    setHighContrastForTesting(1);
    auto m = snapshot("window-high-contrast.bmp");
    POINT p = at(across, current.right - 3, (current.top + current.bottom) / 2);
    EXPECT_EQ(m->pixel(p.x, p.y), Cyan) << "the current clue in the highlight";
    POINT d = at(down, crossing.left, crossing.top);
    EXPECT_GT(m->count(Yellow, d.x, d.y, d.x + crossing.right - crossing.left, d.y + crossing.bottom - crossing.top), 5)
        << "the crossing clue's text in hot light";
    POINT q = at(prompt, promptRect.right - 3, 2);
    EXPECT_EQ(m->pixel(q.x, q.y), Black) << "the prompt on the window colour";
    POINT t = at(prompt, 0, 0);
    EXPECT_GT(m->count(White, t.x, t.y, t.x + promptRect.right, t.y + promptRect.bottom), 5) << "its text in window text";

    setHighContrastForTesting(0);
    m = snapshot("window-normal.bmp");
    EXPECT_EQ(m->pixel(p.x, p.y), storedCurrentClue) << "the user's colour is back";
    EXPECT_EQ(m->count(Yellow, d.x, d.y, d.x + crossing.right - crossing.left, d.y + crossing.bottom - crossing.top), 0);
    setHighContrastForTesting(-1);
    clearSettings();
}

}  // namespace
}  // namespace gw::test
