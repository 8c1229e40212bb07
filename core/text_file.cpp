#include "core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>

#include "core/convert.h"
#include "core/line_list.h"

namespace rotacle {

namespace {

namespace fs = std::filesystem;

// A path in a message: whole, but with a NUL byte shown (a path that holds
// one is refused before the system sees it).
std::string PathText(const std::string& path) { return QuoteText(path, path.size()); }

// "1 MB", "256 MB": limits are whole binary megabytes.
std::string LimitText(std::uint64_t limit) {
    return IntToStr(static_cast<std::int64_t>(limit >> 20)) + " MB";
}

std::string TooLarge(std::uint64_t limit) { return "File too large (more than " + LimitText(limit) + ")"; }

// Closes a descriptor when the reader or writer leaves early.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    /// Closes now; returns 0 or the error of close.
    int Close() {
        if (fd_ < 0) return 0;
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The file that a save to `path` replaces: `path` itself, or the end of the
// chain of symbolic links that starts there (which need not exist yet).
// Returns 0 or the error.
int FinalTarget(const fs::path& path, fs::path& target) {
    target = path;
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode)) return 0;
        if (hops == 40) return ELOOP;
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) return ec.value();
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
}

// Syncs a folder so that a rename in it lasts. Folders that cannot be synced
// on some file systems (EINVAL) count as synced.
int SyncFolder(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    Descriptor guard(fd);
    if (::fsync(fd) != 0 && errno != EINVAL) return errno;
    return guard.Close();
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    const LineList lines = LineList::Split(text);
    return {lines.begin(), lines.end()};
}

std::string ReadFileText(const std::string& path, std::uint64_t limit) {
    const auto fail = [&](const char* verb, const std::string& reason) {
        throw FileError(std::string(verb) + " file \"" + PathText(path) + "\". " + reason);
    };
    if (path.find('\0') != std::string::npos) fail("Cannot open", std::strerror(EINVAL));
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) fail("Cannot open", std::strerror(errno));
    Descriptor guard(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) fail("Cannot open", std::strerror(errno));
    if (S_ISDIR(st.st_mode)) fail("Cannot open", std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode)) fail("Cannot open", "Not a regular file");
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > limit)
        fail("Cannot open", TooLarge(limit));

    std::string text;
    text.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t r = ::read(fd, buf, sizeof buf);
        if (r < 0) {
            if (errno == EINTR) continue;
            fail("Cannot read", std::strerror(errno));
        }
        if (r == 0) break;
        // The file may have grown since it was measured.
        if (text.size() + static_cast<std::size_t>(r) > limit) fail("Cannot open", TooLarge(limit));
        text.append(buf, static_cast<std::size_t>(r));
    }
    return text;
}

std::vector<std::string> ReadLines(const std::string& path, std::uint64_t limit) {
    return SplitLines(ReadFileText(path, limit));
}

std::string TemporaryFileFor(const std::string& target) {
    const fs::path p(target);
    std::string name = p.filename().string();
    // The longest name a folder takes, less the dot and the suffix.
    constexpr std::size_t kSuffix = sizeof(".rotacle-tmp") - 1;
    if (name.size() > NAME_MAX - 1 - kSuffix) name.resize(NAME_MAX - 1 - kSuffix);
    return (p.parent_path() / ("." + name + ".rotacle-tmp")).string();
}

void WriteTextAtomic(const std::string& path, std::string_view text) {
    const auto fail_with = [&](const std::string& reason) {
        throw FileError("Cannot create file \"" + PathText(path) + "\". " + reason);
    };
    const auto fail = [&](int err) { fail_with(std::strerror(err)); };
    if (path.find('\0') != std::string::npos) fail(EINVAL);

    fs::path target;
    if (const int err = FinalTarget(path, target)) fail(err);
    struct stat old {};
    const bool replaces = ::stat(target.c_str(), &old) == 0;
    if (replaces) {
        if (S_ISDIR(old.st_mode)) fail(EISDIR);
        // Renaming over a FIFO or a device would remove it.
        if (!S_ISREG(old.st_mode)) fail_with("Not a regular file");
        // A file that its owner made read-only is not to be written.
        if (::access(target.c_str(), W_OK) != 0) fail(errno);
    } else if (errno != ENOENT) {
        fail(errno);
    }

    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string tmp = TemporaryFileFor(target.string());
    // One left by a save that was killed goes first; O_EXCL then makes sure
    // that the text goes into a new file of our own, not through a link.
    ::unlink(tmp.c_str());
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) fail(errno);
    Descriptor file(fd);
    const auto fail_removing = [&](int err) {
        file.Close();
        ::unlink(tmp.c_str());
        fail(err);
    };
    if (replaces) {
        // Owner and group as far as the system allows; the mode after them,
        // since a change of owner clears the set-user-ID and set-group-ID bits.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int kept = ::fchown(fd, old.st_uid, old.st_gid);
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) fail_removing(errno);
    }
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            fail_removing(errno);
        }
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    if (::fsync(fd) != 0) fail_removing(errno);
    if (const int err = file.Close()) {
        ::unlink(tmp.c_str());
        fail(err);
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        fail(err);
    }
    if (const int err = SyncFolder(dir)) fail(err);
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    WriteTextAtomic(path, text);
}

}  // namespace rotacle
