// ipuz crosswords (an open JSON format): reading one into the file image a binary
// puzzle would read as, opening it as a new unsaved puzzle, and writing the open
// puzzle out as ipuz.
#pragma once
#include <memory>
#include <string>

#include "file_image.h"

namespace gw {

class PuzzleDocument;

// A name ending in ".ipuz" (any case).
bool isIpuzName(const std::string& path);
// The first bytes of a file: JSON ('{' or an "ipuz(" wrapper, after a byte-order
// mark and blanks) that is not a binary puzzle.
bool startsLikeIpuz(const std::string& head);
// Either of the two, for a file on disk.
bool looksLikeIpuzFile(const std::string& path);

// Converts ipuz text; on failure returns null with `message` saying what is wrong
// and where.
std::unique_ptr<PuzzleFileImage> convertIpuz(const std::string& text, std::string& message);
// Reads and converts a file; on failure returns null with the message.
std::unique_ptr<PuzzleFileImage> readIpuzFile(const std::string& path, std::string& message);

// Reads, converts and opens the file in core().document as a dirty puzzle saved
// beside it as ".puz"; shows the message as a warning on failure.
bool importIpuzPuzzle(const std::string& path);
std::string importedIpuzPath(const std::string& path);

// The open puzzle as an ipuz v2 crossword, UTF-8 JSON text. A locked puzzle has no
// readable solution, so it goes without one (and opens again unchecked).
std::string exportIpuz(const PuzzleDocument& doc);

}  // namespace gw
