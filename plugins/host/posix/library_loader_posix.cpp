// Native plug-in loading with dlopen, so the manager runs against real shared
// libraries in the native tests. Candidates are "OV*.so", case ignored like the
// Windows name matching does.
#include "plugins/host/library_loader.h"

#include <dirent.h>
#include <dlfcn.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>

namespace gw::plugin_loader {
namespace {

bool matchesPattern(const char* name) {
    static const char prefix[] = "ov";
    static const char suffix[] = ".so";
    size_t length = std::strlen(name);
    size_t p = sizeof prefix - 1, s = sizeof suffix - 1;
    return length >= p + s && strncasecmp(name, prefix, p) == 0 &&
           strcasecmp(name + length - s, suffix) == 0;
}

}  // namespace

char pathSeparator() { return '/'; }

std::vector<std::string> listCandidates(const std::string& folder) {
    std::vector<std::string> paths;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return paths;
    while (dirent* entry = readdir(dir)) {
        if (matchesPattern(entry->d_name)) paths.push_back(folder + '/' + entry->d_name);
    }
    closedir(dir);
    return paths;
}

bool pathLess(const std::string& a, const std::string& b) { return std::strcmp(a.c_str(), b.c_str()) < 0; }

bool fileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

LibraryHandle load(const std::string& path) {
    // A path with a slash is never looked up through the library search path.
    if (path.find('/') == std::string::npos) return nullptr;
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* findEntry(LibraryHandle library, const char* name) { return library ? dlsym(library, name) : nullptr; }

void unload(LibraryHandle library) {
    if (library) dlclose(library);
}

}  // namespace gw::plugin_loader
