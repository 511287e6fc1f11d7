// Keys, characters and the mouse on the real canvas, reaching the real engine;
// the multi-letter entry box, the hover box and the pop-up menu's greying.
#include "grid_test_support.h"

namespace gw::test {
namespace {

//   CAT.S     1 Across CAT, 4 Across OWE, 5 Across BUS
//   A.OWE     1 Down CAB, 2 Down TOS, 3 Down SEA
//   BUS.A
std::vector<std::string> smallGrid() { return {"CAT.S", "A.OWE", "BUS.A"}; }

class GridInput : public GridViewFixture {
protected:
    void SetUp() override {
        GridViewFixture::SetUp();
        store.writeInt("grid", "automove", 0);  // keep the test's pointer where it is
        openGrid(smallGrid());
        ASSERT_NE(makeView(), nullptr);
        SetFocus(view->canvas());
    }
    std::string fillAt(int x, int y) { return std::string(1, grid().cell(x, y).fill); }
};

TEST_F(GridInput, AttachGivesTheViewTheCursorAndFocus) {
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    EXPECT_EQ(grid().currentDirection, DirAcross);
    EXPECT_EQ(GetFocus(), view->canvas());
    // The frame focuses the container; the canvas takes it on.
    SetFocus(parent);
    SetFocus(view->hwnd());
    EXPECT_EQ(GetFocus(), view->canvas());
}

TEST_F(GridInput, LettersDigitsAndSymbolsAreTyped) {
    typeChar('c');
    EXPECT_EQ(fillAt(0, 0), "C");
    EXPECT_EQ(cursor(), std::make_pair(1, 0));  // moved on
    typeChar('7');
    EXPECT_EQ(fillAt(1, 0), "S");  // a digit's initial
    ASSERT_TRUE(grid().cell(1, 0).userRebus);
    EXPECT_STREQ(grid().cell(1, 0).userRebus->text, "7");
    typeChar('#');
    EXPECT_EQ(fillAt(2, 0), "H");
    EXPECT_TRUE(doc->isDirty);
    // Ignored characters change nothing.
    grid().MoveCursor(0, 2);
    for (char c : {'!', '-', '.', '\t', '\r', char(8)}) typeChar(c);
    EXPECT_EQ(fillAt(0, 2), "-");
    EXPECT_EQ(cursor(), std::make_pair(0, 2));
}

TEST_F(GridInput, SpaceErasesShiftSpaceTogglesPencilStarCircles) {
    typeChar('c');
    typeChar('a');
    grid().MoveCursor(0, 0);
    typeChar(' ', true);
    EXPECT_TRUE(grid().cell(0, 0).flags & Pencil);
    EXPECT_EQ(cursor(), std::make_pair(1, 0));
    typeChar(' ');
    EXPECT_EQ(fillAt(1, 0), "-");
    EXPECT_EQ(cursor(), std::make_pair(2, 0));
    typeChar('*');
    EXPECT_TRUE(grid().cell(2, 0).flags & Circled);
}

TEST_F(GridInput, ArrowsWithShiftAndCtrl) {
    key(VK_RIGHT);
    EXPECT_EQ(cursor(), std::make_pair(1, 0));
    // Ctrl+Left across Across does nothing; Ctrl+Down switches to Down.
    key(VK_LEFT, false, true);
    EXPECT_EQ(grid().currentDirection, DirAcross);
    key(VK_DOWN, false, true);
    EXPECT_EQ(grid().currentDirection, DirAcross) << "(1,0) lies in no Down word";
    grid().MoveCursor(0, 0);
    grid().SetDirection(DirAcross);
    key(VK_DOWN, false, true);
    EXPECT_EQ(grid().currentDirection, DirDown);
    key(VK_UP, false, true);  // already Down
    EXPECT_EQ(grid().currentDirection, DirDown);
    key(VK_RIGHT, false, true);
    EXPECT_EQ(grid().currentDirection, DirAcross);
    // Shift wins over Ctrl: Shift+Ctrl+Right moves by word like Shift+Right.
    grid().MoveCursor(0, 1);
    grid().SetDirection(DirDown);
    key(VK_RIGHT, true, true);
    EXPECT_EQ(grid().currentDirection, DirDown);
    EXPECT_NE(cursor(), std::make_pair(0, 1));
}

TEST_F(GridInput, TabEnterHomeEndBackspaceDelete) {
    key(VK_TAB);  // to 4 Across
    EXPECT_EQ(cursor(), std::make_pair(2, 1));
    key(VK_TAB, true);
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    key(VK_RETURN);
    EXPECT_EQ(cursor(), std::make_pair(2, 1));
    grid().MoveCursor(1, 0);
    grid().SetDirection(DirAcross);
    key(VK_END);
    EXPECT_EQ(cursor(), std::make_pair(2, 0));
    key(VK_HOME);
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    key(VK_END, true);
    EXPECT_EQ(cursor(), std::make_pair(4, 2));
    key(VK_HOME, true);
    EXPECT_EQ(cursor(), std::make_pair(0, 0));
    EXPECT_EQ(grid().currentDirection, DirDown);  // (4,2) lies only in a Down word
    grid().SetDirection(DirAcross);
    typeChar('c');
    typeChar('a');
    key(VK_BACK);  // erase at (2,0) and step back
    EXPECT_EQ(cursor(), std::make_pair(1, 0));
    key(VK_DELETE);  // erase, stay
    EXPECT_EQ(fillAt(1, 0), "-");
    EXPECT_EQ(cursor(), std::make_pair(1, 0));
    EXPECT_EQ(fillAt(0, 0), "C");
}

TEST_F(GridInput, PressAndReleaseSetTheDirection) {
    HWND canvas = view->canvas();
    SetFocus(parent);
    // Press on (2,0), release on (2,2): same column → Down.
    SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(2, 0));
    EXPECT_EQ(cursor(), std::make_pair(2, 0));
    EXPECT_EQ(GetFocus(), canvas);
    EXPECT_EQ(GetCapture(), canvas);
    SendMessageA(canvas, WM_LBUTTONUP, 0, cellPoint(2, 2));
    EXPECT_EQ(grid().currentDirection, DirDown);
    EXPECT_NE(GetCapture(), canvas);
    // Same row → Across.
    SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(2, 1));
    SendMessageA(canvas, WM_LBUTTONUP, 0, cellPoint(4, 1));
    EXPECT_EQ(grid().currentDirection, DirAcross);
    // A block is refused: no capture, cursor stays.
    SetFocus(parent);
    SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(3, 0));
    EXPECT_EQ(cursor(), std::make_pair(2, 1));
    EXPECT_NE(GetCapture(), canvas);
    EXPECT_NE(GetFocus(), canvas);
    SendMessageA(canvas, WM_LBUTTONUP, 0, cellPoint(2, 2));
    EXPECT_EQ(grid().currentDirection, DirAcross);  // no press held: ignored
}

