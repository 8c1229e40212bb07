#include "staking/table.h"

namespace rotacle {

Table::Table() {
    for (auto& p : chip_) p.Visible = false;
    for (auto& p : highlight_) p.Visible = false;
    for (auto& l : stake_label_) l.Visible = false;
}

void Table::ShowField(int index, bool visible) {
    highlight_[Slot(index)].Visible = visible;
    chip_[Slot(index)].Visible = visible;
    stake_label_[Slot(index)].Visible = visible;
    ++changes_;
}

void Table::RestoreBet(int index) {
    chip_[Slot(index)].Visible = true;
    highlight_[Slot(index)].Visible = true;
    ++changes_;
}

void Table::HideBets() {
    for (auto& p : chip_) p.Visible = false;
    for (auto& p : highlight_) p.Visible = false;
    for (auto& l : stake_label_) l.Visible = false;
    ++changes_;
}

}  // namespace rotacle
