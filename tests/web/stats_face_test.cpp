// What the statistics window reads from the face: the bankroll chart handed
// over in parts that add up to the whole chart whatever the play does, the
// spin list by windows of rows, and what a risk run of the table plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "web/face.h"

namespace rotacle::web {
namespace {

using Json = nlohmann::json;

/// A page that plays numbers on a face and runs its timers to the end of
/// every run, on a clock of its own.
class Player {
public:
    Json Send(Json request) {
        request["now"] = now_;
        last_ = Json::parse(face_.Call(request.dump()));
        return last_;
    }
    /// A command, then the timers of its runs until no run is left, then the
    /// display refresh.
    void Do(const std::string& command) {
        Send({{"do", command}});
        for (int guard = 0; guard < 100000; ++guard) {
            int next = -1;
            for (std::size_t i = 1; i < last_["timers"].size(); ++i)
                if (last_["timers"][i][0].get<bool>()) next = static_cast<int>(i);
            if (next < 0 && !last_["view"]["progressRun"].get<bool>()) {
                // The display refresh comes round once.
                Send({{"tick", 0}});
                return;
            }
            now_ += std::max<std::int64_t>(1, next < 0 ? 10 : last_["timers"][next][1].get<std::int64_t>());
            Send({{"tick", next < 0 ? 0 : next}});
        }
        FAIL() << "the run after '" << command << "' never ends";
    }
    Json Stats(const Json& ask = Json::object()) {
        Json request = ask;
        request["window"] = "stats";
        return Send(request)["stats"];
    }

private:
    Face face_;
    Json last_;
    std::int64_t now_ = 1'700'000'000'000;
};

TEST(StatsFace, ChartPartsAddUpToTheWholeChartThroughSpinsAndUndos) {
    Player p;
    std::uint64_t revision = 0;
    Json drawn = Json::array();
    const std::vector<std::string> play = {
        "spin 32", "spin 15", "spin 0", "spin 19", "spin 4", "spin 21", "spin 2", "undo", "spin 25",
        "spin 17", "undo", "undo", "spin 34", "spin 6", "spin 27", "spin 13", "spin 36", "spin 11",
        // Moves of the player between spins: the second moves the first's point.
        "check ChBx_TestBank 1", "set Test_Bank 1500", "set Test_Bank 1200", "spin 8", "skip", "spin 9"};
    for (const std::string& command : play) {
        p.Do(command);
        const Json part = p.Stats({{"chart", {revision, drawn.size()}}});
        const auto from = part["chart"]["from"].get<std::size_t>();
        ASSERT_LE(from, drawn.size()) << command;
        if (part["chart"]["revision"].get<std::uint64_t>() != revision) {
            ASSERT_EQ(from, 0u) << command;
        }
        drawn.erase(drawn.begin() + static_cast<std::ptrdiff_t>(from), drawn.end());
        for (const Json& point : part["chart"]["points"]) drawn.push_back(point);
        revision = part["chart"]["revision"].get<std::uint64_t>();
        EXPECT_EQ(drawn, p.Stats()["chart"]["points"]) << "after " << command;
    }
}

TEST(StatsFace, SpinListComesByWindowsAndTheTableSetupHoldsTheStake) {
    Player p;
    const std::array<int, 9> numbers = {32, 15, 0, 19, 4, 21, 2, 25, 17};
    for (const int n : numbers) p.Do("spin " + std::to_string(n));
    const Json s = p.Stats({{"rows", {2, 3}}, {"csv", "spins"}});
    EXPECT_EQ(s["spinLog"]["size"], numbers.size());
    ASSERT_EQ(s["spinLog"]["rows"].size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(s["spinLog"]["rows"][k][0], k + 3);
        EXPECT_EQ(s["spinLog"]["rows"][k][1], numbers[k + 2]);
    }
    // Past the end: the rows there are.
    EXPECT_EQ(p.Stats({{"rows", {8, 50}}})["spinLog"]["rows"].size(), 1u);
    const std::string csv = s["csv"];
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "spin,number,bet,stake,result,bankroll");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), static_cast<std::ptrdiff_t>(numbers.size() + 1));

    // A risk run starts from the money held: the bankroll and the stake on the table.
    const Json answer = p.Send({{"window", "risk-setup"}});
    const Json& view = answer["view"];
    const bool chip =
        std::any_of(view["chips"].begin(), view["chips"].end(), [](const Json& c) { return c.get<bool>(); });
    const double held = std::stod(view["bankroll"]["text"].get<std::string>()) +
                        (chip ? std::stod(view["stake"].get<std::string>()) : 0.0);
    EXPECT_DOUBLE_EQ(std::stod(answer["risk"]["bankroll"].get<std::string>()), held);
    EXPECT_EQ(answer["risk"]["settings"].get<std::string>().substr(0, 8), "//line1\n");
}

}  // namespace
}  // namespace rotacle::web
