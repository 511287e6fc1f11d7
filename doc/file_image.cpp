#include "file_image.h"

#include <cstdio>
#include <cstring>

namespace gw {

// A rotate right by one, then the byte added; written without a branch so the
// compiler emits a rotate.
static inline uint16_t checksumStep(uint16_t c, uint8_t byte) {
    return uint16_t(uint16_t((c >> 1) | (c << 15)) + byte);
}

uint16_t regionChecksum(const uint8_t* data, int length, uint16_t initial) {
    uint16_t c = initial;
    for (int i = 0; i < length; ++i) c = checksumStep(c, data[i]);
    return c;
}

void regionChecksumPair(const uint8_t* data, int length, uint16_t& first, uint16_t& second) {
    uint16_t a = first, b = second;
    for (int i = 0; i < length; ++i) {
        a = checksumStep(a, data[i]);
        b = checksumStep(b, data[i]);
    }
    first = a;
    second = b;
}

void initNewHeader(FileHeader& h, int width, int height, int clueCount, uint8_t typeBits, uint8_t stateBits) {
    std::memcpy(&h.bytes[HdrMagic], FileMagic, sizeof FileMagic);
    std::memcpy(&h.bytes[HdrVersion], "1.3", 4);
    h.bytes[HdrWidth] = uint8_t(width);
    h.bytes[HdrHeight] = uint8_t(height);
    h.setU16(HdrClueCount, uint16_t(clueCount));
    h.bytes[HdrPuzzleType] = 1;
    h.bytes[HdrTypeBits] = typeBits;
    h.bytes[HdrStateBits] = stateBits;
}

PuzzleFileImage::PuzzleFileImage() {
    // The mask is assembled at run time rather than stored as one literal, so it
    // does not sit in the binary as a searchable string.
    static const uint8_t offsets[ChecksumMaskLength] = {6, 17, 8, 3, 11, 4, 18, 12};
    for (int i = 0; i < ChecksumMaskLength; ++i) mask[i] = uint8_t('A' + offsets[i]);
}

void PuzzleFileImage::setExtraSection(const char* tag, const uint8_t* data, int length) {
    if (length > ExtraSectionMaxLength) return;
    setGridSection(tag, data, length);
}

bool PuzzleFileImage::isGridSectionTag(const char* tag) {
    return tag && (std::strcmp(tag, "GEXT") == 0 || std::strcmp(tag, "GRBS") == 0 || std::strcmp(tag, "RUSR") == 0);
}

void PuzzleFileImage::setGridSection(const char* tag, const uint8_t* data, int length) {
    if (!tag || !data || length <= 0 || length > SectionLengthLimit) return;
    for (ExtraSection& s : sections) {
        if (std::strcmp(s.tag, tag) == 0) {
            s.data.assign(data, data + length);
            s.length = uint16_t(length);
            return;
        }
    }
    ExtraSection s;
    std::strncpy(s.tag, tag, 4);
    s.tag[4] = '\0';
    s.data.assign(data, data + length);
    s.length = uint16_t(length);
    sections.push_back(std::move(s));
}

const ExtraSection* PuzzleFileImage::getExtraSection(const char* tag) const {
    if (!tag) return nullptr;
    for (const ExtraSection& s : sections)
        if (std::strcmp(s.tag, tag) == 0) return &s;
    return nullptr;
}

void PuzzleFileImage::removeExtraSection(const char* tag) {
    if (!tag) return;
    for (auto it = sections.begin(); it != sections.end(); ++it) {
        if (std::strcmp(it->tag, tag) == 0) {
            sections.erase(it);
            return;
        }
    }
}

namespace {
bool parseVersion(const FileHeader& h, int& major, int& minor) {
    char text[5] = {};
    std::memcpy(text, &h.bytes[HdrVersion], 4);
    return std::sscanf(text, "%d.%d", &major, &minor) == 2;
}
}  // namespace

int PuzzleFileImage::versionNumber() const {
    int major = 0, minor = 0;
    if (!parseVersion(header, major, minor)) return 0;
    return major * 10 + minor;
}

int PuzzleFileImage::versionMajor() const {
    int major = 0, minor = 0;
    if (!parseVersion(header, major, minor)) return 0;
    return major;
}

}  // namespace gw
