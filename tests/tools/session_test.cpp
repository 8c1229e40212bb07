// The session driver in-process: script grammar, malformed lines, errors in
// the state line, virtual time and the quiet mode; and the driver as a program
// killed while its page reader runs.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <thread>
#include <utility>

#include "core/text_file.h"
#include "tools/session.h"

namespace rotacle::sim {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Result {
    int exit_code = 0;
    std::vector<json> lines;
    std::string err;
};

Result RunSim(const std::string& script, bool quiet = false,
              const fs::path& base = fs::temp_directory_path()) {
    std::istringstream in(script);
    std::ostringstream out, err;
    Result r;
    r.exit_code = RunScript(in, base, out, err, quiet);
    for (const auto& line : SplitLines(out.str())) r.lines.push_back(json::parse(line));
    r.err = err.str();
    return r;
}

TEST(SessionDriver, StateLineCarriesTheContractKeys) {
    const Result r = RunSim("spin 5\n");
    ASSERT_EQ(r.exit_code, 0);
    ASSERT_EQ(r.lines.size(), 1u);
    const json& j = r.lines[0];
    std::istringstream keys(
        "line Spins_Count Undo_Counter Engine_Ready Game_Mode Matrix_Pending Bet_Field Bankroll "
        "Bet_Size Reset_Target Profit_Target Losses_Amount Wins_Amount Phase_Threshold "
        "Phase_Base Losses_Units Wins_Units Rules_Edit_Flag Flat_Index Bets_Played Wins_Count "
        "Wins_In_Row Losses_Count Losses_In_Row Units_Drawdown Units_Profit Miss_Streak "
        "DeepScan_Number DeepScan_Family DeepScan_Step Matrix_Bets_Played Pattern_Position "
        "history last strip chips undo_offered Label_Bankroll Label_BetsPlayed");
    for (std::string key; keys >> key;) EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_FALSE(j.contains("error"));
    EXPECT_EQ(j["line"], 1);
    EXPECT_EQ(j["last"], 5);
    EXPECT_EQ(j["strip"].size(), 9u);
    EXPECT_EQ(j["strip"][0], "5");
    EXPECT_EQ(j["chips"].size(), 6u);
    EXPECT_EQ(j["Bankroll"].get<double>(), 1000.0);
}

TEST(SessionDriver, SkipsBlankAndCommentLinesButCountsThem) {
    const Result r = RunSim("# a session\n\n   # indented comment\nspin 7\r\n\nundo\n");
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0]["line"], 4);
    EXPECT_EQ(r.lines[1]["line"], 6);
    EXPECT_EQ(r.lines[1]["history"], 0);
    EXPECT_TRUE(r.lines[1]["last"].is_null());
}

TEST(SessionDriver, EveryCommandRunsTheProgressToItsEnd) {
    const Result r = RunSim("spin 5\nspin 17\nspin 32\nspin 1\nspin 2\nspin 1\n");
    ASSERT_EQ(r.lines.size(), 6u);
    const json& fifth = r.lines[4];
    EXPECT_EQ(fifth["Engine_Ready"], 1);
    EXPECT_EQ(fifth["Bet_Field"], 4);
    EXPECT_EQ(fifth["chips"], json::parse("[false,false,false,true,false,false]"));
    EXPECT_EQ(fifth["Bankroll"], 999);
    EXPECT_EQ(fifth["Label_Bankroll"], "999");
    const json& sixth = r.lines[5];
    EXPECT_EQ(sixth["Flat_Index"], -18);
    EXPECT_EQ(sixth["Bet_Size"], 2);
    EXPECT_EQ(sixth["Bankroll"], 997);
    EXPECT_EQ(sixth["Label_BetsPlayed"], "1");
}

TEST(SessionDriver, ErrorGoesIntoItsLineAndTheScriptGoesOn) {
    const Result r = RunSim("set Init_Bet abc\nspin 3\n");
    ASSERT_EQ(r.exit_code, 0);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0]["error"], "'abc' is not a valid floating point value");
    EXPECT_FALSE(r.lines[1].contains("error"));
    EXPECT_EQ(r.lines[1]["history"], 1);
}

