// A small puzzle image whose shape the fuzzer picks, for the targets that feed one of
// the grid's own sections through the document: open, save, read back, open again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "doc/file_image.h"
#include "doc/puzzle_document.h"
#include "doc/puzzle_reader.h"
#include "doc/puzzle_writer.h"

namespace gw::fuzz {

inline void check(bool ok) {
    if (!ok) __builtin_trap();
}

// What every importer's image must be: a grid the program takes, its two texts one
// character per square, and as many clues as its header counts.
inline void checkImportedShape(const PuzzleFileImage& image) {
    const int w = image.header.width(), h = image.header.height();
    check(w >= 1 && w <= 39 && h >= 1 && h <= 39);
    const size_t cells = size_t(w) * size_t(h);
    check(image.solution.size() == cells && image.fill.size() == cells);
    check(image.clues.size() == size_t(image.header.clueCount()));
}

// Takes bytes off the front of the input; zeros once it is used up.
struct ByteReader {
    const uint8_t* data;
    size_t size;
    uint8_t next() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
};

// A w x h grid with blocks where `shape` has bits set (every other cell a letter),
// some cells filled, and one clue per word start so that it opens without a warning.
inline std::unique_ptr<PuzzleFileImage> makeGridImage(ByteReader& in) {
    const int w = 1 + in.next() % 13, h = 1 + in.next() % 13;
    auto image = std::make_unique<PuzzleFileImage>();
    FileHeader& hd = image->header;
    std::memcpy(&hd.bytes[HdrMagic], FileMagic, sizeof FileMagic);
    std::memcpy(&hd.bytes[HdrVersion], "1.3", 4);
    hd.bytes[HdrWidth] = uint8_t(w);
    hd.bytes[HdrHeight] = uint8_t(h);
    hd.bytes[HdrPuzzleType] = 1;
    uint8_t shape = 0;
    for (int i = 0; i < w * h; ++i) {
        if (i % 8 == 0) shape = in.next();
        const bool block = (shape >> (i % 8)) & 1 && i % 2;
        image->solution += block ? '.' : char('A' + i % 26);
        image->fill += block ? '.' : (i % 3 == 0 ? char('A' + i % 26) : '-');
    }
    auto white = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && image->solution[size_t(y * w + x)] != '.'; };
    int starts = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!white(x, y)) continue;
            starts += !white(x - 1, y) && white(x + 1, y);
            starts += !white(x, y - 1) && white(x, y + 1);
        }
    hd.setU16(HdrClueCount, uint16_t(starts));
    image->clues.assign(size_t(starts), "clue");
    image->title = "Fuzzed";
    return image;
}

// Saves the open document to bytes, reads them back and opens them in `again`.
inline void saveAndReopen(PuzzleDocument& doc, PuzzleDocument& again) {
    PuzzleFileImage* saved = doc.buildImageForSave();
    check(saved != nullptr);
    PuzzleFileImage copy = *saved;
    const std::vector<uint8_t> bytes = serializePuzzle(copy);
    auto reread = std::make_unique<PuzzleFileImage>();
    check(readPuzzleBytes(bytes.data(), bytes.size(), *reread));
    check(again.buildFromImage(std::move(reread), "again.puz"));
}

}  // namespace gw::fuzz
