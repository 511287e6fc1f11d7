// The tool event codes the engine sends and the settings names it keeps.
#pragma once
#include "plugins/host/tool_api.h"
#include "ports/settings_names.h"
