// The settings record's writers, and the settings file: save, the load order,
// clamping, "fire only on change", and files of any content.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "core/text_file.h"
#include "support/default_record.h"
#include "support/table.h"

namespace rotacle::test {
namespace {

namespace fs = std::filesystem;

class Settings : public Table {
protected:
    void SetUp() override {
        dir = fs::path(ROTACLE_TEST_SCRATCH) /
              ("settings_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        const auto p = (dir / name).string();
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }
    std::string WriteRecord(const std::string& name, const Memo& lines) {
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        return WriteFile(name, text);
    }
    static std::string ReadFile(const std::string& path) { return ReadFileText(path); }
    bool Load(const std::string& path) {
        return Do([&] { e.LoadSettingsFile(path); });
    }
    bool Save(const std::string& path) {
        return Do([&] { e.SaveSettingsFile(path); });
    }

    fs::path dir;
};

// Every settings control as the window shows it, and the rules' edit state.
std::vector<std::string> Controls(const Engine& x) {
    const Inputs& in = x.Inputs();
    std::vector<std::string> out;
    for (const ComboBox* c : {&in.GameModes, &in.BetStrategy, &in.Losses_Type, &in.Losses_Action,
                              &in.Wins_Type, &in.Wins_Action, &in.Search_Pattern})
        out.push_back(IntToStr(c->ItemIndex) + ":" + std::string(c->Text()));
    for (const SpinEdit* c : {&in.Losses_HowMuch, &in.Wins_HowMuch, &in.N_Count, &in.Play_Bets,
                              &in.Until_Profit, &in.Phase_Correction_Value})
        out.push_back(c->Text() + (c->Enabled ? "" : " (off)"));
    for (const Edit* c : {&in.Init_Bet, &in.Losses_ActionValue, &in.Wins_ActionValue}) out.push_back(c->Text);
    for (const CheckBox* c : {&in.Get_Minimal_Profit, &in.Bet_Automatic_Reset, &in.ChBx_Phase_Correction,
                              &in.ChBx_Until_Profit, &in.ChBx_Fixed_Number})
        out.push_back(c->Checked ? "checked" : "unchecked");
    out.push_back("safe level " + IntToStr(in.SafeLevel.Position));
    out.push_back("edit flag " + IntToStr(x.State().Rules_Edit_Flag));
    return out;
}

// The numbers of a spin series, as the window would take them one by one.
std::vector<int> SeriesNumbers(std::size_t count) {
    std::vector<int> numbers;
    for (const std::string& l : ReadLines(std::string(ROTACLE_TEST_DATA) + "/spins/series1.txt", 1 << 20))
        if (!l.empty() && numbers.size() < count) numbers.push_back(static_cast<int>(StrToInt(l)));
    return numbers;
}

double BankrollAfter(Engine& x, const std::vector<int>& numbers) {
    for (int n : numbers) {
        x.Event([&] { x.NumberClick(n); });
        Scheduler::RunToEnd(x, 10000);
        x.Event([&] { x.ShowValuesTimer(); });
    }
    return x.State().Bankroll;
}

struct RoundTripRow {
    const char* name;
    std::function<void(Engine&)> make;  // the settings state, made from start
};

// Lines 0..30 of a record with some lines replaced.
Memo RecordWith(Memo base, std::initializer_list<std::pair<std::size_t, const char*>> lines) {
    for (const auto& [i, text] : lines) base[i] = text;
    return base;
}

void LoadLines(Engine& x, const Memo& lines) {
    ASSERT_TRUE(x.Event([&] { x.LoadSettingsLines(lines); }));
}

TEST_F(Settings, SavedSettingsComeBackWhole) {
    const Memo martingale = RecordWith(kDefaultRecord, {{3, "1"}, {6, "2"}, {7, "1"}, {9, "3"}, {13, "2"}});
    const std::vector<RoundTripRow> rows = {
        {"start", [](Engine&) {}},
        {"initial bet", [](Engine& x) { x.SetEditText(EditId::Init_Bet, "2.5"); }},
        {"boxes and levels",
         [](Engine& x) {
             x.SetSafeLevelPosition(4);
             x.SetChecked(CheckId::Get_Minimal_Profit, true);
             x.SetChecked(CheckId::ChBx_Until_Profit, false);
             x.SetChecked(CheckId::ChBx_Fixed_Number, true);
             x.SetChecked(CheckId::ChBx_Phase_Correction, true);
             x.SetSpinValue(SpinId::Phase_Correction_Value, 2);
             x.SetSpinValue(SpinId::N_Count, 7);
             x.SetSpinValue(SpinId::Play_Bets, 9);
             x.SetSpinValue(SpinId::Until_Profit, 4);
         }},
        {"lists chosen by the player",
         [](Engine& x) {
             x.SelectItem(ComboId::GameModes, 0);
             x.SelectItem(ComboId::BetStrategy, 2);
             x.SelectItem(ComboId::Losses_Type, 2);
             x.SelectItem(ComboId::Wins_Action, 3);
             x.SetChecked(CheckId::Bet_Automatic_Reset, false);
         }},
        {"a named file", [&](Engine& x) { LoadLines(x, martingale); }},
        {"a named file, then a rule edit",
         [&](Engine& x) {
             LoadLines(x, martingale);
             x.SetSpinValue(SpinId::Wins_HowMuch, 3);
         }},
        {"a named file, then the list",
         [&](Engine& x) {
             LoadLines(x, martingale);
             x.SelectItem(ComboId::BetStrategy, 1);
         }},
        {"a file of an earlier version", [](Engine& x) { LoadLines(x, kEarlierRecord); }},
        {"a file with lines the window cannot show",
         [](Engine& x) {
             LoadLines(x, RecordWith(kDefaultRecord,
                                     {{2, "0"}, {3, "9"}, {8, "4"}, {11, "2"}, {12, "5"}, {17, "0"}}));
         }},
        {"a file loaded twice over another",
         [&](Engine& x) {
             LoadLines(x, martingale);
             const Memo other =
                 RecordWith(kDefaultRecord, {{1, "2"}, {3, "4"}, {9, "5"}, {13, "6"}, {16, "1"}});
             LoadLines(x, other);
             LoadLines(x, other);
         }},
    };
    const std::vector<int> numbers = SeriesNumbers(131);
    ASSERT_EQ(numbers.size(), 131u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakePlatform pa, pb, pc;
        Engine a(pa), b(pb), plain(pc);
        row.make(a);
        row.make(plain);
        const auto first = (dir / "a.rtk").string(), second = (dir / "b.rtk").string();
        ASSERT_TRUE(a.Event([&] { a.SaveSettingsFile(first); }));
        const std::vector<std::string> before = Controls(a);

        // Loaded into the same window and into a new one: the same controls.
        ASSERT_TRUE(a.Event([&] { a.LoadSettingsFile(first); }));
        EXPECT_EQ(Controls(a), before);
        ASSERT_TRUE(b.Event([&] { b.LoadSettingsFile(first); }));
        EXPECT_EQ(Controls(b), before);
        ASSERT_TRUE(b.Event([&] { b.SaveSettingsFile(second); }));
        EXPECT_EQ(ReadFile(second), ReadFile(first));
        EXPECT_EQ(a.Settings().Settings_Data(), b.Settings().Settings_Data());

        // The same numbers end at the same bankroll as without the round trip.
        const double expected = BankrollAfter(plain, numbers);
        EXPECT_EQ(BankrollAfter(a, numbers), expected);
        EXPECT_EQ(BankrollAfter(b, numbers), expected);
        EXPECT_TRUE(pa.messages.empty() && pb.messages.empty() && pc.messages.empty());
    }
}

TEST_F(Settings, FileOfAnEarlierVersionLoadsAsItSays) {
    // Such a file holds the start record of earlier versions; its lines are
    // taken as they stand, as they always were, except those that the window
    // never shows otherwise.
    ASSERT_TRUE(Load(WriteRecord("earlier.rtk", kEarlierRecord)));
    EXPECT_EQ(e.Inputs().BetStrategy.Text(), "CUSTOM");
    EXPECT_EQ(e.Inputs().Losses_Type.Text(), "Losses In A Row");
    EXPECT_EQ(e.Inputs().Wins_Type.Text(), "Wins In A Row");
    EXPECT_TRUE(e.Inputs().Get_Minimal_Profit.Checked);
    EXPECT_FALSE(e.Inputs().ChBx_Until_Profit.Checked);
    EXPECT_TRUE(e.Inputs().Bet_Automatic_Reset.Checked);
    EXPECT_EQ(e.Inputs().Wins_Action.Text(), "ADD to bet:") << "the action lists snap back";
    EXPECT_EQ(e.Inputs().GameModes.Text(), "SMART 2025");
    // The record tells the controls as they are.
    Memo want = kEarlierRecord;
    want[2] = "1";
    want[12] = "0";
    EXPECT_EQ(e.Settings().Settings_Data(), want);
}

struct WriterRow {
    const char* name;
    std::function<void(Engine&)> edit;
    std::map<std::size_t, std::string> lines;
};

TEST_F(Settings, EachWriterSetsItsLinesOnly) {
    const std::vector<WriterRow> rows = {
        {"safe level", [](Engine& x) { x.SetSafeLevelPosition(4); }, {{18, "4"}}},
        {"initial bet",
         [](Engine& x) { x.SetEditText(EditId::Init_Bet, "2.5"); },
         {{1, "2.5"}, {3, "5"}, {9, "2.5"}, {13, "2.5"}}},
        {"loss threshold",
         [](Engine& x) { x.SetSpinValue(SpinId::Losses_HowMuch, 3); },
         {{3, "5"}, {6, "3"}}},
        {"win threshold", [](Engine& x) { x.SetSpinValue(SpinId::Wins_HowMuch, 2); }, {{3, "5"}, {10, "2"}}},
        {"minimal profit off",
         [](Engine& x) {
             x.SetChecked(CheckId::Get_Minimal_Profit, true);
             x.SetChecked(CheckId::Get_Minimal_Profit, false);
         },
         {{16, "0"}}},
        {"n count", [](Engine& x) { x.SetSpinValue(SpinId::N_Count, 7); }, {{21, "7"}}},
        {"search pattern",
         [](Engine& x) {
             Arrange(x).Inputs().Search_Pattern.Enabled = true;
             x.SelectItem(ComboId::Search_Pattern, 1);
         },
         {{22, "1"}}},
        {"play bets", [](Engine& x) { x.SetSpinValue(SpinId::Play_Bets, 9); }, {{23, "9"}}},
        {"fixed number", [](Engine& x) { x.SetChecked(CheckId::ChBx_Fixed_Number, true); }, {{24, "1"}}},
        {"until profit box", [](Engine& x) { x.SetChecked(CheckId::ChBx_Until_Profit, false); }, {{25, "0"}}},
        {"until profit", [](Engine& x) { x.SetSpinValue(SpinId::Until_Profit, 6); }, {{26, "6"}}},
        {"phase box", [](Engine& x) { x.SetChecked(CheckId::ChBx_Phase_Correction, true); }, {{29, "1"}}},
        {"phase step", [](Engine& x) { x.SetSpinValue(SpinId::Phase_Correction_Value, 4); }, {{30, "4"}}},
        {"choices the window takes back",
         [](Engine& x) {
             x.SelectItem(ComboId::GameModes, 0);
             x.SelectItem(ComboId::Losses_Type, 2);
             x.SelectItem(ComboId::Wins_Action, 3);
             x.SelectItem(ComboId::BetStrategy, 2);
             x.SetChecked(CheckId::Bet_Automatic_Reset, false);
             x.SetChecked(CheckId::ShowBetSize, false);
             x.Trend_1Click(2);
         },
         {}},
    };
    for (const auto& row : rows) {
        FakePlatform p;
        Engine eng(p);
        row.edit(eng);
        Memo want = kDefaultRecord;
        for (const auto& [line, text] : row.lines) want[line] = text;
        EXPECT_EQ(eng.Settings().Settings_Data(), want) << row.name;
    }
}

TEST_F(Settings, NewInitialBetStillGivesTheFileValuesOfLinesNineThirteenAndThree) {
    Memo file = kDefaultRecord;
    file[1] = "2";
    file[3] = "1";
    file[9] = "3";
    file[13] = "4";
    ASSERT_TRUE(Load(WriteRecord("bet.rtk", file)));
    EXPECT_EQ(e.Inputs().Init_Bet.Text, "2");
    EXPECT_EQ(e.Inputs().Losses_ActionValue.Text, "3");
    EXPECT_EQ(e.Inputs().Wins_ActionValue.Text, "4");
    EXPECT_EQ(e.Inputs().BetStrategy.Text(), "Martingale (x2 on loss)");
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2);
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 3);
    EXPECT_DOUBLE_EQ(e.State().Wins_Amount, 4);
    EXPECT_EQ(e.State().Losses_Units, 1);
    EXPECT_EQ(e.State().Wins_Units, 2);
    EXPECT_EQ(e.Settings().Settings_Data(), file);

