// Shared pieces of the fuzz targets.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/platform.h"

namespace rotacle::fuzz {

/// A platform that answers every dialog with one file and shows nothing.
class QuietPlatform : public Platform {
public:
    std::int64_t ClockSeconds() override { return 0; }
    void RandSeed(std::uint32_t seed) override { rng.Seed(seed); }
    std::int32_t Random(std::int32_t range) override { return rng.Next(range); }
    void ShowMessage(const std::string&) override {}
    std::optional<std::string> OpenFileDialog(const FileDialogSpec&) override { return file; }
    std::optional<std::string> SaveFileDialog(const FileDialogSpec&) override { return file; }
    std::string ClipboardText() override { return clipboard; }
    std::string ProgramFolder() override { return ScratchFolderString(); }

    static std::string ScratchFolderString();

    LcgRandom rng;
    std::string file;
    std::string clipboard;
};

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
