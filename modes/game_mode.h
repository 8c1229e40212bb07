// The five game modes behind one interface, picked by mode number.
//
// A mode starts on an entered number (the board locked, the previous proposal
// settled), runs a short progress run on the run gauge, one tick at a time,
// and calculates its proposal when the gauge is full. The modes keep no state
// of their own: they work on the game's record and lists, and reach the rest
// of the game (board, table, settlement, timers, draws) through the game they
// are given, a type that meets `ModeGame`. The modes are templates over that
// type so that a spin pays for one call per step of a mode, not for one per
// operation of the game.
#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "core/controls.h"
#include "core/convert.h"
#include "core/game_state.h"
#include "core/ids.h"
#include "modes/modes.h"

namespace rotacle {

/// The inputs of the window that the modes read.
struct ModeInputs {
    const CheckBox& CatRows;    ///< repeat the last proposal after a win (modes 1 and 4)
    const SpinEdit& Play_Bets;  ///< bets of a matrix before it is built again (mode 3)
    const SpinEdit& N_Count;    ///< the matrix window, the rows of the candidate lists
    const TrackBar& SafeLevel;  ///< misses before a proposal is shown
};

/// The game a mode runs in: its record, lists and inputs, and the game's
/// operations that the modes run.
template <class G>
concept ModeGame = requires(G& game, const G& view, std::int32_t value, TimerId timer) {
    { game.State() } -> std::same_as<GameState&>;
    { game.Lists() } -> std::same_as<ModeLists&>;
    { view.Inputs() } -> std::same_as<ModeInputs>;
    game.AllEnabled();      // unlocks the number board and the side controls
    game.AllDisabled();     // locks them
    game.NumberPressed();   // marks the entered number on the board
    game.HideBets();        // hides every proposal indicator
    game.ShowField(value);  // shows highlight, chip and stake of field index 0..5
    game.CreateMatrix();    // builds the rank-order matrix, which proposes
    game.Trend_Check();     // moves a shown proposal to the player's trend side
    game.Balance_Check();   // books the stake of a shown proposal
    game.ShowBetsPlayed();
    game.SetNCount(value);  // assigns `N_Count`, running its change operation
    game.StartRun(timer);   // starts a progress-run timer
    game.SetRunInterval(timer, value);
    game.EndProgressRun(timer);  // stops the run's timer and empties the gauge
    // Settles the previous proposal; a failure of the staking rules is
    // returned for the start to report at its end.
    { game.SettleProposal() } -> std::same_as<std::exception_ptr>;
    { view.AnyChipVisible() } -> std::same_as<bool>;
    { view.CurrentNumber() } -> std::convertible_to<int>;   // the number just entered
    { game.AdvanceRunGauge(value) } -> std::same_as<bool>;  // true when the gauge is full
    // The next draw 0..range-1 of the generator, and one after seeding it
    // with the clock's second.
    { game.Draw(value) } -> std::same_as<std::int32_t>;
    { game.DrawSeeded(value) } -> std::same_as<std::int32_t>;
};

/// How a mode's progress run steps its gauge on each tick: `base` plus, when
/// `drawn`, a seeded draw 0..7.
struct RunStep {
    std::int32_t base;
    bool drawn;
    static constexpr std::int32_t kDrawRange = 8;
};

template <ModeGame Game>
class GameMode {
public:
    constexpr GameMode(std::int32_t number, RunStep step) : number_(number), step_(step) {}
    GameMode(const GameMode&) = delete;
    GameMode& operator=(const GameMode&) = delete;

    /// The mode's number, 1..5.
    std::int32_t Number() const { return number_; }
    /// The timer of the mode's progress run.
    TimerId RunTimer() const {
        return static_cast<TimerId>(static_cast<int>(TimerId::Mode1Timer) + number_ - 1);
    }
    RunStep Step() const { return step_; }
    /// Whether the number just entered starts the mode (warm-up and matrix).
    virtual bool StartsOn(const GameState& state) const = 0;
    /// The start on an entered number: the board locked, the previous
    /// proposal settled and hidden, the progress run started.
    virtual void Start(Game& game) const = 0;
    /// One tick of the progress run; the calculator runs when the gauge fills.
    virtual void Tick(Game& game) const = 0;
    /// The calculator: the proposal for the next number.
    virtual void Calculate(Game& game) const = 0;

protected:
    ~GameMode() = default;
    /// The gauge step of one tick, drawn when the mode's step is.
    std::int32_t TickStep(Game& game) const {
        return step_.drawn ? step_.base + game.DrawSeeded(RunStep::kDrawRange) : step_.base;
    }

private:
    std::int32_t number_;
    RunStep step_;
};

namespace mode_steps {

/// Proposal step: `Bet_Field` becomes k (1..6), shown when the miss streak
/// has reached the safety level.
template <ModeGame Game>
void Propose(Game& game, std::int32_t k) {
    GameState& s = game.State();
    s.Bet_Field = k;
    if (k >= 1 && k <= 6 && s.Miss_Streak >= game.Inputs().SafeLevel.Position) game.ShowField(k - 1);
}

/// The common tail after a proposal of modes 1, 2, 4 and 5: trend check,
/// stake booked, a shown bet counted.
template <ModeGame Game>
void ProposalTail(Game& game) {
    game.Trend_Check();
    game.Balance_Check();
    if (game.AnyChipVisible()) ++game.State().Bets_Played;
}

// The common start of modes 1, 2, 4 and 5 up to their run: the board locked,
// the entered number marked, the previous proposal settled (when `settle`)
// and hidden, the run started. A settlement error is reported only once the
// run has started, so that the spin still goes on to its next proposal.
template <ModeGame Game>
std::exception_ptr BeginStart(Game& game, bool settle) {
    game.AllDisabled();
    game.NumberPressed();
    std::exception_ptr error;
    if (settle) error = game.SettleProposal();
    game.HideBets();
    return error;
}

template <ModeGame Game>
void EndStart(Game& game, TimerId run, const std::exception_ptr& error) {
    game.StartRun(run);
    if (error) std::rethrow_exception(error);
}

inline bool WarmedUp(const GameState& s) { return s.Spins_Count >= s.Warmup_Spins; }

// Modes 1 and 4: a drawn field, or the last one again after a win when
// `CatRows` is checked.
template <ModeGame Game>
void ProposeDrawnField(Game& game) {
    game.AllEnabled();
    const GameState& s = game.State();
    std::int32_t index = 0;
    if (game.Inputs().CatRows.Checked && s.Wins_Count > 0)
        index = s.Bet_Field - 1;
    else
        index = game.DrawSeeded(6);
    Propose(game, index + 1);
    ProposalTail(game);
}

// Modes 1 and 2: every tick that leaves the gauge short marks a run under way.
template <ModeGame Game>
void DrawnTick(const GameMode<Game>& mode, Game& game, std::int32_t step) {
    if (!game.AdvanceRunGauge(step)) {
        game.State().Engine_Ready = 0;
        return;
    }
    game.State().Engine_Ready = 1;
    mode.Calculate(game);
    game.EndProgressRun(mode.RunTimer());
}

}  // namespace mode_steps

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
