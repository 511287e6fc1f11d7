// Save and Save As of the open puzzle.
#include <cstdio>

#include "document_events.h"
#include "ports/core_context.h"
#include "puzzle_document.h"
#include "puzzle_writer.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace gw {

namespace {

bool fileExists(const std::string& p) {
    std::FILE* f = std::fopen(p.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

}  // namespace

bool PuzzleDocument::mayOverwriteFile() {
    if (fileStampOf(path) == diskStamp) return true;
    // An import is saved beside its source; a puzzle file already there is not its own.
    const int question = diskStamp.exists ? IDS_FILE_CHANGED_ON_DISK : IDS_FILE_EXISTS_REPLACE;
    return ui().question(formatString(question, path.c_str()), ButtonsYesNo) == AnswerYes;
}

bool PuzzleDocument::save(int command) {
    if (!isOpen) return false;
    if (isScrambled && grid && grid->key != 0) ui().information(formatString(IDS_SAVING_SCRAMBLED, grid->key));

    if (command == CMD_SAVE && isDirty && !path.empty() && fileExists(path)) {
        if (!mayOverwriteFile()) return false;
        sendToolEvent(BeforeSave);
        PuzzleFileImage* image = buildImageForSave();
        if (!image || !writePuzzleFile(path, *image)) return false;
        diskStamp = fileStampOf(path);
        discardRecoveryCopy();
        isDirty = false;
        ui().setSaveState(false);
        return true;
    }
    // A clean puzzle, one without a file, and Save As all go through the save dialog.
    ui().fileDialog(CMD_SAVE_AS);
    return false;
}

bool PuzzleDocument::saveAs(const std::string& newPath) {
    if (!isOpen) return false;
    if (!pathFits(newPath)) {
        warnPathTooLong(newPath);
        return false;
    }
    sendToolEvent(BeforeSave);
    PuzzleFileImage* image = buildImageForSave();
    if (!image) return false;
    if (!writePuzzleFile(newPath, *image)) return false;
    discardRecoveryCopy();
    path = newPath;
    diskStamp = fileStampOf(path);
    ui().setTitle(std::string(stringText(IDS_PROGRAM_NAME)) + " - " + path);
    isDirty = false;
    ui().setSaveState(false);
    sendToolEvent(PuzzleSavedAs);
    return true;
}

}  // namespace gw
