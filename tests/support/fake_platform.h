// A platform for engine tests: a clock that stands still unless a test moves
// it, random draws from a script (or the program's generator), recorded
// message boxes and scripted dialog answers.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"

namespace rotacle::test {

class FakePlatform : public Platform {
public:
    std::int64_t ClockSeconds() override {
        ++clock_reads;
        return clock_ms ? *clock_ms / 1000 : clock_seconds;
    }
    void RandSeed(std::uint32_t seed) override {
        seeds.push_back(seed);
        rng.Seed(seed);
    }
    /// Takes the next scripted draw (reduced into 0..range-1) while there is
    /// one, otherwise draws from the seeded LcgRandom.
    std::int32_t Random(std::int32_t range) override {
        ranges.push_back(range);
        if (!draws.empty()) {
            const std::int32_t d = draws.front();
            draws.pop_front();
            if (range <= 0) return 0;
            return ((d % range) + range) % range;
        }
        return rng.Next(range);
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> OpenFileDialog(const FileDialogSpec& spec) override {
        dialogs.push_back(spec);
        return TakeAnswer();
    }
    std::optional<std::string> SaveFileDialog(const FileDialogSpec& spec) override {
        dialogs.push_back(spec);
        return TakeAnswer();
    }
    std::string ClipboardText() override { return clipboard; }
    std::string ProgramFolder() override { return program_folder; }

    /// The last message shown, or "" when there was none.
    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back(); }

    std::int64_t clock_seconds = 1'700'000'000;
    /// A millisecond clock that the platform reads instead (a scheduler's).
    const std::int64_t* clock_ms = nullptr;
    std::int64_t clock_reads = 0;
    LcgRandom rng;
    std::deque<std::int32_t> draws;    ///< scripted draws, taken first
    std::vector<std::uint32_t> seeds;  ///< every reseed, in order
    std::vector<std::int32_t> ranges;  ///< the range of every draw, in order
    std::vector<std::string> messages;
    std::vector<FileDialogSpec> dialogs;
    std::deque<std::optional<std::string>> dialog_answers;  ///< nullopt: the player cancels
    std::string clipboard;
    std::string program_folder = ".";

private:
    std::optional<std::string> TakeAnswer() {
        if (dialog_answers.empty()) return std::nullopt;
        auto a = dialog_answers.front();
        dialog_answers.pop_front();
        return a;
    }
};

}  // namespace rotacle::test
