// The interface of the game modes, the game they run in and the steps they
// share.
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

#include <concepts>
#include <cstdint>
#include <exception>

#include "core/controls.h"
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

}  // namespace rotacle
