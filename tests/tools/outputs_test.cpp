// The files that backtest, sweep and sweep-merge write: each goes through the
// save path, and a run writes all of its outputs or none.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <thread>

#include "core/text_file.h"
#include "tools/backtest.h"
#include "tools/sweep.h"

namespace rotacle::sim {
namespace {

namespace fs = std::filesystem;

enum class Command { Backtest, Sweep, Merge };

class RunOutputs : public ::testing::Test {
protected:
    const fs::path dir = [] {
        const fs::path d = fs::path(ROTACLE_TEST_SCRATCH) / "outputs";
        fs::remove_all(d);
        fs::create_directories(d);
        return d;
    }();
    const std::string history = std::string(ROTACLE_TEST_DATA) + "/spins/series1.txt";
    const std::string grid = [this] {
        const fs::path p = dir / "grid.json";
        std::ofstream(p) << R"({"SafeLevel": [0, 2]})";
        return p.string();
    }();

    // Runs the command with its outputs at `paths` ("" for none).
    int Run(Command command, const std::array<std::string, 3>& paths, const std::string& shard = "") {
        std::ostringstream out;
        err.str("");
        if (command == Command::Backtest) {
            BacktestOptions o;
            o.numbers_file = history;
            o.csv_file = paths[0];
            o.chart_file = paths[1];
            o.progress = false;
            return RunBacktest(o, out, err);
        }
        if (command == Command::Sweep) {
            SweepOptions o;
            o.grid_file = grid;
            o.histories = {history};
            o.csv_file = paths[0];
            o.summary_file = paths[1];
            o.chart_file = paths[2];
            o.shard = shard;
            o.progress = false;
            return RunSweep(o, out, err);
        }
        MergeOptions o;
        o.out_file = paths[0];
        o.summary_file = paths[1];
        o.chart_file = paths[2];
        o.parts = {(dir / "part-1.csv").string(), (dir / "part-0.csv").string()};
        return RunSweepMerge(o, out, err);
    }

