// The message loop's routing (accelerators, the active modeless dialog) and the
// window events the tools are told about.
#include "plugins/host/tool_api.h"
#include "resources/resource_ids.h"
#include "shell/frame_toolbar.h"
#include "shell_harness.h"

namespace gw::wintest {
namespace {

// Ctrl held in this thread's keyboard state, as TranslateAccelerator reads it.
class CtrlHeld {
public:
    CtrlHeld() {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::memcpy(state, saved_, sizeof(state));
        state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
        SetKeyboardState(state);
    }
    ~CtrlHeld() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

MSG keyDown(HWND target, WPARAM key) {
    MSG msg = {};
    msg.hwnd = target;
    msg.message = WM_KEYDOWN;
    msg.wParam = key;
    msg.lParam = 1;
    return msg;
}

class ShellLoop : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettings();
        folder = freshFolder("loop");
        path = folder + "\\daily.puz";
        writePuzzle(path);
    }
    // Later suites in this process start from the defaults too.
    void TearDown() override { clearSettings(); }
    std::string folder, path;
};

TEST_F(ShellLoop, AcceleratorsReachTheCommands) {
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    CtrlHeld ctrl;
    DialogDriver driver;
    // Save is greyed on a clean puzzle, so its key does nothing then.
    MSG save = keyDown(shell.hwnd(), 'S');
    shell.app->routeMessage(save);
    const std::string before = readFile(path);
    shell.doc().grid->cell(1, 1).fill = 'Z';
    shell.doc().setDirty();
    shell.app->routeMessage(save);
    EXPECT_FALSE(shell.doc().isDirty);
    EXPECT_NE(readFile(path), before);
    EXPECT_TRUE(driver.seen.empty());
    driver.press(IDCANCEL);
    MSG close = keyDown(shell.hwnd(), 'W');
    shell.app->routeMessage(close);
    EXPECT_FALSE(shell.doc().isOpen);
    // With no puzzle, Ctrl+S, Ctrl+P and Ctrl+W do nothing.
    for (WPARAM key : {WPARAM('S'), WPARAM('P'), WPARAM('W')}) {
        MSG m = keyDown(shell.hwnd(), key);
        shell.app->routeMessage(m);
    }
    shell.pump();
    EXPECT_EQ(driver.unexpected, 0);
}

// A dialog procedure of the platform's calling convention (a lambda is not one on x86).
INT_PTR CALLBACK plainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST_F(ShellLoop, TheActiveModelessDialogKeepsItsKeys) {
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.doc().isOpen);
    HWND notepad = CreateDialogParamA(gridwellResources(), "NOTEPAD", shell.hwnd(), plainDialog, 0);
    ASSERT_NE(notepad, nullptr);
    shell.app->setActiveModeless(notepad);
    CtrlHeld ctrl;
    MSG close = keyDown(GetDlgItem(notepad, IDC_NOTEPAD_EDIT), 'W');
    shell.app->routeMessage(close);
    EXPECT_TRUE(shell.doc().isOpen);  // Ctrl+W typed in the notepad is not the Close command

    shell.app->setActiveModeless(nullptr);
    MSG again = keyDown(GetDlgItem(notepad, IDC_NOTEPAD_EDIT), 'W');
    shell.app->routeMessage(again);
    EXPECT_FALSE(shell.doc().isOpen);
    DestroyWindow(notepad);
}

