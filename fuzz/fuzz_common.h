// Shared pieces of the fuzz targets.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/platform.h"
#include "engine/engine.h"
#include "engine/scheduler.h"

namespace rotacle::fuzz {

/// A platform that answers every dialog with one file and shows nothing. Its
/// clock moves on a second at every reading, so that the draws of a progress
/// run seeded by the clock vary and every run comes to its end.
class QuietPlatform : public Platform {
public:
    std::int64_t ClockSeconds() override { return clock++; }
    void RandSeed(std::uint32_t seed) override { rng.Seed(seed); }
    std::int32_t Random(std::int32_t range) override { return rng.Next(range); }
    void ShowMessage(const std::string&) override {}
    std::optional<std::string> OpenFileDialog(const FileDialogSpec&) override {
        ++dialogs;
        return file;
    }
    std::optional<std::string> SaveFileDialog(const FileDialogSpec&) override {
        ++dialogs;
        return file;
    }
    std::string ClipboardText() override { return clipboard; }
    std::string ProgramFolder() override { return ScratchFolderString(); }

    static std::string ScratchFolderString();

    LcgRandom rng;
    std::int64_t clock = 0;
    int dialogs = 0;  ///< file dialogs asked for
    std::string file;
    std::string clipboard;
};

/// Ticks the game-mode progress runs, as the window's timers would, until
/// none is under way; the board and the import panel take no click before.
/// Gives up after `ticks` ticks (a run that never ends is the script
/// target's to report).
inline void FinishProgressRuns(Engine& e, int ticks = 1000) { Scheduler::RunToEnd(e, ticks); }

/// A private scratch folder for this fuzzing process.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("rotacle-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

inline std::string QuietPlatform::ScratchFolderString() { return ScratchFolder().string(); }

}  // namespace rotacle::fuzz
