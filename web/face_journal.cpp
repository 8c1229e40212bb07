// The session journal's side of the browser's face: the page keeps the
// journal's records in the browser's own store, one record per entry, and
// asks here how to frame an action as a record and what a stored journal
// holds, so that both are exactly as the desktop's journal file has them.
#include "web/face_journal.h"

#include <nlohmann/json.hpp>

#include "core/convert.h"
#include "engine/journal_summary.h"
#include "journal/journal.h"

namespace rotacle::web {

using Json = nlohmann::ordered_json;

namespace {

// The record that opens every journal of this version.
const std::string& FormatRecord() {
    static const std::string record = JournalRecord("rotacle-journal 1");
    return record;
}

Json Contents(const std::string& text) {
    const JournalContents j = ParseJournal(text);
    Json a{{"usable", j.usable},
           {"closed", j.closed},
           {"torn", j.torn},
           {"problem", j.problem},
           {"actions", j.actions}};
    if (j.usable) {
        const JournalSummary s = SummarizeJournal(j.actions);
        a["numbers"] = s.numbers;
        a["bankroll"] = FloatToStr(s.bankroll);
        a["waiting"] = Json(std::vector<int>(s.waiting.begin(), s.waiting.end()));
    }
    return a;
}

}  // namespace

std::string JournalCall(std::string_view request) {
    Json answer;
    try {
        const Json req = Json::parse(request);
        if (req.contains("frame")) {
            Json lines = Json::array();
            for (const auto& action : req["frame"]) lines.push_back(JournalRecord(action.get<std::string>()));
            answer["lines"] = std::move(lines);
        } else if (req.contains("start")) {
            answer["line"] = FormatRecord();
        } else if (req.contains("read")) {
            answer = Contents(req["read"].get<std::string>());
        } else {
            throw std::invalid_argument("unknown journal request");
        }
    } catch (const std::exception& x) {
        answer = Json{{"error", x.what()}};
    }
    return answer.dump();
}

}  // namespace rotacle::web
