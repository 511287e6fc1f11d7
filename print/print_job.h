// One print job: the printer (default, or chosen in the platform's print dialog),
// the abort dialog, the copies and the one or two pages of each copy.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>

#include "print/page_renderer.h"
#include "print/print_fonts.h"

namespace gw {
class PuzzleDocument;
}

namespace gw::print {

// The print choices of the open puzzle's views.
struct PrintSettings {
    PrintFaces faces;
    int printBrushIndex = 0;
    int gridPosition = 1;
    COLORREF pencilColour = RGB(128, 128, 128);
};

// Seam for tests: replaces the platform's print dialog (null restores it).
using PrintDialogFn = BOOL (*)(PRINTDLGA* pd);
void setPrintDialogForTesting(PrintDialogFn fn);

// What a page shows of the document, for the page's items.
PrintContent contentFor(const PuzzleDocument& doc, uint32_t pageItems, int gridPosition);
// The items the open puzzle cannot print.
uint32_t unavailableFor(const PuzzleDocument& doc);
// The file name of the puzzle's path, or "Orvane Puzzle".
std::string documentName(const PuzzleDocument& doc);

class PrintJob {
public:
    PrintJob(HINSTANCE resources, HWND owner, PuzzleDocument& doc, const PrintSettings& settings)
        : resources_(resources), owner_(owner), doc_(doc), settings_(settings) {}

    // Prints the items; quick takes the default printer without asking. False when
    // nothing was printed (cancelled, no printer, or the device refused the job).
    bool run(uint32_t items, bool quick);

    // Lays out and renders one page of a copy on a device context (no page start or end).
    void renderOne(HDC dc, uint32_t items, int page);

private:
    HDC choosePrinter(bool quick, int& copies);
    bool printCopies(HDC dc, uint32_t items, int copies);

    HINSTANCE resources_;
    HWND owner_;
    PuzzleDocument& doc_;
    PrintSettings settings_;
};

}  // namespace gw::print
