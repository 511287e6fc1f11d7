#include "plugins/host/plugin_manager.h"

#include <algorithm>
#include <cstddef>

#include "plugins/host/library_loader.h"
#include "ports/core_context.h"
#include "resources/string_ids.h"

namespace gw {
namespace {

// The longest folder path the platform's file functions take (MAX_PATH less the NUL).
constexpr size_t MaxFolderLength = 259;

template <typename Proc>
Proc entryPoint(void* library, const char* name) {
    return reinterpret_cast<Proc>(plugin_loader::findEntry(library, name));
}

}  // namespace

HostedTool* HostedTool::fromHost(ToolHost* host) {
    static_assert(offsetof(Link, host) == 0, "the tool's ToolHost must start the link");
    return host ? reinterpret_cast<Link*>(host)->tool : nullptr;
}

PluginManager::PluginManager(const std::string& programFolder, HostWindowPort* window) : window_(window) {
    const char sep = plugin_loader::pathSeparator();
    std::string base = programFolder;
    if (!base.empty() && base.back() == sep) base.pop_back();
    folder_ = base + sep + "Plugins" + sep + "Tools";
    // A cut-off path would name some other folder; search none instead.
    if (folder_.size() > MaxFolderLength) folder_.clear();
    discover();
    core().tools = this;
}

PluginManager::~PluginManager() { shutdown(); }

void PluginManager::discover() {
    if (folder_.empty()) return;
    std::vector<std::string> paths = plugin_loader::listCandidates(folder_);
    std::sort(paths.begin(), paths.end(), plugin_loader::pathLess);
    for (const std::string& path : paths) {
        if (!plugin_loader::fileExists(path)) continue;
        void* library = plugin_loader::load(path);
        if (!library) continue;  // not loadable here: skipped without a word
        createTool(library, path);
    }
}

void PluginManager::createTool(void* library, const std::string& path) {
    auto tool = std::make_unique<HostedTool>();
    tool->link.host.services = &toolHostServices();
    tool->link.tool = tool.get();
    tool->owner = this;
    tool->library = library;

    size_t cut = path.rfind(plugin_loader::pathSeparator());
    tool->folder = cut == std::string::npos ? std::string() : path.substr(0, cut);
    tool->fileName = cut == std::string::npos ? path : path.substr(cut + 1);

    int stored = 1;
    settings().readInt(SettingsSection, tool->fileName.c_str(), stored);
    tool->enabled = stored == 1;

    tool->init = entryPoint<ToolInitProc>(library, TOOLAPI_INIT_NAME);
    tool->handleEvent = entryPoint<ToolHandleEventProc>(library, TOOLAPI_HANDLE_EVENT_NAME);
    tool->finish = entryPoint<ToolFinishProc>(library, TOOLAPI_FINISH_NAME);

    // The tool registers and subscribes from inside init, so it must already be
    // reachable through its host; it joins the list once init is done.
    HostedTool* raw = tool.get();
    tools_.push_front(std::move(tool));
    if (raw->init) raw->init(raw->toolHost());
}

int PluginManager::sendEvent(int code) {
    if (code < 0 || code >= ToolEventCount) return 0;
    int handled = 0;
    // A handler may subscribe while we walk: new nodes go to the front, so the
    // walk is not disturbed and the newcomer hears the next event, not this one.
    for (HostedTool* tool : listeners_[size_t(code)]) {
        if (tool->enabled && tool->handleEvent && tool->handleEvent(code) != 0) handled = 1;
    }
    return handled;
}

void PluginManager::addListener(int code, HostedTool* tool) {
    if (shutDown_ || !tool || code < 0 || code >= ToolEventCount) return;
    if (!tool->handleEvent) return;  // nothing could ever be delivered
    listeners_[size_t(code)].push_front(tool);
}

void PluginManager::toolSetup(HostedTool* tool) {
    if (!tool) return;
    auto setup = entryPoint<ToolSetupProc>(tool->library, TOOLAPI_SETUP_NAME);
    if (!setup || setup() == 0) ui().informationById(IDS_NO_TOOL_PREFERENCES);
}

int PluginManager::toggleTool(HostedTool* tool) {
    if (!tool) return 0;
    tool->enabled = !tool->enabled;
    int state = tool->enabled ? 1 : 0;
    if (auto enable = entryPoint<ToolEnableProc>(tool->library, TOOLAPI_ENABLE_NAME)) enable(state);
    return state;
}

std::vector<HostedTool*> PluginManager::tools() const {
    std::vector<HostedTool*> list;
    for (const auto& tool : tools_) list.push_back(tool.get());
    return list;
}

void PluginManager::shutdown() {
    if (shutDown_) return;
    sendEvent(Shutdown);
    shutDown_ = true;
    // Nothing may reach a tool whose library is gone.
    if (core().tools == this) core().tools = nullptr;
    for (auto& list : listeners_) list.clear();
    while (!tools_.empty()) {
        HostedTool* tool = tools_.front().get();
        if (tool->finish) tool->finish();
        settings().writeInt(SettingsSection, tool->fileName.c_str(), tool->enabled ? 1 : 0);
        plugin_loader::unload(tool->library);
        tools_.pop_front();
    }
}

}  // namespace gw
