// The Tools page: the installed tools, each one's own options, and switching it
// on or off. Both take effect at once and are not undone by Cancel.
#pragma once
#include "prefs/preference_page.h"

namespace gw {

struct HostedTool;

class ToolsPage final : public PreferencePage {
public:
    explicit ToolsPage(PreferenceContext& context);

private:
    void init() override;
    bool apply() override { return false; }
    void command(int id, int code) override;
    HostedTool* selectedTool() const;
    void showState(const HostedTool* tool);
};

}  // namespace gw
