// The session driver: plays a script of player actions through the engine
// in virtual time and reports the state after every command.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "engine/engine.h"
#include "engine/scheduler.h"
#include "engine/speed_play.h"
#include "stats/session_stats.h"

namespace rotacle::sim {

/// Platform of the driver: the scheduler's virtual clock, the program's generator, message
/// boxes recorded instead of shown, and dialogs answered by the script.
/// Its program folder, where a pasted page is saved, is a private temporary
/// folder made on first use and removed with its files when the driver ends;
/// it holds a mark locked while the driver runs (see ClearLeftoverFolders).
class SimPlatform : public Platform {
public:
    SimPlatform() = default;
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;
    ~SimPlatform() override;

    std::int64_t ClockSeconds() override { return clock_ms ? *clock_ms / 1000 : 0; }
    void RandSeed(std::uint32_t seed) override { rng.Seed(seed); }
    std::int32_t Random(std::int32_t range) override { return rng.Next(range); }
    void ShowMessage(const std::string& text) override {
        if (!error) error = text;
    }
    void ShowError(const Message& message) override {
        if (!error) error_message = message;
        ShowMessage(EnglishText(message));
    }
    std::optional<std::string> OpenFileDialog(const FileDialogSpec&) override { return TakeDialogAnswer(); }
    std::optional<std::string> SaveFileDialog(const FileDialogSpec&) override { return TakeDialogAnswer(); }
    std::string ClipboardText() override { return clipboard; }
    /// The private folder ("" when it cannot be made: the engine then
    /// treats it as a folder it cannot write to).
    std::string ProgramFolder() override;

    std::optional<std::string> TakeDialogAnswer() {
        auto a = std::move(dialog_answer);
        dialog_answer.reset();
        return a;
    }

    const std::int64_t* clock_ms = nullptr;  ///< the virtual clock in milliseconds (none: 0)
    LcgRandom rng;
    std::optional<std::string> error;          ///< first message of the current command
    std::optional<Message> error_message;      ///< that message as values, when the game gave them
    std::optional<std::string> dialog_answer;  ///< path the next dialog confirms
    std::string clipboard;

private:
    std::string program_folder_;
    int owner_fd_ = -1;
};

/// Removes the private folders in `temp` that drivers killed on their way left behind: only a folder
/// named as the driver names them, of this user and not a link, holding the driver's mark (a regular
/// file of this user) whose lock no running driver holds. Anything else there is left alone.
void ClearLeftoverFolders(const std::filesystem::path& temp);

/// A script line that is not a command of the driver.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Session {
public:
    /// `base_dir` is the folder against which script paths are resolved.
    /// With `keep_stats` the session's statistics follow its play from the
    /// start (the `stats` command prints them).
    explicit Session(std::filesystem::path base_dir, bool keep_stats = true);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// Runs one script line (number `line_no`). Returns false for a blank or
    /// comment line, true when a command ran. Throws ScriptError for an
    /// unknown command or a malformed line.
    bool RunLine(std::string_view line, std::int64_t line_no);

    /// The command "spin N" without its script line: the click of cell n
    /// (when the cell is visible; inside a run the number waits for its
    /// end), then the timers.
    void Spin(int n);

    /// Writes the state after the last command as one JSON line.
    void WriteState(std::ostream& out, std::int64_t line_no) const;

    /// The line a command printed instead of the state (`stats`), taken
    /// once; empty when the last command printed none.
    std::string TakeOutput() { return std::exchange(output_, {}); }

    /// The session's statistics (empty without `keep_stats`).
    const SessionStats& Stats() const { return stats_; }

    /// Keeps every file the script names inside the script's folder: an
    /// absolute path or one that climbs out with ".." fails like a file that
    /// cannot be opened. For running scripts from untrusted sources (fuzzing).
    void ConfineFiles(bool confine) { confine_files_ = confine; }

    /// Runs the actions of a session journal as they ran, oldest first, and
    /// returns how many it ran: it stops at the first line that is no action.
    std::size_t Replay(const std::vector<std::string>& actions);

    rotacle::Engine& Engine() { return engine_; }
    /// Keyboard play: the typed digits and the numbers waiting for the board.
    SpeedPlay& Speed() { return speed_; }
    SimPlatform& Platform() { return platform_; }
    /// The virtual clock in milliseconds.
    std::int64_t NowMs() const { return scheduler_.Clock(); }

    /// The scheduler's timers after a command (`Scheduler::RunTimers`).
    /// Throws ScriptError for a progress run that never ends.
    void RunTimers();

private:
    friend class VerbCall;  // the script commands

    void ClickCell(int n);
    /// Puts the reason for a refused number into the state line.
    void SayWhyNotTaken(int n);
    /// Runs the script command `verb` (see ScriptVerbs).
    void Execute(std::string_view verb, std::string_view rest, bool has_rest, std::int64_t line_no);
    /// After an event that may have changed the state.
    void Touched() { scheduler_.Touched(); }
    std::string Resolve(std::string_view path) const;
    /// Runs one event; returns false when it ended with an error.
    template <class Op>
    bool Run(Op&& op) {
        const bool ok = engine_.Event(op);
        Touched();
        return ok;
    }

    SimPlatform platform_;
    rotacle::Engine engine_;
    SpeedPlay speed_;
    Scheduler scheduler_;
    SessionStats stats_;
    bool keep_stats_;
    std::string output_;
    std::filesystem::path base_dir_;
    bool confine_files_ = false;
};

/// The session journal of a script run.
struct JournalOptions {
    std::string journal;  ///< write the actions to this journal ("" for none)
    std::string resume;   ///< first replay this journal and print its state as line 0
};

/// Runs a whole script. Prints one JSON line per command (or only the last
/// one when `quiet`). Returns the exit code: 0, 1 for a journal that cannot
/// be resumed or written, or 2 for a malformed line.
int RunScript(std::istream& in, const std::filesystem::path& base_dir, std::ostream& out, std::ostream& err,
              bool quiet, const JournalOptions& journal = {});

}  // namespace rotacle::sim
