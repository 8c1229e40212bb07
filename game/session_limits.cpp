#include "game/session_limits.h"

#include <array>

namespace rotacle {

namespace {
constexpr std::array<std::string_view, 7> kNames = {
    "", "loss", "profit", "time", "spins", "reality-check", "stake-above-bankroll"};
}

std::string_view LimitName(LimitKind kind) { return kNames[static_cast<std::size_t>(kind)]; }

std::optional<LimitKind> LimitByName(std::string_view name) {
    for (std::size_t i = 1; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<LimitKind>(i);
    return std::nullopt;
}

void SessionLimits::Set(const LimitSettings& settings, double held, std::int64_t now_s) {
    const bool was_on = on_;
    settings_ = settings;
    on_ = settings.Any();
    if (on_ && !was_on) Start(held, now_s);
    // With every limit off nothing is left to stop play.
    if (!on_) stopped_ = LimitKind::None;
}

void SessionLimits::Start(double held, std::int64_t now_s) {
    stopped_ = LimitKind::None;
    start_bankroll_ = held;
    start_s_ = now_s;
    spins_ = 0;
    loss_from_ = profit_from_ = 0;
    spins_from_ = 0;
    time_from_s_ = reality_from_s_ = now_s;
}

void SessionLimits::Resume(std::int64_t played_s, std::int64_t now_s) {
    // Every origin of time moves by the same step: what each limit had
    // counted when the session was cut off, it has counted now.
    const std::int64_t step = (now_s - start_s_) - played_s;
    start_s_ += step;
    time_from_s_ += step;
    reality_from_s_ += step;
}

LimitKind SessionLimits::PlayReached(double held, double stake) const {
    if (!on_ || stopped_ != LimitKind::None) return LimitKind::None;
    const double net = Net(held);
    if (settings_.loss > 0 && net - loss_from_ <= -settings_.loss) return LimitKind::Loss;
    if (settings_.profit > 0 && net - profit_from_ >= settings_.profit) return LimitKind::Profit;
    if (settings_.spins > 0 && spins_ - spins_from_ >= settings_.spins) return LimitKind::Spins;
    if (settings_.stake_above_bankroll && stake > held) return LimitKind::StakeAboveBankroll;
    return LimitKind::None;
}

LimitKind SessionLimits::ClockReached(std::int64_t now_s) const {
    if (!on_ || stopped_ != LimitKind::None) return LimitKind::None;
    if (settings_.time_minutes > 0 && now_s - time_from_s_ >= std::int64_t{settings_.time_minutes} * 60)
        return LimitKind::Time;
    if (settings_.reality_minutes > 0 &&
        now_s - reality_from_s_ >= std::int64_t{settings_.reality_minutes} * 60)
        return LimitKind::RealityCheck;
    return LimitKind::None;
}

void SessionLimits::GoOn(double held, std::int64_t now_s) {
    switch (stopped_) {
        case LimitKind::Loss: loss_from_ = Net(held); break;
        case LimitKind::Profit: profit_from_ = Net(held); break;
        case LimitKind::Spins: spins_from_ = spins_; break;
        case LimitKind::Time: time_from_s_ = now_s; break;
        case LimitKind::RealityCheck: reality_from_s_ = now_s; break;
        case LimitKind::StakeAboveBankroll:  // the next stake is looked at as it comes
        case LimitKind::None: break;
    }
    stopped_ = LimitKind::None;
}

}  // namespace rotacle
