#include "engine/journal_summary.h"

#include "engine/engine.h"

namespace rotacle {

namespace {

// The platform of the quiet replay: no clock, no messages, no dialogs; the
// generator only for draws that the journal does not hold.
class ScratchPlatform : public Platform {
public:
    std::int64_t ClockSeconds() override { return 0; }
    void RandSeed(std::uint32_t seed) override { rng_.Seed(seed); }
    std::int32_t Random(std::int32_t range) override { return rng_.Next(range); }
    void ShowMessage(const std::string&) override {}
    std::optional<std::string> OpenFileDialog(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> SaveFileDialog(const FileDialogSpec&) override { return std::nullopt; }
    std::string ClipboardText() override { return {}; }
    std::string ProgramFolder() override { return {}; }

private:
    LcgRandom rng_;
};

}  // namespace

JournalSummary SummarizeJournal(const std::vector<std::string>& actions) {
    ScratchPlatform scratch;
    Engine e(scratch);
    JournalSummary s;
    for (const std::string& action : actions) {
        if (!e.ReplayAction(action)) break;
        ++s.replayed;
    }
    e.FinishProgressRuns();
    e.Event([&] { e.TimerTick(TimerId::ShowValues); });
    s.numbers = e.Board().NumbersList().size();
    s.bankroll = e.State().Bankroll;
    s.waiting = e.ReplayedWaiting();
    return s;
}

}  // namespace rotacle
