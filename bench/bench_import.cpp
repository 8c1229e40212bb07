// Import of a long number file against plainly reading and parsing it, and
// the rank-order matrix build against its literal replay.
#include <benchmark/benchmark.h>

#include <charconv>
#include <filesystem>
#include <fstream>

#include "core/text_file.h"
#include "import/import_panel.h"
#include "import/page_text.h"
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
        engine.Image_Import2Click();
        platform.dialog_answer = path;
        engine.Image_LoadFromFile2Click();
        engine.Button_ProcessClick();
        if (engine.board().NumbersList().size() != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("import");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportNumberFile)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A live-casino history page of about 5 MB: a grid of result cells, some
// with a multiplier, amid scripts, styles and hidden rows.
std::string HistoryPage() {
    std::string page =
        "<!DOCTYPE html><html><head><title>History</title><style>.c{display:inline}</style>"
        "<script>var config = {a: 1, b: [1,2,3]};</script></head><body><div id=\"grid\">";
    rotacle::LcgRandom rng;
    rng.Seed(7);
    while (page.size() < 5'000'000) {
        page += "<div class=\"row\"><div class=\"cell\"><span class=\"n\">" + std::to_string(rng.Next(37)) +
                "</span>";
        if (rng.Next(5) == 0)
            page += "<span class=\"m\">" + std::to_string(50 * (1 + rng.Next(20))) + "x</span>";
        page += "</div><div class=\"cell\" style=\"display:none\">99</div><td>&nbsp;</td></div>\n";
    }
    return page + "</div></body></html>";
}

// Page to text and the number parse of the import, for a 5 MB page.
void BM_PageToTextAndParse(benchmark::State& state) {
    const std::string page = HistoryPage();
    rotacle::ImportPanel panel;
    for (auto _ : state) {
        panel.SetRawList(rotacle::SplitLines(rotacle::PageToText(page)));
        panel.ParseRawList();
        benchmark::DoNotOptimize(panel.Import_List().size());
    }
    state.counters["numbers"] = static_cast<double>(panel.Import_List().size());
    state.counters["page_MB"] = static_cast<double>(page.size()) / 1e6;
}
BENCHMARK(BM_PageToTextAndParse)->Unit(benchmark::kMillisecond);

// Hostile pages of about 1 MB each: one tag flooded with attributes, deep
// nesting, and misnested formatting. Each must stay far below a second.
void BM_PageToTextHostile(benchmark::State& state) {
    std::string page;
    switch (state.range(0)) {
        case 0:
            page = "<div";
            for (int i = 0; page.size() < 1'000'000; ++i) page += " a" + std::to_string(i) + "=1";
            page += ">17</div>";
            break;
        case 1:
            while (page.size() < 1'000'000) page += "<div><span>";
            page += "17";
            break;
        default:
            while (page.size() < 1'000'000) page += "<b><i></b></i>";
            page += "17";
            break;
    }
    for (auto _ : state) benchmark::DoNotOptimize(rotacle::PageToTextInProcess(page).size());
    state.SetLabel(state.range(0) == 0   ? "attribute flood"
                   : state.range(0) == 1 ? "deep nesting"
                                         : "misnested");
}
BENCHMARK(BM_PageToTextHostile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
