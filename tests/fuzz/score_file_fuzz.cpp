// A score board file is a text file anyone can edit or damage. Listing it, building
// the board in each order and writing an entry must stay within bounds, keep the
// listing limit, and never lose another entry or the rest of the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "score_board.h"
#include "score_file.h"

using namespace ovtimer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024) return 0;
    ScoreFile file;
    file.load(std::string(reinterpret_cast<const char*>(data), size));
    bool cut = false;
    std::vector<std::string> names = file.names(ScoreListCapacity, cut);
    size_t used = 1;
    for (const std::string& n : names) used += n.size() + 1;
    if (used > ScoreListCapacity) __builtin_trap();
    for (int key = 1; key <= 3; ++key) {
        for (const BoardEntry& e : buildBoard(file, key, cut)) {
            if (e.spent > 5999 || e.score < 0 || e.score > 9999 || e.completion < 0 || e.completion > 100)
                __builtin_trap();
            if (nameFromBoardLine(formatBoardLine(e)) != e.name) __builtin_trap();
        }
    }
    // Writing this puzzle's entry changes nothing else that was listed.
    std::vector<std::string> before;
    for (const std::string& n : names) before.push_back(file.value(n));
    file.setValue("fuzzed puzzle", formatScoreValue(1, 2, 3, 4));
    ScoreFile reread;
    reread.load(file.text());
    if (reread.value("FUZZED PUZZLE") != "1:2:3:4") __builtin_trap();
    for (size_t i = 0; i < names.size(); ++i) {
        std::string lower = names[i];
        for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (lower != "fuzzed puzzle" && reread.value(names[i]) != before[i]) __builtin_trap();
    }
    return 0;
}