    // The next rule edit after the load switches the strategy to CUSTOM.
    e.SetSpinValue(SpinId::Losses_HowMuch, 2);
    EXPECT_EQ(e.Inputs().BetStrategy.Text(), "CUSTOM");
}

TEST_F(Settings, InitialBetChangeRunsOnLoadEvenWhenEqual) {
    Arrange(e).State().Bet_Size = 5;
    ASSERT_TRUE(Load(WriteRecord("same.rtk", kDefaultRecord)));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
}

TEST_F(Settings, OtherValuesFireOnlyWhenChanged) {
    Arrange(e).State().Profit_Target = 5000;
    Memo file = kDefaultRecord;
    file[25] = "0";
    ASSERT_TRUE(Load(WriteRecord("same.rtk", file)));
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 5000) << "line 26 equals the control: no change operation";
    file[26] = "2";
    ASSERT_TRUE(Load(WriteRecord("two.rtk", file)));
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 1002);
}

TEST_F(Settings, ValuesAreClampedAndIndicesOutsideAListSelectNothing) {
    Memo file = kDefaultRecord;
    file[6] = "0";
    file[7] = "9";
    file[8] = "4";
    file[18] = "15";
    file[21] = "-5";
    file[23] = "-3";
    ASSERT_TRUE(Load(WriteRecord("clamp.rtk", file)));
    EXPECT_EQ(e.Inputs().Losses_HowMuch.Text(), "1");
    EXPECT_EQ(e.Inputs().Losses_Type.ItemIndex, -1);
    EXPECT_EQ(e.Inputs().Losses_Type.Text(), "");
    EXPECT_EQ(e.Inputs().Losses_Action.Text(), "ADD to bet:");
    EXPECT_EQ(e.Inputs().SafeLevel.Position, 10);
    EXPECT_EQ(e.Inputs().N_Count.Text(), "1");
    EXPECT_EQ(e.Inputs().Play_Bets.Text(), "-3") << "Play_Bets has no limits";
    EXPECT_EQ(e.Settings().Settings_Data()[7], "9") << "the record keeps the file";
}

