// The "Customize Gridwell" sheet in the real shell, driven through its messages from
// inside its own modal loop: Apply on each page changes the running program and what
// is stored at close, Cancel changes nothing, and the Tools page switches tools.
#include <windows.h>
#include <prsht.h>

#include <functional>

#include "doc/puzzle_grid.h"
#include "plugins/host/plugin_manager.h"
#include "prefs/preference_sheet.h"
#include "resources/resource_ids.h"
#include "shell/fonts_colours.h"
#include "shell/layout_manager.h"
#include "shell_harness.h"
#include "views/grid_view.h"

namespace gw::wintest {
namespace {

constexpr int ApplyButton = 0x3021;
enum Page { DisplayTab, SolvingTab, FontsTab, ColorsTab, PrintingTab, ToolsTab };

std::function<void(HWND)>& pendingSteps() {
    static std::function<void(HWND)> steps;
    return steps;
}

BOOL CALLBACK findSheet(HWND hwnd, LPARAM param) {
    char title[128] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(title) != "Customize Gridwell" || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(param) = hwnd;
    return FALSE;
}

void CALLBACK onSheetTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND sheet = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &findSheet, reinterpret_cast<LPARAM>(&sheet));
    if (!sheet || !pendingSteps()) return;
    KillTimer(nullptr, timer);
    auto steps = std::move(pendingSteps());
    pendingSteps() = nullptr;
    steps(sheet);
    if (IsWindow(sheet) && PropSheet_GetCurrentPageHwnd(sheet)) PropSheet_PressButton(sheet, PSBTN_CANCEL);
}

// Opens the sheet and runs `steps` on it while it is up; returns once it is closed.
void withSheet(const std::function<void()>& open, std::function<void(HWND sheet)> steps) {
    pendingSteps() = std::move(steps);
    SetTimer(nullptr, 0, 30, &onSheetTimer);
    open();
    pendingSteps() = nullptr;
}

void withSheet(Shell& shell, std::function<void(HWND sheet)> steps) {
    withSheet([&] { SendMessageA(shell.hwnd(), WM_COMMAND, MAKEWPARAM(CMD_OPTIONS, 0), 0); }, std::move(steps));
}

HWND showPage(HWND sheet, Page page) {
    PropSheet_SetCurSel(sheet, nullptr, page);
    return PropSheet_GetCurrentPageHwnd(sheet);
}

void click(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }
bool isChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
bool isEnabled(HWND window, int id) { return IsWindowEnabled(GetDlgItem(window, id)) != FALSE; }

void pick(HWND page, int id, int index, bool combo = false) {
    HWND control = GetDlgItem(page, id);
    SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE), LPARAM(control));
}

std::string text(HWND window, int id) {
    char buffer[128] = {};
    GetDlgItemTextA(window, id, buffer, sizeof buffer);
    return buffer;
}

// Index in the face list of an installed face other than `avoid`.
int otherFace(HWND page, const std::string& avoid, std::string& face) {
    HWND list = GetDlgItem(page, IDC_FONT_FACES);
    const int count = int(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char name[LF_FACESIZE + 1] = {};
        SendMessageA(list, CB_GETLBTEXT, WPARAM(i), LPARAM(name));
        if (avoid != name) {
            face = name;
            return i;
        }
    }
    return -1;
}

class Preferences : public PuzzleFolderTest {
protected:
    void TearDown() override {
        setColourChooserForTesting(nullptr);
        PuzzleFolderTest::TearDown();
    }
    std::unique_ptr<Shell> open(const PuzzleTraits& traits = {}) {
        writePuzzle(path, traits);
        return std::make_unique<Shell>("\"" + path + "\"");
    }
};

