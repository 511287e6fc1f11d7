// The platform side of plug-in loading: finding the candidate files, loading a
// library by its full path and binding entry points by name. One implementation
// per platform (plugins/host/win, plugins/host/posix); the manager above it is portable.
#pragma once
#include <string>
#include <vector>

namespace gw::plugin_loader {

using LibraryHandle = void*;

// The separator the platform's paths use between folders.
char pathSeparator();

// Full paths of the entries of `folder` whose names match the plug-in pattern
// ("OV*" with the platform's library extension, case ignored), in the order the
// platform lists them. An unreadable or missing folder gives an empty list.
std::vector<std::string> listCandidates(const std::string& folder);

// Ascending order of full paths by the platform's string comparison.
bool pathLess(const std::string& a, const std::string& b);

bool fileExists(const std::string& path);

// Loads by full path only, never through a search path. Null on failure; no
// message is shown to the user.
LibraryHandle load(const std::string& path);
void* findEntry(LibraryHandle library, const char* name);
void unload(LibraryHandle library);

}  // namespace gw::plugin_loader
