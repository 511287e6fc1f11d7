// The Solving page: how the cursor moves, the right mouse button, checking as
// one types and the status-bar indicators.
#pragma once
#include "prefs/preference_page.h"

namespace gw {

class GridView;
class PuzzleGrid;

class SolvingPage final : public PreferencePage {
public:
    explicit SolvingPage(PreferenceContext& context);

private:
    void init() override;
    bool apply() override;
    void command(int id, int code) override;
    // Whether the control shows something other than the setting in force.
    bool differs(int id) const;
    bool stored(int id) const;
    bool solutionUsable() const;
    void showSkipChoices(bool on);
    void showIndicators();

    PuzzleGrid* grid() const;
    GridView* view() const;
};

}  // namespace gw
