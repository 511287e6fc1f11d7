#include <random>

#include "doc/puzzle_document.h"
#include "doc/scramble.h"
#include "doc_test_util.h"
#include "fakes.h"
#include "puz_builder.h"
#include "resources/string_table.h"

using namespace gw;
using namespace gw::test;

namespace {

std::string format(int id, int n) {
    char buf[512];
    std::snprintf(buf, sizeof buf, stringText(id), n);
    return buf;
}

// A 4x4 grid of 14 letters and two blocks.
PuzBuilder fourByFour() {
    PuzBuilder b;
    b.width = b.height = 4;
    b.solution = "CODE" "A.EX" "RAT." "TONE";
    b.fill = "----" "-.--" "---." "----";
    b.clues = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    return b;
}

class ScrambleTest : public CoreFixture {
protected:
    TempFolder folder;
    std::unique_ptr<PuzzleDocument> doc;
    std::vector<int> draws;

    void SetUp() override {
        CoreFixture::SetUp();
        doc = std::make_unique<PuzzleDocument>();
        core().document = doc.get();
        setKeyRandomSource([this] {
            if (draws.empty()) return 0;
            const int r = draws.front();
            draws.erase(draws.begin());
            return r;
        });
    }
    void TearDown() override {
        setKeyRandomSource(nullptr);
        doc.reset();
        CoreFixture::TearDown();
    }
    void openBuilder(const PuzBuilder& b) {
        const std::string path = folder.file("s.puz");
        writeBytes(path, b.build());
        ASSERT_TRUE(doc->open(path));
    }
};

}  // namespace

TEST(ScrambleTransform, RoundTripsCapitalsOfAnyLength) {
    std::mt19937 rng(3);
    for (size_t n = 12; n <= 60; ++n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) s.push_back(char('A' + rng() % 26));
        const KeyDigits k = {1 + int(rng() % 9), 1 + int(rng() % 9), 1 + int(rng() % 9), 1 + int(rng() % 9)};
        const std::string t = scrambleString(s, k);
        EXPECT_NE(t, s) << n;
        for (char c : t) EXPECT_TRUE(c >= 'A' && c <= 'Z');
        EXPECT_EQ(unscrambleString(t, k), s) << n;
    }
}

TEST(ScrambleTransform, SmallWorkedExample) {
    // One round by hand for "ABCDE" with k = 1,2,3,4 (first round rotates by 1):
    // shift -> B D F H F; rotate left 1 -> D F H F B; interleave (L/2 = 2) -> H D F F B.
    // The full four rounds are checked through the inverse.
    const KeyDigits k = {1, 2, 3, 4};
    const std::string s = "ABCDE";
    EXPECT_EQ(unscrambleString(scrambleString(s, k), k), s);
    EXPECT_EQ(scrambleString("ZZZZZ", {1, 1, 1, 1}).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
              std::string::npos);
}

TEST(ScrambleKey, DigitRule) {
    EXPECT_EQ(keyFromDraw(12345), 5432);
    EXPECT_EQ(keyFromDraw(32767), 7672);
    EXPECT_EQ(keyFromDraw(11111), 1111);
    EXPECT_EQ(keyFromDraw(21043), 0);     // zero skipped: the fourth digit taken is the last
    EXPECT_EQ(keyFromDraw(10234), 0);     // the fourth digit taken is the last one
    EXPECT_EQ(keyFromDraw(10101), 0);     // only three non-zero digits
    EXPECT_EQ(keyFromDraw(9999), 0);
    EXPECT_EQ(keyFromDraw(500), 0);
}

TEST_F(ScrambleTest, TooFewLettersCannotBeLocked) {
    PuzBuilder b;
    b.solution = "CATAXATAN";
    b.fill = "---------";
    b.clues = {"a", "b", "c", "d", "e", "f"};
    openBuilder(b);
    services.calls.clear();
    EXPECT_FALSE(doc->lockSolution());
    EXPECT_EQ(services.messages(), std::vector<std::string>{"warningById 33"});
    EXPECT_FALSE(doc->isScrambled);
    EXPECT_FALSE(doc->isDirty);
    EXPECT_EQ(doc->grid->cell(0, 0).solution, 'C');
}

