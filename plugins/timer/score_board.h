// Score board entries: the "stamp:spent:score:completion" value of each puzzle in a
// score file, its line in the board's list and the three orders of the list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score_file.h"

namespace ovtimer {

enum SortKey { SortByLastWorked = 1, SortByScore = 2, SortByTime = 3 };

struct BoardEntry {
    uint32_t stamp = 0;  // seconds since 1970 when the entry was written
    uint32_t spent = 0;  // seconds
    int score = 0;
    int completion = 0;  // percent
    std::string name;
};

std::string formatScoreValue(uint32_t stamp, uint32_t spent, int score, int completion);
// Reads a value back; false for one that does not start with a number. Fields that
// are missing read as 0 and each is held to its range, so odd files still list sanely.
bool parseScoreValue(const std::string& value, BoardEntry& entry);

// "%04d\t\t%02d:%02d\t\t(%3d%%)\t\t%s"
std::string formatBoardLine(const BoardEntry& entry);
// "%s\t\t%02d:%02d\t\t(%s)\t\t%s": the line "Add to score board" shows at once, made of
// the dialog's score and completion texts so that it agrees with the fields above it.
std::string formatAddedLine(const std::string& scoreText, uint32_t spent, const std::string& completionText,
                            const std::string& name);
// The puzzle name at the end of a line, whole (blanks included).
std::string nameFromBoardLine(const std::string& line);

// 1, 2 or 3; any other stored value sorts by score.
int normalizeSortKey(int key);
// Where a new entry goes among those listed so far (newest first among equals).
size_t insertPosition(const std::vector<BoardEntry>& listed, const BoardEntry& entry, int key);

// The listed entries of a score file in board order; cut when the names did not
// all fit in the listing.
std::vector<BoardEntry> buildBoard(const ScoreFile& file, int key, bool& cut);

}  // namespace ovtimer