TEST_F(GridInput, RightButtonSwitchesDirection) {
    ASSERT_TRUE(view->rightButtonSwitch());
    EXPECT_EQ(grid().currentDirection, DirAcross);
    SendMessageA(view->canvas(), WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(0, 0));
    EXPECT_EQ(grid().currentDirection, DirDown);
}

TEST_F(GridInput, PopupMenuGreying) {
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < 12; ++i) {
        const UINT id = i == 0 ? 40013 : i == 1 ? 40016 : UINT(41000 + i);
        AppendMenuA(popup, MF_STRING, id, "item");
    }
    auto greyed = [&](UINT item, UINT by) { return (GetMenuState(popup, item, by) & MF_GRAYED) != 0; };
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    view->prepareGridMenu(popup);
    EXPECT_TRUE(greyed(40013, MF_BYCOMMAND));  // nothing to undo
    EXPECT_TRUE(greyed(40016, MF_BYCOMMAND));  // no text to paste
    EXPECT_FALSE(greyed(10, MF_BYPOSITION));
    EXPECT_FALSE(greyed(11, MF_BYPOSITION));
    typeChar('c');
    doc->isScrambled = true;
    view->prepareGridMenu(popup);
    EXPECT_FALSE(greyed(40013, MF_BYCOMMAND));
    EXPECT_TRUE(greyed(10, MF_BYPOSITION));
    EXPECT_TRUE(greyed(11, MF_BYPOSITION));
    DestroyMenu(popup);
}

