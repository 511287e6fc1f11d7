// The Display page: the bars, the hand cursor, the window layout and the
// prompt's side.
#pragma once
#include "prefs/picture_list.h"
#include "prefs/preference_page.h"

namespace gw {

class DisplayPage final : public PreferencePage {
public:
    explicit DisplayPage(PreferenceContext& context);

private:
    void init() override;
    bool apply() override;
    void command(int id, int code) override;
    void dpiChanged() override { layouts_.refit(); }
    bool drawItem(const DRAWITEMSTRUCT& item) override { return layouts_.draw(item); }
    bool handCursor() const;
    int promptPosition() const;

    PictureList layouts_;
};

}  // namespace gw
