// The progress bar of long driver work (backtests, sweeps, risk runs) on standard
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

    /// Shows `done` of the total; `spins`, when not negative, is shown too,
    /// so that work whose units take long (sessions of many spins) shows that
    /// it moves before the first unit is done.
    void Update(std::int64_t done, std::int64_t spins = -1) {
        if (!enabled_ || (done & mask_) != 0) return;
        const auto now = std::chrono::steady_clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        const double share = static_cast<double>(done) / static_cast<double>(total_);
        const double elapsed = std::chrono::duration<double>(now - start_).count();
        const int width = 30;
        const auto filled = std::clamp(static_cast<int>(width * share), 0, width);
        std::string line = "\r[" + std::string(static_cast<std::size_t>(filled), '#') +
                           std::string(static_cast<std::size_t>(width - filled), ' ') + "] ";
        char buf[160];
        std::snprintf(buf, sizeof buf, "%3d%% %lld/%lld %s", static_cast<int>(100 * share),
                      static_cast<long long>(done), static_cast<long long>(total_), unit_);
        line += buf;
        if (spins >= 0) {
            std::snprintf(buf, sizeof buf, ", %lld spins", static_cast<long long>(spins));
            line += buf;
        }
        // Nothing done yet: no time to go can be told.
        if (done > 0) {
            const auto eta = static_cast<long long>(elapsed * (1 - share) / share);
            std::snprintf(buf, sizeof buf, ", ETA %lld:%02lld ", eta / 60, eta % 60);
        } else {
            std::snprintf(buf, sizeof buf, ", ETA -:-- ");
        }
        line += buf;
        std::fputs(line.c_str(), stderr);
        shown_ = std::max(shown_, static_cast<int>(line.size()));
    }
    ~ProgressBar() {
        if (shown_ > 0) std::fprintf(stderr, "\r%*s\r", shown_, "");
    }

private:
    std::int64_t total_;
    bool enabled_;
    const char* unit_;
    std::int64_t mask_;
    int shown_ = 0;  ///< the longest line shown
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace rotacle::sim
