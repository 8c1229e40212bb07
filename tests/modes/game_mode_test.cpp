// The five game modes through their table, on a game that writes down what
// the modes ask of it: the start, the progress run and the calculator of each.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>

#include "modes/game_modes.h"

namespace rotacle::test {
namespace {

int ModeOfTimer(TimerId id) { return static_cast<int>(id) - static_cast<int>(TimerId::Mode1Timer) + 1; }

class LoggingGame {
public:
    GameState state;
    ModeLists lists;
    CheckBox cat_rows;
    SpinEdit play_bets;
    SpinEdit n_count;
    TrackBar safe_level;
    std::string log;
    int gauge = 0;
    int seeded = 3;            // every seeded draw
    std::deque<int> draws{0};  // the unseeded draws, in turn
    bool chip = false;
    bool settle_fails = false;

    GameState& State() { return state; }
    ModeLists& Lists() { return lists; }
    ModeInputs Inputs() const { return {cat_rows, play_bets, n_count, safe_level}; }
    void AllEnabled() { Note("unlock"); }
    void AllDisabled() { Note("lock"); }
    void NumberPressed() { Note("press"); }
    void HideBets() {
        Note("hide");
        chip = false;
    }
    void ShowField(int index) {
        Note("show" + std::to_string(index));
        chip = true;
    }
    std::exception_ptr SettleProposal() {
        Note("settle");
        return settle_fails ? std::make_exception_ptr(std::runtime_error("rules")) : nullptr;
    }
    void CreateMatrix() { Note("matrix"); }
    void Trend_Check() { Note("trend"); }
    void Balance_Check() { Note("book"); }
    bool AnyChipVisible() const { return chip; }
    void ShowBetsPlayed() { Note("count"); }
    int CurrentNumber() const { return 7; }
    void SetNCount(std::int32_t value) { Note("ncount" + std::to_string(value)); }
    void StartRun(TimerId id) { Note("run" + std::to_string(ModeOfTimer(id))); }
    void SetRunInterval(TimerId, std::int32_t ms) { Note("interval" + std::to_string(ms)); }
    bool AdvanceRunGauge(std::int32_t step) {
        gauge = std::clamp(gauge + step, 0, 100);
        return gauge >= 100;
    }
    void EndProgressRun(TimerId id) {
        Note("end" + std::to_string(ModeOfTimer(id)));
        gauge = 0;
    }
    std::int32_t Draw(std::int32_t) {
        Note("draw");
        const int d = draws.front();
        draws.pop_front();
        return d;
    }
    std::int32_t DrawSeeded(std::int32_t) { return seeded; }

    void Note(const std::string& word) {
        if (!log.empty()) log += ' ';
        log += word;
    }
    std::string TakeLog() { return std::exchange(log, {}); }
};

using Modes = GameModes<LoggingGame>;

struct ModeRow {
    int number;
    bool starts_in_warm_up;
    bool starts_with_matrix_pending;
    const char* start;
    int ready_in_run;  // Engine_Ready after the first tick
    int ticks;         // until the gauge is full
    const char* run_end;
    int bet_field;
};

std::ostream& operator<<(std::ostream& os, const ModeRow& r) { return os << "mode " << r.number; }

class ModeTable : public ::testing::TestWithParam<ModeRow> {};

TEST_P(ModeTable, StartRunAndCalculatorInOrder) {
    const ModeRow r = GetParam();
    const GameMode<LoggingGame>* mode = Modes::Find(r.number);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->Number(), r.number);
    EXPECT_EQ(&Modes::Of(mode->RunTimer()), mode);
    EXPECT_EQ(mode->RunTimer(), kModeTimers[static_cast<std::size_t>(r.number - 1)]);

    LoggingGame game;
    game.state.Spins_Count = 4;
    EXPECT_EQ(mode->StartsOn(game.state), r.starts_in_warm_up);
    game.state.Spins_Count = 5;
    game.state.Matrix_Pending = 1;
    EXPECT_EQ(mode->StartsOn(game.state), r.starts_with_matrix_pending);
    game.state.Matrix_Pending = 0;
    EXPECT_TRUE(mode->StartsOn(game.state));

