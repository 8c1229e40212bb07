// The session journal file: what a reader makes of clean, torn, damaged and
// foreign files; a full disk; the kept sessions; and a journal written on
// from its last whole record by one writer at a time.
#include "journal/journal.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "support/journal_files.h"

namespace rotacle::test {
namespace {

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
        {"still open", clean, {"spin 5", "undo", "spin 17"}, false, false, true, ""},
        {"an action after the close",
         JournalText(TestName(), {"spin 5", "undo"}, true) + JournalRecord("spin 17"),
         {"spin 5", "undo"},
         true,
         false,
         true,
         "closed at record 4"},
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
        {"a closed journal written on", two + JournalRecord("closed"), 2, {"spin 5", "spin 6", "spin 7"}},
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
        EXPECT_EQ(FileText(p).find("closed"), std::string::npos);
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

}  // namespace
}  // namespace rotacle::test
