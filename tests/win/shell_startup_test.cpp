// Start-up and shutdown of the shell: what is written to the registry, where the
// window opens, and how the command line is read.
#include <algorithm>

#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "shell/command_line.h"
#include "shell/registry_settings.h"
#include "shell/window_geometry.h"
#include "shell/frame_toolbar.h"
#include "shell_harness.h"

namespace gw::wintest {
namespace {

// Every test here starts from and leaves behind an empty settings tree.
class ShellSettingsReset : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override {
        const std::string suite = info.test_suite_name();
        if (suite == "ShellStartup" || suite == "CommandLine") clearSettings();
    }
};
const bool settingsResetInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ShellSettingsReset);
    return true;
}();

std::string programFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p = path;
    return p.substr(0, p.find_last_of('\\'));
}

RECT desktop() {
    RECT r;
    GetWindowRect(GetDesktopWindow(), &r);
    return r;
}

std::vector<std::string> sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(ShellStartup, FreshSettingsRunWritesExactlyTheDefaults) {
    clearSettings();
    {
        Shell shell;
        ASSERT_TRUE(shell.ok);
        EXPECT_EQ(shell.title(), "Gridwell");
        EXPECT_EQ(shell.menuCount(), 2);  // INITMENU: File, Help
        EXPECT_EQ(shell.statusText(), "Ready");
        EXPECT_TRUE(shell.frame().statusBarShown());
        EXPECT_TRUE(shell.frame().toolbarShown());
        // Files may be dropped on the frame once the command line is done.
        EXPECT_NE(GetWindowLongPtrA(shell.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    }
    RECT d = desktop();
    const int dw = d.right - d.left, dh = d.bottom - d.top;
    EXPECT_EQ(sorted(registrySubKeys()), (std::vector<std::string>{"directory", "display", "geometry", "toolbar"}));
    // The toolbar keeps its order, the default one on a first run.
    EXPECT_EQ(registryValue("toolbar", "state"), "40002:40012:40062:0:40008:40017:0:40050:0:40019:40021:40038:0:40060:");
    EXPECT_EQ(sorted(registryValueNames("geometry")),
              (std::vector<std::string>{"height", "maximized", "width", "x", "y"}));
    EXPECT_EQ(registryValue("geometry", "x"), std::to_string((dw - 640) / 2));
    EXPECT_EQ(registryValue("geometry", "y"), std::to_string((dh - 480) / 2));
    EXPECT_EQ(registryValue("geometry", "width"), "640");
    EXPECT_EQ(registryValue("geometry", "height"), "480");
    EXPECT_EQ(registryValue("geometry", "maximized"), "0");
    EXPECT_EQ(sorted(registryValueNames("display")),
              (std::vector<std::string>{"rebusindicator", "statusbar", "symbolindicator", "toolbar"}));
    EXPECT_EQ(registryValue("display", "toolbar"), "1");
    EXPECT_EQ(registryValue("display", "statusbar"), "1");
    EXPECT_EQ(registryValue("display", "rebusindicator"), "0");
    EXPECT_EQ(registryValue("display", "symbolindicator"), "0");
    // No PUZZLES folder beside the program: both dialogs start in the program folder.
    EXPECT_EQ(registryValue("directory", "opendir"), programFolder());
    EXPECT_EQ(registryValue("directory", "savedir"), programFolder());
}

TEST(ShellStartup, StoredSettingsComeBackAndHiddenBarsStayHidden) {
    clearSettings();
    writeRegistry("geometry", "x", "10");
    writeRegistry("geometry", "y", "20");
    writeRegistry("geometry", "width", "500");
    writeRegistry("geometry", "height", "400");
    writeRegistry("display", "statusbar", "0");
    writeRegistry("directory", "opendir", "C:\\puzzles");
    {
        Shell shell;
        ASSERT_TRUE(shell.ok);
        RECT r;
        GetWindowRect(shell.hwnd(), &r);
        EXPECT_EQ(r.left, 10);
        EXPECT_EQ(r.top, 20);
        EXPECT_EQ(r.right - r.left, 500);
        EXPECT_EQ(r.bottom - r.top, 400);
        EXPECT_FALSE(shell.frame().statusBarShown());
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(shell.hwnd(), 101)));
        // The container takes the whole client area under the toolbar while the status bar is hidden.
        RECT client, container;
        GetClientRect(shell.hwnd(), &client);
        GetClientRect(shell.frame().container(), &container);
        EXPECT_EQ(container.bottom + shell.frame().toolbar()->height(), client.bottom);
        EXPECT_EQ(shell.frame().openFolder(), "C:\\puzzles");
        EXPECT_EQ(shell.frame().saveFolder(), "C:\\puzzles");  // follows the open folder
        // Moving the window is remembered for the next run.
        MoveWindow(shell.hwnd(), 30, 40, 520, 410, TRUE);
        shell.pump();
    }
    EXPECT_EQ(registryValue("geometry", "x"), "30");
    EXPECT_EQ(registryValue("geometry", "y"), "40");
    EXPECT_EQ(registryValue("geometry", "width"), "520");
    EXPECT_EQ(registryValue("geometry", "height"), "410");
    EXPECT_EQ(registryValue("display", "statusbar"), "0");
}

