// Reading and writing text files as lists of lines.
#pragma once

#include <cstdint>
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
/// The temporary file has a fixed name, ".NAME.rotacle-tmp" beside the
/// target, so that one left by a save that was killed goes with the next
/// save. The file and then its folder are synced before this returns.
/// A target that exists and is not a regular file is refused.
/// Throws FileError "Cannot create file "<path>". <reason>".
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

/// Writes `text` as the whole content of `path`, replacing it atomically as
/// WriteLinesAtomic does.
void WriteTextAtomic(const std::string& path, std::string_view text);

/// The name of the temporary file that a save to `target` uses.
std::string TemporaryFileFor(const std::string& target);

}  // namespace rotacle
