// The Printing page: where the grid stands on the page and how dark its blocks
// print.
#pragma once
#include "prefs/picture_list.h"
#include "prefs/preference_page.h"

namespace gw {

class PrintingPage final : public PreferencePage {
public:
    explicit PrintingPage(PreferenceContext& context);

private:
    void init() override;
    bool apply() override;
    void command(int id, int code) override;
    void dpiChanged() override { positions_.refit(); }
    bool drawItem(const DRAWITEMSTRUCT& item) override { return positions_.draw(item) || fills_.draw(item); }
    static void drawFill(HDC dc, const RECT& cell, int index, bool selected);

    PictureList positions_;
    PictureList fills_;
};

}  // namespace gw