TEST(SessionDriver, TypeStopsAtTheFirstError) {
    Session s(fs::temp_directory_path());
    ASSERT_TRUE(s.RunLine("set Init_Bet ", 1));
    EXPECT_EQ(s.Engine().Inputs().Init_Bet.Text, "");
    ASSERT_TRUE(s.RunLine("type Test_Bank 55", 2));
    EXPECT_EQ(s.Engine().Inputs().Test_Bank.Text, "10005") << "the second key is not sent";
    ASSERT_TRUE(s.Platform().error.has_value());
    EXPECT_EQ(*s.Platform().error, "'' is not a valid floating point value");
}

TEST(SessionDriver, TypeFiltersKeysAndTakesBackspace) {
    Session s(fs::temp_directory_path());
    ASSERT_TRUE(s.RunLine("type Test_Bank \b\b\b\b12,5x.", 1));
    EXPECT_EQ(s.Engine().Inputs().Test_Bank.Text, "12.5");
    EXPECT_EQ(s.Engine().State().Bankroll, 12.5);
    EXPECT_FALSE(s.Platform().error.has_value());
}

TEST(SessionDriver, ClicksThatTheWindowWouldNotTakeDoNothing) {
    Session s(fs::temp_directory_path());
    Engine& e = s.Engine();
    s.RunLine("undo", 1);  // not offered yet
    s.RunLine("skip", 2);  // no bet shown
    EXPECT_EQ(e.State().Bankroll, 1000);
    s.RunLine("spin 9", 3);
    s.RunLine("spin 10", 4);
    s.RunLine("undo", 5);
    ASSERT_EQ(e.Board().NumbersList().size(), 1u);
    s.RunLine("spin 10", 6);  // the number taken back is taken again
    EXPECT_EQ(e.Board().NumbersList(), (std::vector<std::uint8_t>{9, 10}));
    EXPECT_EQ(e.State().Undo_Counter, 1);
    EXPECT_FALSE(s.Platform().error.has_value());
    s.RunLine("select Search_Pattern 1", 7);  // a disabled list
    EXPECT_EQ(e.Inputs().Search_Pattern.ItemIndex, 0);
    s.RunLine("select GameModes 7", 8);  // outside the list
    EXPECT_EQ(e.Chrome().Focus(), "");
}

// The wait list holds 64 numbers; one more, clicked or typed, is refused
// with a word in the state line, and fits again once undo made room.
TEST(SessionDriver, ANumberBeyondAFullWaitListIsRefusedAloud) {
    Session s(fs::temp_directory_path());
    std::int64_t line = 0;
    for (const char* l : {"spin 5", "spin 17", "spin 32", "spin 1", "nowait spin 2"}) s.RunLine(l, ++line);
    for (std::size_t i = 0; i < SpeedPlay::kMaxQueued; ++i) s.RunLine("nowait spin 7", ++line);
    EXPECT_FALSE(s.Platform().error.has_value());
    for (const auto& [l, n] : {std::pair{"nowait spin 8", "8"}, std::pair{"nowait enter 9", "9"}}) {
        s.RunLine(l, ++line);
        ASSERT_TRUE(s.Platform().error.has_value()) << l;
        EXPECT_EQ(*s.Platform().error, std::string(n) + " is not taken: 64 numbers are waiting already");
    }
    s.RunLine("nowait undo", ++line);
    s.RunLine("spin 8", ++line);
    EXPECT_FALSE(s.Platform().error.has_value());
    const auto& history = s.Engine().Board().NumbersList();
    ASSERT_EQ(history.size(), 5u + SpeedPlay::kMaxQueued);
    EXPECT_EQ(history.back(), 8);
}

struct BadLine {
    const char* line;
    const char* what;
};

std::ostream& operator<<(std::ostream& os, const BadLine& r) { return os << "'" << r.line << "'"; }

class MalformedLine : public ::testing::TestWithParam<BadLine> {};