TEST_F(Preferences, DisplayApplyRearrangesTheWindowAndItIsThereAfterARestart) {
    auto shell = open();
    MainWindow& frame = shell->frame();
    ASSERT_EQ(frame.layout()->type(), LayoutARDR);
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, DisplayTab);
        pick(page, IDC_LAYOUT_LIST, 4);  // ARDR, the layout in force
        EXPECT_FALSE(isEnabled(sheet, ApplyButton));
        pick(page, IDC_LAYOUT_LIST, 0);  // ABDB
        EXPECT_TRUE(isEnabled(sheet, ApplyButton));
        click(page, IDC_SHOW_TOOLBAR);
        click(page, IDC_HAND_CURSOR);
        click(page, IDC_PROMPT_BELOW);
        PropSheet_Apply(sheet);
        EXPECT_EQ(frame.layout()->type(), LayoutABDB);
        EXPECT_FALSE(frame.toolbarShown());
        EXPECT_EQ(frame.layout()->promptPosition(), PROMPT_BELOW);
        EXPECT_FALSE(shell->doc().grid->fancyCursor);
        // Applied changes are not undone: Cancel is gone and OK reads Close.
        EXPECT_EQ(text(sheet, IDOK), "Close");
        EXPECT_FALSE(isEnabled(sheet, IDCANCEL));
        PropSheet_PressButton(sheet, PSBTN_OK);
    });
    shell.reset();
    EXPECT_EQ(registryValue("layout", "type"), "1002");
    EXPECT_EQ(registryValue("display", "toolbar"), "0");
    EXPECT_EQ(registryValue("grid", "fancycursor"), "0");

    auto again = open();
    EXPECT_EQ(again->frame().layout()->type(), LayoutABDB);
    EXPECT_EQ(again->frame().layout()->promptPosition(), PROMPT_BELOW);
    EXPECT_FALSE(again->frame().toolbarShown());
}

TEST_F(Preferences, SolvingControlsFollowEachOtherAndApplyKeepsTheSkipChoice) {
    PuzzleTraits scrambled;
    scrambled.stateBits = 4;  // a scrambled solution cannot be checked as one types
    auto shell = open(scrambled);
    PuzzleGrid& grid = *shell->doc().grid;
    ASSERT_TRUE(grid.cursorSkip && grid.skipFilled);
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, SolvingTab);
        EXPECT_FALSE(isEnabled(page, IDC_AUTOCHECK));
        EXPECT_FALSE(isEnabled(page, IDC_SYMBOL_INDICATOR));  // the rebus indicator is off
        click(page, IDC_SKIP_AFTER_LETTER);
        EXPECT_FALSE(isEnabled(page, IDC_SKIP_BLANK));
        EXPECT_FALSE(isEnabled(page, IDC_SKIP_ALWAYS));
        click(page, IDC_RBUTTON_POPUP);
        EXPECT_FALSE(isEnabled(page, IDC_RIGHT_MOUSE_MOVE));
        click(page, IDC_REBUS_INDICATOR);
        EXPECT_TRUE(isEnabled(page, IDC_SYMBOL_INDICATOR));
        click(page, IDC_SYMBOL_INDICATOR);
        click(page, IDC_REBUS_INDICATOR);  // off again: takes the symbols indicator with it
        EXPECT_FALSE(isChecked(page, IDC_SYMBOL_INDICATOR));
        click(page, IDC_ARROW_PAUSE);
        PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_FALSE(grid.cursorSkip);
    EXPECT_TRUE(grid.skipFilled);
    EXPECT_FALSE(shell->frame().gridView()->rightButtonSwitch());
    EXPECT_FALSE(grid.arrowPause);
    EXPECT_FALSE(shell->doc().showSymbolIndicator);
    shell.reset();
    EXPECT_EQ(registryValue("grid", "cursorskip"), "0");
    EXPECT_EQ(registryValue("grid", "skipfilled"), "1");
    EXPECT_EQ(registryValue("grid", "rbuttonswitch"), "0");
    EXPECT_EQ(registryValue("grid", "arrowpause"), "0");
}

TEST_F(Preferences, FontsApplyChangesOnlyTheChosenTarget) {
    auto shell = open();
    FontsAndColours& fonts = *shell->frame().fontsAndColours();
    const std::string gridFace = fonts.gridCharFont.face(), clueFace = fonts.clueFont.face();
    const std::string printGrid = fonts.printGridFace, printLegend = fonts.printLegendFace;
    std::string printClue, screenGrid;
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, FontsTab);
        click(page, IDC_FONT_PRINT);
        click(page, IDC_FONT_CLUES);
        pick(page, IDC_FONT_FACES, otherFace(page, fonts.printClueFace, printClue), true);
        EXPECT_TRUE(isEnabled(sheet, ApplyButton));
        PropSheet_Apply(sheet);
        EXPECT_EQ(fonts.printClueFace, printClue);
        EXPECT_EQ(fonts.clueFont.face(), clueFace);
        EXPECT_EQ(fonts.printGridFace, printGrid);
        EXPECT_EQ(fonts.printLegendFace, printLegend);

        click(page, IDC_FONT_DISPLAY);
        click(page, IDC_FONT_GRID);
        pick(page, IDC_FONT_FACES, otherFace(page, gridFace, screenGrid), true);
        PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_EQ(fonts.gridCharFont.face(), screenGrid);
    EXPECT_EQ(std::string(shell->frame().gridView()->style().letterFont.lfFaceName), screenGrid);
    EXPECT_EQ(fonts.clueFont.face(), clueFace);
    shell.reset();
    EXPECT_EQ(registryValue("Fonts", "PrintClueFont"), printClue);
    EXPECT_EQ(registryValue("Fonts", "GridCharFont"), screenGrid);
}

