#include "risk/risk.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "core/convert.h"
#include "core/game_state.h"
#include "core/ids.h"
#include "core/platform.h"
#include "engine/engine.h"
#include "engine/scheduler.h"
#include "engine/speed_play.h"
#include "settings/staking_presets.h"

namespace rotacle::risk {

namespace {

// The services a session's game takes: the scheduler's virtual clock, the
// program's generator, and the first message of an event kept for the
// caller. There are no dialogs, no clipboard and no program folder.
class SessionPlatform : public Platform {
public:
    std::int64_t ClockSeconds() override { return clock_ms ? *clock_ms / 1000 : 0; }
    void RandSeed(std::uint32_t seed) override { rng.Seed(seed); }
    std::int32_t Random(std::int32_t range) override { return rng.Next(range); }
    void ShowMessage(const std::string& text) override {
        if (!message) message = text;
    }
    std::optional<std::string> OpenFileDialog(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> SaveFileDialog(const FileDialogSpec&) override { return std::nullopt; }
    std::string ClipboardText() override { return {}; }
    std::string ProgramFolder() override { return {}; }
    std::string AppDataFolder() override { return {}; }

    const std::int64_t* clock_ms = nullptr;
    LcgRandom rng;
    std::optional<std::string> message;
};

// One game with its clock, set up as the run asks.
class Table {
public:
    explicit Table(const RiskSetup& s) : engine_(platform_), scheduler_(engine_, speed_) {
        platform_.clock_ms = &scheduler_.Clock();
        if (!s.settings_lines.empty()) Load(s.settings_lines, "settings");
        for (const ControlValue& c : s.controls) {
            ApplyControl(engine_, platform_.message, c);
            scheduler_.Touched();
        }
        if (s.system != System::Settings)
            Load(SystemLines(s.system, engine_.Settings().Settings_Data()), SystemName(s.system));
        engine_.ForceGameMode(2);
        engine_.SetZeroRule(s.zero_rule);
        Run("bankroll", [&] { engine_.SetEditText(EditId::Test_Bank, FloatToStr(s.bankroll)); });
        Timers();
    }

    Engine& Game() { return engine_; }

    void Spin(int n) {
        if (speed_.Click(engine_, n) == SpeedPlay::Outcome::Entered) scheduler_.Touched();
        Timers();
    }

private:
    template <class Op>
    void Run(std::string_view what, Op&& op) {
        platform_.message.reset();
        engine_.Event(op);
        scheduler_.Touched();
        if (platform_.message) throw InputError(std::string(what) + ": " + *platform_.message);
    }
    void Load(std::vector<std::string> lines, std::string_view what) {
        Run(what, [&] { engine_.LoadSettingsLines(std::move(lines)); });
    }
    void Timers() {
        try {
            scheduler_.RunTimers();
        } catch (const EndlessRun& e) {
            throw InputError(e.what());
        }
    }

