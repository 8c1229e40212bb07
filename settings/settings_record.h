// The settings record `Settings_Data`: 31 lines of text that the betting
// inputs write line by line and the settings file saves and loads whole.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/controls.h"

namespace rotacle {

class SettingsRecord {
public:
    /// The record at its defaults.
    SettingsRecord();

    const Memo& Settings_Data() const { return lines_; }
    /// Line i, or an empty text when the record has no line i.
    std::string_view Line(std::size_t i) const;
    /// Replaces line i; nothing happens when the record has no line i.
    void Write(std::size_t i, std::string_view text);
    /// Writes the record to `path`, replacing the file atomically.
    void Save(const std::string& path) const;
    /// Replaces the record with `lines` as they stand.
    void Replace(Memo lines) { lines_ = std::move(lines); }

private:
    Memo lines_;
};

}  // namespace rotacle
