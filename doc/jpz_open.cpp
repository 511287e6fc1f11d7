// Recognising Crossword Compiler puzzles (bare or zipped XML, whatever their name),
// unzipping them, and opening one as a new, unsaved puzzle.
#include <cctype>

#include "doc/jpz_import.h"
#include "doc/text_import.h"
#include "doc/whole_file.h"
#include "doc/zip_member.h"
#include "resources/string_table.h"

namespace gw {
namespace {

constexpr size_t SniffSize = 4096;           // room for a declaration and comments before the root

bool at(const std::string& s, size_t i, const char* text) { return s.compare(i, std::char_traits<char>::length(text), text) == 0; }

// The root element's name (without a prefix) in the first bytes of an XML text; ""
// when none starts there.
std::string rootName(const std::string& head) {
    size_t i = at(head, 0, "\xEF\xBB\xBF") ? 3 : 0;
    for (;;) {
        while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i]))) ++i;
        if (i >= head.size() || head[i] != '<') return std::string();
        // Declaration, processing instructions, comments and a document type come first.
        const char* close = at(head, i, "<?") ? "?>" : at(head, i, "<!--") ? "-->" : at(head, i, "<!") ? ">" : nullptr;
        if (!close) break;
        const size_t end = head.find(close, i + 2);
        if (end == std::string::npos) return std::string();
        i = end + std::char_traits<char>::length(close);
    }
    size_t end = ++i;
    while (end < head.size() && !std::isspace(static_cast<unsigned char>(head[end])) && head[end] != '>' && head[end] != '/')
        ++end;
    std::string name = head.substr(i, end - i);
    return name.substr(name.find(':') + 1);  // npos + 1 is 0: no prefix
}

std::string zipFaultMessage(ZipFault fault) {
    switch (fault) {
        case ZipFault::Members: return stringText(IDS_JPZ_ZIP_MEMBERS);
        case ZipFault::Unsupported: return stringText(IDS_JPZ_ZIP_UNSUPPORTED);
        case ZipFault::TooLarge: return stringText(IDS_JPZ_ZIP_TOO_BIG);
        default: return stringText(IDS_JPZ_ZIP_BROKEN);
    }
}

}  // namespace

bool isJpzName(const std::string& path) { return endsWithNoCase(path, ".jpz"); }

bool startsLikeJpzXml(const std::string& head) {
    const std::string root = rootName(head);
    return root == "crossword-compiler-applet" || root == "crossword-compiler" || root == "rectangular-puzzle";
}

bool looksLikeJpzFile(const std::string& path) {
    if (isJpzName(path)) return true;
    const std::string head = readFileHead(path, SniffSize);
    if (startsLikeJpzXml(head)) return true;
    if (!startsLikeZip(head)) return false;
    // Any zip archive: only one holding a puzzle's XML is one.
    std::vector<uint8_t> bytes;
    std::string xml;
    return readWholeFile(path, MaxUnzippedSize, bytes) == WholeFile::Ok &&
           unzipSingleFile(std::string(bytes.begin(), bytes.end()), xml) == ZipFault::None && startsLikeJpzXml(xml.substr(0, SniffSize));
}

std::unique_ptr<PuzzleFileImage> convertJpz(const std::string& bytes, std::string& message) {
    if (!startsLikeZip(bytes)) return convertJpzXml(bytes, message);
    std::string xml;
    const ZipFault fault = unzipSingleFile(bytes, xml);
    if (fault != ZipFault::None) {
        message = zipFaultMessage(fault);
        return nullptr;
    }
    return convertJpzXml(xml, message);
}

std::unique_ptr<PuzzleFileImage> readJpzFile(const std::string& path, std::string& message) {
    return readImportFile(path, IDS_JPZ_TOO_BIG, convertJpz, message);
}

bool importJpzPuzzle(const std::string& path) {
    std::string message;
    std::unique_ptr<PuzzleFileImage> image = readJpzFile(path, message);
    // "x.jpz" and "x.xml" are saved as "x.puz".
    return openImportOrWarn(std::move(image), message, importedPuzzlePath(path));
}

}  // namespace gw
