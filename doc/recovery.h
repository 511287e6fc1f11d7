// Copies of open puzzles' unsaved state, kept in a folder of their own (never beside
// the puzzle) so that a crash or a killed process loses at most the last half minute
// of solving. A copy is the puzzle file as it would be saved, with the name of the
// puzzle it belongs to and the stamp of that file when the copy was made.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "doc/file_replace.h"

namespace gw {

// How often at most the open puzzle's copy is rewritten while it has unsaved changes.
constexpr unsigned RecoveryIntervalMs = 30000;

class RecoveryStore {
public:
    // An empty folder turns copies off.
    explicit RecoveryStore(std::string folder) : folder_(std::move(folder)) {}

    bool enabled() const { return !folder_.empty(); }
    const std::string& folder() const { return folder_; }
    // The copy's file: the folder and a hash of the puzzle's path (letter case ignored,
    // as the file system does).
    std::string copyPathFor(const std::string& puzzlePath) const;
    // Replaces the copy in one step, so a crash while writing leaves the previous one.
    bool keep(const std::string& puzzlePath, const FileStamp& original, const std::vector<uint8_t>& puzzle) const;
    // The copy's puzzle bytes when there is a copy for this puzzle made from the file as
    // it is now. A copy made from another version of the file (saved or replaced
    // since) would undo that version, so it is removed instead.
    bool find(const std::string& puzzlePath, std::vector<uint8_t>& puzzle) const;
    void discard(const std::string& puzzlePath) const;

private:
    std::string folder_;
};

// The copy's bytes, and back; decode is false for anything that is not a whole copy.
std::vector<uint8_t> encodeRecoveryCopy(const std::string& puzzlePath, const FileStamp& original,
                                        const std::vector<uint8_t>& puzzle);
bool decodeRecoveryCopy(const std::vector<uint8_t>& bytes, std::string& puzzlePath, FileStamp& original,
                        std::vector<uint8_t>& puzzle);

}  // namespace gw
