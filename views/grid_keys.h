// The grid's keyboard as data: which key, with which modifier, does what. The
// handler looks keys up here and the build writes the help's keyboard page from
// the same rows (views/grid_keys.inc), so the two cannot drift apart.
#pragma once
#include <cstddef>

namespace gw {

// Which modifier a row asks for. Rows are matched in order and the first fit wins,
// so a Shift row placed before a Ctrl row makes Shift win when both are held.
enum class KeyModifier { Any, Shift, Ctrl };

enum class GridKeyAction {
    MoveArrow,        // one square in the arrow's direction (argument: the arrow)
    MoveWordByArrow,  // to the neighbouring word that way (argument: the arrow)
    TurnTo,           // make the direction Across or Down (argument: the direction)
    MoveWord,         // to the next or previous word, wrapping (argument: 6 next, 5 previous)
    WordStart,        // first square of the word, or of the grid (argument: 1 for the grid)
    WordEnd,          // last square of the word, or of the grid (argument: 1 for the grid)
    Erase,            // erase the square (argument: 0 stay, 1 step on, 2 step back)
    MultiLetter,      // the entry box for several letters in one square
    SymbolPicker,     // the symbol picker under the square
    TogglePencil,     // pencil mark on the square's letter
    ToggleCircle,     // circle on the square
    Type,             // the character itself goes into the square
};

struct GridKey {
    int code;  // virtual key for key rows, the character for character rows (0: any other)
    KeyModifier modifier;
    GridKeyAction action;
    int argument;
};

// The first row for this key whose modifier is held, or null.
inline const GridKey* findGridKey(const GridKey* rows, std::size_t count, int code, bool shift, bool ctrl) {
    for (std::size_t i = 0; i < count; ++i) {
        const GridKey& row = rows[i];
        if (row.code != code) continue;
        if (row.modifier == KeyModifier::Shift && !shift) continue;
        if (row.modifier == KeyModifier::Ctrl && !ctrl) continue;
        return &row;
    }
    return nullptr;
}

}  // namespace gw
