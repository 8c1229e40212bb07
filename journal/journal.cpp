#include "journal/journal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#include "core/convert.h"
#include "core/text_file.h"
#include "journal/crc32.h"

namespace rotacle {

namespace {

constexpr std::string_view kFormat = "rotacle-journal";
constexpr int kVersion = 1;
constexpr std::string_view kClosed = "closed";
constexpr char kHex[] = "0123456789abcdef";

void AppendRecord(std::string& out, std::string_view text) {
    out += text;
    out += '\t';
    const std::uint32_t crc = Crc32(text);
    for (int shift = 28; shift >= 0; shift -= 4) out += kHex[(crc >> shift) & 15U];
    out += '\n';
}

// The text of an intact record line (without its line end), or nothing.
std::optional<std::string_view> RecordText(std::string_view line) {
    const std::size_t tab = line.rfind('\t');
    if (tab == std::string_view::npos || line.size() - tab != 9) return std::nullopt;
    const std::string_view text = line.substr(0, tab);
    std::uint32_t crc = 0;
    for (const char c : line.substr(tab + 1)) {
        const char* p = std::strchr(kHex, c);
        if (c == '\0' || p == nullptr) return std::nullopt;
        crc = crc * 16 + static_cast<std::uint32_t>(p - kHex);
    }
    if (crc != Crc32(text)) return std::nullopt;
    return text;
}

}  // namespace

JournalWriter::JournalWriter(std::string path, TroubleHandler on_trouble, Start start)
    : path_(std::move(path)), on_trouble_(std::move(on_trouble)) {
    const auto fail = [&](const std::string& reason) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        throw MessageError<FileError>(MessageKind::CannotOpenFile, path_, reason);
    };
    struct stat st {};
    // The lock belongs to the file that the path names: when another writer
    // replaced the file between the open and the lock, the new one is taken.
    for (int attempt = 0;; ++attempt) {
        // Without waiting: a FIFO must not hold the program up.
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
        if (fd_ < 0) fail(std::strerror(errno));
        if (::fstat(fd_, &st) != 0) fail(std::strerror(errno));
        if (!S_ISREG(st.st_mode)) fail("Not a regular file");
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) fail(std::strerror(errno));
            ::close(fd_);
            fd_ = -1;
            throw JournalBusy("The session journal \"" + path_ + "\" is open in another session.");
        }
        struct stat named {};
        if (::stat(path_.c_str(), &named) == 0 && named.st_dev == st.st_dev && named.st_ino == st.st_ino)
            break;
        if (attempt == 5) fail("The file keeps being replaced");
        ::close(fd_);
        fd_ = -1;
    }
    found_time_ = st.st_mtime;
    char block[1 << 16];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd_, block, sizeof block, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(std::strerror(errno));
        if (n == 0) break;
        found_text_.append(block, static_cast<std::size_t>(n));
        at += n;
    }
    found_ = ParseJournal(found_text_);
    if (start == Start::Append) {
        try {
            Append();
        } catch (...) {
            ::close(fd_);
            fd_ = -1;
            throw;
        }
    }
}

JournalWriter::~JournalWriter() {
    if (fd_ >= 0) ::close(fd_);
}

void JournalWriter::Append(std::size_t actions) {
    if (!found_.usable) throw MessageError<FileError>(MessageKind::FileLeftAsItIs, found_.problem, path_);
    // New records follow the last whole one: glued to a torn record they
    // would make both unreadable, and behind a damaged one or one that the
    // resume did not replay they would never be read.
    std::size_t keep = found_.intact_bytes;
    // A closed session written on is no longer closed: its close goes too.
    if (actions < found_.actions.size() || found_.closed) {
        actions = std::min(actions, found_.actions.size());
        std::size_t at = 0;
        // The format record, then the actions: a close only follows them.
        for (std::size_t records = 0; records <= actions; ++records) at = found_text_.find('\n', at) + 1;
        keep = at;
    }
    if (keep < found_text_.size() && ::ftruncate(fd_, static_cast<off_t>(keep)) != 0)
        throw MessageError<FileError>(MessageKind::CannotWriteFile, path_, std::strerror(errno));
    if (keep == 0) AppendRecord(unsaved_, std::string(kFormat) + " " + IntToStr(kVersion));
    writing_ = true;
    Flush();
}

void JournalWriter::StartOver() {
    if (::ftruncate(fd_, 0) != 0)
        throw MessageError<FileError>(MessageKind::CannotWriteFile, path_, std::strerror(errno));
    unsaved_.clear();
    AppendRecord(unsaved_, std::string(kFormat) + " " + IntToStr(kVersion));
    writing_ = true;
    Flush();
}

void JournalWriter::Record(std::string_view action) noexcept {
    if (!writing_) return;
    try {
        AppendRecord(unsaved_, action);
    } catch (...) {
        return;  // out of memory: the action is lost, the game goes on
    }
    Flush();
}

void JournalWriter::Close() noexcept { Record(kClosed); }

void JournalWriter::Flush() noexcept {
    // One write per action reaches the kernel at once: a killed process loses
    // at most the action in flight. Records the file refuses (a full disk)
    // wait here, whole, and go out with the next action once there is room.
    while (!unsaved_.empty()) {
        const ssize_t n = ::write(fd_, unsaved_.data(), unsaved_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (!in_trouble_) {
                in_trouble_ = true;
                if (on_trouble_) {
                    try {
                        on_trouble_(n < 0 ? std::strerror(errno) : "nothing was written");
                    } catch (...) {
                    }
                }
            }
            return;
        }
        unsaved_.erase(0, static_cast<std::size_t>(n));
    }
    if (in_trouble_) {
        in_trouble_ = false;
        if (on_trouble_) {
            try {
                on_trouble_(std::string());
            } catch (...) {
            }
        }
    }
}