    std::ostringstream err;
};

std::set<std::string> Entries(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

// For every output of every command: a FIFO is refused and stays, and no
// other output of the run is written; a link is written through with the
// mode of its file kept; two outputs leading to one file are refused.
TEST_F(RunOutputs, EveryOutputGoesThroughTheSavePath) {
    ASSERT_EQ(Run(Command::Sweep, {(dir / "part-0.csv").string(), "", ""}, "0/2"), 0) << err.str();
    ASSERT_EQ(Run(Command::Sweep, {(dir / "part-1.csv").string(), "", ""}, "1/2"), 0) << err.str();
    const char* const names[] = {"a.out", "b.out", "c.out"};
    enum class Kind { Fifo, Link, SameFile };
    int case_no = 0;
    for (const auto& [command, slots] :
         {std::pair{Command::Backtest, 2}, std::pair{Command::Sweep, 3}, std::pair{Command::Merge, 3}}) {
        for (int slot = 0; slot < slots; ++slot) {
            for (const Kind kind : {Kind::Fifo, Kind::Link, Kind::SameFile}) {
                SCOPED_TRACE(testing::Message() << "command " << static_cast<int>(command) << " output "
                                                << slot << " kind " << static_cast<int>(kind));
                const fs::path here = dir / ("case-" + std::to_string(case_no++));
                fs::create_directories(here);
                std::array<std::string, 3> paths{};
                for (int k = 0; k < slots; ++k)
                    paths[static_cast<std::size_t>(k)] = (here / names[k]).string();
                const std::string& p = paths[static_cast<std::size_t>(slot)];
                std::set<std::string> left;  // what a refused run leaves
                if (kind == Kind::Fifo) {
                    ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
                    left = {names[slot]};
                } else if (kind == Kind::Link) {
                    std::ofstream(here / "real") << "old";
                    fs::permissions(here / "real", fs::perms(0600));
                    fs::create_symlink("real", p);
                } else {
                    // A second name of the next output, through a link to it.
                    const std::string& other = paths[static_cast<std::size_t>((slot + 1) % slots)];
                    fs::create_symlink(fs::path(other).filename(), p);
                    left = {names[slot]};
                }

                const int code = Run(command, paths);
                if (kind == Kind::Link) {
                    ASSERT_EQ(code, 0) << err.str();
                    EXPECT_TRUE(fs::is_symlink(p));
                    EXPECT_NE(ReadFileText((here / "real").string()), "old");
                    EXPECT_EQ(fs::status(here / "real").permissions() & fs::perms::mask, fs::perms(0600));
                    continue;
                }
                EXPECT_EQ(code, 1);
                const std::string reason =
                    kind == Kind::Fifo ? "\"" + p + "\". Not a regular file" : "\". The same file as \"";
                EXPECT_NE(err.str().find("Cannot create file "), std::string::npos) << err.str();
                EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
                EXPECT_NE(err.str().find(p), std::string::npos) << err.str();
                EXPECT_EQ(Entries(here), left);
                if (kind == Kind::Fifo) {
                    EXPECT_TRUE(fs::is_fifo(p));
                }
            }
        }
    }
}

// A sweep's output that is one of its inputs (a part of the merge, a history
// of the sweep, through any name) is refused and the input stays.
TEST_F(RunOutputs, AnOutputThatIsAnInputIsRefused) {
    const std::string part0 = (dir / "part-0.csv").string(), part1 = (dir / "part-1.csv").string();
    ASSERT_EQ(Run(Command::Sweep, {part0, "", ""}, "0/2"), 0) << err.str();
    ASSERT_EQ(Run(Command::Sweep, {part1, "", ""}, "1/2"), 0) << err.str();
    const std::string copy = (dir / "history.txt").string();
    fs::copy_file(history, copy);
    fs::create_symlink("part-1.csv", dir / "link.csv");
    const struct {
        const char* name;
        std::function<int()> run;
        std::string input;
    } rows[] = {
        {"merge over its first part",
         [&] {
             MergeOptions o;
             o.out_file = part0;
             o.parts = {part0, part0, part1};
             return RunSweepMerge(o, std::cout, err);
         },
         part0},
        {"summary through a link to a part",
         [&] {
             MergeOptions o;
             o.out_file = (dir / "merged.csv").string();
             o.summary_file = (dir / "link.csv").string();
             o.parts = {part0, part1};
             return RunSweepMerge(o, std::cout, err);
         },
         part1},
        {"sweep over its history",
         [&] {
             SweepOptions o;
             o.grid_file = grid;
             o.histories = {copy};
             o.csv_file = copy;
             o.progress = false;
             return RunSweep(o, std::cout, err);
         },
         copy},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string before = ReadFileText(row.input);
        err.str("");
        EXPECT_EQ(row.run(), 1);
        EXPECT_NE(err.str().find("The same file as the input"), std::string::npos) << err.str();
        EXPECT_EQ(ReadFileText(row.input), before);
        EXPECT_FALSE(fs::exists(dir / "merged.csv"));
    }
}

// Saves to one file at the same time: each writes a file of its own and the
// target is always one whole text, never a mix nor a text cut short; a save
// under way keeps its file from the next one, even when it has not written
// for long; nothing is left behind.
TEST(Saves, SavesAtTheSameTimeNeverShareATemporaryFile) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "concurrent-saves";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string target = (dir / "same.csv").string();
    const auto text = [](char c) { return std::string(std::size_t{1} << 20, c); };

    // Two saves open at once, finished in turn.
    {
        AtomicFileStream first(target);
        AtomicFileStream second(target);
        ASSERT_EQ(TemporaryFilesFor(target).size(), 2u);
        // The first one idle for an hour: still not a leftover.
        for (const std::string& t : TemporaryFilesFor(target))
            fs::last_write_time(t, fs::file_time_type::clock::now() - std::chrono::hours(1));
        AtomicFileStream third(target);
        EXPECT_EQ(TemporaryFilesFor(target).size(), 3u);
        third.Commit();
        first << text('a');
        second << text('b').substr(0, 1000);
        first.Commit();
        EXPECT_EQ(ReadFileText(target), text('a'));
        second << text('b').substr(1000);
        second.Commit();
        EXPECT_EQ(ReadFileText(target), text('b'));
    }

    // Many at once on threads.
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (char c = 'c'; c < 'c' + 6; ++c)
        threads.emplace_back([&, c] {
            for (int k = 0; k < 5; ++k) {
                try {
                    AtomicFileStream save(target);
                    const std::string t = text(c);
                    for (std::size_t at = 0; at < t.size(); at += 4096) save << t.substr(at, 4096);
                    save.Commit();
                } catch (const std::exception&) {
                    ++failures;
                }
                const std::string now = ReadFileText(target);
                if (now.size() != std::size_t{1} << 20 || now.find_first_not_of(now[0]) != std::string::npos)
                    ++failures;
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(TemporaryFilesFor(target).empty());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rotacle::sim
