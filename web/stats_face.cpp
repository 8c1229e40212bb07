#include "web/stats_face.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/convert.h"
#include "core/game_state.h"
#include "tools/stats.h"

namespace rotacle::web {

using Json = nlohmann::ordered_json;

namespace {

constexpr double kChanceOdds = 18.0 / 37.0;
constexpr double kNumberOdds = 1.0 / 37.0;

std::string Fixed(double value, int decimals) { return FixedToStr(value, decimals); }

std::string Cents(double value) {
    const double cents = RoundToCents(value);
    return FloatToStr(cents == 0 ? 0.0 : cents);
}

void AppendHitRow(std::string& out, std::string_view name, const HitFigures& f, std::int64_t spins,
                  double odds) {
    out += name;
    out += ',' + std::to_string(f.hits);
    out += ',' + Fixed(static_cast<double>(spins) * odds, 4);
    out += ',';
    if (spins > 0) out += Fixed(static_cast<double>(f.hits) / static_cast<double>(spins), 6);
    out += ',' + Fixed(odds, 6);
    out += ',' + std::to_string(f.absence);
    out += ',' + std::to_string(f.longest_absence);
    out += '\n';
}

std::string TablesCsv(const HitCounter& hits) {
    std::string out = "item,hits,expected_hits,share,expected_share,absence,longest_absence\n";
    for (std::size_t i = 0; i < 6; ++i)
        AppendHitRow(out, kFieldNames[i], hits.Chances()[i], hits.Spins(), kChanceOdds);
    for (std::size_t n = 0; n < 37; ++n)
        AppendHitRow(out, std::to_string(n), hits.Numbers()[n], hits.Spins(), kNumberOdds);
    return out;
}

constexpr std::array<std::string_view, 7> kBetNames = {"", "Less", "Even", "Red", "Black", "Odd", "More"};

const char* ResultName(SpinResult r) {
    return r == SpinResult::Won ? "won" : r == SpinResult::Lost ? "lost" : "";
}

std::string SpinsCsv(const SpinLog& log) {
    std::string out = "spin,number,bet,stake,result,bankroll\n";
    for (std::size_t i = 0; i < log.Size(); ++i) {
        const SpinRow r = log.Row(i);
        const bool bet = r.result != SpinResult::None;
        out += std::to_string(r.spin) + ',' + std::to_string(r.number) + ',';
        out += kBetNames[static_cast<std::size_t>(r.field)];
        out += ',' + (bet ? Cents(r.stake) : std::string()) + ',' + ResultName(r.result) + ',' +
               (r.played ? Cents(r.bankroll) : std::string()) + '\n';
    }
    return out;
}

// Money as the window writes it, to the cent, with its sign when asked.
std::string Money(double value, bool sign) {
    const std::string text = Cents(value);
    return sign && RoundToCents(value) > 0 ? '+' + text : text;
}

const char* BetName(PointBet b) { return b == PointBet::Won ? "won" : b == PointBet::Lost ? "lost" : ""; }

}  // namespace

Json StatsJson(const SessionStats& stats, const Json& ask) {
    Json j = sim::SessionStatsJson(stats);
    const SessionSummary s = stats.Summary();
    j["edge"] = s.EdgeRule() == SessionSummary::Edge::Plain     ? "plain"
                : s.EdgeRule() == SessionSummary::Edge::Partage ? "partage"
                                                                : "mixed";
    j["startBankroll"] = stats.StartBankroll();
    j["shown"] = Json{{"totalStaked", Money(s.total_staked, false)},
                      {"net", Money(s.net_result, true)},
                      {"expected", Money(-s.expected_loss, true)},
                      {"netSign", RoundToCents(s.net_result) > 0   ? 1
                                  : RoundToCents(s.net_result) < 0 ? -1
                                                                   : 0}};

    const BankrollSeries& chart = stats.Chart();
    const auto& points = chart.Points();
    std::size_t from = 0;
    // The newest point the page drew may have moved since (it follows the
    // bankroll until the next spin): it comes again with the new ones.
    if (ask.contains("chart") && ask["chart"].at(0).get<std::uint64_t>() == chart.Revision())
        from = std::min(ask["chart"].at(1).get<std::size_t>(), points.size());
    if (from > 0) --from;
    Json list = Json::array();
    for (std::size_t i = from; i < points.size(); ++i)
        list.push_back(Json{points[i].spin, points[i].bankroll, BetName(points[i].bet)});
    j["chart"] = Json{{"revision", chart.Revision()}, {"from", from}, {"points", std::move(list)}};

    const SpinLog& log = stats.Spins();
    Json rows = Json::array();
    if (ask.contains("rows")) {
        const std::size_t start = std::min(ask["rows"].at(0).get<std::size_t>(), log.Size());
        const std::size_t end =
            std::min(log.Size(), start + std::min<std::size_t>(ask["rows"].at(1).get<std::size_t>(), 1000));
        for (std::size_t i = start; i < end; ++i) {
            const SpinRow r = log.Row(i);
            const bool bet = r.result != SpinResult::None;
            rows.push_back(Json{r.spin, r.number, kBetNames[static_cast<std::size_t>(r.field)],
                                bet ? Cents(r.stake) : "", ResultName(r.result),
                                r.played ? Cents(r.bankroll) : ""});
        }
    }
    j["spinLog"] = Json{{"revision", log.Revision()}, {"size", log.Size()}, {"rows", std::move(rows)}};
    if (ask.value("csv", "") == "tables") j["csv"] = TablesCsv(stats.Hits());
    if (ask.value("csv", "") == "spins") j["csv"] = SpinsCsv(log);
    return j;
}

Json RiskSetupJson(const Engine& e) {
    std::string settings;
    for (const std::string& line : e.Settings().Settings_Data()) settings += line + '\n';
    const double bankroll = e.State().Bankroll + (e.AnyChipVisible() ? e.State().Bet_Size : 0.0);
    return Json{{"settings", settings},
                {"bankroll", FloatToStr(bankroll)},
                {"partage", e.ZeroRuleInForce() == ZeroRule::Partage}};
}

}  // namespace rotacle::web
