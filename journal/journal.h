// The session journal: an append-only file of the player's actions, one
// record per line with its checksum, written as each action ends, so that a
// session survives a crash or a kill and can be resumed.
//
// A record is the action's text, a tab and the CRC-32 of the text in eight
// hex digits. The first record names the format ("rotacle-journal 1"); a
// clean end adds "closed". A torn last record (the action in flight when
// the process died) is ignored on reading and cut off before the journal
// is written again. One writer at a time: a journal open for writing is
// locked, and a second writer is refused.
#pragma once

#include <cstddef>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_sink.h"
#include "core/convert.h"

namespace rotacle {

/// The journal's file name in its folder.
inline constexpr std::string_view kJournalName = "session.journal";
/// Journals kept beside it (older sessions), at most this many.
inline constexpr std::size_t kKeptJournals = 10;

/// What a journal file holds.
struct JournalContents {
    std::vector<std::string> actions;  ///< the intact records up to the close, oldest first
    /// The session ended cleanly. Records after the close are no part of it:
    /// they are left out, and `problem` says where.
    bool closed = false;
    bool torn = false;  ///< the last record was cut short (ignored)
    /// Set when the file cannot be resumed from at all (not a journal of this
    /// program, or of a version it does not know), or is damaged in the
    /// middle: the actions before the damage are kept and the text says where.
    std::string problem;
    bool usable = true;  ///< false when nothing of it can be resumed
    /// Bytes of the whole records read, from the start of the file: what is
    /// left when the torn or damaged rest is cut off.
    std::size_t intact_bytes = 0;
};

/// A journal that another writer holds open.
class JournalBusy : public FileError {
public:
    using FileError::FileError;
};

/// Appends the actions to a journal file, which it holds locked for itself
/// while it lives.
class JournalWriter : public ActionSink {
public:
    /// Called once when records cannot be written (with the reason) and once
    /// when they can again (with an empty text).
    using TroubleHandler = std::function<void(const std::string& reason)>;
    /// What the writer does with the file it opens.
    enum class Start {
        Append,  ///< goes on after its last whole record (see `Append`)
        Inspect  ///< only reads it; nothing is written before `Append` or `StartOver`
    };

    /// Opens `path` (created when missing), locks it and reads what it
    /// holds. Throws JournalBusy when another writer holds it, and FileError
    /// when it cannot be opened or is not a regular file, or (with
    /// Start::Append) when `Append` refuses it.
    explicit JournalWriter(std::string path, TroubleHandler on_trouble = {}, Start start = Start::Append);
    ~JournalWriter() override;
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    /// What the file held when it was opened, and when it was last written.
    const JournalContents& Found() const { return found_; }
    std::time_t FoundTime() const { return found_time_; }
    /// The whole text the file held when it was opened.
    const std::string& FoundText() const { return found_text_; }

    /// From here on records go at the end of the journal: a torn last
    /// record, or what follows a damaged one, and the close of a closed
    /// journal with what follows it, are cut off first, and an empty file
    /// gets the format record. A file that is not a journal this
    /// version can write is left as it is: throws FileError. With `actions`
    /// fewer than the file holds (a resume stopped at an action it does not
    /// know), the records after the first `actions` ones are cut off too.
    void Append(std::size_t actions = static_cast<std::size_t>(-1));
    /// Empties the journal to its format record (its session was kept
    /// aside). Throws FileError when the file cannot be emptied.
    void StartOver();

    void Record(std::string_view action) noexcept override;
    /// Marks the journal closed: the session ended cleanly.
    void Close() noexcept;
    /// True while records wait in memory because the file refused them.
    bool Behind() const { return !unsaved_.empty(); }
    const std::string& Path() const { return path_; }

private:
    void Flush() noexcept;

    std::string path_;
    int fd_ = -1;
    bool writing_ = false;  // Append or StartOver ran
    JournalContents found_;
    std::string found_text_;
    std::time_t found_time_ = 0;
    std::string unsaved_;  // whole records that the file has not taken yet
    bool in_trouble_ = false;
    TroubleHandler on_trouble_;
};

/// One record line of `text`, with its checksum and line end.
std::string JournalRecord(std::string_view text);

/// What the journal text `text` holds. Lines may end in LF or CR LF; an
/// empty text is a journal without actions.
JournalContents ParseJournal(std::string_view text);
/// Reads a journal. Throws FileError when the file cannot be read.
JournalContents ReadJournal(const std::string& path);

/// The name a kept journal gets: "session-YYYYMMDD-HHMMSS.journal".
std::string KeptJournalName(std::time_t when);
/// Writes `text` as a new kept journal in `folder`, named by `when` (with
/// "-2", "-3" ... before ".journal" when that name is taken: a kept journal
/// is never written over) and dated `modified`; then removes the oldest
/// kept journals beyond the limit. Returns the kept file's path. Throws
/// FileError when it cannot be written.
std::string KeepJournal(std::string_view text, const std::string& folder, std::time_t when,
                        std::time_t modified);
/// The kept journals of `folder`, newest first.
std::vector<std::string> KeptJournals(const std::string& folder);

}  // namespace rotacle
