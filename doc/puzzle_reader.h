// Reading binary puzzle files into a PuzzleFileImage.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "file_image.h"

namespace gw {

// Reads and verifies the file at `path` (always in binary mode). Shows its own
// warnings; on failure the image is left without grids and texts.
bool readPuzzleFile(const std::string& path, PuzzleFileImage& image);

// The same reader over bytes in memory (no "cannot open" case).
bool readPuzzleBytes(const uint8_t* data, size_t size, PuzzleFileImage& image);

// The file checksum and the four part checksums (header, solution, fill, texts) of
// an image, as stored in and verified against the header. `withNotes` puts the
// notes into the text part and the file checksum (version 1.3 and later).
struct ImageChecksums {
    uint16_t header = 0, solution = 0, fill = 0, text = 0, file = 0;
};
ImageChecksums computeChecksums(const PuzzleFileImage& image, bool withNotes);

}  // namespace gw
