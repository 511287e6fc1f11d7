// Zip archives made in the tests, one member each, as archivers write them.
#pragma once
#include <zlib.h>

#include <cstdint>
#include <string>

namespace gw::test {

inline void putLe(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += char((v >> (8 * i)) & 0xFF);
}

inline std::string deflated(const std::string& data) {
    z_stream z{};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, uLong(data.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef*>(&out[0]);
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// `declaredSize` other than 0 is written as the member's size instead of the real one.
inline std::string zipOf(const std::string& name, const std::string& data, bool deflate = true,
                         uint32_t declaredSize = 0) {
    const std::string packed = deflate ? deflated(data) : data;
    const uint32_t crc = uint32_t(crc32(0L, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
    const uint32_t size = declaredSize ? declaredSize : uint32_t(data.size());
    auto header = [&](bool central) {
        std::string h;
        putLe(h, central ? 0x02014b50 : 0x04034b50, 4);
        if (central) putLe(h, 20, 2);  // made by
        putLe(h, 20, 2);                // needed
        putLe(h, 0, 2);                 // flags
        putLe(h, deflate ? 8 : 0, 2);
        putLe(h, 0, 4);  // time and date
        putLe(h, crc, 4);
        putLe(h, uint32_t(packed.size()), 4);
        putLe(h, size, 4);
        putLe(h, uint32_t(name.size()), 2);
        putLe(h, 0, 2);  // extra
        if (central) {
            putLe(h, 0, 2);  // comment
            putLe(h, 0, 2);  // disk
            putLe(h, 0, 2);  // attributes
            putLe(h, 0, 4);
            putLe(h, 0, 4);  // the local header, at the start
        }
        return h + name;
    };
    std::string zip = header(false) + packed;
    const uint32_t directoryAt = uint32_t(zip.size());
    const std::string directory = header(true);
    zip += directory;
    putLe(zip, 0x06054b50, 4);
    putLe(zip, 0, 4);  // disks
    putLe(zip, 1, 2);
    putLe(zip, 1, 2);
    putLe(zip, uint32_t(directory.size()), 4);
    putLe(zip, directoryAt, 4);
    putLe(zip, 0, 2);
    return zip;
}

}  // namespace gw::test
