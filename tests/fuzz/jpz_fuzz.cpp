// Crossword Compiler files (bare XML or zipped) come from anywhere on the web. The
// zip reader and the import must never crash, over-read or unpack without bound; a
// refusal always says why, and a file that converts gives an image the document is
// built from.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "doc/file_image.h"
#include "grid_image.h"
#include "doc/jpz_import.h"
#include "doc/puzzle_document.h"
#include "doc/zip_member.h"
#include "ports/core_context.h"
#include "ports/silent_services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;  // larger inputs only slow the search down
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::string member;
    if (gw::unzipSingleFile(bytes, member) == gw::ZipFault::None && member.size() > gw::MaxUnzippedSize)
        __builtin_trap();

    std::string message;
    std::unique_ptr<gw::PuzzleFileImage> image = gw::convertJpz(bytes, message);
    if (!image) {
        if (message.empty()) __builtin_trap();
        return 0;
    }
    gw::fuzz::checkImportedShape(*image);

    gw::SilentServices services;
    gw::core().ui = &services;
    {
        gw::PuzzleDocument doc;
        if (!doc.buildFromImage(std::move(image), "imported.puz")) __builtin_trap();
        doc.isDirty = false;
    }
    gw::core() = gw::CoreContext{};
    return 0;
}
