// The toolbar's description grammar, state digits and stored order, and the
// arithmetic of the title pane and the symbol picker.
#include <gtest/gtest.h>

#include "resources/string_table.h"
#include "views/secondary_math.h"
#include "views/toolbar_model.h"

namespace gw {
namespace {

using namespace toolbar;

std::vector<int> commandsOf(const std::vector<int>& order, const std::vector<Slot>& slots) {
    std::vector<int> out;
    for (int s : order) out.push_back(s == Separator ? 0 : slots[size_t(s)].currentCommand());
    return out;
}

TEST(ToolbarDescription, TheProgramsDescriptionGivesFourteenSlotsAndTheDefaultBar) {
    const Description d = parseDescription(stringText(IDS_TOOLBAR_DESC));
    ASSERT_EQ(d.slots.size(), 14u);
    const Slot& save = d.slots[1];
    EXPECT_EQ(save.label[0], "SaveAs");
    EXPECT_EQ(save.command[0], 40012);
    EXPECT_EQ(save.label[1], "Save");
    EXPECT_EQ(save.command[1], 40005);
    EXPECT_EQ(save.image, 1);
    EXPECT_EQ(d.slots[2].label[0], "Delete");  // the alternate took no slot
    EXPECT_TRUE(d.slots[3].dropDown);
    EXPECT_FALSE(d.slots[2].byDefault);
    EXPECT_EQ(d.slots[13].label[0], "Options");
    EXPECT_EQ(d.slots[13].image, 5);
    EXPECT_EQ(d.defaultOrder, "40002:40012:40062:0:40008:40017:0:40050:0:40019:40021:40038:0:40060:");
    // Every slot is found by either of its commands.
    EXPECT_EQ(slotOf(d.slots, 40005), 1);
    EXPECT_EQ(slotOf(d.slots, 40012), 1);
    EXPECT_EQ(slotOf(d.slots, 40001), -1);
}

TEST(ToolbarDescription, CountEmptyNumbersAndMalformedTextsAreHandledSafely) {
    // The count cuts the items; an empty number is 0.
    Description d = parseDescription("2{A:1::0:1:,B:2:3:0:1:,C:3:4:0:1:}");
    ASSERT_EQ(d.slots.size(), 2u);
    EXPECT_EQ(d.slots[0].image, 0);
    EXPECT_EQ(d.defaultOrder, "    1:    2:");
    // A group boundary at the count adds no trailing separator.
    EXPECT_EQ(parseDescription("1{A:1:0:0:1:},{B:2:0:0:1:}").defaultOrder, "    1:");
    // Missing count or brace, a cut-off item, an unknown separator: what was read stays.
    EXPECT_TRUE(parseDescription("{A:1:0:0:1:}").slots.empty());
    EXPECT_TRUE(parseDescription("3A:1:0:0:1:}").slots.empty());
    EXPECT_EQ(parseDescription("3{A:1:0:0:1:,B:2:0").slots.size(), 1u);
    EXPECT_EQ(parseDescription("3{A:1:0:0:1:;B:2:0:0:1:}").slots.size(), 1u);
    EXPECT_EQ(parseDescription("2{A:1:0:0:1:|B:2:0").slots.size(), 1u);
    // A huge count or number cannot overflow.
    d = parseDescription("99999999999{A:123456789012:1:0:1:}");
    ASSERT_EQ(d.slots.size(), 1u);
    EXPECT_EQ(d.slots[0].command[0], 12345);
    EXPECT_TRUE(parseDescription("").slots.empty());
}

TEST(ToolbarState, DigitsSetEachSlotAndOthersAreSkipped) {
    Description d = parseDescription(stringText(IDS_TOOLBAR_DESC));
    applyStateDigits(stringText(IDS_TOOLBAR_STATES_CLOSED), d.slots);
    EXPECT_TRUE(d.slots[0].enabled);
    for (size_t i = 1; i < d.slots.size(); ++i) EXPECT_TRUE(d.slots[i].indeterminate && !d.slots[i].enabled) << i;
    applyStateDigits("0x1-23", d.slots);
    EXPECT_TRUE(d.slots[0].unavailable);
    EXPECT_TRUE(d.slots[1].indeterminate);
    EXPECT_FALSE(d.slots[1].unavailable);
    EXPECT_TRUE(d.slots[2].enabled && !d.slots[2].checked);
    EXPECT_TRUE(d.slots[3].enabled && d.slots[3].checked && d.slots[3].checkStyle);
    EXPECT_TRUE(d.slots[4].indeterminate);  // beyond the digits: unchanged
}

TEST(ToolbarOrder, StoredOrdersAreReadWithoutTrustingThem) {
    const Description d = parseDescription(stringText(IDS_TOOLBAR_DESC));
    // The default order round-trips.
    const std::vector<int> def = parseOrder(d.defaultOrder, d.slots);
    EXPECT_EQ(formatOrder(commandsOf(def, d.slots)), d.defaultOrder);
    // Unknown commands, junk, a repeated slot and an empty entry are left out; the
    // alternate command finds its slot.
    const std::vector<int> o = parseOrder("40005:99999:abc:40002:0:40002: 40036::-1:400500000:", d.slots);
    EXPECT_EQ(commandsOf(o, d.slots), (std::vector<int>{40012, 40002, 0, 40036}));
    EXPECT_TRUE(parseOrder("", d.slots).empty());
    EXPECT_EQ(formatOrder({40002, 0, 40060}), "40002:0:40060:");
    EXPECT_EQ(orderEntry(5), "    5:");
}

TEST(ToolbarLogo, CentredInTheFreeSpaceOnlyWhenItFits) {
    EXPECT_EQ(logoLeft(600, 400, 100), 450);
    EXPECT_EQ(logoLeft(503, 400, 100), 402);  // never closer than 2 pixels
    EXPECT_EQ(logoLeft(502, 400, 100), -1);  // needs more than logo + 2
    EXPECT_EQ(logoTop(44, 32), 7);
}

TEST(TitlePaneLayout, ItemsShareTheWidthAndTheCopyrightTakesTheRest) {
    using titlepane::layout;
    auto p = layout(504, {100, 80, 60}, true);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].x, 0);
    EXPECT_EQ(p[0].width, 100);
    EXPECT_EQ(p[1].x, 110);
    EXPECT_EQ(p[1].width, 80);
    EXPECT_EQ(p[2].x, 200);
    EXPECT_EQ(p[2].width, 500 - 200);
    // A narrow strip: the title is cut, the others get nothing rather than negative widths.
    p = layout(54, {100, 80}, false);
    EXPECT_EQ(p[0].width, 50);
    EXPECT_EQ(p[1].width, 0);
    // A copyright alone starts at the left.
    p = layout(300, {60}, true);
    EXPECT_EQ(p[0].x, 0);
    EXPECT_EQ(p[0].width, 296);
    // Without a copyright the title and author keep their own widths (the hint stays by the title).
    p = layout(504, {100, 80}, false);
    EXPECT_EQ(p[0].width, 100);
    EXPECT_EQ(p[1].width, 80);
}

