// The page plans of the open puzzle, kept between copies and jobs: laying out a page
// measures every clue at up to twenty-one scales, which a repeated print of the same
// page need not do again.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "print/layout/page_layout.h"

namespace gw::print {

class PlanCache : public PrintState {
public:
    // The plan for the page, laid out anew unless one was made for the same device,
    // items, texts, grid position and faces. The reference holds until the next call.
    const PagePlan& layout(TextMeasure& measure, const DeviceFacts& device, const PrintContent& content,
                           uint32_t items, const std::string& faces);

    // The cache of the open puzzle, made on first use.
    static PlanCache& of(PuzzleDocument& doc);

private:
    struct Entry {
        DeviceFacts device;
        uint32_t items;
        PrintContent content;
        std::string faces;
        PagePlan plan;
    };
    // One per page kind: a two-page print alternates between two sets of items.
    static constexpr size_t MaxEntries = 2;
    std::vector<Entry> entries_;
};

}  // namespace gw::print
