#include "prefs/preference_sheet.h"

#include <memory>
#include <vector>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "prefs/colors_page.h"
#include "prefs/display_page.h"
#include "prefs/fonts_page.h"
#include "prefs/printing_page.h"
#include "prefs/solving_page.h"
#include "prefs/tools_page.h"
#include "resources/string_table.h"
#include "shell/main_window.h"

namespace gw {

void showPreferences(PreferenceContext context) {
    // A grid without white cells never read its solving preferences: the pages
    // would show and edit defaults that are then not stored at close.
    if (PuzzleGrid* grid = context.document.grid.get(); grid && !grid->preferencesLoaded)
        grid->ReadSolvePreferences();
    std::vector<std::unique_ptr<PreferencePage>> pages;
    pages.push_back(std::make_unique<DisplayPage>(context));
    pages.push_back(std::make_unique<SolvingPage>(context));
    pages.push_back(std::make_unique<FontsPage>(context));
    pages.push_back(std::make_unique<ColorsPage>(context));
    pages.push_back(std::make_unique<PrintingPage>(context));
    pages.push_back(std::make_unique<ToolsPage>(context));
    std::vector<PROPSHEETPAGEA> descriptions;
    for (auto& page : pages) descriptions.push_back(page->describe());

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOCONTEXTHELP;
    header.hwndParent = context.frame.hwnd();
    header.hInstance = context.resources;
    header.pszCaption = stringText(IDS_OPTIONS_TITLE);
    header.nPages = static_cast<UINT>(descriptions.size());
    header.nStartPage = 0;
    header.ppsp = descriptions.data();
    PropertySheetA(&header);
}

}  // namespace gw
