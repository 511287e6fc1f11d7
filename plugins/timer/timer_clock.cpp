#include "timer_clock.h"

#include "timer_text.h"

namespace ovtimer {

AdvanceResult advanceClock(ClockState& clock, int64_t now) {
    AdvanceResult result;
    if (now > clock.lastTick) {
        int64_t total = static_cast<int64_t>(clock.elapsed) + (now - clock.lastTick);
        // Anything past the limit is cut below; keep the sum from wrapping first.
        clock.elapsed = total > 0xFFFFFFFFLL ? 0xFFFFFFFFu : static_cast<uint32_t>(total);
    }
    if (clock.elapsed > clock.lastSaved && clock.elapsed - clock.lastSaved > LtimWriteInterval)
        result.writeLtim = true;
    clock.lastTick = now;
    if (clock.elapsed > MaxElapsed) {
        clock.stopped = true;
        clock.elapsed = MaxElapsed;
        clock.autoPaused = false;
        result.reachedLimit = true;
    }
    return result;
}

}  // namespace ovtimer
