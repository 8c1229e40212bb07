// The page reader on the pages that cost it most: a history page at the size
// limit, a page nested 100,000 deep and a flex strip of 100,000 cells. Each
// run starts the browser engine afresh, as a paste does. Reported: the time
// of a read and the most memory the reader's processes held together
// (page_MB, peak_MB). A page nested 10,000 deep shows how the cost of nesting
// grows: the engine's parser scans its stack of open elements for every block.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/platform.h"
#include "core/text_file.h"
#include "import/import_panel.h"
#include "import/page_text.h"

namespace {

namespace fs = std::filesystem;

// A history grid of result cells, some with a multiplier badge, amid
// scripts, styles and hidden cells, filled to exactly the size limit.
std::string LargestPage() {
    std::string page =
        "<!DOCTYPE html><html><head><title>History</title><style>.c{display:inline}.h{display:none}</style>"
        "<script>var config = {a: 1, b: [1,2,3]};</script></head><body><div id=\"grid\">";
    rotacle::LcgRandom rng;
    rng.Seed(7);
    const std::string tail = "</div></body></html>";
    for (;;) {
        std::string row = "<div class=\"row\"><div class=\"cell\"><span class=\"n\">" +
                          std::to_string(rng.Next(37)) + "</span>";
        if (rng.Next(5) == 0)
            row += "<span class=\"m\">" + std::to_string(50 * (1 + rng.Next(20))) + "x</span>";
        row += "</div><div class=\"cell h\">99</div></div>\n";
        if (page.size() + row.size() + tail.size() > rotacle::kPageSizeLimit) break;
        page += row;
    }
    page += tail;
    page.resize(rotacle::kPageSizeLimit, '\n');
    return page;
}

std::string DeepPage() {
    std::string page;
    for (int i = 0; i < 100'000; ++i) page += "<div>";
    return page + "17";
}

// 100,000 flex cells, each with a badge that a class hides.
std::string FlexPage() {
    std::string page = "<style>.s{display:flex}.b{display:none}</style><div class=s>";
    for (int i = 0; i < 100'000; ++i)
        page += "<span>" + std::to_string(i % 37) + "</span><span class=b>" +
                std::to_string(100 * (i % 5 + 1)) + "x</span>";
    return page + "</div>";
}

// The read as a paste runs it, but with ten minutes instead of the program's
// 30 seconds, so that a page that takes longer shows how long it takes:
// within_limits tells whether the program's limits would have let it finish.
void BM_ReadPage(benchmark::State& state) {
    const char* const names[] = {"largest", "deep", "flex", "deep 10,000"};
    const auto which = static_cast<std::size_t>(state.range(0));
    const fs::path path =
        fs::temp_directory_path() / ("rotacle-bench-page-" + std::to_string(which) + ".html");
    {
        std::string page = which == 0 ? LargestPage() : which == 2 ? FlexPage() : DeepPage();
        if (which == 3) page = page.substr(page.size() - 10'000 * 5 - 2);
        std::ofstream(path, std::ios::binary) << page;
    }
    rotacle::PageReadUsage usage;
    double peak = 0, seconds = 0;
    rotacle::ImportPanel panel;
    for (auto _ : state) {
        try {
            const std::string text =
                rotacle::detail::RunPageReader({rotacle::FindPageReader(), "--size-first", path.string()},
                                               600'000, rotacle::kPageMemoryLimit, &usage);
            panel.ReadPage(rotacle::SplitLines(text));
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
            break;
        }
        peak = std::max(peak, static_cast<double>(usage.peakMemory));
        seconds = std::max(seconds, usage.seconds);
    }
    state.counters["page_MB"] = static_cast<double>(fs::file_size(path)) / (1 << 20);
    state.counters["peak_MB"] = peak / (1 << 20);
    state.counters["numbers"] = static_cast<double>(panel.Import_List().size());
    state.counters["within_limits"] = seconds * 1000 <= rotacle::kPageTimeoutMs ? 1 : 0;
    state.SetLabel(names[which]);
    fs::remove(path);
}
BENCHMARK(BM_ReadPage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
