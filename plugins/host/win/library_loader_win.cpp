// Windows plug-in loading: "OV*.DLL" through the system's name matching (which
// ignores case), each library loaded by its full path so that a DLL of the same
// name elsewhere on the search path can never be picked up instead.
#include "plugins/host/library_loader.h"

#include <windows.h>

namespace gw::plugin_loader {

char pathSeparator() { return '\\'; }

std::vector<std::string> listCandidates(const std::string& folder) {
    std::vector<std::string> paths;
    WIN32_FIND_DATAA found;
    std::string pattern = folder + "\\OV*.DLL";
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return paths;
    do {
        paths.push_back(folder + '\\' + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return paths;
}

bool pathLess(const std::string& a, const std::string& b) { return lstrcmpA(a.c_str(), b.c_str()) < 0; }

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

LibraryHandle load(const std::string& path) {
    // Always by full path: a bare or relative name would send LoadLibraryEx through the search path.
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    // A broken file must be skipped quietly, not answered with a system error box.
    DWORD previous = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous);
    HMODULE module = LoadLibraryExA(full, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetThreadErrorMode(previous, nullptr);
    return reinterpret_cast<LibraryHandle>(module);
}

void* findEntry(LibraryHandle library, const char* name) {
    if (!library) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void unload(LibraryHandle library) {
    if (library) FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace gw::plugin_loader
