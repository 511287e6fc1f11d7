// The plug-in manager against real tool libraries (tests/plugins), loaded from
// folders laid out like the program's. The tools record what reaches them
// through the host's own setting services, into the "TestLog" section.
#include <cstring>
#include <string>
#include <vector>

#include "fakes.h"
#include "plugins/host/host_window_port.h"
#include "plugins/host/plugin_manager.h"

#ifdef GW_TEST_TOOLS_DIR

namespace gw::test {
namespace {

std::string scenario(const char* name) { return std::string(GW_TEST_TOOLS_DIR) + "/" + name; }

// The test tools' file names, with the platform's library extension.
#ifdef _WIN32
std::string lib(const char* base) { return std::string(base) + ".dll"; }
#else
std::string lib(const char* base) { return std::string(base) + ".so"; }
#endif

class PluginManagerTest : public CoreFixture {
protected:
    // Everything the tools recorded, in order (tool id * 1000 + what).
    std::vector<int> log() const {
        std::vector<int> out;
        const std::string* count = store.find("TestLog", "count");
        int n = count ? std::atoi(count->c_str()) : 0;
        for (int i = 0; i < n; ++i) {
            const std::string* v = store.find("TestLog", std::to_string(i).c_str());
            out.push_back(v ? std::atoi(v->c_str()) : -1);
        }
        return out;
    }
    void clearLog() { store.values.erase("TestLog"); }
    // The enabled state stored for a tool file.
    std::string stored(const std::string& fileName) const {
        const std::string* v = store.find("Tools", fileName.c_str());
        return v ? *v : "(none)";
    }

