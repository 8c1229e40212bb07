// The five game modes: their starts, progress runs and calculators.
#include <algorithm>
#include <array>
#include <cstddef>

#include "core/convert.h"
#include "modes/game_mode.h"

namespace rotacle {

namespace {

// The range of the draw added to a drawn run step.
constexpr std::int32_t kRunDrawRange = 8;

// The common start of modes 1, 2, 4 and 5 up to their run: the board locked,
// the entered number marked, the previous proposal settled (when `settle`)
// and hidden. A settlement error is reported by `EndStart` once the run has
// started, so the spin still goes on to its next proposal.
std::exception_ptr BeginStart(ModeContext& game, bool settle) {
    game.AllDisabled();
    game.NumberPressed();
    std::exception_ptr error;
    if (settle) error = game.SettleProposal();
    game.HideBets();
    return error;
}

void EndStart(ModeContext& game, TimerId run, const std::exception_ptr& error) {
    game.StartRun(run);
    if (error) std::rethrow_exception(error);
}

bool WarmedUp(const GameState& s) { return s.Spins_Count >= s.Warmup_Spins; }

// Modes 1 and 4: a drawn field, or the last one again after a win when
// `CatRows` is checked.
void ProposeDrawnField(ModeContext& game) {
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
void DrawnTick(const GameMode& mode, ModeContext& game, std::int32_t step) {
    if (!game.AdvanceRunGauge(step)) {
        game.State().Engine_Ready = 0;
        return;
    }
    game.State().Engine_Ready = 1;
    mode.Calculate(game);
    game.EndProgressRun(mode.RunTimer());
}

// Mode 1: a drawn field.
class RandomMode final : public GameMode {
public:
    constexpr RandomMode() : GameMode(1) {}
    RunStep Step() const override { return {0, true}; }
    bool StartsOn(const GameState& s) const override { return WarmedUp(s); }
    void Start(ModeContext& game) const override { EndStart(game, RunTimer(), BeginStart(game, true)); }
    void Tick(ModeContext& game) const override { DrawnTick(*this, game, TickStep(game)); }
    void Calculate(ModeContext& game) const override { ProposeDrawnField(game); }
};

// Mode 2: the deep scan's number and family choose the field.
class SmartMode final : public GameMode {
public:
    constexpr SmartMode() : GameMode(2) {}
    RunStep Step() const override { return {2, true}; }
    bool StartsOn(const GameState& s) const override { return WarmedUp(s); }
    void Start(ModeContext& game) const override { EndStart(game, RunTimer(), BeginStart(game, true)); }
    void Tick(ModeContext& game) const override { DrawnTick(*this, game, TickStep(game)); }
    void Calculate(ModeContext& game) const override {
        game.AllEnabled();
        const GameState& s = game.State();
        Propose(game, SmartField(s.DeepScan_Number, s.DeepScan_Family));
        ProposalTail(game);
    }
};

// Mode 3: the next step of the best rank-order pattern of the matrix.
class MatrixMode final : public GameMode {
public:
    constexpr MatrixMode() : GameMode(3) {}
    RunStep Step() const override { return {10, false}; }
    bool StartsOn(const GameState& s) const override { return WarmedUp(s) && s.Matrix_Pending == 0; }

    void Start(ModeContext& game) const override {
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
        game.StartRun(RunTimer());
        if (error) std::rethrow_exception(error);
    }

    void Tick(ModeContext& game) const override {
        if (!game.AdvanceRunGauge(TickStep(game))) return;
        Calculate(game);
        game.Trend_Check();
        game.State().Engine_Ready = 1;
        game.EndProgressRun(RunTimer());
    }

    void Calculate(ModeContext& game) const override {
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

// Mode 4: the drawn field of mode 1 after a run of a drawn interval.
class IntervalMode final : public GameMode {
public:
    constexpr IntervalMode() : GameMode(4) {}
    RunStep Step() const override { return {1, false}; }
    bool StartsOn(const GameState& s) const override { return WarmedUp(s); }
    void Start(ModeContext& game) const override {
        const std::exception_ptr error = BeginStart(game, true);
        // The interval draw continues the sequence of the last seeded draw.
        std::int32_t interval = game.Draw(100);
        if (interval == 0) interval = 50;
        game.SetRunInterval(RunTimer(), interval);
        EndStart(game, RunTimer(), error);
    }
    void Tick(ModeContext& game) const override {
        if (!game.AdvanceRunGauge(TickStep(game))) return;
        Calculate(game);
        game.EndProgressRun(RunTimer());
    }
    void Calculate(ModeContext& game) const override { ProposeDrawnField(game); }
};

// Mode 5: the row of the candidate list that scored best. It runs from the
// first spin on, as the lists score during the warm-up.
class AdaptiveMode final : public GameMode {
public:
    constexpr AdaptiveMode() : GameMode(5) {}
    RunStep Step() const override { return {8, false}; }
    bool StartsOn(const GameState&) const override { return true; }
    // It settles only once a candidate list has been chosen.
    void Start(ModeContext& game) const override {
        EndStart(game, RunTimer(), BeginStart(game, game.State().Adaptive_Defined == 1));
    }
    void Tick(ModeContext& game) const override {
        if (!game.AdvanceRunGauge(TickStep(game))) return;
        AnalyseAdaptiveLists(game);
        game.AllEnabled();
        game.EndProgressRun(RunTimer());
    }
    void Calculate(ModeContext& game) const override {
        GameState& s = game.State();
        const std::size_t k = static_cast<std::size_t>(std::clamp(s.Adaptive_Choice, 1, 3) - 1);
        const Memo& list = game.Lists().AdaptiveList()[k];
        std::int32_t index = -1;
        if (s.Adaptive_Row >= 0 && static_cast<std::size_t>(s.Adaptive_Row) < list.size())
            if (!TryStrToInt(list[static_cast<std::size_t>(s.Adaptive_Row)], index)) index = -1;
        if (index >= 0 && index <= 5)
            Propose(game, index + 1);
        else
            s.Bet_Field = -1;  // a missing or unreadable line proposes nothing
        ++s.Adaptive_Row;
        ProposalTail(game);
    }
};

constinit const RandomMode kMode1;
constinit const SmartMode kMode2;
constinit const MatrixMode kMode3;
constinit const IntervalMode kMode4;
constinit const AdaptiveMode kMode5;

constexpr std::array<const GameMode*, 5> kModes = {&kMode1, &kMode2, &kMode3, &kMode4, &kMode5};

}  // namespace

std::int32_t GameMode::TickStep(ModeContext& game) const {
    const RunStep step = Step();
    return step.drawn ? step.base + game.DrawSeeded(kRunDrawRange) : step.base;
}

const GameMode* FindGameMode(std::int32_t number) {
    if (number < 1 || number > static_cast<std::int32_t>(kModes.size())) return nullptr;
    return kModes[static_cast<std::size_t>(number - 1)];
}

const GameMode& GameModeOf(TimerId id) {
    return *kModes[static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(TimerId::Mode1Timer))];
}

void Propose(ModeContext& game, std::int32_t k) {
    GameState& s = game.State();
    s.Bet_Field = k;
    if (k >= 1 && k <= 6 && s.Miss_Streak >= game.Inputs().SafeLevel.Position) game.ShowField(k - 1);
}

void ProposalTail(ModeContext& game) {
    game.Trend_Check();
    game.Balance_Check();
    if (game.AnyChipVisible()) ++game.State().Bets_Played;
}

void AnalyseAdaptiveLists(ModeContext& game) {
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
    if (s.Adaptive_Row >= game.Inputs().N_Count.Value()) DefineAdaptiveList(game);
}

void DefineAdaptiveList(ModeContext& game) {
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
    if (s.Adaptive_Defined == 1) kMode5.Calculate(game);
}

}  // namespace rotacle
