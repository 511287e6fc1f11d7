// The real OVtimer.dll behind a fake host: the time it keeps in "LTIM" through
// opening, minimising, the 99:59 limit and saving, and the score entry it writes.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "plugins/host/tool_api.h"

namespace {

// A 2x2 puzzle whose answers and entries the tests set; settings and sections in maps.
struct FakeHost {
    ToolHost tool;
    HWND main = nullptr;
    std::map<std::string, int32_t> settings;
    std::map<std::string, std::string> sections;
    std::string path;
    const char* solution = "ABCD";
    std::string entries = "----";
    int32_t letterCells = 4;
    int32_t modified = 0;
};
FakeHost host;

FakeHost& self(ToolHost* h) { return *reinterpret_cast<FakeHost*>(h); }
int cell(int32_t c, int32_t r) { return c >= 0 && c < 2 && r >= 0 && r < 2 ? r * 2 + c : -1; }
int32_t filled() {
    int n = 0;
    for (char e : host.entries) n += e != '-';
    return n;
}

const ToolHostServices services = {
    [](ToolHost*, const ToolInfo* info) -> int32_t { return info->version <= 2; },
    [](ToolHost*, int32_t) {},
    [](ToolHost* h) -> void* { return self(h).main; },
    [](ToolHost*) -> void* { return GetModuleHandleA(nullptr); },
    [](ToolHost* h, const char* s, const char* n, int32_t* v) {
        auto it = self(h).settings.find(std::string(s) + "/" + n);
        if (it != self(h).settings.end()) *v = it->second;
    },
    [](ToolHost* h, const char* s, const char* n, int32_t v) { self(h).settings[std::string(s) + "/" + n] = v; },
    [](ToolHost* h, const char* n, void* buffer, int32_t capacity) -> int32_t {
        auto it = self(h).sections.find(n);
        if (it == self(h).sections.end() || int32_t(it->second.size()) > capacity) return 0;
        memcpy(buffer, it->second.data(), it->second.size());
        return int32_t(it->second.size());
    },
    [](ToolHost* h, const char* n, const void* data, int32_t length) {
        self(h).sections[n] = std::string(static_cast<const char*>(data), size_t(length));
        self(h).modified = 1;
    },
    [](ToolHost* h, const char* n) { self(h).sections.erase(n); },
    [](ToolHost*) -> int32_t { return 1; },
    [](ToolHost*) -> int32_t { return 0; },
    [](ToolHost*, int32_t c, int32_t r) -> int32_t { return cell(c, r) >= 0; },
    [](ToolHost*, int32_t, int32_t) -> int32_t { return 0; },
    [](ToolHost*, int32_t, int32_t) -> int32_t { return 0; },
    [](ToolHost* h) -> int32_t { return self(h).modified; },
    [](ToolHost*) -> int32_t { return filled() == 4; },
    [](ToolHost*) -> int32_t { return 1; },
    [](ToolHost*) -> int32_t { return 2; },
    [](ToolHost*) -> int32_t { return 2; },
    [](ToolHost*, int32_t c, int32_t r) -> char { return cell(c, r) >= 0 ? host.entries[cell(c, r)] : 0; },
    [](ToolHost*, int32_t c, int32_t r) -> char { return cell(c, r) >= 0 ? host.solution[cell(c, r)] : 0; },
    [](ToolHost* h) -> const char* { return self(h).path.c_str(); },
    [](ToolHost*) -> int32_t { return filled(); },
    [](ToolHost* h) -> int32_t { return self(h).letterCells; },
    [](ToolHost*, int32_t) {},
    [](ToolHost*) {},
};

void pump(DWORD millis) {
    DWORD end = GetTickCount() + millis;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    } while (GetTickCount() < end);
}

std::string binDir() {
    const char* env = std::getenv("GW_BIN_DIR");
    return env && *env ? env : GW_BIN_DIR;
}

class TimerToolTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        host.tool.services = &services;
        host.main = CreateWindowExA(0, "STATIC", "Timer test main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                    600, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        library = LoadLibraryA((binDir() + "\\Plugins\\Tools\\OVtimer.dll").c_str());
        if (!library) return;
        auto init = reinterpret_cast<ToolInitProc>(reinterpret_cast<void*>(GetProcAddress(library, TOOLAPI_INIT_NAME)));
        handle = reinterpret_cast<ToolHandleEventProc>(
            reinterpret_cast<void*>(GetProcAddress(library, TOOLAPI_HANDLE_EVENT_NAME)));
        if (init) init(&host.tool);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "gw_timer_test";
        CreateDirectoryA(folder.c_str(), nullptr);
        host.path = folder + "\\Tiny puzzle.puz";
    }
    static void TearDownTestSuite() {
        if (library) FreeLibrary(library);
        DestroyWindow(host.main);
    }
    void SetUp() override {
        ASSERT_NE(library, nullptr) << "OVtimer.dll not built";
        ASSERT_NE(handle, nullptr);
        host.settings.clear();
        host.sections.clear();
        host.entries = "----";
        host.letterCells = 4;
        host.modified = 0;
        DeleteFileA((folder + "\\score.dat").c_str());
        ShowWindow(host.main, SW_SHOWNORMAL);
    }
    void open(const char* ltim) {
        if (ltim) host.sections["LTIM"] = ltim;
        handle(PuzzleLoading);
        handle(PuzzleOpened);
        pump(50);
    }
    void close() {
        handle(PuzzleClosing);
        handle(PuzzleClosed);
    }
    // The time and flag the timer stores at a save.
    std::string saved() {
        handle(BeforeSave);
        return host.sections["LTIM"];
    }
    static HWND timerWindow() { return FindWindowA("TimerWindowClass", "Timer"); }

    static HMODULE library;
    static ToolHandleEventProc handle;
    static std::string folder;
};
HMODULE TimerToolTest::library = nullptr;
ToolHandleEventProc TimerToolTest::handle = nullptr;
std::string TimerToolTest::folder;

TEST_F(TimerToolTest, OpeningKeepsTheSavedTimeAndStopsItWhereTheRulesSay) {
    open("754,1");
    HWND timer = timerWindow();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(IsWindowVisible(timer));
    RECT r;
    GetWindowRect(timer, &r);
    EXPECT_EQ(r.right - r.left, 170);
    EXPECT_GE(r.bottom - r.top, 22);
    pump(1200);
    EXPECT_EQ(saved(), "754,1") << "a stopped clock stays at 12:34";
    close();
    EXPECT_EQ(timerWindow(), nullptr) << "the window goes with the puzzle";

    host.settings["PellTimer/startoff"] = 1;
    open("754,0");
    EXPECT_EQ(saved(), "754,1") << "always open with the timer off";
    close();

    host.settings.clear();
    host.modified = 1;  // an imported puzzle
    open("754,0");
    EXPECT_EQ(saved(), "754,1");
    close();

    host.modified = 0;
    open("x754,1");  // unreadable: a new clock that counts
    EXPECT_EQ(saved().substr(0, 2), "0,");
    EXPECT_EQ(saved().back(), '0');
    close();
}

TEST_F(TimerToolTest, MinimisingPausesOnlyARunningClock) {
    open("10,0");
    ShowWindow(host.main, SW_MINIMIZE);
    handle(MainWindowHidden);
    EXPECT_FALSE(IsWindowVisible(timerWindow()));
    std::string paused = saved();
    EXPECT_EQ(paused.back(), '1');
    ShowWindow(host.main, SW_RESTORE);
    handle(MainWindowShown);
    EXPECT_TRUE(IsWindowVisible(timerWindow()));
    EXPECT_EQ(saved().back(), '0') << "counting again after the restore";
    close();

    open("10,1");  // stopped by the user
    handle(MainWindowHidden);
    handle(MainWindowShown);
    EXPECT_EQ(saved(), "10,1");
    close();
}

TEST_F(TimerToolTest, StopsAt9959) {
    open("5998,0");
    pump(2300);  // the tick repaints; the time comes from the wall clock
    EXPECT_EQ(saved(), "5999,1");
    close();
}

TEST_F(TimerToolTest, SaveWritesTheScoreEntryWithTimingOnAndOff) {
    host.entries = "ABC-";  // three correct, one empty
    open("100,1");
    handle(BeforeSave);
    close();
    char value[128] = {};
    std::string file = folder + "\\score.dat";
    GetPrivateProfileStringA("SCORE", "TINY PUZZLE", "", value, sizeof value, file.c_str());
    // base 30: the time half is used up by 100 seconds, the accuracy half stays.
    EXPECT_NE(strstr(value, ":100:30:75"), nullptr) << value;

    host.settings["PellTimer/timeroff"] = 1;
    host.entries = "ABCD";
    open("100,1");
    EXPECT_EQ(saved(), "0,1") << "with timing off the saved time is not used";
    close();
    GetPrivateProfileStringA("SCORE", "Tiny puzzle", "", value, sizeof value, file.c_str());
    EXPECT_NE(strstr(value, ":0:80:100"), nullptr) << value;
    EXPECT_EQ(host.settings["PellTimer/timeroff"], 1) << "written back when the puzzle closes";
}

