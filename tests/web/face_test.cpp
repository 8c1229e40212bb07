// The browser's face: requests in, answers out, with the page's timers
// played the way the browser runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/session.h"
#include "web/face.h"

namespace rotacle::web {
namespace {

using Json = nlohmann::json;

/// A page: sends requests to a face, runs each enabled timer as a browser
/// interval (started, re-timed and stopped after every answer) on a clock of
/// its own.
class Page {
public:
    Json Send(const Json& request) {
        Json r = request;
        r["now"] = now_;
        last_ = Json::parse(face_.Call(r.dump()));
        for (const auto& record : last_["records"]) records_.push_back(record.get<std::string>());
        Sync();
        return last_;
    }

    /// Fires the due timers until no progress run is left, then lets the display refresh come round once.
    void RunTimers() {
        for (int guard = 0; guard < 100000; ++guard) {
            if (!last_["view"]["progressRun"].get<bool>() && !AnyRun()) {
                if (due_[0] >= 0) {
                    now_ = due_[0];
                    due_[0] += interval_[0];
                    Send({{"tick", 0}});
                }
                return;
            }
            std::size_t next = due_.size();
            for (std::size_t i = 0; i < due_.size(); ++i)
                if (due_[i] >= 0 && (next == due_.size() || due_[i] < due_[next])) next = i;
            ASSERT_LT(next, due_.size()) << "a run with no timer";
            now_ = due_[next];
            due_[next] += interval_[next];
            Send({{"tick", next}});
        }
        FAIL() << "the run never ends";
    }

    const Json& Last() const { return last_; }
    const std::vector<std::string>& Records() const { return records_; }

private:
    bool AnyRun() const {
        // Timer 0 is the display refresh, which always runs; the others are runs.
        for (std::size_t i = 1; i < last_["timers"].size(); ++i)
            if (last_["timers"][i][0].get<bool>()) return true;
        return false;
    }
    void Sync() {
        const Json& timers = last_["timers"];
        for (std::size_t i = 0; i < timers.size() && i < due_.size(); ++i) {
            const bool on = timers[i][0].get<bool>();
            const std::int64_t interval = std::max<std::int64_t>(1, timers[i][1].get<std::int64_t>());
            if (!on)
                due_[i] = -1;
            else if (due_[i] < 0 || interval_[i] != interval)
                due_[i] = now_ + interval;
            interval_[i] = interval;
        }
    }

    Face face_;
    Json last_;
    std::int64_t now_ = 1'700'000'000'000;
    std::array<std::int64_t, 8> due_{-1, -1, -1, -1, -1, -1, -1, -1};
    std::array<std::int64_t, 8> interval_{};
    std::vector<std::string> records_;
};

std::vector<int> Series(const char* name, std::size_t count) {
    std::ifstream in(std::string(ROTACLE_TEST_DATA) + "/spins/" + name);
    std::vector<int> numbers;
    for (int n = 0; numbers.size() < count && in >> n;) numbers.push_back(n);
    return numbers;
}

/// What the table shows of the money and the bet.
Json Shown(const Json& view) {
    return Json{{"bankroll", view["bankroll"]}, {"fields", view["fields"]}, {"chips", view["chips"]},
                {"stakes", view["stakes"]},     {"stake", view["stake"]},   {"history", view["history"]}};
}

// The page's timers give what the driver's clock gives: after every number of a real series, the
// same bankroll, stake and proposal; and the journal of that play, replayed into a new table, gives
// the same table again.
TEST(Face, PlaysAsTheDriverAndItsJournalResumesTheSame) {
    const std::vector<int> numbers = Series("series1.txt", 120);
    ASSERT_EQ(numbers.size(), 120u);
    Page page;
    page.Send({{"view", true}});
    sim::Session driver("/", false);
    for (const int n : numbers) {
        page.Send({{"do", "spin " + std::to_string(n)}});
        page.RunTimers();
        driver.RunLine("spin " + std::to_string(n), 1);
        const Json expected = Json::parse(ViewJson(driver.Engine(), driver.Speed(), driver.Stats()));
        ASSERT_EQ(Shown(page.Last()["view"]), Shown(expected)) << "after " << n;
    }
    Page resumed;
    const Json answer = resumed.Send({{"replay", page.Records()}});
    EXPECT_EQ(answer["replayed"], page.Records().size());
    EXPECT_TRUE(answer["records"].empty()) << "a replay is in the journal already";
    EXPECT_EQ(Shown(answer["view"]), Shown(page.Last()["view"]));
}

// Requests the face cannot run are told as such, and the view still comes back whole.
TEST(Face, RequestsItCannotRunAreRefusedWithTheViewIntact) {
    const struct {
        const char* request;
        const char* error;
    } rows[] = {
        {R"({"do": "spin 37"})", "spin takes a number 0..36"},      {R"({"do": "fly"})", "fly"},
        {R"({"window": "dance"})", "unknown window event 'dance'"}, {R"({"tick": 99})", "no such timer"},
        {R"({"read": "/no/such/file"})", "/no/such/file"},          {R"(not json)", "parse"},
    };
    Face face;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.request);
        const Json a = Json::parse(face.Call(row.request));
        EXPECT_FALSE(a["ok"].get<bool>());
        EXPECT_NE(a["error"].get<std::string>().find(row.error), std::string::npos) << a["error"];
        EXPECT_EQ(a["view"]["cells"].size(), 37u);
        EXPECT_EQ(a["timers"].size(), 8u);
    }
}

