// The zero rule and the session limits: the player's options that live beside
// the settings record, each change journaled so that a resumed session plays
// on under the same ones.
#include "game/action_scope.h"
#include "game/game.h"

namespace rotacle {

namespace {

std::string LimitsLine(const LimitSettings& l) {
    // The stop before a large stake is a word of its own only when it is on:
    // a journal without it reads as before.
    return "limits " + FloatToStr(l.loss) + ' ' + FloatToStr(l.profit) + ' ' + IntToStr(l.time_minutes) +
           ' ' + IntToStr(l.spins) + ' ' + IntToStr(l.reality_minutes) + (l.stake_above_bankroll ? " 1" : "");
}

// How often the time played is noted while the clock is looked at.
constexpr std::int64_t kPlayedNoteSeconds = 60;

}  // namespace

void Game::SetZeroRule(ZeroRule rule) {
    // A journal without the option stays as it was: only a change is a line.
    if (rule == zero_rule_) return;
    const ActionScope action(*this, [rule] {
        return std::string(rule == ZeroRule::Partage ? "zero-rule partage" : "zero-rule none");
    });
    zero_rule_ = rule;
}

void Game::SetLimits(const LimitSettings& limits) {
    if (limits == limits_.Settings()) return;
    // The limits change at this instant of the session, which a replay must meet.
    NotePlayed(true);
    const ActionScope action(*this, [&limits] { return LimitsLine(limits); });
    const bool was_stopped = limits_.Stopped() != LimitKind::None;
    const bool was_on = limits_.On();
    limits_.Set(limits, MoneyHeld(), platform_.ClockSeconds());
    if (!was_on) played_noted_ = 0;
    // Every limit turned off while play stood still: the board takes numbers again.
    if (was_stopped && limits_.Stopped() == LimitKind::None) AllEnabled();
}

void Game::CheckLimitClock() {
    if (!limits_.On()) return;
    NotePlayed(false);
    // A run under way ends with its proposal first; the next look stops it.
    if (limits_.Stopped() != LimitKind::None || ProgressRunUnderWay()) return;
    const LimitKind due = limits_.ClockReached(platform_.ClockSeconds());
    if (due == LimitKind::None) return;
    // The replay meets the stop at this place whatever its own clock says.
    const ActionScope action(*this, [due] { return "limit-stop " + std::string(LimitName(due)); });
    StopForLimit(due);
}

void Game::GoOnPastLimit() {
    if (limits_.Stopped() == LimitKind::None) return;
    // The limit counts again from this instant.
    NotePlayed(true);
    const ActionScope action(*this, [] { return std::string("limit-go-on"); });
    limits_.GoOn(MoneyHeld(), platform_.ClockSeconds());
    AllEnabled();
}

void Game::NotePlayed(bool now) {
    if (!limits_.On() || !journal_.Kept()) return;
    const std::int64_t played = limits_.SecondsPlayed(platform_.ClockSeconds());
    const bool due = now ? played != played_noted_
                         : played < played_noted_ || played - played_noted_ >= kPlayedNoteSeconds;
    if (!due) return;
    const ActionScope action(*this, [played] { return "played " + IntToStr(played); });
    played_noted_ = played;
}

void Game::LimitsAfterSpin(bool spun) {
    if (spun) limits_.NoteSpin();
    // The spin's proposal is on the table once its run has ended.
    if (ProgressRunUnderWay()) return;
    const double stake = AnyChipVisible() ? state_.Bet_Size : 0.0;
    const LimitKind reached = limits_.PlayReached(MoneyHeld(), stake);
    if (reached != LimitKind::None) StopForLimit(reached);
}

void Game::StopForLimit(LimitKind kind) {
    limits_.Stop(kind);
    // No proposal while play stands still: the bet on the table comes back
    // as a skipped one, and the board takes no number.
    SkipBet();
    AllDisabled();
}

}  // namespace rotacle
