#include "staking/table.h"

namespace rotacle {

Table::Table() {
    for (auto& p : chip_) p.Visible = false;
    for (auto& p : highlight_) p.Visible = false;
    for (auto& l : stake_label_) l.Visible = false;
}

bool Table::BetPlaced() const {
    for (const auto& c : chip_)
        if (c.Visible) return true;
    return false;
}

void Table::ShowField(int index, bool visible) {
    highlight_[Slot(index)].Visible = visible;
    chip_[Slot(index)].Visible = visible;
    stake_label_[Slot(index)].Visible = visible;
}

void Table::RestoreBet(int index) {
    chip_[Slot(index)].Visible = true;
    highlight_[Slot(index)].Visible = true;
}

void Table::HideBets() {
    for (auto& p : chip_) p.Visible = false;
    for (auto& p : highlight_) p.Visible = false;
    for (auto& l : stake_label_) l.Visible = false;
}

void Table::SetStakeText(const std::string& text) {
    for (auto& l : stake_label_) l.Caption = text;
}

bool Table::SyncStakeLabels(bool show_stakes) {
    bool changed = false;
    for (std::size_t i = 0; i < chip_.size(); ++i) {
        const bool want = show_stakes && (chip_[i].Visible || stake_label_[i].Visible);
        if (stake_label_[i].Visible != want) {
            stake_label_[i].Visible = want;
            changed = true;
        }
    }
    const bool placed = BetPlaced();
    if (skip_cover_.Visible == placed) {
        skip_cover_.Visible = !placed;
        changed = true;
    }
    return changed;
}

}  // namespace rotacle