TEST_F(ShellLoop, WindowEventsReachTheTools) {
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.ok);
    RecordingTools tools;

    MoveWindow(shell.hwnd(), 50, 60, 600, 450, TRUE);
    shell.pump();
    EXPECT_GE(tools.count(MainWindowMoved), 1);
    EXPECT_GE(tools.count(MainWindowResized), 1);

    tools.events.clear();
    ShowWindow(shell.hwnd(), SW_MINIMIZE);
    shell.pump();
    EXPECT_GE(tools.count(MainWindowHidden), 1);
    EXPECT_EQ(tools.count(MainWindowResized), 0);  // nothing is laid out while minimized

    tools.events.clear();
    ShowWindow(shell.hwnd(), SW_RESTORE);
    shell.pump();
    EXPECT_GE(tools.count(MainWindowShown), 1);
    EXPECT_GE(tools.count(MainWindowResized), 1);

    tools.events.clear();
    shell.frame().dispatchCommand(CMD_EXIT, 0);
    EXPECT_EQ(tools.events, (std::vector<int>{PuzzleClosing, PuzzleClosed, QuitRequested}));
    EXPECT_TRUE(shell.pump());
}

// A quit that did not come through Exit leaves the puzzle open when the loop ends:
// it is closed with the question, the views go and the tools hear of it, before the
// document itself is destroyed.
TEST_F(ShellLoop, APuzzleLeftOpenAfterTheLoopIsClosedBeforeTheDocumentGoes) {
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.ok);
    shell.doc().grid->TypeChar('A', false);
    RecordingTools tools;
    DialogDriver driver;
    driver.press(IDNO);
    shell.app->closeLeftOpenPuzzle();
    EXPECT_EQ(driver.seen.size(), 1u);
    EXPECT_FALSE(shell.doc().isOpen);
    EXPECT_EQ(shell.frame().layout(), nullptr);
    EXPECT_EQ(tools.events, (std::vector<int>{PuzzleClosing, PuzzleClosed}));
}

TEST_F(ShellLoop, CongratulationsTellTheToolsFirstAndAboutShowsItsDialog) {
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.ok);
    RecordingTools tools;
    DialogDriver driver;
    driver.press(IDOK).press(IDOK);
    shell.frame().showCongratulations();
    shell.frame().dispatchCommand(CMD_ABOUT, 0);
    EXPECT_EQ(tools.events, std::vector<int>{PuzzleSolved});
    ASSERT_EQ(driver.seen.size(), 2u);
    EXPECT_EQ(driver.seen[0].title, "Congragulations");
    EXPECT_NE(driver.seen[0].text.find("CONGRATULATIONS!"), std::string::npos);
    EXPECT_NE(driver.seen[0].text.find("You have successfully completed this puzzle"), std::string::npos);
    EXPECT_EQ(driver.seen[1].title, "About Gridwell");
}

TEST_F(ShellLoop, RelayoutFillsTheAreaBetweenTheBars) {
    Shell shell("\"" + path + "\"");
    ASSERT_TRUE(shell.ok);
    RECT client, bar, container;
    GetClientRect(shell.hwnd(), &client);
    GetWindowRect(GetDlgItem(shell.hwnd(), 101), &bar);
    GetWindowRect(shell.frame().container(), &container);
    MapWindowPoints(nullptr, shell.hwnd(), reinterpret_cast<POINT*>(&bar), 2);
    MapWindowPoints(nullptr, shell.hwnd(), reinterpret_cast<POINT*>(&container), 2);
    EXPECT_EQ(bar.bottom, client.bottom);
    ASSERT_NE(shell.frame().toolbar(), nullptr);
    EXPECT_EQ(container.top, shell.frame().toolbar()->height());
    EXPECT_EQ(container.bottom, bar.top);
    EXPECT_EQ(container.right - container.left, client.right);

    shell.frame().toggleStatusBar();
    GetWindowRect(shell.frame().container(), &container);
    MapWindowPoints(nullptr, shell.hwnd(), reinterpret_cast<POINT*>(&container), 2);
    EXPECT_EQ(container.bottom, client.bottom);
    shell.frame().toggleStatusBar();
    shell.frame().toggleToolbar();
    GetWindowRect(shell.frame().container(), &container);
    MapWindowPoints(nullptr, shell.hwnd(), reinterpret_cast<POINT*>(&container), 2);
    EXPECT_EQ(container.top, 0);
    shell.frame().toggleToolbar();
}

}  // namespace
}  // namespace gw::wintest
