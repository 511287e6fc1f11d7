// The timer's clock. Elapsed time always comes from the wall clock (the one-second
// window timer only forces repaints), so a busy or suspended program loses nothing.
#pragma once

#include <cstdint>

namespace ovtimer {

constexpr uint32_t LtimWriteInterval = 60;  // seconds between automatic "LTIM" writes

struct ClockState {
    uint32_t elapsed = 0;
    bool stopped = true;
    bool autoPaused = false;  // stopped because the main window was minimised or hidden
    int64_t lastTick = 0;     // wall-clock seconds when elapsed was last advanced
    uint32_t lastSaved = 0;   // elapsed at the last "LTIM" write
};

struct AdvanceResult {
    bool writeLtim = false;     // more than a minute since the last write: store the time
    bool reachedLimit = false;  // the clock just stopped at the limit: kill the tick timer
};

// Adds the wall-clock time since the last tick. A clock set back adds nothing.
AdvanceResult advanceClock(ClockState& clock, int64_t now);

// Minutes and seconds of a time for "%02d:%02d".
inline int clockMinutes(uint32_t elapsed) { return static_cast<int>(elapsed / 60); }
inline int clockSeconds(uint32_t elapsed) { return static_cast<int>(elapsed % 60); }

}  // namespace ovtimer
