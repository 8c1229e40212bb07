// The driver's command line as a user meets it: seeds outside 0..2^64-1 are
// refused by every subcommand that takes one instead of wrapping around, and
// a run too long to end keeps going in flat memory instead of aborting.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace rotacle {
namespace {

namespace fs = std::filesystem;

// Starts rotacle-sim with `args`, standard output to /dev/null and standard
// error to `err_file`.
pid_t Start(const std::vector<std::string>& args, const fs::path& err_file) {
    std::vector<char*> argv{const_cast<char*>(ROTACLE_SIM)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        const int err = ::open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(null, 1);
        ::dup2(err, 2);
        ::execv(ROTACLE_SIM, argv.data());
        ::_exit(127);
    }
    return child;
}

struct Ended {
    int code;
    std::string err;
};

Ended RunSim(const std::vector<std::string>& args, const fs::path& dir) {
    const fs::path err_file = dir / "stderr.txt";
    const pid_t child = Start(args, err_file);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::ifstream in(err_file);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
            std::string(std::istreambuf_iterator<char>(in), {})};
}

fs::path Scratch() {
    const fs::path d = fs::path(ROTACLE_TEST_SCRATCH) / "driver" /
                       ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(d);
    fs::create_directories(d);
    return d;
}

TEST(Driver, SeedsOutsideTheirRangeAreRefused) {
    const fs::path dir = Scratch();
    std::ofstream(dir / "grid.json") << R"({"SafeLevel": [1]})";
    const std::vector<std::vector<std::string>> commands = {
        {"backtest", "--random", "20", "--no-progress", "--seed"},
        {"sweep", (dir / "grid.json").string(), "--random", "20", "--no-progress", "--seed"},
        {"risk", "--sessions", "2", "--spins-max", "20", "--no-progress", "--seed"},
    };
    const struct {
        const char* seed;
        int code;  ///< 105: the command line's own refusal
    } rows[] = {
        {"-1", 105},
        {"-5", 105},
        {"18446744073709551616", 105},
        {"99999999999999999999999", 105},
        {"+5", 105},
        {" 5", 105},
        {"1e3", 105},
        {"18446744073709551615", 0},
        {"0", 0},
    };
    for (const auto& command : commands) {
        for (const auto& row : rows) {
            SCOPED_TRACE(command[0] + " --seed '" + row.seed + "'");
            std::vector<std::string> args = command;
            args.emplace_back(row.seed);
            const Ended e = RunSim(args, dir);
            EXPECT_EQ(e.code, row.code) << e.err;
            if (row.code != 0) {
                EXPECT_NE(e.err.find(std::string("--seed: '") + row.seed +
                                     "' is not a seed: a whole number from 0 to 18446744073709551615"),
                          std::string::npos)
                    << e.err;
            }
        }
    }
    // The sweep's runs draw with seeds S + r: none of them may wrap either.
    const Ended wrap = RunSim({"sweep", (dir / "grid.json").string(), "--random", "20", "--runs", "2",
                               "--no-progress", "--seed", "18446744073709551615"},
                              dir);
    EXPECT_EQ(wrap.code, 1);
    EXPECT_NE(wrap.err.find("go beyond 18446744073709551615"), std::string::npos) << wrap.err;
}

// Runs that cannot end in any lifetime still start, show nothing wrong and
// hold their memory flat; a risk run where no money can move is refused.
TEST(Driver, EndlessRunsKeepFlatMemoryOrAreRefused) {
    const fs::path dir = Scratch();
    const pid_t child =
        Start({"backtest", "--random", "9223372036854775807", "--no-progress"}, dir / "e.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, WNOHANG), 0) << "ended with status " << status;
    std::ifstream proc("/proc/" + std::to_string(child) + "/status");
    long rss_kb = -1;
    for (std::string line; std::getline(proc, line);)
        if (line.rfind("VmRSS:", 0) == 0) rss_kb = std::stol(line.substr(6));
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    EXPECT_GT(rss_kb, 0);
    EXPECT_LT(rss_kb, 200 * 1024);

    const Ended zero = RunSim(
        {"risk", "--sessions", "4", "--spins-max", "9223372036854775807", "--no-progress", "Init_Bet=0"},
        dir);
    EXPECT_EQ(zero.code, 1);
    EXPECT_NE(zero.err.find("Init_Bet: '0' is refused: '0' is not a valid amount: the smallest is 0.01"),
              std::string::npos)
        << zero.err;
}

}  // namespace
}  // namespace rotacle
