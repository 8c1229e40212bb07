// The journal's side of the browser's face: the records it frames are the
// journal file's records, and what it reads of a stored journal is what the
// desktop reads of the same text.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "web/face_journal.h"

namespace rotacle::web {
namespace {

using Json = nlohmann::json;

Json Ask(const Json& request) { return Json::parse(JournalCall(request.dump())); }

TEST(FaceJournal, RecordsAreTheJournalFilesAndReadBackAsTheDesktopReadsThem) {
    const std::vector<std::string> actions = {"undo", "option partage 1", "a\tb"};
    const Json framed = Ask({{"frame", actions}});
    ASSERT_EQ(framed["lines"].size(), actions.size());
    std::string text = Ask({{"start", true}})["line"].get<std::string>();
    for (std::size_t i = 0; i < actions.size(); ++i) {
        EXPECT_EQ(framed["lines"][i].get<std::string>(), JournalRecord(actions[i])) << actions[i];
        text += framed["lines"][i].get<std::string>();
    }

    const JournalContents desktop = ParseJournal(text);
    const Json read = Ask({{"read", text}});
    EXPECT_TRUE(read["usable"].get<bool>());
    EXPECT_EQ(read["actions"].get<std::vector<std::string>>(), actions);
    EXPECT_EQ(desktop.actions, actions);
    EXPECT_EQ(read["closed"].get<bool>(), desktop.closed);
    EXPECT_TRUE(read.contains("numbers"));

    // What the desktop refuses, the face refuses with the same words.
    for (const char* other : {"rotacle-journal 2", "something else"}) {
        const std::string alien = JournalRecord(other) + JournalRecord("undo");
        const Json a = Ask({{"read", alien}});
        EXPECT_FALSE(a["usable"].get<bool>()) << other;
        EXPECT_EQ(a["problem"].get<std::string>(), ParseJournal(alien).problem) << other;
        EXPECT_FALSE(a.contains("numbers")) << other;
    }
}

TEST(FaceJournal, AMalformedRequestIsAnErrorNotACrash) {
    for (const char* request : {"", "{", "[]", R"({"frame": [1]})", R"({"read": 5})", R"({"nothing": true})"})
        EXPECT_TRUE(Json::parse(JournalCall(request)).contains("error")) << request;
}

}  // namespace
}  // namespace rotacle::web