TEST(ShellStartup, MaximizedWindowKeepsItsNormalGeometry) {
    clearSettings();
    writeRegistry("geometry", "maximized", "1");
    {
        Shell shell;
        ASSERT_TRUE(shell.ok);
        EXPECT_TRUE(IsZoomed(shell.hwnd()));
    }
    EXPECT_EQ(registryValue("geometry", "maximized"), "1");
    EXPECT_EQ(registryValue("geometry", "width"), "640");  // not the maximized size
}

class GeometryTest : public ::testing::Test {
protected:
    void SetUp() override { clearSettings(); }
    void TearDown() override { clearSettings(); }
    WindowGeometry compute(const DesktopRect& d) {
        RegistrySettings store;
        return computeWindowGeometry(d, store);
    }
};

TEST_F(GeometryTest, FirstRunIsCentred) {
    WindowGeometry g = compute({0, 0, 1024, 768});
    EXPECT_EQ(g.x, 192);
    EXPECT_EQ(g.y, 144);
    EXPECT_EQ(g.width, 640);
    EXPECT_EQ(g.height, 480);
}

TEST_F(GeometryTest, GeometryOffTheDesktopIsDiscardedWithTheLayout) {
    for (auto [name, value] : {std::pair<const char*, const char*>{"x", "2000"}, {"width", "1500"}, {"y", "900"},
                               {"height", "0"}}) {
        clearSettings();
        writeRegistry("geometry", "x", "100");
        writeRegistry("geometry", "y", "100");
        writeRegistry("geometry", "width", "600");
        writeRegistry("geometry", "height", "400");
        writeRegistry("geometry", name, value);
        writeRegistry("layout", "type", "1016");
        WindowGeometry g = compute({0, 0, 1024, 768});
        EXPECT_EQ(g.x, 0) << name;
        EXPECT_EQ(g.y, 0) << name;
        EXPECT_EQ(g.width, 640) << name;
        EXPECT_EQ(g.height, 480) << name;
        EXPECT_TRUE(registrySubKeys().empty()) << name << ": geometry and layout must be deleted";
    }
}

TEST_F(GeometryTest, NegativePositionIsRaisedAndWideWindowMovedLeft) {
    writeRegistry("geometry", "x", "-50");
    writeRegistry("geometry", "y", "-7");
    writeRegistry("geometry", "width", "600");
    writeRegistry("geometry", "height", "400");
    WindowGeometry g = compute({0, 0, 1024, 768});
    EXPECT_EQ(g.x, 0);
    EXPECT_EQ(g.y, 0);

    writeRegistry("geometry", "x", "900");
    writeRegistry("geometry", "y", "700");
    g = compute({0, 0, 1024, 768});
    EXPECT_EQ(g.x, 1024 - 600);
    EXPECT_EQ(g.y, 768 - 400);
    EXPECT_EQ(g.width, 600);
    EXPECT_FALSE(registrySubKeys().empty());  // kept: it fitted once moved
}

