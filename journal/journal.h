// The session journal: an append-only file of the player's actions, one
// record per line with its checksum, written as each action ends, so that a
// session survives a crash or a kill and can be resumed.
//
// A record is the action's text, a tab and the CRC-32 of the text in eight
// hex digits. The first record names the format ("rotacle-journal 1"); a
// clean end adds "closed". A torn last record (the action in flight when
// the process died) is ignored on reading.
#pragma once

#include <cstddef>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/action_sink.h"

namespace rotacle {

/// The journal's file name in its folder.
inline constexpr std::string_view kJournalName = "session.journal";
/// Journals kept beside it (older sessions), at most this many.
inline constexpr std::size_t kKeptJournals = 10;

/// Appends the actions to a journal file.
class JournalWriter : public ActionSink {
public:
    /// Called once when records cannot be written (with the reason) and once
    /// when they can again (with an empty text).
    using TroubleHandler = std::function<void(const std::string& reason)>;

    /// Opens `path` for appending, writing the format record when the file
    /// is new or empty. Throws FileError when it cannot be opened.
    explicit JournalWriter(std::string path, TroubleHandler on_trouble = {});
    ~JournalWriter() override;
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

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
    std::string unsaved_;  // whole records that the file has not taken yet
    bool in_trouble_ = false;
    TroubleHandler on_trouble_;
};

/// What a journal file holds.
struct JournalContents {
    std::vector<std::string> actions;  ///< the intact records, oldest first
    bool closed = false;               ///< the session ended cleanly
    bool torn = false;                 ///< the last record was cut short (ignored)
    /// Set when the file cannot be resumed from at all (not a journal of this
    /// program, or of a newer version), or is damaged in the middle: the
    /// actions before the damage are kept and the text says where.
    std::string problem;
    bool usable = true;  ///< false when nothing of it can be resumed
};

/// One record line of `text`, with its checksum and line end.
std::string JournalRecord(std::string_view text);

/// Reads a journal. Throws FileError when the file cannot be read.
JournalContents ReadJournal(const std::string& path);

/// The name a kept journal gets: "session-YYYYMMDD-HHMMSS.journal".
std::string KeptJournalName(std::time_t when);
/// Moves the journal at `path` aside as a kept journal in `folder` (named by
/// `when`) and removes the oldest kept journals beyond the limit. Returns
/// the kept file's path. Throws FileError when it cannot be moved.
std::string KeepJournal(const std::string& path, const std::string& folder, std::time_t when);
/// The kept journals of `folder`, newest first.
std::vector<std::string> KeptJournals(const std::string& folder);

}  // namespace rotacle
