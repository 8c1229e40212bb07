#include "web/face.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/convert.h"
#include "core/text_file.h"
#include "display/geometry.h"
#include "engine/scheduler.h"
#include "import/page_text.h"
#include "risk/risk.h"
#include "settings/staking_presets.h"
#include "tools/stats.h"
#include "web/stats_face.h"

namespace rotacle::web {

using Json = nlohmann::ordered_json;

namespace {

const char* KindName(PlayEventKind k) {
    switch (k) {
        case PlayEventKind::Start: return "start";
        case PlayEventKind::Spin: return "spin";
        case PlayEventKind::Settled: return "settled";
        case PlayEventKind::Staked: return "staked";
        case PlayEventKind::GameMoved: return "game-moved";
        case PlayEventKind::PlayerMoved: return "player-moved";
        case PlayEventKind::TakenBack: return "taken-back";
        case PlayEventKind::NewHistory: return "new-history";
        case PlayEventKind::ProposalShown: return "proposal";
        case PlayEventKind::Imported: return "imported";
        case PlayEventKind::RunStarted: return "run-started";
        case PlayEventKind::RunEnded: return "run-ended";
        case PlayEventKind::SettingsLoaded: return "settings-loaded";
    }
    return "";
}

Json Visibles(const auto& pictures) {
    Json a = Json::array();
    for (const auto& p : pictures) a.push_back(p.Visible);
    return a;
}

Json LabelJson(const Label& l) {
    return Json{{"text", l.Caption}, {"shown", l.Visible}, {"colour", l.Colour}};
}

Json GaugeJson(const Gauge& g) { return Json{g.Position, g.MaxValue}; }

// A message as values: the English pattern of its kind (the page's key to
// the translation), the values that fill it and the message inside it.
Json MessageJson(const Message& m) {
    Json j{{"pattern", EnglishPattern(m.kind)}, {"args", m.args}};
    if (m.cause) j["cause"] = MessageJson(*m.cause);
    return j;
}

}  // namespace

/// Hands the play events to the statistics and keeps them for the page.
class Face::Listener : public PlayListener {
public:
    explicit Listener(SessionStats& stats) : stats_(stats) {}
    void OnPlay(const PlayEvent& e) noexcept override {
        stats_.OnPlay(e);
        try {
            Json j{{"kind", KindName(e.kind)}, {"bankroll", e.bankroll}};
            if (e.kind == PlayEventKind::Spin) j["number"] = e.number;
            if (e.kind == PlayEventKind::Settled || e.kind == PlayEventKind::Staked ||
                e.kind == PlayEventKind::ProposalShown) {
                j["field"] = e.field;
                j["stake"] = e.stake;
            }
            if (e.kind == PlayEventKind::Settled) {
                j["won"] = e.won;
                j["returned"] = e.returned;
                j["partage"] = e.partage;
            }
            if (e.kind == PlayEventKind::Imported) j["count"] = e.count;
            if (e.kind == PlayEventKind::RunStarted || e.kind == PlayEventKind::RunEnded) j["mode"] = e.mode;
            events.push_back(std::move(j));
        } catch (...) {
            // An event the page does not hear is no loss to the game.
        }
    }
    Json events = Json::array();

private:
    SessionStats& stats_;
};

/// Keeps the journal's records of a request for the page, which stores them
/// before it sends the next one.
class Face::Recorder : public ActionSink {
public:
    void Record(std::string_view action) noexcept override {
        try {
            records.emplace_back(action);
        } catch (...) {
        }
    }
    std::vector<std::string> records;
};

Face::Face()
    : session_("/", false),
      listener_(std::make_unique<Listener>(stats_)),
      recorder_(std::make_unique<Recorder>()) {
    session_.Platform().clock_ms = &now_ms_;
    // The statistics window lists every spin.
    stats_.KeepSpins(true);
    session_.Engine().SetPlayListener(listener_.get());
    session_.Engine().SetJournal(recorder_.get());
    SetPageLayout([](const std::string&, void* face) { return static_cast<Face*>(face)->page_text_; }, this);
}

Face::~Face() {
    SetPageLayout(nullptr, nullptr);
    session_.Engine().SetJournal(nullptr);
    session_.Engine().SetPlayListener(nullptr);
}

std::string Face::Call(std::string_view request) {
    Json answer;
    rotacle::Engine& e = session_.Engine();
    SpeedPlay& speed = session_.Speed();
    sim::SimPlatform& platform = session_.Platform();
    platform.error.reset();
    platform.error_message.reset();
    bool ok = true;
    try {
        const Json req = Json::parse(request);
        if (req.contains("now")) now_ms_ = req["now"].get<std::int64_t>();
        if (req.contains("do")) {
            const std::string line = "nowait " + req["do"].get<std::string>();
            session_.RunLine(line, 1);
            answer["output"] = session_.TakeOutput();
        } else if (req.contains("window")) {
            const std::string w = req["window"].get<std::string>();
            const auto run = [&](auto&& op) {
                ok = e.Event(op);
                speed.EnterWaiting(e);
            };
            if (w == "settings-open")
                run([&] { e.Image_Settings2Click(); });
            else if (w == "settings-close")
                run([&] { e.Image_Settings3Click(); });
            else if (w == "import-open")
                run([&] { e.Image_Import2Click(); });
            else if (w == "paste-page")
                run([&] { e.Image_PasteFromEvolution2Click(); });
            else if (w == "load-file") {
                platform.dialog_answer = req.at("path").get<std::string>();
                run([&] { e.Image_LoadFromFile2Click(); });
                platform.dialog_answer.reset();
            } else if (w == "finish-runs") {
                // A resumed session's unfinished run ends at once, journaled.
                e.FinishProgressRuns();
                ok = e.Event([&] { e.TimerTick(TimerId::ShowValues); });
            } else if (w == "limit-clock") {
                // The limits of time, looked at every second while one is set.
                if (e.Limits().On() && e.Limits().Stopped() == LimitKind::None)
                    run([&] { e.CheckLimitClock(); });
            } else if (w == "stats")
                answer["stats"] = StatsJson(stats_, req);
            else if (w == "risk-setup")
                answer["risk"] = RiskSetupJson(e);
            else
                throw std::invalid_argument("unknown window event '" + w + "'");
        } else if (req.contains("key")) {
            // The keys of play at speed, as the window takes them.
            const std::string k = req["key"].get<std::string>();
            if (k.size() == 1 && k[0] >= '0' && k[0] <= '9')
                speed.Digit(k[0]);
            else if (k == "Backspace")
                speed.Backspace();
            else if (k == "Enter")
                speed.Commit(e);
            else if (k == "Escape") {
                // The typed digits first, then the import panel, then the settings area.
                if (speed.Clear() == SpeedPlay::Outcome::Ignored) {
                    if (e.Panel().Panel_Import().Visible)
                        ok = e.Event([&] { e.Image_ClosePanel2Click(); });
                    else if (e.Chrome().ClientHeight() > geometry::kClosedHeight)
                        ok = e.Event([&] { e.Image_Settings3Click(); });
                }
            } else
                throw std::invalid_argument("unknown key '" + k + "'");
            speed.EnterWaiting(e);
        } else if (req.contains("staking")) {
            // The staking dialog: a preset's first stakes on a game of their
            // own, and the preset written over the settings as a loaded file is.
            const Json& st = req["staking"];
            const auto preset = StakingPresetByName(st.at("preset").get<std::string>());
            if (!preset) throw std::invalid_argument("unknown staking preset");
            if (st.value("apply", false)) {
                const Memo record = WithStakingPreset(*preset, e.Settings().Settings_Data());
                ok = e.Event([&] { e.LoadSettingsLines(record); });
            }
            const Memo record = WithStakingPreset(*preset, e.Settings().Settings_Data());
            const double bankroll = e.State().Bankroll > 0 ? e.State().Bankroll : 1000.0;
            Json preview;
            try {
                for (const auto& [name, outcomes] :
                     {std::pair{"lose", "LLLLLL"}, {"win", "WWWWWW"}, {"mixed", "LLLWWW"}})
                    preview[name] = risk::PreviewStakes(record, bankroll, outcomes);
            } catch (const std::exception& x) {
                preview = Json{{"error", x.what()}};
            }
            answer["staking"] = std::move(preview);
        } else if (req.contains("tick")) {
            const int id = req["tick"].get<int>();
            if (id < 0 || id >= kTimerCount) throw std::invalid_argument("no such timer");
            // A tick the page queued before its timer stopped is none: a
            // stopped timer does not fire (a run ended by the tick before
            // would start again half-way and leave the board locked).
            if (e.TimerControl(static_cast<TimerId>(id)).Enabled) {
                Scheduler::Tick(e, static_cast<TimerId>(id), speed.Quick());
                speed.EnterWaiting(e);
            }
        } else if (req.contains("replay")) {
            const auto actions = req["replay"].get<std::vector<std::string>>();
            // The records of a replay are in the journal already.
            e.SetJournal(nullptr);
            answer["replayed"] = session_.Replay(actions);
            answer["playStopped"] = e.LastReplayStop() == GameJournal::ReplayStop::PlayStopped;
            e.SetJournal(recorder_.get());
        } else if (req.contains("page")) {
            // The page as the browser laid it out; the clipboard holds its markup.
            platform.clipboard = req["page"].at("html").get<std::string>();
            page_text_ = req["page"].at("text").get<std::string>();
        } else if (req.contains("file")) {
            WriteTextAtomic(req["file"].at("path").get<std::string>(),
                            req["file"].at("data").get<std::string>());
        } else if (req.contains("read")) {
            answer["data"] = ReadFileText(req["read"].get<std::string>());
        }
    } catch (const std::exception& x) {
        answer["error"] = x.what();
        ok = false;
    }
    answer["ok"] = ok && !platform.error;
    if (platform.error) answer["message"] = *platform.error;
    if (platform.error && platform.error_message)
        answer["messageValues"] = MessageJson(*platform.error_message);
    platform.error.reset();
    platform.error_message.reset();
    answer["records"] = std::exchange(recorder_->records, {});
    answer["play"] = std::exchange(listener_->events, Json::array());
    Json timers = Json::array();
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& t = e.TimerControl(static_cast<TimerId>(i));
        timers.push_back(Json{t.Enabled, t.Interval});
    }
    answer["timers"] = std::move(timers);
    Json view = Json::parse(ViewJson(e, speed, stats_));
    view["limit"]["seconds"] = e.Limits().SecondsPlayed(platform.ClockSeconds());
    answer["view"] = std::move(view);
    // Focus requests are one-shot: the next one for the same control moves the focus again.
    if (!e.Chrome().Focus().empty()) answer["focus"] = e.TakeFocusRequest();
    return answer.dump();
}

