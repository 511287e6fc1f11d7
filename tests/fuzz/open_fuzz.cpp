// Opening a puzzle builds the whole document from the file: grid, numbering, clues,
// rebus answers, marks and entries. The input describes a file (grids, texts, clues,
// sections), written with correct checksums so that it gets past the reader. Whatever
// the document is built from, it must save a file that opens to the same puzzle, and
// saving that one again must write the very same bytes (nothing drifts between saves).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "doc/ipuz_import.h"
#include "grid_image.h"
#include "ports/core_context.h"
#include "ports/silent_services.h"
#include "print/layout/page_layout.h"

using namespace gw;
using gw::fuzz::check;

namespace {

std::string rebusText(const std::unique_ptr<RebusEntry>& r) {
    return r ? std::to_string(r->kind) + ":" + std::to_string(r->length) + ":" + r->text : "-";
}

void checkSameGrid(const PuzzleGrid& a, const PuzzleGrid& b) {
    check(a.width == b.width && a.height == b.height);
    check(a.letterCellCount == b.letterCellCount && a.filledCellCount == b.filledCellCount);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const GridCell& p = a.cell(x, y);
            const GridCell& q = b.cell(x, y);
            check(p.isLetter == q.isLetter && p.solution == q.solution && p.fill == q.fill);
            check(p.flags == q.flags && p.number == q.number);
            check(rebusText(p.solutionRebus) == rebusText(q.solutionRebus));
            check(rebusText(p.userRebus) == rebusText(q.userRebus));
        }
}

// A text up to the next zero byte of the input (at most `limit` characters).
std::string takeText(fuzz::ByteReader& in, size_t limit) {
    std::string text;
    while (in.size > 0 && text.size() < limit) {
        const char c = char(in.next());
        if (c == '\0') break;
        text += c;
    }
    return text;
}

// The file the input describes, as the bytes a writer would store.
std::vector<uint8_t> describedFile(fuzz::ByteReader& in) {
    static const char* const Tags[] = {"GEXT", "GRBS", "RTBL", "RUSR", "LTIM", "GEXT"};
    PuzzleFileImage image;
    FileHeader& h = image.header;
    std::memcpy(&h.bytes[HdrMagic], FileMagic, sizeof FileMagic);
    const uint8_t shape = in.next(), bits = in.next();
    std::memcpy(&h.bytes[HdrVersion], bits & 0x80 ? "1.2" : "1.3", 4);
    h.bytes[HdrWidth] = uint8_t(1 + shape % 15);
    h.bytes[HdrHeight] = uint8_t(1 + shape / 15 % 15);
    h.bytes[HdrPuzzleType] = 1;
    h.bytes[HdrTypeBits] = uint8_t(bits & 7);
    h.bytes[HdrStateBits] = uint8_t(bits >> 3 & 0x0F);
    const size_t squares = size_t(h.width()) * size_t(h.height());
    for (std::string* grid : {&image.solution, &image.fill})
        for (size_t i = 0; i < squares; ++i) *grid += char(in.next());
    image.title = takeText(in, 200);
    image.author = takeText(in, 200);
    image.copyright = takeText(in, 200);
    const int clues = in.next();
    for (int i = 0; i < clues; ++i) image.clues.push_back(takeText(in, 300));
    h.setU16(HdrClueCount, uint16_t(clues));
    image.notes = takeText(in, 500);
    for (int sections = in.next() % 6; sections > 0; --sections) {
        const char* tag = Tags[in.next() % 6];
        const size_t low = in.next(), high = in.next();
        const size_t length = std::min((low | high << 8) % 2048, in.size);
        if (length > 0) image.setGridSection(tag, in.data, int(length));
        in.data += length;
        in.size -= length;
    }
    return serializePuzzle(image);
}

// The first save keeps the file's texts and every section the document does not
// rebuild itself (tools' sections, the rebus table, a rebus grid of the right size).
void checkNothingLost(const PuzzleFileImage& original, const PuzzleFileImage& saved) {
    check(saved.title == original.title && saved.author == original.author);
    check(saved.copyright == original.copyright && saved.notes == original.notes);
    const size_t squares = size_t(original.header.width()) * size_t(original.header.height());
    for (const ExtraSection& s : original.sections) {
        const std::string tag = s.tag;
        if (tag == "GEXT" || tag == "RUSR" || (tag == "GRBS" && s.data.size() != squares)) continue;
        const ExtraSection* kept = saved.getExtraSection(s.tag);
        check(kept != nullptr && kept->data == s.data);
    }
}

std::vector<uint8_t> saveBytes(PuzzleDocument& doc) {
    PuzzleFileImage* saved = doc.buildImageForSave();
    check(saved != nullptr);
    PuzzleFileImage copy = *saved;
    return serializePuzzle(copy);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 16 * 1024) return 0;
    fuzz::ByteReader in{data, size};
    const std::vector<uint8_t> file = describedFile(in);
    auto image = std::make_unique<PuzzleFileImage>();
    if (!readPuzzleBytes(file.data(), file.size(), *image)) return 0;
    const PuzzleFileImage original = *image;
    SilentServices services;
    core().ui = &services;
    {
        PuzzleDocument doc;
        if (doc.buildFromImage(std::move(image), "fuzzed.puz")) {
            const std::vector<uint8_t> first = saveBytes(doc);
            auto reread = std::make_unique<PuzzleFileImage>();
            check(readPuzzleBytes(first.data(), first.size(), *reread));
            checkNothingLost(original, *reread);
            PuzzleDocument again;
            check(again.buildFromImage(std::move(reread), "again.puz"));
            checkSameGrid(*doc.grid, *again.grid);
            // The printed clue sheet and rebus notes are made from the same texts.
            for (const print::ClueLine& line : print::parseClueSheet(doc.grid->BuildClueSheetLines(6)))
                check(line.heading || line.number.size() >= 3);
            print::rebusFootnotes(*doc.grid, 0x180, doc.isDiagramless);
            check(again.title == doc.title && again.author == doc.author && again.copyright == doc.copyright);
            check(again.notes == doc.notes);
            check(saveBytes(again) == first);
            // Any puzzle can be written as ipuz; reading that back gives a puzzle or a reason.
            std::string message;
            check(convertIpuz(exportIpuz(doc), message) != nullptr || !message.empty());
        }
    }
    core() = CoreContext{};
    return 0;
}
