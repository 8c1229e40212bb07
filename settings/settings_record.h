// The settings record `Settings_Data`: 31 lines of text that the betting
// inputs write line by line and the settings file saves and loads whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/controls.h"

namespace rotacle {

class SettingsRecord {
public:
    /// The record at its defaults.
    SettingsRecord();

    const Memo& Settings_Data() const {
        if (numbers_pending_ != 0) MakeNumberLines();
        return lines_;
    }
    /// Line i, or an empty text when the record has no line i.
    std::string_view Line(std::size_t i) const;
    /// Replaces line i; nothing happens when the record has no line i.
    void Write(std::size_t i, std::string_view text);
    /// Replaces line i with the text of `value`, made when the line is read:
    /// the history count writes its line on every spin.
    void WriteNumber(std::size_t i, std::int64_t value);
    /// Writes the record to `path`, replacing the file atomically.
    void Save(const std::string& path) const;
    /// Replaces the record with `lines` as they stand.
    void Replace(Memo lines) {
        lines_ = std::move(lines);
        numbers_pending_ = 0;
    }

private:
    void MakeNumberLines() const;

    mutable Memo lines_;
    // Lines written as numbers and not made into text yet, one bit a line.
    mutable std::uint64_t numbers_pending_ = 0;
    std::array<std::int64_t, 64> numbers_{};
};

}  // namespace rotacle
