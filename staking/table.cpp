#include "staking/table.h"

namespace rotacle {

Table::Table() {
    for (auto& p : chip_) p.Visible = false;
    for (auto& p : highlight_) p.Visible = false;
    for (auto& l : stake_label_) l.Visible = false;
}

void Table::RestoreBet(int index) {
    chip_[Slot(index)].Visible = true;
    highlight_[Slot(index)].Visible = true;
    ++changes_;
}

}  // namespace rotacle