TEST_F(Settings, LoadedLossTypeGovernsTheRule) {
    Memo file = kDefaultRecord;
    file[6] = "2";
    file[7] = "1";
    ASSERT_TRUE(Load(WriteRecord("row.rtk", file)));
    ASSERT_EQ(e.Inputs().Losses_Type.Text(), "Losses In A Row");
    Arrange(e).State().Spins_Count = 6;
    Arrange(e).State().Reset_Target = 1e9;
    Arrange(e).State().Bet_Field = 3;
    Arrange(e).Table().ShowChip(2, true);
    for (int n : {2, 1, 2}) {  // lose, win, lose: no row of two
        Arrange(e).Board().SetCurrentNumber(n);
        e.WinLose();
    }
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2) << "only the win rule has added";
    Arrange(e).Board().SetCurrentNumber(4);
    e.WinLose();
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 3);
}

TEST_F(Settings, TenLinesApplyOneToNineAndStopAtTen) {
    Memo file(kDefaultRecord.begin(), kDefaultRecord.begin() + 10);
    file[1] = "2";
    file[6] = "3";
    file[9] = "5";
    EXPECT_FALSE(Load(WriteRecord("ten.rtk", file)));
    EXPECT_EQ(platform.LastMessage(), "'' is not a valid integer value");
    EXPECT_EQ(e.Inputs().Init_Bet.Text, "2");
    EXPECT_EQ(e.Inputs().Losses_HowMuch.Text(), "3");
    EXPECT_EQ(e.Inputs().Losses_ActionValue.Text, "5");
    EXPECT_EQ(e.Inputs().Wins_HowMuch.Text(), "1");
    EXPECT_EQ(e.State().Rules_Edit_Flag, 1) << "the flag is not cleared by a failed load";
    EXPECT_EQ(e.Settings().Settings_Data().size(), 10u);
    const auto out = (dir / "out.rtk").string();
    ASSERT_TRUE(Save(out));
    EXPECT_EQ(SplitLines(ReadFile(out)).size(), 10u);
}

