// Timing helpers shared by the benchmarks that drive the real windows under Wine.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace benchtiming {

inline double microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) * 1e6 / double(frequency.QuadPart);
}

inline void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// One line of figures: median, mean and 90th percentile of the times.
inline void report(const char* what, std::vector<double> times, int labelWidth = 44) {
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times) sum += t;
    std::printf("%-*s median %8.1f us  mean %8.1f us  p90 %8.1f us  (%zu times)\n", labelWidth, what,
                times[times.size() / 2], sum / double(times.size()), times[times.size() * 9 / 10], times.size());
}

}  // namespace benchtiming
