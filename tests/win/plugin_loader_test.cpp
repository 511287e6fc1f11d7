// The plug-in manager with real DLLs on Windows: each tool comes from its own
// file in Plugins\Tools, even when a DLL of the same name is already loaded from
// elsewhere, and the window handles tools ask for are the program's.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/host/host_window_port.h"
#include "plugins/host/plugin_manager.h"
#include "ports/core_context.h"
#include "unit/fakes.h"

#ifdef GW_TEST_TOOLS_DIR

namespace gw::test {
namespace {

std::string windowsPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string orderScenario() { return windowsPath(std::string(GW_TEST_TOOLS_DIR) + "/order"); }

std::string modulePath(void* library) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(static_cast<HMODULE>(library), path, MAX_PATH);
    return path;
}

std::vector<int> recorded(const MemorySettings& store) {
    std::vector<int> out;
    const std::string* count = store.find("TestLog", "count");
    for (int i = 0; count && i < std::atoi(count->c_str()); ++i)
        out.push_back(std::atoi(store.find("TestLog", std::to_string(i).c_str())->c_str()));
    return out;
}

using PluginLoaderWinTest = CoreFixture;

TEST_F(PluginLoaderWinTest, EachToolIsLoadedFromItsOwnFileInThePluginFolder) {
    // A different DLL with tool A's file name, already loaded from another folder.
    // Loading by name would hand that module back instead of the plug-in's file.
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    std::string decoyFolder = std::string(temp) + "gw_decoy_tools";
    CreateDirectoryA(decoyFolder.c_str(), nullptr);
    std::string decoy = decoyFolder + "\\OVtestA.dll";
    std::string tools = orderScenario() + "\\Plugins\\Tools\\";
    ASSERT_TRUE(CopyFileA((tools + "OVtestB.dll").c_str(), decoy.c_str(), FALSE));
    HMODULE decoyModule = LoadLibraryA(decoy.c_str());
    ASSERT_NE(decoyModule, nullptr);

    {
        PluginManager manager(orderScenario());
        ASSERT_EQ(manager.tools().size(), 3u);
        for (HostedTool* tool : manager.tools()) {
            SCOPED_TRACE(tool->fileName);
            EXPECT_NE(tool->library, static_cast<void*>(decoyModule));
            EXPECT_EQ(lstrcmpiA(modulePath(tool->library).c_str(), (tool->folder + "\\" + tool->fileName).c_str()), 0);
        }
        // Tool A's own init ran (id 1), and B's only once.
        std::vector<int> log = recorded(store);
        EXPECT_EQ(log, (std::vector<int>{1900, 1951, 2900, 2951, 3900, 3951}));
        EXPECT_EQ(manager.tools().back()->fileName, "OVtestA.dll");
        EXPECT_EQ(manager.tools().front()->fileName, "ovtestc.dll");  // the pattern ignores case
    }

    FreeLibrary(decoyModule);
    DeleteFileA(decoy.c_str());
    RemoveDirectoryA(decoyFolder.c_str());
}

TEST_F(PluginLoaderWinTest, ToolsGetTheProgramsWindowAndInstance) {
    class Port : public HostWindowPort {
    public:
        HWND window = nullptr;
        void* mainWindow() override { return window; }
        void* instance() override { return GetModuleHandleA(nullptr); }
    } port;
    port.window = CreateWindowExA(0, "STATIC", "tools owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(port.window, nullptr);

    PluginManager manager(orderScenario(), &port);
    ASSERT_FALSE(manager.tools().empty());
    ToolHost* host = manager.tools().front()->toolHost();
    void* window = host->services->GetMainWindow(host);
    EXPECT_EQ(window, static_cast<void*>(port.window));
    EXPECT_TRUE(IsWindow(static_cast<HWND>(window)));
    EXPECT_EQ(host->services->GetInstance(host), static_cast<void*>(GetModuleHandleA(nullptr)));

    // Events still arrive after the tools have been handed the handles.
    EXPECT_EQ(sendToolEvent(PuzzleOpened), 1);
    manager.shutdown();
    DestroyWindow(port.window);
}

}  // namespace
}  // namespace gw::test

#endif  // GW_TEST_TOOLS_DIR
