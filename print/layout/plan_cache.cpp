#include "print/layout/plan_cache.h"

#include <algorithm>

namespace gw::print {
namespace {

bool operator==(const DeviceFacts& a, const DeviceFacts& b) {
    return a.dpiX == b.dpiX && a.dpiY == b.dpiY && a.printableWidth == b.printableWidth &&
           a.printableHeight == b.printableHeight;
}

bool sameLines(const std::vector<ClueLine>& a, const std::vector<ClueLine>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ClueLine& x, const ClueLine& y) {
        return x.heading == y.heading && x.number == y.number && x.text == y.text;
    });
}

// Everything the layout reads; the footnotes follow the solver's entries, so a plan
// made before a multi-letter entry was typed is not reused after it.
bool operator==(const PrintContent& a, const PrintContent& b) {
    return a.title == b.title && a.author == b.author && a.copyright == b.copyright &&
           a.gridColumns == b.gridColumns && a.gridRows == b.gridRows && a.footnotes == b.footnotes &&
           a.gridPosition == b.gridPosition && sameLines(a.clues, b.clues);
}

}  // namespace

const PagePlan& PlanCache::layout(TextMeasure& measure, const DeviceFacts& device, const PrintContent& content,
                                  uint32_t items, const std::string& faces) {
    for (const Entry& e : entries_)
        if (e.items == items && e.device == device && e.faces == faces && e.content == content) return e.plan;
    if (entries_.size() >= MaxEntries) entries_.erase(entries_.begin());
    entries_.push_back({device, items, content, faces, layoutPage(measure, device, content, items)});
    return entries_.back().plan;
}

PlanCache& PlanCache::of(PuzzleDocument& doc) {
    auto* cache = dynamic_cast<PlanCache*>(doc.printJob.get());
    if (!cache) {
        doc.printJob = std::make_unique<PlanCache>();
        cache = static_cast<PlanCache*>(doc.printJob.get());
    }
    return *cache;
}

}  // namespace gw::print
