// The journal's side of the game: each action of the player as one line of
// text, and the replay of such lines.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <utility>

#include "game/action_scope.h"
#include "game/game.h"
#include "game/timer_runs.h"

namespace rotacle {

namespace journal_text {

namespace {
constexpr char kHex[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

std::string Word(std::string_view text) {
    std::string word = "=";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c > 0x20 && c < 0x7F && c != '%' && c != '~' && c != '=') {
            word += ch;
        } else {
            word += '%';
            word += kHex[c >> 4];
            word += kHex[c & 15];
        }
    }
    return word;
}

std::optional<std::string> Text(std::string_view word) {
    if (word.empty() || word.front() != '=') return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (word[i] != '%') {
            text += word[i];
            continue;
        }
        const int hi = i + 2 < word.size() ? HexValue(word[i + 1]) : -1;
        const int lo = i + 2 < word.size() ? HexValue(word[i + 2]) : -1;
        if (hi < 0 || lo < 0) return std::nullopt;
        text += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return text;
}

}  // namespace journal_text

namespace {

// The words of an action line, split at single spaces.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        words.push_back(line.substr(0, space));
        if (space == std::string_view::npos) break;
        line.remove_prefix(space + 1);
    }
    return words;
}

// A line that is no action: the replay stops there.
struct NotAnAction {};
// A line that the session could not have played where it stands: the replay
// stops there too.
struct NotPlayable {};

[[noreturn]] void NoAction(std::string_view) { throw NotAnAction{}; }

std::string TextOf(std::string_view word, std::string_view line) {
    std::optional<std::string> text = journal_text::Text(word);
    if (!text) NoAction(line);
    return std::move(*text);
}

std::int32_t Number(std::string_view word, std::string_view line) {
    std::int32_t value = 0;
    if (!TryStrToInt(word, value)) NoAction(line);
    return value;
}

template <class Id>
Id Named(std::optional<Id> id, std::string_view line) {
    if (!id) NoAction(line);
    return *id;
}

}  // namespace

void GameJournal::SetPlayListener(PlayListener* listener) {
    play_ = listener;
    happenings_ = play_ && play_->TakesHappenings();
    if (!play_) return;
    PlayEvent start;
    start.history = game_.board_.NumbersList();
    NotePlay(PlayEventKind::Start, start);
}

void GameJournal::NotePlay(PlayEventKind kind, PlayEvent event) noexcept {
    noted_bankroll_ = game_.state_.Bankroll;
    NoteHappening(kind, event);
}

void GameJournal::NoteHappening(PlayEventKind kind, PlayEvent event) noexcept {
    event.kind = kind;
    event.bankroll = game_.state_.Bankroll;
    // While a spin is settled the chips still show the bet being settled,
    // whose stake has left the table.
    event.open_stake = game_.AnyChipVisible() && !game_.settling_ ? game_.state_.Bet_Size : 0.0;
    play_->OnPlay(event);
}

void GameJournal::NoteBankroll(PlayEventKind kind) noexcept {
    // Compared bit for bit: a bankroll that is no number is no move either.
    if (play_ && std::memcmp(&game_.state_.Bankroll, &noted_bankroll_, sizeof noted_bankroll_) != 0)
        NotePlay(kind);
}

void GameJournal::NoteRun(PlayEventKind kind, TimerId id) noexcept {
    PlayEvent run;
    for (std::size_t k = 0; k < kModeTimers.size(); ++k)
        if (kModeTimers[k] == id) run.mode = static_cast<int>(k) + 1;
    NoteHappening(kind, run);
}

