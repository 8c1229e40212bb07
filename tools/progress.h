// The progress bar of long driver work (backtests, sweeps) on standard
// error: only on a terminal, from its first second on, at most five times a
// second, with the time still to go.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace rotacle::sim {

class ProgressBar {
public:
    /// `unit` names what is counted ("spins", "runs"); `stride` (a power of
    /// two) is how often `Update` looks at the clock at all, for callers that
    /// report every step of a tight loop.
    ProgressBar(std::int64_t total, bool enabled, const char* unit, std::int64_t stride = 1)
        : total_(std::max<std::int64_t>(total, 1)),
          enabled_(enabled && ::isatty(STDERR_FILENO)),
          unit_(unit),
          mask_(stride - 1) {}
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Update(std::int64_t done) {
        if (!enabled_ || (done & mask_) != 0) return;
        const auto now = std::chrono::steady_clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        const double share = static_cast<double>(done) / static_cast<double>(total_);
        const double elapsed = std::chrono::duration<double>(now - start_).count();
        const auto eta = done > 0 ? static_cast<long long>(elapsed * (1 - share) / share) : 0LL;
        const int width = 30;
        const auto filled = std::clamp(static_cast<int>(width * share), 0, width);
        std::fprintf(stderr, "\r[%s%s] %3d%% %lld/%lld %s, ETA %lld:%02lld ",
                     std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     std::string(static_cast<std::size_t>(width - filled), ' ').c_str(),
                     static_cast<int>(100 * share), static_cast<long long>(done),
                     static_cast<long long>(total_), unit_, eta / 60, eta % 60);
        shown_ = true;
    }
    ~ProgressBar() {
        if (shown_) std::fprintf(stderr, "\r%79s\r", "");
    }

private:
    std::int64_t total_;
    bool enabled_;
    const char* unit_;
    std::int64_t mask_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace rotacle::sim