TEST_F(Settings, MissingFlagLinesUncheckTheirBoxes) {
    Memo file(kDefaultRecord.begin(), kDefaultRecord.begin() + 17);  // lines 0 .. 16
    file[16] = "1";
    EXPECT_FALSE(Load(WriteRecord("seventeen.rtk", file)));
    EXPECT_EQ(platform.LastMessage(), "'' is not a valid integer value");
    EXPECT_TRUE(e.Inputs().Get_Minimal_Profit.Checked);
    EXPECT_TRUE(e.Inputs().Bet_Automatic_Reset.Checked) << "its click resets the bets and checks it again";
}

TEST_F(Settings, ThirtySecondLineIsKeptAndWrittenBack) {
    Memo file = kDefaultRecord;
    file.push_back("extra line");
    ASSERT_TRUE(Load(WriteRecord("extra.rtk", file)));
    e.SetSafeLevelPosition(2);
    const auto out = (dir / "out.rtk").string();
    ASSERT_TRUE(Save(out));
    const Memo saved = SplitLines(ReadFile(out));
    ASSERT_EQ(saved.size(), 32u);
    EXPECT_EQ(saved[31], "extra line");
    EXPECT_EQ(saved[18], "2");
}

TEST_F(Settings, LineEndsOfEveryKindAreRead) {
    std::string text;
    for (std::size_t i = 0; i < kDefaultRecord.size(); ++i)
        text += kDefaultRecord[i] + (i % 3 == 0 ? "\n" : i % 3 == 1 ? "\r" : "\r\n");
    ASSERT_TRUE(Load(WriteFile("mixed.rtk", text)));
    EXPECT_EQ(e.Settings().Settings_Data(), kDefaultRecord);
}

