#include "core/text_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

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

// Temporary files: ".NAME.TAG.rotacle-tmp" beside the target, TAG drawn for
// every save.
constexpr std::string_view kTemporarySuffix = ".rotacle-tmp";
constexpr std::size_t kTagLength = 8;
constexpr std::string_view kTagAlphabet = "0123456789abcdefghijklmnopqrstuvwxyz";

// ".NAME.", the name cut so that the whole temporary name fits in a folder.
std::string TemporaryPrefix(const fs::path& target) {
    std::string name = target.filename().string();
    constexpr std::size_t kRoom = NAME_MAX - 2 - kTagLength - kTemporarySuffix.size();
    if (name.size() > kRoom) name.resize(kRoom);
    return "." + name + ".";
}

bool IsTemporaryName(std::string_view file, std::string_view prefix) {
    if (file.size() != prefix.size() + kTagLength + kTemporarySuffix.size()) return false;
    if (file.substr(0, prefix.size()) != prefix || !file.ends_with(kTemporarySuffix)) return false;
    return file.substr(prefix.size(), kTagLength).find_first_not_of(kTagAlphabet) == std::string_view::npos;
}

std::string RandomTag() {
    thread_local std::mt19937_64 gen([] {
        std::random_device device;
        std::seed_seq seq{device(), device(), device(), static_cast<unsigned>(::getpid()),
                          static_cast<unsigned>(std::time(nullptr))};
        return std::mt19937_64(seq);
    }());
    std::string tag(kTagLength, '0');
    for (char& c : tag) c = kTagAlphabet[gen() % kTagAlphabet.size()];
    return tag;
}

// A save holds a lock on its temporary file from just after it made it
// until the rename; a file of the pattern that nobody locks and that has not
// changed for a minute is the leftover of a save that was killed.
void RemoveLeftovers(const fs::path& dir, const std::string& prefix) {
    DIR* folder = ::opendir(dir.c_str());
    if (!folder) return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(folder))
        if (IsTemporaryName(entry->d_name, prefix)) names.emplace_back(entry->d_name);
    ::closedir(folder);
    for (const std::string& name : names) {
        const fs::path p = dir / name;
        const int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        Descriptor guard(fd);
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || std::time(nullptr) - st.st_mtime < 60) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) continue;
        ::unlink(p.c_str());
    }
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    const LineList lines = LineList::Split(text);
    return {lines.begin(), lines.end()};
}

std::string ReadFileText(const std::string& path, std::uint64_t limit) {
    const auto fail = [&](MessageKind kind, const std::string& reason) {
        throw MessageError<FileError>(kind, PathText(path), reason);
    };
    if (path.find('\0') != std::string::npos) fail(MessageKind::CannotOpenFile, std::strerror(EINVAL));
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) fail(MessageKind::CannotOpenFile, std::strerror(errno));
    Descriptor guard(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) fail(MessageKind::CannotOpenFile, std::strerror(errno));
    if (S_ISDIR(st.st_mode)) fail(MessageKind::CannotOpenFile, std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode)) fail(MessageKind::CannotOpenFile, "Not a regular file");
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > limit)
        fail(MessageKind::CannotOpenFile, TooLarge(limit));

    std::string text;
    text.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t r = ::read(fd, buf, sizeof buf);
        if (r < 0) {
            if (errno == EINTR) continue;
            fail(MessageKind::CannotReadFile, std::strerror(errno));
        }
        if (r == 0) break;
        // The file may have grown since it was measured.
        if (text.size() + static_cast<std::size_t>(r) > limit)
            fail(MessageKind::CannotOpenFile, TooLarge(limit));
        text.append(buf, static_cast<std::size_t>(r));
    }
    return text;
}

std::vector<std::string> ReadLines(const std::string& path, std::uint64_t limit) {
    return SplitLines(ReadFileText(path, limit));
}

