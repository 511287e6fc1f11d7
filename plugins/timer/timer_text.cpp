#include "timer_text.h"

#include <cstdio>

#include "timer_clock.h"

namespace ovtimer {

size_t formatLtim(uint32_t elapsed, bool stopped, char* out) {
    if (elapsed > MaxElapsed) elapsed = MaxElapsed;
    int n = std::snprintf(out, LtimTextSize, "%lu,%1d", static_cast<unsigned long>(elapsed), stopped ? 1 : 0);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

bool parseLtim(const char* data, size_t length, SavedTime& result) {
    if (!data || length == 0 || length > LtimReadCapacity) return false;
    size_t i = 0;
    while (i < length && (data[i] == ' ' || data[i] == '\t')) ++i;
    if (i < length && data[i] == '+') ++i;
    size_t digitsStart = i;
    uint32_t value = 0;
    for (; i < length && data[i] >= '0' && data[i] <= '9'; ++i) {
        if (value <= MaxElapsed) value = value * 10 + static_cast<uint32_t>(data[i] - '0');
    }
    if (i == digitsStart) return false;
    SavedTime parsed;
    parsed.elapsed = value > MaxElapsed ? MaxElapsed : value;
    if (i < length && data[i] == ',') {
        ++i;
        while (i < length && (data[i] == ' ' || data[i] == '\t')) ++i;
        if (i < length && (data[i] == '-' || data[i] == '+')) ++i;
        bool nonZero = false;
        for (; i < length && data[i] >= '0' && data[i] <= '9'; ++i) {
            if (data[i] != '0') nonZero = true;
        }
        // Any non-zero flag means stopped, as the number would read; no digits: running.
        parsed.stopped = nonZero;
    }
    result = parsed;
    return true;
}

size_t formatDisplay(bool scoreShown, int score, uint32_t elapsed, char* out) {
    if (elapsed > MaxElapsed) elapsed = MaxElapsed;
    const int n = scoreShown ? std::snprintf(out, LtimTextSize, "%04d", score)
                             : std::snprintf(out, LtimTextSize, "%02d:%02d", clockMinutes(elapsed), clockSeconds(elapsed));
    return n > 0 ? static_cast<size_t>(n) : 0;
}

std::string spokenDisplay(bool scoreShown, int score, uint32_t elapsed, bool stopped) {
    char shown[LtimTextSize];
    std::string text;
    if (scoreShown) {
        // "0042" is drawn; the number is what a listener wants.
        std::snprintf(shown, sizeof shown, "%d", score);
        text = std::string("score ") + shown;
    } else {
        formatDisplay(false, 0, elapsed, shown);
        text = shown;
    }
    return text + (stopped ? ", stopped" : ", running");
}

}  // namespace ovtimer
