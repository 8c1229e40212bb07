// The number board and the spin road behind it: the history of entered
// numbers, the number being processed, the clickable cells, the history
// strip, and the undo snapshot with its command.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/controls.h"
#include "core/game_state.h"

namespace rotacle {

class Board {
public:
    Board();

    /// The spin history `NumbersList`, oldest first; numbers 0..36.
    const std::vector<std::uint8_t>& NumbersList() const { return history_; }
    /// The number of the spin being processed (the tag of `CurrentNum`).
    int CurrentNumber() const { return current_; }
    /// Normal look of the cells; hidden while the board is locked.
    const std::array<Picture, 37>& Image() const { return cell_; }
    const std::array<Picture, 37>& SpeedButton() const { return speed_button_; }
    /// `Button0` .. `Button36`: enabled together, as the board is locked
    /// and unlocked; the records are brought up to date when read.
    const std::array<Button, 37>& NumberButton() const {
        for (auto& b : number_button_) b.Enabled = numbers_enabled_;
        return number_button_;
    }
    /// Slots of the strip: eight shown and one hidden overflow.
    static constexpr std::size_t kStripSlots = 9;
    /// The strip: `HisNum()[0]` is the newest number, [8] the hidden overflow.
    /// Its captions are made when it is read after a change: a session played
    /// without a window never reads them.
    const std::array<Label, kStripSlots>& HisNum() const {
        if (strip_stale_) MakeStrip();
        return strip_;
    }
    /// Stakes of the bets shown when the last spin began, one line of money
    /// text per field ("0" where none was placed).
    Memo SaveBets() const;
    /// The fields of the game record saved when the last spin began.
    const SavedFields& Saved() const { return saved_; }
    const Picture& ImageUndo() const { return undo_picture_; }
    /// The hidden speed button `Undo`.
    const Button& Undo_Button() const { return undo_button_; }
    /// The cover of the undo command: hidden while undo is offered.
    const Picture& Image_Cancel3() const { return undo_cover_; }
    bool UndoOffered() const { return !undo_cover_.Visible; }

    /// Strip colour of a number: green zero, red and black.
    static Color NumberColour(int n);

    void SetCurrentNumber(int n) { current_ = n; }
    /// Appends the current number to the history.
    void Record() { history_.push_back(static_cast<std::uint8_t>(current_)); }
    /// Appends numbers 0..36 to the history.
    void Append(std::span<const std::uint8_t> numbers);
    /// Takes the newest number off the history (none when it is empty).
    void DropNewest();
    void ClearHistory() { history_.clear(); }

    /// Cells shown and clickable again.
    void ShowNumbers() {
        // Every spin locks and unlocks the board; a board already as asked is
        // left alone.
        if (cells_ == CellsAre::Shown) return;
        cells_ = CellsAre::Shown;
        for (auto& p : cell_) p.Visible = true;
        numbers_enabled_ = true;
        for (auto& p : speed_button_) p.Visible = true;
    }
    /// Cells hidden and not clickable.
    void HideNumbers() {
        if (cells_ == CellsAre::Hidden) return;
        cells_ = CellsAre::Hidden;
        for (auto& p : cell_) p.Visible = false;
        numbers_enabled_ = false;
        for (auto& p : speed_button_) p.Visible = false;
    }
    /// True while every cell is shown and clickable (the board unlocked
    /// and no cell marked on its own).
    bool NumbersShown() const { return cells_ == CellsAre::Shown; }
    /// The current number's cell shown as pressed.
    void MarkPressed();
    /// The current number's cell hidden.
    void MarkInactive();

    /// Pushes the current number onto the strip.
    void PushStrip() {
        for (std::size_t k = kStripSlots - 1; k >= 1; --k) strip_numbers_[k] = strip_numbers_[k - 1];
        strip_numbers_[0] = static_cast<std::int8_t>(current_);
        strip_tag_ = current_;
        strip_stale_ = true;
    }
    /// Moves the strip one place back (undo).
    void StripBack();
    void ClearStrip();

    /// Undo offered: the command shown and its cover hidden.
    void OfferUndo() {
        undo_picture_.Visible = true;
        undo_button_.Visible = true;
        undo_cover_.Visible = false;
    }
    /// The command's pictures hidden; the cover stays as it is.
    void HideUndoCommand();
    /// Undo withdrawn: the command hidden and its cover shown.
    void WithdrawUndo();
    void CoverUndo() { undo_cover_.Visible = true; }

    /// Takes the snapshot of a spin's start: the stake of each placed field
    /// (`placed[i]`) and the saved fields of `s`.
    void TakeSnapshot(const std::array<bool, 6>& placed, const GameState& s) {
        // Picked by index rather than by a branch, which the wheel's
        // numbers make impossible to predict.
        const std::array<double, 2> stake{0.0, s.Bet_Size};
        for (std::size_t i = 0; i < placed.size(); ++i) saved_stakes_[i] = stake[placed[i] ? 1 : 0];
        saved_ = SavedFields::Of(s);
    }
    /// The saved stake of field `index`, 0 when none was placed.
    double SavedStake(int index) const;
    /// Copies the saved fields back into `s`.
    void RestoreSnapshot(GameState& s) const { saved_.RestoreInto(s); }

private:
    std::vector<std::uint8_t> history_;
    int current_ = 0;
    std::array<Picture, 37> cell_{};
    std::array<Picture, 37> speed_button_{};
    mutable std::array<Button, 37> number_button_{};
    bool numbers_enabled_ = true;
    void MakeStrip() const;

    // The strip as numbers, -1 for an empty slot; the label of slot 0 also
    // carries the newest number pushed as its tag.
    std::array<std::int8_t, kStripSlots> strip_numbers_{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int strip_tag_ = -1;
    mutable std::array<Label, kStripSlots> strip_{};
    mutable bool strip_stale_ = true;
    // The stakes of the snapshot as numbers; their text is made only when it
    // is read, which an undo does once, while every spin takes a snapshot.
    std::array<double, 6> saved_stakes_{};
    SavedFields saved_ = SavedFields::Of(GameState{});
    Picture undo_picture_{false};
    Button undo_button_{true, false, ""};
    Picture undo_cover_{true};
    // Whether every cell is shown and clickable, every cell hidden, or
    // neither (a cell marked on its own).
    enum class CellsAre { Shown, Hidden, Mixed } cells_ = CellsAre::Shown;
};

}  // namespace rotacle