namespace {

[[noreturn]] void FailCreate(const std::string& path, const std::string& reason) {
    throw MessageError<FileError>(MessageKind::CannotCreateFile, PathText(path), reason);
}

[[noreturn]] void FailCreate(const std::string& path, int err) { FailCreate(path, std::strerror(err)); }

// The file that a save to `path` writes, as checked before the save starts.
struct SaveTarget {
    fs::path target;  ///< the end of the chain of links
    fs::path dir;     ///< its folder
    bool replaces = false;
    struct stat old {};  ///< the file replaced, when it `replaces`
};

SaveTarget CheckTarget(const std::string& path) {
    if (path.find('\0') != std::string::npos) FailCreate(path, EINVAL);
    SaveTarget t;
    if (const int err = FinalTarget(path, t.target)) FailCreate(path, err);
    t.replaces = ::stat(t.target.c_str(), &t.old) == 0;
    if (t.replaces) {
        if (S_ISDIR(t.old.st_mode)) FailCreate(path, EISDIR);
        // Renaming over a FIFO or a device would remove it.
        if (!S_ISREG(t.old.st_mode)) FailCreate(path, "Not a regular file");
        // A file that its owner made read-only is not to be written.
        if (::access(t.target.c_str(), W_OK) != 0) FailCreate(path, errno);
    } else if (errno != ENOENT) {
        FailCreate(path, errno);
    }
    t.dir = t.target.has_parent_path() ? t.target.parent_path() : fs::path(".");
    // The temporary file and the rename need a folder that takes new files.
    if (::access(t.dir.c_str(), W_OK | X_OK) != 0) FailCreate(path, errno);
    return t;
}

}  // namespace

// The temporary file of a save and the buffer in front of it.
class AtomicFileStream::Buffer : public std::streambuf {
public:
    explicit Buffer(const std::string& path) : path_(path), space_(std::size_t{1} << 16) {
        const SaveTarget t = CheckTarget(path);
        target_ = t.target;
        dir_ = t.dir;
        const std::string prefix = TemporaryPrefix(target_);
        RemoveLeftovers(dir_, prefix);
        // O_EXCL: a new file of our own, never one of another save nor a
        // link; a name taken already is drawn again.
        for (int attempt = 0; fd_ < 0; ++attempt) {
            tmp_ = (dir_ / (prefix + RandomTag() + std::string(kTemporarySuffix))).string();
            fd_ = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
            if (fd_ < 0 && (errno != EEXIST || attempt == 100)) {
                tmp_.clear();
                FailCreate(path_, errno);
            }
        }
        // Held on a descriptor of its own until the rename, so that no other
        // save takes the file for a leftover, also after Finish closed the
        // one written through.
        lock_ = ::open(tmp_.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        if (lock_ >= 0) ::flock(lock_, LOCK_EX | LOCK_NB);
        if (t.replaces) {
            // Owner and group as far as the system allows; the mode after
            // them, since a change of owner clears the set-user-ID and
            // set-group-ID bits.
            if (t.old.st_uid != ::geteuid() || t.old.st_gid != ::getegid()) {
                [[maybe_unused]] const int kept = ::fchown(fd_, t.old.st_uid, t.old.st_gid);
            }
            if (::fchmod(fd_, t.old.st_mode & 07777) != 0) Fail(errno);
        }
        setp(space_.data(), space_.data() + space_.size());
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() override { Drop(); }

    void Finish() {
        if (finished_) return;
        if (!Drain() || error_ != 0) Fail(error_);
        if (::fsync(fd_) != 0) Fail(errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) Fail(errno);
        finished_ = true;
    }

    void Commit() {
        Finish();
        if (::rename(tmp_.c_str(), target_.c_str()) != 0) Fail(errno);
        committed_ = true;
        Unlock();
        if (const int err = SyncFolder(dir_)) FailCreate(path_, err);
    }

protected:
    int overflow(int c) override {
        if (!Drain()) return traits_type::eof();
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
        return c;
    }

    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (n <= epptr() - pptr()) {
            std::memcpy(pptr(), s, static_cast<std::size_t>(n));
            pbump(static_cast<int>(n));
            return n;
        }
        // A long text goes straight to the file after what is buffered.
        if (!Drain() || !WriteAll(s, static_cast<std::size_t>(n))) return 0;
        return n;
    }

    int sync() override { return Drain() ? 0 : -1; }

private:
    // Writes what is buffered; false once a write has failed.
    bool Drain() {
        const bool ok = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(space_.data(), space_.data() + space_.size());
        return ok;
    }

    bool WriteAll(const char* p, std::size_t left) {
        if (error_ != 0 || fd_ < 0) {
            if (error_ == 0) error_ = EBADF;
            return false;
        }
        while (left > 0) {
            const ssize_t w = ::write(fd_, p, left);
            if (w < 0) {
                if (errno == EINTR) continue;
                error_ = errno;
                return false;
            }
            p += w;
            left -= static_cast<std::size_t>(w);
        }
        return true;
    }

    // Closes and removes the temporary file of a save that did not commit.
    void Drop() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        if (!committed_ && !tmp_.empty()) ::unlink(tmp_.c_str());
        Unlock();
    }

