// What the grid's squares say to a screen reader: words composed from the engine's
// state, with no window in sight, so that every accessibility front end (the grid's
// accessible object today) speaks the same sentences.
#pragma once
#include <string>

namespace gw {

class PuzzleGrid;

struct SquareWords {
    bool block = false;
    std::string name;         // where the square is and what is asked
    std::string value;        // what the square holds ("empty" when nothing)
    std::string description;  // the marks a sighted solver sees, comma separated
};

// The words for square (x, y). The word described first is the one in the grid's
// current direction when the square lies in it (else the other direction), e.g.
// "12 Across, Yawning through a long lecture, letter 3 of 6; 8 Down".
SquareWords describeSquare(const PuzzleGrid& grid, int x, int y);

// Only the value: cheaper, for telling what changed.
std::string squareValue(const PuzzleGrid& grid, int x, int y);

// The status line after Check: how many letters were marked wrong, or that none were.
std::string markedWrongWords(int count);

}  // namespace gw
