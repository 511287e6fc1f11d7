// Drives the real shell in the test process: the Application and MainWindow are
// created here (menus and dialogs come from gridwell.exe loaded as data), and modal
// dialogs and message boxes are answered by a thread timer that finds them and
// presses their buttons.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "ports/core_context.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "unit/puz_builder.h"

namespace gw::wintest {

inline std::string binDir() {
    if (const char* env = std::getenv("GW_BIN_DIR"); env && *env) return env;
    return GW_BIN_DIR;
}

// gridwell.exe as a resource module, so that the tests use the program's own menus and dialogs.
inline HMODULE gridwellResources() {
    static HMODULE module =
        LoadLibraryExA((binDir() + "\\gridwell.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

constexpr char SettingsRoot[] = "Software\\Pellicor\\Orvane";

inline void clearSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, SettingsRoot); }

inline bool registryText(const std::string& section, const std::string& name, std::string& out) {
    char buffer[1024] = {};
    DWORD size = sizeof(buffer) - 1;
    std::string key = std::string(SettingsRoot) + "\\" + section;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return false;
    out = buffer;
    return true;
}

inline std::string registryValue(const std::string& section, const std::string& name) {
    std::string v;
    return registryText(section, name, v) ? v : std::string("<missing>");
}

inline void writeRegistry(const std::string& section, const std::string& name, const std::string& value) {
    std::string key = std::string(SettingsRoot) + "\\" + section;
    HKEY h;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExA(h, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(h);
    }
}

inline std::vector<std::string> registrySubKeys(const std::string& path = "") {
    std::vector<std::string> names;
    std::string key = path.empty() ? std::string(SettingsRoot) : std::string(SettingsRoot) + "\\" + path;
    HKEY h;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof(name);
        if (RegEnumKeyExA(h, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    RegCloseKey(h);
    return names;
}

inline std::vector<std::string> registryValueNames(const std::string& section) {
    std::vector<std::string> names;
    std::string key = std::string(SettingsRoot) + "\\" + section;
    HKEY h;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof(name);
        if (RegEnumValueA(h, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    RegCloseKey(h);
    return names;
}

// A fresh, empty folder for one test's files.
inline std::string freshFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "gwshell_" + name;
    std::string pattern = folder + "\\*";
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern.c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + data.cFileName).c_str());
        } while (FindNextFileA(h, &data));
        FindClose(h);
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

inline bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A 4 by 4 text puzzle with every square white (16 letters: enough to lock).
inline std::string textPuzzle(const std::string& title = "Shell test") {
    return "<ORVANE PUZZLE>\n<TITLE>\n" + title +
           "\n<AUTHOR>\nTester\n<COPYRIGHT>\n2026\n<SIZE>\n4x4\n<GRID>\n"
           "ABCD\nEFGH\nIJKL\nMNOP\n"
           "<ACROSS>\nA1\nA2\nA3\nA4\n<DOWN>\nD1\nD2\nD3\nD4\n";
}

struct PuzzleTraits {
    uint8_t stateBits = 0;  // 1 no print, 2 no check, 4 scrambled
    uint8_t typeBits = 0;   // 4 diagramless
    std::string notes;
    std::string rebusTable;  // "RTBL" text, when the puzzle is a rebus
};

// A 4 by 4 binary puzzle with every square white, written independently of the
// program's writer.
inline void writePuzzle(const std::string& path, const PuzzleTraits& traits = {}) {
    gw::test::PuzBuilder b = gw::test::PuzBuilder::allWhite4x4();
    b.stateBits = traits.stateBits;
    b.typeBits = traits.typeBits;
    b.notes = traits.notes;
    if (!traits.rebusTable.empty()) b.sections.push_back({"RTBL", gw::test::PuzBuilder::bytesOf(traits.rebusTable)});
    std::vector<uint8_t> bytes = b.build();
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

// ------------------------------------------------------------------ dialogs

struct DialogAction {
    int button = IDOK;
    std::string fileName;  // typed into a file dialog's name field first
    int filter = 0;        // file dialog filter to select first (1-based), 0 leaves it
    int editId = 0;        // an edit field to fill first
    std::string editText;
};

struct SeenDialog {
    std::string title;
    std::string text;            // the texts of its static controls
    std::vector<int> disabled;   // ids of its disabled controls
    std::vector<std::string> buttons;  // labels of its buttons, in order
};

class DialogDriver {
public:
    std::deque<DialogAction> actions;
    std::vector<SeenDialog> seen;
    int unexpected = 0;

    DialogDriver() {
        active() = this;
        timer_ = SetTimer(nullptr, 0, 30, &DialogDriver::onTimer);
    }
    ~DialogDriver() {
        KillTimer(nullptr, timer_);
        active() = nullptr;
    }
    DialogDriver& press(int button) {
        DialogAction a;
        a.button = button;
        actions.push_back(a);
        return *this;
    }
    DialogDriver& choose(const std::string& file, int filter = 0) {
        DialogAction a;
        a.fileName = file;
        a.filter = filter;
        actions.push_back(a);
        return *this;
    }
    DialogDriver& type(int editId, const std::string& text, int button = IDOK) {
        DialogAction a;
        a.editId = editId;
        a.editText = text;
        a.button = button;
        actions.push_back(a);
        return *this;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& s : seen) out.push_back(s.text);
        return out;
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const auto& s : seen) out.push_back(s.title);
        return out;
    }

private:
    static DialogDriver*& active() {
        static DialogDriver* driver = nullptr;
        return driver;
    }

    static BOOL CALLBACK findDialog(HWND hwnd, LPARAM param) {
        char cls[64] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        if (std::string(cls) == "#32770" && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            *reinterpret_cast<HWND*>(param) = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static BOOL CALLBACK collectText(HWND child, LPARAM param) {
        char cls[64] = {};
        GetClassNameA(child, cls, sizeof(cls));
        auto* out = reinterpret_cast<SeenDialog*>(param);
        char text[1024] = {};
        GetWindowTextA(child, text, sizeof(text));
        if (lstrcmpiA(cls, "Static") == 0 && text[0]) {
            if (!out->text.empty()) out->text += "\n";
            out->text += text;
        }
        if (lstrcmpiA(cls, "Button") == 0) out->buttons.push_back(text);
        if (!IsWindowEnabled(child)) out->disabled.push_back(GetDlgCtrlID(child));
        return TRUE;
    }

    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
        DialogDriver* self = active();
        if (!self || self->busy_) return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &DialogDriver::findDialog, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) return;
        DWORD now = GetTickCount();
        if (dialog == self->lastDialog_ && now - self->lastTime_ < 400) return;  // still answering it
        self->busy_ = true;
        SeenDialog s;
        char title[256] = {};
        GetWindowTextA(dialog, title, sizeof(title));
        s.title = title;
        EnumChildWindows(dialog, &DialogDriver::collectText, reinterpret_cast<LPARAM>(&s));
        self->seen.push_back(s);
        DialogAction action;
        if (self->actions.empty()) {
            ++self->unexpected;
            action.button = IDCANCEL;
        } else {
            action = self->actions.front();
            self->actions.pop_front();
        }
        if (!action.fileName.empty()) {
            if (action.filter > 0) {
                HWND combo = GetDlgItem(dialog, 0x470);
                SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(action.filter - 1), 0);
                for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
                    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(0x470, code), reinterpret_cast<LPARAM>(combo));
            }
            HWND name = GetDlgItem(dialog, 0x47c);
            if (!name) name = GetDlgItem(dialog, 0x480);
            SetWindowTextA(name, action.fileName.c_str());
        }
        if (action.editId) SetDlgItemTextA(dialog, action.editId, action.editText.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(action.button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, action.button)));
        self->lastDialog_ = dialog;
        self->lastTime_ = now;
        self->busy_ = false;
    }

    UINT_PTR timer_ = 0;
    HWND lastDialog_ = nullptr;
    DWORD lastTime_ = 0;
    bool busy_ = false;
};

