// The session journal file: what a reader makes of clean, torn, damaged and
// foreign files; a full disk; the kept sessions; and a driver killed in the
// middle of a long session, then resumed.
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
#include "tools/session.h"

namespace rotacle {
namespace {

namespace fs = std::filesystem;

fs::path Scratch(const std::string& name) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "journal";
    fs::create_directories(dir);
    return dir / name;
}

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

std::string FileText(const fs::path& p) { return ReadFileText(p.string()); }

void WriteFile(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
}

// A journal of the given actions as the writer makes it (in a file of the
// calling test's own: the tests run in parallel).
std::string JournalText(const std::string& test, const std::vector<std::string>& actions, bool closed) {
    const fs::path p = Scratch(test + "-made.journal");
    fs::remove(p);
    {
        JournalWriter w(p.string());
        for (const auto& a : actions) w.Record(a);
        if (closed) w.Close();
    }
    return FileText(p);
}

std::string Crlf(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

TEST(JournalFile, ReadingWhatTheFileHolds) {
    const std::string clean = JournalText(TestName(), {"spin 5", "undo", "spin 17"}, false);
    const std::size_t third = clean.find("spin 17");
    std::string damaged = clean;
    damaged[clean.find("undo")] = 'U';  // checksum no longer matches
    struct Row {
        const char* name;
        std::string text;
        std::vector<std::string> actions;
        bool closed, torn, usable;
        const char* problem;
    } rows[] = {
        {"clean and closed",
         JournalText(TestName(), {"spin 5", "undo"}, true),
         {"spin 5", "undo"},
         true,
         false,
         true,
         ""},
        {"an action after the close", clean + "", {"spin 5", "undo", "spin 17"}, false, false, true, ""},
        {"last record cut short", clean.substr(0, third + 4), {"spin 5", "undo"}, false, true, true, ""},
        {"last line without its end",
         clean.substr(0, clean.size() - 1),
         {"spin 5", "undo"},
         false,
         true,
         true,
         ""},
        {"damaged in the middle", damaged, {"spin 5"}, false, false, true, "damaged at record 3"},
        {"not a journal", "hello\nworld\n", {}, false, false, false, "not a session journal"},
        {"killed before its first record", "", {}, false, false, true, ""},
        {"killed in its first record", clean.substr(0, 10), {}, false, true, true, ""},
        {"lines ended by CR LF", Crlf(clean), {"spin 5", "undo", "spin 17"}, false, false, true, ""},
        {"version 0",
         JournalRecord("rotacle-journal 0") + JournalRecord("spin 5"),
         {},
         false,
         false,
         false,
         "not a session journal"},
        {"version -5",
         JournalRecord("rotacle-journal -5") + JournalRecord("spin 5"),
         {},
         false,
         false,
         false,
         "not a session journal"},
        {"a newer format",
         JournalRecord("rotacle-journal 2") + JournalRecord("spin 5"),
         {},
         false,
         false,
         false,
         "newer version"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const fs::path p = Scratch(TestName() + "-read.journal");
        WriteFile(p, r.text);
        const JournalContents j = ReadJournal(p.string());
        EXPECT_EQ(j.usable, r.usable);
        if (!r.usable) {
            EXPECT_NE(j.problem.find(r.problem), std::string::npos) << j.problem;
            continue;
        }
        EXPECT_EQ(j.actions, r.actions);
        EXPECT_EQ(j.closed, r.closed);
        EXPECT_EQ(j.torn, r.torn);
        EXPECT_NE(j.problem.find(r.problem), std::string::npos) << j.problem;
    }
}

TEST(JournalFile, AFullDiskWarnsOnceAndKeepsTheActions) {
    const fs::path p = Scratch(TestName() + ".journal");
    fs::remove(p);
    std::vector<std::string> reasons;
    JournalWriter w(p.string(), [&](const std::string& reason) { reasons.push_back(reason); });
    // The file may grow no further: as a full disk, without one.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit full = old;
    full.rlim_cur = fs::file_size(p);
    ::setrlimit(RLIMIT_FSIZE, &full);
    w.Record("spin 5");
    w.Record("spin 6");
    ::setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_EQ(reasons.size(), 1U);
    EXPECT_FALSE(reasons[0].empty());
    EXPECT_TRUE(w.Behind());
    w.Record("spin 7");
    EXPECT_FALSE(w.Behind());
    EXPECT_EQ(ReadJournal(p.string()).actions, (std::vector<std::string>{"spin 5", "spin 6", "spin 7"}));
}

// Copies kept within one second, by APP and by a start, never overwrite one
// another; the ten newest stay.
TEST(JournalFile, KeepsTheTenNewestSessionsEachInAFileOfItsOwn) {
    const fs::path dir = Scratch("kept");
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::vector<std::string> kept;
    for (int i = 0; i < 12; ++i) {
        const std::time_t second = 1'700'000'000 + (i / 4) * 60;  // four copies a second
        kept.push_back(KeepJournal(JournalText(TestName(), {"spin " + std::to_string(i)}, true), dir.string(),
                                   second, second - 5));
    }
    const std::vector<std::string> left = KeptJournals(dir.string());
    ASSERT_EQ(left.size(), kKeptJournals);
    EXPECT_EQ(std::vector<std::string>(kept.rbegin(), kept.rbegin() + 10), left);
    for (std::size_t i = 0; i < left.size(); ++i)
        EXPECT_EQ(ReadJournal(left[i]).actions, std::vector<std::string>{"spin " + std::to_string(11 - i)});
    EXPECT_EQ(fs::last_write_time(left.front()),
              fs::last_write_time(left.back()) + std::chrono::seconds(120));
}

// A resumed journal goes on from its last whole record, with one writer at
// a time, and a file that is not a journal is never written.
TEST(JournalFile, AJournalIsWrittenFromItsLastWholeRecordByOneWriter) {
    const fs::path p = Scratch(TestName() + ".journal");
    const std::string two = JournalText(TestName(), {"spin 5", "spin 6"}, false);
    struct Row {
        const char* name;
        std::string text;
        std::size_t replayed;  // actions that a resume replayed
        std::vector<std::string> after;
    } rows[] = {
        {"torn last record", two + "spin 1", 2, {"spin 5", "spin 6", "spin 7"}},
        {"damaged record",
         two + "spin 9\t00000000\n" + JournalRecord("spin 8"),
         2,
         {"spin 5", "spin 6", "spin 7"}},
        {"an action not replayed", two + JournalRecord("closed"), 1, {"spin 5", "spin 7"}},
        {"killed before its first record", "", 0, {"spin 7"}},
        {"lines ended by CR LF", Crlf(two), 2, {"spin 5", "spin 6", "spin 7"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        WriteFile(p, r.text);
        {
            JournalWriter w(p.string(), {}, JournalWriter::Start::Inspect);
            EXPECT_THROW(JournalWriter(p.string()), JournalBusy);
            w.Append(r.replayed);
            w.Record("spin 7");
        }
        const JournalContents j = ReadJournal(p.string());
        EXPECT_EQ(j.actions, r.after);
        EXPECT_TRUE(j.problem.empty()) << j.problem;
        EXPECT_FALSE(j.torn);
    }
    for (const std::string& foreign : {std::string("hello\n"), JournalRecord("rotacle-journal 9")}) {
        WriteFile(p, foreign);
        EXPECT_THROW(JournalWriter(p.string()), FileError);
        EXPECT_EQ(FileText(p), foreign);
    }
    const fs::path fifo = Scratch(TestName() + ".fifo");
    fs::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(JournalWriter(fifo.string()), FileError);
}

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

// What the driver refuses is no action of a journal either: the replay stops
// there, with nothing changed.
TEST(JournalFile, ReplayRefusesWhatTheDriverRefuses) {
    for (const char* line :
         {"mode 99", "mode 0", "spin 37", "spin -1", "spin 5 6", "undo 1", "check Get_Minimal_Profit 7",
          "trend 6", "untrend -1", "list 3 =a", "key-edit Init_Bet 300", "wait 40", "unwait 1"}) {
        SCOPED_TRACE(line);
        sim::Session s(fs::path(ROTACLE_TEST_SCRATCH));
        EXPECT_FALSE(s.engine().ReplayAction(line));
        EXPECT_EQ(s.engine().State().Game_Mode, 2);
    }
    sim::Session s(fs::path(ROTACLE_TEST_SCRATCH));
    for (const char* line : {"mode 1", "spin 5", "wait 7", "unwait", "check Get_Minimal_Profit 1", "trend 5"})
        EXPECT_TRUE(s.engine().ReplayAction(line)) << line;
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
    EXPECT_EQ(summary.bankroll, whole.engine().State().Bankroll);

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
    EXPECT_EQ(e.board().NumbersList().size(), 3000U);
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
