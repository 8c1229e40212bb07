#include "board/board.h"

#include "core/convert.h"

namespace rotacle {

namespace {
constexpr Color kStripRed = 128;
constexpr Color kStripGreen = 32768;
constexpr Color kStripBlack = 0;
}  // namespace

Board::Board() { strip_[8].Visible = false; }

void Board::MakeStrip() const {
    for (std::size_t k = 0; k < kStripSlots; ++k) {
        Label& l = strip_[k];
        const int n = strip_numbers_[k];
        if (n < 0) {
            l.Caption.clear();
            l.Colour = kStripBlack;
        } else {
            l.Caption.assign(IntText(n));
            l.Colour = NumberColour(n);
        }
        l.Tag = k == 0 ? strip_tag_ : -1;
    }
    strip_stale_ = false;
}

Color Board::NumberColour(int n) {
    if (n == 0) return kStripGreen;
    return IsRed(n) ? kStripRed : kStripBlack;
}

void Board::Append(std::span<const std::uint8_t> numbers) {
    history_.insert(history_.end(), numbers.begin(), numbers.end());
}

void Board::DropNewest() {
    if (!history_.empty()) history_.pop_back();
}

void Board::MarkPressed() {
    if (current_ < 0 || current_ > 36) return;
    cell_[static_cast<std::size_t>(current_)].Visible = true;
    cells_ = CellsAre::Mixed;
}

void Board::MarkInactive() {
    if (current_ < 0 || current_ > 36) return;
    cell_[static_cast<std::size_t>(current_)].Visible = false;
    speed_button_[static_cast<std::size_t>(current_)].Visible = false;
    cells_ = CellsAre::Mixed;
}

void Board::StripBack() {
    // The overflow slot keeps its number: it moves into slot 7 and stays.
    for (std::size_t k = 0; k + 1 < kStripSlots; ++k) strip_numbers_[k] = strip_numbers_[k + 1];
    strip_stale_ = true;
}

void Board::ClearStrip() {
    strip_numbers_.fill(-1);
    strip_stale_ = true;
}

void Board::HideUndoCommand() {
    undo_picture_.Visible = false;
    undo_button_.Visible = false;
}

void Board::WithdrawUndo() {
    HideUndoCommand();
    undo_cover_.Visible = true;
}

Memo Board::SaveBets() const {
    Memo lines;
    for (const double stake : saved_stakes_) lines.push_back(FloatToStr(stake));
    return lines;
}

double Board::SavedStake(int index) const {
    // The stake as its line of money text reads back.
    const auto i = static_cast<std::size_t>(index);
    return i < saved_stakes_.size() ? StrToFloat(FloatToStr(saved_stakes_[i])) : 0.0;
}

}  // namespace rotacle
