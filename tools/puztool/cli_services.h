// The main-window services as a command line needs them: messages go to stderr
// with the program's own texts, questions get the answer that never blocks.
#pragma once
#include "ports/main_window_services.h"

namespace gw::puztool {

class CliServices final : public MainWindowServices {
public:
    int unlockKey = 0;      // the key given on the command line, for the key dialog
    int warningsShown = 0;

    void showCongratulations() override {}
    void warning(const std::string& text) override;
    void warningById(int stringId) override;
    int question(const std::string& text, unsigned buttons) override;
    int questionById(int stringId, unsigned buttons) override;
    void informationById(int stringId) override;
    void information(const std::string& text) override;
    bool fileDialog(int) override { return false; }
    void setMenu(const char*) override {}
    bool clipboardHasText() override { return false; }
    void copyTextToClipboard(const std::string&) override {}
    std::optional<std::string> getClipboardText() override { return std::nullopt; }
    void showAboutDialog() override {}
    int askUnlockKey() override;
    bool deletePuzzleFile(const std::string&) override { return false; }
    int showDiagramlessDialog() override { return 0; }
    void setTitle(const std::string&) override {}
    void setStatusText(const std::string&) override {}
    void setWaitCursor(bool) override {}
    void enableCommand(int, bool) override {}
    void checkCommand(int, bool) override {}
    void enableSave(bool) override {}
    void setToolbarStates(int) override {}
    void createPuzzleViews() override {}
    void destroyPuzzleViews() override {}
};

}  // namespace gw::puztool
