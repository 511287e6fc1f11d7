// Feeds arbitrary bytes to the binary puzzle reader. Puzzle files come from anywhere, so
// no input may crash it, read out of bounds or hang it, and whatever it accepts must be
// safe to build a document from.
#include <cstddef>
#include <cstdint>

#include "doc/file_image.h"
#include "doc/puzzle_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gw::PuzzleFileImage image;
    if (!gw::readPuzzleBytes(data, size, image)) return 0;

    // The document indexes both grids by cell and the clue list by the header's count.
    const size_t cells = size_t(image.header.width()) * size_t(image.header.height());
    if (!image.solution.empty() || !image.fill.empty()) {
        if (image.header.width() > 39 || image.header.height() > 39) __builtin_trap();
        if (image.solution.size() < cells || image.fill.size() < cells) __builtin_trap();
        if (image.clues.size() != size_t(image.header.clueCount())) __builtin_trap();
    }
    for (const gw::ExtraSection& s : image.sections) {
        // Per-square sections grow with the grid; every other section stays within 1024 bytes.
        const size_t limit = gw::PuzzleFileImage::isGridSectionTag(s.tag) ? 0xFFFF : size_t(gw::ExtraSectionMaxLength);
        if (s.data.size() != s.length || s.length == 0 || s.length > limit) __builtin_trap();
    }
    return 0;
}
