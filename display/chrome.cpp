#include "display/chrome.h"

#include <utility>

namespace rotacle {

Chrome::Chrome() {
    for (auto& p : cell_hover_) p.Visible = false;
    for (auto& p : trend_hover_) p.Visible = false;
    for (auto& p : command_hover_) p.Visible = false;
    // The skip and paste commands start with their hover pictures shown under
    // their covers: the cover alone decides whether they take a click.
    command_hover_[static_cast<std::size_t>(Command::SkipBet)].Visible = true;
    command_hover_[static_cast<std::size_t>(Command::PasteFromEvolution)].Visible = true;
}

void Chrome::ResetHovers() {
    for (auto& p : command_hover_) p.Visible = false;
    for (auto& p : trend_hover_) p.Visible = false;
    for (auto& p : cell_hover_) p.Visible = false;
}

void Chrome::HoverCommand(Command c) {
    ResetHovers();
    command_hover_[static_cast<std::size_t>(c)].Visible = true;
}

void Chrome::HoverCell(int n) {
    if (n < 0 || n > 36) return;
    ResetHovers();
    cell_hover_[static_cast<std::size_t>(n)].Visible = true;
}

void Chrome::HoverTrend(int field) {
    if (field >= 0 && field < 6) trend_hover_[static_cast<std::size_t>(field)].Visible = true;
}

std::string Chrome::TakeFocus() { return std::exchange(focus_, std::string()); }

void Chrome::GreyUpTrenderGroup() {
    constexpr Color grey68 = Rgb(68, 68, 68);
    constexpr Color grey49 = Rgb(49, 49, 49);
    group_.GroupBox1_FontColour = grey68;
    group_.On_Wins_Enabled = false;
    group_.On_Wins_Colour = grey49;
    group_.Add_To_Bet_Colour = grey49;
    group_.Add_To_Bet_Enabled = false;
    group_.Label28_FontColour = grey68;
    group_.Label29_FontColour = grey68;
}

}  // namespace rotacle
