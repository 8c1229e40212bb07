// Settings files and number files that each hold one fault: a clear message,
// nothing lost, no crash.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>

#include "core/text_file.h"
#include "support/table.h"

namespace rotacle::test {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) { return (fs::path(ROTACLE_TEST_DATA) / "bad" / name).string(); }

struct BadFile {
    const char* file;
    const char* message;  ///< exact message, "" for none, nullptr for "some message"
};

// Test name of a row: the file name without its kind and extension
// ("settings-ten-lines.rtk" -> "ten_lines").
std::string RowName(const ::testing::TestParamInfo<BadFile>& row_info) {
    std::string name = row_info.param.file;
    name = name.substr(name.find('-') + 1);
    name = name.substr(0, name.find('.'));
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

class BadSettings : public Table, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadSettings, ClearMessageAndNothingLost) {
    const BadFile& row = GetParam();
    Spins({5, 17, 32, 3, 12, 7});
    const auto history = e.Board().NumbersList();
    const double money = Money();
    Do([&] { e.LoadSettingsFile(Fixture(row.file)); });
    Refresh();
    if (row.message == nullptr)
        EXPECT_FALSE(platform.messages.empty());
    else if (*row.message == '\0')
        EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage();
    else
        EXPECT_EQ(platform.LastMessage(), row.message);
    // The record holds the file whole; the game goes on where it was.
    auto lines = ReadLines(Fixture(row.file));
    if (!lines.empty() && lines[0].rfind("\xEF\xBB\xBF", 0) == 0) lines[0].erase(0, 3);
    EXPECT_EQ(e.Settings().Settings_Data().size(), lines.size());
    EXPECT_EQ(e.Board().NumbersList(), history);
    EXPECT_NEAR(Money(), money, 0.011);
    EXPECT_TRUE(Spin(8) || !platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSettings,
    ::testing::Values(BadFile{"settings-empty.rtk", "'' is not a valid integer value"},
                      BadFile{"settings-binary.rtk", nullptr},
                      BadFile{"settings-ten-lines.rtk", "'' is not a valid integer value"},
                      BadFile{"settings-integer-beyond-32-bits.rtk",
                              "'99999999999' is not a valid integer value"},
                      BadFile{"settings-negative-threshold.rtk", ""},
                      BadFile{"settings-exponent-for-integer.rtk", "'1e3' is not a valid integer value"},
                      BadFile{"settings-leading-blank.rtk", "' 7' is not a valid integer value"},
                      BadFile{"settings-cr-line-ends.rtk", ""}, BadFile{"settings-lf-line-ends.rtk", ""},
                      BadFile{"settings-byte-order-mark.rtk", ""}),
    RowName);

TEST_F(Table, NegativeThresholdIsRaisedToItsLowerLimit) {
    Do([&] { e.LoadSettingsFile(Fixture("settings-negative-threshold.rtk")); });
    EXPECT_EQ(e.Inputs().Losses_HowMuch.Text(), "1");
}

TEST_F(Table, TenThousandLineSettingsFileKeepsEveryLine) {
    const fs::path file = fs::path(ROTACLE_TEST_SCRATCH) / "ten-thousand.rtk";
    fs::create_directories(file.parent_path());
    std::vector<std::string> lines(10000, "1");
    lines[0] = "//line1";
    WriteLinesAtomic(file.string(), lines);
    Do([&] { e.LoadSettingsFile(file.string()); });
    EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage();
    EXPECT_EQ(e.Settings().Settings_Data().size(), 10000U);
    Do([&] { e.SaveSettingsFile(file.string()); });
    EXPECT_EQ(ReadLines(file.string()).size(), 10000U);
}

class BadNumbers : public Table, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadNumbers, RefusedBeforeAnythingChanges) {
    const BadFile& row = GetParam();
    Spins({1, 2, 3});
    const auto history = e.Board().NumbersList();
    Do([&] { e.Image_Import2Click(); });
    platform.dialog_answers.push_back(Fixture(row.file));
    Do([&] { e.Image_LoadFromFile2Click(); });
    // Told at load: nothing is offered for import.
    if (row.message == nullptr)
        EXPECT_FALSE(platform.messages.empty());
    else
        EXPECT_EQ(platform.LastMessage(), row.message);
    EXPECT_TRUE(e.Panel().Import_List().empty());
    EXPECT_FALSE(e.Panel().Button_Process().Enabled);
    Do([&] { e.Button_ProcessClick(); });
    EXPECT_EQ(e.Board().NumbersList(), history);
    EXPECT_TRUE(e.Panel().Panel_Import().Visible);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadNumbers,
    ::testing::Values(BadFile{"numbers-blank-line.txt", "Line 2: '' is not a valid integer value"},
                      BadFile{"numbers-above-36.txt", "Line 2: '37' is not a roulette number (0 to 36)"},
                      BadFile{"numbers-exponent.txt", "Line 1: '1e1' is not a valid integer value"},
                      BadFile{"numbers-leading-blank.txt", "Line 1: ' 7' is not a valid integer value"},
                      BadFile{"numbers-fraction.txt", "Line 1: '7.0' is not a valid integer value"},
                      BadFile{"numbers-binary.txt", nullptr}),
    RowName);

