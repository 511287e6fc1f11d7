// Functions of comdlg32 and shell32, bound on first use. Importing them makes every
// start-up load both libraries and all they pull in (shell32, shlwapi, winspool, ...),
// a cost the user pays before the window appears although most sessions never open a
// common dialog or drop a file.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include "ports/win/system_library.h"

namespace gw::syslib {

// Each behaves as the function it names; when the library or the function cannot be
// had they fail the way the function fails (FALSE, 0 or non-zero for SHFileOperation).
BOOL getOpenFileName(OPENFILENAMEA* ofn);
BOOL getSaveFileName(OPENFILENAMEA* ofn);
BOOL chooseColour(CHOOSECOLORA* cc);
BOOL printDialog(PRINTDLGA* pd);
UINT dragQueryFile(HDROP drop, UINT index, LPSTR file, UINT size);
void dragFinish(HDROP drop);
int shFileOperation(SHFILEOPSTRUCTA* op);

// Called first thing at start: takes the current folder out of the library search
// path and makes the system folder the default place libraries are looked for. A
// user who opens a downloaded puzzle has the download folder as current folder, and
// anything could be lying there under a system library's name.
void hardenLibrarySearch();

// What DragAcceptFiles does (the window's WS_EX_ACCEPTFILES style), without shell32.
void acceptDroppedFiles(HWND window, bool accept);

}  // namespace gw::syslib
