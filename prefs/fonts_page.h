// The Fonts page: one face at a time for the grid letters, the clues or the
// title lines, on screen or on paper.
#pragma once
#include <string>
#include <vector>

#include "prefs/preference_page.h"

namespace gw {

class FontsPage final : public PreferencePage {
public:
    explicit FontsPage(PreferenceContext& context);
    ~FontsPage() override;

    // Every installed family of the default character set, each name once,
    // sorted.
    static std::vector<std::string> installedFaces();

private:
    void init() override;
    bool apply() override;
    void command(int id, int code) override;
    bool drawItem(const DRAWITEMSTRUCT& item) override;

    int target() const;  // IDC_FONT_GRID, IDC_FONT_CLUES or IDC_FONT_TITLE
    bool forPrint() const;
    // The face in force for the chosen target.
    std::string currentFace() const;
    std::string selectedFace() const;
    void showTargetFace();
    HFONT sampleFont(const std::string& face);

    std::vector<std::pair<std::string, HFONT>> samples_;
};

}  // namespace gw
