// The binary puzzle reader. Input is untrusted: every length comes from the file,
// so every access is checked against what was actually read.
#include "puzzle_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "ports/core_context.h"
#include "resources/string_table.h"

namespace gw {

namespace {

constexpr size_t ReadBufferSize = 2048;          // strings are at most 2047 bytes
constexpr size_t SectionHeaderSize = 8;          // tag, length, checksum
constexpr size_t MaxMessageLength = 2047;
constexpr size_t ReadChunkSize = 65536;          // a whole ordinary puzzle in one read

// A forward-only window over the input. Strings and ordinary sections must fit in
// ReadBufferSize bytes, as with the program's fixed read buffer; the document's own
// per-square sections may be larger (see isGridSectionTag).
class ByteWindow {
public:
    using ReadFn = std::function<size_t(uint8_t*, size_t)>;
    explicit ByteWindow(ReadFn read) : read_(std::move(read)) {}

    // Makes at least `want` unread bytes available if the input has them; returns
    // the number available (possibly fewer at the end of the input).
    size_t ensure(size_t want) {
        if (available() >= want || eof_) return available();
        // Move the unread tail to the front, then read more.
        const size_t kept = available();
        if (kept && pos_) std::memmove(buffer_.get(), buffer_.get() + pos_, kept);
        end_ = kept;
        pos_ = 0;
        while (end_ < want && !eof_) {
            const size_t chunk = std::max(want - end_, ReadChunkSize);
            reserve(end_ + chunk);
            const size_t got = read_(buffer_.get() + end_, chunk);
            end_ += got;
            if (got < chunk) eof_ = true;
        }
        return available();
    }
    size_t available() const { return end_ - pos_; }
    const uint8_t* data() const { return buffer_.get() + pos_; }
    void consume(size_t n) { pos_ += std::min(n, available()); }

private:
    // Grows the storage without clearing it: every byte is written by a read before use.
    void reserve(size_t size) {
        if (size <= capacity_) return;
        std::unique_ptr<uint8_t[]> bigger(new uint8_t[size]);
        if (end_) std::memcpy(bigger.get(), buffer_.get(), end_);
        buffer_ = std::move(bigger);
        capacity_ = size;
    }

