// Reading a whole file into memory, refusing one larger than the caller expects;
// the first bytes of one, and its name's extension, for telling formats apart.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gw {

enum class WholeFile { Ok, CannotOpen, TooLarge, ReadFailed };

WholeFile readWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>& out);

// Up to `size` bytes from the start of the file; "" when it cannot be read.
std::string readFileHead(const std::string& path, size_t size);
// Whether the path ends in `tail` (lower case, e.g. ".ipuz"), in any case.
bool endsWithNoCase(const std::string& path, const char* tail);

}  // namespace gw
