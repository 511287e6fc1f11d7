#include "core_context.h"

namespace gw {
namespace {

// Stand-ins used while no front end is attached (e.g. puztool): questions answer
// Cancel/No, dialogs are not shown, effects are dropped.
class NullServices final : public MainWindowServices {
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
    void enableSave(bool) override {}
    void setToolbarStates(int) override {}
    void createPuzzleViews() override {}
    void destroyPuzzleViews() override {}
};

class NullSettings final : public SettingsStore {
public:
    bool readInt(const char*, const char*, int&) override { return false; }
    void writeInt(const char*, const char*, int) override {}
    bool readText(const char*, const char*, std::string&) override { return false; }
    void writeText(const char*, const char*, const std::string&) override {}
    bool readColour(const char*, const char*, uint32_t&) override { return false; }
    void writeColour(const char*, const char*, uint32_t) override {}
    void deleteValue(const char*, const char*) override {}
    void deleteSection(const char*) override {}
};

}  // namespace

CoreContext& core() {
    static CoreContext context;
    return context;
}

MainWindowServices& ui() {
    static NullServices none;
    return core().ui ? *core().ui : none;
}

SettingsStore& settings() {
    static NullSettings none;
    return core().settings ? *core().settings : none;
}

int sendToolEvent(int code) {
    return core().tools ? core().tools->sendEvent(code) : 0;
}

}  // namespace gw
