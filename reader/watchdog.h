// The page reader's own watch over itself and the browser engine's helper
// processes: it ends them all when the program that started the reader is
// gone, when reading takes too long and when they hold too much memory, so
// that no engine process outlives its reader or its host.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace rotacle::reader {

/// Exit status of a reader stopped by its own time limit.
inline constexpr int kExitTooLong = 5;
/// Exit status of a reader stopped by its own memory limit.
inline constexpr int kExitTooMuchMemory = 6;

/// What the watch enforces. A limit of 0 is none; a `parent` of 0 is not watched.
struct WatchLimits {
    pid_t parent = 0;         ///< the program that started the reader (directly or through a wrapper)
    long long timeoutMs = 0;  ///< from the call of StartWatch
    std::size_t memory = 0;   ///< bytes of resident anonymous and shared memory, all processes together
};

/// Starts the watch; call once, before the engine starts. When `limits.parent` is set, the reader
/// watches that process (its parent, or the parent of a wrapper that started it) through a process
/// descriptor, asks the system for a signal at its parent's end when that is the process, and ends at
/// once (returns false) when it is gone already. From then on a thread looks ten times a second at the
/// host, the clock and the memory
/// of the reader and every process it started (its descendants and the members of its process group);
/// at the parent's end, or at a termination signal, all of them are killed and the reader ends; at a
/// limit they are killed and the reader exits with kExitTooLong or kExitTooMuchMemory after a line on
/// standard error.
bool StartWatch(const WatchLimits& limits);

}  // namespace rotacle::reader
