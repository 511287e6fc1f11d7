// The in-memory mirror of a binary puzzle file.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gw {

constexpr int FileHeaderSize = 52;
constexpr int ExtraSectionMaxLength = 1024;
constexpr int ChecksumMaskLength = 8;
constexpr int SectionLengthLimit = 0xFFFF;  // the file's 16-bit length field

// Offsets into the 52-byte header.
enum HeaderOffset : int {
    HdrFileChecksum = 0x00,
    HdrMagic = 0x02,
    HdrHeaderChecksum = 0x0E,
    HdrMaskedLow = 0x10,
    HdrMaskedHigh = 0x14,
    HdrVersion = 0x18,
    HdrScrambledChecksum = 0x1E,
    HdrWidth = 0x2C,
    HdrHeight = 0x2D,
    HdrClueCount = 0x2E,
    HdrPuzzleType = 0x30,
    HdrTypeBits = 0x31,
    HdrStateBits = 0x32,
};

constexpr char FileMagic[] = "ORVANE&DOWN";

// Bits of the header's type and state bytes.
constexpr uint8_t TypeDiagramless = 0x04;
constexpr uint8_t TypeHasMarks = 0x08;  // informational; not kept by the document
constexpr uint8_t StateNoPrint = 0x01;
constexpr uint8_t StateNoCheck = 0x02;
constexpr uint8_t StateScrambled = 0x04;
constexpr uint8_t StateBit3 = 0x08;

struct FileHeader {
    std::array<uint8_t, FileHeaderSize> bytes{};

    uint16_t u16(int offset) const { return uint16_t(bytes[offset] | (bytes[offset + 1] << 8)); }
    void setU16(int offset, uint16_t v) {
        bytes[offset] = uint8_t(v & 0xFF);
        bytes[offset + 1] = uint8_t(v >> 8);
    }
    int width() const { return bytes[HdrWidth]; }
    int height() const { return bytes[HdrHeight]; }
    int clueCount() const { return u16(HdrClueCount); }
};

// The header of a puzzle made here (imported) rather than read: magic, version
// "1.3", size, clue count and the type and state bits.
void initNewHeader(FileHeader& h, int width, int height, int clueCount, uint8_t typeBits, uint8_t stateBits);

struct ExtraSection {
    char tag[5] = {};
    uint16_t length = 0;
    std::vector<uint8_t> data;
};

// 16-bit rotate-right-and-add checksum of the file format.
uint16_t regionChecksum(const uint8_t* data, int length, uint16_t initial);
// Runs the same bytes into two checksums at once (a part's own sum and the whole
// file's running sum), so each byte is read once.
void regionChecksumPair(const uint8_t* data, int length, uint16_t& first, uint16_t& second);
inline uint16_t regionChecksum(const std::string& s, uint16_t initial) {
    return regionChecksum(reinterpret_cast<const uint8_t*>(s.data()), int(s.size()), initial);
}

struct PuzzleFileImage {
    PuzzleFileImage();  // builds the mask

    FileHeader header;
    // Texts: empty means absent (the file cannot tell the two apart).
    std::string solution;
    std::string fill;
    std::string author;
    std::string title;
    std::string copyright;
    std::string notes;
    std::vector<std::string> clues;  // header clue count entries; an empty clue is "none"
    std::array<uint8_t, ChecksumMaskLength> mask{};
    std::vector<ExtraSection> sections;  // in file order

    // Replaces the data of the section with that tag (in place) or appends a new one.
    // Ignored without tag or data, or with a length of 0 or above 1024.
    void setExtraSection(const char* tag, const uint8_t* data, int length);
    const ExtraSection* getExtraSection(const char* tag) const;
    void removeExtraSection(const char* tag);
    // The document's own per-square sections ("GEXT", "GRBS", "RUSR") grow with the
    // grid and may pass 1024 bytes on large grids; they are kept whatever their size
    // (up to the 16-bit length field). Same placement rules as setExtraSection.
    void setGridSection(const char* tag, const uint8_t* data, int length);
    static bool isGridSectionTag(const char* tag);

    // Version number major*10+minor from the header text, 0 when it is not "%d.%d".
    int versionNumber() const;
    int versionMajor() const;
};

}  // namespace gw
