// The ports the portable core reaches the rest of the program through. The program
// sets them at start-up; tests set recording fakes. Unset ports behave as silent
// no-ops so that a missing front end never crashes the core.
#pragma once
#include "main_window_services.h"
#include "settings_store.h"
#include "tool_events.h"

namespace gw {

class PuzzleDocument;

struct CoreContext {
    PuzzleDocument* document = nullptr;  // the one document, for the engine and the tool services
    MainWindowServices* ui = nullptr;
    ToolEventSink* tools = nullptr;
    SettingsStore* settings = nullptr;
};

CoreContext& core();

// Shorthands that tolerate unset ports.
MainWindowServices& ui();
SettingsStore& settings();
int sendToolEvent(int code);

}  // namespace gw
