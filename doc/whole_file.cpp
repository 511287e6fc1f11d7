#include "doc/whole_file.h"

#include <cctype>
#include <cstdio>
#include <cstring>

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

std::string readFileHead(const std::string& path, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::string();
    std::string head(size, '\0');
    head.resize(std::fread(&head[0], 1, size, f));
    std::fclose(f);
    return head;
}

bool endsWithNoCase(const std::string& s, const char* tail) {
    const size_t n = std::strlen(tail);
    if (s.size() < n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - n + i])) != tail[i]) return false;
    return true;
}

}  // namespace gw
