// The page reader runs as a child process: a browser engine is large, starts
// processes of its own and may meet any page, so it gets a time limit and a
// memory limit on all its processes together, and whatever becomes of it the
// program only sees a whole text or a message.
//
// The memory limit is not an address-space limit: the engine reserves tens of
// gigabytes of address space that it never touches, in every process. The
// child is watched instead: ten times a second the resident memory of the
// child, its descendants and its process group is summed from /proc.
#include "import/page_text.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>

#include "core/convert.h"
#include "core/text_file.h"

extern char** environ;

namespace rotacle {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

[[noreturn]] void PageUnreadable(const std::string& reason) {
    throw MessageError<FileError>(MessageKind::PageUnreadable, reason);
}

// A whole number of decimal digits that fits 32 bits.
bool Digits(std::string_view text, std::int32_t& out) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return TryStrToInt(text, out);
}

// WebAssembly starts no processes: the build for the browser has no page
// reader, and a page import there says so.
#ifndef __EMSCRIPTEN__

constexpr int kSampleMs = 100;
// The reader's text is at most a few times the page (tabs between cells, line
// ends between blocks); more is a reader gone wrong, not a page.
constexpr std::size_t kMaxReaderOutput = kPageSizeLimit * 8;
// Exit statuses of the reader: a page the engine could not load, and its own
// watch stopping it at the time or the memory limit.
constexpr int kExitLoadFailed = 3;
constexpr int kExitTooLong = 5;
constexpr int kExitTooMuchMemory = 6;

std::string Seconds(int ms) {
    if (ms % 1000 == 0) return IntToStr(ms / 1000) + (ms == 1000 ? " second" : " seconds");
    return IntToStr(ms) + " ms";
}

void CloseFd(int& fd) {
    if (fd < 0) return;
    // Linux frees the descriptor even when close is interrupted.
    ::close(fd);
    fd = -1;
}

