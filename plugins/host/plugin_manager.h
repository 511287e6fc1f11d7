// Finds, loads, enables and calls the tools in "Plugins\Tools" beside the program,
// and is the core's tool-event port: every event the document, the engine and the
// shell send goes through sendEvent.
#pragma once
#include "ports/settings_names.h"
#include <array>
#include <forward_list>
#include <memory>
#include <string>
#include <vector>

#ifndef TOOLAPI_HOST_SIDE
#define TOOLAPI_HOST_SIDE
#endif
#include "plugins/host/tool_api.h"
#include "ports/tool_events.h"

namespace gw {

class PluginManager;
class HostWindowPort;

// The host's side of one loaded tool library. The tool only sees `host`, whose
// first field is the services table; the services find their way back here.
struct HostedTool {
    // Standard layout, so a ToolHost* handed to a tool converts back to this link.
    struct Link {
        ToolHost host;
        HostedTool* tool;
    };
    Link link{};
    PluginManager* owner = nullptr;
    ToolInitProc init = nullptr;
    ToolHandleEventProc handleEvent = nullptr;
    ToolFinishProc finish = nullptr;
    void* library = nullptr;
    std::string folder;
    std::string fileName;  // also the value name of its enabled state under "Tools"
    bool enabled = true;
    bool hasName = false;
    std::string name;  // the registered name, when hasName

    ToolHost* toolHost() { return &link.host; }
    static HostedTool* fromHost(ToolHost* host);
};

// The services table every ToolHost points at.
const ToolHostServices& toolHostServices();

class PluginManager final : public ToolEventSink {
public:
    static constexpr const char* SettingsSection = settings_names::Tools;

    // Discovers and initialises the tools in <programFolder>/Plugins/Tools and
    // becomes the core's tool-event port. `window` may be null (or set later);
    // tools asking for the window or instance handle then get null.
    explicit PluginManager(const std::string& programFolder, HostWindowPort* window = nullptr);
    // Runs the orderly shutdown when it has not been run yet.
    ~PluginManager() override;
    PluginManager(const PluginManager&) = delete;
    PluginManager& operator=(const PluginManager&) = delete;

    // 1 when any enabled subscriber handled the event, else 0.
    int sendEvent(int code) override;

    // The body of SubscribeEvent: the tool goes to the front of that code's list.
    void addListener(int code, HostedTool* tool);

    // "Options..." of the Tools page: the tool's own setup, or the no-preferences message.
    void toolSetup(HostedTool* tool);
    // "Enable"/"Disable" of the Tools page; returns the new state (1 or 0).
    int toggleTool(HostedTool* tool);

    // Every loaded tool, the most recently loaded first (the Tools page's order).
    std::vector<HostedTool*> tools() const;

    void setWindowPort(HostWindowPort* window) { window_ = window; }
    HostWindowPort* windowPort() const { return window_; }

    // Sends Shutdown, then finishes, records the enabled state of, and unloads
    // every tool. Afterwards the manager is empty; later calls do nothing.
    void shutdown();

    // The folder searched, as formed from the program folder ("" when too long).
    const std::string& pluginFolder() const { return folder_; }

private:
    void discover();
    void createTool(void* library, const std::string& path);

    std::array<std::forward_list<HostedTool*>, ToolEventCount> listeners_;
    std::forward_list<std::unique_ptr<HostedTool>> tools_;
    HostWindowPort* window_ = nullptr;
    std::string folder_;
    bool shutDown_ = false;
};

}  // namespace gw
