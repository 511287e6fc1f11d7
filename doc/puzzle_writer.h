// Writing binary puzzle files, and the ".bak" copy made before Save As overwrites one.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "file_image.h"

namespace gw {

// Computes the checksums into the header and writes the image as a version 1.3
// file. The previous file at `path` survives any failure (the new contents are
// written beside it and moved into place). Frees the image's grid strings.
bool writePuzzleFile(const std::string& path, PuzzleFileImage& image);

// The bytes writePuzzleFile would store (checksums filled into the header).
std::vector<uint8_t> serializePuzzle(PuzzleFileImage& image);

// The backup name: the file name's extension (from its last '.') replaced by ".bak".
std::string backupPathFor(const std::string& path);

// Copies an existing file byte for byte to its backup name. False when there was
// nothing to copy or the copy failed (the save goes on either way).
bool makeBackup(const std::string& path);

}  // namespace gw
