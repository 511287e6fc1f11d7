// Private memory of the real program with the largest sample open: gridwell.exe is
// started as a user starts it, on samples\stress39.puz, and once its grid is on screen
// and the start-up has settled (main window, toolbar, status bar, prompt, grid, both
// clue lists and the plug-ins' windows all shown), its private bytes are read.
// Prints figures; judges nothing.
//   private_memory_bench.exe [puzzle]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK findCanvas(HWND hwnd, LPARAM lp) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "CanvasClass") == 0 && IsWindowVisible(hwnd)) {
        reinterpret_cast<Search*>(lp)->found = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findMainWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->process) EnumChildWindows(hwnd, findCanvas, lp);
    return search->found ? FALSE : TRUE;
}

bool gridShown(DWORD process) {
    Search search{process, false};
    EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string folderOf(const std::string& path) {
    const size_t cut = path.find_last_of('\\');
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut);
}

double megabytes(SIZE_T bytes) { return double(bytes) / (1024.0 * 1024.0); }

// Committed private memory (what Windows counts as private bytes), by walking the
// address space: Wine leaves PrivateUsage of the memory counters at zero.
SIZE_T committedPrivate(HANDLE process) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (char* at = nullptr; VirtualQueryEx(process, at, &info, sizeof info) == sizeof info;
         at = static_cast<char*>(info.BaseAddress) + info.RegionSize) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        if (info.RegionSize == 0) break;
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string program = folderOf(folderOf(self)) + "\\bin\\gridwell.exe";
    const std::string puzzle = argc > 1 ? argv[1] : std::string(GW_SOURCE_DIR) + "\\samples\\stress39.puz";
    std::string command = "\"" + program + "\" \"" + puzzle + "\"";

    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::printf("cannot start %s\n", program.c_str());
        return 1;
    }
    WaitForInputIdle(pi.hProcess, 20000);
    bool shown = false;
    for (int i = 0; i < 200 && !(shown = gridShown(pi.dwProcessId)); ++i) Sleep(100);
    // Whatever the start-up still does (the tools' first events, the first repaints) is done.
    Sleep(2000);

    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    const bool read = K32GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                              sizeof counters);
    const SIZE_T privateBytes = committedPrivate(pi.hProcess);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!shown || !read) {
        std::printf("the grid of %s did not show%s\n", puzzle.c_str(), read ? "" : " (no memory figures)");
        return 1;
    }
    std::printf("private memory with %s open: %.1f MB (goal <= 12 MB); working set %.1f MB, peak %.1f MB\n",
                puzzle.substr(puzzle.find_last_of('\\') + 1).c_str(), megabytes(privateBytes),
                megabytes(counters.WorkingSetSize), megabytes(counters.PeakWorkingSetSize));
    return 0;
}
