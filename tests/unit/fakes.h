// Recording fakes of the core's ports, and a fixture that installs them.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ports/core_context.h"

namespace gw::test {

// Records every call as a line of text ("warningById 26", "event 4" ...), and
// answers questions from a queue (default: the first answer given, else Cancel).
class FakeServices : public MainWindowServices {
public:
    std::vector<std::string> calls;
    std::vector<int> answers;       // consumed in order by question/questionById
    std::vector<int> unlockKeys;    // consumed by askUnlockKey
    std::optional<std::string> clipboard;
    int diagramlessAnswer = AnswerCancel;
    bool fileDialogResult = false;

    int nextAnswer() {
        if (answers.empty()) return AnswerCancel;
        int a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    void log(const std::string& s) { calls.push_back(s); }
    bool has(const std::string& s) const {
        for (const auto& c : calls) if (c == s) return true;
        return false;
    }
    int count(const std::string& s) const {
        int n = 0;
        for (const auto& c : calls) n += (c == s);
        return n;
    }
    // Message-box calls only (warnings, questions, information), in order.
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind("warning", 0) == 0 || c.rfind("question", 0) == 0 || c.rfind("information", 0) == 0)
                out.push_back(c);
        return out;
    }

    void showCongratulations() override { log("congratulations"); }
    void warning(const std::string& t) override { log("warning " + t); }
    void warningById(int id) override { log("warningById " + std::to_string(id)); }
    int question(const std::string& t, unsigned b) override { log("question " + t); return nextAnswer(); }
    int questionById(int id, unsigned b) override { log("questionById " + std::to_string(id)); return nextAnswer(); }
    void informationById(int id) override { log("informationById " + std::to_string(id)); }
    void information(const std::string& t) override { log("information " + t); }
    bool fileDialog(int command) override { log("fileDialog " + std::to_string(command)); return fileDialogResult; }
    void setMenu(const char* name) override { log(std::string("setMenu ") + name); }
    bool clipboardHasText() override { return clipboard.has_value(); }
    void copyTextToClipboard(const std::string& t) override { clipboard = t; log("copy " + t); }
    std::optional<std::string> getClipboardText() override { return clipboard; }
    void showAboutDialog() override { log("about"); }
    int askUnlockKey() override {
        log("askUnlockKey");
        if (unlockKeys.empty()) return 0;
        int k = unlockKeys.front();
        unlockKeys.erase(unlockKeys.begin());
        return k;
    }
    bool deletePuzzleFile(const std::string& p) override { log("delete " + p); return true; }
    int showDiagramlessDialog() override { log("diagramlessDialog"); return diagramlessAnswer; }
    void setTitle(const std::string& t) override { log("title " + t); }
    void setStatusText(const std::string& t) override { log("status " + t); }
    void setWaitCursor(bool on) override { log(on ? "wait on" : "wait off"); }
    void enableCommand(int c, bool e) override { log("enable " + std::to_string(c) + (e ? " 1" : " 0")); }
    void checkCommand(int c, bool e) override { log("check " + std::to_string(c) + (e ? " 1" : " 0")); }
    void setSaveState(bool e) override { log(e ? "save on" : "save off"); }
    void setToolbarStates(int id) override { log("toolbar " + std::to_string(id)); }
    void createPuzzleViews() override { log("views created"); }
    void destroyPuzzleViews() override { log("views destroyed"); }
};

class FakeTools : public ToolEventSink {
public:
    std::vector<int> events;
    int sendEvent(int code) override { events.push_back(code); return 0; }
    int count(int code) const {
        int n = 0;
        for (int e : events) n += (e == code);
        return n;
    }
};

// Settings kept as text, like the registry does.
class MemorySettings : public SettingsStore {
public:
    std::map<std::string, std::map<std::string, std::string>> values;

    bool readInt(const char* s, const char* n, int& v) override {
        auto t = find(s, n);
        if (!t) return false;
        v = std::atoi(t->c_str());
        return true;
    }
    void writeInt(const char* s, const char* n, int v) override { values[s][n] = std::to_string(v); }
    bool readText(const char* s, const char* n, std::string& v) override {
        auto t = find(s, n);
        if (!t) return false;
        v = *t;
        return true;
    }
    void writeText(const char* s, const char* n, const std::string& v) override { values[s][n] = v; }
    bool readColour(const char* s, const char* n, uint32_t& v) override {
        auto t = find(s, n);
        if (!t) return false;
        v = uint32_t(std::strtoul(t->c_str(), nullptr, 10));
        return true;
    }
    void writeColour(const char* s, const char* n, uint32_t v) override { values[s][n] = std::to_string(v); }
    void deleteValue(const char* s, const char* n) override { values[s].erase(n); }
    void deleteSection(const char* s) override { values.erase(s); }

    const std::string* find(const char* s, const char* n) const {
        auto a = values.find(s);
        if (a == values.end()) return nullptr;
        auto b = a->second.find(n);
        return b == a->second.end() ? nullptr : &b->second;
    }
};

// Installs fresh fakes for each test and removes them afterwards.
class CoreFixture : public ::testing::Test {
protected:
    FakeServices services;
    FakeTools tools;
    MemorySettings store;

    void SetUp() override {
        core().ui = &services;
        core().tools = &tools;
        core().settings = &store;
        core().document = nullptr;
    }
    void TearDown() override { core() = CoreContext{}; }
};

}  // namespace gw::test
