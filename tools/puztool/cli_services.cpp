#include "cli_services.h"

#include <cstdio>

#include "resources/string_table.h"

namespace gw::puztool {

namespace {
void print(int titleId, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", stringText(titleId), text.c_str());
}
}  // namespace

void CliServices::warning(const std::string& text) {
    ++warningsShown;
    print(IDS_WARNING_TITLE, text);
}

void CliServices::warningById(int stringId) { warning(stringText(stringId)); }

// Nobody is there to answer: decline whatever is asked (no, cancel), so that
// nothing happens that the command line did not ask for.
int CliServices::question(const std::string& text, unsigned buttons) {
    print(IDS_QUESTION_TITLE, text);
    return (buttons == ButtonsYesNo || buttons == ButtonsYesNoCancel) ? AnswerNo : AnswerCancel;
}

int CliServices::questionById(int stringId, unsigned buttons) { return question(stringText(stringId), buttons); }

void CliServices::informationById(int stringId) { information(stringText(stringId)); }

void CliServices::information(const std::string& text) { print(IDS_INFORMATION_TITLE, text); }

int CliServices::askUnlockKey() {
    const int key = unlockKey;
    unlockKey = 0;  // a wrong key must not be offered again
    return key;
}

}  // namespace gw::puztool
