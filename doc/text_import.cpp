// Parsing and checking of plain-text puzzle descriptions. The input is untrusted:
// lines may be of any length and hold any byte, sections may be missing.
#include "doc/text_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "doc/puzzle_grid.h"
#include "ports/core_context.h"
#include "resources/string_table.h"

namespace gw {
namespace {

// Longer lines are cut (the rest of the line is dropped) so that no text can grow
// past what the binary format can store.
constexpr size_t MaxLineLength = 1023;
constexpr size_t MaxNotesLength = 1022;
constexpr int MaxRebusText = 8;

// Parse results besides a string id: success, and a failure that shows nothing.
constexpr int ParseOk = 0;
constexpr int ParseSilentFailure = -1;

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return isUpper(c) || isLower(c); }
int symbolIndex(char c) {
    if (c == '\0') return -1;
    const char* p = std::strchr(TextSymbolMarks, c);
    return p ? int(p - TextSymbolMarks) : -1;
}

// Reads lines from memory or from a file opened in binary mode. A line ends at a line
// feed; bytes from a NUL to the line's end are dropped, like a C string would.
class LineReader {
public:
    explicit LineReader(const std::string& text) : text_(&text) {}
    explicit LineReader(std::FILE* file) : file_(file) {}

    // false at the end of the input or after a read error (failed()).
    bool next(std::string& line, bool& endedWithNewline) {
        line.clear();
        endedWithNewline = false;
        bool any = false, cut = false;
        for (;;) {
            const int c = get();
            if (c < 0) break;
            any = true;
            if (c == '\n') {
                endedWithNewline = true;
                break;
            }
            if (c == '\0') cut = true;
            if (!cut && line.size() < MaxLineLength) line.push_back(char(c));
        }
        if (!any || failed_) return false;
        // A Windows line end leaves its carriage return behind.
        if (endedWithNewline && !line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
    bool failed() const { return failed_; }

private:
    int get() {
        if (text_) return pos_ < text_->size() ? (unsigned char)(*text_)[pos_++] : -1;
        if (bufPos_ == bufLen_) {
            bufLen_ = std::fread(buf_, 1, sizeof buf_, file_);
            bufPos_ = 0;
            if (bufLen_ == 0) {
                if (std::ferror(file_)) failed_ = true;
                return -1;
            }
        }
        return (unsigned char)buf_[bufPos_++];
    }

    const std::string* text_ = nullptr;
    size_t pos_ = 0;
    std::FILE* file_ = nullptr;
    char buf_[4096];
    size_t bufPos_ = 0, bufLen_ = 0;
    bool failed_ = false;
};

void trim(std::string& s) {
    size_t end = s.size();
    while (end > 0 && (s[end - 1] == ' ' || s[end - 1] == '\t' || s[end - 1] == '\n' || s[end - 1] == '\r'))
        --end;
    size_t start = 0;
    while (start < end && (s[start] == ' ' || s[start] == '\t')) ++start;
    s = s.substr(start, end - start);
}

// "%dx%d" without sscanf's overflow behaviour: leading blanks, an optional sign, digits.
bool readNumber(const std::string& s, size_t& i, long& value) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i >= s.size() || !isDigit(s[i])) return false;
    value = 0;
    while (i < s.size() && isDigit(s[i])) {
        if (value < 1000000) value = value * 10 + (s[i] - '0');
        ++i;
    }
    if (negative) value = -value;
    return true;
}

bool readSize(const std::string& s, long& width, long& height) {
    size_t i = 0;
    if (!readNumber(s, i, width)) return false;
    if (i >= s.size() || s[i] != 'x') return false;
    ++i;
    return readNumber(s, i, height);
}

bool equalsIgnoringCase(const std::string& s, size_t n, const char* word) {
    if (s.size() < n) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = s[i];
        if (isLower(c)) c = char(c - 'a' + 'A');
        if (c != word[i]) return false;
    }
    return true;
}

int markSlot(char c) {
    if (isDigit(c)) return c - '0';
    if (isLower(c)) return 10 + (c - 'a');
    const int k = symbolIndex(c);
    return k >= 0 ? 36 + k : -1;
}

void setSlotText(TextRebusSlot& slot, const std::string& text) {
    const size_t n = std::min(text.size(), sizeof slot.text - 1);
    std::memset(slot.text, 0, sizeof slot.text);
    std::memcpy(slot.text, text.data(), n);
    slot.length = int16_t(n);
}

