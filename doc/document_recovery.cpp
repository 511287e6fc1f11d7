// The open puzzle's recovery copy: written while it has unsaved changes, offered
// back when the same file is opened after the program ended without closing it.
#include <cstdio>

#include "ports/core_context.h"
#include "puzzle_document.h"
#include "puzzle_reader.h"
#include "puzzle_writer.h"
#include "recovery.h"
#include "resources/string_table.h"

namespace gw {

void PuzzleDocument::keepRecoveryCopy() {
    if (!recovery || !isOpen || !isDirty || changeCount == keptChangeCount_) return;
    PuzzleFileImage* image = buildImageForSave();
    if (!image) return;
    const std::vector<uint8_t> bytes = serializePuzzle(*image);
    // The grid strings were made for this copy only, as for a save.
    image->solution.clear();
    image->fill.clear();
    if (recovery->keep(path, diskStamp, bytes)) keptChangeCount_ = changeCount;
}

void PuzzleDocument::discardRecoveryCopy() {
    if (recovery) recovery->discard(path);
    keptChangeCount_ = changeCount;
}

bool PuzzleDocument::openRecovered(const std::string& filePath) {
    std::vector<uint8_t> bytes;
    if (!recovery || !recovery->find(filePath, bytes)) return false;
    if (ui().question(formatString(IDS_RESTORE_UNSAVED, filePath.c_str()), ButtonsYesNo) != AnswerYes) {
        recovery->discard(filePath);
        return false;
    }
    auto image = std::make_unique<PuzzleFileImage>();
    if (!readPuzzleBytes(bytes.data(), bytes.size(), *image)) {
        // Not a puzzle after all: the file itself opens as usual.
        recovery->discard(filePath);
        return false;
    }
    // Unsaved from the start, like an imported puzzle (the diagramless dialog run
    // while building may already ask to save it).
    isDirty = true;
    if (!buildFromImage(std::move(image), filePath) || !isOpen) {
        isDirty = false;
        return false;
    }
    setDirty();
    // The copy on disk holds exactly this state; it stays until a save or a close.
    keptChangeCount_ = changeCount;
    return true;
}

}  // namespace gw
