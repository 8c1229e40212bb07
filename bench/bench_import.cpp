// Import of a long number file against plainly reading and parsing it, and
// the rank-order matrix build against its literal replay.
#include <benchmark/benchmark.h>

#include <charconv>
#include <filesystem>
#include <fstream>

#include "core/text_file.h"
#include "import/import_panel.h"
#include "tools/session.h"

namespace {

namespace fs = std::filesystem;

// A number file of `lines` numbers in the temporary folder, written once.
std::string NumberFile(std::int64_t lines) {
    const fs::path path = fs::temp_directory_path() / ("rotacle-bench-" + std::to_string(lines) + ".txt");
    if (!fs::exists(path)) {
        rotacle::LcgRandom rng;
        rng.Seed(42);
        std::string text;
        for (std::int64_t i = 0; i < lines; ++i) text += std::to_string(rng.Next(37)) + "\r\n";
        std::ofstream(path, std::ios::binary) << text;
    }
    return path.string();
}

// The floor to compare against: read the file and parse every line into a
// vector of integers.
void BM_ReadAndParseNumbers(benchmark::State& state) {
    const std::string path = NumberFile(state.range(0));
    for (auto _ : state) {
        const std::string text = rotacle::ReadFileText(path);
        std::vector<int> numbers;
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) {
            int v = 0;
            const auto r = std::from_chars(p, end, v);
            numbers.push_back(v);
            p = r.ptr;
            while (p < end && (*p == '\r' || *p == '\n')) ++p;
        }
        benchmark::DoNotOptimize(numbers.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadAndParseNumbers)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The player's import: open the panel, load the file, click IMPORT.
void BM_ImportNumberFile(benchmark::State& state) {
    const std::string path = NumberFile(state.range(0));
    for (auto _ : state) {
        rotacle::sim::SimPlatform platform;
        rotacle::Engine engine(platform);
        engine.OpenImportPanel();
        platform.dialog_answer = path;
        engine.LoadNumberFile();
        engine.ImportListedNumbers();
        if (engine.Board().NumbersList().size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("import");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportNumberFile)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
