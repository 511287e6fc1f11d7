#include "print/print_job.h"

#include <cstdio>

#include "doc/puzzle_document.h"
#include "print/layout/plan_cache.h"
#include "print/layout/print_items.h"
#include "resources/resource_ids.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "shell/system_libraries.h"

namespace gw::print {
namespace {

constexpr int AbortTextMax = 127;

PrintDialogFn g_printDialog = nullptr;

// One job at a time: the abort dialog and the cancel mark live here for the abort procedure.
HWND g_abortDialog = nullptr;
bool g_aborted = false;

INT_PTR CALLBACK abortDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextA(dialog, IDC_ABORT_DOCUMENT, reinterpret_cast<const char*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                g_aborted = true;
                EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
            }
            return TRUE;
        default: return FALSE;
    }
}

// Called by the device between its output steps: keeps the program answering.
BOOL CALLBACK abortProc(HDC, int) {
    MSG msg;
    while (!g_aborted && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            g_aborted = true;
            break;
        }
        if (!g_abortDialog || !IsDialogMessageA(g_abortDialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return !g_aborted;
}

DeviceFacts factsOf(HDC dc) {
    return {GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, HORZRES),
            GetDeviceCaps(dc, VERTRES)};
}

}  // namespace

void setPrintDialogForTesting(PrintDialogFn fn) { g_printDialog = fn; }

uint32_t unavailableFor(const PuzzleDocument& doc) {
    PuzzleFacts f;
    f.hasTitle = !doc.title.empty();
    f.hasAuthor = !doc.author.empty();
    f.hasCopyright = !doc.copyright.empty();
    f.hasSolution = !doc.noCheck && !doc.isScrambled;
    return unavailableItems(f);
}

std::string documentName(const PuzzleDocument& doc) {
    const size_t cut = doc.path.find_last_of("\\/:");
    std::string name = cut == std::string::npos ? doc.path : doc.path.substr(cut + 1);
    return name.empty() ? std::string("Orvane Puzzle") : name;
}

PrintContent contentFor(const PuzzleDocument& doc, uint32_t items, int gridPosition) {
    PrintContent c;
    c.title = doc.title;
    c.author = doc.author;
    c.copyright = doc.copyright;
    c.gridPosition = gridPosition;
    if (!doc.grid) return c;
    c.gridColumns = doc.grid->width;
    c.gridRows = doc.grid->height;
    if (items & ItemGrid)
        c.footnotes = rebusFootnotes(*doc.grid, items & (ItemLetters | ItemSolution), doc.isDiagramless);
    if (items & ItemClues) c.clues = parseClueSheet(doc.grid->BuildClueSheetLines(6));
    return c;
}

void PrintJob::renderOne(HDC dc, uint32_t items, int page) {
    const uint32_t onPage = pageItems(items, unavailableFor(doc_), page);
    PrintFonts fonts(dc, settings_.faces);
    const PrintFaces& f = settings_.faces;
    const std::string faces = f.legend + '\n' + f.grid + '\n' + f.clue;
    const PagePlan& plan = PlanCache::of(doc_).layout(fonts, factsOf(dc), contentFor(doc_, onPage, settings_.gridPosition),
                                                      onPage, faces);
    GridLook look;
    look.printBrushIndex = settings_.printBrushIndex;
    look.diagramless = doc_.isDiagramless;
    look.pencilColour = settings_.pencilColour;
    renderPage(dc, plan, doc_.grid.get(), fonts, look);
}

HDC PrintJob::choosePrinter(bool quick, int& copies) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner_;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | (quick ? PD_RETURNDEFAULT : 0);
    pd.nCopies = 1;
    auto runDialog = [&pd] { return g_printDialog ? g_printDialog(&pd) : syslib::printDialog(&pd); };
    BOOL ok = runDialog();
    if (!ok && quick) {
        // No default printer: the print dialog says so, or lets the user pick one.
        pd.Flags &= ~DWORD(PD_RETURNDEFAULT);
        ok = runDialog();
    }
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    copies = pd.nCopies < 1 ? 1 : pd.nCopies;
    if (quick) copies = 1;
    return ok ? pd.hDC : nullptr;
}

bool PrintJob::printCopies(HDC dc, uint32_t items, int copies) {
    const bool twoPages = (items & ~unavailableFor(doc_) & ItemTwoPages) != 0;
    for (int copy = 0; copy < copies && !g_aborted; ++copy) {
        for (int page = 0; page < (twoPages ? 2 : 1) && !g_aborted; ++page) {
            // A page the device refuses to start is skipped.
            if (StartPage(dc) <= 0) continue;
            if (!g_aborted) renderOne(dc, items, page);
            if (EndPage(dc) <= 0) return false;
        }
    }
    return !g_aborted;
}

bool PrintJob::run(uint32_t items, bool quick) {
    if (!doc_.isOpen || !doc_.grid || items == 0) return false;
    int copies = 1;
    HDC dc = choosePrinter(quick, copies);
    if (!dc) return false;
    const std::string name = documentName(doc_);
    char text[AbortTextMax + 1];
    std::snprintf(text, sizeof text, stringText(IDS_PRINTING_DOC), name.c_str());
    g_aborted = false;
    g_abortDialog = CreateDialogParamA(resources_, GW_DIALOG_PRINT_ABORT, owner_, abortDialogProc,
                                       reinterpret_cast<LPARAM>(text));
    // Under another modal dialog (the diagramless options) the frame is already disabled
    // and must stay so afterwards.
    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    SetAbortProc(dc, abortProc);

    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    bool printed = false;
    if (StartDocA(dc, &info) > 0) {
        printed = printCopies(dc, items, copies);
        if (printed)
            EndDoc(dc);
        else
            AbortDoc(dc);
    }
    doc_.printChoice = int(items);
    DeleteDC(dc);
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    if (g_abortDialog) DestroyWindow(g_abortDialog);
    g_abortDialog = nullptr;
    return printed;
}

}  // namespace gw::print
