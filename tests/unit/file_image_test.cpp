#include <cstring>
#include <vector>

#include "doc/file_image.h"
#include "fakes.h"

using namespace gw;

TEST(RegionChecksum, RotatesRightAndAdds) {
    const uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(regionChecksum(abc, 1, 0), 0x0061);
    EXPECT_EQ(regionChecksum(abc, 2, 0), 0x8092);
    EXPECT_EQ(regionChecksum(abc, 3, 0), 0x40AC);
    EXPECT_EQ(regionChecksum(abc, 0, 0x1234), 0x1234);
    EXPECT_EQ(regionChecksum(abc, -5, 7), 7);
}

// The paired form runs both sums over the same bytes: each must equal its own run,
// at every length (odd and even, across the 16-bit wrap) and from any start.
TEST(RegionChecksum, PairEqualsTwoSeparateRuns) {
    std::vector<uint8_t> bytes(3000);
    uint32_t seed = 12345;
    for (uint8_t& b : bytes) b = uint8_t((seed = seed * 1103515245u + 12345u) >> 16);
    for (int length : {0, 1, 2, 7, 255, 1521, 3000}) {
        uint16_t first = 0, second = 0xBEEF;
        regionChecksumPair(bytes.data(), length, first, second);
        EXPECT_EQ(first, regionChecksum(bytes.data(), length, 0)) << length;
        EXPECT_EQ(second, regionChecksum(bytes.data(), length, 0xBEEF)) << length;
    }
}

TEST(FileImage, MaskIsEightUpperCaseLetters) {
    PuzzleFileImage a, b;
    EXPECT_EQ(a.mask, b.mask);
    for (uint8_t m : a.mask) EXPECT_TRUE(m >= 'A' && m <= 'Z');
}

TEST(FileImage, SectionsReplaceInPlaceAppendAtEndAndRefuseBadLengths) {
    PuzzleFileImage img;
    const uint8_t one[] = {1}, two[] = {2, 2};
    img.setExtraSection("LTIM", one, 1);
    img.setExtraSection("GEXT", one, 1);
    img.setExtraSection("LTIM", two, 2);
    ASSERT_EQ(img.sections.size(), 2u);
    EXPECT_STREQ(img.sections[0].tag, "LTIM");
    EXPECT_EQ(img.sections[0].length, 2);

    std::vector<uint8_t> big(1025, 0);
    img.setExtraSection("BIGG", big.data(), 1025);
    img.setExtraSection("ZERO", one, 0);
    img.setExtraSection(nullptr, one, 1);
    EXPECT_EQ(img.sections.size(), 2u);
    img.setExtraSection("MAXX", big.data(), 1024);
    EXPECT_EQ(img.sections.size(), 3u);

    img.removeExtraSection("LTIM");
    EXPECT_EQ(img.getExtraSection("LTIM"), nullptr);
    EXPECT_STREQ(img.sections[0].tag, "GEXT");
}

TEST(FileImage, VersionParsing) {
    PuzzleFileImage img;
    std::memcpy(&img.header.bytes[HdrVersion], "1.3", 4);
    EXPECT_EQ(img.versionNumber(), 13);
    std::memcpy(&img.header.bytes[HdrVersion], "2.0", 4);
    EXPECT_EQ(img.versionMajor(), 2);
    std::memcpy(&img.header.bytes[HdrVersion], "x.y", 4);
    EXPECT_EQ(img.versionNumber(), 0);
}