// Small /proc files, read whole; "" when the process is gone.
std::string ReadProcFile(const std::string& path) {
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return text;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

std::string_view NextWord(std::string_view& text) {
    const auto start = text.find_first_not_of(" \t\n");
    if (start == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(start);
    const auto end = std::min(text.find_first_of(" \t\n"), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// Memory of one process in bytes: its resident anonymous and shared memory.
// File pages (the engine's libraries above all, mapped by every process) are
// left out: they are the same file in every process, and the system can drop
// and read them again. The kernel keeps these figures as counters, so reading
// them costs the same for a large process as for a small one.
std::size_t ProcessMemory(pid_t pid) {
    const std::string status = ReadProcFile("/proc/" + IntToStr(pid) + "/status");
    std::size_t bytes = 0;
    for (const std::string_view key : {"\nRssAnon:", "\nRssShmem:"}) {
        const auto at = status.find(key);
        if (at == std::string::npos) continue;
        std::string_view rest = std::string_view(status).substr(at + key.size());
        std::int32_t kb = 0;
        if (Digits(NextWord(rest), kb)) bytes += static_cast<std::size_t>(kb) << 10;
    }
    return bytes;
}

// The child's processes as /proc shows them now: the child, its descendants
// (the engine's sandbox may give them a process group of their own) and the
// members of its process group (which outlive it when it dies).
struct Tree {
    std::vector<pid_t> pids;
    std::size_t memory = 0;
};

Tree SampleTree(pid_t child) {
    std::unordered_multimap<pid_t, pid_t> children;
    std::vector<pid_t> group;
    if (DIR* proc = ::opendir("/proc")) {
        while (const dirent* entry = ::readdir(proc)) {
            std::int32_t pid = 0;
            if (!Digits(entry->d_name, pid)) continue;
            const std::string stat = ReadProcFile("/proc/" + std::string(entry->d_name) + "/stat");
            // "pid (name) state ppid pgrp ...": the name may hold anything but
            // ends at the last ')'.
            const auto close = stat.rfind(')');
            if (close == std::string::npos) continue;
            std::string_view rest = std::string_view(stat).substr(close + 1);
            NextWord(rest);
            std::int32_t ppid = 0, pgrp = 0;
            if (!Digits(NextWord(rest), ppid) || !Digits(NextWord(rest), pgrp)) continue;
            children.emplace(ppid, pid);
            if (pgrp == child && pid != child) group.push_back(pid);
        }
        ::closedir(proc);
    }
    std::unordered_set<pid_t> seen{child};
    std::vector<pid_t> todo{child};
    todo.insert(todo.end(), group.begin(), group.end());
    Tree tree;
    while (!todo.empty()) {
        const pid_t pid = todo.back();
        todo.pop_back();
        if (pid != child && !seen.insert(pid).second) continue;
        tree.pids.push_back(pid);
        tree.memory += ProcessMemory(pid);
        const auto [first, last] = children.equal_range(pid);
        for (auto it = first; it != last; ++it) todo.push_back(it->second);
    }
    return tree;
}

class Spawned {
public:
    Spawned(const std::vector<std::string>& argv, int out, int err) {
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawnattr_t attr;
        ::posix_spawn_file_actions_init(&files);
        ::posix_spawnattr_init(&attr);
        ::posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_adddup2(&files, out, 1);
        ::posix_spawn_file_actions_adddup2(&files, err, 2);
        // A group of its own, so that its processes can be stopped together;
        // the signals the program ignores or blocks are the reader's again.
        sigset_t none, defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        for (int sig : {SIGCHLD, SIGPIPE, SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2})
            sigaddset(&defaults, sig);
        ::posix_spawnattr_setpgroup(&attr, 0);
        ::posix_spawnattr_setsigmask(&attr, &none);
        ::posix_spawnattr_setsigdefault(&attr, &defaults);
        ::posix_spawnattr_setflags(&attr,
                                   POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        error_ = ::posix_spawn(&pid_, args[0], &files, &attr, args.data(), environ);
        ::posix_spawnattr_destroy(&attr);
        ::posix_spawn_file_actions_destroy(&files);
    }
    int error() const { return error_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int error_ = 0;
};

// What became of a reader whose text did not arrive whole.
[[noreturn]] void ReaderFailed(bool reaped, int status) {
    if (reaped && WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        std::string reason = "the page reader was stopped by signal " + IntToStr(signal);
        if (const char* name = ::strsignal(signal)) reason += std::string(" (") + name + ")";
        if (signal == SIGKILL) reason += ", as the system does when memory runs short";
        PageUnreadable(reason);
    }
    if (reaped && WIFEXITED(status) && WEXITSTATUS(status) == kExitLoadFailed)
        PageUnreadable("the browser engine could not load it");
    if (reaped && WIFEXITED(status) && WEXITSTATUS(status) != 0)
        PageUnreadable("the page reader failed (exit status " + IntToStr(WEXITSTATUS(status)) + ")");
    PageUnreadable("the page reader ended without its text");
}

std::string RunningProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

bool IsProgram(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

#endif  // __EMSCRIPTEN__

}  // namespace

namespace detail {

std::optional<std::string_view> DecodeReaderOutput(std::string_view output) {
    const auto end = output.find('\n');
    std::int32_t size = 0;
    if (end == std::string_view::npos || end > 10 || !Digits(output.substr(0, end), size))
        return std::nullopt;
    const std::string_view text = output.substr(end + 1);
    if (text.size() != static_cast<std::size_t>(size)) return std::nullopt;
    return text;
}

#ifndef __EMSCRIPTEN__

std::string RunPageReader(const std::vector<std::string>& argv, int timeoutMs, std::size_t memoryLimit,
                          PageReadUsage* usage) {
    int out[2] = {-1, -1}, err[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
        const int error = errno;
        for (int* fd : {&out[0], &out[1], &err[0], &err[1]}) CloseFd(*fd);
        PageUnreadable(std::string("the page reader cannot be started (") + std::strerror(error) + ")");
    }
    const auto start = Clock::now();
    const Spawned reader(argv, out[1], err[1]);
    CloseFd(out[1]);
    CloseFd(err[1]);
    if (reader.error() != 0) {
        CloseFd(out[0]);
        CloseFd(err[0]);
        PageUnreadable("the page reader " + argv[0] + " cannot be started (" + std::strerror(reader.error()) +
                       ")");
    }
    const pid_t pid = reader.pid();

    std::string received;
    std::size_t peak = 0;
    bool timedOut = false, overMemory = false, tooMuchText = false;
    bool ended = false, reapedElsewhere = false;
    const auto deadline = start + std::chrono::milliseconds(timeoutMs);
    auto nextSample = start;
    char buffer[1 << 16];
    // Reads what the pipe holds now, and closes it at its end.
    const auto drain = [&](int& fd, bool keep) {
        while (fd >= 0) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno == EAGAIN) return;
            if (n <= 0)
                CloseFd(fd);
            else if (keep)
                received.append(buffer, static_cast<std::size_t>(n));
        }
    };
    for (const int fd : {out[0], err[0]}) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    for (;;) {
        siginfo_t info{};
        const int r = ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
        // ECHILD: the child was reaped already (SIGCHLD ignored).
        reapedElsewhere = r < 0 && errno == ECHILD;
        ended = r == 0 && info.si_pid == pid;
        if (ended || reapedElsewhere) {
            // Its processes may hold the pipe open; what it wrote is there.
            drain(out[0], true);
            break;
        }
        const auto now = Clock::now();
        if (now >= deadline) {
            timedOut = true;
            break;
        }
        if (now >= nextSample) {
            const Tree tree = SampleTree(pid);
            peak = std::max(peak, tree.memory);
            if (tree.memory > memoryLimit) {
                overMemory = true;
                break;
            }
            nextSample = now + std::chrono::milliseconds(kSampleMs);
        }
        // A short wait: the reader's end shows only through waitid.
        pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        if (::poll(fds, 2, 10) > 0) {
            if (fds[0].revents != 0) drain(out[0], true);
            if (fds[1].revents != 0) drain(err[0], false);
        }
        if (received.size() > kMaxReaderOutput) {
            tooMuchText = true;
            break;
        }
    }
    CloseFd(out[0]);
    CloseFd(err[0]);
    // Whatever the reader left running goes with it. A reader stopped here
    // still runs, so its descendants are still its own; the group's id stays
    // taken until the reader is reaped below.
    if (!ended && !reapedElsewhere)
        for (const pid_t p : SampleTree(pid).pids) ::kill(p, SIGKILL);
    if (!reapedElsewhere) ::kill(-pid, SIGKILL);
    int status = 0;
    rusage resources{};
    pid_t waited;
    while ((waited = ::wait4(pid, &status, 0, &resources)) < 0 && errno == EINTR) {
    }
    const bool reaped = waited == pid;
    if (reaped && WIFEXITED(status) && !DecodeReaderOutput(received)) {
        timedOut = timedOut || WEXITSTATUS(status) == kExitTooLong;
        overMemory = overMemory || WEXITSTATUS(status) == kExitTooMuchMemory;
    }
    if (usage != nullptr) {
        usage->seconds = std::chrono::duration<double>(Clock::now() - start).count();
        usage->peakMemory = peak;
    }
    if (timedOut) PageUnreadable("reading it took longer than " + Seconds(timeoutMs));
    if (overMemory)
        PageUnreadable("reading it needs more memory than the " +
                       IntToStr(static_cast<std::int64_t>(memoryLimit >> 20)) + " MB allowed for a page");
    if (tooMuchText) PageUnreadable("the page reader gave more text than any page holds");
    const auto text = DecodeReaderOutput(received);
    if (!text || (reaped && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))) ReaderFailed(reaped, status);
    return std::string(*text);
}

}  // namespace detail

std::string FindPageReader() {
    if (const char* path = std::getenv("ROTACLE_PAGE_READER"); path && *path) {
        if (!IsProgram(path))
            PageUnreadable(std::string("the page reader ") + path +
                           " (ROTACLE_PAGE_READER) is not a program");
        return path;
    }
    std::vector<fs::path> places;
    if (const std::string folder = RunningProgramFolder(); !folder.empty()) {
        places.push_back(fs::path(folder) / kPageReaderName);
        places.push_back(fs::path(folder).parent_path() / "libexec" / "rotacle" / kPageReaderName);
    }
    places.push_back(fs::path(ROTACLE_LIBEXEC_DIR) / kPageReaderName);
    std::string looked;
    for (const fs::path& place : places) {
        if (IsProgram(place)) return place.string();
        looked += (looked.empty() ? "" : ", ") + place.lexically_normal().string();
    }
    // The reader is a package of its own, which a player may leave out.
    throw MessageError<FileError>(MessageKind::PageReaderMissing, looked);
}

#else

std::string RunPageReader(const std::vector<std::string>&, int, std::size_t, PageReadUsage*) {
    PageUnreadable("this build of the program has no page reader");
}

}  // namespace detail

std::string FindPageReader() { PageUnreadable("this build of the program has no page reader"); }

#endif  // __EMSCRIPTEN__

namespace {
PageLayout page_layout = nullptr;
void* page_layout_context = nullptr;
}  // namespace

void SetPageLayout(PageLayout layout, void* context) {
    page_layout = layout;
    page_layout_context = context;
}

std::string ReadPageText(const std::string& path, PageReadUsage* usage) {
    const std::string page = ReadFileText(path);
    if (page.size() > kPageSizeLimit)
        throw MessageError<FileError>(MessageKind::PageTooLarge,
                                      IntToStr(static_cast<std::int64_t>(page.size())),
                                      IntToStr(kPageSizeLimit >> 20), IntToStr(kPageSizeLimit));
    if (page_layout) return page_layout(page, page_layout_context);
    // The reader keeps the same limits on its own, and ends with this
    // process, should this one be killed while it reads.
    return detail::RunPageReader(
        {FindPageReader(), "--size-first", "--parent", IntToStr(::getpid()), "--time-limit",
         IntToStr(kPageTimeoutMs), "--memory-limit",
         IntToStr(static_cast<std::int64_t>(kPageMemoryLimit >> 20)), "--", fs::absolute(path).string()},
        kPageTimeoutMs, kPageMemoryLimit, usage);
}

}  // namespace rotacle
