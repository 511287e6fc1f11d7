#include "puzzle_writer.h"

#include <cstdio>
#include <cstring>

#include "file_replace.h"
#include "ports/core_context.h"
#include "puzzle_reader.h"
#include "resources/string_table.h"

namespace gw {

namespace {

void put(std::vector<uint8_t>& out, const void* data, size_t n) {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    out.insert(out.end(), p, p + n);
}

void putString(std::vector<uint8_t>& out, const std::string& s) { put(out, s.c_str(), s.size() + 1); }

class BusyIndicator {
public:
    BusyIndicator() {
        ui().setWaitCursor(true);
        ui().setStatusText(stringText(IDS_SAVING_FILE));
    }
    ~BusyIndicator() {
        ui().setWaitCursor(false);
        ui().setStatusText("");
    }
};

}  // namespace

std::vector<uint8_t> serializePuzzle(PuzzleFileImage& image) {
    FileHeader& h = image.header;
    const size_t squares = size_t(h.width()) * size_t(h.height());
    // Grids are exactly width*height bytes whatever the strings hold.
    image.solution.resize(squares, '.');
    image.fill.resize(squares, '.');

    const ImageChecksums sums = computeChecksums(image, true);
    h.setU16(HdrHeaderChecksum, sums.header);
    h.setU16(HdrFileChecksum, sums.file);
    const uint16_t parts[4] = {sums.header, sums.solution, sums.fill, sums.text};
    for (int i = 0; i < 4; ++i) {
        h.bytes[size_t(HdrMaskedLow + i)] = uint8_t((parts[i] & 0xFF) ^ image.mask[size_t(i)]);
        h.bytes[size_t(HdrMaskedHigh + i)] = uint8_t((parts[i] >> 8) ^ image.mask[size_t(4 + i)]);
    }

    std::vector<uint8_t> out;
    put(out, h.bytes.data(), h.bytes.size());
    if (h.bytes[HdrPuzzleType] & 1) {
        put(out, image.solution.data(), squares);
        put(out, image.fill.data(), squares);
        putString(out, image.title);
        putString(out, image.author);
        putString(out, image.copyright);
        const size_t count = size_t(h.clueCount());
        for (size_t i = 0; i < count; ++i) putString(out, i < image.clues.size() ? image.clues[i] : std::string());
    }
    putString(out, image.notes);
    for (const ExtraSection& s : image.sections) {
        const size_t n = std::min(s.data.size(), size_t(SectionLengthLimit));
        char tag[4] = {};
        std::memcpy(tag, s.tag, std::min(std::strlen(s.tag), size_t(4)));
        put(out, tag, 4);
        const uint16_t sum = regionChecksum(s.data.data(), int(n), 0);
        const uint8_t fields[4] = {uint8_t(n & 0xFF), uint8_t(n >> 8), uint8_t(sum & 0xFF), uint8_t(sum >> 8)};
        put(out, fields, 4);
        put(out, s.data.data(), n);
        out.push_back(0);
    }
    return out;
}

bool writePuzzleFile(const std::string& path, PuzzleFileImage& image) {
    ReplaceResult result;
    {
        BusyIndicator busy;
        const std::vector<uint8_t> bytes = serializePuzzle(image);
        result = replaceFileContents(path, bytes.data(), bytes.size());
    }
    // The grid strings were made for this save only.
    image.solution.clear();
    image.fill.clear();
    switch (result) {
    case ReplaceResult::Ok:
        return true;
    case ReplaceResult::CannotCreate:
        ui().warningById(IDS_CANNOT_WRITE);
        return false;
    case ReplaceResult::WriteFailed:
        ui().warningById(IDS_WRITE_ERROR);
        return false;
    }
    return false;
}

std::string backupPathFor(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return path + ".bak";
    return path.substr(0, dot) + ".bak";
}

bool makeBackup(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return false;
    const std::string backup = backupPathFor(path);
    std::FILE* out = std::fopen(backup.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buffer[8192];
    bool ok = true;
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        if (std::fwrite(buffer, 1, n, out) != n) {
            ok = false;
            break;
        }
    }
    if (std::ferror(in)) ok = false;
    std::fclose(in);
    if (std::fclose(out) != 0) ok = false;
    return ok;
}

}  // namespace gw
