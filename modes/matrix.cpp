// Game mode 3 (rank-order pattern matrix) and game mode 5 (adaptive
// candidate lists).
#include <algorithm>
#include <limits>

#include "core/engine.h"
#include "io/settings_lines.h"

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
    GameState& s = State;

    // Every pattern starts on the oldest spin of the window, so a pattern's
    // wins are the sum over the six cycle positions of how often its code at
    // that position won there. Those 6 x 6 wins are counted once (first how
    // often each number fell at each position, one increment per spin); each
    // pattern is then six additions instead of a replay of the whole window.
    std::array<std::array<std::int64_t, 37>, 6> seen{};  // [cycle position][number]
    const std::size_t first = static_cast<std::size_t>(h - window);
    const std::uint8_t* spin = NumbersList.data() + first;
    const std::uint8_t* const end = NumbersList.data() + NumbersList.size();
    while (end - spin >= 6) {
        for (std::size_t p = 0; p < 6; ++p) ++seen[p][spin[p]];
        spin += 6;
    }
    for (std::size_t p = 0; spin < end; ++p, ++spin) ++seen[p][*spin];
    std::array<std::array<std::int64_t, 7>, 6> wins{};  // [cycle position][field code]
    for (std::size_t p = 0; p < 6; ++p)
        for (int n = 1; n <= 36; ++n)
            for (int code = 1; code <= 6; ++code)
                if (FieldWins(code, n))
                    wins[p][static_cast<std::size_t>(code)] += seen[p][static_cast<std::size_t>(n)];

    std::int64_t best_max = 0;
    // Any count of wins beats the starting minimum, also over windows of more
    // than 10000 spins where every pattern wins more often than that.
    std::int64_t best_min = std::numeric_limits<std::int64_t>::max();
    s.Pattern_Index = 0;
    std::int64_t last_wins = 0;
    for (const std::string& pattern : RANKORDER_patterns) {
        ++CGauge3.Position;
        std::int64_t total = 0;
        for (std::size_t p = 0; p < 6; ++p)
            total += wins[p][static_cast<std::size_t>(CodeAt(pattern, static_cast<std::int32_t>(2 * p + 1)))];
        last_wins = total;
        if (up && total > best_max) {
            PatternsTest.assign(1, pattern + " | MaxWins: " + IntToStr(total));
            best_max = total;
        }
        if (down && total < best_min) {
            PatternsTest.assign(1, pattern + " | MinWins: " + IntToStr(total));
            best_min = total;
        }
        ++s.Pattern_Index;
    }
    // The working values end as the last replay of the last pattern leaves them.
    const std::int32_t last_position = static_cast<std::int32_t>((window - 1) % 6);
    s.Matrix_Wins = static_cast<std::int32_t>(std::min<std::int64_t>(last_wins, kMaxCount));
    s.Pattern_Field = CodeAt(RANKORDER_patterns.back(), 2 * last_position + 1);
    s.Bet_Field = s.Pattern_Field;
    s.Matrix_Last_Number = NumbersList.back();
    CurrentNum.Tag = s.Matrix_Last_Number;
    s.Pattern_Position = static_cast<std::int32_t>(1 + 2 * (window % 6));
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
    WriteSettingsLine(settings_line::kSearchPattern, IntToStr(Search_Pattern.ItemIndex));
    if (Search_Pattern.Text() == "UPTREND") {
        Search_Pattern.Colour = Rgb(0, 100, 0);
        Search_Pattern.FontColour = Rgb(0, 255, 0);
    } else if (Search_Pattern.Text() == "DOWNTREND") {
        Search_Pattern.Colour = Rgb(128, 0, 0);
        Search_Pattern.FontColour = Rgb(255, 0, 0);
    }
}

void Engine::Play_BetsChange() {
    if (Play_Bets.HasText()) WriteSettingsLine(settings_line::kPlayBets, IntToStr(Play_Bets.Value()));
}

void Engine::ChBx_Fixed_NumberClick() {
    WriteSettingsLine(settings_line::kFixedNumber, ChBx_Fixed_Number.Checked ? "1" : "0");
}

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
    HideUndoCommand();
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