struct BadFileRow {
    const char* name;
    std::string content;
    std::string message;
};

std::ostream& operator<<(std::ostream& os, const BadFileRow& r) { return os << r.name; }

class BadSettingsFile : public Settings, public ::testing::WithParamInterface<BadFileRow> {};

TEST_P(BadSettingsFile, GivesTheErrorOfTheFirstFailingStep) {
    const BadFileRow& r = GetParam();
    EXPECT_FALSE(Load(WriteFile("bad.rtk", r.content)));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.LastMessage(), r.message);
    EXPECT_NE(e.State().Rules_Edit_Flag, 0);
    // The engine goes on working afterwards.
    for (int n = 1; n <= 7; ++n) Spin(n);
    EXPECT_TRUE(std::isfinite(e.State().Bankroll));
}

std::string WithLine(std::size_t index, const std::string& value) {
    Memo lines = kDefaultRecord;
    lines[index] = value;
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSettingsFile,
    ::testing::Values(
        BadFileRow{"empty", "", "'' is not a valid integer value"},
        BadFileRow{"binary",
                   std::string("\x00\x01\x02\xff\r\n\x80\xfe\x01"
                               "bin\r\n\x7f\x00",
                               16),
                   "'\x80\xfe\x01"
                   "bin' is not a valid floating point value"},
        BadFileRow{"big whole number", WithLine(6, "99999999999"),
                   "'99999999999' is not a valid integer value"},
        BadFileRow{"exponent", WithLine(2, "1e3"), "'1e3' is not a valid integer value"},
        BadFileRow{"decimal", WithLine(18, "2.0"), "'2.0' is not a valid integer value"},
        BadFileRow{"blank in a number", WithLine(30, " 3"), "' 3' is not a valid integer value"},
        BadFileRow{"text initial bet", WithLine(1, "abc"), "'abc' is not a valid floating point value"},
        BadFileRow{"a megabyte in one line", "//line1\r\n" + std::string(1000 * 1000, '7'),
                   "'" + std::string(60, '7') + "...' is not a valid floating point value"},
        BadFileRow{"single space win amount", WithLine(13, " "), "' ' is not a valid floating point value"}),
    [](const auto& row) {
        std::string n = row.param.name;
        for (auto& c : n)
            if (c == ' ') c = '_';
        return n;
    });

