// The files that backtest, sweep and sweep-merge write: each goes through the
// save path, and a run writes all of its outputs or none.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

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

}  // namespace
}  // namespace rotacle::sim