std::string ViewJson(const Engine& e, const SpeedPlay& speed, const SessionStats& stats) {
    Json v;
    v["cells"] = Visibles(e.Board().Image());
    v["cellsLit"] = Visibles(e.Chrome().Image_Act());
    Json strip = Json::array();
    for (const Label& l : e.Board().HisNum()) strip.push_back(LabelJson(l));
    v["strip"] = std::move(strip);
    v["history"] = e.Board().NumbersList().size();
    v["trendNormal"] = Visibles(e.Modes().Trend_0());
    v["trendChosen"] = Visibles(e.Modes().Trend_2());
    v["fields"] = Visibles(e.Table().FieldHighlight());
    v["chips"] = Visibles(e.Table().Chip());
    Json stakes = Json::array();
    for (const Label& l : e.Table().BetSizeShow()) stakes.push_back(LabelJson(l));
    v["stakes"] = std::move(stakes);
    v["skipCovered"] = e.Table().Image_SkipBet3().Visible;
    v["undoActive"] = speed.UndoActive(e);
    v["settingsCovered"] = e.Chrome().Image_Settings3().Visible;
    v["lamps"] = Json{e.Display().SL_Indicator1().Visible, e.Display().SL_Indicator2().Visible};
    v["gauge1"] = GaugeJson(e.Display().CGauge1());
    v["gauge3"] = GaugeJson(e.Display().CGauge3());
    v["bankroll"] = LabelJson(e.Display().Label_Bankroll());
    v["bankCaption"] = LabelJson(e.Display().Label9());
    v["betsPlayed"] = e.Display().Label_BetsPlayed().Caption;
    v["flatIndex"] = e.Display().Label_FlatIndex().Caption;
    v["numbersInGame"] = e.Display().Label_NumbersInGame().Caption;
    v["safeLevelText"] = e.Display().Label4().Caption;
    const double net = RoundToCents(stats.Summary().net_result);
    v["net"] = net > 0 ? "+" + FloatToStr(net) : FloatToStr(net == 0 ? 0.0 : net);
    v["netSign"] = net > 0 ? 1 : net < 0 ? -1 : 0;
    v["stake"] = FloatToStr(e.State().Bet_Size);
    v["keys"] = Json{{"typed", speed.Typed()},
                     {"refused", speed.Refused()},
                     {"waiting", Json(std::vector<int>(speed.Waiting().begin(), speed.Waiting().end()))},
                     {"quick", speed.Quick()}};

    const ImportPanel& p = e.Panel();
    v["panel"] =
        Json{{"open", p.Panel_Import().Visible},
             {"pasteCovered", p.Image_PasteFromEvolution3().Visible},
             {"loadCovered", p.Image_LoadFromFile3().Visible},
             {"progress", GaugeJson(p.ProgressBar2())},
             {"process", Json{{"text", p.Button_Process().Caption}, {"enabled", p.Button_Process().Enabled}}},
             {"listed", p.Import_List().size()}};

    Json edits = Json::object();
    for (const EditId id :
         {EditId::Init_Bet, EditId::Test_Bank, EditId::Losses_ActionValue, EditId::Wins_ActionValue}) {
        const Edit& c = e.EditControl(id);
        edits[std::string(NameOf(id))] =
            Json{{"text", c.Text}, {"enabled", c.Enabled}, {"readOnly", c.ReadOnly}};
    }
    v["edits"] = std::move(edits);
    Json spins = Json::object();
    for (const SpinId id : {SpinId::N_Count, SpinId::Play_Bets, SpinId::Until_Profit,
                            SpinId::Phase_Correction_Value, SpinId::Losses_HowMuch, SpinId::Wins_HowMuch}) {
        const SpinEdit& c = e.SpinControl(id);
        spins[std::string(NameOf(id))] = Json{{"text", c.Text()},
                                              {"enabled", c.Enabled},
                                              {"readOnly", c.ReadOnly},
                                              {"min", c.MinValue},
                                              {"max", c.MaxValue}};
    }
    v["spins"] = std::move(spins);
    Json checks = Json::object();
    for (const CheckId id :
         {CheckId::ChBx_TestBank, CheckId::Get_Minimal_Profit, CheckId::Bet_Automatic_Reset,
          CheckId::ChBx_Phase_Correction, CheckId::ChBx_Until_Profit, CheckId::ChBx_Fixed_Number,
          CheckId::ShowBetSize, CheckId::CatRows}) {
        const CheckBox& c = e.CheckControl(id);
        checks[std::string(NameOf(id))] = Json{{"checked", c.Checked}, {"enabled", c.Enabled}};
    }
    v["checks"] = std::move(checks);
    Json combos = Json::object();
    for (const ComboId id :
         {ComboId::GameModes, ComboId::BetStrategy, ComboId::Losses_Type, ComboId::Losses_Action,
          ComboId::Wins_Type, ComboId::Wins_Action, ComboId::Search_Pattern}) {
        const ComboBox& c = e.ComboControl(id);
        combos[std::string(NameOf(id))] = Json{{"items", c.Items},
                                               {"index", c.ItemIndex},
                                               {"enabled", c.Enabled},
                                               {"colour", c.Colour},
                                               {"fontColour", c.FontColour}};
    }
    v["combos"] = std::move(combos);
    const Inputs& in = e.Inputs();
    v["safeLevel"] = Json{in.SafeLevel.Position, in.SafeLevel.Min, in.SafeLevel.Max};
    v["buttons"] = Json{{"ResetBets", in.ResetBets_Button.Enabled},
                        {"ResetApp", in.ResetApp_Button.Enabled},
                        {"CreateMatrix", in.CreateMatrix_Button.Enabled},
                        {"ResetMatrix", in.ResetMatrix_Button.Enabled}};

    const SessionLimits& l = e.Limits();
    const LimitSettings& ls = l.Settings();
    v["options"] = Json{{"partage", e.ZeroRuleInForce() == ZeroRule::Partage},
                        {"limitLoss", ls.loss},
                        {"limitProfit", ls.profit},
                        {"limitTime", ls.time_minutes},
                        {"limitSpins", ls.spins},
                        {"realityCheck", ls.reality_minutes},
                        {"stakeAboveBankroll", ls.stake_above_bankroll}};
    const LimitKind stopped = l.Stopped();
    v["limit"] = Json{{"stopped", stopped == LimitKind::None ? "" : std::string(LimitName(stopped))},
                      {"on", l.On()},
                      {"spins", l.Spins()},
                      {"net", RoundToCents(l.Net(e.MoneyHeld()))}};
    v["window"] = Json{{"width", e.Chrome().ClientWidth()},
                       {"height", e.Chrome().ClientHeight()},
                       {"focus", e.Chrome().Focus()},
                       {"closeRequested", e.Chrome().CloseRequested()}};
    v["progressRun"] = e.ProgressRunUnderWay();
    return v.dump();
}

}  // namespace rotacle::web
