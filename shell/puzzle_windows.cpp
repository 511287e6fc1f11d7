// The main window's smaller puzzle windows: the title pane with its notepad hint,
// the notepad and the symbol picker.
#include "doc/puzzle_document.h"
#include "ports/core_context.h"
#include "resources/resource_ids.h"
#include "shell/application.h"
#include "shell/fonts_colours.h"
#include "shell/main_window.h"
#include "views/grid_view.h"
#include "views/notepad.h"
#include "views/symbol_picker.h"
#include "views/title_pane.h"

namespace gw {

void MainWindow::createSecondaryWindows() {
    PuzzleDocument* doc = core().document;
    if (!doc || !fonts_ || !container_) return;
    TitlePaneTexts texts;
    texts.title = doc->title;
    texts.author = doc->author;
    texts.copyright = doc->copyright;
    texts.titleFont = fonts_->titleFont.font();
    texts.authorFont = fonts_->authorFont.font();
    texts.copyrightFont = fonts_->copyrightFont.font();
    titlePane_ = TitlePane::create(container_, app_.resources(), texts);
    if (titlePane_) titlePane_->setHint(doc->notes);
    GridView::symbolPickerOpener() = [](HWND owner, HFONT font, POINT at, int) -> HWND {
        SymbolPicker* picker = SymbolPicker::open(owner, font, at, [](int character) {
            PuzzleDocument* d = core().document;
            if (d && d->isOpen && d->grid) d->grid->TypeChar(static_cast<char>(character), true);
        });
        return picker ? picker->hwnd() : nullptr;
    };
}

void MainWindow::destroySecondaryWindows() {
    GridView::symbolPickerOpener() = nullptr;
    notepad_.reset();
    titlePane_.reset();
}

void MainWindow::showNotepad() {
    PuzzleDocument* doc = core().document;
    if (!doc || !doc->isOpen) return;
    if (notepad_) {
        notepad_->showAgain();
        return;
    }
    Notepad::Hooks hooks;
    hooks.activeDialog = [this](HWND dialog) { app_.setActiveModeless(dialog); };
    hooks.notesChanged = [this](const std::string& text) {
        PuzzleDocument* d = core().document;
        if (!d || !d->isOpen) return;
        d->notes = text;  // an empty text removes them
        d->isDirty = true;
        setNotepadHint(!d->notes.empty());
    };
    hooks.helpTopic = [this](const char* topic) { showHelpTopic(topic); };
    // A diagramless puzzle's notes are its hint, given with the puzzle: they are shown,
    // not edited, until the puzzle is converted for solving.
    hooks.editable = [] {
        PuzzleDocument* d = core().document;
        return d && d->isOpen && !d->isDiagramless;
    };
    notepad_ = Notepad::create(hwnd_, app_.resources(), doc->notes, !doc->isDiagramless, std::move(hooks));
}

void MainWindow::setNotepadHint(bool hasText) {
    setSaveState(true);
    PuzzleDocument* doc = core().document;
    if (titlePane_) titlePane_->setHint(hasText && doc ? doc->notes : std::string());
    relayout();
}

}  // namespace gw