// "Timer Options" run from the Tools page with no puzzle: it shows what is stored and
// OK keeps it, whatever the last puzzle left in memory.
std::string optionsSeen;
void CALLBACK answerOptions(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowA("#32770", "Timer Options");
    if (!dialog) return;
    KillTimer(nullptr, id);
    optionsSeen = std::to_string(IsDlgButtonChecked(dialog, 1015)) + std::to_string(IsDlgButtonChecked(dialog, 1001));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(TimerToolTest, OptionsWithoutAPuzzleShowAndKeepTheStoredChoices) {
    auto setup = reinterpret_cast<ToolSetupProc>(reinterpret_cast<void*>(GetProcAddress(library, TOOLAPI_SETUP_NAME)));
    ASSERT_NE(setup, nullptr);
    for (int32_t off : {1, 0}) {
        host.settings["PellTimer/timeroff"] = off;
        host.settings["PellTimer/addincomplete"] = off ? 0 : 1;
        optionsSeen.clear();
        SetTimer(nullptr, 0, 100, answerOptions);
        EXPECT_EQ(setup(), 1);
        EXPECT_EQ(optionsSeen, off ? "11" : "00");
        EXPECT_EQ(host.settings["PellTimer/timeroff"], off);
        EXPECT_EQ(host.settings["PellTimer/addincomplete"], off ? 0 : 1);
    }
}

// A screen reader's view of the timer, through oleacc as a reader asks.
std::string narrow(BSTR text) {
    std::string out;
    for (UINT i = 0; text && i < SysStringLen(text); ++i) out += char(text[i]);
    SysFreeString(text);
    return out;
}
VARIANT childId(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}
std::string accName(IAccessible* acc, long child) {
    BSTR text = nullptr;
    return acc->get_accName(childId(child), &text) == S_OK ? narrow(text) : "(none)";
}
std::string accValue(IAccessible* acc) {
    BSTR text = nullptr;
    return acc->get_accValue(childId(CHILDID_SELF), &text) == S_OK ? narrow(text) : "(none)";
}
long accLong(IAccessible* acc, long child, bool role) {
    VARIANT v;
    VariantInit(&v);
    HRESULT hr = role ? acc->get_accRole(childId(child), &v) : acc->get_accState(childId(child), &v);
    return hr == S_OK && v.vt == VT_I4 ? v.lVal : -1;
}
int valueChanges = 0;
void CALLBACK countValueChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (hwnd == FindWindowA("TimerWindowClass", "Timer") && object == OBJID_CLIENT && child == CHILDID_SELF)
        ++valueChanges;
}

TEST_F(TimerToolTest, ReadersHearTheTimeAndPressTheButtonsByName) {
    CoInitialize(nullptr);
    open("754,1");
    HWND timer = timerWindow();
    ASSERT_NE(timer, nullptr);
    IAccessible* acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(timer, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&acc)),
              S_OK);
    ASSERT_NE(acc, nullptr);
    EXPECT_EQ(accName(acc, CHILDID_SELF), "Timer");
    EXPECT_EQ(accValue(acc), "12:34, stopped");
    EXPECT_EQ(accLong(acc, CHILDID_SELF, true), ROLE_SYSTEM_CLOCK);
    long children = 0;
    EXPECT_EQ(acc->get_accChildCount(&children), S_OK);
    EXPECT_EQ(children, 3);
    EXPECT_EQ(accName(acc, 1) + "|" + accName(acc, 2) + "|" + accName(acc, 3), "On/Off|Show score|Show scoreboard");
    EXPECT_EQ(accLong(acc, 2, true), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(accLong(acc, 1, false) & STATE_SYSTEM_PRESSED, 0) << "the switch is off while stopped";
    long x = 0, y = 0, w = 0, h = 0;
    RECT r;
    GetWindowRect(GetDlgItem(timer, 103), &r);
    EXPECT_EQ(acc->accLocation(&x, &y, &w, &h, childId(3)), S_OK);
    EXPECT_EQ(x, r.left);
    EXPECT_EQ(y + h, r.bottom);

    // The switch pressed by its default action: the clock runs and readers are told
    // once; the seconds that follow are not announced.
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, countValueChange,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    valueChanges = 0;
    EXPECT_EQ(acc->accDoDefaultAction(childId(1)), S_OK);
    pump(300);
    EXPECT_EQ(valueChanges, 1);
    EXPECT_NE(accLong(acc, 1, false) & STATE_SYSTEM_PRESSED, 0);
    pump(2200);
    EXPECT_EQ(valueChanges, 1) << "a value change every second would drown the reader";
    const std::string running = accValue(acc);
    EXPECT_EQ(running.substr(0, 4), "12:3");
    EXPECT_NE(running, "12:34, running") << "the value is the live time";
    EXPECT_EQ(running.substr(5), ", running");
    EXPECT_EQ(saved().back(), '0');
    UnhookWinEvent(hook);

    close();
    BSTR gone = nullptr;
    EXPECT_EQ(acc->get_accName(childId(CHILDID_SELF), &gone), RPC_E_DISCONNECTED) << "the window has gone";
    EXPECT_EQ(gone, nullptr);
    acc->Release();
    CoUninitialize();
}

