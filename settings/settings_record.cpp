#include "settings/settings_record.h"

#include "core/text_file.h"
#include "settings/settings_lines.h"

namespace rotacle {

SettingsRecord::SettingsRecord() {
    lines_.reserve(settings_line::kRows.size());
    for (const settings_line::Row& row : settings_line::kRows) lines_.emplace_back(row.default_text);
}

std::string_view SettingsRecord::Line(std::size_t i) const {
    if (numbers_pending_ != 0) MakeNumberLines();
    return i < lines_.size() ? std::string_view(lines_[i]) : std::string_view();
}

void SettingsRecord::MakeNumberLines() const {
    for (std::size_t i = 0; i < numbers_.size(); ++i)
        if ((numbers_pending_ >> i) & 1U) lines_[i].assign(IntText(numbers_[i]));
    numbers_pending_ = 0;
}

void SettingsRecord::WriteNumber(std::size_t i, std::int64_t value) {
    if (i >= lines_.size() || i >= numbers_.size()) return;
    numbers_[i] = value;
    numbers_pending_ |= std::uint64_t{1} << i;
}

void SettingsRecord::Write(std::size_t i, std::string_view text) {
    if (i >= lines_.size()) return;
    lines_[i].assign(text);
    if (i < numbers_.size()) numbers_pending_ &= ~(std::uint64_t{1} << i);
}

void SettingsRecord::Save(const std::string& path) const { WriteLinesAtomic(path, Settings_Data()); }

}  // namespace rotacle
