// The names the timer keeps for the open puzzle: its folder, its name (the key of
// its score board entry), its extension and the folder's score file.
#pragma once

#include <string>

namespace ovtimer {

// The folder is kept whole: a shortened one would put the score file in another folder.
constexpr size_t NamingLimit = 255;  // characters of the name
constexpr size_t ExtensionLimit = 4;

struct PuzzleNaming {
    std::string folder;
    std::string name;
    std::string extension;
    std::string scorePath;
    bool valid() const { return !name.empty() || !folder.empty(); }
};

PuzzleNaming derivePuzzleNaming(const char* path);

}  // namespace ovtimer
