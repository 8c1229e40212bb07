// The bet on the table: for each of the six fields (Less, Even, Red, Black,
// Odd, More) its highlight, its chip and its stake label, and the cover of
// the skip command. A bet is placed exactly while a chip is visible.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/controls.h"
#include "core/convert.h"

namespace rotacle {

class Table {
public:
    Table();

    const std::array<Picture, 6>& Chip() const { return chip_; }
    /// `FieldLess` .. `FieldMore`.
    const std::array<Picture, 6>& FieldHighlight() const { return highlight_; }
    /// The stake labels; their caption, the stake's money text, is made when
    /// they are read after the stake changed.
    const std::array<Label, 6>& BetSizeShow() const {
        if (stake_stale_) {
            const std::string text = FloatToStr(stake_);
            for (auto& l : stake_label_) l.Caption = text;
            stake_stale_ = false;
        }
        return stake_label_;
    }
    /// The cover of the skip command: shown while no bet is placed.
    const Picture& Image_SkipBet3() const { return skip_cover_; }

    /// True while any chip is visible: a bet is placed.
    bool BetPlaced() const {
        for (const auto& c : chip_)
            if (c.Visible) return true;
        return false;
    }
    /// Shows or hides the highlight, chip and stake label of field `index`.
    void ShowField(int index, bool visible) {
        highlight_[Slot(index)].Visible = visible;
        chip_[Slot(index)].Visible = visible;
        stake_label_[Slot(index)].Visible = visible;
        ++changes_;
    }
    /// Shows the highlight and chip of field `index` (a bet restored by undo).
    void RestoreBet(int index);
    /// Shows or hides the chip of field `index` alone.
    void ShowChip(int index, bool visible) {
        chip_[Slot(index)].Visible = visible;
        ++changes_;
    }
    /// Shows or hides the stake label of field `index` alone.
    void ShowStakeLabel(int index, bool visible) {
        stake_label_[Slot(index)].Visible = visible;
        ++changes_;
    }
    /// Hides every field's highlight, chip and stake label.
    void HideBets() {
        for (auto& p : chip_) p.Visible = false;
        for (auto& p : highlight_) p.Visible = false;
        for (auto& l : stake_label_) l.Visible = false;
        ++changes_;
    }
    void CoverSkip() {
        skip_cover_.Visible = true;
        ++changes_;
    }
    /// The stake that every stake label shows.
    void SetStake(double stake) {
        stake_ = stake;
        stake_stale_ = true;
    }
    /// Stake labels shown beside their chips (when `show_stakes`) or hidden,
    /// and the skip command covered while no bet is placed. True when
    /// anything changed.
    bool SyncStakeLabels(bool show_stakes) {
        // The display refresh asks a hundred times a second; a table that
        // has not changed since it was brought in line stays in line.
        if (changes_ == synced_changes_ && show_stakes == synced_show_) return false;
        synced_changes_ = changes_;
        synced_show_ = show_stakes;
        bool changed = false;
        bool placed = false;
        for (std::size_t i = 0; i < chip_.size(); ++i) {
            if (chip_[i].Visible) placed = true;
            const bool want = show_stakes && (chip_[i].Visible || stake_label_[i].Visible);
            if (stake_label_[i].Visible != want) {
                stake_label_[i].Visible = want;
                changed = true;
            }
        }
        if (skip_cover_.Visible == placed) {
            skip_cover_.Visible = !placed;
            changed = true;
        }
        return changed;
    }

private:
    static std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

    std::array<Picture, 6> chip_{};
    std::array<Picture, 6> highlight_{};
    mutable std::array<Label, 6> stake_label_{};
    double stake_ = 0;
    mutable bool stake_stale_ = false;
    Picture skip_cover_{true};
    // Changes of chips, labels and cover, and the count and the stake-label
    // setting at the last SyncStakeLabels.
    std::uint64_t changes_ = 0;
    std::uint64_t synced_changes_ = ~std::uint64_t{0};
    bool synced_show_ = false;
};

}  // namespace rotacle
