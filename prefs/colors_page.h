// The Colors page: a swatch button per view colour; a change takes effect at
// once.
#pragma once
#include "prefs/preference_page.h"

namespace gw {

class ColourRecord;

class ColorsPage final : public PreferencePage {
public:
    explicit ColorsPage(PreferenceContext& context);

private:
    void init() override {}
    bool apply() override { return false; }  // every change was made when it was chosen
    void command(int id, int code) override;
    bool drawItem(const DRAWITEMSTRUCT& item) override;
    ColourRecord* record(int id) const;
    // The view that paints with the colour repaints itself.
    void colourChanged(int id);
};

}  // namespace gw
