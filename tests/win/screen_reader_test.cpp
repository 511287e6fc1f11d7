// The program as a screen reader meets it, asked through oleacc in process: the grid's
// squares (name, value, marks, role, state, place on screen), the events that follow
// the cursor, and the names of the prompt, the lists and the title strip; F6 between
// the panes; Check saying in words what it marked.
#include <oleacc.h>

#include "grid_test_support.h"
#include "resources/resource_ids.h"
#include "shell/layout_manager.h"
#include "shell_harness.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"
#include "views/status_bar.h"
#include "views/title_pane.h"

namespace gw::wintest {
namespace {

//   CAT    1 Across "Pet that purrs", 3 Across "Road surface"
//   A.A    1 Down "Feline", 2 Down "Pitch"
//   TAR
const char* const Puzzle =
    "<ORVANE PUZZLE>\n<TITLE>\nReader test\n<AUTHOR>\nTester\n<COPYRIGHT>\n2026\n<SIZE>\n3x3\n<GRID>\n"
    "CAT\nA.A\nTAR\n<ACROSS>\nPet that purrs\nRoad surface\n<DOWN>\nFeline\nPitch\n";

VARIANT childVar(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string narrow(BSTR b) {
    std::string s;
    if (b) {
        for (const wchar_t* p = b; *p; ++p) s += char(*p);
        SysFreeString(b);
    }
    return s;
}

struct Heard {
    DWORD event;
    HWND hwnd;
    LONG child;
};
std::vector<Heard>* heard = nullptr;

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (heard && object == OBJID_CLIENT) heard->push_back({event, hwnd, child});
}

class ScreenReader : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);  // as the program's WinMain does
        clearSettings();
        writeRegistry("geometry", "width", "800");
        writeRegistry("geometry", "height", "600");
        path = freshFolder("reader") + "\\reader.txt";
        writeFile(path, Puzzle);
        shell = std::make_unique<Shell>("\"" + path + "\"");
        layout = shell->frame().layout();
        ASSERT_NE(layout, nullptr);
        canvas = layout->gridView()->canvas();
        SetForegroundWindow(shell->hwnd());
        SetFocus(canvas);
        shell->pump();
        ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(canvas, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                            reinterpret_cast<void**>(&grid)));
    }
    void TearDown() override {
        if (hook) UnhookWinEvent(hook);
        heard = nullptr;
        if (grid) grid->Release();
        shell.reset();
        clearSettings();
        CoUninitialize();
    }

    PuzzleGrid& engine() { return *shell->doc().grid; }
    void key(WPARAM vk, bool ctrl = false) {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
        state[VK_CONTROL] = 0;
        SetKeyboardState(state);
        shell->pump();
    }
    void type(char c) {
        SendMessageA(GetFocus(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
        shell->pump();
    }
    std::string name(IAccessible* acc, long id) {
        BSTR b = nullptr;
        acc->get_accName(childVar(id), &b);
        return narrow(b);
    }
    std::string value(long id) {
        BSTR b = nullptr;
        grid->get_accValue(childVar(id), &b);
        return narrow(b);
    }
    std::string description(long id) {
        BSTR b = nullptr;
        grid->get_accDescription(childVar(id), &b);
        return narrow(b);
    }
    long number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long id) {
        VARIANT v;
        VariantInit(&v);
        if (FAILED((grid->*get)(childVar(id), &v)) || v.vt != VT_I4) return -1;
        return v.lVal;
    }
    long focusChild() {
        VARIANT v;
        VariantInit(&v);
        return grid->get_accFocus(&v) == S_OK && v.vt == VT_I4 ? v.lVal : -1;
    }
    void listen() {
        events.clear();
        heard = &events;
        hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, onEvent, GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, nullptr);
    }
    // The grid's events since the last call, as "focus 2" / "value 1" (without the
    // system's own focus events for the canvas window, child 0).
    std::vector<std::string> gridEvents() {
        shell->pump();
        Sleep(50);
        shell->pump();
        std::vector<std::string> out;
        for (const Heard& h : events) {
            if (h.hwnd != canvas) continue;
            if (h.event == EVENT_OBJECT_FOCUS && h.child != CHILDID_SELF)
                out.push_back("focus " + std::to_string(h.child));
            if (h.event == EVENT_OBJECT_VALUECHANGE) out.push_back("value " + std::to_string(h.child));
        }
        events.clear();
        return out;
    }

    std::string path;
    std::unique_ptr<Shell> shell;
    LayoutManager* layout = nullptr;
    HWND canvas = nullptr;
    IAccessible* grid = nullptr;
    HWINEVENTHOOK hook = nullptr;
    std::vector<Heard> events;
};

