// The grid's key table, which both the key handler and the help's keyboard page are
// made from: a row that an earlier row hides would still be listed in the help while
// the key does something else.
#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>

#include "doc/puzzle_grid.h"
#include "views/grid_keys.h"

namespace gw {
namespace {

#define GW_GRID_KEY(code, modifier, action, argument, text) {code, KeyModifier::modifier, GridKeyAction::action, argument},
#define GW_GRID_CHAR(code, modifier, action, argument, text)
const GridKey keyRows[] = {
#include "views/grid_keys.inc"
};
#undef GW_GRID_KEY
#undef GW_GRID_CHAR
#define GW_GRID_KEY(code, modifier, action, argument, text)
#define GW_GRID_CHAR(code, modifier, action, argument, text) {code, KeyModifier::modifier, GridKeyAction::action, argument},
const GridKey charRows[] = {
#include "views/grid_keys.inc"
};
#undef GW_GRID_KEY
#undef GW_GRID_CHAR

// Each row is the one found for its own key with just its own modifier held.
template <size_t N>
void expectEveryRowReachable(const GridKey (&rows)[N]) {
    for (size_t i = 0; i < N; ++i) {
        const GridKey& row = rows[i];
        const GridKey* found = findGridKey(rows, N, row.code, row.modifier == KeyModifier::Shift,
                                           row.modifier == KeyModifier::Ctrl);
        EXPECT_EQ(found, &row) << "row " << i << " (code " << row.code << ") is hidden by an earlier row";
    }
}

}  // namespace

TEST(GridKeys, EveryRowOfTheTableIsReachable) {
    expectEveryRowReachable(keyRows);
    expectEveryRowReachable(charRows);
}

TEST(GridKeys, ShiftWinsOverCtrlAndUnknownKeysFindNothing) {
    const GridKey* both = findGridKey(keyRows, std::size(keyRows), VK_RIGHT, true, true);
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(both->modifier, KeyModifier::Shift);
    EXPECT_EQ(both->action, GridKeyAction::MoveWordByArrow);
    const GridKey* ctrlTab = findGridKey(keyRows, std::size(keyRows), VK_TAB, false, true);
    ASSERT_NE(ctrlTab, nullptr);
    EXPECT_EQ(ctrlTab->argument, 6);  // Ctrl does not change what Tab does
    EXPECT_EQ(findGridKey(keyRows, std::size(keyRows), VK_F5, false, false), nullptr);
    EXPECT_EQ(findGridKey(charRows, std::size(charRows), 'Q', false, false), nullptr);  // typed through row 0
}

}  // namespace gw
