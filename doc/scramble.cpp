#include "scramble.h"

#include <cstdio>
#include <ctime>
#include <random>

#include "document_events.h"
#include "ports/core_context.h"
#include "puzzle_document.h"
#include "puzzle_grid.h"
#include "resources/string_table.h"

namespace gw {

namespace {

constexpr int MaxKeyDraws = 100;

std::function<int()>& randomSource() {
    static std::function<int()> source;
    return source;
}

int shiftUp(int x, int d) {
    int v = (x + d) & 0xFF;
    if (v > 221)
        v -= 30;
    else if (x <= 'Z' && v > 'Z')
        v -= 26;
    return v;
}

int shiftDown(int x, int d) {
    int v = (x - d) & 0xFF;
    if (v < 'A')
        v += 26;
    else if (v > 'Z' && v < 192)
        v += 30;
    return v;
}

}  // namespace

KeyDigits keyDigits(int key) {
    key %= 10000;
    if (key < 0) key = -key;
    return {key / 1000, key / 100 % 10, key / 10 % 10, key % 10};
}

std::string solutionString(const PuzzleGrid& grid) {
    std::string s;
    for (int x = 0; x < grid.width; ++x)
        for (int y = 0; y < grid.height; ++y)
            if (grid.cell(x, y).isLetter) s.push_back(grid.cell(x, y).solution);
    return s;
}

void storeSolutionString(PuzzleGrid& grid, const std::string& s) {
    size_t i = 0;
    for (int x = 0; x < grid.width; ++x)
        for (int y = 0; y < grid.height; ++y)
            if (grid.cell(x, y).isLetter && i < s.size()) grid.cell(x, y).solution = s[i++];
}

std::string scrambleString(const std::string& in, const KeyDigits& k) {
    const size_t n = in.size();
    if (n == 0) return in;
    std::string s = in, t(n, '\0');
    for (int j = 0; j < 4; ++j) {
        for (size_t i = 0; i < n; ++i) t[i] = char(shiftUp(uint8_t(s[i]), k[i % 4]));
        for (size_t i = 0; i < n; ++i) s[i] = t[(i + size_t(k[size_t(j)])) % n];
        for (size_t i = 0; i < n; ++i) t[i] = (i % 2 == 0) ? s[n / 2 + i / 2] : s[i / 2];
        s = t;
    }
    return s;
}

std::string unscrambleString(const std::string& in, const KeyDigits& k) {
    const size_t n = in.size();
    if (n == 0) return in;
    std::string s = in, t(n, '\0');
    for (int j = 3; j >= 0; --j) {
        for (size_t i = 0; i < n; ++i) t[i / 2 + (i % 2 == 0 ? n / 2 : 0)] = s[i];
        for (size_t i = 0; i < n; ++i) s[(i + size_t(k[size_t(j)])) % n] = t[i];
        for (size_t i = 0; i < n; ++i) t[i] = char(shiftDown(uint8_t(s[i]), k[i % 4]));
        s = t;
    }
    return s;
}

bool scramble(PuzzleGrid& grid, const KeyDigits& k) {
    const std::string s = solutionString(grid);
    const uint16_t checksum = regionChecksum(s, 0);
    if (s.size() < size_t(MinScrambleLength)) {
        ui().warningById(IDS_TOO_FEW_TO_SCRAMBLE);
        return false;
    }
    storeSolutionString(grid, scrambleString(s, k));
    grid.solutionChecksum = checksum;
    return true;
}

bool unscramble(PuzzleGrid& grid, const KeyDigits& k) {
    const std::string s = unscrambleString(solutionString(grid), k);
    if (regionChecksum(s, 0) != grid.solutionChecksum) {
        ui().warningById(IDS_KEY_INCORRECT);
        return false;
    }
    storeSolutionString(grid, s);
    return true;
}

int keyFromDraw(int r) {
    if (r < 9999) return 0;
    int digits[4] = {};
    int taken = 0;
    int rest = r;
    while (rest > 0 && taken < 4) {
        const int d = rest % 10;
        rest /= 10;
        if (d != 0) digits[taken++] = d;
    }
    // The draw must have digits left beyond the four taken.
    if (taken < 4 || rest == 0) return 0;
    return digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
}

void setKeyRandomSource(std::function<int()> source) { randomSource() = std::move(source); }

void chooseKey(PuzzleGrid& grid) {
    if (!grid.keyKnown) grid.key = 0;
    std::function<int()> draw = randomSource();
    if (!draw) {
        auto engine = std::make_shared<std::minstd_rand>(uint32_t(std::time(nullptr)));
        draw = [engine] { return int((*engine)() % 32768u); };
    }
    for (int i = 0; grid.key == 0 && i < MaxKeyDraws; ++i) grid.key = keyFromDraw(draw());
    if (grid.key == 0) grid.key = FallbackKey;
    grid.keyKnown = true;
}

bool PuzzleDocument::lockSolution() {
    // Locking twice would scramble the scrambled letters; the menu never offers it.
    if (!isOpen || !grid || isScrambled) return false;
    chooseKey(*grid);
    if (!scramble(*grid, keyDigits(grid->key))) return false;
    ui().information(formatString(IDS_SCRAMBLED_WITH_KEY, grid->key));
    isScrambled = true;
    applyLockState();
    setDirty();
    sendToolEvent(SolutionLocked);
    return true;
}

bool PuzzleDocument::unlockSolution() {
    if (!isOpen || !grid || !isScrambled) return false;
    sendToolEvent(BeforeUnlock);
    if (toolUnlockKey != 0) {
        grid->key = toolUnlockKey;
        toolUnlockKey = 0;
    }
    if (grid->key == 0) grid->key = ui().askUnlockKey();
    if (grid->key == 0) return false;
    if (!unscramble(*grid, keyDigits(grid->key))) {
        grid->key = 0;
        return false;
    }
    ui().informationById(IDS_UNSCRAMBLED);
    isScrambled = false;
    applyLockState();
    setDirty();
    grid->RecheckSolved();
    sendToolEvent(SolutionUnlocked);
    return true;
}

}  // namespace gw
