// Import of number series (page paste and number files) and the history
// export.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/text_file.h"
#include "import/page_text.h"
#include "support/table.h"

namespace rotacle::test {
namespace {

namespace fs = std::filesystem;

fs::path Scratch(const std::string& name) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "import" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<int> History(const Engine& e) {
    return {e.Board().NumbersList().begin(), e.Board().NumbersList().end()};
}

class Import : public Table {
protected:
    /// Opens the panel and loads `text` as a number file through the dialog.
    void LoadNumberFile(const std::string& text) {
        const fs::path file = dir / "numbers.txt";
        WriteFile(file, text);
        Do([&] { e.Image_Import2Click(); });
        platform.dialog_answers.push_back(file.string());
        Do([&] { e.Image_LoadFromFile2Click(); });
    }
    bool ClickImport() {
        return Do([&] { e.Button_ProcessClick(); });
    }

    fs::path dir = Scratch(::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// ---- The pasted page ---------------------------------------------------------------

TEST_F(Import, PastedPageFillsTheListAfterTheTimer) {
    platform.program_folder = dir.string();
    platform.clipboard = "<html><body><div>17</div><div>5</div><div>32x</div><div>29</div></body></html>";
    Do([&] { e.Image_Import2Click(); });
    Do([&] { e.Image_PasteFromEvolution2Click(); });
    EXPECT_TRUE(e.Panel().Image_PasteFromEvolution3().Visible);
    EXPECT_TRUE(e.Panel().Image_LoadFromFile3().Visible);
    EXPECT_TRUE(e.TimerControl(TimerId::Timer_Evolution).Enabled);
    EXPECT_EQ(ReadFile(dir / "evolution.html"), platform.clipboard);

    Do([&] { e.TimerTick(TimerId::Timer_Evolution); });
    EXPECT_EQ(e.Panel().Import_List(), (LineList{"29", "3", "5", "17"}));
    EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT (4)");
    EXPECT_TRUE(e.Panel().Button_Process().Enabled);
    EXPECT_FALSE(e.TimerControl(TimerId::Timer_Evolution).Enabled);
    EXPECT_FALSE(e.Panel().Image_PasteFromEvolution3().Visible);
    EXPECT_FALSE(e.Panel().Image_LoadFromFile3().Visible);
}

TEST_F(Import, APageWithoutNumbersEmptiesTheButtonToo) {
    platform.program_folder = dir.string();
    Arrange(e).Panel().SetImportList({"1", "2"});
    platform.clipboard = "<p>no numbers here</p>";
    Do([&] { e.Image_Import2Click(); });
    Do([&] { e.Image_PasteFromEvolution2Click(); });
    Do([&] { e.TimerTick(TimerId::Timer_Evolution); });
    EXPECT_TRUE(e.Panel().Import_List().empty());
    EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT");
    EXPECT_FALSE(e.Panel().Button_Process().Enabled);
}

TEST_F(Import, UnreadablePageSaysWhyAndKeepsTheList) {
    // A page over the size limit, or a page reader that is not there: the
    // message says which; the numbers offered before stay offered and the
    // paste can be tried again.
    platform.program_folder = dir.string();
    LoadNumberFile("17\n0");
    struct Case {
        std::string page, reader, message;
    };
#ifdef __EMSCRIPTEN__
    // WebAssembly starts no processes: that build has no reader at all.
    const std::string missing = "The page cannot be read: this build of the program has no page reader.";
#else
    const std::string missing = "(ROTACLE_PAGE_READER) is not a program";
#endif
    for (const Case& c :
         {Case{"<div>7</div>" + std::string(kPageSizeLimit, ' '), "", "more than the limit of 16 MB"},
          Case{"<div>7</div>", (dir / "no-reader").string(), missing}}) {
        if (!c.reader.empty()) ::setenv("ROTACLE_PAGE_READER", c.reader.c_str(), 1);
        platform.messages.clear();
        platform.clipboard = c.page;
        Do([&] { e.Image_PasteFromEvolution2Click(); });
        EXPECT_FALSE(Do([&] { e.TimerTick(TimerId::Timer_Evolution); }));
        ::unsetenv("ROTACLE_PAGE_READER");
        ASSERT_EQ(platform.messages.size(), 1U);
        EXPECT_NE(platform.LastMessage().find(c.message), std::string::npos) << platform.LastMessage();
        EXPECT_EQ(e.Panel().Import_List(), (LineList{"17", "0"}));
        EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT (2)");
        EXPECT_FALSE(e.TimerControl(TimerId::Timer_Evolution).Enabled);
        EXPECT_FALSE(e.Panel().Image_PasteFromEvolution3().Visible);
        EXPECT_FALSE(e.Panel().Image_LoadFromFile3().Visible);
    }
}

TEST_F(Import, UnwritableProgramFolderSavesThePageInTheUserFolder) {
    const fs::path data = dir / "data";
    ::setenv("XDG_DATA_HOME", data.string().c_str(), 1);
    platform.program_folder = (dir / "missing").string();
    platform.clipboard = "<div>7</div>";
    Do([&] { e.Image_Import2Click(); });
    Do([&] { e.Image_PasteFromEvolution2Click(); });
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(ReadFile(data / "rotacle" / "evolution.html"), "<div>7</div>");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Import, FailedPageSaveEndsTheBusyLook) {
    platform.program_folder = dir.string();
    fs::create_directories(dir / "evolution.html");  // a folder where the file should go
    platform.clipboard = "<div>7</div>";
    Do([&] { e.Image_Import2Click(); });
    Do([&] { e.Image_PasteFromEvolution2Click(); });
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_NE(platform.messages[0].find("evolution.html"), std::string::npos);
    EXPECT_FALSE(e.Panel().Image_PasteFromEvolution3().Visible);
    EXPECT_FALSE(e.Panel().Image_LoadFromFile3().Visible);
    EXPECT_FALSE(e.TimerControl(TimerId::Timer_Evolution).Enabled);
}

// ---- Number files -----------------------------------------------------------------------

TEST_F(Import, NumberFileReplacesHistoryAndClosesThePanel) {
    Spins({1, 2, 3});
    LoadNumberFile("17\r\n0\r\n32");
    EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT (3)");
    ASSERT_TRUE(ClickImport());
    EXPECT_EQ(History(e), (std::vector<int>{17, 0, 32}));
    EXPECT_EQ(e.State().Spins_Count, 6);  // imported numbers go on counting
    EXPECT_EQ(e.Inputs().N_Count.Value(), 3);
    EXPECT_EQ(e.State().Matrix_Pending, 1);
    EXPECT_FALSE(e.Panel().Panel_Import().Visible);
    EXPECT_TRUE(e.Panel().Import_List().empty());
    EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT");
    EXPECT_FALSE(e.Panel().Button_Process().Enabled);
    EXPECT_EQ(e.Board().HisNum()[0].Caption, "32");
    EXPECT_EQ(e.Board().HisNum()[1].Caption, "0");
    EXPECT_EQ(e.Board().HisNum()[2].Caption, "17");
    EXPECT_EQ(e.Board().HisNum()[3].Caption, "");  // nothing of the replaced history stays
    // The gauge stays full until the panel opens again, and then is empty.
    EXPECT_EQ(e.Panel().ProgressBar2().Position, 3);
    Do([&] { e.Image_Import2Click(); });
    EXPECT_EQ(e.Panel().ProgressBar2().Position, 0);
}

// The strip shows the end of the history, whatever it held before an import
// and whatever is played and taken back after it.
TEST_F(Import, StripShowsTheEndOfTheNewHistory) {
    struct Row {
        const char* name;
        int played;         ///< numbers entered before the import
        bool taken_back;    ///< and the last of them taken back
        int imported;       ///< numbers in the imported series
        const char* after;  ///< then: s a spin, u an undo
        bool page;          ///< a pasted page instead of a number file
    };
    const std::vector<Row> rows = {
        {"sixteen played, seven imported", 16, false, 7, "", false},
        {"three played, one imported", 3, false, 1, "", false},
        {"eight played, eight imported", 8, false, 8, "", false},
        {"twenty played, twelve imported", 20, false, 12, "", false},
        {"none played, five imported", 0, false, 5, "", false},
        {"seven imported, two spins and an undo", 12, false, 7, "ssu", false},
        {"taken back before the import", 11, true, 3, "", false},
        {"a pasted page of four", 16, false, 4, "s", true},
    };
    // The strip of a history: its newest numbers first, then empty slots.
    const auto strip_of = [](const std::vector<std::uint8_t>& history) {
        std::vector<std::string> slots(8);
        for (std::size_t k = 0; k < slots.size() && k < history.size(); ++k)
            slots[k] = std::to_string(history[history.size() - 1 - k]);
        return slots;
    };
    const auto strip = [&] {
        std::vector<std::string> slots;
        for (std::size_t k = 0; k < 8; ++k) slots.push_back(e.Board().HisNum()[k].Caption);
        return slots;
    };
    platform.program_folder = dir.string();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Do([&] { e.ResetApp(); });
        for (int i = 0; i < row.played; ++i) Spin((i * 7 + 3) % 37);
        if (row.taken_back) Do([&] { e.Image_Cancel2Click(); });
        std::string file;
        std::string page = "<html><body>";
        for (int i = row.imported; i-- > 0;) page += "<div>" + std::to_string(i + 20) + "</div>";
        for (int i = 0; i < row.imported; ++i) file += std::to_string(i + 20) + "\n";
        if (row.page) {
            platform.clipboard = page + "</body></html>";
            Do([&] { e.Image_Import2Click(); });
            Do([&] { e.Image_PasteFromEvolution2Click(); });
            Do([&] { e.TimerTick(TimerId::Timer_Evolution); });
            ASSERT_EQ(e.Panel().Import_List().size(), static_cast<std::size_t>(row.imported));
        } else {
            LoadNumberFile(file);
        }
        ASSERT_TRUE(ClickImport()) << platform.LastMessage();
        ASSERT_EQ(e.Board().NumbersList().size(), static_cast<std::size_t>(row.imported));
        EXPECT_EQ(strip(), strip_of(e.Board().NumbersList()));
        for (const char* step = row.after; *step != '\0'; ++step) {
            if (*step == 's') Spin(9);
            if (*step == 'u') Do([&] { e.Image_Cancel2Click(); });
            EXPECT_EQ(strip(), strip_of(e.Board().NumbersList())) << "after " << *step;
        }
    }
}

TEST_F(Import, SpinCountStopsAtItsLargestAndPlayGoesOn) {
    constexpr std::int32_t largest = kMaxCount;
    Spins({5, 17, 32, 1});
    Arrange(e).State().Spins_Count = largest - 2;  // as after some two billion numbers
    LoadNumberFile("3\n4\n5\n6\n");
    ASSERT_TRUE(ClickImport());
    EXPECT_EQ(e.State().Spins_Count, largest) << "an import stops the count at its largest";
    for (int k = 0; k < 3; ++k) {
        Spin(WinningNumber(e.State().Bet_Field > 0 ? e.State().Bet_Field : 1));
        EXPECT_EQ(e.State().Spins_Count, largest) << "a spin stops the count at its largest";
        EXPECT_EQ(e.State().Engine_Ready, 1);
        EXPECT_NE(ShownChip(), -1) << "a bet is still proposed at spin " << k;
    }
    EXPECT_TRUE(e.Report().Settled) << "and settled";
}

TEST_F(Import, ImportEndsTheUndoOfferOfTheReplacedSpin) {
    WarmUp();
    Spin(WinningNumber(e.State().Bet_Field));
    ASSERT_TRUE(e.UndoOffered());
    const double money = Money();
    LoadNumberFile("4\n5\n");
    ASSERT_TRUE(ClickImport());
    EXPECT_FALSE(e.UndoOffered());
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(History(e), (std::vector<int>{4, 5}));
    EXPECT_DOUBLE_EQ(Money(), money);
    Spin(7);
    EXPECT_TRUE(e.UndoOffered());  // the next spin offers undo again
}

TEST_F(Import, ImportWithdrawsTheShownBet) {
    WarmUp();
    ASSERT_NE(ShownChip(), -1);
    const double money = Money();
    const int bets = e.State().Bets_Played;
    LoadNumberFile("1\n2\n3\n");
    ASSERT_TRUE(ClickImport());
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, money);
    EXPECT_EQ(e.State().Bets_Played, bets - 1);
}

TEST_F(Import, LinesEndingInLfCrOrNothingAllWork) {
    for (const std::string text : {"4\n5\n6", "4\r5\r6\r", "4\r\n5\r\n6\r\n",
                                   "\xEF\xBB\xBF"
                                   "4\n5\n6"}) {
        LoadNumberFile(text);
        ASSERT_TRUE(ClickImport()) << platform.LastMessage();
        EXPECT_EQ(History(e), (std::vector<int>{4, 5, 6}));
    }
}

// A bad line is told when the file is loaded, before the panel offers the
// file for import: the list and the IMPORT button stay as they were.
TEST_F(Import, BadLineIsToldAtLoadAndChangesNothing) {
    struct Row {
        const char* name;
        std::string file;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"blank line", "17\n\n5", "Line 2: '' is not a valid integer value"},
        {"letters", "17\nabc", "Line 2: 'abc' is not a valid integer value"},
        {"fraction", "7.5", "Line 1: '7.5' is not a valid integer value"},
        {"leading blank", " 7", "Line 1: ' 7' is not a valid integer value"},
        {"too large for 32 bits", "99999999999", "Line 1: '99999999999' is not a valid integer value"},
        {"above 36", "17\n40", "Line 2: '40' is not a roulette number (0 to 36)"},
        {"negative", "-5", "Line 1: '-5' is not a roulette number (0 to 36)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        e.Event([&] { e.ResetApp(); });
        Spins({8, 9, 10, 11, 12});
        const auto history = History(e);
        const GameState before = e.State();
        const int chip = ShownChip();
        platform.messages.clear();

        for (const bool offered_before : {false, true}) {
            if (offered_before) LoadNumberFile("4\n5\n");
            const LineList list = e.Panel().Import_List();
            const std::string caption = e.Panel().Button_Process().Caption;
            platform.messages.clear();
            LoadNumberFile(row.file);
            EXPECT_EQ(platform.messages.size(), 1u);
            EXPECT_EQ(platform.LastMessage(), row.message);
            EXPECT_EQ(e.Panel().Import_List(), list);
            EXPECT_EQ(e.Panel().Button_Process().Caption, caption);
            EXPECT_EQ(e.Panel().Button_Process().Enabled, offered_before);
            EXPECT_TRUE(e.Panel().Panel_Import().Visible);
            EXPECT_EQ(History(e), history);
            EXPECT_EQ(ShownChip(), chip);
            EXPECT_EQ(e.State().Spins_Count, before.Spins_Count);
            EXPECT_EQ(e.State().Bankroll, before.Bankroll);
            EXPECT_EQ(e.State().DeepScan_Number, before.DeepScan_Number);
        }
        Do([&] { e.Image_ClosePanel2Click(); });
    }
}

TEST_F(Import, EmptyFileLeavesNothingToImport) {
    LoadNumberFile("");
    EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT");
    EXPECT_FALSE(e.Panel().Button_Process().Enabled);
    EXPECT_TRUE(ClickImport());  // a click on the disabled button does nothing
    EXPECT_TRUE(e.Board().NumbersList().empty());
}

TEST_F(Import, UnreadableFileKeepsTheList) {
    Arrange(e).Panel().SetImportList({"1"});
    Do([&] { e.Image_Import2Click(); });
    platform.dialog_answers.push_back((dir / "no-such-file.txt").string());
    Do([&] { e.Image_LoadFromFile2Click(); });
    EXPECT_NE(platform.LastMessage().find("no-such-file.txt"), std::string::npos);
    EXPECT_EQ(e.Panel().Import_List(), LineList{"1"});
}

TEST_F(Import, PanelOpensOnlyWithoutAProgressRun) {
    Spins({1, 2, 3, 4});
    Do([&] { e.NumberClick(5); });  // the fifth spin starts a progress run
    ASSERT_TRUE(e.TimerControl(TimerId::Mode2Timer).Enabled);
    // Before the run's first tick Engine_Ready is still 1, and yet a run is under way.
    Do([&] { e.Image_Import2Click(); });
    EXPECT_FALSE(e.Panel().Panel_Import().Visible);
    Do([&] { e.TimerTick(TimerId::Mode2Timer); });
    ASSERT_EQ(e.State().Engine_Ready, 0);
    Do([&] { e.Image_Import2Click(); });
    EXPECT_FALSE(e.Panel().Panel_Import().Visible);
    FinishRun();
    e.Image_Settings2Click();
    Do([&] { e.Image_Import2Click(); });
    EXPECT_TRUE(e.Panel().Panel_Import().Visible);
    EXPECT_EQ(e.Chrome().ClientHeight(), geometry::kClosedHeight);
    EXPECT_FALSE(e.Chrome().Image_Settings3().Visible);
}

// The import records every number as a hand entry would (history, strip,
// deep scan); it does so without running the steps once per number.
TEST_F(Import, MatchesRecordingEveryNumberByHand) {
    std::mt19937 gen(7);
    FakePlatform other_platform;
    Engine reference(other_platform);
    for (int round = 0; round < 40; ++round) {
        e.Event([&] { e.ResetApp(); });
        reference.Event([&] { reference.ResetApp(); });
        const int before = static_cast<int>(gen() % 12);
        for (int i = 0; i < before; ++i) {
            const int n = static_cast<int>(gen() % 37);
            Arrange(e).Board().SetCurrentNumber(n);
            e.CurrentNumber();
            e.GameHistory();
            e.DeepScan_Calc();
            Arrange(reference).Board().SetCurrentNumber(n);
            reference.CurrentNumber();
            reference.GameHistory();
            reference.DeepScan_Calc();
        }
        const int count = 1 + static_cast<int>(gen() % 30);
        std::string file;
        std::vector<int> numbers;
        for (int i = 0; i < count; ++i) {
            numbers.push_back(static_cast<int>(gen() % 37));
            file += std::to_string(numbers.back()) + "\n";
        }
        LoadNumberFile(file);
        ASSERT_TRUE(ClickImport());
        Arrange(reference).Board().ClearHistory();
        Arrange(reference).Board().ClearStrip();
        for (int n : numbers) {
            Arrange(reference).Board().SetCurrentNumber(n);
            reference.CurrentNumber();
            reference.GameHistory();
            reference.DeepScan_Calc();
        }
        EXPECT_EQ(e.Board().NumbersList(), reference.Board().NumbersList());
        EXPECT_EQ(e.Inputs().N_Count.Text(), reference.Inputs().N_Count.Text());
        EXPECT_EQ(e.Settings().Settings_Data(), reference.Settings().Settings_Data());
        EXPECT_EQ(e.Board().CurrentNumber(), reference.Board().CurrentNumber());
        EXPECT_EQ(e.State().DeepScan_Number, reference.State().DeepScan_Number);
        EXPECT_EQ(e.State().DeepScan_Family, reference.State().DeepScan_Family);
        EXPECT_EQ(e.State().DeepScan_Step, reference.State().DeepScan_Step);
        for (std::size_t k = 0; k < 9; ++k) {
            EXPECT_EQ(e.Board().HisNum()[k].Caption, reference.Board().HisNum()[k].Caption)
                << "slot " << k + 1;
            EXPECT_EQ(e.Board().HisNum()[k].Colour, reference.Board().HisNum()[k].Colour) << "slot " << k + 1;
        }
        EXPECT_EQ(e.Board().HisNum()[0].Tag, reference.Board().HisNum()[0].Tag);
    }
}

// ---- Export -------------------------------------------------------------------------------

TEST_F(Import, ExportWritesCrLfLinesAndImportsBack) {
    Spins({17, 0, 32});
    const fs::path file = dir / "history.txt";
    platform.dialog_answers.push_back(file.string());
    Do([&] { e.Image_Export2Click(); });
    EXPECT_EQ(ReadFile(file), "17\r\n0\r\n32\r\n");

    Do([&] { e.ResetApp(); });
    Do([&] { e.Image_Import2Click(); });
    platform.dialog_answers.push_back(file.string());
    Do([&] { e.Image_LoadFromFile2Click(); });
    ASSERT_TRUE(ClickImport());
    EXPECT_EQ(History(e), (std::vector<int>{17, 0, 32}));
}

TEST_F(Import, ExportOfAnEmptyHistoryWritesAnEmptyFile) {
    const fs::path file = dir / "empty.txt";
    WriteFile(file, "old content");
    platform.dialog_answers.push_back(file.string());
    Do([&] { e.Image_Export2Click(); });
    EXPECT_EQ(ReadFile(file), "");
}

TEST_F(Import, FailedExportKeepsTheOldFile) {
    Spins({1, 2});
    const fs::path file = dir / "kept.txt";
    WriteFile(file, "5\r\n");
    platform.dialog_answers.push_back((dir / "no-folder" / "x.txt").string());
    Do([&] { e.Image_Export2Click(); });
    EXPECT_NE(platform.LastMessage().find("Cannot create file"), std::string::npos);
    // A folder cannot be replaced by the export either.
    platform.dialog_answers.push_back(dir.string());
    Do([&] { e.Image_Export2Click(); });
    EXPECT_EQ(platform.messages.size(), 2U);
    EXPECT_EQ(ReadFile(file), "5\r\n");
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().rfind(".kept", 0), std::string::npos)
            << "temporary file left behind";
}

TEST_F(Import, ExportDuringAProgressRunDoesNothing) {
    Spins({1, 2, 3, 4});
    Do([&] { e.NumberClick(5); });
    Do([&] { e.TimerTick(TimerId::Mode2Timer); });
    ASSERT_EQ(e.State().Engine_Ready, 0);
    platform.dialog_answers.push_back((dir / "x.txt").string());
    Do([&] { e.Image_Export2Click(); });
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_FALSE(fs::exists(dir / "x.txt"));
}

TEST_F(Import, RealSpinSeriesImport) {
    const fs::path series = fs::path(ROTACLE_TEST_DATA) / "spins" / "series1.txt";
    const auto lines = ReadLines(series.string());
    ASSERT_GT(lines.size(), 400U);
    Do([&] { e.Image_Import2Click(); });
    platform.dialog_answers.push_back(series.string());
    Do([&] { e.Image_LoadFromFile2Click(); });
    EXPECT_EQ(e.Panel().Button_Process().Caption, "IMPORT (" + std::to_string(lines.size()) + ")");
    ASSERT_TRUE(ClickImport()) << platform.LastMessage();
    ASSERT_EQ(e.Board().NumbersList().size(), lines.size());
    EXPECT_EQ(std::to_string(e.Board().NumbersList().back()), lines.back());
    EXPECT_EQ(e.Board().HisNum()[0].Caption, lines.back());
    EXPECT_EQ(e.Board().HisNum()[7].Caption, lines[lines.size() - 8]);
}

}  // namespace
}  // namespace rotacle::test
