// Opening an imported puzzle (text or ipuz) as a new, unsaved document. Kept apart
// from the parsers and converters so that tools using only those need no document.
#include "doc/puzzle_document.h"
#include "doc/text_import.h"
#include "ports/core_context.h"
#include "resources/string_table.h"

namespace gw {

bool openImportedPuzzle(std::unique_ptr<PuzzleFileImage> image, const std::string& puzPath) {
    PuzzleDocument* doc = core().document;
    if (!doc || !image) return false;
    // Changes made to this import and never saved come back in its place.
    if (doc->openRecovered(puzPath)) return doc->isOpen;

    // Never saved as a binary file yet, so it is changed from the start (the
    // diagramless dialog run while building may already ask to save it).
    doc->isDirty = true;
    if (!doc->buildFromImage(std::move(image), puzPath) || !doc->isOpen) {
        doc->isDirty = false;
        return false;
    }
    // A puzzle file already beside the import (perhaps the solver's progress from
    // an earlier import) is not this document's: saving over it must ask first.
    doc->diskStamp = FileStamp{};
    doc->setDirty();
    return true;
}

bool openImportOrWarn(std::unique_ptr<PuzzleFileImage> image, const std::string& message, const std::string& puzPath) {
    if (image) return openImportedPuzzle(std::move(image), puzPath);
    ui().warning(message);
    return false;
}

bool importTextPuzzle(const std::string& path) {
    TextPuzzle tp;
    if (!parseTextPuzzle(path, tp)) {
        ui().warningById(IDS_IMPORT_UNRECOGNIZED);
        return false;
    }
    if (!checkTextPuzzle(tp)) return false;
    return openImportedPuzzle(convertTextPuzzle(tp), importedPuzzlePath(path));
}

}  // namespace gw
