// Main-window services that show nothing: questions answer Cancel, dialogs are
// not shown, front-end effects are dropped. Used while no window exists (the core
// alone, puztool) and as a base for stand-ins that need only a few services.
#pragma once
#include "main_window_services.h"

namespace gw {

class SilentServices : public MainWindowServices {
public:
    void showCongratulations() override {}
    void warning(const std::string&) override {}
    void warningById(int) override {}
    int question(const std::string&, unsigned) override { return AnswerCancel; }
    int questionById(int, unsigned) override { return AnswerCancel; }
    void informationById(int) override {}
    void information(const std::string&) override {}
    bool fileDialog(int) override { return false; }
    void setMenu(const char*) override {}
    bool clipboardHasText() override { return false; }
    void copyTextToClipboard(const std::string&) override {}
    std::optional<std::string> getClipboardText() override { return std::nullopt; }
    void showAboutDialog() override {}
    int askUnlockKey() override { return 0; }
    bool deletePuzzleFile(const std::string&) override { return false; }
    int showDiagramlessDialog() override { return AnswerCancel; }
    void setTitle(const std::string&) override {}
    void setStatusText(const std::string&) override {}
    void setWaitCursor(bool) override {}
    void enableCommand(int, bool) override {}
    void checkCommand(int, bool) override {}
    void setSaveState(bool) override {}
    void setToolbarStates(int) override {}
    void createPuzzleViews() override {}
    void destroyPuzzleViews() override {}
};

}  // namespace gw
