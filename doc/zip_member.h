// The one file inside a small zip archive (a zipped puzzle), read by our own bounded
// reader of the archive's directory and inflated with zlib.
#pragma once
#include <cstddef>
#include <string>

namespace gw {

constexpr size_t MaxUnzippedSize = 8u << 20;

enum class ZipFault {
    None,
    NotZip,        // no archive directory
    Broken,        // a directory or header that points outside the file, or damaged data
    Members,       // not exactly one file inside
    Unsupported,   // encrypted, split or compressed other than deflate or stored
    TooLarge,      // more than MaxUnzippedSize when inflated
};

// "PK\3\4": the start of a zip archive.
bool startsLikeZip(const std::string& head);

// The single file of the archive `zip`, inflated into `out`.
ZipFault unzipSingleFile(const std::string& zip, std::string& out);

}  // namespace gw
