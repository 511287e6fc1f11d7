#pragma once
#include <string>

namespace gw {
class PuzzleDocument;
namespace puztool {
// Reads the file into `doc` and prints it as JSON on stdout; 0 when it read cleanly.
int infoCommand(PuzzleDocument& doc, const std::string& path);
}  // namespace puztool
}  // namespace gw
