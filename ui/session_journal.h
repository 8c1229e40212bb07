// The window's session journal: every action of the player goes to
// `session.journal` in the user's data folder as it happens; when the last
// session did not end cleanly, the start offers to resume it. A second
// window, while the first holds that journal, journals its own session in
// `session.2.journal` (and so on).
#pragma once

#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "engine/journal_summary.h"
#include "journal/journal.h"
#include "ui/help_window.h"

namespace rotacle::ui {

class TForm1;

/// Journals a window may keep at the same time, one each.
inline constexpr int kJournalSlots = 9;

/// The name of journal `slot` (1 for the first window's "session.journal").
std::string JournalSlotName(int slot);

class SessionJournal {
public:
    /// The journal of `form`'s engine in `folder` (created when missing).
    SessionJournal(TForm1& form, std::string folder);
    /// Stops journaling; the journal stays open-ended unless `EndCleanly` ran,
    /// as after a crash.
    ~SessionJournal();
    SessionJournal(const SessionJournal&) = delete;
    SessionJournal& operator=(const SessionJournal&) = delete;

    /// Before the window shows: takes the first journal that no other window
    /// holds; offers its session when it ended uncleanly and holds numbers
    /// (Yes by default), resumes it on Yes, keeps it aside otherwise when it
    /// holds numbers; then journals this session.
    void Start();
    /// The program ends normally: the journal is marked closed.
    void EndCleanly();
    /// The journal this window writes (the first one before `Start`).
    std::string Path() const;
    /// The kept sessions and their resume, for the help window.
    PreviousSessions Previous();
    /// Resumes the kept session at `kept` after a confirmation: this session
    /// is kept beside it when it holds numbers, the kept one becomes the open
    /// journal, and the program starts again to offer it.
    void ResumeKept(const std::string& kept);
    /// How the program starts again (tests replace it).
    void SetRestart(std::function<void()> restart) { restart_ = std::move(restart); }

private:
    class Sink;
    /// Replays the journal's actions into the window's engine, then journals
    /// on from there.
    void Resume(const JournalContents& last);
    /// Keeps the session of `writer` aside (said so when `why` is given) and
    /// empties its journal. False when it cannot be kept: the file stays as
    /// it is, and this session is not journaled.
    bool KeepAside(JournalWriter& writer, const std::string& why);
    /// Keeps the sessions of journals that no window holds any more.
    void SweepSlots();
    /// What a kept journal holds, worked out once per version of the file.
    KeptSession Describe(const std::string& path);
    void Attach();

    TForm1& form_;
    std::string folder_;
    std::string path_;
    std::unique_ptr<JournalWriter> opened_;  // the journal before this session is attached
    std::unique_ptr<Sink> sink_;
    std::function<void()> restart_;
    struct Described {
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        KeptSession session;
    };
    std::map<std::string, Described> described_;
};

}  // namespace rotacle::ui
