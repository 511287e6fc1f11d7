// The host services a tool calls, through the real services table of a loaded
// test tool, over a real document opened from a puzzle file.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "fakes.h"
#include "plugins/host/plugin_manager.h"
#include "puz_builder.h"

#ifdef GW_TEST_TOOLS_DIR

namespace gw::test {
namespace {

class ToolServicesTest : public CoreFixture {
protected:
    std::unique_ptr<PuzzleDocument> document;
    std::unique_ptr<PluginManager> manager;
    ToolHost* host = nullptr;
    const ToolHostServices* s = nullptr;
    std::string path;

    void SetUp() override {
        CoreFixture::SetUp();
        document = std::make_unique<PuzzleDocument>();
        core().document = document.get();
        manager = std::make_unique<PluginManager>(std::string(GW_TEST_TOOLS_DIR) + "/order");
        ASSERT_FALSE(manager->tools().empty());
        host = manager->tools().front()->toolHost();
        s = host->services;
    }
    void TearDown() override {
        manager.reset();
        document.reset();
        if (!path.empty()) std::remove(path.c_str());
        CoreFixture::TearDown();
    }

    // A 3x3 puzzle: C and N entered, (1,0) revealed, (2,0) marked wrong, (0,1)
    // corrected after being wrong; a tool's 4-byte "LTIM" section.
    void openPuzzle() {
        PuzBuilder b;
        b.fill = "C--" "-.-" "--N";
        std::vector<uint8_t> gext(9, 0);
        gext[1] = Revealed;
        gext[2] = Incorrect;
        gext[3] = WasIncorrect;
        b.sections.push_back({"GEXT", gext});
        b.sections.push_back({"LTIM", {1, 2, 3, 4}});
        std::vector<uint8_t> bytes = b.build();
        path = ::testing::TempDir() + "tool_services_test.puz";
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     std::streamsize(bytes.size()));
        ASSERT_TRUE(document->open(path));
        ASSERT_TRUE(document->isOpen);
    }
};

TEST_F(ToolServicesTest, WithoutAPuzzleEverythingAnswersNothing) {
    EXPECT_EQ(s->IsPuzzleOpen(host), 0);
    EXPECT_EQ(s->GetPuzzlePath(host), nullptr);
    EXPECT_EQ(s->GetWidth(host), 0);
    EXPECT_EQ(s->GetHeight(host), 0);
    EXPECT_EQ(s->GetFilledCount(host), 0);
    EXPECT_EQ(s->GetLetterCellCount(host), 0);
    EXPECT_EQ(s->IsModified(host), 0);
    EXPECT_EQ(s->IsGridFilled(host), 0);
    EXPECT_EQ(s->HasUsableSolution(host), 0);
    EXPECT_EQ(s->IsSolutionScrambled(host), 0);
    EXPECT_EQ(s->IsLetterCell(host, 0, 0), 0);
    EXPECT_EQ(s->GetEntry(host, 0, 0), 0);
    char buffer[8] = {};
    EXPECT_EQ(s->ReadSection(host, "LTIM", buffer, sizeof buffer), 0);
    s->WriteSection(host, "LTIM", buffer, 4);
    s->DeleteSection(host, "LTIM");
    s->SetUnlockKey(host, 1234);
    EXPECT_FALSE(document->isDirty);
}

TEST_F(ToolServicesTest, OpeningAndClosingReachTheToolsAndThePathFollows) {
    openPuzzle();
    // The document's open went through the manager: both loading and shown events.
    const std::string* count = store.find("TestLog", "count");
    ASSERT_NE(count, nullptr);
    std::vector<std::string> log;
    for (int i = 0; i < std::atoi(count->c_str()); ++i) log.push_back(*store.find("TestLog", std::to_string(i).c_str()));
    EXPECT_NE(std::find(log.begin(), log.end(), "1004"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "1005"), log.end());

    ASSERT_NE(s->GetPuzzlePath(host), nullptr);
    EXPECT_EQ(std::string(s->GetPuzzlePath(host)), path);
    EXPECT_EQ(s->IsPuzzleOpen(host), 1);

    services.answers = {AnswerNo};
    ASSERT_TRUE(document->close());
    EXPECT_EQ(*store.find("TestLog", std::to_string(std::atoi(store.find("TestLog", "count")->c_str()) - 1).c_str()),
              "1007");
    EXPECT_EQ(s->GetPuzzlePath(host), nullptr);
    EXPECT_EQ(s->IsPuzzleOpen(host), 0);
}

TEST_F(ToolServicesTest, CellServicesReadTheGridAndRefusePositionsOutsideIt) {
    openPuzzle();
    EXPECT_EQ(s->GetWidth(host), 3);
    EXPECT_EQ(s->GetHeight(host), 3);
    EXPECT_EQ(s->GetEntry(host, 0, 0), 'C');
    EXPECT_EQ(s->GetEntry(host, 1, 0), '-');
    EXPECT_EQ(s->GetSolution(host, 2, 2), 'N');
    EXPECT_EQ(s->GetSolution(host, 1, 0), 'A');
    EXPECT_NE(s->IsLetterCell(host, 0, 0), 0);
    EXPECT_EQ(s->IsLetterCell(host, 1, 1), 0);
    EXPECT_NE(s->IsRevealed(host, 1, 0), 0);
    EXPECT_EQ(s->IsRevealed(host, 0, 0), 0);
    EXPECT_NE(s->WasMarkedWrong(host, 2, 0), 0);
    EXPECT_NE(s->WasMarkedWrong(host, 0, 1), 0);
    EXPECT_EQ(s->WasMarkedWrong(host, 0, 0), 0);
    EXPECT_EQ(s->GetLetterCellCount(host), 8);
    EXPECT_EQ(s->GetFilledCount(host), 2);
    EXPECT_EQ(s->IsGridFilled(host), 0);

    // Column -1, column = width, row -1, row = height: nothing, from every cell service.
    const int outside[][2] = {{-1, 0}, {3, 0}, {0, -1}, {0, 3}, {1000000, 1000000}};
    for (const auto& p : outside) {
        SCOPED_TRACE(std::to_string(p[0]) + "," + std::to_string(p[1]));
        EXPECT_EQ(s->IsLetterCell(host, p[0], p[1]), 0);
        EXPECT_EQ(s->IsRevealed(host, p[0], p[1]), 0);
        EXPECT_EQ(s->WasMarkedWrong(host, p[0], p[1]), 0);
        EXPECT_EQ(s->GetEntry(host, p[0], p[1]), 0);
        EXPECT_EQ(s->GetSolution(host, p[0], p[1]), 0);
    }
}

TEST_F(ToolServicesTest, SolutionStateFollowsNoCheckAndScrambling) {
    openPuzzle();
    EXPECT_EQ(s->HasUsableSolution(host), 1);
    EXPECT_EQ(s->IsSolutionScrambled(host), 0);
    document->isScrambled = true;
    EXPECT_EQ(s->HasUsableSolution(host), 0);
    EXPECT_EQ(s->IsSolutionScrambled(host), 1);
    // A puzzle without checking carries no solution to use, scrambled or not.
    document->noCheck = true;
    EXPECT_EQ(s->HasUsableSolution(host), 0);
    EXPECT_EQ(s->IsSolutionScrambled(host), 0);
}

TEST_F(ToolServicesTest, ReadSectionCopiesOnlyWhenTheWholeSectionFits) {
    openPuzzle();
    uint8_t buffer[8];
    std::memset(buffer, 0xEE, sizeof buffer);
    EXPECT_EQ(s->ReadSection(host, "LTIM", buffer, 3), 0);
    EXPECT_EQ(buffer[0], 0xEE);
    EXPECT_EQ(s->ReadSection(host, "LTIM", buffer, 4), 4);
    EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 5), (std::vector<uint8_t>{1, 2, 3, 4, 0xEE}));
    EXPECT_EQ(s->ReadSection(host, "ltim", buffer, 8), 0);  // names match exactly
    EXPECT_EQ(s->ReadSection(host, "NONE", buffer, 8), 0);
    EXPECT_EQ(s->ReadSection(host, "LTIM", nullptr, 8), 0);
    EXPECT_EQ(s->ReadSection(host, nullptr, buffer, 8), 0);
    EXPECT_EQ(s->ReadSection(host, "LTIM", buffer, -1), 0);
}