using Events = std::vector<std::string>;

TEST_F(ScreenReader, EverySquareSaysWhereItIsWhatItHoldsAndItsMarks) {
    long count = 0;
    grid->get_accChildCount(&count);
    EXPECT_EQ(count, 9);
    EXPECT_EQ(number(&IAccessible::get_accRole, CHILDID_SELF), ROLE_SYSTEM_TABLE);
    EXPECT_EQ(name(grid, CHILDID_SELF), "Puzzle grid");

    // The cursor square is the focused child, named by its word, its clue and its place.
    EXPECT_EQ(focusChild(), 1);
    EXPECT_EQ(name(grid, 1), "1 Across, Pet that purrs, letter 1 of 3; 1 Down");
    EXPECT_EQ(value(1), "empty");
    EXPECT_EQ(number(&IAccessible::get_accRole, 1), ROLE_SYSTEM_CELL);
    EXPECT_TRUE(number(&IAccessible::get_accState, 1) & STATE_SYSTEM_FOCUSED);

    type('c');
    EXPECT_EQ(value(1), "C");
    EXPECT_EQ(focusChild(), 2);
    EXPECT_EQ(name(grid, 2), "1 Across, Pet that purrs, letter 2 of 3");  // no Down word crosses it
    // Turning down at the last square of the row: the same square reads its Down word first.
    key(VK_RIGHT);
    key(VK_DOWN, true);
    EXPECT_EQ(focusChild(), 3);
    EXPECT_EQ(name(grid, 3), "2 Down, Pitch, letter 1 of 3; 1 Across");

    // Where the square is on the screen, for magnifiers.
    long left, top, width, height;
    ASSERT_EQ(grid->accLocation(&left, &top, &width, &height, childVar(3)), S_OK);
    const RECT cell = layout->gridView()->squareRect(2, 0);
    POINT corner{cell.left, cell.top};
    ClientToScreen(canvas, &corner);
    EXPECT_EQ(left, corner.x);
    EXPECT_EQ(top, corner.y);
    EXPECT_EQ(width, layout->gridView()->cellSize());
    EXPECT_EQ(height, layout->gridView()->cellSize());

    // A multi-letter entry, a pencilled letter, a revealed and a wrong square.
    engine().SetCellText(0, 2, "CAR", false);
    EXPECT_EQ(value(7), "CAR");
    engine().MoveCursor(1, 2);
    engine().TogglePencilMode();
    type('x');
    engine().TogglePencilMode();
    EXPECT_EQ(value(8), "X");
    EXPECT_EQ(description(8), "pencil");
    engine().MoveCursor(0, 1);
    shell->frame().dispatchCommand(CMD_REVEAL_LETTER, 0);
    EXPECT_EQ(value(4), "A");
    EXPECT_EQ(description(4), "revealed");
    shell->frame().dispatchCommand(CMD_CHECK_ALL, 0);
    EXPECT_EQ(description(7), "marked wrong");
    EXPECT_EQ(description(8), "pencil, marked wrong");

    // A block: named, never focusable.
    EXPECT_EQ(name(grid, 5), "block");
    EXPECT_EQ(value(5), "");
    EXPECT_EQ(number(&IAccessible::get_accState, 5), STATE_SYSTEM_UNAVAILABLE);

    // Past its window the object answers "disconnected", it does not crash.
    shell->doc().isDirty = false;  // no question about saving
    shell->frame().closePuzzle();
    shell->pump();
    BSTR b = nullptr;
    EXPECT_EQ(grid->get_accName(childVar(1), &b), RPC_E_DISCONNECTED);
}