// A pasted page is read as the browser laid it out: its text, not its markup, fills the import list.
TEST(Face, APastedPageIsReadFromTheTextTheBrowserGave) {
    Page page;
    page.Send({{"window", "import-open"}});
    ASSERT_TRUE(page.Last()["view"]["panel"]["open"].get<bool>());
    page.Send({{"page", {{"html", "<div>markup that holds no number</div>"}, {"text", "12\n7\n0\n33\n"}}}});
    page.Send({{"window", "paste-page"}});
    ASSERT_TRUE(page.Last()["ok"].get<bool>()) << page.Last().dump();
    page.RunTimers();
    EXPECT_EQ(page.Last()["view"]["panel"]["listed"], 4);
}

// An error of the game comes with its values, so that the page words it in the player's language:
// the English pattern of its kind, the values that fill it and the error inside it, once.
TEST(Face, AnErrorComesWithItsValues) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "rotacle-face-bad-line.txt";
    Face face;
    ASSERT_TRUE(Json::parse(
        face.Call(Json{{"file", {{"path", file.string()}, {"data", "5\n%2 x\n"}}}}.dump()))["ok"]);
    const Json a = Json::parse(face.Call(Json{{"do", "import-file " + file.string()}}.dump()));
    std::filesystem::remove(file);
    EXPECT_EQ(a["message"], "Line 2: '%2 x' is not a valid integer value");
    EXPECT_EQ(a["messageValues"], Json::parse(R"({"pattern": "Line %1: %2", "args": ["2"],
        "cause": {"pattern": "'%1' is not a valid integer value", "args": ["%2 x"]}})"));
    const Json next = Json::parse(face.Call(R"({"view": true})"));
    EXPECT_FALSE(next.contains("message"));
    EXPECT_FALSE(next.contains("messageValues"));
}

// The keys of play at speed reach the game as the window's keys do: digits are typed and entered,
// Backspace and Esc take them back, and Esc with nothing typed closes the import panel, then the
// settings area.
TEST(Face, KeysOfPlayAtSpeedAndEscape) {
    Page page;
    const auto key = [&](const char* k) { return page.Send({{"key", k}}); };
    key("1");
    key("7");
    EXPECT_EQ(page.Last()["view"]["keys"]["typed"], "17");
    key("Enter");
    page.RunTimers();
    EXPECT_EQ(page.Last()["view"]["history"], 1);
    EXPECT_EQ(page.Last()["view"]["strip"][0]["text"], "17");
    key("3");
    key("Backspace");
    EXPECT_EQ(page.Last()["view"]["keys"]["typed"], "");
    key("9");
    key("Escape");
    EXPECT_EQ(page.Last()["view"]["keys"]["typed"], "");
    EXPECT_EQ(page.Last()["view"]["history"], 1) << "Esc drops the digits, it enters nothing";

    page.Send({{"window", "settings-open"}});
    ASSERT_GT(page.Last()["view"]["window"]["height"].get<int>(), 388);
    key("Escape");
    EXPECT_EQ(page.Last()["view"]["window"]["height"], 388);
    page.Send({{"window", "import-open"}});
    ASSERT_TRUE(page.Last()["view"]["panel"]["open"].get<bool>());
    key("Escape");
    EXPECT_FALSE(page.Last()["view"]["panel"]["open"].get<bool>());

    const Json refused = key("F5");
    EXPECT_FALSE(refused["ok"].get<bool>());
    EXPECT_NE(refused["error"].get<std::string>().find("unknown key"), std::string::npos);
}

// The staking dialog's preview sizes the stakes with the game's rules on a game of its own; only
// Apply writes the preset over the settings, as a loaded settings file does.
TEST(Face, StakingPreviewLeavesTheTableAndApplyWritesTheSettings) {
    Page page;
    const int before = page.Send({{"view", true}})["view"]["combos"]["BetStrategy"]["index"].get<int>();
    const Json preview = page.Send({{"staking", {{"preset", "martingale"}, {"apply", false}}}});
    EXPECT_EQ(preview["staking"]["lose"], Json::parse("[1, 2, 4, 8, 16, 32]"));
    EXPECT_EQ(preview["staking"]["mixed"], Json::parse("[1, 2, 4, 8, 1, 1]"));
    EXPECT_EQ(preview["view"]["combos"]["BetStrategy"]["index"], before);
    EXPECT_TRUE(preview["records"].empty()) << "a preview is no action of the player";

    const Json applied = page.Send({{"staking", {{"preset", "martingale"}, {"apply", true}}}});
    EXPECT_TRUE(applied["ok"].get<bool>());
    EXPECT_EQ(applied["view"]["combos"]["BetStrategy"]["items"]
                     [applied["view"]["combos"]["BetStrategy"]["index"].get<int>()],
              "Martingale (x2 on loss)");
    EXPECT_FALSE(applied["records"].empty()) << "the change is in the journal";

    const Json unknown = page.Send({{"staking", {{"preset", "fibonacci"}}}});
    EXPECT_FALSE(unknown["ok"].get<bool>());
}

// The page's clock looks at the limits of time: nothing happens while no limit is set, and play
// stops once the minutes are played.
TEST(Face, TheLimitClockStopsPlayWhenTheTimeIsUp) {
    Face face;
    const auto call = [&](Json request, std::int64_t now) {
        request["now"] = now;
        return Json::parse(face.Call(request.dump()));
    };
    const std::int64_t start = 1'700'000'000'000;
    Json a = call({{"window", "limit-clock"}}, start);
    EXPECT_TRUE(a["records"].empty());
    call({{"do", "option limit-time 1"}}, start);
    a = call({{"window", "limit-clock"}}, start + 30'000);
    EXPECT_EQ(a["view"]["limit"]["stopped"], "");
    a = call({{"window", "limit-clock"}}, start + 61'000);
    EXPECT_EQ(a["view"]["limit"]["stopped"], "time");
}

}  // namespace
}  // namespace rotacle::web
