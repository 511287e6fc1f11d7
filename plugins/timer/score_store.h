// A folder's score file on disk. A file that cannot be read is an empty board and
// is never written over, so a locked or odd file loses nothing; writes go through
// a temporary file so a failed write leaves the old board whole.
#pragma once

#include <string>

#include "score_file.h"

namespace ovtimer {

class ScoreStore {
public:
    explicit ScoreStore(std::string path);
    ScoreFile& file() { return file_; }
    bool save();

private:
    std::string path_;
    ScoreFile file_;
    bool writable_ = false;
};

}  // namespace ovtimer
