// The player's limits of a session: a loss limit, a profit goal, a time
// limit, a spin limit and a reality check every few minutes, each off at 0,
// and a stop before a stake larger than the money held, off unless chosen.
// The game notes its spins here and asks after each one, and the host's
// clock asks for the limits of time; a limit that is reached stops play until
// the player goes on or starts a new game. Money is counted as the money held:
// the bankroll and the stake on the table.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rotacle {

/// The limit that stopped play.
enum class LimitKind : std::uint8_t { None, Loss, Profit, Time, Spins, RealityCheck, StakeAboveBankroll };

/// "loss", "profit", "time", "spins", "reality-check", "stake-above-bankroll"
/// ("" for None).
std::string_view LimitName(LimitKind kind);
/// The limit named by `LimitName`; nothing for another word.
std::optional<LimitKind> LimitByName(std::string_view name);

/// The largest count of minutes or spins that a limit takes.
inline constexpr std::int32_t kMaxLimit = 100'000'000;

/// The limits as the player set them; 0 turns one off.
struct LimitSettings {
    double loss = 0;                    ///< stop when the net result falls to -loss
    double profit = 0;                  ///< stop when the net result reaches +profit
    std::int32_t time_minutes = 0;      ///< stop after this much play
    std::int32_t spins = 0;             ///< stop after this many spins
    std::int32_t reality_minutes = 0;   ///< pause for a look at the session this often
    bool stake_above_bankroll = false;  ///< stop before a stake larger than the money held

    bool Any() const {
        return loss > 0 || profit > 0 || time_minutes > 0 || spins > 0 || reality_minutes > 0 ||
               stake_above_bankroll;
    }
    bool operator==(const LimitSettings&) const = default;
};

class SessionLimits {
public:
    /// Sets the limits. When none was on, the session counts from here
    /// (`held`, the money held, and `now_s`); otherwise it goes on counting.
    void Set(const LimitSettings& settings, double held, std::int64_t now_s);
    const LimitSettings& Settings() const { return settings_; }
    /// True while any limit is on.
    bool On() const { return on_; }

    /// A new session: its result, spins and time count from here, and play
    /// is no longer stopped.
    void Start(double held, std::int64_t now_s);
    void NoteSpin() { ++spins_; }
    /// A resumed session: `played_s` seconds of it had been played at the
    /// instant that `now_s` stands for now. The limits of time count on from
    /// there.
    void Resume(std::int64_t played_s, std::int64_t now_s);

    /// The first limit of play (loss, profit, spins, then a stake above the
    /// bankroll) that the session reached with the money `held` (bankroll
    /// and `stake`, the stake on the table); None when play is stopped
    /// already or no limit is reached.
    LimitKind PlayReached(double held, double stake = 0) const;
    /// The first limit of time (time, reality check) that is due at `now_s`.
    LimitKind ClockReached(std::int64_t now_s) const;

    void Stop(LimitKind kind) { stopped_ = kind; }
    /// The limit that stopped play (None while play goes on).
    LimitKind Stopped() const { return stopped_; }
    /// Play goes on: the limit that stopped it counts again from here (its
    /// loss or profit from this result, its spins or minutes from now).
    void GoOn(double held, std::int64_t now_s);

    /// The session so far: spins, seconds played and net result (of the
    /// money `held`).
    std::int64_t Spins() const { return spins_; }
    std::int64_t SecondsPlayed(std::int64_t now_s) const { return now_s > start_s_ ? now_s - start_s_ : 0; }
    double Net(double held) const { return held - start_bankroll_; }

private:
    LimitSettings settings_;
    bool on_ = false;
    LimitKind stopped_ = LimitKind::None;
    double start_bankroll_ = 0;
    std::int64_t start_s_ = 0;
    std::int64_t spins_ = 0;
    // Where each limit counts from: moved on when the player goes on past it.
    double loss_from_ = 0;
    double profit_from_ = 0;
    std::int64_t spins_from_ = 0;
    std::int64_t time_from_s_ = 0;
    std::int64_t reality_from_s_ = 0;
};

}  // namespace rotacle