    SessionPlatform platform_;
    Engine engine_;
    SpeedPlay speed_;
    Scheduler scheduler_;
};

// An amount as its CSV text gives it back, so that figures computed from
// outcomes in memory and from rows read back agree to the last bit.
double Cents(double v) { return StrToFloat(FixedToStr(v, 2)); }

std::uint64_t Mix(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

namespace {

// The names of a choice's values, and back.
template <class T>
using Names = std::span<const std::pair<T, std::string_view>>;
constexpr std::array<std::pair<System, std::string_view>, 3> kSystems = {
    {{System::Settings, "settings"}, {System::Flat, "flat"}, {System::Martingale, "martingale"}}};
constexpr std::array<std::pair<ZeroRule, std::string_view>, 2> kZeroRules = {
    {{ZeroRule::None, "none"}, {ZeroRule::Partage, "partage"}}};
constexpr std::array<std::pair<SessionEnd, std::string_view>, 3> kEnds = {
    {{SessionEnd::Target, "target"}, {SessionEnd::Ruin, "ruin"}, {SessionEnd::Open, "open"}}};

template <class T>
std::string_view NameOf(Names<T> names, T value) {
    for (const auto& [v, name] : names)
        if (v == value) return name;
    return names.front().second;
}

template <class T>
std::optional<T> ByName(Names<T> names, std::string_view name) {
    for (const auto& [v, text] : names)
        if (text == name) return v;
    return std::nullopt;
}

}  // namespace

std::string_view SystemName(System system) { return NameOf<System>(kSystems, system); }
std::optional<System> SystemByName(std::string_view name) { return ByName<System>(kSystems, name); }
std::string_view ZeroRuleName(ZeroRule rule) { return NameOf<ZeroRule>(kZeroRules, rule); }
std::optional<ZeroRule> ZeroRuleByName(std::string_view name) { return ByName<ZeroRule>(kZeroRules, name); }
std::string_view SessionEndName(SessionEnd end) { return NameOf<SessionEnd>(kEnds, end); }
std::optional<SessionEnd> SessionEndByName(std::string_view name) { return ByName<SessionEnd>(kEnds, name); }

std::vector<std::string> SystemLines(System system, std::vector<std::string> lines) {
    switch (system) {
        case System::Settings: break;
        case System::Flat: return WithStakingPreset(StakingPreset::Flat, std::move(lines));
        case System::Martingale: return WithStakingPreset(StakingPreset::Martingale, std::move(lines));
    }
    return lines;
}

std::uint64_t SessionSeed(std::uint64_t seed, std::int64_t index) {
    return Mix(Mix(seed) ^ static_cast<std::uint64_t>(index));
}

int Wheel::Next() {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    constexpr std::uint64_t kLimit = kMax - kMax % 37;  // a multiple of 37
    std::uint64_t x = gen_();
    while (x >= kLimit) x = gen_();
    return static_cast<int>(x % 37);
}

std::array<std::int64_t, kCheckpoints> CheckpointSpins(std::int64_t spins_max) {
    constexpr auto n = static_cast<std::int64_t>(kCheckpoints);
    const std::int64_t whole = spins_max / n, rest = spins_max % n;
    std::array<std::int64_t, kCheckpoints> at{};
    for (std::int64_t k = 1; k <= n; ++k)
        at[static_cast<std::size_t>(k - 1)] = whole * k + (rest * k + n - 1) / n;
    return at;
}

void CheckSetup(const RiskSetup& s) {
    const auto amount = [](double v, const char* what) {
        if (!std::isfinite(v) || v <= 0 || v > kMaxAmount)
            throw InputError(std::string(what) + ": must be a positive amount");
    };
    amount(s.bankroll, "--bankroll");
    amount(s.target, "--target");
    if (s.spins_max < 1) throw InputError("--spins-max: must be at least 1");
    Table probe(s);
    const std::string& bet = probe.Game().EditControl(EditId::Init_Bet).Text;
    double stake = 0;
    if (TryStrToFloat(bet, stake) && !(RoundToCents(stake) > 0))
        throw InputError("Init_Bet: '" + QuoteText(bet) +
                         "' is a stake of 0: no money moves, so no session could end before its spin limit");
}

SessionOutcome PlaySession(const RiskSetup& s, std::int64_t index, std::atomic<std::int64_t>* spins) {
    Table table(s);
    Engine& e = table.Game();
    Wheel wheel(SessionSeed(s.seed, index));
    SessionOutcome o;
    o.index = index;
    const auto at = CheckpointSpins(s.spins_max);
    std::size_t next = 0;
    double peak = s.bankroll, result = 0;
    std::int64_t losing = 0;
    // The spins go to the shared count in steps, so that threads do not
    // contend for it at every spin.
    constexpr std::int64_t kStep = 4096;
    std::int64_t counted = 0;
    while (o.spins < s.spins_max) {
        table.Spin(wheel.Next());
        ++o.spins;
        if (spins && o.spins - counted == kStep) {
            spins->fetch_add(kStep, std::memory_order_relaxed);
            counted = o.spins;
        }
        const PlayReport& r = e.Report();
        if (r.Settled && r.Placed) {
            o.staked += r.Stake;
            o.largest_stake = std::max(o.largest_stake, r.Stake);
            losing = r.Won ? 0 : losing + 1;
            o.longest_losing_run = std::max(o.longest_losing_run, losing);
        }
        const bool chip = e.AnyChipVisible();
        const double bankroll = e.State().Bankroll, stake = chip ? e.State().Bet_Size : 0.0;
        const double held = bankroll + stake;
        result = RoundToCents(held - s.bankroll);
        peak = std::max(peak, held);
        o.drawdown = std::max(o.drawdown, peak - held);
        while (next < kCheckpoints && at[next] == o.spins) o.path[next++] = result;
        if (result >= s.target) {
            o.end = SessionEnd::Target;
            break;
        }
        // The stake shown has left the bankroll already: below zero, the
        // money held could not cover it.
        if (chip && RoundToCents(bankroll) < 0) {
            o.end = SessionEnd::Ruin;
            break;
        }
        o.largest_stake = std::max(o.largest_stake, stake);
    }
    if (spins) spins->fetch_add(o.spins - counted, std::memory_order_relaxed);
    while (next < kCheckpoints) o.path[next++] = result;
    o.result = Cents(result);
    o.staked = Cents(o.staked);
    o.drawdown = Cents(o.drawdown);
    o.largest_stake = Cents(o.largest_stake);
    for (double& v : o.path) v = Cents(v);
    return o;
}

void PlaySessions(const RiskSetup& s, std::int64_t first, std::int64_t count, int jobs,
                  const std::function<void(const SessionOutcome&)>& sink,
                  const std::function<void(const RunProgress&)>& progress, const std::atomic<bool>* cancel) {
    count = std::max<std::int64_t>(count, 0);
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    jobs = static_cast<int>(
        std::clamp<std::int64_t>(jobs > 0 ? jobs : cores, 1, std::max<std::int64_t>(count, 1)));
    // Outcomes wait in a ring until the ones before them have gone to the
    // sink: a worker takes a session only when its place in the ring is
    // free. The caller takes every outcome that is ready at once, every few
    // milliseconds or when the ring fills, so that threads wake once for
    // many sessions.
    const std::int64_t window = 4096 * static_cast<std::int64_t>(jobs);
    std::vector<std::optional<SessionOutcome>> ring(static_cast<std::size_t>(window));
    std::atomic<std::int64_t> spins{0};
    std::mutex mutex;
    std::condition_variable ready, room;
    std::optional<std::string> failure;
    std::int64_t next_take = 0, next_give = 0;
    bool stop = false;
    const auto stopped = [&] { return stop || (cancel && cancel->load(std::memory_order_relaxed)); };
    const auto worker = [&] {
        for (;;) {
            std::int64_t i = 0;
            {
                std::unique_lock lock(mutex);
                room.wait(lock,
                          [&] { return stopped() || next_take >= count || next_take < next_give + window; });
                if (stopped() || next_take >= count) break;
                i = next_take++;
            }
            try {
                SessionOutcome o = PlaySession(s, first + i, &spins);
                std::lock_guard lock(mutex);
                ring[static_cast<std::size_t>(i % window)] = std::move(o);
                if (i - next_give >= window / 2 || i + 1 == count) ready.notify_all();
            } catch (const std::exception& e) {
                std::lock_guard lock(mutex);
                if (!failure) failure = e.what();
                stop = true;
                ready.notify_all();
                room.notify_all();
            }
        }
        std::lock_guard lock(mutex);
        ready.notify_all();
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < jobs; ++t) {
        try {
            threads.emplace_back(worker);
        } catch (const std::system_error&) {
            break;  // fewer threads do the same work
        }
    }
    const auto report = [&] {
        if (progress) progress({next_give, spins.load(std::memory_order_relaxed)});
    };
    std::optional<std::string> sink_failure;
    try {
        std::vector<SessionOutcome> batch;
        auto last_report = std::chrono::steady_clock::now();
        while (next_give < count) {
            batch.clear();
            if (threads.empty()) {
                // No thread could be started: this one plays.
                if (cancel && cancel->load(std::memory_order_relaxed)) break;
                batch.push_back(PlaySession(s, first + next_give, &spins));
            } else {
                std::unique_lock lock(mutex);
                const auto slot = [&](std::int64_t i) -> auto& {
                    return ring[static_cast<std::size_t>(i % window)];
                };
                while (!slot(next_give) && !failure && !stopped()) {
                    ready.wait_for(lock, std::chrono::milliseconds(20));
                    if (const auto now = std::chrono::steady_clock::now();
                        now - last_report > std::chrono::milliseconds(100)) {
                        lock.unlock();
                        report();
                        last_report = now;
                        lock.lock();
                    }
                }
                // After a cancel the sessions played in order still go on.
                for (std::int64_t i = next_give; i < count && slot(i); ++i) {
                    batch.push_back(std::move(*slot(i)));
                    slot(i).reset();
                }
                if (batch.empty()) break;
            }
            for (const SessionOutcome& o : batch) sink(o);
            {
                std::lock_guard lock(mutex);
                next_give += static_cast<std::int64_t>(batch.size());
            }
            room.notify_all();
            if (const auto now = std::chrono::steady_clock::now();
                now - last_report > std::chrono::milliseconds(100)) {
                report();
                last_report = now;
            }
        }
    } catch (const std::exception& e) {
        sink_failure = e.what();
    }
    {
        std::lock_guard lock(mutex);
        stop = true;
    }
    room.notify_all();
    for (auto& t : threads) t.join();
    if (failure) throw InputError(*failure);
    if (sink_failure) throw InputError(*sink_failure);
    report();
}

std::vector<SessionOutcome> RunSessions(const RiskSetup& s, std::int64_t first, std::int64_t count, int jobs,
                                        const std::function<void(std::int64_t)>& progress,
                                        const std::atomic<bool>* cancel) {
    std::vector<SessionOutcome> out;
    PlaySessions(
        s, first, count, jobs, [&](const SessionOutcome& o) { out.push_back(o); },
        [&](const RunProgress& p) {
            if (progress) progress(p.sessions);
        },
        cancel);
    return out;
}

std::vector<double> PreviewStakes(const std::vector<std::string>& lines, double bankroll,
                                  std::string_view outcomes) {
    RiskSetup s;
    s.settings_lines = lines;
    s.controls.push_back({"SafeLevel", "0"});
    s.bankroll = bankroll;
    Table table(s);
    Engine& e = table.Game();
    // Any numbers: the game proposes from the fifth spin on.
    for (int n : {5, 17, 32, 1, 2}) table.Spin(n);
    std::vector<double> stakes;
    // A spin without a placed bet (none is expected at safety level 0) is
    // answered all the same; the bound keeps a game that never bets finite.
    const std::size_t most = 4 * outcomes.size() + 20;
    for (std::size_t spins = 0; stakes.size() < outcomes.size() && spins < most; ++spins) {
        std::int32_t field = e.State().Bet_Field;
        const auto& chips = e.Table().Chip();
        for (std::size_t i = 0; i < chips.size(); ++i)
            if (chips[i].Visible) field = static_cast<std::int32_t>(i) + 1;
        const bool win = outcomes[stakes.size()] == 'W';
        if (e.AnyChipVisible()) stakes.push_back(e.State().Bet_Size);
        int answer = 1;
        for (int n = 1; n <= 36; ++n)
            if (field >= 1 && FieldWins(field, n) == win) {
                answer = n;
                break;
            }
        table.Spin(answer);
    }
    return stakes;
}

}  // namespace rotacle::risk
