#include "shell/command_line.h"

namespace gw {

std::vector<std::string> splitCommandLine(const std::string& programPath, const char* commandLine) {
    std::vector<std::string> args;
    args.push_back(programPath);
    if (!commandLine) return args;

    std::string word;
    const char* p = commandLine;
    while (*p) {
        char c = *p;
        if (c == ' ') {
            if (!word.empty()) {
                args.push_back(word);
                word.clear();
            }
            ++p;
        } else if (c == '"') {
            while (*p == '"') ++p;
            while (*p && *p != '"') word += *p++;
            while (*p == '"') ++p;
        } else if (c == '-' || c == '/') {
            // An option: ignored up to the next blank, which then ends the word.
            while (*p && *p != ' ') ++p;
        } else {
            word += c;
            ++p;
        }
    }
    while (!word.empty() && word.back() == ' ') word.pop_back();
    if (!word.empty()) args.push_back(word);
    return args;
}

}  // namespace gw