TEST(TitlePaneHint, TooltipQuotesTheNotesUpToAColonOrLineBreak) {
    const std::string format = stringText(IDS_NOTEPAD_HINT_TIP);
    EXPECT_EQ(titlepane::hintTooltip(format, "Theme: rivers"), "Click to see \"Theme ...\"");
    EXPECT_EQ(titlepane::hintTooltip(format, "First line\r\nsecond"), "Click to see \"First line ...\"");
    EXPECT_EQ(titlepane::hintTooltip(format, "100% sure"), "Click to see \"100% sure ...\"");
    EXPECT_EQ(titlepane::hintExcerpt(std::string(200, 'x')).size(), 60u);
}

TEST(SymbolPickerMath, ClicksMapToCharactersTenPerRow) {
    const int s = 30;
    EXPECT_EQ(picker::characterAt(0, 0, s), 33);
    EXPECT_EQ(picker::characterAt(9 * s + 29, 0, s), 42);
    EXPECT_EQ(picker::characterAt(10 * s, 0, s), 0);  // right of the tenth column
    EXPECT_EQ(picker::characterAt(s, 2 * s + 5, s), 33 + 20 + 1);
    EXPECT_EQ(picker::characterAt(2 * s, 22 * s, s), 255);
    EXPECT_EQ(picker::characterAt(3 * s, 22 * s, s), 0);  // past 255: no wrap into control codes
    EXPECT_EQ(picker::characterAt(0, 23 * s, s), 0);
    EXPECT_EQ(picker::characterAt(-1, 0, s), 0);
    EXPECT_EQ(picker::clampScroll(-5, s), 0);
    EXPECT_EQ(picker::clampScroll(999, s), 14 * s);
    EXPECT_EQ(picker::keepOnDesktop(900, 300, 1024), 724);
    EXPECT_EQ(picker::keepOnDesktop(100, 2000, 1024), 0);
}

}  // namespace
}  // namespace gw
