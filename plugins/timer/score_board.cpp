#include "score_board.h"

#include <cstdio>

#include "score.h"
#include "timer_text.h"

namespace ovtimer {
namespace {

// Reads an unsigned decimal at pos, saturating at limit; false when there is no digit.
bool readNumber(const std::string& s, size_t& pos, uint64_t limit, uint64_t& out) {
    size_t start = pos;
    uint64_t v = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
        v = v * 10 + static_cast<uint64_t>(s[pos] - '0');
        if (v > limit) v = limit;
        ++pos;
    }
    out = v;
    return pos > start;
}

}  // namespace

std::string formatScoreValue(uint32_t stamp, uint32_t spent, int score, int completion) {
    char text[64];
    std::snprintf(text, sizeof text, "%lu:%lu:%d:%d", static_cast<unsigned long>(stamp),
                  static_cast<unsigned long>(spent), score, completion);
    return text;
}

bool parseScoreValue(const std::string& value, BoardEntry& entry) {
    uint64_t fields[4] = {0, 0, 0, 0};
    const uint64_t limits[4] = {0xFFFFFFFFu, MaxElapsed, MaxScore, 100};
    size_t pos = 0;
    while (pos < value.size() && value[pos] == ' ') ++pos;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= value.size() || value[pos] != ':') break;
            ++pos;
        }
        if (value.compare(pos, 1, "-") == 0) {  // a negative field reads as 0
            ++pos;
            uint64_t ignored;
            readNumber(value, pos, 1, ignored);
            if (i == 0) return false;
            continue;
        }
        if (!readNumber(value, pos, limits[i], fields[i])) {
            if (i == 0) return false;
            break;
        }
    }
    entry.stamp = static_cast<uint32_t>(fields[0]);
    entry.spent = static_cast<uint32_t>(fields[1]);
    entry.score = static_cast<int>(fields[2]);
    entry.completion = static_cast<int>(fields[3]);
    return true;
}

std::string formatBoardLine(const BoardEntry& e) {
    char head[64];
    std::snprintf(head, sizeof head, "%04d\t\t%02d:%02d\t\t(%3d%%)\t\t", e.score, static_cast<int>(e.spent / 60),
                  static_cast<int>(e.spent % 60), e.completion);
    return head + e.name;
}

std::string formatAddedLine(const std::string& scoreText, uint32_t spent, const std::string& completionText,
                            const std::string& name) {
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d", static_cast<int>(spent / 60), static_cast<int>(spent % 60));
    return scoreText + "\t\t" + time + "\t\t(" + completionText + ")\t\t" + name;
}

std::string nameFromBoardLine(const std::string& line) {
    size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        pos = line.find("\t\t", pos);
        if (pos == std::string::npos) return std::string();
        pos += 2;
    }
    return line.substr(pos);
}

int normalizeSortKey(int key) { return key == 1 || key == 2 || key == 3 ? key : SortByScore; }

size_t insertPosition(const std::vector<BoardEntry>& listed, const BoardEntry& e, int key) {
    key = normalizeSortKey(key);
    for (size_t i = 0; i < listed.size(); ++i) {
        const BoardEntry& l = listed[i];
        bool before = false;
        if (key == SortByLastWorked)
            before = l.stamp <= e.stamp;
        else if (key == SortByScore)
            before = l.score < e.score || (l.score == e.score && l.stamp <= e.stamp);
        else
            before = l.spent > e.spent || (l.spent == e.spent && l.stamp <= e.stamp);
        if (before) return i;
    }
    return listed.size();
}

std::vector<BoardEntry> buildBoard(const ScoreFile& file, int key, bool& cut) {
    std::vector<BoardEntry> board;
    for (const ScoreFile::Entry& item : file.entries(ScoreListCapacity, cut)) {
        BoardEntry entry;
        if (item.value.empty() || !parseScoreValue(item.value, entry)) continue;
        entry.name = item.name;
        board.insert(board.begin() + static_cast<std::ptrdiff_t>(insertPosition(board, entry, key)), entry);
    }
    return board;
}

}  // namespace ovtimer
