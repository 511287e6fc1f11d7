#include "print/print_command.h"

#include "doc/puzzle_document.h"
#include "print/print_items_dialog.h"
#include "print/print_job.h"
#include "resources/resource_ids.h"
#include "shell/fonts_colours.h"
#include "shell/main_window.h"

namespace gw::print {
namespace {

PrintSettings settingsOf(const FontsAndColours* fc) {
    PrintSettings s;
    if (!fc) return s;
    s.faces = {fc->printLegendFace, fc->printGridFace, fc->printClueFace};
    s.printBrushIndex = fc->printBrushIndex;
    s.gridPosition = fc->printGridPosition;
    s.pencilColour = fc->pencilColor.colour;
    return s;
}

}  // namespace

bool runPrintCommand(MainWindow& frame, HINSTANCE resources, PuzzleDocument& doc, int command) {
    if (command != CMD_PRINT && command != CMD_PRINT_PUZZLE && command != CMD_PRINT_SOLUTION) return false;
    // A puzzle whose file forbids printing prints nothing, whichever way it is asked.
    if (!doc.isOpen || !doc.grid || doc.noPrint) return true;
    uint32_t items = PresetAsFilled;
    if (command == CMD_PRINT_SOLUTION) items = PresetSolution;
    if (command == CMD_PRINT) {
        PrintItemsDialog dialog(uint32_t(doc.printChoice), unavailableFor(doc));
        dialog.onHelp = [&frame] { frame.showHelpTopic("print_items.htm"); };
        items = dialog.run(resources, frame.hwnd());
        if (items == 0) return true;
    }
    PrintJob job(resources, frame.hwnd(), doc, settingsOf(frame.fontsAndColours()));
    job.run(items, command != CMD_PRINT);
    return true;
}

}  // namespace gw::print
