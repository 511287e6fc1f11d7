// ipuz files come from anywhere on the web. Converting one must never crash or
// throw; a file that converts must give an image the document is built from, and
// that exports, converts again and exports to the same text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "doc/file_image.h"
#include "grid_image.h"
#include "doc/ipuz_import.h"
#include "doc/puzzle_document.h"
#include "ports/core_context.h"
#include "ports/silent_services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;  // larger inputs only slow the search down
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::string message;
    std::unique_ptr<gw::PuzzleFileImage> image = gw::convertIpuz(text, message);
    if (!image) {
        if (message.empty()) __builtin_trap();  // a refusal always says why
        return 0;
    }
    gw::fuzz::checkImportedShape(*image);

    gw::SilentServices services;
    gw::core().ui = &services;
    {
        gw::PuzzleDocument doc, again;
        if (!doc.buildFromImage(std::move(image), "imported.puz")) __builtin_trap();
        const std::string first = gw::exportIpuz(doc);
        std::unique_ptr<gw::PuzzleFileImage> back = gw::convertIpuz(first, message);
        if (!back || !again.buildFromImage(std::move(back), "again.puz")) __builtin_trap();
        if (gw::exportIpuz(again) != first) __builtin_trap();
        doc.isDirty = again.isDirty = false;
    }
    gw::core() = gw::CoreContext{};
    return 0;
}
