// Builds binary puzzle files in memory for tests, independently of the program's
// writer, so that reader and writer are each checked against the format itself.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "doc/file_image.h"

namespace gw::test {

struct PuzSection {
    std::string tag;
    std::vector<uint8_t> data;
    bool badChecksum = false;
    uint8_t terminator = 0;
};

struct PuzBuilder {
    int width = 3;
    int height = 3;
    std::string solution = "CAT" "A.A" "TAN";
    std::string fill = "---" "-.-" "---";
    std::string title = "Title";
    std::string author = "Author";
    std::string copyright = "(c)";
    std::vector<std::string> clues = {"Feline", "Kayak", "Pat", "Sun colour"};
    std::string notes;
    bool writeNotes = true;  // the notes string (possibly empty) is present
    std::string version = "1.3";
    uint8_t puzzleType = 1;

    // A 4 by 4 puzzle with every square white and nothing filled in.
    static PuzBuilder allWhite4x4() {
        PuzBuilder b;
        b.width = 4;
        b.height = 4;
        b.solution = "ABCDEFGHIJKLMNOP";
        b.fill = std::string(16, '-');
        b.clues = {"A1", "D1", "D2", "D3", "D4", "A2", "A3", "A4"};
        return b;
    }
    uint8_t typeBits = 0;
    uint8_t stateBits = 0;
    uint16_t scrambledChecksum = 0;
    std::vector<PuzSection> sections;
    // Corruptions.
    bool notesInChecksums = true;  // the default follows the version
    bool followVersionForNotes = true;
    int fileChecksumDelta = 0;
    int maskedDelta = 0;
    int headerChecksumDelta = 0;

    static std::vector<uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

    std::vector<uint8_t> build() const {
        FileHeader h;
        std::memcpy(&h.bytes[HdrMagic], FileMagic, sizeof(FileMagic));
        std::memcpy(&h.bytes[HdrVersion], version.c_str(), std::min<size_t>(version.size(), 3));
        h.setU16(HdrScrambledChecksum, scrambledChecksum);
        h.bytes[HdrWidth] = uint8_t(width);
        h.bytes[HdrHeight] = uint8_t(height);
        h.setU16(HdrClueCount, uint16_t(clues.size()));
        h.bytes[HdrPuzzleType] = puzzleType;
        h.bytes[HdrTypeBits] = typeBits;
        h.bytes[HdrStateBits] = stateBits;

        int major = 0, minor = 0;
        const bool parsed = std::sscanf(version.c_str(), "%d.%d", &major, &minor) == 2;
        const int v = parsed ? major * 10 + minor : 0;
        const bool notesCounted = followVersionForNotes ? v >= 13 : notesInChecksums;

        auto sumZ = [](const std::string& s, uint16_t c) {
            return regionChecksum(reinterpret_cast<const uint8_t*>(s.c_str()), int(s.size()) + 1, c);
        };
        auto text = [&](uint16_t c) {
            if (!title.empty()) c = sumZ(title, c);
            if (!author.empty()) c = sumZ(author, c);
            if (!copyright.empty()) c = sumZ(copyright, c);
            for (const auto& clue : clues) c = regionChecksum(clue, c);
            if (notesCounted && !notes.empty()) c = sumZ(notes, c);
            return c;
        };
        const uint16_t H = uint16_t(regionChecksum(&h.bytes[HdrWidth], 8, 0) + headerChecksumDelta);
        const uint16_t S = regionChecksum(solution, 0);
        const uint16_t F = regionChecksum(fill, 0);
        const uint16_t T = text(0);
        const uint16_t file = uint16_t(text(regionChecksum(fill, regionChecksum(solution, H))) + fileChecksumDelta);
        h.setU16(HdrHeaderChecksum, H);
        h.setU16(HdrFileChecksum, file);
        PuzzleFileImage maskSource;
        const uint16_t parts[4] = {H, S, F, T};
        for (int i = 0; i < 4; ++i) {
            h.bytes[size_t(HdrMaskedLow + i)] = uint8_t(((parts[i] & 0xFF) ^ maskSource.mask[size_t(i)]) + maskedDelta);
            h.bytes[size_t(HdrMaskedHigh + i)] = uint8_t((parts[i] >> 8) ^ maskSource.mask[size_t(4 + i)]);
        }

        std::vector<uint8_t> out(h.bytes.begin(), h.bytes.end());
        // Byte by byte: gcc 12 misreads range inserts into a freshly sized vector.
        auto put = [&](const std::string& s, bool nul) {
            for (char c : s) out.push_back(uint8_t(c));
            if (nul) out.push_back(0);
        };
        if (puzzleType & 1) {
            put(solution, false);
            put(fill, false);
            put(title, true);
            put(author, true);
            put(copyright, true);
            for (const auto& c : clues) put(c, true);
        }
        if (writeNotes) put(notes, true);
        for (const auto& s : sections) {
            for (char c : s.tag) out.push_back(uint8_t(c));
            const size_t n = s.data.size();
            uint16_t sum = regionChecksum(s.data.data(), int(n), 0);
            if (s.badChecksum) sum = uint16_t(sum + 1);
            const uint8_t f[4] = {uint8_t(n), uint8_t(n >> 8), uint8_t(sum), uint8_t(sum >> 8)};
            for (uint8_t c : f) out.push_back(c);
            for (uint8_t c : s.data) out.push_back(c);
            out.push_back(s.terminator);
        }
        return out;
    }
};

}  // namespace gw::test
