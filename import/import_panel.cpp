#include "import/import_panel.h"

#include "core/convert.h"
#include "import/number_file.h"

namespace rotacle {

void ImportPanel::SuffixStrip(std::string& line) {
    if (line.empty() || line.back() != 'x') return;
    line.pop_back();
    while (!line.empty() && line.back() == '0') line.pop_back();
    if (!line.empty()) line.pop_back();
}

void ImportPanel::Show() {
    panel_.Visible = true;
    // A full bar left from the last import would read as work already done.
    progress_.Position = 0;
}

void ImportPanel::Hide() {
    panel_.Visible = false;
    waiting_.clear();
    UpdateButton();
}

void ImportPanel::ShowBusy() {
    paste_cover_.Visible = true;
    load_cover_.Visible = true;
}

void ImportPanel::EndBusy() {
    paste_cover_.Visible = false;
    load_cover_.Visible = false;
}

void ImportPanel::ReadPage(Memo lines) {
    raw_ = std::move(lines);
    ParseRawList();
    UpdateButton();
}

void ImportPanel::ParseRawList() {
    waiting_.clear();
    for (std::size_t i = raw_.size(); i-- > 0;) {
        SuffixStrip(raw_[i]);
        if (RouletteNumber(raw_[i]) >= 0) waiting_.push_back(raw_[i]);
    }
}

void ImportPanel::SetImportList(LineList lines) {
    waiting_ = std::move(lines);
    UpdateButton();
}

void ImportPanel::StartProgress(std::int32_t steps) {
    progress_.Position = 0;
    progress_.MaxValue = steps;
}

void ImportPanel::UpdateButton() {
    if (waiting_.empty()) {
        process_.Caption = "IMPORT";
        process_.Enabled = false;
    } else {
        process_.Caption = "IMPORT (" + IntToStr(static_cast<std::int64_t>(waiting_.size())) + ")";
        process_.Enabled = true;
    }
}

}  // namespace rotacle