// ------------------------------------------------------------------ the shell

// Starts the program's shell in this process as the entry point does. With an empty
// command line the start-up Open dialog is cancelled unless the caller queued
// answers for it.
class Shell {
public:
    explicit Shell(const std::string& commandLine = "", DialogDriver* driver = nullptr) {
        app = std::make_unique<Application>(GetModuleHandleA(nullptr), nullptr, commandLine.c_str(), SW_SHOWNORMAL);
        app->setResourceModule(gridwellResources());
        ok = app->initialise() && app->createMainWindow();
        if (!ok) return;
        app->createPluginManager();
        app->createBars();
        app->showMainWindow();
        std::unique_ptr<DialogDriver> own;
        if (!driver) {
            own = std::make_unique<DialogDriver>();
            own->press(IDCANCEL);
            driver = own.get();
        }
        app->processCommandLine();
        pump();
    }
    ~Shell() { finish(); }

    // The end of a run: the document goes, then the application.
    void finish() {
        if (!app) return;
        pump();
        app->destroyDocument();
        app.reset();
    }

    MainWindow& frame() { return *app->mainWindow(); }
    HWND hwnd() { return app->mainWindow()->hwnd(); }
    PuzzleDocument& doc() { return *core().document; }

    // Handles what is waiting in the queue; true when the quit message was among it.
    bool pump() {
        bool quit = false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                continue;
            }
            app->routeMessage(msg);
        }
        return quit;
    }

    std::string title() {
        char text[512] = {};
        GetWindowTextA(hwnd(), text, sizeof(text));
        return text;
    }

    // What the status bar control itself shows in a part.
    std::string statusText(int part = 0) {
        HWND bar = GetDlgItem(hwnd(), 101);
        char text[512] = {};
        SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
        return text;
    }

    UINT menuState(int command) { return GetMenuState(GetMenu(hwnd()), command, MF_BYCOMMAND); }
    bool grayed(int command) { return (menuState(command) & MF_GRAYED) != 0; }
    bool checked(int command) { return (menuState(command) & MF_CHECKED) != 0; }
    bool popupGrayed(int top, int position) {
        HMENU sub = GetSubMenu(GetMenu(hwnd()), top);
        return (GetMenuState(sub, position, MF_BYPOSITION) & MF_GRAYED) != 0;
    }
    int menuCount() { return GetMenuItemCount(GetMenu(hwnd())); }

    std::unique_ptr<Application> app;
    bool ok = false;
};