class Parser {
public:
    Parser(LineReader& in, TextPuzzle& tp) : in_(in), tp_(tp) {}

    int run() {
        std::string line;
        if (!get(line)) return IDS_NOT_A_PUZZLE;  // empty file
        if (line == "<ORVANE PUZZLE>")
            tp_.formatVersion = 1;
        else if (line == "<ORVANE PUZZLE V2>")
            tp_.formatVersion = 2;
        else
            return IDS_TXT_NO_FILE_HEADER;

        int r;
        if ((r = headerValue("<TITLE>", IDS_TXT_NO_TITLE, line)) != ParseOk) return r;
        tp_.title = line;
        if ((r = headerValue("<AUTHOR>", IDS_TXT_NO_AUTHOR, line)) != ParseOk) return r;
        if (!line.empty()) tp_.author = "  " + line + "  ";
        if ((r = headerValue("<COPYRIGHT>", IDS_TXT_NO_COPYRIGHT, line)) != ParseOk) return r;
        if (!line.empty()) tp_.copyright = "\xA9 " + line;
        if ((r = headerValue("<SIZE>", IDS_TXT_NO_SIZE, line)) != ParseOk) return r;
        long w = 0, h = 0;
        // Sizes the program cannot show are refused here, before any grid line is stored.
        if (!readSize(line, w, h) || w < 1 || h < 1 || w > MaxGridSize || h > MaxGridSize)
            return IDS_TXT_BAD_SIZE;
        tp_.width = int16_t(w);
        tp_.height = int16_t(h);

        if ((r = header("<GRID>", IDS_TXT_NO_GRID, line)) != ParseOk) return r;
        if ((r = readGrid(line)) != ParseOk) return r;
        countWords();

        if (!get(line)) return endOfFile(IDS_TXT_EARLY_END);
        if (line == "<REBUS>") {
            if ((r = readRebus(line)) != ParseOk) return r;
        } else if (line != "<ACROSS>") {
            return IDS_TXT_NO_ACROSS;
        }
        finishGrid();

        std::vector<std::string> across, down;
        for (int i = 0; i < acrossCount_; ++i) {
            if (!get(line)) return IDS_NOT_A_PUZZLE;
            if (line == "<DOWN>") return IDS_TXT_ACROSS_MISSING;
            across.push_back(line);
        }
        if ((r = header("<DOWN>", IDS_TXT_NO_DOWN, line)) != ParseOk) return r;
        for (int i = 0; i < downCount_; ++i) {
            if (!get(line)) return endOfFile(IDS_TXT_EARLY_END);
            if (line == "<NOTEPAD>") return IDS_TXT_DOWN_MISSING;
            down.push_back(line);
        }
        mergeClues(across, down);

        if (!get(line)) return endOfFile(ParseOk);
        if (line != "<NOTEPAD>") return IDS_TXT_EXTRA_LINES;
        return readNotes();
    }

private:
    bool get(std::string& line) {
        bool newline;
        if (!in_.next(line, newline)) return false;
        trim(line);
        return true;
    }
    // The input ended: a read error is reported as a corrupt file, else the given result.
    int endOfFile(int result) const { return in_.failed() ? IDS_NOT_A_PUZZLE : result; }

    int header(const char* name, int missingId, std::string& line) {
        if (!get(line)) return endOfFile(IDS_TXT_EARLY_END);
        return line == name ? ParseOk : missingId;
    }
    int headerValue(const char* name, int missingId, std::string& value) {
        const int r = header(name, missingId, value);
        if (r != ParseOk) return r;
        return get(value) ? ParseOk : endOfFile(IDS_TXT_EARLY_END);
    }

    TextMarks& marks() {
        if (!tp_.marks) {
            tp_.marks.emplace();
            tp_.marks->grid.assign(size_t(tp_.width) * tp_.height, 0);
        }
        return *tp_.marks;
    }

