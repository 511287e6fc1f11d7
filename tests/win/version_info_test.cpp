// The version resource of every shipped binary carries the one version set in CMake.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gw_version.h"

namespace {

std::string binDir() {
    const char* env = std::getenv("GW_BIN_DIR");
    return env && *env ? env : GW_BIN_DIR;
}

std::string versionText(const std::vector<char>& block, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
    return std::string(value);
}

}  // namespace

TEST(VersionInfo, ExeAndPluginsCarryTheProjectVersion) {
    for (const char* file : {"gridwell.exe", "Plugins\\Tools\\OVtimer.dll", "Plugins\\Tools\\OVtipofday.dll"}) {
        SCOPED_TRACE(file);
        const std::string path = binDir() + "\\" + file;
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "no version resource";
        std::vector<char> block(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(fixed->dwFileVersionMS, DWORD(GW_VERSION_MAJOR << 16 | GW_VERSION_MINOR));
        EXPECT_EQ(fixed->dwFileVersionLS, DWORD(GW_VERSION_PATCH << 16));
        EXPECT_EQ(versionText(block, "ProductVersion"), GW_VERSION_TEXT);
        EXPECT_EQ(versionText(block, "FileVersion"), GW_VERSION_TEXT);
        EXPECT_EQ(versionText(block, "ProductName"), "Gridwell");
        const std::string name = path.substr(path.find_last_of('\\') + 1);
        EXPECT_EQ(versionText(block, "OriginalFilename"), name);
    }
}