TEST_F(Table, NumberFilesWithOtherLineEndsImport) {
    for (const char* file :
         {"numbers-byte-order-mark.txt", "numbers-no-final-line-end.txt", "numbers-cr-line-ends.txt"}) {
        SCOPED_TRACE(file);
        Do([&] { e.Image_Import2Click(); });
        platform.dialog_answers.push_back(Fixture(file));
        Do([&] { e.Image_LoadFromFile2Click(); });
        ASSERT_TRUE(Do([&] { e.Button_ProcessClick(); })) << platform.LastMessage();
        EXPECT_EQ(e.Board().NumbersList().size(),
                  std::string(file).find("mark") != std::string::npos ? 2U : 3U);
        EXPECT_EQ(e.Board().NumbersList()[0], 17);
    }
}

TEST_F(Table, MillionLineNumberFileImports) {
    const fs::path file = fs::path(ROTACLE_TEST_SCRATCH) / "million.txt";
    fs::create_directories(file.parent_path());
    std::string text;
    for (int i = 0; i < 1'000'000; ++i) text += std::to_string(i % 37) + "\r\n";
    WriteTextAtomic(file.string(), text);
    Do([&] { e.Image_Import2Click(); });
    platform.dialog_answers.push_back(file.string());
    Do([&] { e.Image_LoadFromFile2Click(); });
    EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT (1000000)");
    ASSERT_TRUE(Do([&] { e.Button_ProcessClick(); }));
    EXPECT_EQ(e.Board().NumbersList().size(), 1'000'000U);
    EXPECT_EQ(e.Board().HisNum()[0].Caption, std::to_string(999'999 % 37));
}

// Lines that a message quotes: at most 60 characters then "...", a NUL byte
// shown, a UTF-8 character never cut, whichever check refuses the line.
TEST_F(Table, MessagesQuoteAtMostSixtyCharactersOfALine) {
    const fs::path file = fs::path(ROTACLE_TEST_SCRATCH) / "quoted-line.txt";
    fs::create_directories(file.parent_path());
    const std::string integer = "' is not a valid integer value";
    const std::string roulette = "' is not a roulette number (0 to 36)";
    const struct {
        std::string line, message;
    } rows[] = {
        {std::string(1 << 20, '7'), "'" + std::string(60, '7') + "..." + integer},
        {std::string(60, 'x'), "'" + std::string(60, 'x') + integer},
        {std::string("1\0", 2) + std::string(100, 'x'), "'1\\0" + std::string(58, 'x') + "..." + integer},
        {std::string(70, '0') + "37", "'" + std::string(60, '0') + "..." + roulette},
        {std::string(59, 'a') + "\xC3\xA9" + "b", "'" + std::string(59, 'a') + "..." + integer},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        WriteTextAtomic(file.string(), row.line + "\r\n");
        Do([&] { e.Image_Import2Click(); });
        platform.dialog_answers.push_back(file.string());
        EXPECT_FALSE(Do([&] { e.Image_LoadFromFile2Click(); }));
        EXPECT_EQ(platform.LastMessage(), "Line 1: " + row.message);
        Do([&] { e.Image_ClosePanel2Click(); });
    }
}

// Files that are no plain file or too large are refused at once with a
// message naming the file, nothing changed; saves keep what they replace.
TEST_F(Table, HostileFiles) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "hostile";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const auto sized = [&](const char* name, std::uint64_t size) {
        const int fd = ::open(path(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);  // sparse: made at once
        ::close(fd);
        return path(name);
    };
    const auto fifo = [&](const char* name) {
        EXPECT_EQ(::mkfifo(path(name).c_str(), 0600), 0);
        return path(name);
    };
    const auto file = [&](const char* name, const char* text, fs::perms perms) {
        WriteTextAtomic(path(name), text);
        fs::permissions(path(name), perms);
        return path(name);
    };
    const auto mode = [](const std::string& p) { return fs::status(p).permissions() & fs::perms::mask; };
    const auto holds_record = [&](const std::string& p) {
        return ReadLines(p) == e.Settings().Settings_Data();
    };

    enum class Act { LoadNumbers, LoadSettings, SaveSettings, Export };
    struct Row {
        const char* name;
        Act act;
        std::function<std::string()> prepare;           ///< the path the dialog answers
        const char* reason;                             ///< reason of the message, "" for none
        std::function<bool(const std::string&)> check;  ///< the files afterwards
    };
    const fs::perms rw_owner = fs::perms::owner_read | fs::perms::owner_write;
    const Row rows[] = {
        {"FIFO as number file", Act::LoadNumbers, [&] { return fifo("pipe.txt"); }, "Not a regular file", {}},
        {"FIFO as settings", Act::LoadSettings, [&] { return fifo("pipe.rtk"); }, "Not a regular file", {}},
        {"device as number file",
         Act::LoadNumbers,
         [] { return std::string("/dev/zero"); },
         "Not a regular file",
         {}},
        {"oversized settings",
         Act::LoadSettings,
         [&] { return sized("big.rtk", kSettingsFileLimit + 1); },
         "File too large (more than 1 MB)",
         {}},
        {"oversized number file",
         Act::LoadNumbers,
         [&] { return sized("big.txt", kNumberFileLimit + 1); },
         "File too large (more than 200 MB)",
         {}},
        {"FIFO as save target", Act::Export, [&] { return fifo("out-pipe.txt"); }, "Not a regular file",
         [](const std::string& p) { return fs::is_fifo(p); }},
        {"save through a link", Act::SaveSettings,
         [&] {
             file("real.rtk", "old\r\n", fs::perms(0644));
             fs::create_symlink("real.rtk", dir / "link.rtk");
             return path("link.rtk");
         },
         "", [&](const std::string& p) { return fs::is_symlink(p) && holds_record(path("real.rtk")); }},
        {"private export stays private", Act::Export, [&] { return file("private.txt", "1\r\n", rw_owner); },
         "", [&](const std::string& p) { return mode(p) == rw_owner && ReadLines(p).size() == 3; }},
        {"new file follows the umask", Act::Export,
         [&] {
             ::umask(027);
             return path("new.txt");
         },
         "", [&](const std::string& p) { return mode(p) == (rw_owner | fs::perms::group_read); }},
        {"stale temporary file goes", Act::SaveSettings,
         [&] {
             // Left by a save that was killed an hour ago: nobody holds it.
             file(".stale.rtk.k1lled00.rotacle-tmp", "torn", fs::perms(0644));
             fs::last_write_time(dir / ".stale.rtk.k1lled00.rotacle-tmp",
                                 fs::file_time_type::clock::now() - std::chrono::hours(1));
             return file("stale.rtk", "old\r\n", fs::perms(0644));
         },
         "", [&](const std::string& p) { return TemporaryFilesFor(p).empty() && holds_record(p); }},
    };

    Spins({17, 0, 32});
    const mode_t umask_before = ::umask(022);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string p = row.prepare();
        const auto record = e.Settings().Settings_Data();
        platform.messages.clear();
        switch (row.act) {
            case Act::LoadNumbers:
                Do([&] { e.Image_Import2Click(); });
                platform.dialog_answers.push_back(p);
                Do([&] { e.Image_LoadFromFile2Click(); });
                EXPECT_TRUE(e.Panel().Import_List().empty());
                EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT");
                Do([&] { e.Image_ClosePanel2Click(); });
                break;
            case Act::LoadSettings: Do([&] { e.LoadSettingsFile(p); }); break;
            case Act::SaveSettings: Do([&] { e.SaveSettingsFile(p); }); break;
            case Act::Export:
                platform.dialog_answers.push_back(p);
                Do([&] { e.Image_Export2Click(); });
                break;
        }
        ::umask(022);
        const bool load = row.act == Act::LoadNumbers || row.act == Act::LoadSettings;
        if (*row.reason == '\0')
            EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage();
        else
            EXPECT_EQ(platform.LastMessage(), std::string(load ? "Cannot open" : "Cannot create") +
                                                  " file \"" + p + "\". " + row.reason);
        if (row.act == Act::LoadSettings) {
            EXPECT_EQ(e.Settings().Settings_Data(), record);
        }
        if (row.check) {
            EXPECT_TRUE(row.check(p));
        }
    }
    ::umask(umask_before);
    EXPECT_EQ(e.Board().NumbersList().size(), 3U);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rotacle::test
