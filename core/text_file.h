// Reading and writing text files as lists of lines.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace rotacle {

/// The most a number file (or any other list the program reads) may hold:
/// 200 MB of numbers import in about 3 s; a file of line ends alone, the
/// worst case, takes about 2 GB while it waits in the import list.
inline constexpr std::uint64_t kNumberFileLimit = std::uint64_t{200} << 20;
/// The most a settings file may hold; a real one is well under 1 KB.
inline constexpr std::uint64_t kSettingsFileLimit = std::uint64_t{1} << 20;

/// Splits text into lines at CR LF, LF or CR. A final line end does not
/// start another line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

/// Reads a whole regular file of at most `limit` bytes. The file is opened
/// without waiting, so a FIFO or a device is refused at once instead of
/// blocking or reading without end.
/// Throws FileError "Cannot open file "<path>". <reason>", the reason being
/// the system's, "Not a regular file" or "File too large (more than N MB)".
std::string ReadFileText(const std::string& path, std::uint64_t limit = kNumberFileLimit);

/// Reads a file as lines (see ReadFileText and SplitLines).
std::vector<std::string> ReadLines(const std::string& path, std::uint64_t limit = kNumberFileLimit);

/// Writes the lines, each ended by CR LF, replacing `path` atomically: the
/// text goes to a temporary file beside it, which is then renamed over it.
/// A failed write leaves the old file as it was.
///
/// A symbolic link stays a link: the file it leads to is replaced. The new
/// file keeps the replaced file's mode (a new one gets 0666 less the umask).
/// The temporary file, ".NAME.XXXXXXXX.rotacle-tmp" beside the target, has
/// a name of its own drawn for every save, so that two saves to one target
/// at the same time never write into one file; each holds a lock on its
/// file while it writes, and one left by a save that was killed goes with
/// the next save to that target. The file and then its folder are synced
/// before this returns.
/// A target that exists and is not a regular file is refused.
/// Throws FileError "Cannot create file "<path>". <reason>".
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

/// Writes `text` as the whole content of `path`, replacing it atomically as
/// WriteLinesAtomic does.
void WriteTextAtomic(const std::string& path, std::string_view text);

/// A save whose text comes as a stream, for outputs too large to hold in
/// memory: the same checks and the same replacement as WriteTextAtomic (which
/// saves through it). The text goes to the temporary file beside the target
/// as it comes; the target is replaced only by Commit. A save dropped without
/// Commit removes its temporary file and leaves the target as it was.
class AtomicFileStream : public std::ostream {
public:
    /// Checks the target of `path` and makes the temporary file.
    /// Throws FileError "Cannot create file "<path>". <reason>".
    explicit AtomicFileStream(const std::string& path);
    AtomicFileStream(const AtomicFileStream&) = delete;
    AtomicFileStream& operator=(const AtomicFileStream&) = delete;
    ~AtomicFileStream() override;

    /// Writes what is still buffered and syncs the temporary file; a write
    /// that failed on the way is reported here. Only Commit is left after it.
    /// Throws FileError; the temporary file is gone then.
    void Finish();
    /// Finishes, renames the temporary file over the target and syncs the
    /// folder. Throws FileError.
    void Commit();

private:
    class Buffer;
    std::unique_ptr<Buffer> buffer_;
};

/// Checks the targets of several saves of one run before any of them is
/// made: each as a save checks it (absent or a regular file that may be
/// written, in a folder that may be written), and no two of them leading to
/// the same file, be it through a link or a second name. Empty paths are
/// skipped. A target that is the same file as one of `inputs` (the files the
/// run reads, found by identity, so a link or a second name counts too) is
/// refused as well: its save would replace what the run reads. Throws
/// FileError naming the first target that fails.
void CheckSaveTargets(const std::vector<std::string>& paths, const std::vector<std::string>& inputs = {});

/// Finishes every save, then commits them one after another: a save that
/// fails to finish leaves every target as it was.
void CommitAll(const std::vector<AtomicFileStream*>& saves);

/// The temporary files of saves to `target` that are in its folder now (those
/// of saves under way and those left by saves that were killed).
std::vector<std::string> TemporaryFilesFor(const std::string& target);

}  // namespace rotacle
