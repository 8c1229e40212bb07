// The session journal file: what a reader makes of clean, torn, damaged and
// foreign files; a full disk; the kept sessions; and a driver killed in the
// middle of a long session, then resumed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "core/text_file.h"
#include "journal/journal.h"
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
        {"empty", "", {}, false, false, false, "not a session journal"},
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
    std::vector<std::string> reasons;
    JournalWriter w("/dev/full", [&](const std::string& reason) { reasons.push_back(reason); });
    w.Record("spin 5");
    w.Record("spin 6");
    ASSERT_EQ(reasons.size(), 1U);
    EXPECT_FALSE(reasons[0].empty());
    EXPECT_TRUE(w.Behind());
}

TEST(JournalFile, KeepsTheTenNewestSessions) {
    const fs::path dir = Scratch("kept");
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::vector<std::string> kept;
    for (int i = 0; i < 12; ++i) {
        const fs::path live = dir / std::string(kJournalName);
        WriteFile(live, JournalText(TestName(), {"spin " + std::to_string(i)}, true));
        kept.push_back(KeepJournal(live.string(), dir.string(), 1'700'000'000 + i * 60));
    }
    const std::vector<std::string> left = KeptJournals(dir.string());
    ASSERT_EQ(left.size(), kKeptJournals);
    EXPECT_EQ(left.front(), kept.back());
    EXPECT_EQ(ReadJournal(left.back()).actions, std::vector<std::string>{"spin 2"});
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