    // Mode 2 proposes Red from the deep scan, modes 1 and 4 the drawn Black,
    // mode 3 Less from its best pattern; mode 5 has no list chosen yet.
    game.state.DeepScan_Number = 21;
    game.play_bets.SetNumber(10);
    game.n_count.SetNumber(1);
    game.lists.SetBest("1-2-3-4-5-6 | MaxWins: 2");
    game.state.Pattern_Position = 1;
    mode->Start(game);
    EXPECT_EQ(game.TakeLog(), r.start);
    EXPECT_EQ(game.state.Engine_Ready, r.number == 3 ? 0 : 1);

    int ticks = 0;
    while (game.log.empty() && ticks < 200) {
        mode->Tick(game);
        if (++ticks == 1) {
            EXPECT_EQ(game.state.Engine_Ready, r.ready_in_run);
        }
    }
    EXPECT_EQ(ticks, r.ticks);
    EXPECT_EQ(game.TakeLog(), r.run_end);
    EXPECT_EQ(game.gauge, 0);
    EXPECT_EQ(game.state.Engine_Ready, 1);
    EXPECT_EQ(game.state.Bet_Field, r.bet_field);
    EXPECT_EQ(game.state.Bets_Played, r.bet_field > 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Five, ModeTable,
    ::testing::Values(
        // Steps 0 + 3, 2 + 3, 10, 1 and 8; mode 4's interval draw of 0 runs at 50 ms.
        ModeRow{1, false, true, "lock press settle hide run1", 0, 34, "unlock show3 trend book end1", 4},
        ModeRow{2, false, true, "lock press settle hide run2", 0, 20, "unlock show2 trend book end2", 3},
        ModeRow{3, false, false, "lock press settle lock press hide run3", 0, 10,
                "unlock show0 trend book count trend end3", 1},
        ModeRow{4, false, true, "lock press settle hide draw interval50 run4", 1, 100,
                "unlock show3 trend book end4", 4},
        // A tie of the lists' scores widens the window instead of choosing.
        ModeRow{5, true, true, "lock press hide run5", 1, 13, "ncount2 unlock end5", -1}));

TEST(ModeBranches, NoModeOutsideOneToFive) {
    EXPECT_EQ(Modes::Find(0), nullptr);
    EXPECT_EQ(Modes::Find(6), nullptr);
}

TEST(ModeBranches, OtherBranchesOfTheStarts) {
    LoggingGame game;
    game.play_bets.SetNumber(2);
    game.state.Matrix_Bets_Played = 2;
    Modes::kMatrix.Start(game);
    EXPECT_EQ(game.TakeLog(), "settle matrix") << "the matrix is built again instead of a run";
    EXPECT_EQ(game.state.Matrix_Bets_Played, 0);

    game.state.Adaptive_Defined = 1;
    Modes::kAdaptive.Start(game);
    EXPECT_EQ(game.TakeLog(), "lock press settle hide run5") << "a chosen list settles";

    // A failed settlement is reported once the run has started.
    game.settle_fails = true;
    EXPECT_THROW(Modes::kSmart.Start(game), std::runtime_error);
    EXPECT_EQ(game.TakeLog(), "lock press settle hide run2");
}

TEST(ModeBranches, CatRowsRepeatsTheLastFieldAfterAWin) {
    LoggingGame game;
    game.cat_rows.Checked = true;
    game.state.Bet_Field = 2;
    Modes::kRandom.Calculate(game);
    EXPECT_EQ(game.state.Bet_Field, 4) << "no win yet: drawn";
    game.state.Wins_Count = 1;
    game.state.Bet_Field = 2;
    for (const GameMode<LoggingGame>* mode : {Modes::Find(1), Modes::Find(4)}) {
        mode->Calculate(game);
        EXPECT_EQ(game.state.Bet_Field, 2) << "mode " << mode->Number();
    }
}

}  // namespace
}  // namespace rotacle::test
