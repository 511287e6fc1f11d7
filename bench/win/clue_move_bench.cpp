// What one cursor move costs on the largest grid when the clue lists and the prompt
// follow it: a Tab key (next word: both the current and the crossing clue change)
// sent to the real grid, until everything it changed is painted. The same moves with
// the lists detached from the engine give the figure without them. Prints figures;
// judges nothing.
//   clue_move_bench.exe [puzzle]   (default: samples\stress39.puz of the source tree)
#include <windows.h>

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
#include "solve/clue_set.h"
#include "views/clue_lists.h"
#include "views/clue_prompt.h"
#include "views/grid_view.h"
#include "bench_program.h"

namespace {

using benchtiming::microseconds;
using benchtiming::pump;
using benchtiming::report;

// Tab moves to the next word; the time runs until the whole window is painted again.
// What the program leaves for when it is idle (a scroll bar catching up) is timed apart.
struct MoveTimes {
    std::vector<double> painted;
    std::vector<double> idle;
};

MoveTimes timeMoves(HWND frame, HWND canvas, int moves) {
    MoveTimes times;
    for (int i = 0; i < moves; ++i) {
        LARGE_INTEGER start, painted, idleStart, idleEnd;
        QueryPerformanceCounter(&start);
        SendMessageA(canvas, WM_KEYDOWN, VK_TAB, 1);
        RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        QueryPerformanceCounter(&painted);
        Sleep(12);  // the next key comes later: zero timers are due by then
        QueryPerformanceCounter(&idleStart);
        pump();
        GdiFlush();
        QueryPerformanceCounter(&idleEnd);
        times.painted.push_back(microseconds(start, painted));
        times.idle.push_back(microseconds(idleStart, idleEnd));
    }
    return times;
}

std::vector<double> timeRedraws(HWND window, UINT flags) {
    std::vector<double> times;
    for (int i = 0; i < 40; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        RedrawWindow(window, nullptr, nullptr, flags);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(microseconds(start, end));
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const auto program = benchtiming::startProgram("clue_move_bench", argc, argv);
    if (!program) return 1;
    gw::Application& app = *program->app;
    const std::string& puzzle = program->puzzle;
    gw::PuzzleDocument* doc = gw::core().document;
    gw::LayoutManager* layout = app.mainWindow()->layout();
    HWND frame = app.mainWindow()->hwnd();
    HWND canvas = layout->gridView()->canvas();
    std::printf("%s: %dx%d grid, %ld Across and %ld Down clues\n", puzzle.c_str(), doc->grid->width,
                doc->grid->height, long(SendMessageA(layout->clueLists()->listBox(0), LB_GETCOUNT, 0, 0)),
                long(SendMessageA(layout->clueLists()->listBox(1), LB_GETCOUNT, 0, 0)));

    // The same window for every run, whatever an earlier run left in the settings.
    SetWindowPos(frame, nullptr, 0, 0, 1024, 740, SWP_NOZORDER);
    constexpr int Moves = 400;
    for (int type : {gw::LayoutABDB, gw::LayoutARDR}) {
        app.mainWindow()->changeLayoutType(type);
        pump();
        layout = app.mainWindow()->layout();
        canvas = layout->gridView()->canvas();
        std::printf("-- layout %s%s\n", gw::layoutCode(type), type == gw::LayoutABDB ? " (both lists on one line)" : "");
        timeMoves(frame, canvas, 50);  // warm up
        const MoveTimes t = timeMoves(frame, canvas, Moves);
        report("Tab with clue lists and prompt", t.painted);
        report("  then, when idle", t.idle);
        if (type == gw::LayoutARDR) {
            // What a move that scrolls a list pays on top: its rows and its scroll bars repainted.
            HWND list = layout->clueLists()->listBox(1);
            report("  a list's rows repainted", timeRedraws(list, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW));
            report("  a list's rows and scroll bars repainted",
                   timeRedraws(list, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW));
        }
    }
    // The same layout without the engine feeding the lists and the prompt.
    doc->grid->clueSet->AttachLists(nullptr, nullptr);
    timeMoves(frame, canvas, 50);
    const MoveTimes t = timeMoves(frame, canvas, Moves);
    report("Tab with the lists absent", t.painted);
    report("  then, when idle", t.idle);

    doc->isDirty = false;
    app.destroyDocument();
    return 0;
}
