// The order F6 visits the panes in: as they stand on screen, row by row from the top
// and left to right within a row. Panes whose heights overlap share a row (a list
// beside the grid), so a few pixels of header or prompt do not reorder them.
#pragma once
#include <algorithm>
#include <numeric>
#include <vector>

namespace gw::panes {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Indices of `boxes` in visiting order.
inline std::vector<int> visitingOrder(const std::vector<Box>& boxes) {
    std::vector<int> order(boxes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return boxes[a].top < boxes[b].top; });
    std::vector<int> result;
    size_t rowStart = 0;
    while (rowStart < order.size()) {
        int rowBottom = boxes[order[rowStart]].bottom;
        size_t rowEnd = rowStart + 1;
        while (rowEnd < order.size() && boxes[order[rowEnd]].top < rowBottom) {
            rowBottom = std::max(rowBottom, boxes[order[rowEnd]].bottom);
            ++rowEnd;
        }
        std::stable_sort(order.begin() + long(rowStart), order.begin() + long(rowEnd),
                         [&](int a, int b) { return boxes[a].left < boxes[b].left; });
        result.insert(result.end(), order.begin() + long(rowStart), order.begin() + long(rowEnd));
        rowStart = rowEnd;
    }
    return result;
}

// The pane after (or before) `current` in `order`; the first (or last) when none has
// the keyboard (current -1), -1 when there is no pane.
inline int nextPane(const std::vector<int>& order, int current, bool forward) {
    if (order.empty()) return -1;
    const auto at = std::find(order.begin(), order.end(), current);
    if (at == order.end()) return forward ? order.front() : order.back();
    const long n = long(order.size());
    const long i = long(at - order.begin());
    return order[size_t(((forward ? i + 1 : i - 1) + n) % n)];
}

}  // namespace gw::panes
