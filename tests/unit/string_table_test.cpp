// The string table compiled into the core: one text per id, every id the program
// quotes present, and the command help texts where the status bar looks for them.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace {
struct Entry { int id; const char* text; };
const Entry kEntries[] = {
#define GW_STRING(id, text) {id, text},
#include "strings.inc"
#undef GW_STRING
};
}  // namespace

TEST(StringTable, EachIdHasOneText) {
    std::map<int, int> seen;
    for (const Entry& e : kEntries) {
        EXPECT_EQ(seen[e.id]++, 0) << "id " << e.id << " appears twice";
        EXPECT_GT(e.id, 0);
        EXPECT_LT(e.id, 65536);  // resource string ids are 16-bit
        EXPECT_STRNE(e.text, "") << e.id;
    }
}

TEST(StringTable, HoldsEveryQuotedEntry) {
    for (int id = 1; id <= 47; ++id) {
        if (id == 16 || id == 28 || id == 29 || id == 44) continue;  // never used
        EXPECT_STRNE(gw::stringText(id), "") << id;
    }
    for (int id : {1003, 1004, 1017, 1018}) EXPECT_STRNE(gw::stringText(id), "") << id;
    EXPECT_STREQ(gw::stringText(27), "Software\\Pellicor\\Orvane");
    EXPECT_STREQ(gw::stringText(1017), "20000000");
    EXPECT_STREQ(gw::stringText(1018), "22022222");
    EXPECT_STREQ(gw::stringText(40055), "Ready");
    EXPECT_STREQ(gw::stringText(99999), "");
}

TEST(StringTable, CommandsHaveHelpTexts) {
    const int commands[] = {CMD_SELECT_COMMAND, CMD_OPEN, CMD_EXIT, CMD_ABOUT, CMD_SAVE, CMD_PRINT, CMD_USE_PEN,
                            CMD_USE_PENCIL, CMD_ZOOM_IN, CMD_ZOOM_OUT, CMD_CLOSE, CMD_SAVE_AS, CMD_UNDO, CMD_CUT,
                            CMD_COPY, CMD_PASTE, CMD_ERASE, CMD_CLEAR_GRID, CMD_CHECK_WORD, CMD_CHECK_ALL,
                            CMD_REVEAL_WORD, CMD_REVEAL_INCORRECT, CMD_REVEAL_ALL, CMD_DISPLAY, CMD_DELETE_PUZZLE,
                            CMD_HELP_CONTENTS, CMD_HELP_SEARCH, CMD_HELP_USING, CMD_NOTEPAD, CMD_LOCK_SOLUTION,
                            CMD_UNLOCK_SOLUTION, CMD_CHECK_LETTER, CMD_REVEAL_LETTER, CMD_QUICK_REFERENCE,
                            CMD_SWITCH_DIRECTION, CMD_SELECTIVE_ERASE, CMD_FULL_PUZZLE, CMD_OPTIONS,
                            CMD_PRINT_PUZZLE, CMD_PRINT_SOLUTION, CMD_INSERT_MULTIPLE, CMD_INSERT_SYMBOL};
    for (int id : commands) {
        EXPECT_GE(id, CMD_FIRST);
        EXPECT_LE(id, CMD_LAST);
        // The status bar shows at most 124 characters.
        const size_t n = std::strlen(gw::stringText(id));
        EXPECT_GT(n, 0u) << id;
        EXPECT_LE(n, 124u) << id;
    }
    EXPECT_STREQ(gw::stringText(CMD_OPEN), "Open puzzle from file");
    EXPECT_STREQ(gw::stringText(CMD_OPTIONS), "Customize Gridwell");
}