TEST_F(GridInput, EntryBoxEntersAMultiLetterEntry) {
    typeChar('c');
    grid().MoveCursor(0, 0);
    key(VK_INSERT);
    HWND box = view->boxWindow();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(view->boxIsEditable());
    EXPECT_EQ(GetFocus(), box);
    char text[16] = {};
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "C");
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u);
    // Placed with its bottom at the cell's bottom and its left one pixel left of the cell.
    RECT boxRect{};
    GetWindowRect(box, &boxRect);
    POINT cellCorner{-1, view->cellSize()};
    ClientToScreen(view->canvas(), &cellCorner);
    EXPECT_EQ(boxRect.left, cellCorner.x);
    EXPECT_EQ(boxRect.bottom, cellCorner.y);
    for (char c : {'t', '!', 'w', '.', 'o'}) SendMessageA(box, WM_CHAR, WPARAM(c), 1);
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "TWO");
    SendMessageA(box, WM_CHAR, '\r', 1);
    EXPECT_EQ(view->boxWindow(), nullptr);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(GetFocus(), view->canvas());
    ASSERT_TRUE(grid().cell(0, 0).userRebus);
    EXPECT_STREQ(grid().cell(0, 0).userRebus->text, "TWO");
    EXPECT_EQ(fillAt(0, 0), "T");
}

// The Enter key as the message loop delivers it: a key-down translated into a character.
TEST_F(GridInput, EntryBoxTakesEnterThroughTheMessageLoop) {
    grid().MoveCursor(2, 1);
    key(VK_INSERT);
    HWND box = view->boxWindow();
    ASSERT_NE(box, nullptr);
    for (char c : std::string("HEART")) SendMessageA(box, WM_CHAR, WPARAM(c), 1);
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(box, WM_KEYUP, VK_RETURN, 0xC01C0001);
    pumpMessages();
    EXPECT_EQ(view->boxWindow(), nullptr);
    ASSERT_TRUE(grid().cell(2, 1).userRebus);
    EXPECT_STREQ(grid().cell(2, 1).userRebus->text, "HEART");
}

TEST_F(GridInput, EntryBoxEscapeAndRevealedCells) {
    grid().MoveCursor(1, 0);
    key(VK_INSERT);
    HWND box = view->boxWindow();
    ASSERT_NE(box, nullptr);
    char text[16] = {1};
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "");
    SendMessageA(box, WM_CHAR, 'x', 1);
    SendMessageA(box, WM_CHAR, 27, 1);
    EXPECT_EQ(view->boxWindow(), nullptr);
    EXPECT_EQ(fillAt(1, 0), "-");
    EXPECT_FALSE(grid().cell(1, 0).userRebus);
    // At most eight characters.
    key(VK_INSERT);
    box = view->boxWindow();
    for (char c : std::string("ABCDEFGHIJ")) SendMessageA(box, WM_CHAR, WPARAM(c), 1);
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "ABCDEFGH");
    SendMessageA(box, WM_CHAR, 27, 1);
    // A revealed cell refuses the box and the symbol picker.
    int pickerCalls = 0;
    GridView::symbolPickerOpener() = [&](HWND, HFONT, POINT, int) { ++pickerCalls; return HWND(nullptr); };
    grid().cell(1, 0).flags |= Revealed;
    key(VK_INSERT);
    EXPECT_EQ(view->boxWindow(), nullptr);
    key(VK_INSERT, true);
    EXPECT_EQ(pickerCalls, 0);
}