TEST(CommandLine, SplitsWordsQuotesAndOptions) {
    using V = std::vector<std::string>;
    EXPECT_EQ(splitCommandLine("prog", ""), V{"prog"});
    EXPECT_EQ(splitCommandLine("prog", "  a.puz  "), (V{"prog", "a.puz"}));
    EXPECT_EQ(splitCommandLine("prog", "\"C:\\My Puzzles\\a b.puz\""), (V{"prog", "C:\\My Puzzles\\a b.puz"}));
    EXPECT_EQ(splitCommandLine("prog", "\"C:\\x y.puz\" second"), (V{"prog", "C:\\x y.puz", "second"}));
    // Options are skipped wherever they stand; a dash inside a name cuts it there.
    EXPECT_EQ(splitCommandLine("prog", "/s -x"), V{"prog"});
    EXPECT_EQ(splitCommandLine("prog", "/s file.puz -q"), (V{"prog", "file.puz"}));
    EXPECT_EQ(splitCommandLine("prog", "cross-word.puz"), (V{"prog", "cross"}));
    // Quotes inside a word join it; doubled quotes are skipped.
    EXPECT_EQ(splitCommandLine("prog", "a\"b c\"d"), (V{"prog", "ab cd"}));
    EXPECT_EQ(splitCommandLine("prog", "\"\"\"x\"\"\""), (V{"prog", "x"}));
    EXPECT_EQ(splitCommandLine("prog", "\"trailing  \""), (V{"prog", "trailing"}));
    EXPECT_EQ(splitCommandLine("prog", "\"unterminated name"), (V{"prog", "unterminated name"}));
}

TEST(CommandLine, TwoFilesWarnThenOfferTheOpenDialog) {
    clearSettings();
    DialogDriver driver;
    driver.press(IDOK).press(IDCANCEL);
    Shell shell("one.puz two.puz", &driver);
    ASSERT_TRUE(shell.ok);
    ASSERT_EQ(driver.seen.size(), 2u);
    EXPECT_EQ(driver.seen[0].title, "Gridwell Warning");
    EXPECT_EQ(driver.seen[0].text, "Unrecognized/too many arguments to program");
    EXPECT_EQ(driver.seen[1].title, "Open");
    EXPECT_FALSE(shell.doc().isOpen);
}

TEST(CommandLine, OnlyOptionsMeansNoFileAndTheOpenDialog) {
    clearSettings();
    DialogDriver driver;
    driver.press(IDCANCEL);
    Shell shell("/safe -nologo", &driver);
    ASSERT_TRUE(shell.ok);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].title, "Open");
}

TEST(CommandLine, MissingFileReportsTheReadersMessageAndStaysEmpty) {
    clearSettings();
    DialogDriver driver;
    driver.press(IDOK).press(IDOK).press(IDOK);
    Shell shell("\"C:\\no such folder\\missing.puz\"", &driver);
    ASSERT_TRUE(shell.ok);
    EXPECT_FALSE(shell.doc().isOpen);
    ASSERT_FALSE(driver.seen.empty());
    EXPECT_EQ(driver.seen[0].title, "Gridwell Warning");
    for (const auto& s : driver.seen) EXPECT_NE(s.title, "Open");  // a named file never shows the dialog
}

TEST(CommandLine, OverlongNameIsRefusedNotCutShort) {
    clearSettings();
    const std::string folder = freshFolder("overlong");
    // The first 255 characters name a real puzzle; the whole name does not.
    std::string longName = folder + "\\" + std::string(255 - folder.size() - 1, 'p');
    writePuzzle(longName);
    DialogDriver driver;
    Shell shell("\"" + longName + "extra.puz\"", &driver);
    ASSERT_TRUE(shell.ok);
    EXPECT_FALSE(shell.doc().isOpen);
    ASSERT_EQ(driver.seen.size(), 1u);  // refused once; the text import is not tried
    EXPECT_EQ(driver.seen[0].text.rfind(stringText(IDS_PATH_TOO_LONG), 0), 0u) << driver.seen[0].text;
}

}  // namespace
}  // namespace gw::wintest
