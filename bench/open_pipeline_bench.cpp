// Cost of opening a puzzle (read, verify checksums, build the document, number the
// grid, build the clue set) against merely reading the same file into memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "doc/puzzle_document.h"
#include "doc/puzzle_grid.h"
#include "doc/puzzle_reader.h"
#include "doc/puzzle_writer.h"
#include "ports/core_context.h"

using namespace gw;

namespace {

std::string g_path;

// A 39x39 puzzle with blocks, a half-filled grid, circles and a tool section.
std::string makeStressPuzzle() {
    const int n = MaxGridSize;
    PuzzleFileImage image;
    FileHeader& h = image.header;
    std::memcpy(&h.bytes[HdrMagic], FileMagic, sizeof(FileMagic));
    std::memcpy(&h.bytes[HdrVersion], "1.3", 4);
    h.bytes[HdrWidth] = uint8_t(n);
    h.bytes[HdrHeight] = uint8_t(n);
    h.bytes[HdrPuzzleType] = 1;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool block = (x * 7 + y * 3) % 11 == 0;
            image.solution.push_back(block ? '.' : char('A' + (x + 2 * y) % 26));
            image.fill.push_back(block ? '.' : ((x + y) % 2 ? '-' : char('A' + (x + 2 * y) % 26)));
        }
    const PuzzleGrid numbered(n, n, image.solution, image.fill, 0, nullptr, nullptr, nullptr, nullptr, 0);
    const int clues = numbered.CountWordStarts();
    h.setU16(HdrClueCount, uint16_t(clues));
    for (int i = 0; i < clues; ++i) image.clues.push_back("Clue number " + std::to_string(i) + " of the stress grid");
    image.title = "Stress 39";
    image.author = "Bench";
    image.notes = "Generated";
    std::vector<uint8_t> gext(size_t(n * n), 0);
    for (size_t i = 0; i < gext.size(); i += 5) gext[i] = 0x80;
    image.setGridSection("GEXT", gext.data(), int(gext.size()));
    const uint8_t ltim[] = {'1', '2', '3', ',', '0'};
    image.setExtraSection("LTIM", ltim, 5);
    const std::string path = (std::filesystem::temp_directory_path() / "gw_stress39_bench.puz").string();
    writePuzzleFile(path, image);
    return path;
}

std::vector<uint8_t> readAll(const std::string& path) {
    std::vector<uint8_t> out;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return out;
    uint8_t buf[8192];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + got);
    std::fclose(f);
    return out;
}

void BM_ReadFileIntoMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto bytes = readAll(g_path);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadFileIntoMemory);

void BM_OpenPuzzle(benchmark::State& state) {
    PuzzleDocument doc;
    core().document = &doc;
    for (auto _ : state) {
        if (!doc.open(g_path)) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.grid.get());
        doc.close();
    }
    core().document = nullptr;
}
BENCHMARK(BM_OpenPuzzle);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> times, cpu;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            times[r.benchmark_name()] = r.GetAdjustedRealTime();
            cpu[r.benchmark_name()] = r.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    // GW_STRESS_PUZ names another puzzle to measure; else the sample, else a generated grid.
    const char* chosen = std::getenv("GW_STRESS_PUZ");
    const std::string sample = chosen ? chosen : std::string(GW_SOURCE_DIR) + "/samples/stress39.puz";
    g_path = std::filesystem::exists(sample) ? sample : makeStressPuzzle();
    std::printf("puzzle: %s\n", g_path.c_str());
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double read = reporter.times["BM_ReadFileIntoMemory"];
    const double open = reporter.times["BM_OpenPuzzle"];
    if (read > 0 && open > 0) {
        std::printf("open / plain read, wall time = %.2f (goal <= 4)\n", open / read);
        std::printf("open / plain read, CPU time  = %.2f\n",
                    reporter.cpu["BM_OpenPuzzle"] / reporter.cpu["BM_ReadFileIntoMemory"]);
    }
    benchmark::Shutdown();
    return 0;
}