TEST_P(MalformedLine, StopsWithExitCodeTwoNamingTheLine) {
    const Result r = RunSim(std::string("spin 1\n\n") + GetParam().line + "\nspin 2\n");
    EXPECT_EQ(r.exit_code, 2);
    ASSERT_EQ(r.lines.size(), 1u) << "the lines before it are reported, none after";
    EXPECT_NE(r.err.find("line 3"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(GetParam().what), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedLine,
    ::testing::Values(BadLine{"spin 37", "0..36"}, BadLine{"spin", "0..36"}, BadLine{"spin -1", "0..36"},
                      BadLine{"spin x", "0..36"}, BadLine{"spin 1 2", "0..36"}, BadLine{"spin 100", "0..36"},
                      BadLine{"set Bogus 1", "Bogus"}, BadLine{"set Init_Bet", "VALUE"},
                      BadLine{"set", "NAME"}, BadLine{"type Nope 12", "Nope"},
                      BadLine{"check ShowBetSize 2", "0 or 1"}, BadLine{"check Nope 1", "Nope"},
                      BadLine{"select GameModes x", "INDEX"}, BadLine{"trend Green", "Green"},
                      BadLine{"trend", "FIELD"}, BadLine{"load-settings", "PATH"},
                      BadLine{"frobnicate", "frobnicate"}, BadLine{"undo now", "undo"},
                      BadLine{"Spin 1", "Spin"}, BadLine{"enter", "whole number"},
                      BadLine{"enter 1x", "whole number"}, BadLine{"enter -1", "whole number"},
                      BadLine{"nowait", "command"}, BadLine{"nowait spin 37", "0..36"},
                      BadLine{"nowait nowait spin 1", "other than nowait"},
                      BadLine{"option quick 2", "0 or 1"}, BadLine{"option slow 1", "slow"}));

TEST(SessionDriver, QuietPrintsOnlyTheLastState) {
    Result r = RunSim("spin 1\nspin 2\n# end\n", true);
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0]["line"], 2);
    EXPECT_EQ(r.lines[0]["history"], 2);

    r = RunSim("spin 1\nbogus\n", true);
    EXPECT_EQ(r.exit_code, 2);
    ASSERT_EQ(r.lines.size(), 1u) << "the last good state is still printed";
    EXPECT_EQ(r.lines[0]["line"], 1);

    r = RunSim("# nothing\n", true);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_TRUE(r.lines.empty());
}

TEST(SessionDriver, SettingsPathsAreRelativeToTheScript) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "session_paths";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const Result r = RunSim(
        "set SafeLevel 3\nsave-settings my settings.rtk\nset SafeLevel 0\nload-settings my settings.rtk\n",
        false, dir);
    ASSERT_EQ(r.exit_code, 0);
    EXPECT_TRUE(fs::exists(dir / "my settings.rtk"));
    ASSERT_EQ(r.lines.size(), 4u);
    for (const auto& j : r.lines) EXPECT_FALSE(j.contains("error")) << j.dump();
    const auto saved = ReadLines((dir / "my settings.rtk").string());
    ASSERT_EQ(saved.size(), 31u);
    EXPECT_EQ(saved[18], "3");
    fs::remove_all(dir);
}

TEST(SessionDriver, PastedPageStaysInAPrivateFolderThatGoesWithTheSession) {
    const fs::path cwd = fs::current_path();
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "session_page";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::current_path(dir);
    fs::path folder;
    {
        Session s(fs::path(ROTACLE_TEST_DATA) / "pages");
        ASSERT_TRUE(s.RunLine("paste-page history-grid.html", 1));
        EXPECT_FALSE(s.Platform().error.has_value());
        EXPECT_FALSE(s.Engine().Panel().Import_List().empty()) << "the page was saved, read back and parsed";
        folder = s.Platform().ProgramFolder();
        EXPECT_TRUE(fs::exists(folder / "evolution.html"));
    }
    fs::current_path(cwd);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::is_empty(dir)) << "nothing is left in the current folder";
    fs::remove_all(dir);
}

// --- A driver killed while it reads a page ---------------------------------------

// Still running: neither gone nor a zombie waiting for a parent that never reaps.
bool Running(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(in, stat);
    return in && stat.find(") Z") == std::string::npos;
}

