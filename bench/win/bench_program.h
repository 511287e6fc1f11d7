// The program started inside a benchmark, as gridwell.exe starts it, on a puzzle named on
// the benchmark's command line (default: samples\stress39.puz of the source tree), with
// its resources taken from the gridwell.exe of the same build.
#pragma once
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench_timing.h"
#include "doc/puzzle_document.h"
#include "ports/core_context.h"
#include "shell/application.h"
#include "shell/layout_manager.h"
#include "shell/main_window.h"

namespace benchtiming {

struct BenchProgram {
    std::string puzzle;
    std::string commandLine;
    std::unique_ptr<gw::Application> app;
};

// Null program (after saying why) when the exe or the puzzle cannot be had.
inline std::unique_ptr<BenchProgram> startProgram(const char* bench, int argc, char** argv) {
    auto program = std::make_unique<BenchProgram>();
    program->puzzle = argc > 1 ? argv[1] : std::string(GW_SOURCE_DIR) + "\\samples\\stress39.puz";
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    folder = folder.substr(0, folder.find_last_of('\\'));
    // The program's menus, strings and dialogs come from gridwell.exe beside the bench.
    HMODULE resources = LoadLibraryExA((folder + "\\..\\bin\\gridwell.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!resources) {
        std::printf("%s: gridwell.exe not found beside %s\n", bench, folder.c_str());
        return nullptr;
    }
    program->commandLine = "\"" + program->puzzle + "\"";
    program->app = std::make_unique<gw::Application>(GetModuleHandleA(nullptr), nullptr, program->commandLine.c_str(),
                                                     SW_SHOWNORMAL);
    gw::Application& app = *program->app;
    app.setResourceModule(resources);
    if (!app.initialise() || !app.createMainWindow()) return nullptr;
    app.createPluginManager();
    app.createBars();
    app.showMainWindow();
    app.processCommandLine();
    pump();
    gw::PuzzleDocument* doc = gw::core().document;
    if (!doc || !doc->isOpen || !app.mainWindow()->layout()) {
        std::printf("%s: %s did not open\n", bench, program->puzzle.c_str());
        return nullptr;
    }
    return program;
}

}  // namespace benchtiming
