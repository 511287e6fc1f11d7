// OVtipofday's entry points: one tip when the first puzzle of a run is shown.
#include <windows.h>

#include <cstring>

#include "tip_dialog.h"
#include "tool_api.h"

namespace {

const char* const ToolName = "Gridwell Tip of the Day V1.0";

ToolHost* host = nullptr;
HINSTANCE module = nullptr;
bool showPending = true;  // until the dialog has been closed once in this run

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_Init(ToolHost* h) {
    if (!h || !h->services) return 0;
    ToolInfo info;
    std::memset(&info, 0, sizeof info);
    std::strncpy(info.name, ToolName, sizeof info.name - 1);
    info.version = TOOLAPI_VERSION;
    if (!h->services->RegisterTool(h, &info)) return 0;
    host = h;
    host->services->SubscribeEvent(host, PuzzleOpened);
    return 1;
}

TOOLAPI_EXPORT int32_t TOOLAPI_CALL OVP_Plugin_HandleEvent(int32_t code) {
    if (code == PuzzleOpened && host && showPending) {
        showPending = false;  // also if a puzzle opens while the dialog is up
        ovtips::TipDialog dialog(host, module);
        dialog.run(static_cast<HWND>(host->services->GetMainWindow(host)));
    }
    return 0;
}

TOOLAPI_EXPORT void TOOLAPI_CALL OVP_Plugin_Finish(void) {}
