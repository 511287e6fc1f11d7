// The arithmetic of a split pane, along its split axis (heights of a stacked pane,
// widths of a side-by-side one). Portable so that it is tested without windows.
#pragma once
#include <algorithm>
#include <vector>

namespace gw::splitmath {

// Extents of the children in order; a bar of `bar` pixels stands between neighbours.
using Extents = std::vector<int>;

inline int barsOf(const Extents& e, int bar) { return e.empty() ? 0 : int(e.size() - 1) * bar; }

inline int sumOf(const Extents& e) {
    int s = 0;
    for (int v : e) s += v;
    return s;
}

// Start of each child along the axis.
inline std::vector<int> starts(const Extents& e, int bar) {
    std::vector<int> out;
    int at = 0;
    for (int v : e) {
        out.push_back(at);
        at += v + bar;
    }
    return out;
}

// A new child joins at the end. Its own extent is kept unless it is 0 or at least
// twice an equal share; the others give up room for it and a bar, the new child
// taking what is left.
inline void addChild(Extents& e, int client, int bar, int ownExtent) {
    const int n = int(e.size());
    if (n == 0) {
        e.push_back(std::max(0, client));
        return;
    }
    const int available = client - n * bar;
    const int share = available / (n + 1);
    const int wanted = (ownExtent <= 0 || ownExtent >= 2 * share) ? share : ownExtent;
    const int giveUp = (bar + wanted) / n;
    for (int& v : e) v = std::max(0, v - giveUp);
    e.push_back(std::max(0, client - sumOf(e) - n * bar));
}

// The pane's client extent changed: the free room goes to the children within 5
// pixels of the largest (the first of them taking the remainder), or to all of them
// when they cannot absorb a shrink.
inline void resize(Extents& e, int client, int bar) {
    if (e.empty()) return;
    const int delta = client - barsOf(e, bar) - sumOf(e);
    if (delta == 0) return;
    const int tallest = *std::max_element(e.begin(), e.end());
    std::vector<size_t> takers;
    int takersTotal = 0;
    for (size_t i = 0; i < e.size(); ++i)
        if (e[i] >= tallest - 5) {
            takers.push_back(i);
            takersTotal += e[i];
        }
    if (delta < 0 && -delta > takersTotal) {
        takers.clear();
        for (size_t i = 0; i < e.size(); ++i) takers.push_back(i);
    }
    const int count = int(takers.size());
    const int each = delta / count;
    const int rest = delta - each * count;
    for (size_t k = 0; k < takers.size(); ++k) {
        int& v = e[takers[k]];
        v = std::max(0, v + each + (k == 0 ? rest : 0));
    }
}

// Gives one child an extent; its neighbour (the next, or the previous for the last
// child) absorbs the difference and keeps its far edge.
inline void setExtent(Extents& e, size_t index, int extent) {
    if (index >= e.size() || e.size() < 2) return;
    const size_t other = index + 1 < e.size() ? index + 1 : index - 1;
    const int both = e[index] + e[other];
    const int v = std::clamp(extent, 1, std::max(1, both));
    e[index] = v;
    e[other] = std::max(0, both - v);
}

// A bar dropped with its leading edge at `position`: the child before keeps at least
// one pixel, the child after too. Returns the position used.
inline int dropBar(Extents& e, size_t barIndex, int position, int bar) {
    if (barIndex + 1 >= e.size()) return position;
    const int before = starts(e, bar)[barIndex];
    const int afterEnd = before + e[barIndex] + bar + e[barIndex + 1];
    const int highest = afterEnd - 1 - bar;
    const int p = std::max(before + 1, std::min(position, highest));
    e[barIndex] = p - before;
    e[barIndex + 1] = std::max(0, afterEnd - p - bar);
    return p;
}

}  // namespace gw::splitmath
