#include "print/print_items_dialog.h"

#include "resources/resource_ids.h"

namespace gw::print {
namespace {

constexpr int ItemBoxes[] = {IDC_PRINT_GRID,  IDC_PRINT_LETTERS, IDC_PRINT_SOLUTION, IDC_PRINT_NUMBERS,
                             IDC_PRINT_CLUES, IDC_PRINT_TITLE,   IDC_PRINT_AUTHOR,   IDC_PRINT_COPYRIGHT};

int radioOf(Preset p) {
    switch (p) {
        case Preset::AsFilled: return IDC_PRINT_AS_FILLED;
        case Preset::Fresh: return IDC_PRINT_FRESH;
        case Preset::SolutionGrid: return IDC_PRINT_SOLUTION_GRID;
        default: return IDC_PRINT_CUSTOMIZE;
    }
}

}  // namespace

uint32_t PrintItemsDialog::run(HINSTANCE resources, HWND owner) {
    modal_ = true;
    DialogBoxParamA(resources, GW_DIALOG_PRINT_ITEMS, owner, dialogProc, reinterpret_cast<LPARAM>(this));
    return finished_ ? result_ : 0;
}

HWND PrintItemsDialog::create(HINSTANCE resources, HWND owner) {
    modal_ = false;
    return CreateDialogParamA(resources, GW_DIALOG_PRINT_ITEMS, owner, dialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK PrintItemsDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<PrintItemsDialog*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        self->dialog_ = dialog;
        self->init();
        return TRUE;
    }
    auto* self = reinterpret_cast<PrintItemsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        self->command(LOWORD(wParam));
        return TRUE;
    }
    if (message == WM_CLOSE) {
        self->finish(0);
        return TRUE;
    }
    return FALSE;
}

bool PrintItemsDialog::checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }
void PrintItemsDialog::check(int id, bool on) const { CheckDlgButton(dialog_, id, on ? BST_CHECKED : BST_UNCHECKED); }
void PrintItemsDialog::enable(int id, bool on) const { EnableWindow(GetDlgItem(dialog_, id), on); }

Preset PrintItemsDialog::chosenPreset() const {
    if (checked(IDC_PRINT_AS_FILLED)) return Preset::AsFilled;
    if (checked(IDC_PRINT_FRESH)) return Preset::Fresh;
    if (checked(IDC_PRINT_SOLUTION_GRID)) return Preset::SolutionGrid;
    return Preset::Customize;
}

// Checks the boxes from a set of items, leaving out what the puzzle cannot print.
void PrintItemsDialog::showItems(uint32_t requested) const {
    const uint32_t items = requested & ~unavailable_;
    const bool grid = items & ItemGrid;
    check(IDC_PRINT_GRID, grid);
    check(IDC_PRINT_LETTERS, grid && (items & ItemLetters));
    check(IDC_PRINT_NUMBERS, grid && (items & ItemNumbers));
    check(IDC_PRINT_SOLUTION, grid && (items & ItemSolution));
    check(IDC_PRINT_CLUES, (items & ItemClues) != 0);
    check(IDC_PRINT_TITLE, items & ItemTitle);
    check(IDC_PRINT_AUTHOR, items & ItemAuthor);
    check(IDC_PRINT_COPYRIGHT, items & ItemCopyright);
}

// Every available box; the grid's own boxes only with the grid, and the copyright
// goes with the grid whenever the grid is printed.
void PrintItemsDialog::enableCustomBoxes() const {
    const bool grid = checked(IDC_PRINT_GRID);
    enable(IDC_PRINT_GRID, true);
    enable(IDC_PRINT_CLUES, true);
    enable(IDC_PRINT_LETTERS, grid);
    enable(IDC_PRINT_NUMBERS, grid);
    enable(IDC_PRINT_SOLUTION, grid && available(ItemSolution));
    enable(IDC_PRINT_TITLE, available(ItemTitle));
    enable(IDC_PRINT_AUTHOR, available(ItemAuthor));
    enable(IDC_PRINT_COPYRIGHT, available(ItemCopyright) && !grid);
}

void PrintItemsDialog::init() {
    Preset preset = presetFor(stored_);
    uint32_t shown = stored_;
    if (!available(ItemSolution)) {
        enable(IDC_PRINT_SOLUTION_GRID, false);
        // The boxes show what the preset put in its place prints, not the solution grid.
        if (preset == Preset::SolutionGrid) {
            preset = Preset::AsFilled;
            shown = presetItems(preset);
        }
    }
    check(radioOf(preset), true);
    showItems(shown);
    check(IDC_PRINT_TWO_PAGES, stored_ & ItemTwoPages);
    if (preset == Preset::Customize)
        enableCustomBoxes();
    else
        for (int id : ItemBoxes) enable(id, false);
    // Two pages only make sense with a grid for the first page and clues for the second.
    const bool twoPagesUseful = checked(IDC_PRINT_GRID) && checked(IDC_PRINT_CLUES) &&
                                preset != Preset::SolutionGrid;
    enable(IDC_PRINT_TWO_PAGES, twoPagesUseful);
    if (!twoPagesUseful) check(IDC_PRINT_TWO_PAGES, false);
}

