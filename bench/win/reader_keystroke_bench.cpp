// What a screen reader costs a keystroke: letters typed into the real grid of the
// largest puzzle, timed until everything they changed is painted and the events are
// out, first with no reader (no accessible object asked for, no WinEvent hook), then
// with the grid's accessible object made and a WinEvent hook listening, as a reader
// would. Also how long the grid takes to name the cursor square. Prints figures;
// judges nothing.
//   reader_keystroke_bench.exe [puzzle]   (default: samples\stress39.puz of the source tree)
#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "shell/application.h"
#include "shell/layout_manager.h"
#include "shell/main_window.h"
#include "views/grid_view.h"

namespace {

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) * 1e6 / double(frequency.QuadPart);
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

long eventsHeard = 0;
void CALLBACK onEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) { ++eventsHeard; }

// A letter typed (the cursor moves on), until painted and every posted message is handled.
std::vector<double> timeKeys(HWND frame, HWND canvas, int keys) {
    std::vector<double> times;
    for (int i = 0; i < keys; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        SendMessageA(canvas, WM_CHAR, WPARAM('A' + i % 26), 1);
        pump();
        RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(microseconds(start, end));
    }
    return times;
}

void report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("%-48s median %8.1f us  mean %8.1f us  p90 %8.1f us  (%zu times)\n", what, times[times.size() / 2],
                sum / double(times.size()), times[times.size() * 9 / 10], times.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::string puzzle = argc > 1 ? argv[1] : std::string(GW_SOURCE_DIR) + "\\samples\\stress39.puz";
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    folder = folder.substr(0, folder.find_last_of('\\'));
    HMODULE resources = LoadLibraryExA((folder + "\\..\\bin\\gridwell.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!resources) {
        std::printf("reader_keystroke_bench: gridwell.exe not found beside %s\n", folder.c_str());
        return 1;
    }
    CoInitialize(nullptr);
    const std::string commandLine = "\"" + puzzle + "\"";
    gw::Application app(GetModuleHandleA(nullptr), nullptr, commandLine.c_str(), SW_SHOWNORMAL);
    app.setResourceModule(resources);
    if (!app.initialise() || !app.createMainWindow()) return 1;
    app.createPluginManager();
    app.createBars();
    app.showMainWindow();
    app.processCommandLine();
    pump();
    gw::PuzzleDocument* doc = gw::core().document;
    gw::LayoutManager* layout = app.mainWindow()->layout();
    if (!doc || !doc->isOpen || !layout) {
        std::printf("reader_keystroke_bench: %s did not open\n", puzzle.c_str());
        return 1;
    }
    HWND frame = app.mainWindow()->hwnd();
    SetWindowPos(frame, nullptr, 0, 0, 1024, 740, SWP_NOZORDER);
    pump();
    HWND canvas = layout->gridView()->canvas();
    SetForegroundWindow(frame);
    SetFocus(canvas);
    pump();
    std::printf("%s: %dx%d grid\n", puzzle.c_str(), doc->grid->width, doc->grid->height);

    constexpr int Keys = 300;
    timeKeys(frame, canvas, 40);  // warm up
    report("letter typed, no reader", timeKeys(frame, canvas, Keys));

    IAccessible* grid = nullptr;
    if (FAILED(AccessibleObjectFromWindow(canvas, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&grid))) ||
        !grid) {
        std::printf("reader_keystroke_bench: the grid gave no accessible object\n");
        return 1;
    }
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, onEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    timeKeys(frame, canvas, 40);
    eventsHeard = 0;
    report("letter typed, accessible object and event hook", timeKeys(frame, canvas, Keys));
    std::printf("%-48s %ld for %d keys\n", "  events heard by the hook", eventsHeard, Keys);
    if (hook) UnhookWinEvent(hook);

    // Naming the cursor square, as a reader does on every focus event.
    VARIANT focus;
    VariantInit(&focus);
    grid->get_accFocus(&focus);
    std::vector<double> names;
    for (int i = 0; i < 2000; ++i) {
        LARGE_INTEGER start, end;
        BSTR name = nullptr;
        QueryPerformanceCounter(&start);
        grid->get_accName(focus, &name);
        QueryPerformanceCounter(&end);
        SysFreeString(name);
        names.push_back(microseconds(start, end));
    }
    report("get_accName of the cursor square", names);
    grid->Release();

    doc->isDirty = false;
    app.destroyDocument();
    CoUninitialize();
    return 0;
}
