// Windows: write a temporary beside the target, flush it, move it over the target.
#include "doc/file_replace.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace gw {

namespace {

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    if (slash == 2 && path.size() > 1 && path[1] == ':') return path.substr(0, 3);  // "C:\"
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool writeAll(HANDLE file, const uint8_t* data, size_t size) {
    const long long fault = fileFaultForTesting();
    size_t limit = size;
    if (fault >= 0 && size_t(fault) < size) limit = size_t(fault);
    size_t done = 0;
    while (done < limit) {
        const DWORD chunk = DWORD(std::min<size_t>(limit - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, data + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return done == size;
}

}  // namespace

ReplaceResult replaceFileContents(const std::string& path, const uint8_t* data, size_t size) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return ReplaceResult::CannotCreate;
    if (fileFaultForTesting() == -2) return ReplaceResult::CannotCreate;

    char temp[MAX_PATH + 1] = {};
    if (GetTempFileNameA(folderOf(path).c_str(), "gw", 0, temp) == 0) return ReplaceResult::CannotCreate;
    HANDLE file = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temp);
        return ReplaceResult::CannotCreate;
    }
    const bool written = writeAll(file, data, size) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != 0;
    if (!written || !closed) {
        DeleteFileA(temp);
        return ReplaceResult::WriteFailed;
    }
    if (!MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temp);
        return ReplaceResult::CannotCreate;
    }
    return ReplaceResult::Ok;
}

FileStamp fileStampOf(const std::string& path) {
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return stamp;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return stamp;
    stamp.exists = true;
    stamp.size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.writeTime = (uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

}  // namespace gw
