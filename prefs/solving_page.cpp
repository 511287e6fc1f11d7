#include "prefs/solving_page.h"

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "resources/resource_ids.h"
#include "resources/string_ids.h"
#include "shell/main_window.h"
#include "views/grid_view.h"
#include "views/status_bar.h"

namespace gw {

SolvingPage::SolvingPage(PreferenceContext& context)
    : PreferencePage(context, GW_PAGE_SOLVE, IDS_PAGE_SOLVING, "pref_soln.htm") {}

PuzzleGrid* SolvingPage::grid() const { return context_.document.grid.get(); }
GridView* SolvingPage::view() const { return context_.frame.gridView(); }

bool SolvingPage::solutionUsable() const {
    const PuzzleDocument& doc = context_.document;
    return !doc.noCheck && !doc.isScrambled;
}

// The setting in force behind a control.
bool SolvingPage::stored(int id) const {
    const PuzzleGrid* g = grid();
    const GridView* v = view();
    const PuzzleDocument& doc = context_.document;
    switch (id) {
        case IDC_AUTO_MOVE: return v && v->automove();
        case IDC_SKIP_AFTER_LETTER: return g && g->cursorSkip;
        case IDC_SKIP_BLANK: return g && g->skipFilled;
        case IDC_SKIP_ALWAYS: return g && !g->skipFilled;
        case IDC_AUTONAV_SWITCH: return g && g->autoNavSwitch;
        case IDC_AUTONAV_WORD: return g && g->autoNavWord;
        case IDC_ARROW_PAUSE: return g && g->arrowPause;
        case IDC_RBUTTON_SWITCH: return v && v->rightButtonSwitch();
        case IDC_RBUTTON_POPUP: return v && !v->rightButtonSwitch();
        case IDC_RIGHT_MOUSE_MOVE: return g && g->rightMouseMove;
        case IDC_AUTOCHECK: return g && g->autoCheck;
        case IDC_REBUS_INDICATOR: return doc.showRebusIndicator;
        case IDC_SYMBOL_INDICATOR: return doc.showSymbolIndicator;
        default: return false;
    }
}

bool SolvingPage::differs(int id) const { return checked(id) != stored(id); }

void SolvingPage::showSkipChoices(bool on) {
    enable(IDC_SKIP_BLANK, on);
    enable(IDC_SKIP_ALWAYS, on);
}

void SolvingPage::init() {
    for (int id :
         {IDC_AUTO_MOVE, IDC_SKIP_AFTER_LETTER, IDC_SKIP_BLANK, IDC_SKIP_ALWAYS, IDC_AUTONAV_SWITCH, IDC_AUTONAV_WORD,
          IDC_ARROW_PAUSE, IDC_RBUTTON_SWITCH, IDC_RBUTTON_POPUP, IDC_AUTOCHECK, IDC_REBUS_INDICATOR})
        check(id, stored(id));
    showSkipChoices(checked(IDC_SKIP_AFTER_LETTER));
    const bool switching = checked(IDC_RBUTTON_SWITCH);
    check(IDC_RIGHT_MOUSE_MOVE, switching && stored(IDC_RIGHT_MOUSE_MOVE));
    enable(IDC_RIGHT_MOUSE_MOVE, switching);
    enable(IDC_AUTOCHECK, solutionUsable());
    const bool rebus = checked(IDC_REBUS_INDICATOR);
    check(IDC_SYMBOL_INDICATOR, rebus && stored(IDC_SYMBOL_INDICATOR));
    enable(IDC_SYMBOL_INDICATOR, rebus);
}

void SolvingPage::command(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDC_SKIP_AFTER_LETTER: showSkipChoices(checked(id)); break;
        case IDC_RBUTTON_SWITCH:
        case IDC_RBUTTON_POPUP: enable(IDC_RIGHT_MOUSE_MOVE, checked(IDC_RBUTTON_SWITCH)); break;
        case IDC_REBUS_INDICATOR:
            if (!checked(id)) check(IDC_SYMBOL_INDICATOR, false);
            enable(IDC_SYMBOL_INDICATOR, checked(id));
            break;
        default: break;
    }
    if (differs(id)) markChanged();
}

bool SolvingPage::apply() {
    PuzzleGrid* g = grid();
    GridView* v = view();
    if (!g) return false;
    bool changed = false;
    auto set = [&](bool& field, int id) {
        if (field == checked(id)) return;
        field = checked(id);
        changed = true;
    };
    if (v && differs(IDC_AUTO_MOVE)) {
        v->setAutomove(checked(IDC_AUTO_MOVE));
        changed = true;
    }
    set(g->autoNavSwitch, IDC_AUTONAV_SWITCH);
    set(g->autoNavWord, IDC_AUTONAV_WORD);
    // Skipping is switched through its own operation; the skip choice is kept
    // while it is off.
    if (checked(IDC_SKIP_AFTER_LETTER) != g->cursorSkip) {
        g->ToggleSkipAfterEntry();
        changed = true;
    }
    if (g->cursorSkip) set(g->skipFilled, IDC_SKIP_BLANK);
    if (v && differs(IDC_RBUTTON_SWITCH)) {
        v->setRightButtonSwitch(checked(IDC_RBUTTON_SWITCH));
        changed = true;
    }
    if (checked(IDC_RBUTTON_SWITCH)) set(g->rightMouseMove, IDC_RIGHT_MOUSE_MOVE);
    set(g->autoCheck, IDC_AUTOCHECK);
    set(g->arrowPause, IDC_ARROW_PAUSE);

    PuzzleDocument& doc = context_.document;
    const bool rebusBefore = doc.showRebusIndicator, symbolsBefore = doc.showSymbolIndicator;
    doc.showRebusIndicator = checked(IDC_REBUS_INDICATOR);
    doc.showSymbolIndicator = doc.showRebusIndicator && checked(IDC_SYMBOL_INDICATOR);
    if (doc.showRebusIndicator != rebusBefore || doc.showSymbolIndicator != symbolsBefore) {
        showIndicators();
        changed = true;
    }
    return changed;
}

void SolvingPage::showIndicators() {
    StatusBar* bar = context_.frame.statusBar();
    if (!bar) return;
    const PuzzleDocument& doc = context_.document;
    if (doc.showRebusIndicator && doc.isRebus)
        bar->indicatorOn(IDI_REBUS_INDICATOR);
    else
        bar->indicatorOff(IDI_REBUS_INDICATOR);
    if (doc.showSymbolIndicator && doc.usesSymbols)
        bar->indicatorOn(IDI_SYMBOL_INDICATOR);
    else
        bar->indicatorOff(IDI_SYMBOL_INDICATOR);
}

}  // namespace gw