void PrintItemsDialog::choosePreset(Preset p) const {
    showItems(presetItems(p));
    for (int id : ItemBoxes) enable(id, false);
    const bool twoPages = p != Preset::SolutionGrid;
    enable(IDC_PRINT_TWO_PAGES, twoPages);
    if (!twoPages) check(IDC_PRINT_TWO_PAGES, false);
}

void PrintItemsDialog::gridToggled() const {
    const bool grid = checked(IDC_PRINT_GRID);
    if (!grid) {
        for (int id : {IDC_PRINT_LETTERS, IDC_PRINT_SOLUTION, IDC_PRINT_NUMBERS, IDC_PRINT_TWO_PAGES}) {
            check(id, false);
            enable(id, false);
        }
        enable(IDC_PRINT_COPYRIGHT, available(ItemCopyright));
        return;
    }
    enable(IDC_PRINT_LETTERS, true);
    enable(IDC_PRINT_SOLUTION, available(ItemSolution));
    enable(IDC_PRINT_NUMBERS, true);
    if (available(ItemCopyright)) check(IDC_PRINT_COPYRIGHT, true);
    enable(IDC_PRINT_COPYRIGHT, false);
    if (checked(IDC_PRINT_CLUES)) enable(IDC_PRINT_TWO_PAGES, true);
}

void PrintItemsDialog::cluesToggled() const {
    if (checked(IDC_PRINT_CLUES)) {
        if (checked(IDC_PRINT_GRID)) enable(IDC_PRINT_TWO_PAGES, true);
        return;
    }
    check(IDC_PRINT_TWO_PAGES, false);
    enable(IDC_PRINT_TWO_PAGES, false);
}

uint32_t PrintItemsDialog::collect() const {
    uint32_t items = checked(IDC_PRINT_TWO_PAGES) ? uint32_t(ItemTwoPages) : 0u;
    const Preset p = chosenPreset();
    if (p != Preset::Customize) return items | presetItems(p);
    if (checked(IDC_PRINT_GRID)) {
        items |= ItemGrid;
        if (checked(IDC_PRINT_LETTERS)) items |= ItemLetters;
        if (checked(IDC_PRINT_NUMBERS)) items |= ItemNumbers;
        if (checked(IDC_PRINT_SOLUTION)) items |= ItemSolution;
    }
    if (checked(IDC_PRINT_CLUES)) items |= ItemClues;
    if (checked(IDC_PRINT_TITLE)) items |= ItemTitle;
    if (checked(IDC_PRINT_AUTHOR)) items |= ItemAuthor;
    if (checked(IDC_PRINT_COPYRIGHT)) items |= ItemCopyright;
    return items;
}

void PrintItemsDialog::finish(uint32_t result) {
    finished_ = true;
    result_ = result;
    if (modal_)
        EndDialog(dialog_, IDOK);
    else
        DestroyWindow(dialog_);
}

void PrintItemsDialog::command(int id) {
    switch (id) {
        case IDC_PRINT_AS_FILLED: choosePreset(Preset::AsFilled); break;
        case IDC_PRINT_FRESH: choosePreset(Preset::Fresh); break;
        case IDC_PRINT_SOLUTION_GRID: choosePreset(Preset::SolutionGrid); break;
        case IDC_PRINT_CUSTOMIZE:
            enableCustomBoxes();
            enable(IDC_PRINT_TWO_PAGES, checked(IDC_PRINT_GRID) && checked(IDC_PRINT_CLUES));
            break;
        case IDC_PRINT_GRID: gridToggled(); break;
        case IDC_PRINT_LETTERS:
            if (checked(IDC_PRINT_LETTERS)) check(IDC_PRINT_SOLUTION, false);
            break;
        case IDC_PRINT_SOLUTION:
            if (checked(IDC_PRINT_SOLUTION)) check(IDC_PRINT_LETTERS, false);
            break;
        case IDC_PRINT_CLUES: cluesToggled(); break;
        case IDOK: finish(collect()); break;
        case IDCANCEL: finish(0); break;
        case IDC_HELP_BUTTON:
            if (onHelp) onHelp();
            break;
        default: break;
    }
}

}  // namespace gw::print