    ReadFn read_;
    std::unique_ptr<uint8_t[]> buffer_;
    size_t capacity_ = 0;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
};

enum class StringResult { Ok, Missing, Error };

// Reads one NUL-terminated string. `Missing` when the input has ended before it;
// `Error` when bytes are there but no terminator within the buffer's reach.
StringResult readString(ByteWindow& in, std::string& out) {
    const size_t n = in.ensure(ReadBufferSize);
    if (n == 0) return StringResult::Missing;
    const size_t span = std::min(n, ReadBufferSize);
    const void* nul = std::memchr(in.data(), 0, span);
    if (!nul) return StringResult::Error;
    const size_t length = size_t(static_cast<const uint8_t*>(nul) - in.data());
    out.assign(reinterpret_cast<const char*>(in.data()), length);
    in.consume(length + 1);
    return StringResult::Ok;
}

void checksumWithNul(const std::string& s, uint16_t& part, uint16_t& file) {
    regionChecksumPair(reinterpret_cast<const uint8_t*>(s.c_str()), int(s.size()) + 1, part, file);
}

// The text part into its own sum and the file's running sum in one pass: present
// texts with their NUL, clues without.
void textChecksums(const PuzzleFileImage& image, bool withNotes, uint16_t& part, uint16_t& file) {
    if (!image.title.empty()) checksumWithNul(image.title, part, file);
    if (!image.author.empty()) checksumWithNul(image.author, part, file);
    if (!image.copyright.empty()) checksumWithNul(image.copyright, part, file);
    const size_t count = std::min(size_t(image.header.clueCount()), image.clues.size());
    for (size_t i = 0; i < count; ++i) {
        const std::string& clue = image.clues[i];
        regionChecksumPair(reinterpret_cast<const uint8_t*>(clue.data()), int(clue.size()), part, file);
    }
    if (withNotes && !image.notes.empty()) checksumWithNul(image.notes, part, file);
}

void warnWithId(int id) { ui().warningById(id); }

void clearContents(PuzzleFileImage& image) {
    image.solution.clear();
    image.fill.clear();
    image.title.clear();
    image.author.clear();
    image.copyright.clear();
    image.notes.clear();
    image.clues.clear();
    image.sections.clear();
}

// Wait cursor and status text for the length of one read.
class BusyIndicator {
public:
    BusyIndicator() {
        ui().setWaitCursor(true);
        ui().setStatusText(stringText(IDS_READING_FILE));
    }
    ~BusyIndicator() {
        ui().setWaitCursor(false);
        ui().setStatusText("");
    }
};

// The fixed header: false (with the user told why) when it is not one this program reads.
bool readHeader(ByteWindow& in, PuzzleFileImage& image) {
    image.header = FileHeader{};
    const size_t got = std::min(in.ensure(FileHeaderSize), size_t(FileHeaderSize));
    std::memcpy(image.header.bytes.data(), in.data(), got);
    in.consume(got);
    const int major = image.versionMajor();
    if (got < size_t(FileHeaderSize)) {
        if (major > 1) warnWithId(IDS_LATER_VERSION);
        warnWithId(IDS_READ_ERROR);
        return false;
    }

    const FileHeader& h = image.header;
    const bool magicOk = h.bytes[0x0D] == 0 &&
                         std::memcmp(&h.bytes[HdrMagic], FileMagic, sizeof(FileMagic)) == 0;
    const uint16_t headerSum = regionChecksum(&h.bytes[HdrWidth], 8, 0);
    // A grid needs at least one square: a zero size would leave nothing to show.
    const bool sizeOk = h.width() >= 1 && h.width() <= 39 && h.height() >= 1 && h.height() <= 39;
    if (!magicOk || headerSum != h.u16(HdrHeaderChecksum) || !sizeOk) {
        warnWithId(IDS_NOT_A_PUZZLE);
        return false;
    }
    if (major > 1) {
        warnWithId(IDS_LATER_VERSION);
        warnWithId(IDS_READ_ERROR);
        return false;
    }
    // Without grids and texts there is nothing the program can open.
    if ((h.bytes[HdrPuzzleType] & 1) == 0) {
        warnWithId(IDS_NOT_A_PUZZLE);
        return false;
    }
    return true;
}

// Grids, texts, clues and (from version 1.1) notes; false when any is cut short.
bool readBody(ByteWindow& in, PuzzleFileImage& image) {
    const FileHeader& h = image.header;
    const size_t squares = size_t(h.width()) * size_t(h.height());
    for (std::string* grid : {&image.solution, &image.fill}) {
        if (in.ensure(squares) < squares) return false;
        grid->assign(reinterpret_cast<const char*>(in.data()), squares);
        in.consume(squares);
    }
    for (std::string* text : {&image.title, &image.author, &image.copyright})
        if (readString(in, *text) != StringResult::Ok) return false;
    image.clues.resize(size_t(h.clueCount()));
    for (std::string& clue : image.clues)
        if (readString(in, clue) != StringResult::Ok) return false;
    if (image.versionNumber() >= 11) {
        const StringResult r = readString(in, image.notes);
        if (r == StringResult::Error) return false;
        if (r == StringResult::Missing) image.notes.clear();
    }
    return true;
}

// The tagged sections after the notes, up to the first one that is cut short or
// not terminated; one whose checksum is wrong is reported and left out.
void readSections(ByteWindow& in, PuzzleFileImage& image) {
    for (;;) {
        if (in.ensure(SectionHeaderSize) < SectionHeaderSize) return;
        const uint8_t* p = in.data();
        char tag[5] = {char(p[0]), char(p[1]), char(p[2]), char(p[3]), 0};
        const size_t n = size_t(p[4] | (p[5] << 8));
        const uint16_t sum = uint16_t(p[6] | (p[7] << 8));
        const size_t whole = SectionHeaderSize + n + 1;
        const size_t reach = PuzzleFileImage::isGridSectionTag(tag) ? whole : ReadBufferSize;
        if (whole > reach || in.ensure(whole) < whole) return;
        p = in.data();
        const uint8_t* data = p + SectionHeaderSize;
        if (regionChecksum(data, int(n), 0) == sum) {
            if (PuzzleFileImage::isGridSectionTag(tag))
                image.setGridSection(tag, data, int(n));
            else
                image.setExtraSection(tag, data, int(n));
        } else {
            warnWithId(IDS_CORRUPT_SECTION);
        }
        const bool terminated = p[SectionHeaderSize + n] == 0;
        in.consume(whole);
        if (!terminated) return;
    }
}

bool checksumsMatch(const PuzzleFileImage& image) {
    const FileHeader& h = image.header;
    const int version = image.versionNumber();
    const ImageChecksums sums = computeChecksums(image, version >= 13);
    bool ok = sums.file == h.u16(HdrFileChecksum);
    if (version >= 11) {
        const uint16_t parts[4] = {sums.header, sums.solution, sums.fill, sums.text};
        for (int i = 0; i < 4; ++i) {
            ok = ok && h.bytes[size_t(HdrMaskedLow + i)] == uint8_t((parts[i] & 0xFF) ^ image.mask[size_t(i)]);
            ok = ok && h.bytes[size_t(HdrMaskedHigh + i)] == uint8_t((parts[i] >> 8) ^ image.mask[size_t(4 + i)]);
        }
    }
    return ok;
}

bool readImage(ByteWindow& in, PuzzleFileImage& image) {
    BusyIndicator busy;
    clearContents(image);
    if (!readHeader(in, image)) return false;
    if (!readBody(in, image)) {
        clearContents(image);
        warnWithId(IDS_READ_ERROR);
        return false;
    }
    if (image.versionNumber() >= 12) readSections(in, image);
    if (!checksumsMatch(image)) {
        clearContents(image);
        warnWithId(IDS_NOT_A_PUZZLE);
        return false;
    }
    return true;
}

}  // namespace

ImageChecksums computeChecksums(const PuzzleFileImage& image, bool withNotes) {
    ImageChecksums c;
    const FileHeader& h = image.header;
    const int squares = h.width() * h.height();
    c.header = regionChecksum(&h.bytes[HdrWidth], 8, 0);
    c.file = c.header;
    const auto grid = [&](const std::string& s, uint16_t& part) {
        part = 0;
        regionChecksumPair(reinterpret_cast<const uint8_t*>(s.data()), std::min(squares, int(s.size())), part, c.file);
    };
    grid(image.solution, c.solution);
    grid(image.fill, c.fill);
    c.text = 0;
    textChecksums(image, withNotes, c.text, c.file);
    return c;
}

bool readPuzzleBytes(const uint8_t* data, size_t size, PuzzleFileImage& image) {
    size_t offset = 0;
    ByteWindow in([&](uint8_t* out, size_t want) {
        const size_t n = data ? std::min(want, size - offset) : 0;
        if (n) std::memcpy(out, data + offset, n);
        offset += n;
        return n;
    });
    return readImage(in, image);
}

bool readPuzzleFile(const std::string& path, PuzzleFileImage& image) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        std::string message = std::string(stringText(IDS_CANNOT_OPEN_READ)) + path;
        if (message.size() > MaxMessageLength) message.resize(MaxMessageLength);
        ui().warning(message);
        clearContents(image);
        return false;
    }
    // A device error shows up as a short read, which the walk treats like the end of the data.
    ByteWindow in([&](uint8_t* out, size_t want) { return std::fread(out, 1, want, f); });
    const bool ok = readImage(in, image);
    std::fclose(f);
    return ok;
}

}  // namespace gw