TEST_F(Settings, FileAtTheSizeLimitLoadsWhole) {
    std::string text;
    text.reserve(kSettingsFileLimit);
    while (text.size() + 3 <= kSettingsFileLimit) text += "1\r\n";
    ASSERT_TRUE(Load(WriteFile("big.rtk", text)));
    EXPECT_EQ(e.Settings().Settings_Data().size(), text.size() / 3);
    EXPECT_EQ(e.Inputs().BetStrategy.Text(), "Martingale (x2 on loss)");
    EXPECT_EQ(e.Inputs().Losses_Type.Text(), "Losses In A Row");
    EXPECT_EQ(e.Inputs().Phase_Correction_Value.Text(), "1");
}

TEST_F(Settings, UnreadableFileLeavesTheRecord) {
    e.SetSafeLevelPosition(3);
    const Memo before = e.Settings().Settings_Data();
    EXPECT_FALSE(Load((dir / "missing.rtk").string()));
    EXPECT_EQ(platform.LastMessage().rfind("Cannot open file", 0), 0u) << platform.LastMessage();
    EXPECT_FALSE(Load(dir.string()));
    EXPECT_EQ(e.Settings().Settings_Data(), before);
    EXPECT_EQ(e.Inputs().SafeLevel.Position, 3);
}

TEST_F(Settings, FailedSaveLeavesTheOldFile) {
    const auto path = WriteFile("keep.rtk", "old\r\n");
    EXPECT_FALSE(Save((dir / "no" / "such" / "folder.rtk").string()));
    EXPECT_EQ(platform.LastMessage().rfind("Cannot create file", 0), 0u) << platform.LastMessage();
    EXPECT_FALSE(Save(dir.string()));
    EXPECT_EQ(ReadFile(path), "old\r\n");
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(SplitLines(ReadFile(path)), kDefaultRecord);
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().find(".keep.rtk"), std::string::npos)
            << "no temporary file is left behind";
}

}  // namespace
}  // namespace rotacle::test
