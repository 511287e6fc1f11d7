// POSIX: write a temporary beside the target, fsync it, rename it over the target.
#include "doc/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace gw {

namespace {

bool writeAll(int fd, const uint8_t* data, size_t size) {
    const long long fault = fileFaultForTesting();
    size_t limit = size;
    if (fault >= 0 && size_t(fault) < size) limit = size_t(fault);
    size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::write(fd, data + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        done += size_t(n);
    }
    return done == size;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

ReplaceResult replaceFileContents(const std::string& path, const uint8_t* data, size_t size) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    // rename() would replace a file the user made read-only; refuse as a plain write would.
    if (exists && (!S_ISREG(old.st_mode) || ::access(path.c_str(), W_OK) != 0)) return ReplaceResult::CannotCreate;
    if (fileFaultForTesting() == -2) return ReplaceResult::CannotCreate;

    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return ReplaceResult::CannotCreate;
    const std::string temp(name.data());
    // Keep the permissions an existing file had; a new one gets the usual 0666 & ~umask.
    mode_t mode = 0;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    const bool written = writeAll(fd, data, size) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temp.c_str());
        return ReplaceResult::WriteFailed;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return ReplaceResult::CannotCreate;
    }
    // Make the rename itself durable.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return ReplaceResult::Ok;
}

FileStamp fileStampOf(const std::string& path) {
    FileStamp stamp;
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return stamp;
    stamp.exists = true;
    stamp.size = uint64_t(info.st_size);
    stamp.writeTime = uint64_t(info.st_mtim.tv_sec) * 1000000000u + uint64_t(info.st_mtim.tv_nsec);
    return stamp;
}

}  // namespace gw
