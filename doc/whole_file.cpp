#include "doc/whole_file.h"

#include <cstdio>

namespace gw {

WholeFile readWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
    out.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return WholeFile::CannotOpen;
    uint8_t buffer[16384];
    size_t n;
    WholeFile result = WholeFile::Ok;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        if (out.size() + n > limit) {
            result = WholeFile::TooLarge;
            break;
        }
        out.insert(out.end(), buffer, buffer + n);
    }
    if (result == WholeFile::Ok && std::ferror(f)) result = WholeFile::ReadFailed;
    std::fclose(f);
    return result;
}

}  // namespace gw
