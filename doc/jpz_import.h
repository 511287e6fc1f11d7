// Crossword Compiler puzzles (".jpz": XML, often zipped): reading one into the file
// image a binary puzzle would read as, and opening it as a new unsaved puzzle.
#pragma once
#include <memory>
#include <string>

#include "file_image.h"

namespace gw {

// A name ending in ".jpz" (any case).
bool isJpzName(const std::string& path);
// The first bytes of a file: XML whose root is a Crossword Compiler puzzle's.
bool startsLikeJpzXml(const std::string& head);
// The name, or the content: that XML, or a zip archive holding it.
bool looksLikeJpzFile(const std::string& path);

// Converts a puzzle's bytes (the XML, or a zip archive holding it); on failure
// returns null with `message` saying what is wrong and where.
std::unique_ptr<PuzzleFileImage> convertJpz(const std::string& bytes, std::string& message);
// The XML alone.
std::unique_ptr<PuzzleFileImage> convertJpzXml(const std::string& xml, std::string& message);
// Reads and converts a file; on failure returns null with the message.
std::unique_ptr<PuzzleFileImage> readJpzFile(const std::string& path, std::string& message);

// Reads, converts and opens the file in core().document as a dirty puzzle saved
// beside it as ".puz"; shows the message as a warning on failure.
bool importJpzPuzzle(const std::string& path);

}  // namespace gw