// The score board as the user sees it: the line "Add to score board" puts at the top
// repeats the dialog's own score and completion, and the statistics group frames the
// five fields it names.
struct BoardSeen {
    std::string score, completion, line;
    int framed = 0;
};
BoardSeen boardSeen;

std::string dialogText(HWND dialog, int id) {
    char text[128] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void CALLBACK answerBoard(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowA("#32770", "Orvane Score Board");
    if (!dialog) return;
    KillTimer(nullptr, id);
    boardSeen.score = dialogText(dialog, 102);
    boardSeen.completion = dialogText(dialog, 1008);
    RECT group{};
    GetWindowRect(FindWindowExA(dialog, nullptr, "Button", "Current puzzle statistics"), &group);
    for (int field : {1004, 1005, 1006, 102, 1008}) {
        RECT r{};
        GetWindowRect(GetDlgItem(dialog, field), &r);
        boardSeen.framed += r.left > group.left && r.right < group.right && r.top > group.top && r.bottom < group.bottom;
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0);
    char line[256] = {};
    if (SendMessageA(GetDlgItem(dialog, 1000), LB_GETTEXTLEN, 0, 0) < LRESULT(sizeof line))
        SendMessageA(GetDlgItem(dialog, 1000), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
    boardSeen.line = line;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(TimerToolTest, AddToScoreBoardListsWhatTheDialogShows) {
    struct Case {
        int32_t letterCells;
        const char* entries;
        const char* completion;
    };
    for (const Case& c : {Case{4, "AB--", "50%"}, Case{0, "----", "0%"}}) {
        SCOPED_TRACE(c.completion);
        DeleteFileA((folder + "\\score.dat").c_str());
        host.letterCells = c.letterCells;
        host.entries = c.entries;
        open("125,1");
        ASSERT_NE(timerWindow(), nullptr);
        boardSeen = BoardSeen();
        SetTimer(nullptr, 0, 100, answerBoard);
        SendMessageA(timerWindow(), WM_COMMAND, 103, 0);
        close();
        EXPECT_EQ(boardSeen.completion, c.completion);
        EXPECT_EQ(boardSeen.framed, 5);
        ASSERT_EQ(boardSeen.score.size(), 4u);
        EXPECT_EQ(boardSeen.line, boardSeen.score + "\t\t02:05\t\t(" + c.completion + ")\t\tTiny puzzle");
    }
}

// Moved to a 192-DPI monitor the window takes the suggested corner at twice its size,
// its buttons double and its digits' font grows with it; moved back, it is as it was.
TEST_F(TimerToolTest, ADpiChangeMeasuresTheWindowAndButtonsForTheNewDpi) {
    open("754,1");
    HWND timer = timerWindow();
    ASSERT_NE(timer, nullptr);
    auto rectOf = [](HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        return r;
    };
    const RECT before = rectOf(timer);
    const RECT button = rectOf(GetDlgItem(timer, 101));  // the On/Off switch
    const int height = before.bottom - before.top;
    ASSERT_EQ(button.right - button.left, 26);

    RECT suggested{before.left + 40, before.top + 30, before.left + 40 + 340, before.top + 30 + 2 * height};
    SendMessageA(timer, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    const RECT after = rectOf(timer);
    EXPECT_EQ(after.left, suggested.left);
    EXPECT_EQ(after.top, suggested.top);
    EXPECT_EQ(after.right - after.left, 340);
    EXPECT_NEAR(after.bottom - after.top, 2 * height, 4) << "the height follows the digits' font";
    const RECT big = rectOf(GetDlgItem(timer, 101));
    EXPECT_EQ(big.right - big.left, 52);
    EXPECT_EQ(big.bottom - big.top, 30);
    EXPECT_GE(big.top, after.top);
    EXPECT_LE(big.bottom, after.bottom);

    SendMessageA(timer, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&before));
    const RECT back = rectOf(timer);
    EXPECT_TRUE(EqualRect(&back, &before));
    EXPECT_EQ(rectOf(GetDlgItem(timer, 101)).right - rectOf(GetDlgItem(timer, 101)).left, 26);
    close();
}

}  // namespace
