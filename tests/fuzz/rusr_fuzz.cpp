// The "RUSR" section holds the solver's own rebus entries, one NUL-terminated text per
// square. Whatever it holds, each entry that opens is a valid rebus entry, the filled
// count agrees with the cells, and saving and opening again gives back the same entries.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "grid_image.h"
#include "ports/core_context.h"
#include "ports/silent_services.h"

using namespace gw;
using gw::fuzz::check;

namespace {

void checkEntries(const PuzzleGrid& g) {
    int filled = 0;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const GridCell& c = g.cell(x, y);
            if (!c.isWhite()) {
                check(!c.userRebus);
                continue;
            }
            filled += !c.isEmpty();
            if (!c.userRebus) continue;
            const RebusEntry& r = *c.userRebus;
            check(r.length >= 1 && r.length <= RebusMaxText);
            check(strnlen(r.text, sizeof r.text) == size_t(r.length));
            check(r.kind == RebusPlain || (r.kind == RebusSymbol && r.length == 1));
        }
    check(filled == g.filledCellCount);
}

std::string entryText(const GridCell& c) {
    if (!c.userRebus) return "none";
    return std::to_string(c.userRebus->kind) + ":" + c.userRebus->text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3 || size > 4096) return 0;
    SilentServices services;
    core().ui = &services;
    fuzz::ByteReader in{data, size};
    auto image = fuzz::makeGridImage(in);
    if (in.size > 0) image->setGridSection("RUSR", in.data, int(in.size));

    PuzzleDocument doc;
    check(doc.buildFromImage(std::move(image), "fuzzed.puz"));
    checkEntries(*doc.grid);

    PuzzleDocument again;
    fuzz::saveAndReopen(doc, again);
    checkEntries(*again.grid);
    for (int y = 0; y < doc.grid->height; ++y)
        for (int x = 0; x < doc.grid->width; ++x)
            check(entryText(again.grid->cell(x, y)) == entryText(doc.grid->cell(x, y)));
    core() = CoreContext{};
    return 0;
}
