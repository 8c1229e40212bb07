// What the game reports as it is played: every recorded number, every placed
// bet settled or staked, every move of the bankroll, undo and new histories,
// proposals, imports, progress runs and settings loads, as typed events. The statistics follow a session by
// them alone, so that a session replayed action by action gives the same figures as the one played.
#pragma once

#include <cstdint>
#include <span>

namespace rotacle {

enum class PlayEventKind : std::uint8_t {
    /// The listener was attached: `history` is the history so far.
    Start,
    /// The pipeline recorded `number` as the newest spin.
    Spin,
    /// A placed bet on `field` with `stake` was settled by the newest number
    /// (`won` or lost); `bankroll` is after the booking and its staking rules.
    Settled,
    /// A bet on `field` with `stake` went on the table.
    Staked,
    /// The game moved the bankroll on its own (a display refresh holding it
    /// to cents, a reset of a stake fallen below the initial bet).
    GameMoved,
    /// An action of the player moved the bankroll: the test bank, a skipped
    /// bet, a bet reset, a settings load.
    PlayerMoved,
    /// Undo took the newest number back and restored the state before it;
    /// `history` is the history now.
    TakenBack,
    /// The history was replaced (an import, a new game); `history` is the
    /// new one.
    NewHistory,
    // What follows moves no money and no number (listeners of the figures
    // skip every kind from ProposalShown on).
    /// A calculator proposed `field` with `stake` (the bet shown, placed or not).
    ProposalShown,
    /// An import replaced the history with `count` numbers (a NewHistory follows).
    Imported,
    /// The progress run of game mode `mode` started.
    RunStarted,
    /// The progress run of game mode `mode` ended, or was abandoned.
    RunEnded,
    /// A settings record was loaded and applied.
    SettingsLoaded,
};

/// One event. `bankroll` and `open_stake` are as they stand after it.
struct PlayEvent {
    PlayEventKind kind = PlayEventKind::Start;
    double bankroll = 0;
    /// Stake of the bet on the table after the event; 0 when none is.
    double open_stake = 0;
    int number = -1;         ///< Spin
    int field = -1;          ///< Settled, Staked: 1..6
    double stake = 0;        ///< Settled, Staked
    bool won = false;        ///< Settled
    double returned = 0;     ///< Settled: what a lost stake gave back (la partage on zero)
    bool partage = false;    ///< Settled: la partage was in force
    std::int64_t count = 0;  ///< Imported
    int mode = 0;            ///< RunStarted, RunEnded: 1..5
    /// Start, TakenBack, NewHistory: the whole history, oldest first. Valid
    /// only during the call.
    std::span<const std::uint8_t> history{};
};

/// Where the engine hands its play events.
class PlayListener {
public:
    virtual ~PlayListener() = default;
    /// One event, in the order the game made them. Never throws.
    virtual void OnPlay(const PlayEvent& event) noexcept = 0;
    /// False for a listener that takes no events that move no money (from
    /// ProposalShown on): the game then makes none. Asked when it is attached.
    virtual bool TakesHappenings() const noexcept { return true; }
};

}  // namespace rotacle
