#include "tools/stats.h"

#include <filesystem>
#include <iomanip>
#include <stdexcept>

#include "core/convert.h"
#include "core/game_state.h"
#include "tools/backtest.h"

namespace rotacle::sim {

namespace {

nlohmann::ordered_json FiguresJson(const HitFigures& f) {
    nlohmann::ordered_json j;
    j["hits"] = f.hits;
    j["absence"] = f.absence;
    j["longest_absence"] = f.longest_absence;
    return j;
}

// `part` of `whole` in per cent with two decimals ("-" for no spins).
std::string Percent(double part, double whole) {
    if (!(whole > 0)) return "-";
    return FixedToStr(100 * part / whole, 2) + "%";
}

std::string Money(double v) { return FloatToStr(RoundToCents(v)); }

void Row(std::ostream& out, const std::string& name, const HitFigures& f, std::int64_t spins,
         double expected) {
    out << "  " << std::left << std::setw(8) << name << std::right << std::setw(8) << f.hits << std::setw(9)
        << Percent(static_cast<double>(f.hits), static_cast<double>(spins)) << std::setw(10)
        << Percent(expected, 1) << std::setw(9) << f.absence << std::setw(17) << f.longest_absence << '\n';
}

void Header(std::ostream& out, const char* first) {
    out << "  " << std::left << std::setw(8) << first << std::right << std::setw(8) << "Hits" << std::setw(9)
        << "Share" << std::setw(10) << "Expected" << std::setw(9) << "Absence" << std::setw(17)
        << "Longest absence" << '\n';
}

}  // namespace

nlohmann::ordered_json HitsJson(const HitCounter& hits) {
    nlohmann::ordered_json j;
    j["spins"] = hits.Spins();
    nlohmann::ordered_json chances = nlohmann::ordered_json::object();
    for (std::size_t k = 0; k < kFieldNames.size(); ++k)
        chances[std::string(kFieldNames[k])] = FiguresJson(hits.Chances()[k]);
    j["chances"] = std::move(chances);
    nlohmann::ordered_json numbers = nlohmann::ordered_json::array();
    for (const HitFigures& f : hits.Numbers()) numbers.push_back(FiguresJson(f));
    j["numbers"] = std::move(numbers);
    return j;
}

void PrintHits(std::ostream& out, const HitCounter& hits) {
    Header(out, "Chance");
    for (std::size_t k = 0; k < kFieldNames.size(); ++k)
        Row(out, std::string(kFieldNames[k]), hits.Chances()[k], hits.Spins(), 18.0 / 37);
    Header(out, "Number");
    for (std::size_t n = 0; n < hits.Numbers().size(); ++n)
        Row(out, std::to_string(n), hits.Numbers()[n], hits.Spins(), 1.0 / 37);
}

nlohmann::ordered_json SessionSummaryJson(const SessionSummary& s) {
    nlohmann::ordered_json j;
    j["spins"] = s.spins;
    j["bets_placed"] = s.bets_placed;
    j["bets_settled"] = s.bets_settled;
    j["won"] = s.won;
    j["lost"] = s.lost;
    j["longest_losing_run"] = s.longest_losing_run;
    j["total_staked"] = s.total_staked;
    j["net_result"] = s.net_result;
    j["expected_loss"] = s.expected_loss;
    return j;
}

nlohmann::ordered_json SessionStatsJson(const SessionStats& stats) {
    nlohmann::ordered_json j = HitsJson(stats.Hits());
    j["session"] = SessionSummaryJson(stats.Summary());
    return j;
}

void PrintSessionSummary(std::ostream& out, const SessionSummary& s) {
    const auto row = [&out](const char* name, const std::string& value) {
        out << "  " << std::left << std::setw(26) << name << value << '\n';
    };
    row("Spins", std::to_string(s.spins));
    row("Bets placed", std::to_string(s.bets_placed));
    row("Bets settled", std::to_string(s.bets_settled));
    row("Bets won / lost", std::to_string(s.won) + " / " + std::to_string(s.lost));
    row("Longest losing run", std::to_string(s.longest_losing_run) + " bets");
    row("Total staked", Money(s.total_staked));
    row("Net result", Money(s.net_result));
    const char* edge = s.EdgeRule() == SessionSummary::Edge::Plain ? " (1/37 of the total staked)"
                       : s.EdgeRule() == SessionSummary::Edge::Partage
                           ? " (1/74 of the total staked: la partage)"
                           : " (1/37 of the total staked, 1/74 under la partage)";
    row("Expected at house edge", Money(-s.expected_loss) + edge);
}

int RunStats(const StatsOptions& o, std::ostream& out, std::ostream& err) {
    HitCounter hits;
    try {
        hits = HitCounter::Of(ReadNumberFile(o.numbers_file));
    } catch (const std::runtime_error& e) {
        err << "rotacle-sim: " << e.what() << '\n';
        return 1;
    }
    if (o.json) {
        out << HitsJson(hits).dump() << '\n';
    } else {
        out << "Statistics of " << std::filesystem::path(o.numbers_file).filename().string() << '\n';
        out << "  " << std::left << std::setw(26) << "Spins" << hits.Spins() << '\n';
        PrintHits(out, hits);
    }
    return 0;
}

}  // namespace rotacle::sim
