// The "GEXT" section holds one byte of marks per square (circles, pencil, checked and
// revealed marks), written by us or by anyone else. Whatever it holds, the puzzle
// opens with exactly the saved bits it names, and saving and opening again keeps them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "grid_image.h"
#include "ports/core_context.h"
#include "ports/silent_services.h"

using namespace gw;
using gw::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3 || size > 4096) return 0;
    SilentServices services;
    core().ui = &services;
    fuzz::ByteReader in{data, size};
    const bool exact = in.next() & 1;  // most files carry a section of the grid's size
    auto image = fuzz::makeGridImage(in);
    const int w = image->header.width(), h = image->header.height();
    const size_t squares = size_t(w) * size_t(h);
    std::vector<uint8_t> gext(in.data, in.data + in.size);
    if (exact) gext.resize(squares, 0);
    if (!gext.empty()) image->setGridSection("GEXT", gext.data(), int(gext.size()));
    const bool used = gext.size() == squares;

    PuzzleDocument doc;
    check(doc.buildFromImage(std::move(image), "fuzzed.puz"));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t saved = doc.grid->cell(x, y).flags & SavedFlagsMask;
            check(saved == (used ? gext[size_t(y * w + x)] & SavedFlagsMask : 0));
        }

    PuzzleDocument again;
    fuzz::saveAndReopen(doc, again);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) check(again.grid->cell(x, y).flags == doc.grid->cell(x, y).flags);
    core() = CoreContext{};
    return 0;
}
