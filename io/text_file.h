// Reading and writing text files as lists of lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rotacle {

/// Splits text into lines at CR LF, LF or CR. A final line end does not
/// start another line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

/// Reads a whole file. Throws FileError "Cannot open file "<path>". <reason>".
std::string ReadFileText(const std::string& path);

/// Reads a file as lines (see SplitLines).
std::vector<std::string> ReadLines(const std::string& path);

/// Writes the lines, each ended by CR LF, replacing `path` atomically: the
/// text goes to a temporary file beside it, which is then renamed over it.
/// A failed write leaves the old file as it was.
/// Throws FileError "Cannot create file "<path>". <reason>".
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

/// Writes `text` as the whole content of `path`, replacing it atomically as
/// WriteLinesAtomic does.
void WriteTextAtomic(const std::string& path, std::string_view text);

}  // namespace rotacle
