// The text of a saved live-casino history page, as a browser shows it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rotacle {

/// The largest page, in bytes, that is read (16 MB): a history of thousands of results takes a few
/// hundred kilobytes of markup, a whole saved page rarely more than a few megabytes.
inline constexpr std::size_t kPageSizeLimit = std::size_t{16} << 20;

/// How much memory the page reader's processes may hold together (3 GB of resident anonymous and shared
/// memory; the pages of files such as the engine's libraries are not counted). The engine alone takes
/// about 100 MB, a history page at kPageSizeLimit about 1.3 GB.
inline constexpr std::size_t kPageMemoryLimit = std::size_t{3} << 30;

/// How long the page reader may take (30 seconds), start of the engine included.
inline constexpr int kPageTimeoutMs = 30000;

/// The name of the page reader program.
inline constexpr const char* kPageReaderName = "rotacle-page-text";

/// What a run of the page reader took.
struct PageReadUsage {
    double seconds = 0;          ///< from start to the end of its processes
    std::size_t peakMemory = 0;  ///< the most its processes held together, in bytes, as last sampled
};

/// Reads the text of the saved page at `path` as a browser shows it: the body's innerText, its lines
/// separated by "\n". The page reader (a browser engine, rotacle-page-text) loads the file in a child
/// process with scripts, images and every other request off; see FindPageReader for where it is looked
/// for. The reader's processes get kPageTimeoutMs and kPageMemoryLimit and are killed when they exceed
/// either. The reader is told this process's id and the limits, and keeps them on its own: killed
/// while it reads, this process leaves no reader or engine process behind.
///
/// Throws FileError when the file cannot be read (ReadFileText's messages), when it holds more than
/// kPageSizeLimit bytes ("The page cannot be read: it holds N bytes, more than the limit of 16 MB
/// (16777216 bytes).") and, "The page cannot be read: " and the reason, when the reader is missing,
/// fails, takes too long or needs too much memory. A build for the browser (WebAssembly, which starts
/// no processes) has no page reader: there FindPageReader and RunPageReader throw "The page cannot be
/// read: this build of the program has no page reader."
std::string ReadPageText(const std::string& path, PageReadUsage* usage = nullptr);

/// Lays out a page's markup and gives its text, as the page reader would.
using PageLayout = std::string (*)(const std::string& page, void* context);

/// A host that lays pages out itself (the browser, which reads a pasted page in a frame of its own)
/// hands ReadPageText its layout here; the size limit is kept before it is asked. Null (the
/// default) runs the page reader.
void SetPageLayout(PageLayout layout, void* context);

/// Where the page reader is, in this order: the program named by the environment variable
/// ROTACLE_PAGE_READER; rotacle-page-text beside the running program; in libexec/rotacle/ beside the
/// running program's folder (the build tree, and an installation under any prefix); in the installed
/// libexec folder. Throws FileError naming the places looked at when none holds it, and the package that
/// holds the reader ("... Install the package rotacle-page-reader to paste pages.").
std::string FindPageReader();

namespace detail {

/// Runs `argv` (the program first) as a page reader and returns the text it gives on standard output,
/// framed as DecodeReaderOutput reads it. The child starts a process group of its own; the processes of
/// that group and all descendants of the child are killed when it takes longer than `timeoutMs`, when
/// they hold more than `memoryLimit` bytes together (sampled ten times a second), and when the child
/// ends. Throws FileError "The page cannot be read: " and what happened when no whole text arrives.
/// Exposed for tests.
std::string RunPageReader(const std::vector<std::string>& argv, int timeoutMs, std::size_t memoryLimit,
                          PageReadUsage* usage = nullptr);

/// The reader's output "SIZE\nTEXT" (SIZE in decimal digits, the byte count of TEXT): TEXT, or nothing
/// when the output is not exactly that.
std::optional<std::string_view> DecodeReaderOutput(std::string_view output);

}  // namespace detail

}  // namespace rotacle
