#include <cstring>

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
