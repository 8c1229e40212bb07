// The five game modes and their table by mode number.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "core/convert.h"
#include "modes/game_mode.h"

namespace rotacle {

/// Mode 1: a drawn field.
template <ModeGame Game>
class RandomMode final : public GameMode<Game> {
public:
    constexpr RandomMode() : GameMode<Game>(1, {0, true}) {}
    bool StartsOn(const GameState& s) const override { return mode_steps::WarmedUp(s); }
    void Start(Game& game) const override {
        mode_steps::EndStart(game, this->RunTimer(), mode_steps::BeginStart(game, true));
    }
    void Tick(Game& game) const override { mode_steps::DrawnTick(*this, game, this->TickStep(game)); }
    void Calculate(Game& game) const override { mode_steps::ProposeDrawnField(game); }
};

/// Mode 2: the deep scan's number and family choose the field.
template <ModeGame Game>
class SmartMode final : public GameMode<Game> {
public:
    constexpr SmartMode() : GameMode<Game>(2, {2, true}) {}
    bool StartsOn(const GameState& s) const override { return mode_steps::WarmedUp(s); }
    void Start(Game& game) const override {
        mode_steps::EndStart(game, this->RunTimer(), mode_steps::BeginStart(game, true));
    }
    void Tick(Game& game) const override { mode_steps::DrawnTick(*this, game, this->TickStep(game)); }
    void Calculate(Game& game) const override {
        game.AllEnabled();
        const GameState& s = game.State();
        mode_steps::Propose(game, SmartField(s.DeepScan_Number, s.DeepScan_Family));
        mode_steps::ProposalTail(game);
    }
};

/// Mode 3: the next step of the best rank-order pattern of the matrix.
template <ModeGame Game>
class MatrixMode final : public GameMode<Game> {
public:
    constexpr MatrixMode() : GameMode<Game>(3, {10, false}) {}
    bool StartsOn(const GameState& s) const override {
        return mode_steps::WarmedUp(s) && s.Matrix_Pending == 0;
    }

    void Start(Game& game) const override {
        GameState& s = game.State();
        if (s.Matrix_Bets_Played >= game.Inputs().Play_Bets.Value()) {
            s.Matrix_Bets_Played = 0;
            const auto error = game.SettleProposal();
            game.CreateMatrix();
            if (error) std::rethrow_exception(error);
            return;
        }
        game.AllDisabled();
        game.NumberPressed();
        const auto error = game.SettleProposal();
        // A win that reached the profit goal has rebuilt the matrix, which
        // unlocked the board and proposed; that proposal's stake was given
        // back in advance, so it is hidden like any other and the run
        // proposes anew. The board stays locked until the run's calculator.
        game.AllDisabled();
        game.NumberPressed();
        game.HideBets();
        s.Engine_Ready = 0;
        game.StartRun(this->RunTimer());
        if (error) std::rethrow_exception(error);
    }

    void Tick(Game& game) const override {
        if (!game.AdvanceRunGauge(this->TickStep(game))) return;
        Calculate(game);
        game.Trend_Check();
        game.State().Engine_Ready = 1;
        game.EndProgressRun(this->RunTimer());
    }