bool GameJournal::JournaledTick(TimerId id) {
    // A tick is no action of the player: what it runs is not journaled,
    // except the end of a progress run, which a replay must meet at the same
    // place among the player's actions.
    const bool run_going = IsModeTimer(id) && game_.TimerControl(id).Enabled;
    struct Nested {
        int& depth;
        explicit Nested(int& d) : depth(d) { ++depth; }
        ~Nested() { --depth; }
    } nested(depth_);
    // The display refresh also holds the money to cents and resets bets that
    // fell below the initial bet; when it changed the game that way, the
    // journal meets it at this place too.
    // Also a tick that fails has changed what it changed before its error.
    const bool refresh = id == TimerId::ShowValues;
    std::optional<GameState> before;
    if (refresh) before = game_.state_;
    const auto journal_tick = [&] {
        if (refresh && !(game_.state_ == *before)) WriteAction("refresh");
        if (run_going && !game_.TimerControl(id).Enabled) WriteAction("run-end");
    };
    bool changed = true;
    try {
        changed = RunTimer(id);
    } catch (...) {
        journal_tick();
        throw;
    }
    journal_tick();
    return changed;
}

bool GameJournal::RunTimer(TimerId id) {
    if (!play_) return game_.RunHandler(id);
    const GameScope play(game_);
    return game_.RunHandler(id);
}

std::int32_t GameJournal::Draw(std::int32_t range) {
    if (!sink_ && !Replaying()) return game_.platform_.Random(range);
    return draws_.Next(game_.platform_, range, sink_ != nullptr);
}

std::int32_t GameJournal::DrawSeeded(std::int32_t range) {
    if (!Replaying() && !unseeded_)
        game_.platform_.RandSeed(static_cast<std::uint32_t>(game_.platform_.ClockSeconds()));
    return Draw(range);
}

void GameJournal::WriteAction(std::string action) noexcept {
    if (!sink_) return;
    try {
        draws_.TakeNoted(action);
        sink_->Record(action);
    } catch (...) {
        // Out of memory while making the line: the journal misses one action,
        // which the resume reports as a damaged journal; the game goes on.
    }
}

void Game::ForceGameMode(std::int32_t mode) {
    const ActionScope action(*this, [&] { return "mode " + IntToStr(mode); });
    state_.Game_Mode = mode;
}

void Game::LoadAdaptiveList(std::size_t k, Memo list) {
    const ActionScope action(*this, [&] {
        std::string line = "list " + IntToStr(static_cast<std::int64_t>(k));
        for (const std::string& l : list) line += " " + journal_text::Word(l);
        return line;
    });
    if (k < 3) modes_.SetList(k, std::move(list));
}

void GameJournal::NoteWaiting(int n) {
    const ActionScope action(game_, [&] { return "wait " + IntToStr(n); });
}

void GameJournal::NoteWithdrawn() {
    const ActionScope action(game_, [] { return std::string("unwait"); });
}

void GameJournal::FinishProgressRuns() {
    const bool unseeded = std::exchange(unseeded_, true);
    RunTimersToEnd(game_, 100000);
    unseeded_ = unseeded;
}

bool GameJournal::ReplayAction(std::string_view line) {
    // Draws that the journal does not hold (a run cut short by the end of
    // the session) go on with the generator: seeded anew from the clock, each
    // tick of this instant would draw the same step, 0 perhaps, for ever.
    struct Unseeded {
        bool& flag;
        bool was;
        explicit Unseeded(bool& f) : flag(f), was(std::exchange(f, true)) {}
        ~Unseeded() { flag = was; }
    } unseeded(unseeded_);
    replay_stop_ = ReplayStop::None;
    try {
        ReplayOne(line);
    } catch (const NotAnAction&) {
        replay_stop_ = ReplayStop::NoAction;
        return false;
    } catch (const NotPlayable&) {
        replay_stop_ = ReplayStop::PlayStopped;
        return false;
    } catch (const EngineError&) {
        // The action failed as it did when it ran, when the player saw the
        // message; the state it left is the same.
    }
    return true;
}

void GameJournal::Silently(TimerId id) {
    // Each tick is an event of its own: its error ends only that tick.
    try {
        RunTimer(id);
    } catch (const EngineError&) {
    }
}