TEST_F(Preferences, AColourTakesEffectAtOnceAndCancelKeepsIt) {
    auto shell = open();
    setColourChooserForTesting([](CHOOSECOLORA& cc) {
        cc.rgbResult = RGB(1, 2, 3);
        return true;
    });
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, ColorsTab);
        click(page, IDC_COLOR_PEN);
        EXPECT_EQ(shell->frame().gridView()->style().penColour, RGB(1, 2, 3));
        EXPECT_EQ(text(sheet, IDOK), "Close");
        PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
    EXPECT_EQ(shell->frame().fontsAndColours()->penColor.colour, RGB(1, 2, 3));
    shell.reset();
    EXPECT_EQ(registryValue("Colors", "PenColor"), std::to_string(RGB(1, 2, 3)));
}

TEST_F(Preferences, PrintingApplyStoresPositionAndFillAndDropsThePagePlan) {
    auto shell = open();
    FontsAndColours& fonts = *shell->frame().fontsAndColours();
    shell->doc().printJob = std::make_unique<PrintState>();
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, PrintingTab);
        pick(page, IDC_PRINT_POSITION_LIST, 3);  // grid bottom right
        pick(page, IDC_PRINT_BRUSH_LIST, 4);     // no fill
        PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_EQ(fonts.printGridPosition, 3);
    EXPECT_EQ(fonts.printBrushIndex, 4);
    EXPECT_EQ(shell->doc().printJob, nullptr);
    shell.reset();
    EXPECT_EQ(registryValue("Print", "printgridposition"), "3");
    EXPECT_EQ(registryValue("Print", "printbrushindex"), "4");
}

TEST_F(Preferences, CancelLeavesEverythingAsItWas) {
    auto shell = open();
    MainWindow& frame = shell->frame();
    FontsAndColours& fonts = *frame.fontsAndColours();
    const std::string gridFace = fonts.gridCharFont.face();
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, DisplayTab);
        pick(page, IDC_LAYOUT_LIST, 8);
        click(page, IDC_SHOW_STATUSBAR);
        page = showPage(sheet, SolvingTab);
        click(page, IDC_SKIP_AFTER_LETTER);
        page = showPage(sheet, FontsTab);
        std::string face;
        pick(page, IDC_FONT_FACES, otherFace(page, gridFace, face), true);
        page = showPage(sheet, PrintingTab);
        pick(page, IDC_PRINT_BRUSH_LIST, 2);
        PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
    EXPECT_EQ(frame.layout()->type(), LayoutARDR);
    EXPECT_TRUE(frame.statusBarShown());
    EXPECT_TRUE(shell->doc().grid->cursorSkip);
    EXPECT_EQ(fonts.gridCharFont.face(), gridFace);
    EXPECT_EQ(fonts.printBrushIndex, 0);
}

// Pressing Apply disables it (and Cancel): the focus must move on, or Escape and Tab
// stop reaching the sheet. A layout change also rebuilds the grid behind the sheet.
TEST_F(Preferences, AfterApplyTheKeyboardStaysWithTheSheet) {
    auto shell = open();
    HWND focus = nullptr, ok = nullptr;
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, DisplayTab);
        pick(page, IDC_LAYOUT_LIST, 0);
        HWND apply = GetDlgItem(sheet, ApplyButton);
        SetFocus(apply);
        SendMessageA(apply, BM_CLICK, 0, 0);
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
        focus = GetFocus();
        ok = GetDlgItem(sheet, IDOK);
        PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_EQ(shell->frame().layout()->type(), LayoutABDB);
    EXPECT_EQ(focus, ok);
}

// A grid of blocks only never reads its solving preferences when shown; edited on
// the Solving page they must start from, and return to, what is stored.
TEST_F(Preferences, SolvingPreferencesOfAGridWithoutLettersAreReadAndKept) {
    test::PuzBuilder b;
    b.width = 3;
    b.height = 3;
    b.solution = std::string(9, '.');
    b.fill = b.solution;
    const std::vector<uint8_t> bytes = b.build();
    writeFile(path, std::string(bytes.begin(), bytes.end()));
    const std::string key = std::string(SettingsRoot) + "\\grid";
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "cursorskip", REG_SZ, "0", 2);
    auto shell = std::make_unique<Shell>("\"" + path + "\"");
    ASSERT_TRUE(shell->doc().isOpen);
    bool skipShown = true;
    withSheet(*shell, [&](HWND sheet) {
        HWND page = showPage(sheet, SolvingTab);
        skipShown = isChecked(page, IDC_SKIP_AFTER_LETTER);
        click(page, IDC_ARROW_PAUSE);
        PropSheet_PressButton(sheet, PSBTN_OK);
    });
    EXPECT_FALSE(skipShown);
    shell.reset();
    EXPECT_EQ(registryValue("grid", "arrowpause"), "0");
}