// Stands in for the plug-in manager while it lives, and puts the manager back even
// when an assertion ends the test early.
// Fresh settings before and after each test, and a folder named after the test
// with the path its puzzle goes to.
class PuzzleFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        clearSettings();
        folder = freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        path = folder + "\\daily.puz";
    }
    // Later suites in this process start from the defaults too.
    void TearDown() override { clearSettings(); }
    std::string folder, path;
};

class RecordingTools : public ToolEventSink {
public:
    RecordingTools() : previous_(core().tools) { core().tools = this; }
    ~RecordingTools() override { core().tools = previous_; }
    RecordingTools(const RecordingTools&) = delete;
    RecordingTools& operator=(const RecordingTools&) = delete;

    std::vector<int> events;
    int sendEvent(int code) override {
        events.push_back(code);
        return 0;
    }
    int count(int code) const { return static_cast<int>(std::count(events.begin(), events.end(), code)); }

private:
    ToolEventSink* previous_;
};

// A file dropped on the window, as the shell delivers it.
inline HDROP makeDrop(const std::string& path) {
    size_t size = sizeof(DROPFILES) + path.size() + 2;
    HGLOBAL block = GlobalAlloc(GHND, size);
    auto* files = static_cast<DROPFILES*>(GlobalLock(block));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path.c_str(), path.size() + 1);
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

}  // namespace gw::wintest