TEST_F(ScreenReader, EventsFollowTheCursorWhileTheGridHasTheKeyboard) {
    listen();
    key(VK_RIGHT);
    EXPECT_EQ(gridEvents(), Events({"focus 2"}));
    type('a');  // the entry first, then the square the cursor moved on to
    EXPECT_EQ(gridEvents(), Events({"value 2", "focus 3"}));
    key(VK_DOWN, true);  // only the direction turns: the name changed
    EXPECT_EQ(gridEvents(), Events({"focus 3"}));
    shell->frame().dispatchCommand(CMD_UNDO, 0);  // the letter goes again
    const Events undone = gridEvents();
    ASSERT_FALSE(undone.empty());
    EXPECT_EQ(undone.front(), "value 2");

    // A command over many squares: one focus event so the reader re-reads; the status
    // line says what Check found.
    engine().SetCellEntry(0, 2, 'Z', false, false);
    engine().SetCellEntry(2, 2, 'Q', false, false);
    gridEvents();
    shell->frame().dispatchCommand(CMD_CHECK_ALL, 0);
    EXPECT_EQ(gridEvents(), Events({"focus " + std::to_string(focusChild())}));
    EXPECT_EQ(shell->frame().statusBar()->text(StatusBar::HelpPart), "2 letters marked wrong.");

    // While a list has the keyboard the grid stays silent, though its cursor follows.
    HWND down = layout->clueLists()->listBox(1);
    SetFocus(down);
    gridEvents();
    engine().GoToClue(3, DirAcross);
    engine().SetCellEntry(0, 2, 'T', false, false);
    layout->gridView()->invalidateCell(0, 2);
    EXPECT_EQ(gridEvents(), Events{});
}

TEST_F(ScreenReader, PromptListsAndTitleStripAreNamedAndF6GoesRoundThePanes) {
    IAccessible* prompt = nullptr;
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(layout->prompt()->hwnd(), DWORD(OBJID_CLIENT),
                                                        __uuidof(IAccessible), reinterpret_cast<void**>(&prompt)));
    EXPECT_EQ(name(prompt, CHILDID_SELF), "1. Pet that purrs");
    key(VK_TAB);
    EXPECT_EQ(name(prompt, CHILDID_SELF), "3. Road surface");
    prompt->Release();

    for (int i = 0; i < 2; ++i) {
        IAccessible* list = nullptr;
        ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(layout->clueLists()->listBox(i), DWORD(OBJID_CLIENT),
                                                            __uuidof(IAccessible), reinterpret_cast<void**>(&list)));
        EXPECT_EQ(name(list, CHILDID_SELF), i == 0 ? "Across" : "Down");
        list->Release();
    }

    TitlePane* strip = shell->frame().titlePane();
    ASSERT_NE(strip, nullptr);
    IAccessible* title = nullptr;
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(strip->hwnd(), DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                        reinterpret_cast<void**>(&title)));
    long count = 0;
    title->get_accChildCount(&count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(name(title, 1), "Reader test");
    EXPECT_EQ(name(title, 2), "Tester");
    EXPECT_EQ(name(title, 3), "\xA9 2026");
    title->Release();

    // F6 from the grid: the Across list, the Down list, back to the grid; Shift+F6 back.
    HWND across = layout->clueLists()->listBox(0), down = layout->clueLists()->listBox(1);
    SetFocus(canvas);
    const std::vector<HWND> forward{across, down, canvas};
    for (HWND expected : forward) {
        SendMessageA(shell->hwnd(), WM_COMMAND, MAKEWPARAM(CMD_NEXT_PANE, 0), 0);
        EXPECT_EQ(GetFocus(), expected);
    }
    SendMessageA(shell->hwnd(), WM_COMMAND, MAKEWPARAM(CMD_PREVIOUS_PANE, 0), 0);
    EXPECT_EQ(GetFocus(), down);
}

}  // namespace
}  // namespace gw::wintest
