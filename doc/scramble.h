// Locking a puzzle's solution with a four-digit key.
#pragma once
#include <array>
#include <functional>
#include <string>

namespace gw {

class PuzzleGrid;

using KeyDigits = std::array<int, 4>;  // most significant digit first

constexpr int MinScrambleLength = 12;
constexpr int FallbackKey = 5816;

KeyDigits keyDigits(int key);

// The solution letters of the white squares, column by column, each top to bottom.
std::string solutionString(const PuzzleGrid& grid);
void storeSolutionString(PuzzleGrid& grid, const std::string& s);

// The pure transforms (any length; callers refuse short solutions).
std::string scrambleString(const std::string& s, const KeyDigits& k);
std::string unscrambleString(const std::string& s, const KeyDigits& k);

// On the grid: scramble warns (and changes nothing) below 12 letters; unscramble
// warns (and changes nothing) when the result does not match the stored checksum.
bool scramble(PuzzleGrid& grid, const KeyDigits& k);
bool unscramble(PuzzleGrid& grid, const KeyDigits& k);

// Lock's key: reuses a key Lock chose before, else draws one from the random source.
void chooseKey(PuzzleGrid& grid);
// The key a single draw gives (0 for none), by the digit rule.
int keyFromDraw(int r);

// Replaces the random source (numbers 0 to 32767) that key choice draws from. The
// source is reseeded from the time at each Lock; a null function restores it.
void setKeyRandomSource(std::function<int()> source);

}  // namespace gw
