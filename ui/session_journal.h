// The window's session journal: every action of the player goes to
// `session.journal` in the user's data folder as it happens; when the last
// session did not end cleanly, the start offers to resume it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "journal/journal.h"
#include "ui/help_window.h"

namespace rotacle::ui {

class TForm1;

class SessionJournal {
public:
    /// The journal of `form`'s engine in `folder` (created when missing).
    SessionJournal(TForm1& form, std::string folder);
    /// Stops journaling; the journal stays open-ended unless `EndCleanly` ran,
    /// as after a crash.
    ~SessionJournal();
    SessionJournal(const SessionJournal&) = delete;
    SessionJournal& operator=(const SessionJournal&) = delete;

    /// Before the window shows: offers the last session when it ended
    /// uncleanly and holds at least one number, resumes it on Yes, keeps it
    /// aside otherwise; then journals this session.
    void Start();
    /// The program ends normally: the journal is marked closed.
    void EndCleanly();
    std::string Path() const;
    /// The kept sessions and their resume, for the help window.
    PreviousSessions Previous();
    /// Resumes the kept session at `kept` after a confirmation: this session
    /// is kept beside it, the kept one becomes the open journal, and the
    /// program starts again to offer it.
    void ResumeKept(const std::string& kept);
    /// How the program starts again (tests replace it).
    void SetRestart(std::function<void()> restart) { restart_ = std::move(restart); }

private:
    class Sink;
    /// Replays the journal's actions into the window's engine.
    void Resume(const JournalContents& last);
    /// Moves the journal aside as a kept session; says so when `why` is given.
    /// False when it cannot be moved: the file stays as it is, unjournaled.
    bool KeepAside(const std::string& why);

    TForm1& form_;
    std::string folder_;
    std::unique_ptr<Sink> sink_;
    std::function<void()> restart_;
};

}  // namespace rotacle::ui