    void Unlock() {
        if (lock_ >= 0) ::close(lock_);
        lock_ = -1;
    }

    [[noreturn]] void Fail(int err) {
        Drop();
        FailCreate(path_, err);
    }

    std::string path_;  ///< as given, for messages
    fs::path target_, dir_;
    std::string tmp_;
    int fd_ = -1;
    int lock_ = -1;  ///< holds the lock on the temporary file
    int error_ = 0;
    bool finished_ = false, committed_ = false;
    std::vector<char> space_;
};

AtomicFileStream::AtomicFileStream(const std::string& path)
    : std::ostream(nullptr), buffer_(std::make_unique<Buffer>(path)) {
    rdbuf(buffer_.get());
}

AtomicFileStream::~AtomicFileStream() = default;

void AtomicFileStream::Finish() { buffer_->Finish(); }

void AtomicFileStream::Commit() { buffer_->Commit(); }

std::vector<std::string> TemporaryFilesFor(const std::string& target) {
    fs::path t;
    if (FinalTarget(target, t) != 0) t = target;
    const fs::path dir = t.has_parent_path() ? t.parent_path() : fs::path(".");
    const std::string prefix = TemporaryPrefix(t);
    std::vector<std::string> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (IsTemporaryName(entry.path().filename().string(), prefix)) found.push_back(entry.path().string());
    return found;
}

void CheckSaveTargets(const std::vector<std::string>& paths, const std::vector<std::string>& inputs) {
    // A file is known by its device and inode; one still to be made by the
    // folder's and its name.
    struct Identity {
        dev_t dev;
        ino_t ino;
        std::string name;
        bool operator==(const Identity&) const = default;
    };
    std::vector<std::pair<Identity, const std::string*>> seen;
    for (const std::string& path : paths) {
        if (path.empty()) continue;
        const SaveTarget t = CheckTarget(path);
        Identity id{t.old.st_dev, t.old.st_ino, {}};
        if (!t.replaces) {
            struct stat dir {};
            if (::stat(t.dir.c_str(), &dir) != 0) FailCreate(path, errno);
            id = {dir.st_dev, dir.st_ino, t.target.filename().string()};
        }
        for (const auto& [other, other_path] : seen)
            if (other == id)
                FailCreate(path, "The same file as \"" + PathText(*other_path) +
                                     "\" (every output needs a file of its own)");
        seen.emplace_back(id, &path);
        // An input exists: only a target that exists can be one.
        if (!t.replaces) continue;
        for (const std::string& input : inputs) {
            struct stat in {};
            if (input.find('\0') == std::string::npos && ::stat(input.c_str(), &in) == 0 &&
                in.st_dev == t.old.st_dev && in.st_ino == t.old.st_ino)
                FailCreate(path, "The same file as the input \"" + PathText(input) +
                                     "\" (an output must not replace what the run reads)");
        }
    }
}

void CommitAll(const std::vector<AtomicFileStream*>& saves) {
    for (AtomicFileStream* save : saves)
        if (save) save->Finish();
    for (AtomicFileStream* save : saves)
        if (save) save->Commit();
}

void WriteTextAtomic(const std::string& path, std::string_view text) {
    AtomicFileStream file(path);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.Commit();
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
