#include "settings/settings_record.h"

#include "core/text_file.h"
#include "settings/settings_lines.h"

namespace rotacle {

SettingsRecord::SettingsRecord() : lines_(settings_line::kDefaults.begin(), settings_line::kDefaults.end()) {}

std::string_view SettingsRecord::Line(std::size_t i) const {
    return i < lines_.size() ? std::string_view(lines_[i]) : std::string_view();
}

void SettingsRecord::Write(std::size_t i, std::string_view text) {
    if (i < lines_.size()) lines_[i].assign(text);
}

void SettingsRecord::Save(const std::string& path) const { WriteLinesAtomic(path, lines_); }

}  // namespace rotacle
