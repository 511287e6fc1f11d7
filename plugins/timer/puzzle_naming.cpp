#include "puzzle_naming.h"

namespace ovtimer {

PuzzleNaming derivePuzzleNaming(const char* path) {
    PuzzleNaming naming;
    if (!path || !*path) return naming;
    std::string full(path);
    size_t slash = full.find_last_of('\\');
    std::string file = slash == std::string::npos ? full : full.substr(slash + 1);
    naming.folder = slash == std::string::npos ? std::string() : full.substr(0, slash);
    size_t dot = file.find_last_of('.');
    naming.name = dot == std::string::npos ? file : file.substr(0, dot);
    if (dot != std::string::npos) naming.extension = file.substr(dot, ExtensionLimit);
    if (naming.name.size() > NamingLimit) naming.name.resize(NamingLimit);
    naming.scorePath = naming.folder + "\\score.dat";
    return naming;
}

}  // namespace ovtimer
