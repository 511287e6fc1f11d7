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
#include "bench_program.h"

namespace {

using benchtiming::microseconds;
using benchtiming::pump;
using benchtiming::report;

long focusEvents = 0, valueEvents = 0;
void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
    if (event == EVENT_OBJECT_FOCUS) ++focusEvents;
    if (event == EVENT_OBJECT_VALUECHANGE) ++valueEvents;
}

// A letter typed (the cursor moves on), until painted and every posted message is handled.
// Each key goes to the next white square in turn (the cursor put there untimed), so that
// every key changes a square and moves the cursor, whatever the puzzle's word order.
std::vector<double> timeKeys(HWND frame, HWND canvas, int keys) {
    gw::PuzzleGrid& grid = *gw::core().document->grid;
    // Every block covers the same squares (where the grid scrolls matters more than
    // anything measured here), each time with other letters so that every key changes one.
    static int block = 0;
    ++block;
    int square = 0;
    std::vector<double> times;
    for (int i = 0; i < keys; ++i) {
        for (int tries = 0; tries < grid.width * grid.height; ++tries) {
            square = (square + 1) % (grid.width * grid.height);
            if (grid.isWhite(square % grid.width, square / grid.width)) break;
        }
        grid.ClickCell(square % grid.width, square / grid.width);
        pump();
        RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        SendMessageA(canvas, WM_CHAR, WPARAM('A' + (i + block) % 26), 1);
        pump();
        RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(microseconds(start, end));
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    CoInitialize(nullptr);
    const auto program = benchtiming::startProgram("reader_keystroke_bench", argc, argv);
    if (!program) return 1;
    gw::Application& app = *program->app;
    const std::string& puzzle = program->puzzle;
    gw::PuzzleDocument* doc = gw::core().document;
    gw::LayoutManager* layout = app.mainWindow()->layout();
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
    std::vector<double> noReader;
    for (int round = 0; round < 4; ++round)
        for (double t : timeKeys(frame, canvas, Keys / 4)) noReader.push_back(t);
    report("letter typed, no reader", noReader, 48);

    IAccessible* grid = nullptr;
    if (FAILED(AccessibleObjectFromWindow(canvas, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&grid))) ||
        !grid) {
        std::printf("reader_keystroke_bench: the grid gave no accessible object\n");
        return 1;
    }
    // With the object made, the hook on and off in turns, so that drift in the machine's
    // load or in the grid's state falls on both alike.
    std::vector<double> withHook, withoutHook;
    focusEvents = valueEvents = 0;
    for (int round = 0; round < 4; ++round) {
        HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, onEvent,
                                             GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        for (double t : timeKeys(frame, canvas, Keys / 4)) withHook.push_back(t);
        pump();
        if (hook) UnhookWinEvent(hook);
        for (double t : timeKeys(frame, canvas, Keys / 4)) withoutHook.push_back(t);
    }
    report("letter typed, accessible object and event hook", withHook, 48);
    std::printf("%-48s %ld focus and %ld value events for %zu keys\n", "  heard by the hook (same thread)",
                focusEvents, valueEvents, withHook.size());
    // The hook's callback runs in this thread here; a reader's runs in its own process.
    report("letter typed, accessible object, no hook", withoutHook, 48);

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
    report("get_accName of the cursor square", names, 48);
    grid->Release();

    doc->isDirty = false;
    app.destroyDocument();
    CoUninitialize();
    return 0;
}
