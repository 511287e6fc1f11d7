// What the document shares with the engine and the shell: the tool event codes,
// the settings names, and the menu bars it swaps.
#pragma once
#include "plugins/host/tool_api.h"
#include "ports/settings_names.h"

namespace gw {

// Menu bar resources, by the names they are looked up with.
constexpr const char* InitMenuName = "InitMenu";
constexpr const char* SolveMenuName = "SolveMenu";

}  // namespace gw
