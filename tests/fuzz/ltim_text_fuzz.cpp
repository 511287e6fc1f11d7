// The "LTIM" section is text anyone can edit in the puzzle file: whatever it holds,
// the timer reads a time the display can show, and what it writes reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "timer_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1024) return 0;  // a section is never longer
    ovtimer::SavedTime saved;
    if (!ovtimer::parseLtim(reinterpret_cast<const char*>(data), size, saved)) return 0;
    if (saved.elapsed > ovtimer::MaxElapsed) __builtin_trap();
    char text[ovtimer::LtimTextSize];
    size_t length = ovtimer::formatLtim(saved.elapsed, saved.stopped, text);
    if (length == 0 || length > ovtimer::LtimReadCapacity) __builtin_trap();
    ovtimer::SavedTime again;
    if (!ovtimer::parseLtim(text, length, again)) __builtin_trap();
    if (again.elapsed != saved.elapsed || again.stopped != saved.stopped) __builtin_trap();
    return 0;
}
