// The zero rule and the session limits: the player's options that live beside
// the settings record, each change journaled so that a resumed session plays
// on under the same ones.
#include "game/action_scope.h"
#include "game/game.h"

namespace rotacle {

namespace {

std::string LimitsLine(const LimitSettings& l) {
    return "limits " + FloatToStr(l.loss) + ' ' + FloatToStr(l.profit) + ' ' + IntToStr(l.time_minutes) +
           ' ' + IntToStr(l.spins) + ' ' + IntToStr(l.reality_minutes);
}

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
    const ActionScope action(*this, [&limits] { return LimitsLine(limits); });
    const bool was_stopped = limits_.Stopped() != LimitKind::None;
    limits_.Set(limits, state_.Bankroll, platform_.ClockSeconds());
    // Every limit turned off while play stood still: the board takes numbers again.
    if (was_stopped && limits_.Stopped() == LimitKind::None) AllEnabled();
}

void Game::CheckLimitClock() {
    // A run under way ends with its proposal first; the next look stops it.
    if (!limits_.On() || limits_.Stopped() != LimitKind::None || ProgressRunUnderWay()) return;
    const LimitKind due = limits_.ClockReached(platform_.ClockSeconds());
    if (due == LimitKind::None) return;
    // The replay meets the stop at this place whatever its own clock says.
    const ActionScope action(*this, [due] { return "limit-stop " + std::string(LimitName(due)); });
    StopForLimit(due);
}

void Game::GoOnPastLimit() {
    if (limits_.Stopped() == LimitKind::None) return;
    const ActionScope action(*this, [] { return std::string("limit-go-on"); });
    limits_.GoOn(state_.Bankroll, platform_.ClockSeconds());
    AllEnabled();
}

void Game::LimitsAfterSpin(bool spun) {
    if (spun) limits_.NoteSpin();
    // The spin's proposal is on the table once its run has ended.
    if (ProgressRunUnderWay()) return;
    const double stake = AnyChipVisible() ? state_.Bet_Size : 0.0;
    const LimitKind reached = limits_.PlayReached(state_.Bankroll + stake);
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