    static HostedTool* named(PluginManager& manager, const std::string& fileName) {
        for (HostedTool* tool : manager.tools())
            if (tool->fileName == fileName) return tool;
        return nullptr;
    }
    static std::vector<std::string> fileNames(PluginManager& manager) {
        std::vector<std::string> out;
        for (HostedTool* tool : manager.tools()) out.push_back(tool->fileName);
        return out;
    }
};

using Log = std::vector<int>;

TEST_F(PluginManagerTest, LoadsMatchingToolsAndCallsTheLastLoadedFirst) {
    PluginManager manager(scenario("order"));

    // Loaded in ascending path order, listed newest first; the file that does not
    // match "OV*" and the one that is no library are not there.
    EXPECT_EQ(fileNames(manager), (std::vector<std::string>{lib("ovtestc"), lib("OVtestB"), lib("OVtestA")}));
    EXPECT_EQ(log(), (Log{1900, 1951, 2900, 2951, 3900, 3951}));
    HostedTool* c = manager.tools().front();
    EXPECT_TRUE(c->hasName);
    EXPECT_EQ(c->name, "Tool C");
    EXPECT_EQ(c->folder, manager.pluginFolder());
    EXPECT_TRUE(c->enabled);

    // The manager is the core's tool-event port.
    EXPECT_EQ(core().tools, &manager);
    clearLog();
    EXPECT_EQ(sendToolEvent(PuzzleLoading), 0);
    EXPECT_EQ(log(), (Log{2004, 1004}));
    clearLog();
    // B handles 5: the results are or-combined, and every subscriber is still called.
    EXPECT_EQ(manager.sendEvent(PuzzleOpened), 1);
    EXPECT_EQ(log(), (Log{3005, 2005, 1005}));
    clearLog();
    EXPECT_EQ(manager.sendEvent(MainWindowMoved), 0);
    EXPECT_EQ(manager.sendEvent(-1), 0);
    EXPECT_EQ(manager.sendEvent(ToolEventCount), 0);
    EXPECT_EQ(log(), Log{});
}

TEST_F(PluginManagerTest, ShutdownSendsShutdownThenFinishesEveryToolAndStoresItsState) {
    PluginManager manager(scenario("order"));
    clearLog();
    manager.shutdown();
    // Shutdown first, then the finish entries from the head of the list.
    EXPECT_EQ(log(), (Log{1015, 3990, 2990, 1990}));
    EXPECT_EQ(stored(lib("ovtestc")), "1");
    EXPECT_EQ(stored(lib("OVtestB")), "1");
    EXPECT_EQ(stored(lib("OVtestA")), "1");
    EXPECT_EQ(core().tools, nullptr);
    EXPECT_TRUE(manager.tools().empty());

    // Nothing is left to call, and a second shutdown changes nothing.
    clearLog();
    EXPECT_EQ(manager.sendEvent(PuzzleOpened), 0);
    manager.shutdown();
    EXPECT_EQ(log(), Log{});
}

TEST_F(PluginManagerTest, DisabledToolsReceiveNothingButAreStillFinished) {
    store.values["Tools"][lib("OVtestB")] = "0";
    store.values["Tools"][lib("ovtestc")] = "2";  // anything but 1 is disabled
    {
        PluginManager manager(scenario("order"));
        EXPECT_FALSE(named(manager, lib("OVtestB"))->enabled);
        EXPECT_FALSE(named(manager, lib("ovtestc"))->enabled);
        EXPECT_TRUE(named(manager, lib("OVtestA"))->enabled);
        clearLog();
        // B would have handled it, but it is disabled.
        EXPECT_EQ(manager.sendEvent(PuzzleOpened), 0);
        EXPECT_EQ(log(), (Log{1005}));
        clearLog();
    }
    EXPECT_EQ(log(), (Log{1015, 3990, 2990, 1990}));
    EXPECT_EQ(stored(lib("ovtestc")), "0");
    EXPECT_EQ(stored(lib("OVtestB")), "0");
    EXPECT_EQ(stored(lib("OVtestA")), "1");
}

TEST_F(PluginManagerTest, ToggledStateSurvivesARestartThroughTheSettings) {
    {
        PluginManager manager(scenario("order"));
        EXPECT_EQ(manager.toggleTool(named(manager, lib("OVtestB"))), 0);
    }
    EXPECT_EQ(stored(lib("OVtestB")), "0");
    {
        PluginManager manager(scenario("order"));
        HostedTool* b = named(manager, lib("OVtestB"));
        EXPECT_FALSE(b->enabled);
        clearLog();
        manager.sendEvent(PuzzleLoading);
        EXPECT_EQ(log(), (Log{1004}));
        EXPECT_EQ(manager.toggleTool(b), 1);
        clearLog();
        manager.sendEvent(PuzzleLoading);
        EXPECT_EQ(log(), (Log{2004, 1004}));
    }
    EXPECT_EQ(stored(lib("OVtestB")), "1");
}

TEST_F(PluginManagerTest, MissingOrEmptyFolderGivesNoTools) {
    PluginManager manager(scenario("no-such-scenario"));
    EXPECT_TRUE(manager.tools().empty());
    EXPECT_EQ(manager.sendEvent(PuzzleOpened), 0);
    EXPECT_EQ(core().tools, &manager);

    // A folder path that would have to be cut short is not searched at all.
    PluginManager tooLong(scenario("order") + "/" + std::string(300, 'a') + "/..");
    EXPECT_EQ(tooLong.pluginFolder(), "");
    EXPECT_TRUE(tooLong.tools().empty());
}

TEST_F(PluginManagerTest, RegistrationVersionsNamesAndMissingEntryPoints) {
    PluginManager manager(scenario("contract"));
    EXPECT_EQ(fileNames(manager), (std::vector<std::string>{lib("OVtwice"), lib("OVquitter"), lib("OVprobe"),
                                                            lib("OVnoinit"), lib("OVnohandler"), lib("OVnewer")}));
    const Log all = log();
    auto recordsOf = [&](int id) {
        Log out;
        for (int v : all)
            if (v / 1000 == id) out.push_back(v);
        return out;
    };
    // Version 3 is refused; the tool stays listed, named and enabled, without events.
    EXPECT_EQ(recordsOf(1), (Log{1900, 1950}));
    HostedTool* newer = named(manager, lib("OVnewer"));
    EXPECT_EQ(newer->name, "Newer");
    EXPECT_TRUE(newer->enabled);
    // Versions -1, 0, 1 and 2 are accepted; a name without its NUL is cut to 63 characters.
    EXPECT_EQ(recordsOf(2), (Log{2900, 2950, 2951, 2951, 2951, 2951}));
    EXPECT_EQ(named(manager, lib("OVprobe"))->name, std::string(63, 'x'));
    // Without an init entry the tool is loaded but never initialised.
    EXPECT_EQ(recordsOf(3), Log{});
    HostedTool* noInit = named(manager, lib("OVnoinit"));
    EXPECT_FALSE(noInit->hasName);
    EXPECT_TRUE(noInit->enabled);

    // Subscribed twice: called twice. The tool without a handler subscribed to 4 to no effect;
    // the refused one never subscribed.
    clearLog();
    manager.sendEvent(PuzzleLoading);
    EXPECT_EQ(log(), (Log{5004, 5004, 6004, 2004}));
}

TEST_F(PluginManagerTest, DisableToolStopsEventsWithoutCallingEnable) {
    PluginManager manager(scenario("contract"));
    HostedTool* quitter = named(manager, lib("OVquitter"));
    clearLog();
    manager.sendEvent(PuzzleLoading);  // the quitter disables itself here
    EXPECT_FALSE(quitter->enabled);
    clearLog();
    manager.sendEvent(PuzzleLoading);
    manager.sendEvent(PuzzleOpened);
    EXPECT_EQ(log(), (Log{5004, 5004, 2004}));
    manager.shutdown();
    EXPECT_EQ(stored(lib("OVquitter")), "0");
    for (int v : log()) EXPECT_NE(v / 1000, 6) << v;  // no enable call, and no finish entry
}

TEST_F(PluginManagerTest, ASubscriptionMadeDuringAnEventCountsFromTheNextOne) {
    PluginManager manager(scenario("contract"));
    clearLog();
    // Subscribed twice to 8; each call subscribes once more.
    manager.sendEvent(MainWindowMoved);
    EXPECT_EQ(log(), (Log{5008, 5008}));
    clearLog();
    manager.sendEvent(MainWindowMoved);
    EXPECT_EQ(log(), (Log{5008, 5008, 5008, 5008}));
}

TEST_F(PluginManagerTest, SetupShowsTheNoPreferencesMessageOnlyWhenTheToolHasNothingToSet) {
    PluginManager manager(scenario("contract"));
    clearLog();
    manager.toolSetup(named(manager, lib("OVtwice")));  // setup returns 1
    EXPECT_EQ(log(), (Log{5991}));
    EXPECT_EQ(services.messages(), std::vector<std::string>{});

    manager.toolSetup(named(manager, lib("OVnohandler")));  // setup returns 0
    EXPECT_EQ(log(), (Log{5991, 4991}));
    manager.toolSetup(named(manager, lib("OVnewer")));  // no setup entry
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"informationById 40058", "informationById 40058"}));
}

