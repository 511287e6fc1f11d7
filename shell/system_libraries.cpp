#include "shell/system_libraries.h"

namespace gw::syslib {
namespace {

template <typename Fn>
Fn bind(const char* library, const char* function) {
    HMODULE module = systemLibrary(library);
    FARPROC address = module ? GetProcAddress(module, function) : nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(address));
}

template <typename Fn>
Fn comdlg(const char* function) {
    return bind<Fn>("comdlg32.dll", function);
}

template <typename Fn>
Fn shell(const char* function) {
    return bind<Fn>("shell32.dll", function);
}

}  // namespace

void hardenLibrarySearch() {
    SetDllDirectoryA("");
    // Both exist from Windows 8 (and Windows 7 with its 2011 update); bound by name so
    // the program still starts where they are missing.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return;
    using SetDefaultDirs = BOOL(WINAPI*)(DWORD);
    using SetSearchMode = BOOL(WINAPI*)(DWORD);
    auto setDefault = reinterpret_cast<SetDefaultDirs>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    auto setMode = reinterpret_cast<SetSearchMode>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetSearchPathMode")));
    constexpr DWORD SearchSystem32 = 0x00000800;     // LOAD_LIBRARY_SEARCH_SYSTEM32
    constexpr DWORD SafeSearchPermanent = 0x00008001;  // safe search mode, for good
    if (setDefault) setDefault(SearchSystem32);
    if (setMode) setMode(SafeSearchPermanent);
}

BOOL getOpenFileName(OPENFILENAMEA* ofn) {
    static const auto fn = comdlg<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetOpenFileNameA");
    return fn ? fn(ofn) : FALSE;
}

BOOL getSaveFileName(OPENFILENAMEA* ofn) {
    static const auto fn = comdlg<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetSaveFileNameA");
    return fn ? fn(ofn) : FALSE;
}

BOOL chooseColour(CHOOSECOLORA* cc) {
    static const auto fn = comdlg<BOOL(WINAPI*)(CHOOSECOLORA*)>("ChooseColorA");
    return fn ? fn(cc) : FALSE;
}

BOOL printDialog(PRINTDLGA* pd) {
    static const auto fn = comdlg<BOOL(WINAPI*)(PRINTDLGA*)>("PrintDlgA");
    return fn ? fn(pd) : FALSE;
}

UINT dragQueryFile(HDROP drop, UINT index, LPSTR file, UINT size) {
    static const auto fn = shell<UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT)>("DragQueryFileA");
    return fn ? fn(drop, index, file, size) : 0;
}

void dragFinish(HDROP drop) {
    static const auto fn = shell<void(WINAPI*)(HDROP)>("DragFinish");
    if (fn) fn(drop);
}

int shFileOperation(SHFILEOPSTRUCTA* op) {
    static const auto fn = shell<int(WINAPI*)(SHFILEOPSTRUCTA*)>("SHFileOperationA");
    // Any non-zero value is a failure to SHFileOperation's callers.
    return fn ? fn(op) : ERROR_MOD_NOT_FOUND;
}

void acceptDroppedFiles(HWND window, bool accept) {
    LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    style = accept ? (style | WS_EX_ACCEPTFILES) : (style & ~LONG_PTR(WS_EX_ACCEPTFILES));
    SetWindowLongPtrA(window, GWL_EXSTYLE, style);
}

}  // namespace gw::syslib
