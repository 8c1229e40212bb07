// Cost of the session journal: one spin through the driver with every action
// written to a journal file, against the same without; a resume of a journal
// of 100,000 actions; and the summary that the start of the window offers a
// session back with, for a journal of about 980 KB of mode-1 runs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "engine/journal_summary.h"
#include "journal/journal.h"
#include "tools/session.h"

namespace {

namespace fs = std::filesystem;

fs::path Scratch(const char* name) { return fs::temp_directory_path() / name; }

// "spin N" lines through the driver; with a journal, every action (the spin,
// the end of its run, the refreshes that changed the game) is one record
// written at once.
void BM_DriverSpinJournaled(benchmark::State& state) {
    const bool journaled = state.range(0) != 0;
    const fs::path path = Scratch("rotacle-bench.journal");
    fs::remove(path);
    rotacle::sim::Session session(".");
    std::optional<rotacle::JournalWriter> writer;
    if (journaled) {
        writer.emplace(path.string());
        session.Engine().SetJournal(&*writer);
    }
    std::mt19937 rng(5);
    std::int64_t line = 0;
    for (auto _ : state) session.RunLine("spin " + std::to_string(rng() % 37), ++line);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(journaled ? "journaled" : "no journal");
    session.Engine().SetJournal(nullptr);
    writer.reset();
    fs::remove(path);
}
BENCHMARK(BM_DriverSpinJournaled)->Arg(0)->Arg(1);

// Reading and replaying a journal of 100,000 actions (spins with their runs,
// undo, skip and stake changes) into a fresh driver.
void BM_Resume100k(benchmark::State& state) {
    const fs::path path = Scratch("rotacle-resume.journal");
    fs::remove(path);
    {
        struct Counting : rotacle::ActionSink {
            rotacle::JournalWriter& writer;
            std::size_t count = 0;
            explicit Counting(rotacle::JournalWriter& w) : writer(w) {}
            void Record(std::string_view action) noexcept override {
                ++count;
                writer.Record(action);
            }
        };
        rotacle::sim::Session session(".");
        rotacle::JournalWriter writer(path.string());
        Counting counting(writer);
        session.Engine().SetJournal(&counting);
        std::mt19937 rng(9);
        std::int64_t line = 0;
        // Each spin from the fifth on journals its run's end too.
        while (counting.count < 100'000) {
            const auto roll = rng() % 100;
            const std::string cmd = roll < 88   ? "spin " + std::to_string(rng() % 37)
                                    : roll < 93 ? std::string("undo")
                                    : roll < 97 ? std::string("skip")
                                                : "set Init_Bet " + std::to_string(1 + rng() % 3);
            session.RunLine(cmd, ++line);
        }
        session.Engine().SetJournal(nullptr);
    }
    std::size_t actions = 0;
    for (auto _ : state) {
        const rotacle::JournalContents j = rotacle::ReadJournal(path.string());
        rotacle::sim::Session resumed(".");
        actions = resumed.Replay(j.actions);
        benchmark::DoNotOptimize(resumed.Engine().State().Bankroll);
    }
    state.counters["actions"] = static_cast<double>(actions);
    fs::remove(path);
}
BENCHMARK(BM_Resume100k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The summary behind the question "Resume the last session?" for a journal
// of mode-1 runs of about 980 KB: with their draws as the program journals
// them (arg 1), and without (arg 0), as a hand-made journal has them.
void BM_SummaryOfMode1Journal(benchmark::State& state) {
    const bool with_draws = state.range(0) != 0;
    std::vector<std::string> actions;
    if (with_draws) {
        rotacle::sim::Session session(".");
        struct Memory : rotacle::ActionSink {
            std::vector<std::string>& lines;
            std::size_t bytes = 0;
            explicit Memory(std::vector<std::string>& l) : lines(l) {}
            void Record(std::string_view action) noexcept override {
                lines.emplace_back(action);
                bytes += action.size() + 10;
            }
        } memory(actions);
        session.Engine().SetJournal(&memory);
        session.RunLine("mode 1", 1);
        std::mt19937 rng(3);
        for (std::int64_t line = 2; memory.bytes < 980'000; ++line)
            session.RunLine("spin " + std::to_string(rng() % 37), line);
        session.Engine().SetJournal(nullptr);
    } else {
        actions.emplace_back("mode 1");
        for (int i = 0; i < 980'000 / 27; ++i) {
            actions.push_back("spin " + std::to_string(i % 37));
            actions.emplace_back("run-end");
        }
    }
    std::size_t numbers = 0;
    for (auto _ : state) numbers = rotacle::SummarizeJournal(actions).numbers;
    state.counters["numbers"] = static_cast<double>(numbers);
    state.SetLabel(with_draws ? "journaled draws" : "no draws");
}
BENCHMARK(BM_SummaryOfMode1Journal)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