void GameJournal::ReplayOne(std::string_view line) {
    // The draws that the action made when it ran come back in the same order.
    if (const std::size_t tilde = line.find(" ~"); tilde != std::string_view::npos) {
        draws_.BeginReplayLine();
        for (const std::string_view d : Words(line.substr(tilde + 2)))
            if (!d.empty()) draws_.GiveBack(Number(d, line));
        line = line.substr(0, tilde);
    }
    const std::vector<std::string_view> w = Words(line);
    if (w.empty()) NoAction(line);
    const std::string_view verb = w[0];
    const auto arg = [&](std::size_t i) -> std::string_view {
        if (i >= w.size()) NoAction(line);
        return w[i];
    };
    // An action line holds its words and no more, each in the range the
    // program gives it: what the driver refuses is no action.
    const auto words = [&](std::size_t n) {
        if (w.size() != n) NoAction(line);
    };
    const auto in_range = [&](std::string_view word, std::int32_t low, std::int32_t high) {
        const std::int32_t value = Number(word, line);
        if (value < low || value > high) NoAction(line);
        return value;
    };
    const auto rest_texts = [&](std::size_t from) {
        Memo texts;
        for (std::size_t i = from; i < w.size(); ++i) texts.push_back(TextOf(w[i], line));
        return texts;
    };

    if (verb == "run-end") {
        words(1);
        // The run's ticks before its last one only fill the gauge; the
        // refreshes that changed the game between them are records of their own.
        for (const TimerId id : kModeTimers)
            for (int ticks = 0; game_.TimerControl(id).Enabled && ticks < 100000; ++ticks) Silently(id);
        return;
    }
    if (verb == "refresh") {
        words(1);
        Silently(TimerId::ShowValues);
        return;
    }
    if (verb == "wait") {
        words(2);
        replayed_waiting_.push_back(in_range(arg(1), 0, 36));
        return;
    }
    if (verb == "unwait") {
        words(1);
        if (!replayed_waiting_.empty()) replayed_waiting_.pop_back();
        return;
    }
    if (verb == "spin") {
        words(2);
        const std::int32_t n = in_range(arg(1), 0, 36);
        // A waiting number is entered from the front of the line; those
        // before it were dropped as their cells could not be clicked.
        const auto waited = std::find(replayed_waiting_.begin(), replayed_waiting_.end(), n);
        if (waited != replayed_waiting_.end()) replayed_waiting_.erase(replayed_waiting_.begin(), waited + 1);
        // Play that stood still at a limit took no number: a journal that
        // holds one there was not written by this session's rules, and what
        // follows it would be another game.
        if (game_.limits_.Stopped() != LimitKind::None) throw NotPlayable{};
        const auto i = static_cast<std::size_t>(n);
        // Only a shown cell takes the click.
        if (game_.board_.Image()[i].Visible || (game_.window_ && game_.window_->CellHoverShown(n)))
            game_.EnterNumber(n);
        return;
    }
    if (verb == "create-matrix" || verb == "reset-matrix") {
        words(1);
        // The matrix buttons wait for the end of a progress run.
        if (game_.ProgressRunUnderWay()) return;
        if (verb == "create-matrix")
            game_.CreateMatrix();
        else
            game_.ResetMatrix();
        return;
    }
    if (verb == "undo" || verb == "skip" || verb == "reset-bets" || verb == "reset-app") words(1);
    if (verb == "undo")
        game_.UndoSpin();
    else if (verb == "skip")
        game_.SkipBet();
    else if (verb == "reset-bets") {
        if (game_.inputs_.ResetBets_Button.Enabled) game_.ResetBets();
    } else if (verb == "reset-app") {
        replayed_waiting_.clear();
        game_.ResetApp();
    } else if (verb == "edit") {
        words(3);
        game_.SetEditText(Named(EditByName(arg(1)), line), TextOf(arg(2), line));
    } else if (verb == "spin-text") {
        words(3);
        game_.SetSpinText(Named(SpinByName(arg(1)), line), TextOf(arg(2), line));
    } else if (verb == "spin-value") {
        words(3);
        game_.SetSpinValue(Named(SpinByName(arg(1)), line), Number(arg(2), line));
    } else if (verb == "check") {
        words(3);
        game_.SetChecked(Named(CheckByName(arg(1)), line), in_range(arg(2), 0, 1) == 1);
    } else if (verb == "item") {
        words(3);
        game_.SetItemIndex(Named(ComboByName(arg(1)), line), Number(arg(2), line));
    } else if (verb == "select") {
        words(3);
        game_.SelectItem(Named(ComboByName(arg(1)), line), Number(arg(2), line));
    } else if (verb == "safe-level") {
        words(2);
        game_.SetSafeLevelPosition(Number(arg(1), line));
    } else if (verb == "key-edit") {
        words(3);
        game_.TypeKey(Named(EditByName(arg(1)), line), static_cast<char>(in_range(arg(2), 0, 255)));
    } else if (verb == "key-spin") {
        words(3);
        game_.TypeKey(Named(SpinByName(arg(1)), line), static_cast<char>(in_range(arg(2), 0, 255)));
    } else if (verb == "trend") {
        words(2);
        game_.ChooseTrend(in_range(arg(1), 0, 5));
    } else if (verb == "untrend") {
        words(2);
        game_.ClearTrend(in_range(arg(1), 0, 5));
    } else if (verb == "zero-rule") {
        words(2);
        if (arg(1) != "none" && arg(1) != "partage") NoAction(line);
        game_.SetZeroRule(arg(1) == "partage" ? ZeroRule::Partage : ZeroRule::None);
    } else if (verb == "limits") {
        if (w.size() != 7) words(6);
        LimitSettings limits;
        if (w.size() == 7) limits.stake_above_bankroll = in_range(arg(6), 1, 1) == 1;
        if (!TryStrToFloat(arg(1), limits.loss) || !TryStrToFloat(arg(2), limits.profit) ||
            !(limits.loss >= 0) || !(limits.profit >= 0) || limits.loss > kMaxAmount ||
            limits.profit > kMaxAmount)
            NoAction(line);
        limits.time_minutes = in_range(arg(3), 0, kMaxLimit);
        limits.spins = in_range(arg(4), 0, kMaxLimit);
        limits.reality_minutes = in_range(arg(5), 0, kMaxLimit);
        game_.SetLimits(limits);
    } else if (verb == "limit-stop") {
        words(2);
        const auto kind = LimitByName(arg(1));
        if (!kind || (*kind != LimitKind::Time && *kind != LimitKind::RealityCheck)) NoAction(line);
        if (game_.limits_.On() && game_.limits_.Stopped() == LimitKind::None) game_.StopForLimit(*kind);
    } else if (verb == "limit-go-on") {
        words(1);
        game_.GoOnPastLimit();
    } else if (verb == "played") {
        words(2);
        const std::int32_t played = in_range(arg(1), 0, std::numeric_limits<std::int32_t>::max());
        if (game_.limits_.On()) game_.limits_.Resume(played, game_.platform_.ClockSeconds());
        game_.played_noted_ = played;
    } else if (verb == "settings")
        game_.LoadSettingsLines(rest_texts(1));
    else if (verb == "mode") {
        words(2);
        game_.ForceGameMode(in_range(arg(1), 1, 5));
    } else if (verb == "list")
        game_.LoadAdaptiveList(static_cast<std::size_t>(in_range(arg(1), 0, 2)), rest_texts(2));
    else if (verb == "import") {
        std::vector<std::uint8_t> numbers;
        numbers.reserve(w.size());
        for (std::size_t i = 1; i < w.size(); ++i) {
            const std::int32_t n = Number(w[i], line);
            if (n < 0 || n > 36) NoAction(line);
            numbers.push_back(static_cast<std::uint8_t>(n));
        }
        game_.ImportNumbers(numbers);
    } else {
        NoAction(line);
    }
}

}  // namespace rotacle
