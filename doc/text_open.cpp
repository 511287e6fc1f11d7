// Opening a text puzzle as a new, unsaved document. Kept apart from the parser and
// the converter so that tools using only those need no document.
#include "doc/puzzle_document.h"
#include "doc/text_import.h"
#include "ports/core_context.h"
#include "resources/string_table.h"

namespace gw {

bool importTextPuzzle(const std::string& path) {
    TextPuzzle tp;
    if (!parseTextPuzzle(path, tp)) {
        ui().warningById(IDS_IMPORT_UNRECOGNIZED);
        return false;
    }
    if (!checkTextPuzzle(tp)) return false;
    PuzzleDocument* doc = core().document;
    if (!doc) return false;
    // Changes made to this import and never saved come back in its place.
    if (doc->openRecovered(importedPuzzlePath(path))) return doc->isOpen;

    // Never saved as a binary file yet, so it is changed from the start (the
    // diagramless dialog run while building may already ask to save it).
    doc->isDirty = true;
    if (!doc->buildFromImage(convertTextPuzzle(tp), importedPuzzlePath(path)) || !doc->isOpen) {
        doc->isDirty = false;
        return false;
    }
    doc->setDirty();
    return true;
}

}  // namespace gw
