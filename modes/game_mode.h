// The five game modes behind one interface, picked by mode number.
//
// A mode starts on an entered number (the board locked, the previous proposal
// settled), runs a short progress run on the run gauge, one tick at a time,
// and calculates its proposal when the gauge is full. The modes keep no
// state of their own: they work on the game's record and lists, and reach the
// rest of the game (board, table, settlement, timers, draws) through
// `ModeContext`.
#pragma once

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

/// The game a mode runs in: the record, the mode lists and the inputs it reads
/// directly, and the game's operations that a mode runs.
class ModeContext {
public:
    ModeContext(GameState& state, ModeLists& lists, ModeInputs inputs)
        : state_(state), lists_(lists), inputs_(inputs) {}
    ModeContext(const ModeContext&) = delete;
    ModeContext& operator=(const ModeContext&) = delete;

    GameState& State() const { return state_; }
    ModeLists& Lists() const { return lists_; }
    const ModeInputs& Inputs() const { return inputs_; }

    /// Unlocks the number board and the side controls.
    virtual void AllEnabled() = 0;
    /// Locks the number board and the side controls.
    virtual void AllDisabled() = 0;
    /// Marks the entered number on the board.
    virtual void NumberPressed() = 0;
    /// Hides every proposal indicator.
    virtual void HideBets() = 0;
    /// Shows the highlight, chip and stake of field index 0..5.
    virtual void ShowField(int index) = 0;
    /// Settles the previous proposal; a failure of the staking rules is
    /// returned, for the start to report at its end.
    virtual std::exception_ptr SettleProposal() = 0;
    /// Builds the rank-order matrix from the history, which proposes.
    virtual void CreateMatrix() = 0;
    /// Moves a shown proposal to the player's trend side.
    virtual void Trend_Check() = 0;
    /// Books the stake of a shown proposal.
    virtual void Balance_Check() = 0;
    virtual bool AnyChipVisible() const = 0;
    virtual void ShowBetsPlayed() = 0;
    /// The number just entered.
    virtual int CurrentNumber() const = 0;
    /// Assigns the window `N_Count`, running its change operation.
    virtual void SetNCount(std::int32_t value) = 0;

    /// Starts the progress-run timer `id`.
    virtual void StartRun(TimerId id) = 0;
    virtual void SetRunInterval(TimerId id, std::int32_t interval_ms) = 0;
    /// Adds `step` to the run gauge; true when it is full.
    virtual bool AdvanceRunGauge(std::int32_t step) = 0;
    /// Stops the run's timer and empties the gauge.
    virtual void EndProgressRun(TimerId id) = 0;
    /// The next draw 0..range-1, continuing the generator's sequence.
    virtual std::int32_t Draw(std::int32_t range) = 0;
    /// A draw 0..range-1 after seeding the generator with the clock's second.
    virtual std::int32_t DrawSeeded(std::int32_t range) = 0;

protected:
    ~ModeContext() = default;

private:
    GameState& state_;
    ModeLists& lists_;
    ModeInputs inputs_;
};

/// How a mode's progress run steps its gauge on each tick: `base` plus, when
/// `drawn`, a seeded draw 0..7.
struct RunStep {
    std::int32_t base;
    bool drawn;
};

class GameMode {
public:
    constexpr explicit GameMode(std::int32_t number) : number_(number) {}
    GameMode(const GameMode&) = delete;
    GameMode& operator=(const GameMode&) = delete;

    /// The mode's number, 1..5.
    std::int32_t Number() const { return number_; }
    /// The timer of the mode's progress run.
    TimerId RunTimer() const {
        return static_cast<TimerId>(static_cast<int>(TimerId::Mode1Timer) + number_ - 1);
    }
    virtual RunStep Step() const = 0;
    /// Whether the number just entered starts the mode (warm-up and matrix).
    virtual bool StartsOn(const GameState& state) const = 0;
    /// The start on an entered number: the board locked, the previous
    /// proposal settled and hidden, the progress run started.
    virtual void Start(ModeContext& game) const = 0;
    /// One tick of the progress run; the calculator runs when the gauge fills.
    virtual void Tick(ModeContext& game) const = 0;
    /// The calculator: the proposal for the next number.
    virtual void Calculate(ModeContext& game) const = 0;

protected:
    ~GameMode() = default;
    /// The gauge step of one tick, drawn when the mode's step is.
    std::int32_t TickStep(ModeContext& game) const;

private:
    std::int32_t number_;
};

/// The game mode numbered `number`, or nullptr when no mode has that number.
const GameMode* FindGameMode(std::int32_t number);
/// The mode whose progress run timer `id` (a mode timer) is.
const GameMode& GameModeOf(TimerId id);

/// Proposal step: `Bet_Field` becomes k (1..6), shown when the miss streak
/// has reached the safety level.
void Propose(ModeContext& game, std::int32_t k);
/// The common tail after a proposal of modes 1, 2, 4 and 5: trend check,
/// stake booked, a shown bet counted.
void ProposalTail(ModeContext& game);
/// Mode 5's analysis of the number just entered: each candidate list scores
/// its row, and once the rows of `N_Count` are scored a list is chosen.
void AnalyseAdaptiveLists(ModeContext& game);
/// Chooses the candidate list with the most hits (a tie widens `N_Count`)
/// and, once one is chosen, proposes from it.
void DefineAdaptiveList(ModeContext& game);

}  // namespace rotacle