    int readGrid(std::string& line) {
        const size_t w = size_t(tp_.width);
        tp_.grid.clear();
        tp_.grid.reserve(w * size_t(tp_.height));
        for (int row = 0; row < tp_.height; ++row) {
            if (!get(line)) return IDS_NOT_A_PUZZLE;
            if (line.size() != w) return IDS_TXT_BAD_GRID_LINE;
            for (size_t col = 0; col < w; ++col) {
                char c = line[col];
                const size_t index = size_t(row) * w + col;
                const int symbol = symbolIndex(c);
                if (isUpper(c) || c == '.') {
                    // plain letter or block
                } else if (isDigit(c)) {
                    TextMarks& m = marks();
                    m.grid[index] = uint8_t(markSlot(c) + 1);
                    setSlotText(m.slots[size_t(markSlot(c))], std::string(1, c));
                } else if (isLower(c)) {
                    marks().grid[index] = uint8_t(markSlot(c) + 1);
                } else if (symbol >= 0) {
                    TextMarks& m = marks();
                    m.grid[index] = uint8_t(36 + symbol + 1);
                    setSlotText(m.slots[size_t(36 + symbol)], std::string(1, c));
                    c = checkLetterFor(c);
                } else {
                    tp_.hasOddCharacters = true;
                }
                if (isLetter(line[col]) && line[col] != 'X') tp_.allX = false;
                tp_.grid.push_back(c);
            }
        }
        return ParseOk;
    }

    bool white(int x, int y) const {
        if (x < 0 || y < 0 || x >= tp_.width || y >= tp_.height) return false;
        const char c = tp_.grid[size_t(y) * size_t(tp_.width) + size_t(x)];
        return isLetter(c) || isDigit(c);
    }
    bool startsAcross(int x, int y) const { return white(x, y) && !white(x - 1, y) && white(x + 1, y); }
    bool startsDown(int x, int y) const { return white(x, y) && !white(x, y - 1) && white(x, y + 1); }

    void countWords() {
        acrossCount_ = downCount_ = 0;
        for (int y = 0; y < tp_.height; ++y)
            for (int x = 0; x < tp_.width; ++x) {
                acrossCount_ += startsAcross(x, y);
                downCount_ += startsDown(x, y);
            }
        tp_.clueCount = acrossCount_ + downCount_;
    }

    int readRebus(std::string& line) {
        for (bool first = true;; first = false) {
            if (!get(line)) return IDS_NOT_A_PUZZLE;
            if (!first && line == "<ACROSS>") return ParseOk;
            // The first line may be the "MARK" line that asks for circled squares.
            if (first && ((line.size() > 4 && line[1] != ':') || line.size() == 4)) {
                if (!equalsIgnoringCase(line, 4, "MARK")) {
                    if (line.size() > 4) return IDS_TXT_BAD_REBUS;
                } else {
                    if (tp_.marks) tp_.marks->circleMarks = true;
                    continue;
                }
            }
            const int r = rebusLine(line);
            if (r != ParseOk) return r;
        }
    }

    int rebusLine(const std::string& line) {
        if (line.size() < 5 || line[1] != ':' || !(isDigit(line[0]) || isLower(line[0]))) return IDS_TXT_BAD_REBUS;
        const char mark = line[0];
        if (!tp_.marks || tp_.grid.find(mark) == std::string::npos) return ParseOk;

        const size_t end = line.find(':', 2);
        if (end == std::string::npos) return IDS_TXT_BAD_REBUS;
        const std::string text = line.substr(2, end - 2);
        if (text.empty() || text.size() > size_t(MaxRebusText)) return IDS_TXT_BAD_REBUS;

        TextRebusSlot& slot = tp_.marks->slots[size_t(markSlot(mark))];
        if (text.size() >= 3 && text.size() <= 6 && text.front() == '[' && text.back() == ']') {
            // A symbol given by its character code, "[65]" or "[65*]".
            std::string digits = text.substr(1, text.size() - 2);
            const bool star = !digits.empty() && digits.back() == '*';
            if (star) digits.pop_back();
            unsigned code = 0;
            for (char d : digits) {
                if (!isDigit(d)) return IDS_TXT_BAD_REBUS;
                code = (code * 10 + unsigned(d - '0')) & 0xFF;
            }
            if (code < 33) return ParseSilentFailure;
            std::string symbol = "[";
            symbol += char(code);
            symbol += ']';
            if (star) symbol += '*';
            setSlotText(slot, symbol);
        } else {
            for (size_t i = 1; i + 1 < text.size(); ++i)
                if (!isLetter(text[i]) && !isDigit(text[i]) && symbolIndex(text[i]) < 0) return IDS_TXT_BAD_REBUS;
            setSlotText(slot, text);
        }

        if (end + 1 >= line.size() || !isUpper(line[end + 1])) return IDS_TXT_BAD_REBUS;
        for (char& c : tp_.grid)
            if (c == mark) c = line[end + 1];
        return ParseOk;
    }