TEST_F(PluginManagerTest, TogglingTwiceCallsEnableWithZeroThenOne) {
    PluginManager manager(scenario("contract"));
    HostedTool* twice = named(manager, lib("OVtwice"));
    clearLog();
    EXPECT_EQ(manager.toggleTool(twice), 0);
    EXPECT_FALSE(twice->enabled);
    manager.sendEvent(PuzzleLoading);
    EXPECT_EQ(manager.toggleTool(twice), 1);
    EXPECT_TRUE(twice->enabled);
    EXPECT_EQ(log(), (Log{5980, 6004, 2004, 5981}));
    // A tool without an enable entry only has its flag changed.
    EXPECT_EQ(manager.toggleTool(named(manager, lib("OVnewer"))), 0);
}

class FakeWindow : public HostWindowPort {
public:
    int window = 0, module = 0;
    void* mainWindow() override { return &window; }
    void* instance() override { return &module; }
};

TEST_F(PluginManagerTest, WindowAndInstanceComeFromTheFrontEnd) {
    PluginManager manager(scenario("order"));
    ToolHost* host = manager.tools().front()->toolHost();
    EXPECT_EQ(host->services->GetMainWindow(host), nullptr);
    EXPECT_EQ(host->services->GetInstance(host), nullptr);
    FakeWindow window;
    manager.setWindowPort(&window);
    EXPECT_EQ(host->services->GetMainWindow(host), &window.window);
    EXPECT_EQ(host->services->GetInstance(host), &window.module);
}

TEST_F(PluginManagerTest, SettingServicesKeepTheCallersDefaultWhenNothingIsStored) {
    PluginManager manager(scenario("order"));
    ToolHost* host = manager.tools().front()->toolHost();
    const ToolHostServices* s = host->services;
    int32_t value = 42;
    s->ReadSetting(host, "PellTimer", "missing", &value);
    EXPECT_EQ(value, 42);
    s->WriteSetting(host, "PellTimer", "time", -5);
    EXPECT_EQ(*store.find("PellTimer", "time"), "-5");
    s->ReadSetting(host, "PellTimer", "time", &value);
    EXPECT_EQ(value, -5);
    // A careless tool does not bring the program down.
    s->ReadSetting(host, "PellTimer", "time", nullptr);
    s->ReadSetting(host, nullptr, "time", &value);
    s->WriteSetting(host, "PellTimer", nullptr, 1);
    ToolInfo info{};
    EXPECT_EQ(s->RegisterTool(host, nullptr), 0);
    EXPECT_EQ(s->RegisterTool(nullptr, &info), 0);
    s->SubscribeEvent(nullptr, PuzzleOpened);
    s->SubscribeEvent(host, 30);
    s->SubscribeEvent(host, -1);
    s->DisableTool(nullptr);
    EXPECT_EQ(s->GetMainWindow(nullptr), nullptr);
    // An empty registered name clears the stored one.
    EXPECT_EQ(s->RegisterTool(host, &info), 1);
    EXPECT_FALSE(manager.tools().front()->hasName);
}

}  // namespace
}  // namespace gw::test

#endif  // GW_TEST_TOOLS_DIR
