// Loading a library of the system folder by its full path.
#pragma once
#include <windows.h>

namespace gw::syslib {

// Never through the search path: a bare name would search the program's folder
// first, where anything could be lying. Null when it cannot be had; the caller owns
// a reference (FreeLibrary).
HMODULE systemLibrary(const char* name);

}  // namespace gw::syslib
