// Game mode 3 (rank-order pattern matrix) and game mode 5 (adaptive
// candidate lists).
#include <algorithm>

#include "core/engine.h"

namespace rotacle {

namespace {

constexpr Color kNavy = Rgb(0, 0, 128);

// Field index 0..5 of a field code 1..6 on the other side of its pair.
constexpr int OppositeIndex(int code) { return 6 - code; }

// Code at a 1-based character position of a pattern line, or 0.
std::int32_t CodeAt(std::string_view line, std::int32_t position) {
    if (position < 1 || static_cast<std::size_t>(position) > line.size()) return 0;
    const char c = line[static_cast<std::size_t>(position - 1)];
    return (c >= '1' && c <= '6') ? c - '0' : 0;
}

void AdvancePosition(std::int32_t& position) {
    position += 2;
    if (position >= 13) position = 1;
}

}  // namespace

// ---- Rank-order matrix ---------------------------------------------------------------

void Engine::CreateMatrix() {
    const auto h = static_cast<std::int64_t>(NumbersList.size());
    if (h == 0) return;
    if (h < N_Count.Value()) SetSpinValue(SpinId::N_Count, static_cast<std::int32_t>(h));
    AllDisabled();
    HideBets();
    State.Matrix_Pending = 0;
    CGauge3.Position = 0;
    CGauge3.MaxValue = static_cast<std::int32_t>(RANKORDER_patterns.size());
    PatternsTest.clear();

    const std::int64_t window = std::clamp<std::int64_t>(N_Count.Value(), 1, h);
    const bool up = Search_Pattern.Text() == "UPTREND";
    const bool down = Search_Pattern.Text() == "DOWNTREND";
    std::int32_t best_max = 0;
    std::int32_t best_min = 10000;
    GameState& s = State;
    s.Pattern_Index = 0;
    for (const std::string& pattern : RANKORDER_patterns) {
        ++CGauge3.Position;
        s.Matrix_Wins = 0;
        s.Pattern_Position = 1;
        for (std::int64_t e = h - window; e < h; ++e) {
            s.Pattern_Field = CodeAt(pattern, s.Pattern_Position);
            s.Matrix_Last_Number = NumbersList[static_cast<std::size_t>(e)];
            CurrentNum.Tag = s.Matrix_Last_Number;
            s.Bet_Field = s.Pattern_Field;
            MatrixWinLose();
            AdvancePosition(s.Pattern_Position);
        }
        if (up && s.Matrix_Wins > best_max) {
            PatternsTest.assign(1, pattern + " | MaxWins: " + IntToStr(s.Matrix_Wins));
            best_max = s.Matrix_Wins;
        }
        if (down && s.Matrix_Wins < best_min) {
            PatternsTest.assign(1, pattern + " | MinWins: " + IntToStr(s.Matrix_Wins));
            best_min = s.Matrix_Wins;
        }
        ++s.Pattern_Index;
    }
    if (!PatternsTest.empty())
        PatternsTest[0] += " | Next step: " + IntToStr(s.Pattern_Position) +
                           " | Last number: " + IntToStr(s.Matrix_Last_Number);
    CGauge3.Position = 0;
    AllEnabled();
    M3Calculate();
}

void Engine::M3Calculate() {
    AllEnabled();
    GameState& s = State;
    if (PatternsTest.empty()) {
        // No pattern beat zero wins: nothing to propose until a build finds one.
        s.Bet_Field = -1;
        ShowBetsPlayed();
        return;
    }
    const std::int32_t code = CodeAt(PatternsTest[0], s.Pattern_Position);
    s.Bet_Field = code == 0 ? -1 : code;
    if (code != 0) {
        const bool trend_allows = !Trend_2[static_cast<std::size_t>(OppositeIndex(code))].Visible;
        if (trend_allows && s.Miss_Streak >= SafeLevel.Position) ShowField(code - 1, true);
    }
    Trend_Check();
    Balance_Check();
    if (AnyChipVisible()) {
        ++s.Bets_Played;
        ++s.Matrix_Bets_Played;
    }
    AdvancePosition(s.Pattern_Position);
    ShowBetsPlayed();
}

void Engine::Search_PatternChange() {
    Focus = "ShowBetSize";
    WriteSettingsLine(22, IntToStr(Search_Pattern.ItemIndex));
    if (Search_Pattern.Text() == "UPTREND") {
        Search_Pattern.Colour = Rgb(0, 100, 0);
        Search_Pattern.FontColour = Rgb(0, 255, 0);
    } else if (Search_Pattern.Text() == "DOWNTREND") {
        Search_Pattern.Colour = Rgb(128, 0, 0);
        Search_Pattern.FontColour = Rgb(255, 0, 0);
    }
}

void Engine::Play_BetsChange() {
    if (Play_Bets.HasText()) WriteSettingsLine(23, IntToStr(Play_Bets.Value()));
}

void Engine::ChBx_Fixed_NumberClick() { WriteSettingsLine(24, ChBx_Fixed_Number.Checked ? "1" : "0"); }

void Engine::ResetMatrix() {
    ResetBets();
    Reset_Matrix();
    HideNumbers();
    HideBets();
    State.Adaptive_Defined = 0;
    ResetMatrix_Button.Enabled = false;
    CreateMatrix_Button.Enabled = true;
    State.Bankroll = 1000000.0;
    State.Reset_Target = 1000001.0;
    ImageUndo.Visible = false;
    Undo_Button.Visible = false;
}

// ---- Adaptive candidate lists --------------------------------------------------------

void Engine::Analyse_Matrix() {
    GameState& s = State;
    const int n = CurrentNum.Tag;
    if (s.Adaptive_Row < N_Count.Value()) {
        for (std::size_t k = 0; k < 3; ++k) {
            const Memo& list = AdaptiveList[k];
            if (s.Adaptive_Row < 0 || static_cast<std::size_t>(s.Adaptive_Row) >= list.size()) continue;
            const std::string& line = list[static_cast<std::size_t>(s.Adaptive_Row)];
            if (line.size() == 1 && line[0] >= '0' && line[0] <= '5' && FieldWins(line[0] - '0' + 1, n))
                ++Adaptive_Score[k];
        }
        ++s.Adaptive_Row;
    }
    if (s.Adaptive_Row >= N_Count.Value()) Define_Matrix();
}

void Engine::Define_Matrix() {
    GameState& s = State;
    if (s.Adaptive_Defined == 0) {
        const auto& a = Adaptive_Score;
        int chosen = 0;
        if (a[0] > a[1] && a[0] > a[2]) chosen = 1;
        if (a[1] > a[0] && a[1] > a[2]) chosen = 2;
        if (a[2] > a[0] && a[2] > a[1]) chosen = 3;
        if (chosen == 0) {
            SetSpinValue(SpinId::N_Count, N_Count.Value() + 1);
        } else {
            s.Adaptive_Defined = 1;
            s.Adaptive_Choice = chosen;
            AdaptiveList_FontColour[static_cast<std::size_t>(chosen - 1)] = kNavy;
        }
    }
    if (s.Adaptive_Defined == 1) M5Calculate();
}

void Engine::M5Calculate() {
    GameState& s = State;
    const std::size_t k = static_cast<std::size_t>(std::clamp(s.Adaptive_Choice, 1, 3) - 1);
    const Memo& list = AdaptiveList[k];
    std::int32_t index = -1;
    if (s.Adaptive_Row >= 0 && static_cast<std::size_t>(s.Adaptive_Row) < list.size())
        if (!TryStrToInt(list[static_cast<std::size_t>(s.Adaptive_Row)], index)) index = -1;
    if (index >= 0 && index <= 5)
        Propose(index + 1);
    else
        s.Bet_Field = -1;  // a missing or unreadable line proposes nothing
    ++s.Adaptive_Row;
    ProposalTail();
}

void Engine::Reset_Matrix() {
    for (auto& list : AdaptiveList) list.clear();
    Adaptive_Score.fill(0);
    AdaptiveList_Enabled.fill(true);
    State.Adaptive_Row = 0;
    State.Adaptive_Defined = 0;
}

}  // namespace rotacle
