// The settings record on its own: a line it lacks is never written, and the
// record is saved as CR LF lines.
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/text_file.h"
#include "support/default_record.h"

namespace rotacle::test {
namespace {

namespace fs = std::filesystem;

TEST(Record, WritingALineTheRecordLacksChangesNothing) {
    const std::vector<std::pair<const char*, std::function<void(SettingsRecord&)>>> writers = {
        {"text", [](SettingsRecord& r) { r.Write(18, "3"); }},
        {"number", [](SettingsRecord& r) { r.WriteNumber(18, 3); }},
    };
    for (const auto& [name, write] : writers) {
        SettingsRecord r;
        Memo shorter = r.Settings_Data();
        shorter.resize(5);
        r.Replace(shorter);
        write(r);
        EXPECT_EQ(r.Settings_Data().size(), 5u) << name;
        EXPECT_EQ(r.Line(18), "") << name;
    }
}

TEST(Record, SaveWritesTheRecordWithCrLf) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "settings_record";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto path = (dir / "a.rtk").string();
    SettingsRecord r;
    r.WriteNumber(18, 4);
    r.Save(path);
    std::string want;
    for (std::size_t i = 0; i < kDefaultRecord.size(); ++i)
        want += (i == 18 ? "4" : kDefaultRecord[i]) + "\r\n";
    EXPECT_EQ(ReadFileText(path), want);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rotacle::test
