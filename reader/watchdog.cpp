// The program that starts the reader watches it too, but only while it runs:
// killed itself, it leaves the reader and the engine's helpers to init, where
// nothing would stop them. So the reader keeps the same watch on its own.
#include "reader/watchdog.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace rotacle::reader {
namespace {

using Clock = std::chrono::steady_clock;

// The processes seen at the last look, for the termination handler, which
// may only read them. Atomics of this size are lock-free, so reading them is
// safe in a signal handler.
constexpr std::size_t kMaxKnown = 1024;
std::array<std::atomic<pid_t>, kMaxKnown> g_known{};
std::atomic<std::size_t> g_knownCount{0};

void KillKnown() noexcept {
    const std::size_t n = g_knownCount.load();
    for (std::size_t i = 0; i < n && i < kMaxKnown; ++i)
        if (const pid_t pid = g_known[i].load(); pid > 0) ::kill(pid, SIGKILL);
}

// Ends the reader and all it started; only async-signal-safe calls.
[[noreturn]] void EndAll(int status) noexcept {
    KillKnown();
    // Started as a group of its own, the reader takes its group along,
    // helpers started since the last look included, and itself with it.
    if (::getpgrp() == ::getpid()) ::kill(0, SIGKILL);
    ::_exit(status);
}

void OnTermination(int signal) { EndAll(128 + signal); }

std::string ReadSmall(const std::string& path) {
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

// Resident anonymous and shared memory of a process, in bytes; the engine's
// libraries, mapped by every process, are files the system can drop.
std::size_t Memory(pid_t pid) {
    const std::string status = ReadSmall("/proc/" + std::to_string(pid) + "/status");
    std::size_t bytes = 0;
    for (const char* key : {"\nRssAnon:", "\nRssShmem:"}) {
        const auto at = status.find(key);
        if (at != std::string::npos)
            bytes +=
                static_cast<std::size_t>(std::strtoull(status.c_str() + at + std::strlen(key), nullptr, 10))
                << 10;
    }
    return bytes;
}

struct Look {
    std::vector<pid_t> others;  ///< the descendants and group members, the reader left out
    std::size_t memory = 0;     ///< the reader's and theirs together
};

Look LookAround() {
    const pid_t self = ::getpid();
    const bool leader = ::getpgrp() == self;
    std::unordered_multimap<pid_t, pid_t> children;
    std::vector<pid_t> todo{self};
    if (DIR* proc = ::opendir("/proc")) {
        while (const dirent* entry = ::readdir(proc)) {
            char* end = nullptr;
            const long pid = std::strtol(entry->d_name, &end, 10);
            if (pid <= 0 || *end != '\0') continue;
            const std::string stat = ReadSmall(std::string("/proc/") + entry->d_name + "/stat");
            // "pid (name) state ppid pgrp ...": the name ends at the last ')'.
            const auto close = stat.rfind(')');
            if (close == std::string::npos) continue;
            int ppid = 0, pgrp = 0;
            char state = 0;
            if (std::sscanf(stat.c_str() + close + 1, " %c %d %d", &state, &ppid, &pgrp) != 3) continue;
            children.emplace(ppid, static_cast<pid_t>(pid));
            if (leader && pgrp == self && pid != self) todo.push_back(static_cast<pid_t>(pid));
        }
        ::closedir(proc);
    }
    Look look;
    std::unordered_set<pid_t> seen;
    while (!todo.empty()) {
        const pid_t pid = todo.back();
        todo.pop_back();
        if (!seen.insert(pid).second) continue;
        if (pid != self) look.others.push_back(pid);
        look.memory += Memory(pid);
        const auto [first, last] = children.equal_range(pid);
        for (auto it = first; it != last; ++it) todo.push_back(it->second);
    }
    return look;
}

void Publish(const std::vector<pid_t>& pids) {
    const std::size_t n = std::min(pids.size(), kMaxKnown);
    // Shrinking first: the handler never reads a slot being written.
    if (n < g_knownCount.load()) g_knownCount.store(n);
    for (std::size_t i = 0; i < n; ++i) g_known[i].store(pids[i]);
    g_knownCount.store(n);
}

[[noreturn]] void Stop(const Look& look, int status, const char* why) {
    std::fprintf(stderr, "rotacle-page-text: %s\n", why);
    for (const pid_t pid : look.others) ::kill(pid, SIGKILL);
    std::fflush(stderr);
    ::_exit(status);
}

// The host's process, as a descriptor that becomes readable when it ends
// (none: the system has no process descriptors, and its pid is watched).
int g_host = -1;

bool HostGone(pid_t host) {
    if (g_host < 0) return ::getppid() != host;
    pollfd end{g_host, POLLIN, 0};
    return ::poll(&end, 1, 0) > 0;
}

void Watch(WatchLimits limits, Clock::time_point start) {
    for (;;) {
        if (g_host >= 0) {
            pollfd end{g_host, POLLIN, 0};
            if (::poll(&end, 1, 100) > 0) EndAll(128 + SIGTERM);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        // The signal at the parent's end may have been taken by a handler
        // the engine installed; the watch sees the end as well.
        if (limits.parent > 0 && HostGone(limits.parent)) EndAll(128 + SIGTERM);
        const Look look = LookAround();
        Publish(look.others);
        if (limits.memory > 0 && look.memory > limits.memory)
            Stop(look, kExitTooMuchMemory, "reading the page needs more memory than allowed");
        if (limits.timeoutMs > 0 && Clock::now() - start > std::chrono::milliseconds(limits.timeoutMs))
            Stop(look, kExitTooLong, "reading the page takes longer than allowed");
    }
}

}  // namespace

bool StartWatch(const WatchLimits& limits) {
    struct sigaction action {};
    action.sa_handler = OnTermination;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
    if (limits.parent > 0) {
        // The host is watched by a process descriptor, so that a reader
        // started through a wrapper (a shell, a debugger) watches the host.
        g_host = static_cast<int>(::syscall(SYS_pidfd_open, limits.parent, 0));
        if (g_host < 0 && errno == ESRCH) return false;
        // The parent's end comes as a signal at once, when the host is the
        // parent; a parent that ended before the request sends none.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != limits.parent) {
            if (g_host < 0) return false;
            ::prctl(PR_SET_PDEATHSIG, 0);
        }
        if (HostGone(limits.parent)) return false;
    }
    std::thread(Watch, limits, Clock::now()).detach();
    return true;
}

}  // namespace rotacle::reader
