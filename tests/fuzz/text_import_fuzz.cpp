// Text puzzles are hand-written, so the importer sees every kind of mistake. Parsing,
// checking and converting must never crash, and a puzzle that passes the check must
// convert into an image the document is built from, and that saves and opens again
// to the same grid.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "doc/file_image.h"
#include "doc/text_import.h"
#include "grid_image.h"
#include "ports/core_context.h"
#include "ports/silent_services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;  // larger inputs only slow the search down
    const std::string text(reinterpret_cast<const char*>(data), size);

    gw::TextPuzzle tp;
    if (!gw::parseTextPuzzleText(text, tp)) return 0;
    if (!gw::checkTextPuzzle(tp)) return 0;
    std::unique_ptr<gw::PuzzleFileImage> image = gw::convertTextPuzzle(tp);
    if (!image) return 0;

    const int w = image->header.width(), h = image->header.height();
    if (w < 1 || w > 39 || h < 1 || h > 39) __builtin_trap();
    const size_t cells = size_t(w) * size_t(h);
    if (image->solution.size() < cells || image->fill.size() < cells) __builtin_trap();
    if (image->clues.size() != size_t(image->header.clueCount())) __builtin_trap();
    for (const gw::ExtraSection& s : image->sections) {
        // Per-square sections grow with the grid; every other section stays within 1024 bytes.
        const size_t limit = gw::PuzzleFileImage::isGridSectionTag(s.tag) ? 0xFFFF : size_t(gw::ExtraSectionMaxLength);
        if (s.data.size() != s.length || s.length == 0 || s.length > limit) __builtin_trap();
    }

    gw::SilentServices services;
    gw::core().ui = &services;
    {
        gw::PuzzleDocument doc, again;
        if (!doc.buildFromImage(std::move(image), "imported.puz")) __builtin_trap();
        gw::fuzz::saveAndReopen(doc, again);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const gw::GridCell& a = doc.grid->cell(x, y);
                const gw::GridCell& b = again.grid->cell(x, y);
                if (a.solution != b.solution || a.fill != b.fill || a.flags != b.flags) __builtin_trap();
                if (!a.solutionRebus != !b.solutionRebus) __builtin_trap();
            }
    }
    gw::core() = gw::CoreContext{};
    return 0;
}