TEST_F(ScrambleTest, LockThenUnlockInTheSameRunNeedsNoKey) {
    openBuilder(fourByFour());
    const std::string before = solutionString(*doc->grid);
    draws = {500, 10234, 12345};
    services.calls.clear();
    tools.events.clear();
    ASSERT_TRUE(doc->lockSolution());
    EXPECT_EQ(doc->grid->key, 5432);
    EXPECT_TRUE(doc->isScrambled);
    EXPECT_TRUE(doc->isDirty);
    EXPECT_NE(solutionString(*doc->grid), before);
    EXPECT_EQ(doc->grid->cell(1, 1).solution, '.');
    EXPECT_EQ(services.messages(), std::vector<std::string>{"information " + format(IDS_SCRAMBLED_WITH_KEY, 5432)});
    EXPECT_TRUE(services.has("enable 40037 0"));
    EXPECT_TRUE(services.has("enable 40038 1"));
    EXPECT_TRUE(services.has("enable 40019 0"));
    EXPECT_EQ(tools.events, std::vector<int>{20});

    services.calls.clear();
    tools.events.clear();
    ASSERT_TRUE(doc->unlockSolution());
    EXPECT_FALSE(services.has("askUnlockKey"));
    EXPECT_EQ(solutionString(*doc->grid), before);
    EXPECT_EQ(services.messages(), std::vector<std::string>{"informationById 39"});
    EXPECT_TRUE(services.has("enable 40037 1"));
    EXPECT_TRUE(services.has("enable 40038 0"));
    EXPECT_TRUE(services.has("enable 40019 1"));
    EXPECT_EQ(tools.events, (std::vector<int>{28, 21}));

    // Locking again reuses the key it chose.
    draws = {32767};
    ASSERT_TRUE(doc->lockSolution());
    EXPECT_EQ(doc->grid->key, 5432);
}

TEST_F(ScrambleTest, NoGoodDrawFallsBackToTheBuiltInKey) {
    openBuilder(fourByFour());
    draws.assign(100, 10234);
    draws.push_back(12345);  // the 101st draw is never taken
    ASSERT_TRUE(doc->lockSolution());
    EXPECT_EQ(doc->grid->key, FallbackKey);
}

TEST_F(ScrambleTest, LockedFileAndKeyRulesAcrossReopen) {
    const PuzBuilder b = fourByFour();
    openBuilder(b);
    const std::string before = solutionString(*doc->grid);
    const uint16_t checksum = regionChecksum(before, 0);
    draws = {12345};
    ASSERT_TRUE(doc->lockSolution());
    services.calls.clear();
    ASSERT_TRUE(doc->save());
    // Every save with a known key reminds of it.
    EXPECT_EQ(services.messages(), std::vector<std::string>{"information " + format(IDS_SAVING_SCRAMBLED, 5432)});
    auto bytes = readBytes(folder.file("s.puz"));
    EXPECT_EQ(bytes[HdrStateBits] & 4, 4);
    EXPECT_EQ(uint16_t(bytes[HdrScrambledChecksum] | bytes[HdrScrambledChecksum + 1] << 8), checksum);

    // Reopened: the key is unknown, saving says nothing, Unlock asks.
    doc->close();
    ASSERT_TRUE(doc->open(folder.file("s.puz")));
    EXPECT_TRUE(doc->isScrambled);
    EXPECT_TRUE(services.has("enable 40038 1"));
    doc->setDirty();
    services.calls.clear();
    ASSERT_TRUE(doc->save());
    EXPECT_TRUE(services.messages().empty());

    services.unlockKeys = {1234};
    EXPECT_FALSE(doc->unlockSolution());
    EXPECT_EQ(services.messages(), std::vector<std::string>{"warningById 36"});
    EXPECT_EQ(doc->grid->key, 0);
    EXPECT_TRUE(doc->isScrambled);

    services.unlockKeys = {};  // cancelled
    EXPECT_FALSE(doc->unlockSolution());
    EXPECT_EQ(services.count("askUnlockKey"), 2);

    services.unlockKeys = {5432};
    ASSERT_TRUE(doc->unlockSolution());
    EXPECT_EQ(solutionString(*doc->grid), before);
    ASSERT_TRUE(doc->save());
    bytes = readBytes(folder.file("s.puz"));
    EXPECT_EQ(bytes[HdrStateBits] & 4, 0);
    EXPECT_EQ(bytes[HdrScrambledChecksum], 0);

    // The typed key is kept but Lock did not choose it: a new Lock draws again.
    draws = {32767};
    ASSERT_TRUE(doc->lockSolution());
    EXPECT_EQ(doc->grid->key, 7672);
}

TEST_F(ScrambleTest, ToolSuppliedKeyIsUsedOnceAndNotByLock) {
    openBuilder(fourByFour());
    const std::string before = solutionString(*doc->grid);
    draws = {12345};
    ASSERT_TRUE(doc->lockSolution());
    doc->setDirty();
    ASSERT_TRUE(doc->save());
    doc->close();
    ASSERT_TRUE(doc->open(folder.file("s.puz")));

    doc->setUnlockKey(5432);
    services.calls.clear();
    ASSERT_TRUE(doc->unlockSolution());
    EXPECT_FALSE(services.has("askUnlockKey"));
    EXPECT_EQ(solutionString(*doc->grid), before);
    draws = {11111};
    ASSERT_TRUE(doc->lockSolution());
    EXPECT_EQ(doc->grid->key, 1111);
}

TEST_F(ScrambleTest, NoCheckPuzzleKeepsLockAndCheckDisabled) {
    PuzBuilder b = fourByFour();
    b.stateBits = 2;
    openBuilder(b);
    EXPECT_TRUE(services.has("enable 40037 0"));
    EXPECT_TRUE(services.has("enable 40038 0"));
    EXPECT_TRUE(services.has("enable 40019 0"));
    EXPECT_TRUE(services.has("enable 40021 0"));
}