#ifdef GW_TEST_TOOLS_DIR
// Tools A, B and C of the test scenario all listen to event 5; the last loaded is listed first.
TEST_F(Preferences, AToolDisabledOnTheToolsPageHearsNothingAndStaysDisabled) {
    auto shell = open();
    std::string scenario = std::string(GW_TEST_TOOLS_DIR) + "\\order";
    std::replace(scenario.begin(), scenario.end(), '/', '\\');
    auto tools = std::make_unique<PluginManager>(scenario);
    std::vector<std::string> listed;
    withSheet([&] { showPreferences({shell->frame(), shell->doc(), tools.get(), gridwellResources()}); },
              [&](HWND sheet) {
                  HWND page = showPage(sheet, ToolsTab);
                  HWND list = GetDlgItem(page, IDC_TOOL_LIST);
                  for (int i = 0; i < int(SendMessageA(list, LB_GETCOUNT, 0, 0)); ++i) {
                      char name[64] = {};
                      SendMessageA(list, LB_GETTEXT, WPARAM(i), LPARAM(name));
                      listed.push_back(name);
                  }
                  EXPECT_EQ(text(page, IDC_TOOL_ENABLE), "Disable");
                  click(page, IDC_TOOL_ENABLE);  // Tool C
                  EXPECT_EQ(text(page, IDC_TOOL_ENABLE), "Enable");
                  EXPECT_FALSE(isEnabled(page, IDC_TOOL_OPTIONS));
                  pick(page, IDC_TOOL_LIST, 1);
                  EXPECT_EQ(text(page, IDC_TOOL_ENABLE), "Disable");
                  PropSheet_PressButton(sheet, PSBTN_CANCEL);
              });
    EXPECT_EQ(listed, (std::vector<std::string>{"Tool C", "Tool B", "Tool A"}));
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(SettingsRoot) + "\\TestLog").c_str());
    tools->sendEvent(5);
    EXPECT_EQ(registryValue("TestLog", "count"), "2");  // B and A only
    EXPECT_EQ(registryValue("TestLog", "0"), "2005");
    tools.reset();
    EXPECT_EQ(registryValue("Tools", "ovtestc.dll"), "0");
    PluginManager restarted(scenario);
    EXPECT_FALSE(restarted.tools().front()->enabled);
}

// The message for a tool without setup belongs to the main window; while it is up the
// sheet must not take clicks (OK there would end the sheet beneath the page's call).
HWND g_sheetDuringSetup = nullptr;
int g_sheetEnabledDuringSetup = -1;

BOOL CALLBACK answerInformation(HWND hwnd, LPARAM) {
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(title) != "Gridwell Information") return TRUE;
    g_sheetEnabledDuringSetup = IsWindowEnabled(g_sheetDuringSetup) ? 1 : 0;
    PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK onSetupTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &answerInformation, 0);
}

TEST_F(Preferences, TheSheetWaitsForAToolsSetup) {
    auto shell = open();
    std::string scenario = std::string(GW_TEST_TOOLS_DIR) + "\\order";
    std::replace(scenario.begin(), scenario.end(), '/', '\\');
    auto tools = std::make_unique<PluginManager>(scenario);
    bool enabledAfter = false;
    withSheet([&] { showPreferences({shell->frame(), shell->doc(), tools.get(), gridwellResources()}); },
              [&](HWND sheet) {
                  HWND page = showPage(sheet, ToolsTab);
                  g_sheetDuringSetup = sheet;
                  const UINT_PTR timer = SetTimer(nullptr, 0, 30, &onSetupTimer);
                  click(page, IDC_TOOL_OPTIONS);  // Tool C has no setup
                  KillTimer(nullptr, timer);
                  enabledAfter = IsWindowEnabled(sheet) != FALSE;
              });
    EXPECT_EQ(g_sheetEnabledDuringSetup, 0);
    EXPECT_TRUE(enabledAfter);
}
#endif

}  // namespace
}  // namespace gw::wintest
