// Game mode 3 (rank-order pattern matrix) and game mode 5 (adaptive
// candidate lists).
#include <algorithm>
#include <limits>
#include <span>

#include "game/action_scope.h"
#include "game/game.h"
#include "game/mode_host.h"
#include "settings/settings_lines.h"

namespace rotacle {

// ---- Rank-order matrix ---------------------------------------------------------------

void Game::CreateMatrix() {
    const ActionScope action(*this, [] { return std::string("create-matrix"); });
    const auto h = static_cast<std::int64_t>(board_.NumbersList().size());
    if (h == 0) return;
    if (h < inputs_.N_Count.Value()) SetSpinValue(SpinId::N_Count, static_cast<std::int32_t>(h));
    AllDisabled();
    HideBets();
    GameState& s = state_;
    s.Matrix_Pending = 0;
    const Memo& patterns = modes_.RANKORDER_patterns();
    display_.StartMatrixGauge(static_cast<std::int32_t>(patterns.size()));
    modes_.ClearBest();

    const std::int64_t window = std::clamp<std::int64_t>(inputs_.N_Count.Value(), 1, h);
    const bool up = inputs_.Search_Pattern.Text() == "UPTREND";
    const bool down = inputs_.Search_Pattern.Text() == "DOWNTREND";
    const std::span<const std::uint8_t> spins(board_.NumbersList());
    const PatternScan scan =
        ScanPatterns(spins.subspan(static_cast<std::size_t>(h - window)), patterns, up, down);
    if (!scan.best.empty()) modes_.SetBest(scan.best);
    s.Pattern_Index = static_cast<std::int32_t>(patterns.size());

    // The working values end as the last replay of the last pattern leaves them.
    const std::int32_t last_position = static_cast<std::int32_t>((window - 1) % 6);
    s.Matrix_Wins = static_cast<std::int32_t>(std::min<std::int64_t>(scan.last_wins, kMaxCount));
    s.Pattern_Field = PatternCodeAt(patterns.back(), 2 * last_position + 1);
    s.Bet_Field = s.Pattern_Field;
    s.Matrix_Last_Number = board_.NumbersList().back();
    board_.SetCurrentNumber(s.Matrix_Last_Number);
    s.Pattern_Position = static_cast<std::int32_t>(1 + 2 * (window % 6));
    modes_.AppendToBest(" | Next step: " + IntToStr(s.Pattern_Position) +
                        " | Last number: " + IntToStr(s.Matrix_Last_Number));
    display_.EmptyMatrixGauge();
    AllEnabled();
    M3Calculate();
}

void Game::M3Calculate() {
    ModeHost host(*this);
    EngineModes::kMatrix.Calculate(host);
}

void Game::Search_PatternChange() {
    RequestFocus("ShowBetSize");
    WriteSettingsLine(settings_line::kSearchPattern, IntToStr(inputs_.Search_Pattern.ItemIndex));
    if (inputs_.Search_Pattern.Text() == "UPTREND") {
        inputs_.Search_Pattern.Colour = Rgb(0, 100, 0);
        inputs_.Search_Pattern.FontColour = Rgb(0, 255, 0);
    } else if (inputs_.Search_Pattern.Text() == "DOWNTREND") {
        inputs_.Search_Pattern.Colour = Rgb(128, 0, 0);
        inputs_.Search_Pattern.FontColour = Rgb(255, 0, 0);
    }
}

void Game::Play_BetsChange() {
    if (inputs_.Play_Bets.HasText())
        WriteSettingsLine(settings_line::kPlayBets, IntToStr(inputs_.Play_Bets.Value()));
}

void Game::ChBx_Fixed_NumberClick() {
    WriteSettingsLine(settings_line::kFixedNumber, inputs_.ChBx_Fixed_Number.Checked ? "1" : "0");
}

void Game::ResetMatrix() {
    const ActionScope action(*this, [] { return std::string("reset-matrix"); });
    ResetBets();
    Reset_Matrix();
    HideNumbers();
    HideBets();
    state_.Adaptive_Defined = 0;
    inputs_.ResetMatrix_Button.Enabled = false;
    inputs_.CreateMatrix_Button.Enabled = true;
    state_.Bankroll = 1000000.0;
    state_.Reset_Target = 1000001.0;
    board_.HideUndoCommand();
}

// ---- Adaptive candidate lists --------------------------------------------------------

void Game::Analyse_Matrix() {
    ModeHost host(*this);
    EngineModes::kAdaptive.Analyse(host);
}

void Game::Define_Matrix() {
    ModeHost host(*this);
    EngineModes::kAdaptive.Define(host);
}

void Game::M5Calculate() {
    ModeHost host(*this);
    EngineModes::kAdaptive.Calculate(host);
}

void Game::Reset_Matrix() {
    modes_.ResetLists();
    state_.Adaptive_Row = 0;
    state_.Adaptive_Defined = 0;
}

}  // namespace rotacle