TEST_F(GridInput, ShiftInsertOpensTheSymbolPickerBelowTheCell) {
    HFONT font = nullptr;
    POINT at{};
    int size = 0;
    GridView::symbolPickerOpener() = [&](HWND owner, HFONT f, POINT p, int s) {
        EXPECT_EQ(owner, view->canvas());
        font = f;
        at = p;
        size = s;
        return HWND(nullptr);
    };
    grid().MoveCursor(2, 0);
    key(VK_INSERT, true);
    EXPECT_EQ(font, view->symbolFont());
    EXPECT_EQ(size, view->cellSize() / 2);
    POINT expected{2 * view->cellSize() - 1, view->cellSize() - 1};
    ClientToScreen(view->canvas(), &expected);
    EXPECT_EQ(at.x, expected.x);
    EXPECT_EQ(at.y, expected.y);
}

TEST_F(GridInput, HoverBoxShowsLongEntriesAboveTheCell) {
    setUserRebus(grid().cell(0, 2), "HEART");
    setUserRebus(grid().cell(1, 2), "ABC");
    HWND canvas = view->canvas();
    SendMessageA(canvas, WM_MOUSEMOVE, 0, cellPoint(0, 2));
    HWND box = view->boxWindow();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(view->boxIsEditable());
    char text[16] = {};
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "HEART");
    EXPECT_EQ(GetCapture(), canvas);
    EXPECT_NE(GetFocus(), box);  // it never takes the focus
    RECT r{};
    GetWindowRect(box, &r);
    POINT cellTop{-1, 2 * view->cellSize() - 2};
    ClientToScreen(canvas, &cellTop);
    EXPECT_EQ(r.left, cellTop.x);
    EXPECT_EQ(r.bottom, cellTop.y);
    // The whole entry fits in the box's text area.
    RECT client{};
    GetClientRect(box, &client);
    const DWORD margins = DWORD(SendMessageA(box, EM_GETMARGINS, 0, 0));
    HDC dc = GetDC(box);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, "HEART", 5, &extent);
    SelectObject(dc, oldFont);
    ReleaseDC(box, dc);
    EXPECT_GE(client.right - int(LOWORD(margins)) - int(HIWORD(margins)), extent.cx);
    // Moving within the cell keeps it; to the next cell (three letters) closes it.
    SendMessageA(canvas, WM_MOUSEMOVE, 0, cellPoint(0, 2) + 1);
    EXPECT_EQ(view->boxWindow(), box);
    SendMessageA(canvas, WM_MOUSEMOVE, 0, cellPoint(1, 2));
    EXPECT_EQ(view->boxWindow(), nullptr);
    EXPECT_NE(GetCapture(), canvas);
    // Leaving the canvas closes it too.
    SendMessageA(canvas, WM_MOUSEMOVE, 0, cellPoint(0, 2));
    ASSERT_NE(view->boxWindow(), nullptr);
    SendMessageA(canvas, WM_MOUSEMOVE, 0, MAKELPARAM(-5, -5));
    EXPECT_EQ(view->boxWindow(), nullptr);
}

TEST_F(GridInput, AutomoveTakesThePointerToTheCursorCell) {
    view->setAutomove(true);
    SetFocus(view->canvas());
    POINT inside{2, 2};
    ClientToScreen(view->canvas(), &inside);
    SetCursorPos(inside.x + view->cellSize() * 2, inside.y + view->cellSize() * 2);  // over (2,2)
    key(VK_RIGHT);
    POINT pointer{};
    GetCursorPos(&pointer);
    POINT expected{2 * view->cellSize() - 2, view->cellSize() - 2};
    ClientToScreen(view->canvas(), &expected);
    EXPECT_EQ(pointer.x, expected.x);
    EXPECT_EQ(pointer.y, expected.y);
}

TEST_F(GridInput, PaintMessageDrawsTheEngineState) {
    typeChar('c');
    UpdateWindow(view->canvas());
    HDC dc = GetDC(view->canvas());
    const int c = view->cellSize();
    // The cursor cell is red, the rest of the word light grey, the block black.
    EXPECT_EQ(GetPixel(dc, c + c - 4, c / 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 2 * c + c - 4, c / 2), RGB(192, 192, 192));
    EXPECT_EQ(GetPixel(dc, 3 * c + c / 2, c / 2), RGB(0, 0, 0));
    ReleaseDC(view->canvas(), dc);
}

}  // namespace
}  // namespace gw::test
