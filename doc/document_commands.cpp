#include "doc/document_commands.h"

#include <cctype>
#include <cstdio>

#include "doc/ipuz_import.h"
#include "doc/jpz_import.h"
#include "doc/puzzle_document.h"
#include "doc/puzzle_writer.h"
#include "doc/text_import.h"
#include "plugins/host/tool_api.h"
#include "ports/core_context.h"
#include "ports/view_ports.h"
#include "resources/string_table.h"

namespace gw {

bool closeCurrentPuzzle(PuzzleDocument& doc) {
    if (!doc.isOpen) return true;
    doc.close();
    return !doc.isOpen;
}

bool openByPath(PuzzleDocument& doc, const std::string& path) {
    if (!closeCurrentPuzzle(doc)) return false;
    // Refused once: the text import must not try the same name and warn again.
    if (!PuzzleDocument::pathFits(path)) {
        PuzzleDocument::warnPathTooLong(path);
        return false;
    }
    // An ipuz crossword goes to its importer without the binary reader's warning first.
    if (looksLikeIpuzFile(path)) return importIpuzPuzzle(path);
    if (looksLikeJpzFile(path)) return importJpzPuzzle(path);
    if (doc.openRecovered(path) || doc.open(path)) return doc.isOpen;
    // Not a readable binary puzzle: perhaps a text description.
    return importTextPuzzle(path);
}

bool openChosenFile(PuzzleDocument& doc, const std::string& path, int filterIndex) {
    if (!fileIsReadable(path)) {
        ui().warningById(IDS_FILE_UNREADABLE);
        return false;
    }
    // Whatever filter was chosen: an ipuz or Crossword Compiler file read as another
    // format only fails.
    if (filterIndex == OpenFilterIpuz || looksLikeIpuzFile(path)) return importIpuzPuzzle(path);
    if (filterIndex == OpenFilterJpz || looksLikeJpzFile(path)) return importJpzPuzzle(path);
    if (filterIndex == OpenFilterPuzzle) return (doc.openRecovered(path) || doc.open(path)) && doc.isOpen;
    return importTextPuzzle(path);
}

bool saveAsChosenName(PuzzleDocument& doc, const std::string& path) {
    if (!doc.isOpen || path.empty()) return false;
    if (fileIsReadable(path)) {
        if (ui().questionById(IDS_OVERWRITE_CONFIRM, ButtonsOkCancel) != AnswerOk) return false;
        makeBackup(path);
    }
    return doc.saveAs(path);
}

bool deletePuzzle(PuzzleDocument& doc) {
    if (!doc.isOpen) return false;
    if (ui().questionById(IDS_DELETE_CONFIRM, ButtonsYesNo) != AnswerYes) return false;
    sendToolEvent(BeforeDeletePuzzle);
    // When the file could not be removed the puzzle stays open with its changes,
    // rather than being closed as if it were gone. A puzzle never saved (an imported
    // text not yet written) has no file: there is nothing to remove, it is closed.
    if (fileIsReadable(doc.path) && !ui().deletePuzzleFile(doc.path)) return false;
    doc.isDirty = false;
    doc.close();
    return true;
}

void convertDiagramless(PuzzleDocument& doc) {
    doc.isDiagramless = false;
    if (doc.grid && doc.grid->view) doc.grid->view->invalidateRange(0, 0, doc.grid->width - 1, doc.grid->height - 1);
    doc.setDirty();
}

void runDiagramlessLoop(PuzzleDocument& doc) {
    while (doc.isOpen && doc.isDiagramless) {
        int button = ui().showDiagramlessDialog();
        switch (button) {
            case diag::Convert:
                convertDiagramless(doc);
                break;
            case diag::SavePuzzle:
                doc.save(40005);
                break;
            case diag::PrintPuzzle:
                // The dialog comes back after printing (or cancelling it).
                if (doc.printPuzzle) doc.printPuzzle(doc);
                break;
            case diag::ClosePuzzle:
                doc.close();
                break;
            default:
                // The dialog could not be shown: leave the puzzle as it is rather
                // than asking forever.
                return;
        }
    }
}

bool fileIsReadable(const std::string& path) {
    if (path.empty()) return false;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

std::string folderOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string proposedSaveName(const std::string& currentPath) {
    size_t cut = currentPath.find_last_of("\\/");
    std::string name = cut == std::string::npos ? currentPath : currentPath.substr(cut + 1);
    if (name.size() >= 4 && name[name.size() - 4] == '.') name.resize(name.size() - 4);
    return name;
}

std::string normaliseSaveName(const std::string& chosen) {
    size_t first = chosen.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    size_t last = chosen.find_last_not_of(' ');
    std::string name = chosen.substr(first, last - first + 1);
    bool hasExtension = name.size() >= 4 && name[name.size() - 4] == '.';
    if (!hasExtension) return name + ".puz";
    std::string ext = name.substr(name.size() - 3);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ext != "PUZ") name += ".puz";
    return name;
}

std::string backupNameFor(const std::string& path) {
    if (path.size() < 4) return std::string();
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".puz") return std::string();
    return path.substr(0, path.size() - 4) + ".bak";
}

}  // namespace gw