    // Marks without a rebus line keep a letter the solver can type: lower case goes
    // upper case, a digit becomes the initial of its English name.
    void finishGrid() {
        for (char& c : tp_.grid) {
            if (isLower(c))
                c = char(c - 'a' + 'A');
            else if (isDigit(c))
                c = checkLetterFor(c);
        }
    }

    void mergeClues(std::vector<std::string>& across, std::vector<std::string>& down) {
        tp_.clues.clear();
        size_t a = 0, d = 0;
        for (int y = 0; y < tp_.height; ++y)
            for (int x = 0; x < tp_.width; ++x) {
                if (startsAcross(x, y) && a < across.size()) tp_.clues.push_back(std::move(across[a++]));
                if (startsDown(x, y) && d < down.size()) tp_.clues.push_back(std::move(down[d++]));
            }
    }

    int readNotes() {
        std::string line, notes;
        bool newline;
        while (notes.size() < MaxNotesLength && in_.next(line, newline)) {
            notes += line;
            if (newline) notes += "\r\n";
        }
        if (in_.failed()) return IDS_NOT_A_PUZZLE;
        if (notes.size() > MaxNotesLength) {
            notes.resize(MaxNotesLength);
            if (notes.back() == '\r') notes.pop_back();  // never half a line break
        }
        tp_.notes = notes;
        return ParseOk;
    }

    LineReader& in_;
    TextPuzzle& tp_;
    int acrossCount_ = 0;
    int downCount_ = 0;
};

bool finishParse(int result, TextPuzzle& tp) {
    if (result == ParseOk) return true;
    tp = TextPuzzle{};
    if (result != ParseSilentFailure) ui().warningById(result);
    return false;
}

bool validGridChar(char c) { return isLetter(c) || isDigit(c) || symbolIndex(c) >= 0 || c == '.' || c == ':'; }

}  // namespace

char checkLetterFor(char c) {
    if (c >= '0' && c <= '9') return "ZOTTFFSSEN"[c - '0'];
    const char* symbol = c ? std::strchr(TextSymbolMarks, c) : nullptr;
    return symbol ? "AHDPAPQ"[symbol - TextSymbolMarks] : c;
}

bool parseTextPuzzleText(const std::string& text, TextPuzzle& tp) {
    tp = TextPuzzle{};
    LineReader in(text);
    return finishParse(Parser(in, tp).run(), tp);
}

bool parseTextPuzzle(const std::string& path, TextPuzzle& tp) {
    tp = TextPuzzle{};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        ui().warningById(IDS_CANNOT_OPEN_READ);
        return false;
    }
    LineReader in(file);
    const int result = Parser(in, tp).run();
    std::fclose(file);
    return finishParse(result, tp);
}

bool checkTextPuzzle(TextPuzzle& tp) {
    const int w = tp.width, h = tp.height;
    bool ok = w >= 1 && h >= 1 && w <= MaxGridSize && h <= MaxGridSize && tp.grid.size() == size_t(w) * size_t(h);
    if (ok && tp.marks) ok = tp.marks->grid.size() == tp.grid.size();
    if (ok)
        for (char c : tp.grid) ok = ok && validGridChar(c);
    if (ok) {
        auto white = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= w || y >= h) return false;
            const char c = tp.grid[size_t(y) * w + x];
            return isLetter(c) || isDigit(c) || symbolIndex(c) >= 0;
        };
        int words = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!white(x, y)) continue;
                words += !white(x - 1, y) && white(x + 1, y);
                words += !white(x, y - 1) && white(x, y + 1);
            }
        ok = words == tp.clueCount && tp.clues.size() == size_t(tp.clueCount);
    }
    if (ok)
        for (const std::string& c : tp.clues) ok = ok && !c.empty();
    if (!ok) ui().warningById(IDS_IMPORT_DATA_ERRORS);
    return ok;
}

}  // namespace gw
