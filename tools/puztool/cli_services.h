// The main-window services as a command line needs them: messages go to stderr
// with the program's own texts, questions get the answer that never blocks.
#pragma once
#include "ports/silent_services.h"

namespace gw::puztool {

class CliServices final : public SilentServices {
public:
    int unlockKey = 0;      // the key given on the command line, for the key dialog
    int warningsShown = 0;

    void warning(const std::string& text) override;
    void warningById(int stringId) override;
    int question(const std::string& text, unsigned buttons) override;
    int questionById(int stringId, unsigned buttons) override;
    void informationById(int stringId) override;
    void information(const std::string& text) override;
    int askUnlockKey() override;
    int showDiagramlessDialog() override { return 0; }
};

}  // namespace gw::puztool
