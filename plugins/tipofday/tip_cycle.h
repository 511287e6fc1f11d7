// Which of the twenty tips is on display, and where the next run starts.
#pragma once

#include <cstdint>

namespace ovtips {

constexpr int TipCount = 20;
constexpr int32_t DefaultNextTip = TipCount - 1;  // a first run starts with the last tip

// The tip to show for a stored "NextTip"; anything out of range starts the cycle again.
inline int firstTip(int32_t stored) { return stored < 0 || stored >= TipCount ? 0 : static_cast<int>(stored); }
inline int nextTip(int tip) { return tip + 1 >= TipCount || tip < 0 ? 0 : tip + 1; }
inline int previousTip(int tip) { return tip <= 0 || tip >= TipCount ? TipCount - 1 : tip - 1; }

}  // namespace ovtips