TEST_F(ToolServicesTest, WriteSectionLimitsAndTheModifiedFlag) {
    openPuzzle();
    ASSERT_FALSE(document->isDirty);
    std::vector<uint8_t> big(1025, 0x5A);
    std::vector<uint8_t> back(1025);

    // Over the limit: nothing stored and the puzzle stays clean.
    s->WriteSection(host, "BIGS", big.data(), 1025);
    EXPECT_EQ(s->IsModified(host), 0);
    EXPECT_EQ(s->ReadSection(host, "BIGS", back.data(), 1025), 0);
    // A name longer than a section tag would land on another section: refused.
    s->WriteSection(host, "LTIMX", big.data(), 2);
    EXPECT_EQ(s->IsModified(host), 0);
    EXPECT_EQ(s->ReadSection(host, "LTIM", back.data(), 8), 4);
    EXPECT_EQ(back[0], 1);
    // Deleting does not mark the puzzle modified.
    s->DeleteSection(host, "LTIM");
    EXPECT_EQ(s->ReadSection(host, "LTIM", back.data(), 8), 0);
    EXPECT_EQ(s->IsModified(host), 0);

    // Zero bytes: nothing stored, but modified, and Save is enabled.
    s->WriteSection(host, "ZERO", big.data(), 0);
    EXPECT_EQ(s->IsModified(host), 1);
    EXPECT_TRUE(services.has("save on"));
    EXPECT_EQ(s->ReadSection(host, "ZERO", back.data(), 8), 0);

    // Exactly 1024 bytes are stored.
    s->WriteSection(host, "BIGS", big.data(), 1024);
    EXPECT_EQ(s->ReadSection(host, "BIGS", back.data(), 1025), 1024);
    EXPECT_EQ(back[1023], 0x5A);
}

TEST_F(ToolServicesTest, SetUnlockKeyIsKeptForTheNextUnlock) {
    openPuzzle();
    s->SetUnlockKey(host, 4321);
    EXPECT_EQ(document->toolUnlockKey, 4321);
}

}  // namespace
}  // namespace gw::test

#endif  // GW_TEST_TOOLS_DIR
