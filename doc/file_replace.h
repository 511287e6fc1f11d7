// Replacing a file's contents so that a failure never leaves it half written:
// the data goes to a temporary file in the same folder, is flushed to disk, and
// then takes the target's place in one step. Implemented per platform.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace gw {

enum class ReplaceResult {
    Ok,
    CannotCreate,  // the temporary file could not be made or the target cannot be replaced
    WriteFailed,   // a write or the flush failed or was short
};

// On any failure the target is untouched and no temporary file is left behind.
ReplaceResult replaceFileContents(const std::string& path, const uint8_t* data, size_t size);

// What tells one version of a file from another without reading it: its size and
// the time it was last written. A file that is missing has exists false.
struct FileStamp {
    bool exists = false;
    uint64_t size = 0;
    uint64_t writeTime = 0;  // the platform's own units; only compared
    bool operator==(const FileStamp& o) const {
        return exists == o.exists && size == o.size && writeTime == o.writeTime;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};
FileStamp fileStampOf(const std::string& path);

// Test hook: when >= 0, writes stop after this many bytes as if the disk were full;
// -2 makes creating the temporary file fail. -1 (the default) turns the hook off.
void setFileFaultForTesting(long long value);
long long fileFaultForTesting();

}  // namespace gw