std::string JournalRecord(std::string_view text) {
    std::string line;
    AppendRecord(line, text);
    return line;
}

JournalContents ParseJournal(std::string_view text) {
    JournalContents j;
    const std::string format = std::string(kFormat) + " ";
    std::string_view rest = text;
    std::size_t record = 0;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const bool complete = end != std::string_view::npos;
        std::string_view line = rest.substr(0, end);
        rest = complete ? rest.substr(end + 1) : std::string_view();
        if (complete && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::optional<std::string_view> body = RecordText(line);
        if (!body || !complete) {
            if (record == 0) {
                // Killed while its first record was written: an empty session.
                if (rest.empty() && !complete &&
                    JournalRecord(format + IntToStr(kVersion)).starts_with(line)) {
                    j.torn = true;
                    return j;
                }
                break;  // no format record: not a journal
            }
            if (rest.empty()) {
                // The record in flight when the session ended: not an action yet.
                j.torn = true;
                break;
            }
            j.problem = "The journal is damaged at record " +
                        IntToStr(static_cast<std::int64_t>(record + 1)) +
                        "; the session is resumed up to the record before it.";
            break;
        }
        if (record == 0) {
            std::int32_t version = 0;
            if (!body->starts_with(format) || !TryStrToInt(body->substr(format.size()), version) ||
                version < 1) {
                j.usable = false;
                j.problem = "This is not a session journal of Rotacle.";
                return j;
            }
            if (version != kVersion) {
                j.usable = false;
                j.problem = "The session journal was written by a newer version of Rotacle.";
                return j;
            }
        } else if (*body == kClosed) {
            j.closed = true;
        } else if (j.closed) {
            // The session ended at its close: what follows belongs to none.
            j.problem = "The session was closed at record " + IntToStr(static_cast<std::int64_t>(record)) +
                        "; nothing after it is resumed.";
            break;
        } else {
            j.actions.emplace_back(*body);
        }
        ++record;
        j.intact_bytes = static_cast<std::size_t>(rest.data() - text.data());
        if (rest.empty()) j.intact_bytes = text.size();
    }
    if (record == 0 && !text.empty()) {
        j.usable = false;
        j.problem = "This is not a session journal of Rotacle.";
    }
    return j;
}

JournalContents ReadJournal(const std::string& path) {
    // No limit: a long driver session journals millions of actions.
    return ParseJournal(ReadFileText(path, std::numeric_limits<std::uint64_t>::max()));
}

std::string KeptJournalName(std::time_t when) {
    std::tm tm{};
    ::localtime_r(&when, &tm);
    char name[64];
    std::strftime(name, sizeof name, "session-%Y%m%d-%H%M%S.journal", &tm);
    return name;
}

namespace {

constexpr std::string_view kKeptPrefix = "session-";
constexpr std::string_view kKeptSuffix = ".journal";
constexpr std::size_t kStampSize = 15;  // YYYYMMDD-HHMMSS

// A kept journal's place in time: its stamp, then the number of the copy
// within that second (1 for the first, unnumbered one).
std::pair<std::string, std::int64_t> KeptOrder(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    std::string_view rest(name);
    rest.remove_prefix(std::min(rest.size(), kKeptPrefix.size()));
    if (rest.ends_with(kKeptSuffix)) rest.remove_suffix(kKeptSuffix.size());
    std::int64_t copy = 1;
    if (rest.size() > kStampSize + 1 && rest[kStampSize] == '-') {
        std::int32_t n = 0;
        if (TryStrToInt(rest.substr(kStampSize + 1), n)) copy = n;
        rest = rest.substr(0, kStampSize);
    }
    return {std::string(rest), copy};
}

}  // namespace

std::string KeepJournal(std::string_view text, const std::string& folder, std::time_t when,
                        std::time_t modified) {
    namespace fs = std::filesystem;
    // The name is claimed by creating the file: two copies made within one
    // second, by one program or two, never take the same name.
    fs::path kept;
    for (int i = 1;; ++i) {
        std::string name = KeptJournalName(when);
        if (i > 1) name.insert(name.size() - kKeptSuffix.size(), "-" + IntToStr(i));
        kept = fs::path(folder) / name;
        const int fd = ::open(kept.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0) {
            ::close(fd);
            break;
        }
        if (errno != EEXIST || i == 1000)
            throw MessageError<FileError>(MessageKind::CannotCreateFile, kept.string(), std::strerror(errno));
    }
    try {
        WriteTextAtomic(kept.string(), text);
    } catch (...) {
        std::error_code ec;
        fs::remove(kept, ec);
        throw;
    }
    const struct timespec times[2] = {{0, UTIME_OMIT}, {modified, 0}};
    ::utimensat(AT_FDCWD, kept.c_str(), times, 0);
    std::vector<std::string> all = KeptJournals(folder);
    std::error_code ec;
    for (std::size_t i = kKeptJournals; i < all.size(); ++i) fs::remove(all[i], ec);
    return kept.string();
}

std::vector<std::string> KeptJournals(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(kKeptPrefix) && name.ends_with(kKeptSuffix) && it->is_regular_file(ec))
            found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return KeptOrder(a) > KeptOrder(b); });
    return found;
}

}  // namespace rotacle
