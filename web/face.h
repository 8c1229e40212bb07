// The browser's face of the game: one object that the page talks to in JSON.
//
// The page sends the player's events (the session script's commands, which
// are the window's events by name, and the few window events the script has
// no command for), the ticks of its timers and the journal to resume; it gets
// back the window model's read-only view, the timers the page must run, the
// messages to show, the journal records to store and the play events to
// announce. Every rule of play stays behind this face.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_sink.h"
#include "core/play_events.h"
#include "stats/session_stats.h"
#include "tools/session.h"

namespace rotacle::web {

/// One table of the page: the engine, keyboard play and the statistics.
class Face {
public:
    Face();
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    /// Runs one request and returns the answer, both JSON objects.
    ///
    /// Request: `now` (ms since the epoch, the clock of the game) and one of
    ///  - `do`: a command of the session script, run without the timers after
    ///    it (the page's timers run them);
    ///  - `window`: a window event the script has no command for
    ///    (settings-open, settings-close, import-open, paste-page, load-file,
    ///    limit-clock, stats, finish-runs: the progress run a resumed session
    ///    left unfinished runs to its end);
    ///  - `key`: a key of play at speed ("0".."9", Backspace, Enter, Escape);
    ///  - `staking`: {preset, apply} the first stakes of a staking preset
    ///    (answer `staking`: lose, win, mixed), written over the settings with `apply`;
    ///  - `tick`: the index of a timer that fired;
    ///  - `replay`: the actions of a journal, oldest first;
    ///  - `page`: {html, text} the pasted page and its text as the browser laid it out;
    ///  - `file`: {path, data} a file the player gave, written to the page's own files;
    ///  - `read`: a path; the answer's `data` is that file's text (an export).
    /// Answer: `ok`, `view`, `timers` ([enabled, interval] in timer order),
    /// `message` (an error to show, or absent), `messageValues` (that error
    /// as values: {pattern, args, cause}, for wording it in the player's
    /// language; absent for a text the game words no further), `records` (journal actions of
    /// this request, oldest first), `play` (play events), `error` (a request
    /// the face could not run: a malformed command).
    std::string Call(std::string_view request);

private:
    class Listener;
    class Recorder;

    sim::Session session_;
    std::int64_t now_ms_ = 0;
    std::unique_ptr<Listener> listener_;
    std::unique_ptr<Recorder> recorder_;
    SessionStats stats_;
    std::string page_text_;
};

/// The view of the window model as JSON (exposed for tests).
std::string ViewJson(const Engine& engine, const SpeedPlay& speed, const SessionStats& stats);

}  // namespace rotacle::web
