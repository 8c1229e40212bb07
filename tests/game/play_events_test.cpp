// The play events that move no money (proposals, imports, progress runs,
// settings loads), as a game without a window hands them to its listener:
// where they come in the order of play and what they carry.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/game.h"
#include "support/fake_platform.h"

namespace rotacle::test {
namespace {

// Writes each event as a word: the happenings with what they carry, and the
// money and number events by their kind, so that the order shows.
class Recorder : public PlayListener {
public:
    explicit Recorder(bool happenings) : happenings_(happenings) {}
    bool TakesHappenings() const noexcept override { return happenings_; }
    void OnPlay(const PlayEvent& e) noexcept override {
        switch (e.kind) {
            case PlayEventKind::Start: break;
            case PlayEventKind::Spin: words += "spin "; break;
            case PlayEventKind::Settled: words += "settled "; break;
            case PlayEventKind::Staked:
                words += "staked" + std::to_string(e.field) + " ";
                staked_stake = e.stake;
                break;
            case PlayEventKind::GameMoved:
            case PlayEventKind::PlayerMoved: words += "moved "; break;
            case PlayEventKind::TakenBack: words += "back "; break;
            case PlayEventKind::NewHistory: words += "history "; break;
            case PlayEventKind::ProposalShown:
                words += "proposal" + std::to_string(e.field) + " ";
                proposal_stake = e.stake;
                break;
            case PlayEventKind::Imported: words += "imported" + std::to_string(e.count) + " "; break;
            case PlayEventKind::RunStarted: words += "run" + std::to_string(e.mode) + " "; break;
            case PlayEventKind::RunEnded: words += "end" + std::to_string(e.mode) + " "; break;
            case PlayEventKind::SettingsLoaded: words += "settings "; break;
        }
    }
    std::string words;
    double proposal_stake = -1;
    double staked_stake = -2;

private:
    bool happenings_;
};

// Enters n and runs the progress run it starts to its end.
void Play(Game& g, int n) {
    g.Event([&] { g.EnterNumber(n); });
    for (const TimerId id : kModeTimers)
        for (int ticks = 0; g.TimerControl(id).Enabled && ticks < 10000; ++ticks)
            g.Event([&] { g.TimerTick(id); });
}

TEST(GamePlayEvents, HappeningsComeInTheOrderOfPlay) {
    struct Row {
        const char* name;
        std::function<void(Game&)> arrange;  // before the listener is attached
        std::function<void(Game&)> act;
        std::string words;
        bool happenings = true;  // the listener takes the events that move no money
    } rows[] = {
        {"spin before the history is long enough", [](Game&) {}, [](Game& g) { Play(g, 5); }, "spin "},
        {"fifth spin proposes and stakes",
         [](Game& g) {
             for (const int n : {5, 17, 32, 1}) Play(g, n);
         },
         [](Game& g) { Play(g, 2); }, "spin run2 proposal4 staked4 end2 "},
        {"import", [](Game&) {},
         [](Game& g) {
             g.ImportNumbers({1, 2, 3});
         },
         "imported3 history "},
        {"settings load", [](Game&) {},
         [](Game& g) {
             Memo lines;
             for (std::size_t i = 0; i < 31; ++i) lines.emplace_back(g.Settings().Line(i));
             g.LoadSettingsLines(lines);
         },
         "settings "},
        {"new game during a run",
         [](Game& g) {
             for (const int n : {5, 17, 32, 1}) Play(g, n);
             g.EnterNumber(2);
         },
         [](Game& g) { g.Event([&] { g.ResetApp(); }); }, "end2 history "},
        {"a listener of money and numbers only",
         [](Game& g) {
             for (const int n : {5, 17, 32, 1}) Play(g, n);
         },
         [](Game& g) {
             Play(g, 2);
             g.ImportNumbers({7});
         },
         "spin staked4 history ", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePlatform platform;
        Game g(platform);
        r.arrange(g);
        Recorder events(r.happenings);
        g.SetPlayListener(&events);
        r.act(g);
        g.SetPlayListener(nullptr);
        EXPECT_EQ(events.words, r.words);
        if (r.happenings && events.words.find("staked") != std::string::npos) {
            EXPECT_EQ(events.proposal_stake, events.staked_stake);
        }
    }
}

}  // namespace
}  // namespace rotacle::test
