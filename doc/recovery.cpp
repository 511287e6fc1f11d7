#include "doc/recovery.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "doc/whole_file.h"

namespace gw {
namespace {

constexpr char Magic[8] = {'G', 'W', 'R', 'C', 'O', 'P', 'Y', '1'};
// Far above any puzzle file; a larger "copy" is not one of ours.
constexpr size_t MaxCopySize = 4u << 20;

std::string folded(const std::string& path) {
    std::string out = path;
    for (char& c : out) {
        c = char(std::tolower(static_cast<unsigned char>(c)));
        if (c == '/') c = '\\';
    }
    return out;
}

void put(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

struct Reader {
    const std::vector<uint8_t>& bytes;
    size_t at = 0;
    bool take(uint64_t& value, int n) {
        if (bytes.size() - at < size_t(n)) return false;
        value = 0;
        for (int i = 0; i < n; ++i) value |= uint64_t(bytes[at + size_t(i)]) << (8 * i);
        at += size_t(n);
        return true;
    }
    bool take(std::vector<uint8_t>& out, uint64_t n) {
        if (bytes.size() - at < n) return false;
        out.assign(bytes.begin() + long(at), bytes.begin() + long(at + n));
        at += size_t(n);
        return true;
    }
};

}  // namespace

std::string RecoveryStore::copyPathFor(const std::string& puzzlePath) const {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : folded(puzzlePath)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.gwr", static_cast<unsigned long long>(hash));
    // The folder's own separator, so that native builds (and their tests) work too.
    const char separator = folder_.find('\\') == std::string::npos && folder_.find('/') != std::string::npos ? '/' : '\\';
    return folder_ + separator + name;
}

std::vector<uint8_t> encodeRecoveryCopy(const std::string& puzzlePath, const FileStamp& original,
                                        const std::vector<uint8_t>& puzzle) {
    std::vector<uint8_t> out(Magic, Magic + sizeof Magic);
    put(out, puzzlePath.size(), 4);
    out.insert(out.end(), puzzlePath.begin(), puzzlePath.end());
    put(out, original.exists ? 1 : 0, 1);
    put(out, original.size, 8);
    put(out, original.writeTime, 8);
    put(out, puzzle.size(), 4);
    out.insert(out.end(), puzzle.begin(), puzzle.end());
    return out;
}

bool decodeRecoveryCopy(const std::vector<uint8_t>& bytes, std::string& puzzlePath, FileStamp& original,
                        std::vector<uint8_t>& puzzle) {
    if (bytes.size() < sizeof Magic || std::memcmp(bytes.data(), Magic, sizeof Magic) != 0) return false;
    Reader r{bytes, sizeof Magic};
    uint64_t length = 0, exists = 0, puzzleLength = 0;
    std::vector<uint8_t> name;
    if (!r.take(length, 4) || !r.take(name, length)) return false;
    if (!r.take(exists, 1) || exists > 1 || !r.take(original.size, 8) || !r.take(original.writeTime, 8)) return false;
    if (!r.take(puzzleLength, 4) || !r.take(puzzle, puzzleLength) || r.at != bytes.size()) return false;
    original.exists = exists == 1;
    puzzlePath.assign(name.begin(), name.end());
    return true;
}

bool RecoveryStore::keep(const std::string& puzzlePath, const FileStamp& original,
                         const std::vector<uint8_t>& puzzle) const {
    if (!enabled() || puzzlePath.empty()) return false;
    const std::vector<uint8_t> bytes = encodeRecoveryCopy(puzzlePath, original, puzzle);
    return replaceFileContents(copyPathFor(puzzlePath), bytes.data(), bytes.size()) == ReplaceResult::Ok;
}

bool RecoveryStore::find(const std::string& puzzlePath, std::vector<uint8_t>& puzzle) const {
    if (!enabled() || puzzlePath.empty()) return false;
    const std::string copy = copyPathFor(puzzlePath);
    std::vector<uint8_t> bytes;
    if (readWholeFile(copy, MaxCopySize, bytes) != WholeFile::Ok) return false;
    std::string recordedPath;
    FileStamp original;
    if (!decodeRecoveryCopy(bytes, recordedPath, original, puzzle)) {
        std::remove(copy.c_str());
        return false;
    }
    // Another puzzle whose name hashes the same keeps its copy.
    if (folded(recordedPath) != folded(puzzlePath)) return false;
    if (original != fileStampOf(puzzlePath)) {
        std::remove(copy.c_str());
        return false;
    }
    return true;
}

void RecoveryStore::discard(const std::string& puzzlePath) const {
    if (enabled() && !puzzlePath.empty()) std::remove(copyPathFor(puzzlePath).c_str());
}

}  // namespace gw
