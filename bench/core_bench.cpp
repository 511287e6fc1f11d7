// How fast the core handles a puzzle on the way in: checksums, the binary reader and the
// text importer, on a full 15x15 puzzle (the common newspaper size) and a 39x39 grid.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "doc/file_image.h"
#include "doc/puzzle_reader.h"
#include "doc/puzzle_writer.h"
#include "doc/text_import.h"

namespace {

// A 15x15 text puzzle without blocks: 15 Across and 15 Down words.
std::string textPuzzle() {
    std::string t = "<ORVANE PUZZLE>\n<TITLE>\nBench\n<AUTHOR>\nGridwell\n<COPYRIGHT>\n2026\n<SIZE>\n15x15\n<GRID>\n";
    for (int r = 0; r < 15; ++r) {
        for (int c = 0; c < 15; ++c) t += char('A' + (r * 7 + c * 3) % 26);
        t += '\n';
    }
    t += "<ACROSS>\n";
    for (int i = 0; i < 15; ++i) t += "An across clue of ordinary length, number " + std::to_string(i) + "\n";
    t += "<DOWN>\n";
    for (int i = 0; i < 15; ++i) t += "A down clue of ordinary length, number " + std::to_string(i) + "\n";
    t += "<NOTEPAD>\nA few words of notes.\n";
    return t;
}

std::unique_ptr<gw::PuzzleFileImage> importText(const std::string& text) {
    gw::TextPuzzle tp;
    if (!gw::parseTextPuzzleText(text, tp) || !gw::checkTextPuzzle(tp)) return nullptr;
    return gw::convertTextPuzzle(tp);
}

void RegionChecksum39x39(benchmark::State& state) {
    std::vector<uint8_t> grid(39 * 39);
    for (size_t i = 0; i < grid.size(); ++i) grid[i] = uint8_t('A' + i % 26);
    for (auto _ : state) benchmark::DoNotOptimize(gw::regionChecksum(grid.data(), int(grid.size()), 0));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(grid.size()));
}
BENCHMARK(RegionChecksum39x39);

void ImportText15x15(benchmark::State& state) {
    const std::string text = textPuzzle();
    if (!importText(text)) {
        state.SkipWithError("the bench puzzle does not import");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(importText(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(ImportText15x15);

void ReadBinary15x15(benchmark::State& state) {
    std::unique_ptr<gw::PuzzleFileImage> image = importText(textPuzzle());
    if (!image) {
        state.SkipWithError("the bench puzzle does not import");
        return;
    }
    const std::vector<uint8_t> bytes = gw::serializePuzzle(*image);
    {
        gw::PuzzleFileImage check;
        if (!gw::readPuzzleBytes(bytes.data(), bytes.size(), check)) {
            state.SkipWithError("the written puzzle does not read back");
            return;
        }
    }
    for (auto _ : state) {
        gw::PuzzleFileImage read;
        benchmark::DoNotOptimize(gw::readPuzzleBytes(bytes.data(), bytes.size(), read));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(ReadBinary15x15);

}  // namespace

BENCHMARK_MAIN();
