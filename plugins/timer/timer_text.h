// The time a puzzle keeps in its "LTIM" section: "<seconds>,<stopped>" as plain
// ASCII without a terminator. The section is ordinary file data anyone can edit, so
// the reader accepts only what the writer produces (plus a missing flag) and
// clamps the time to what the display can show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ovtimer {

constexpr uint32_t MaxElapsed = 5999;      // "99:59"
constexpr size_t LtimReadCapacity = 11;    // a longer section is not used
constexpr size_t LtimTextSize = 12;        // room for the longest text and a NUL

struct SavedTime {
    uint32_t elapsed = 0;
    bool stopped = false;
};

// Formats "%lu,%1d" into out (at least LtimTextSize bytes); returns the length.
size_t formatLtim(uint32_t elapsed, bool stopped, char* out);

// Parses length bytes of section data. Returns false (and leaves result alone)
// when the text does not start with a decimal time. A time above the limit reads
// as the limit; a text without ",flag" reads as a running clock.
bool parseLtim(const char* data, size_t length, SavedTime& result);

// What the display shows: the score as "%04d" while it is shown, else the time as
// "%02d:%02d". out holds at least LtimTextSize bytes; returns the length.
size_t formatDisplay(bool scoreShown, int score, uint32_t elapsed, char* out);

// The display in words for a screen reader: what is shown and whether the clock
// runs ("12:34, running", "score 42, stopped").
std::string spokenDisplay(bool scoreShown, int score, uint32_t elapsed, bool stopped);

}  // namespace ovtimer