// The processes below `root` now (its children, theirs, ...).
std::vector<pid_t> Descendants(pid_t root) {
    std::vector<std::pair<pid_t, pid_t>> parents;  // (pid, parent)
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        std::getline(in, stat);
        const auto close = stat.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(stat.substr(close + 1));
        char state = 0;
        pid_t ppid = 0;
        if (rest >> state >> ppid) parents.emplace_back(std::stoi(name), ppid);
    }
    std::vector<pid_t> found{root};
    for (std::size_t i = 0; i < found.size(); ++i)
        for (const auto& [pid, ppid] : parents)
            if (ppid == found[i]) found.push_back(pid);
    found.erase(found.begin());
    return found;
}

fs::path FreshScratch(const std::string& name) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::vector<fs::path> PrivateFolders(const fs::path& temp) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(temp))
        if (entry.path().filename().string().starts_with("rotacle-sim-")) found.push_back(entry.path());
    return found;
}

// Starts the driver on `script` with its temporary files in `temp`.
pid_t StartDriver(const fs::path& script, const fs::path& temp) {
    const std::string tmpdir = "TMPDIR=" + temp.string();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::putenv(const_cast<char*>(tmpdir.c_str()));
        ::execl(ROTACLE_SIM, ROTACLE_SIM, "--quiet", "--script", script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

TEST(SessionDriver, KilledWhileReadingAPageItLeavesNoReaderAndItsFolderGoesAtTheNextStart) {
    const fs::path dir = FreshScratch("session_killed_page");
    const fs::path temp = dir / "tmp";
    fs::create_directories(temp);
    // Enough elements to keep the engine busy for seconds.
    std::string page = "<div>";
    for (int i = 0; i < 300000; ++i) page += "<div>17</div>";
    WriteTextAtomic((dir / "large.html").string(), page + "</div>");
    WriteTextAtomic((dir / "paste.script").string(), "paste-page large.html\n");
    WriteTextAtomic((dir / "spin.script").string(), "spin 7\n");

    const pid_t driver = StartDriver(dir / "paste.script", temp);
    ASSERT_GT(driver, 0);
    // The reader and the engine's helpers under it, once they are there.
    std::vector<pid_t> readers;
    for (int i = 0; i < 300 && readers.size() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        readers = Descendants(driver);
    }
    ::kill(driver, SIGKILL);
    int status = 0;
    ::waitpid(driver, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the driver ended before the kill";
    ASSERT_GE(readers.size(), 3u) << "no engine started under the driver";
    for (const pid_t pid : readers) {
        for (int i = 0; i < 300 && Running(pid); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_FALSE(Running(pid)) << "process " << pid << " of the page reader outlived the driver";
    }
    ASSERT_EQ(PrivateFolders(temp).size(), 1u) << "the killed driver could not remove its folder";

    const pid_t next = StartDriver(dir / "spin.script", temp);
    ASSERT_GT(next, 0);
    ::waitpid(next, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(PrivateFolders(temp).empty()) << "the next driver left the folder of the killed one";
    fs::remove_all(dir);
}

TEST(SessionDriver, WithoutThePageReaderAPasteNamesItsPackageAndAllElseWorks) {
    // The driver alone in a folder, as installed without the reader's package.
    const fs::path dir = FreshScratch("session_no_reader");
    fs::create_directories(dir / "bin");
    const fs::path sim = dir / "bin" / "rotacle-sim";
    fs::copy_file(ROTACLE_SIM, sim);
    fs::copy_file(fs::path(ROTACLE_TEST_DATA) / "pages" / "flex-strip.html", dir / "page.html");
    WriteTextAtomic((dir / "paste.script").string(),
                    "spin 5\npaste-page page.html\nclick Image_ClosePanel2\nspin 17\n");
    const std::string out = (dir / "out.json").string();
    const std::string command = "env -u ROTACLE_PAGE_READER '" + sim.string() + "' --script '" +
                                (dir / "paste.script").string() + "' > '" + out + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<std::string> lines = ReadLines(out);
    ASSERT_EQ(lines.size(), 4u);
    const json paste = json::parse(lines[1]);
    const std::string error = paste.value("error", "");
    EXPECT_NE(error.find("the page reader is not installed"), std::string::npos) << error;
    EXPECT_NE(error.find("Install the package rotacle-page-reader"), std::string::npos) << error;
    EXPECT_EQ(json::parse(lines[3])["history"], 2);
    fs::remove_all(dir);
}

TEST(SessionDriver, OnlyTheFoldersOfDriversThatAreGoneAreCleared) {
    const fs::path temp = FreshScratch("session_leftovers");
    const auto folder = [&](const std::string& name, const char* mark) {
        fs::create_directories(temp / name);
        if (mark) WriteTextAtomic((temp / name / "owner").string(), mark);
        return temp / name;
    };
    const char* kMark = "rotacle-sim private folder\n";
    const fs::path gone = folder("rotacle-sim-Gone01", kMark);
    const fs::path unmarked = folder("rotacle-sim-NoMark", nullptr);
    const fs::path other_text = folder("rotacle-sim-Other1", "something else\n");
    const fs::path half_written = folder("rotacle-sim-Half01", "");
    const fs::path other_name = folder("rotacle-sim-Gone01-old", kMark);
    // A link to a driver's folder, and a mark that is a link to one.
    const fs::path target = folder("kept-target", kMark);
    fs::create_directory_symlink(target, temp / "rotacle-sim-Link01");
    const fs::path linked_mark = folder("rotacle-sim-LinkMk", nullptr);
    fs::create_symlink(target / "owner", linked_mark / "owner");
    // A driver running now, whose folder is in the same place.
    ASSERT_EQ(::setenv("TMPDIR", temp.c_str(), 1), 0);
    std::optional<SimPlatform> running(std::in_place);
    const fs::path live = running->ProgramFolder();
    ::unsetenv("TMPDIR");
    ASSERT_EQ(live.parent_path(), temp);

    ClearLeftoverFolders(temp);
    EXPECT_FALSE(fs::exists(gone));
    for (const fs::path& kept : {unmarked, other_text, half_written, other_name, target,
                                 temp / "rotacle-sim-Link01", linked_mark, live})
        EXPECT_TRUE(fs::exists(kept)) << kept;
    running.reset();
    EXPECT_FALSE(fs::exists(live)) << "a driver removes its own folder at its end";
    fs::remove_all(temp);
}

TEST(SessionDriver, TimersTieWithTheDisplayRefreshFirst) {
    // With the safety level on, the lamp timer runs too; its ticks must not
    // keep the driver from ending a command.
    const Result r = RunSim("set SafeLevel 2\nspin 1\nspin 2\nspin 3\nspin 4\nspin 5\nspin 6\n");
    ASSERT_EQ(r.lines.size(), 7u);
    EXPECT_EQ(r.lines[6]["Engine_Ready"], 1);
    EXPECT_EQ(r.lines[6]["Spins_Count"], 6);
}

// A refused number file is told at load and never reaches the list; a long
// list waiting for IMPORT shows its first hundred lines in every state line.
TEST(SessionDriver, StateLineShowsTheFirstHundredLinesOfTheList) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "session_import_list";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string text = "5\n17\n";
    for (int i = 1; i < 250; ++i) text += "x" + std::to_string(i) + "\n";
    WriteTextAtomic((dir / "refused.txt").string(), text);
    std::string page = "<html><body>";
    for (int i = 0; i < 250; ++i) page += "<div>" + std::to_string(i % 37) + "</div>";
    WriteTextAtomic((dir / "page.html").string(), page + "</body></html>");
    const Result r = RunSim("import-file refused.txt\npaste-page page.html\nspin 7\n", false, dir);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0]["error"], "Line 3: 'x1' is not a valid integer value");
    EXPECT_EQ(r.lines[0]["import_count"], 0);
    EXPECT_EQ(r.lines[0]["import_caption"], "IMPORT");
    for (std::size_t k = 1; k < r.lines.size(); ++k) {
        const json& j = r.lines[k];
        ASSERT_EQ(j["import_list"].size(), 100u);
        EXPECT_EQ(j["import_list"][0], std::to_string(249 % 37)) << "the page's last number comes first";
        EXPECT_EQ(j["import_count"], 250);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rotacle::sim
