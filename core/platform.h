// Services that the engine takes from its host: the window, the session
// driver, or a test fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/message.h"

namespace rotacle {

/// A file dialog as the engine asks for it.
struct FileDialogSpec {
    std::string Filter;            ///< "Text File (*.txt)|*.txt"
    std::string DefaultExtension;  ///< "txt" (without the dot)
    bool OverwritePrompt = false;  ///< save dialogs ask before replacing a file
};

class Platform {
public:
    virtual ~Platform() = default;

    /// Current time in whole seconds; seeds the random generator.
    virtual std::int64_t ClockSeconds() = 0;
    /// Reseeds the random generator.
    virtual void RandSeed(std::uint32_t seed) = 0;
    /// Next draw of the generator, uniform in 0..range-1 (0 when range <= 0).
    virtual std::int32_t Random(std::int32_t range) = 0;

    /// Shows an error or notice to the player in a standard message box.
    virtual void ShowMessage(const std::string& text) = 0;
    /// Shows an error of the game; a host that speaks the player's language
    /// words it from its values, the others show its English text.
    virtual void ShowError(const Message& message) { ShowMessage(EnglishText(message)); }

    /// Open and save dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> OpenFileDialog(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogSpec& spec) = 0;

    /// The page on the clipboard: its HTML when it holds HTML, else its
    /// plain text (empty when it holds neither).
    virtual std::string ClipboardText() = 0;
    /// Folder of the program's executable, without a trailing separator.
    virtual std::string ProgramFolder() = 0;
    /// The user's folder for the program's own files (created when missing);
    /// used when the program's folder is not writable.
    virtual std::string AppDataFolder();
};

/// The generator used by the program: a 32-bit linear congruential
/// generator (seed = seed * 134775813 + 1; draw = high 32 bits of
/// seed * range). Cheap to reseed, which the progress runs do before every
/// draw.
class LcgRandom {
public:
    void Seed(std::uint32_t seed) { seed_ = seed; }
    std::int32_t Next(std::int32_t range) {
        seed_ = seed_ * 134775813U + 1U;
        if (range <= 0) return 0;
        return static_cast<std::int32_t>(
            (static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(range)) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};

}  // namespace rotacle
