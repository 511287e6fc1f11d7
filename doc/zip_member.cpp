// A zip archive's directory read by hand, every offset and size checked against the
// file before use; the member inflated by zlib into a buffer no larger than allowed.
#include "doc/zip_member.h"

#include <zlib.h>

#include <cstdint>

namespace gw {
namespace {

constexpr uint32_t EndSignature = 0x06054b50;
constexpr uint32_t DirectorySignature = 0x02014b50;
constexpr uint32_t LocalSignature = 0x04034b50;
constexpr size_t EndSize = 22, DirectoryEntrySize = 46, LocalHeaderSize = 30;

uint32_t u16(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8;
}
uint32_t u32(const std::string& s, size_t at) { return u16(s, at) | u16(s, at + 2) << 16; }

struct Member {
    uint32_t flags = 0, method = 0, crc = 0, packed = 0, size = 0, localOffset = 0;
};

// The end record: the last one in the file (a comment may follow it).
bool findEnd(const std::string& zip, size_t& at) {
    if (zip.size() < EndSize) return false;
    const size_t lowest = zip.size() > EndSize + 0xFFFF ? zip.size() - EndSize - 0xFFFF : 0;
    for (size_t i = zip.size() - EndSize + 1; i-- > lowest;)
        if (u32(zip, i) == EndSignature) {
            at = i;
            return true;
        }
    return false;
}

// The directory's one file entry (folders and resource-fork shadows aside).
ZipFault readDirectory(const std::string& zip, Member& m) {
    size_t end = 0;
    if (!findEnd(zip, end)) return ZipFault::NotZip;
    if (u16(zip, end + 4) != 0 || u16(zip, end + 6) != 0) return ZipFault::Unsupported;  // split archive
    const uint32_t entries = u16(zip, end + 10);
    const uint64_t dirSize = u32(zip, end + 12), dirOffset = u32(zip, end + 16);
    if (entries == 0xFFFF || dirOffset == 0xFFFFFFFFu) return ZipFault::Unsupported;  // zip64
    if (dirOffset + dirSize > end) return ZipFault::Broken;
    int files = 0;
    size_t at = size_t(dirOffset);
    for (uint32_t i = 0; i < entries; ++i) {
        if (at + DirectoryEntrySize > end || u32(zip, at) != DirectorySignature) return ZipFault::Broken;
        const size_t nameLength = u16(zip, at + 28);
        const size_t next = at + DirectoryEntrySize + nameLength + u16(zip, at + 30) + u16(zip, at + 32);
        if (next > end) return ZipFault::Broken;
        const std::string name = zip.substr(at + DirectoryEntrySize, nameLength);
        const bool folder = !name.empty() && name.back() == '/';
        if (!folder && name.rfind("__MACOSX/", 0) != 0) {
            ++files;
            m = Member{u16(zip, at + 8), u16(zip, at + 10), u32(zip, at + 16), u32(zip, at + 20), u32(zip, at + 24),
                       u32(zip, at + 42)};
        }
        at = next;
    }
    return files == 1 ? ZipFault::None : ZipFault::Members;
}

ZipFault inflateMember(const std::string& packed, const Member& m, std::string& out) {
    out.assign(size_t(m.size) + 1, '\0');  // one byte more shows a member larger than it said
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return ZipFault::Broken;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = uInt(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(&out[0]);
    z.avail_out = uInt(out.size());
    const int r = inflate(&z, Z_FINISH);
    const uLong produced = z.total_out;
    inflateEnd(&z);
    if (r != Z_STREAM_END || produced != m.size) return produced > m.size ? ZipFault::TooLarge : ZipFault::Broken;
    out.resize(produced);
    return ZipFault::None;
}

}  // namespace

bool startsLikeZip(const std::string& head) { return head.size() >= 4 && u32(head, 0) == LocalSignature; }

ZipFault unzipSingleFile(const std::string& zip, std::string& out) {
    out.clear();
    Member m;
    if (const ZipFault f = readDirectory(zip, m); f != ZipFault::None) return f;
    if (m.flags & 0x0001) return ZipFault::Unsupported;  // encrypted
    if (m.method != 0 && m.method != 8) return ZipFault::Unsupported;
    if (m.size > MaxUnzippedSize) return ZipFault::TooLarge;
    const size_t local = m.localOffset;
    if (local + LocalHeaderSize > zip.size() || u32(zip, local) != LocalSignature) return ZipFault::Broken;
    const size_t data = local + LocalHeaderSize + u16(zip, local + 26) + u16(zip, local + 28);
    if (data > zip.size() || m.packed > zip.size() - data) return ZipFault::Broken;
    const std::string packed = zip.substr(data, m.packed);
    if (m.method == 0) {
        if (m.packed != m.size) return ZipFault::Broken;
        out = packed;
    } else if (const ZipFault f = inflateMember(packed, m, out); f != ZipFault::None) {
        out.clear();
        return f;
    }
    if (crc32(0L, reinterpret_cast<const Bytef*>(out.data()), uInt(out.size())) != m.crc) {
        out.clear();
        return ZipFault::Broken;
    }
    return ZipFault::None;
}

}  // namespace gw
