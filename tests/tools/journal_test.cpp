// The session journal in the driver: only the session it resumes is written,
// a replay refuses what the driver refuses, a session cut inside a run, and
// a driver killed in the middle of a long session, then resumed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "core/text_file.h"
#include "engine/journal_summary.h"
#include "journal/journal.h"
#include "support/fake_platform.h"
#include "support/journal_files.h"
#include "tools/session.h"

namespace rotacle {
namespace {

using test::FileText;
using test::JournalText;
using test::Scratch;
using test::TestName;
using test::WriteFile;
namespace fs = std::filesystem;

// The driver writes a journal that holds a session only when it resumes it,
// and never one that another session holds open.
TEST(JournalFile, TheDriverWritesOnlyTheSessionItResumes) {
    const fs::path p = Scratch(TestName() + ".journal");
    const std::string one = JournalText(TestName(), {"spin 5"}, true);
    struct Row {
        const char* name;
        std::string text;
        bool resume, held;
        int exit;
        std::vector<std::string> after;
    } rows[] = {
        {"a new journal", "", false, false, 0, {"spin 17"}},
        {"a session of its own", one, false, false, 1, {"spin 5"}},
        {"the session it resumes", one, true, false, 0, {"spin 5", "spin 17"}},
        {"not a journal", "hello\n", false, false, 1, {}},
        {"held by another session", one, true, true, 1, {"spin 5"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        fs::remove(p);
        if (!r.text.empty()) WriteFile(p, r.text);
        std::optional<JournalWriter> other;
        if (r.held) other.emplace(p.string(), JournalWriter::TroubleHandler{}, JournalWriter::Start::Inspect);
        std::istringstream script("spin 17\n");
        std::ostringstream out, err;
        EXPECT_EQ(sim::RunScript(script, p.parent_path(), out, err, true,
                                 {p.string(), r.resume ? p.string() : std::string()}),
                  r.exit)
            << err.str();
        other.reset();
        if (r.text == "hello\n")
            EXPECT_EQ(FileText(p), r.text);
        else
            EXPECT_EQ(ReadJournal(p.string()).actions, r.after);
    }
}

// A resume says where and why it stops: at a number entered while play stood
// still at a limit, or at the close of the session, and replays nothing after.
// A closed session written on is open again, its close at the end.
TEST(JournalFile, AResumeSaysWhereAndWhyItStops) {
    const fs::path p = Scratch(TestName() + ".journal");
    const std::vector<std::string> warm{"spin 5", "spin 17", "spin 32", "spin 1", "spin 2", "run-end"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> all{"limits 0 0 0 0 1"};
        all.insert(all.end(), warm.begin(), warm.end());
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    struct Row {
        const char* name;
        std::string text;
        std::size_t history;             // numbers on the board after the resume
        const char* said;                // on standard error ("" for nothing)
        std::vector<std::string> after;  // the journal's first actions after one more spin
    } rows[] = {
        {"a number while play stood still",
         JournalText(TestName(), with({"limit-stop reality-check", "spin 7", "limit-go-on", "spin 8"}),
                     false),
         5,
         "record 10 of the journal enters a number while play stood still at the reality-check limit; "
         "resumed up to it",
         with({"limit-stop reality-check"})},
        {"play that went on past the stop",
         JournalText(TestName(), with({"limit-stop reality-check", "limit-go-on", "spin 8"}), false), 6, "",
         with({"limit-stop reality-check", "limit-go-on", "spin 8"})},
        {"records after the close",
         JournalText(TestName(), {"spin 5", "spin 6"}, true) + JournalRecord("spin 7"),
         2,
         "The session was closed at record 4; nothing after it is resumed.",
         {"spin 5", "spin 6", "spin 17"}},
        {"a closed session", JournalText(TestName(), {"spin 5"}, true), 1, "", {"spin 5", "spin 17"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        WriteFile(p, r.text);
        std::istringstream script("spin 17\n");
        std::ostringstream out, err;
        EXPECT_EQ(sim::RunScript(script, p.parent_path(), out, err, false, {p.string(), p.string()}), 0);
        const std::string resumed = out.str().substr(0, out.str().find('\n'));
        EXPECT_NE(resumed.find("\"history\":" + std::to_string(r.history) + ","), std::string::npos)
            << resumed;
        if (*r.said == '\0')
            EXPECT_EQ(err.str(), "");
        else
            EXPECT_NE(err.str().find(r.said), std::string::npos) << err.str();
        const JournalContents j = ReadJournal(p.string());
        ASSERT_GE(j.actions.size(), r.after.size());
        EXPECT_EQ(std::vector<std::string>(j.actions.begin(),
                                           j.actions.begin() + static_cast<long>(r.after.size())),
                  r.after);
        EXPECT_TRUE(j.closed);
        EXPECT_TRUE(j.problem.empty()) << j.problem;
    }
}

// What the driver refuses is no action of a journal either: the replay stops
// there, with nothing changed.
TEST(JournalFile, ReplayRefusesWhatTheDriverRefuses) {
    for (const char* line :
         {"mode 99", "mode 0", "spin 37", "spin -1", "spin 5 6", "undo 1", "check Get_Minimal_Profit 7",
          "trend 6", "untrend -1", "list 3 =a", "key-edit Init_Bet 300", "wait 40", "unwait 1"}) {
        SCOPED_TRACE(line);
        sim::Session s(fs::path(ROTACLE_TEST_SCRATCH));
        EXPECT_FALSE(s.Engine().ReplayAction(line));
        EXPECT_EQ(s.Engine().State().Game_Mode, 2);
    }
    sim::Session s(fs::path(ROTACLE_TEST_SCRATCH));
    for (const char* line : {"mode 1", "spin 5", "wait 7", "unwait", "check Get_Minimal_Profit 1", "trend 5"})
        EXPECT_TRUE(s.Engine().ReplayAction(line)) << line;
}

std::vector<std::string> JournaledActions(const std::string& script) {
    const fs::path p = Scratch(TestName() + "-script.journal");
    fs::remove(p);
    std::istringstream in(script);
    std::ostringstream out, err;
    sim::RunScript(in, p.parent_path(), out, err, true, {p.string(), ""});
    return ReadJournal(p.string()).actions;
}

// A session cut short inside a progress run, with numbers typed during it:
// the summary that offers it back tells the table it resumes to (the run
// ended, its stake placed) and the numbers that wait; the resume has them
// waiting again.
TEST(JournalFile, ASessionCutInsideARunSumsUpAsItResumes) {
    const std::string played = "spin 17\nspin 32\nspin 5\nspin 19\nspin 21\nspin 2\nspin 25\n";
    const std::vector<std::string> cut =
        JournaledActions(played + "nowait spin 4\nnowait enter 5\nnowait enter 36\n");
    const JournalSummary summary = SummarizeJournal(cut);
    EXPECT_EQ(summary.numbers, 8U);
    EXPECT_EQ(summary.waiting, (std::deque<int>{5, 36}));
    sim::Session whole(fs::path(ROTACLE_TEST_SCRATCH));
    for (const std::string& line : SplitLines(played + "spin 4\n")) whole.RunLine(line, 1);
    EXPECT_EQ(summary.bankroll, whole.Engine().State().Bankroll);

    sim::Session resumed(fs::path(ROTACLE_TEST_SCRATCH));
    resumed.Replay(cut);
    std::ostringstream state;
    resumed.WriteState(state, 0);
    EXPECT_NE(state.str().find("\"waiting\":[5,36]"), std::string::npos) << state.str();
}

// Runs whose draws the journal lacks end at once in a replay: the clock of
// this instant, which would seed every tick alike, draws 0 here.
TEST(JournalFile, RunsWithoutTheirDrawsEndAtOnceInAReplay) {
    std::vector<std::string> actions{"mode 1"};
    for (int i = 0; i < 3000; ++i) {
        actions.push_back("spin " + std::to_string(i % 37));
        actions.push_back("run-end");
    }
    EXPECT_EQ(SummarizeJournal(actions).numbers, 3000U);
    test::FakePlatform platform;
    platform.clock_seconds = 0;
    Engine e(platform);
    for (const std::string& a : actions) ASSERT_TRUE(e.ReplayAction(a)) << a;
    EXPECT_EQ(e.Board().NumbersList().size(), 3000U);
}

// A long session for the driver: mostly spins, with undo, skip and stake changes.
std::string LongScript(std::size_t actions) {
    std::mt19937 rng(7);
    std::ostringstream s;
    for (std::size_t i = 0; i < actions; ++i) {
        const int roll = static_cast<int>(rng() % 100);
        if (roll < 85)
            s << "spin " << rng() % 37 << '\n';
        else if (roll < 90)
            s << "undo\n";
        else if (roll < 94)
            s << "skip\n";
        else if (roll < 97)
            s << "set Init_Bet " << 1 + rng() % 3 << '\n';
        else
            s << "check Get_Minimal_Profit " << rng() % 2 << '\n';
    }
    return s.str();
}

// The state a resumed driver prints for a journal (its line 0), without the
// parts that are not the game's.
std::string ResumedState(const std::vector<std::string>& actions) {
    sim::Session s(fs::path(ROTACLE_TEST_SCRATCH));
    s.Replay(actions);
    std::ostringstream out;
    s.WriteState(out, 0);
    return out.str();
}

TEST(JournalFile, AKilledDriverResumesAtItsLastCompleteRecord) {
    const fs::path script = Scratch("long.script");
    // Long enough that the kill, at most a third of a second in, finds it going.
    WriteFile(script, LongScript(500'000));
    const fs::path killed = Scratch("killed.journal");
    fs::remove(killed);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::execl(ROTACLE_SIM, ROTACLE_SIM, "--quiet", "--script", script.c_str(), "--journal", killed.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Somewhere inside the session, whenever the journal has grown.
    std::mt19937 rng(static_cast<unsigned>(std::random_device{}()));
    const auto wait_for = std::chrono::milliseconds(20 + rng() % 300);
    for (auto waited = std::chrono::milliseconds(0); waited < wait_for || !fs::exists(killed);
         waited += std::chrono::milliseconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the session ended before the kill; give it more actions";

    const JournalContents j = ReadJournal(killed.string());
    ASSERT_TRUE(j.usable) << j.problem;
    EXPECT_TRUE(j.problem.empty()) << j.problem;
    EXPECT_FALSE(j.closed);

    // The same session run to its end journals the same actions first.
    const fs::path whole = Scratch("whole.journal");
    fs::remove(whole);
    {
        std::ifstream in(script);
        std::ostringstream out, err;
        ASSERT_EQ(sim::RunScript(in, script.parent_path(), out, err, true, {whole.string(), ""}), 0);
    }
    const JournalContents all = ReadJournal(whole.string());
    ASSERT_LE(j.actions.size(), all.actions.size());
    ASSERT_TRUE(std::equal(j.actions.begin(), j.actions.end(), all.actions.begin()));
    EXPECT_EQ(ResumedState(j.actions),
              ResumedState({all.actions.begin(), all.actions.begin() + static_cast<long>(j.actions.size())}));
}

}  // namespace
}  // namespace rotacle
