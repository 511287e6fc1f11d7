// Recognising ipuz files and opening one as a new, unsaved puzzle.
#include <cctype>

#include "doc/ipuz_import.h"
#include "doc/text_import.h"
#include "doc/whole_file.h"
#include "resources/string_table.h"

namespace gw {

bool isIpuzName(const std::string& path) { return endsWithNoCase(path, ".ipuz"); }

bool startsLikeIpuz(const std::string& head) {
    // The magic sits after the binary file's 2-byte checksum, which may be any bytes.
    if (head.size() >= 2 && head.compare(2, sizeof FileMagic - 1, FileMagic) == 0) return false;
    size_t i = head.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i]))) ++i;
    return head.compare(i, 1, "{") == 0 || head.compare(i, 5, "ipuz(") == 0;
}

bool looksLikeIpuzFile(const std::string& path) {
    if (isIpuzName(path)) return true;
    return startsLikeIpuz(readFileHead(path, 64));
}

std::unique_ptr<PuzzleFileImage> readIpuzFile(const std::string& path, std::string& message) {
    return readImportFile(path, IDS_IPUZ_TOO_BIG, convertIpuz, message);
}

bool importIpuzPuzzle(const std::string& path) {
    std::string message;
    std::unique_ptr<PuzzleFileImage> image = readIpuzFile(path, message);
    return openImportOrWarn(std::move(image), message, importedIpuzPath(path));
}

std::string importedIpuzPath(const std::string& path) {
    if (isIpuzName(path)) return path.substr(0, path.size() - 5) + ".puz";
    return importedPuzzlePath(path);
}

}  // namespace gw