    void Calculate(Game& game) const override {
        game.AllEnabled();
        GameState& s = game.State();
        const ModeLists& lists = game.Lists();
        if (lists.PatternsTest().empty()) {
            // No pattern beat zero wins: nothing to propose until a build finds one.
            s.Bet_Field = -1;
            game.ShowBetsPlayed();
            return;
        }
        const std::int32_t code = PatternCodeAt(lists.PatternsTest()[0], s.Pattern_Position);
        s.Bet_Field = code == 0 ? -1 : code;
        if (code != 0) {
            const bool trend_allows = !lists.TrendChosen(OppositeField(code - 1));
            if (trend_allows && s.Miss_Streak >= game.Inputs().SafeLevel.Position) game.ShowField(code - 1);
        }
        game.Trend_Check();
        game.Balance_Check();
        if (game.AnyChipVisible()) {
            ++s.Bets_Played;
            ++s.Matrix_Bets_Played;
        }
        AdvancePatternPosition(s.Pattern_Position);
        game.ShowBetsPlayed();
    }
};

/// Mode 4: the drawn field of mode 1 after a run of a drawn interval.
template <ModeGame Game>
class IntervalMode final : public GameMode<Game> {
public:
    constexpr IntervalMode() : GameMode<Game>(4, {1, false}) {}
    bool StartsOn(const GameState& s) const override { return mode_steps::WarmedUp(s); }
    void Start(Game& game) const override {
        const std::exception_ptr error = mode_steps::BeginStart(game, true);
        // The interval draw continues the sequence of the last seeded draw.
        std::int32_t interval = game.Draw(100);
        if (interval == 0) interval = 50;
        game.SetRunInterval(this->RunTimer(), interval);
        mode_steps::EndStart(game, this->RunTimer(), error);
    }
    void Tick(Game& game) const override {
        if (!game.AdvanceRunGauge(this->TickStep(game))) return;
        Calculate(game);
        game.EndProgressRun(this->RunTimer());
    }
    void Calculate(Game& game) const override { mode_steps::ProposeDrawnField(game); }
};

/// Mode 5: the row of the candidate list that scored best. It starts from the
/// first spin on, as the lists score during the warm-up too, and settles only
/// once a list has been chosen.
template <ModeGame Game>
class AdaptiveMode final : public GameMode<Game> {
public:
    constexpr AdaptiveMode() : GameMode<Game>(5, {8, false}) {}
    bool StartsOn(const GameState&) const override { return true; }
    void Start(Game& game) const override {
        mode_steps::EndStart(game, this->RunTimer(),
                             mode_steps::BeginStart(game, game.State().Adaptive_Defined == 1));
    }
    void Tick(Game& game) const override {
        if (!game.AdvanceRunGauge(this->TickStep(game))) return;
        Analyse(game);
        game.AllEnabled();
        game.EndProgressRun(this->RunTimer());
    }
    void Calculate(Game& game) const override {
        GameState& s = game.State();
        const std::size_t k = static_cast<std::size_t>(std::clamp(s.Adaptive_Choice, 1, 3) - 1);
        const Memo& list = game.Lists().AdaptiveList()[k];
        std::int32_t index = -1;
        if (s.Adaptive_Row >= 0 && static_cast<std::size_t>(s.Adaptive_Row) < list.size())
            if (!TryStrToInt(list[static_cast<std::size_t>(s.Adaptive_Row)], index)) index = -1;
        if (index >= 0 && index <= 5)
            mode_steps::Propose(game, index + 1);
        else
            s.Bet_Field = -1;  // a missing or unreadable line proposes nothing
        ++s.Adaptive_Row;
        mode_steps::ProposalTail(game);
    }

    /// The analysis of the number just entered: each candidate list scores
    /// its row, and once the rows of `N_Count` are scored a list is chosen.
    void Analyse(Game& game) const {
        GameState& s = game.State();
        const int n = game.CurrentNumber();
        if (s.Adaptive_Row < game.Inputs().N_Count.Value()) {
            for (std::size_t k = 0; k < 3; ++k) {
                const Memo& list = game.Lists().AdaptiveList()[k];
                if (s.Adaptive_Row < 0 || static_cast<std::size_t>(s.Adaptive_Row) >= list.size()) continue;
                const std::string& line = list[static_cast<std::size_t>(s.Adaptive_Row)];
                if (line.size() == 1 && line[0] >= '0' && line[0] <= '5' && FieldWins(line[0] - '0' + 1, n))
                    game.Lists().Score(k);
            }
            ++s.Adaptive_Row;
        }
        if (s.Adaptive_Row >= game.Inputs().N_Count.Value()) Define(game);
    }

    /// Chooses the candidate list with the most hits (a tie widens
    /// `N_Count`) and, once one is chosen, proposes from it.
    void Define(Game& game) const {
        GameState& s = game.State();
        if (s.Adaptive_Defined == 0) {
            const auto& a = game.Lists().Adaptive_Score();
            int chosen = 0;
            if (a[0] > a[1] && a[0] > a[2]) chosen = 1;
            if (a[1] > a[0] && a[1] > a[2]) chosen = 2;
            if (a[2] > a[0] && a[2] > a[1]) chosen = 3;
            if (chosen == 0) {
                game.SetNCount(game.Inputs().N_Count.Value() + 1);
            } else {
                s.Adaptive_Defined = 1;
                s.Adaptive_Choice = chosen;
                game.Lists().MarkChosen(chosen);
            }
        }
        if (s.Adaptive_Defined == 1) Calculate(game);
    }
};

/// The five modes for a game of type `Game`, by number.
template <ModeGame Game>
struct GameModes {
    static constexpr RandomMode<Game> kRandom{};
    static constexpr SmartMode<Game> kSmart{};
    static constexpr MatrixMode<Game> kMatrix{};
    static constexpr IntervalMode<Game> kInterval{};
    static constexpr AdaptiveMode<Game> kAdaptive{};
    static constexpr std::array<const GameMode<Game>*, 5> kByNumber = {&kRandom, &kSmart, &kMatrix,
                                                                       &kInterval, &kAdaptive};

    /// The mode numbered `number`, or nullptr when no mode has that number.
    static const GameMode<Game>* Find(std::int32_t number) {
        if (number < 1 || number > static_cast<std::int32_t>(kByNumber.size())) return nullptr;
        return kByNumber[static_cast<std::size_t>(number - 1)];
    }
    /// The mode whose progress-run timer `id` (a mode timer) is.
    static const GameMode<Game>& Of(TimerId id) {
        return *kByNumber[static_cast<std::size_t>(static_cast<int>(id) -
                                                   static_cast<int>(TimerId::Mode1Timer))];
    }
};

}  // namespace rotacle
