// Reading a whole file into memory, refusing one larger than the caller expects.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gw {

enum class WholeFile { Ok, CannotOpen, TooLarge, ReadFailed };

WholeFile readWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>& out);

}  // namespace gw
