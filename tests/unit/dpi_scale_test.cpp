// Which picture a screen gets, how sizes follow a DPI change, and that the art the
// rule can choose exists at the size it promises.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "shell/dpi_scale.h"

namespace gw {
namespace {

TEST(PictureChoice, TakesTheNearestSizeAtOrAboveAndNeverStretchesUp) {
    // 100 % is today's 24-pixel bar; 125 % (30 px) and 150 % (36 px) take the next
    // larger strip; beyond 200 % nothing larger exists, so the largest is drawn as is.
    const int dpis[] = {96, 97, 120, 128, 144, 168, 192, 240, 288};
    const int toolbar[] = {24, 32, 32, 32, 48, 48, 48, 48, 48};
    const int scales[] = {100, 125, 125, 150, 150, 200, 200, 250, 250};
    for (size_t i = 0; i < std::size(dpis); ++i) {
        EXPECT_EQ(toolbarPictureSize(dpis[i]), toolbar[i]) << dpis[i];
        EXPECT_EQ(pictureScaleFor(dpis[i]), scales[i]) << dpis[i];
    }
    // A DPI below 96 (a remote session) still gets a picture, and a broken one the 100 % set.
    EXPECT_EQ(toolbarPictureSize(72), 24);
    EXPECT_EQ(toolbarPictureSize(48), 16);
    EXPECT_EQ(pictureScaleFor(0), 100);
    EXPECT_EQ(scaledPictureName("ABDB", 100), "ABDB");
    EXPECT_EQ(scaledPictureName("ABDB", 150), "ABDB_150");
}

TEST(PictureChoice, SizesFollowADpiChangeBothWaysWithoutDrifting) {
    EXPECT_EQ(scaleToDpi(5, 192), 10);
    EXPECT_EQ(scaleToDpi(5, 144), 8);  // 7.5 rounds to the nearest pixel
    EXPECT_EQ(rescaleDpi(-15, 96, 192), -30);
    // A pane moved 96 -> 144 -> 96 comes back to its extent (no creeping by rounding).
    for (int extent : {0, 1, 7, 150, 333}) EXPECT_EQ(rescaleDpi(rescaleDpi(extent, 96, 144), 144, 96), extent);
    EXPECT_EQ(rescaleDpi(123, 0, 192), 123);
}

struct BmpSize {
    int32_t width = 0, height = 0;
};

BmpSize bmpSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[26] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    if (!in || header[0] != 'B' || header[1] != 'M') return {};
    auto at = [&](int offset) {
        return int32_t(uint32_t(header[offset]) | uint32_t(header[offset + 1]) << 8 |
                       uint32_t(header[offset + 2]) << 16 | uint32_t(header[offset + 3]) << 24);
    };
    return {at(18), at(22)};
}

TEST(PictureArt, EveryChoosableSizeExistsAtItsScale) {
    const std::string art = std::string(GW_SOURCE_DIR) + "/resources/art/";
    for (int size : ToolbarPictureSizes) {
        const std::string path = size == 24 ? art + "toolbar.bmp" : art + "dpi/toolbar" + std::to_string(size) + ".bmp";
        const BmpSize s = bmpSize(path);
        EXPECT_EQ(s.height, size) << path;
        EXPECT_EQ(s.width, 15 * size) << path;  // fifteen pictures side by side
    }
    struct Picture {
        std::string folder, file;
        int width, height;
    };
    const Picture pictures[] = {{art, "layout_asds", 64, 48}, {art, "print_gbr", 40, 52}, {art, "tlogo", 136, 32},
                                {std::string(GW_SOURCE_DIR) + "/plugins/timer/art/", "board", 26, 15},
                                {std::string(GW_SOURCE_DIR) + "/plugins/tipofday/art/", "tip", 32, 32}};
    for (const Picture& p : pictures) {
        for (int percent : PictureScales) {
            const std::string path =
                percent == 100 ? p.folder + p.file + ".bmp" : p.folder + "dpi/" + scaledPictureName(p.file, percent) + ".bmp";
            const BmpSize s = bmpSize(path);
            EXPECT_EQ(s.width, (p.width * percent + 50) / 100) << path;
            EXPECT_EQ(s.height, (p.height * percent + 50) / 100) << path;
        }
    }
}

}  // namespace
}  // namespace gw
