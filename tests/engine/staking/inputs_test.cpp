// Test bank and initial bet: their change and key-press handlers, the key
// filter, the bank check box and N_Count.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <optional>

#include "support/table.h"

namespace rotacle::test {
namespace {

using Inputs = Table;

void Type(Engine& e, EditId id, std::string_view keys) {
    for (char c : keys) e.TypeKey(id, c);
}

TEST_F(Inputs, TypingOneTwoCommaFiveGivesTwelveAndAHalf) {
    ASSERT_TRUE(Do([&] { Type(e, EditId::Test_Bank, "\b\b\b\b"); }));
    EXPECT_EQ(e.Inputs().Test_Bank.Text, "");
    ASSERT_TRUE(Do([&] { Type(e, EditId::Test_Bank, "12,5"); }));
    EXPECT_EQ(e.Inputs().Test_Bank.Text, "12.5");
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 12.5);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 13.5);
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 13.5);
    EXPECT_EQ(e.Display().Label_Bankroll().Caption, "12.5");
    Type(e, EditId::Test_Bank, ".,x-e ");
    EXPECT_EQ(e.Inputs().Test_Bank.Text, "12.5") << "a second point, letters and signs are refused";
}

TEST_F(Inputs, KeyPressTakesTheBankBeforeTheKey) {
    Arrange(e).Inputs().Test_Bank.Text = "70";  // as pasted: no change operation
    e.TypeKey(EditId::Test_Bank, 'q');          // dropped by the filter, still read
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 70);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1001) << "the targets are the change operation's";
}

TEST_F(Inputs, TextStartingWithAPointIsNotTaken) {
    e.SetEditText(EditId::Test_Bank, ".5");
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    e.SetEditText(EditId::Init_Bet, ".5");
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_EQ(e.Settings().Settings_Data()[1], "1");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Inputs, TestBankReplacesTheBankrollMidPlay) {
    WarmUp();
    ASSERT_NE(ShownChip(), -1);
    Do([&] { e.SetEditText(EditId::Test_Bank, "500"); });
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 500) << "the open stake is not taken out of the new bank";
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 501);
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 501);
    WinNext();
    EXPECT_DOUBLE_EQ(Money(), 502) << "a win of that stake still pays twice";
}

TEST_F(Inputs, NewInitialBetResetsAndSetsBothRuleAmounts) {
    WarmUp();
    LoseNext();
    const double money = Money();
    ASSERT_TRUE(Do([&] { e.SetEditText(EditId::Init_Bet, "2"); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2);
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 2);
    EXPECT_DOUBLE_EQ(e.State().Wins_Amount, 2);
    EXPECT_EQ(e.State().Losses_Units, 1);
    EXPECT_EQ(e.State().Wins_Units, 1);
    EXPECT_EQ(e.Inputs().Losses_ActionValue.Text, "2");
    EXPECT_EQ(e.Inputs().Wins_ActionValue.Text, "2");
    EXPECT_DOUBLE_EQ(Money(), money);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, e.State().Bankroll + 2);
    EXPECT_EQ(e.Settings().Settings_Data()[1], "2");
    EXPECT_EQ(e.Settings().Settings_Data()[9], "2");
    EXPECT_EQ(e.Settings().Settings_Data()[13], "2");
}

TEST_F(Inputs, EmptiedInitialBetFailsWhereItIsUsed) {
    ASSERT_TRUE(Do([&] { e.SetEditText(EditId::Init_Bet, ""); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_TRUE(Refresh()) << "the refresh compares nothing";
    EXPECT_FALSE(Do([&] { e.ResetBets(); }));
    EXPECT_EQ(platform.LastMessage(), "'' is not a valid floating point value");
}

TEST_F(Inputs, InitialBetKeyPressResetsOnTheTextBeforeTheKey) {
    WarmUp();
    LoseNext();
    ASSERT_DOUBLE_EQ(e.State().Bet_Size, 2);
    ASSERT_TRUE(Do([&] { e.TypeKey(EditId::Init_Bet, ','); }));
    EXPECT_EQ(e.Inputs().Init_Bet.Text, "1.");
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    ASSERT_TRUE(Do([&] { e.TypeKey(EditId::Init_Bet, '5'); }));
    EXPECT_EQ(e.Inputs().Init_Bet.Text, "1.5");
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1.5);
    EXPECT_EQ(e.Settings().Settings_Data()[1], "1.5");
}

TEST_F(Inputs, KeysIntoADisabledEditDoNothing) {
    e.SetChecked(CheckId::ChBx_TestBank, false);
    e.TypeKey(EditId::Test_Bank, '5');
    EXPECT_EQ(e.Inputs().Test_Bank.Text, "1000");
    Spins({5, 17, 32, 1});
    Do([&] { e.NumberClick(2); });  // the run locks Init_Bet
    e.TypeKey(EditId::Init_Bet, '5');
    EXPECT_EQ(e.Inputs().Init_Bet.Text, "1");
}

TEST_F(Inputs, BankCheckBoxShowsAndColours) {
    e.SetChecked(CheckId::ChBx_TestBank, false);
    EXPECT_FALSE(e.Inputs().Test_Bank.Enabled);
    EXPECT_FALSE(e.Display().Label_Bankroll().Visible);
    EXPECT_EQ(e.Display().Label9().Colour, 5460819u);
    e.SetChecked(CheckId::ChBx_TestBank, true);
    EXPECT_TRUE(e.Inputs().Test_Bank.Enabled);
    EXPECT_TRUE(e.Display().Label_Bankroll().Visible);
    EXPECT_EQ(e.Display().Label9().Colour, 8421504u);
}

TEST_F(Inputs, NCountStaysAtLeastOneAndIsWritten) {
    e.SetSpinValue(SpinId::N_Count, 12);
    EXPECT_EQ(e.Settings().Settings_Data()[21], "12");
    e.SetSpinText(SpinId::N_Count, "0");
    EXPECT_EQ(e.Inputs().N_Count.Text(), "1");
    EXPECT_EQ(e.Settings().Settings_Data()[21], "1");
    e.SetSpinValue(SpinId::N_Count, 20000000);
    EXPECT_EQ(e.Inputs().N_Count.Text(), "10000000");
}

// A text that is no amount is refused as a value, with one message, and never
// locks its edit: the keys back to an amount are taken, and meanwhile the last
// amount taken stays in force.
TEST(AmountEdit, ARefusedAmountIsEditedBackToOne) {
    const struct {
        EditId id;
        const char* set;   // pasted text
        const char* keys;  // typed after it
        const char* message;
        double kept;       // the amount in force meanwhile
        const char* text;  // the edit's text at the end
        double amount;     // the amount taken at the end
    } rows[] = {
        {EditId::Init_Bet, "1e308", "\b\b", "'1e308' is not a valid amount: the largest is 1000000000000", 1,
         "1e3", 1000},
        {EditId::Init_Bet, "x1", "\b\b5", "'x1' is not a valid floating point value", 1, "5", 5},
        {EditId::Test_Bank, "-500", "\b\b\b12", "'-' is not a valid floating point value", -5, "-12", -12},
        {EditId::Test_Bank, "abc", "\b\b\b7", "'abc' is not a valid floating point value", 1000, "7", 7},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.set);
        FakePlatform platform;
        Engine e(platform);
        // The initial bet in force is the stake after a bet reset.
        const auto amount = [&] {
            e.Event([&] { e.ResetBets(); });
            return r.id == EditId::Init_Bet ? e.State().Bet_Size : e.State().Bankroll;
        };
        bool checked = false;
        const auto check_kept = [&] {
            if (checked || platform.messages.empty()) return;
            checked = true;
            EXPECT_DOUBLE_EQ(amount(), r.kept) << "refused at '" << e.EditControl(r.id).Text << "'";
        };
        e.Event([&] { e.SetEditText(r.id, r.set); });
        check_kept();
        for (const char* k = r.keys; *k; ++k) {
            e.Event([&] { e.TypeKey(r.id, *k); });
            check_kept();
        }
        EXPECT_TRUE(checked);
        EXPECT_EQ(platform.messages.size(), 1u) << "one message, when the text turned bad";
        EXPECT_EQ(platform.LastMessage(), r.message);
        EXPECT_EQ(e.EditControl(r.id).Text, r.text);
        EXPECT_DOUBLE_EQ(amount(), r.amount);
    }
}

// ---- Money limits ------------------------------------------------------------------------

enum class Via { Set, Type, Settings };

struct AmountRow {
    const char* name;
    Via via;
    EditId id;
    const char* before;   // text the edit takes first (typing only)
    const char* input;    // text set, keys typed, or the settings line of the edit
    const char* message;  // "" when the amount is taken
};

std::ostream& operator<<(std::ostream& os, const AmountRow& r) { return os << r.name; }

// Everything that an amount reaches: money, rule amounts and units, counters
// that a bet reset clears, the edits, the strategy, the shown bankroll.
std::string MoneyState(const Engine& e, std::optional<EditId> without = std::nullopt) {
    const GameState& s = e.State();
    std::string out;
    for (double v : {s.Bankroll, s.Bet_Size, s.Reset_Target, s.Profit_Target, s.Losses_Amount, s.Wins_Amount,
                     s.Phase_Threshold, s.Phase_Base})
        out += FloatToStr(v) + ' ';
    for (std::int32_t v :
         {s.Losses_Units, s.Wins_Units, s.Rules_Edit_Flag, s.Wins_Count, s.Units_Drawdown, s.Units_Profit,
          e.Inputs().BetStrategy.ItemIndex, e.Inputs().Losses_Type.ItemIndex})
        out += IntToStr(v) + ' ';
    for (const EditId id :
         {EditId::Init_Bet, EditId::Test_Bank, EditId::Losses_ActionValue, EditId::Wins_ActionValue})
        if (id != without) out += "'" + e.EditControl(id).Text + "' ";
    for (const auto& c : e.Table().Chip()) out += c.Visible ? '1' : '0';
    return out + ' ' + e.Display().Label_Bankroll().Caption;
}

class AmountLimit : public Table, public ::testing::WithParamInterface<AmountRow> {};

TEST_P(AmountLimit, RefusesAnAmountBeyondAnyRealOneWithNothingChanged) {
    const AmountRow& r = GetParam();
    WarmUp();
    LoseNext();  // a stake above the initial bet on the table and counters in play
    ASSERT_TRUE(Do([&] { e.SetEditText(EditId::Wins_ActionValue, "3"); }));
    if (*r.before) {
        ASSERT_TRUE(Do([&] { e.SetEditText(r.id, r.before); }));
    }
    const std::string state = MoneyState(e);
    const std::string state_without = MoneyState(e, r.id);
    const Memo record = e.Settings().Settings_Data();
    Memo file = record;
    const std::size_t line = r.id == EditId::Init_Bet ? 1 : r.id == EditId::Losses_ActionValue ? 9 : 13;
    file[line] = r.input;

    platform.messages.clear();
    Do([&] {
        switch (r.via) {
            case Via::Set: e.SetEditText(r.id, r.input); break;
            case Via::Type:
                for (const char* c = r.input; *c; ++c) e.TypeKey(r.id, *c);
                break;
            case Via::Settings:
                Arrange(e).Settings().Replace(file);
                e.Load_Settings_StateClick();
                break;
        }
    });

    if (*r.message == '\0') {
        EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage();
        const std::string taken = r.via == Via::Type ? std::string(r.before) + r.input : std::string(r.input);
        EXPECT_EQ(e.EditControl(r.id).Text, taken);
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.LastMessage(), r.message);
        // The initial bet and the bank keep the text typed or set, so that it
        // can be edited back; their amount in force stays.
        const bool kept = r.via != Via::Settings && (r.id == EditId::Init_Bet || r.id == EditId::Test_Bank);
        EXPECT_EQ(MoneyState(e, kept ? std::optional(r.id) : std::nullopt), kept ? state_without : state);
        if (kept) {
            const std::string shown = r.via == Via::Type ? std::string(r.before) + r.input : r.input;
            EXPECT_EQ(e.EditControl(r.id).Text, shown);
        }
        EXPECT_EQ(e.Settings().Settings_Data(), r.via == Via::Settings ? file : record);
    }
    // Whatever was typed, set or loaded, play goes on with finite money.
    for (int n = 1; n <= 6; ++n) Spin(n);
    for (double v : {e.State().Bankroll, e.State().Bet_Size, e.State().Reset_Target, e.State().Profit_Target})
        EXPECT_TRUE(std::isfinite(v) && std::fabs(v) < 1e13) << FloatToStr(v);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AmountLimit,
    ::testing::Values(
        AmountRow{"initial bet 1e308", Via::Set, EditId::Init_Bet, "", "1e308",
                  "'1e308' is not a valid amount: the largest is 1000000000000"},
        AmountRow{"initial bet starting with a point", Via::Set, EditId::Init_Bet, "", ".5e13",
                  "'.5e13' is not a valid amount: the largest is 1000000000000"},
        AmountRow{"negative initial bet", Via::Set, EditId::Init_Bet, "", "-5",
                  "'-5' is not a valid amount: the smallest is 0"},
        AmountRow{"initial bet 0", Via::Set, EditId::Init_Bet, "", "0",
                  "'0' is not a valid amount: the smallest is 0.01"},
        AmountRow{"initial bet of no cent", Via::Settings, EditId::Init_Bet, "", "0.004",
                  "'0.004' is not a valid amount: the smallest is 0.01"},
        AmountRow{"initial bet 2.5", Via::Set, EditId::Init_Bet, "", "2.5", ""},
        AmountRow{"typed initial bet at the largest", Via::Type, EditId::Init_Bet, "100000000000", "0", ""},
        AmountRow{"typed initial bet past the largest", Via::Type, EditId::Init_Bet, "1000000000000", "0",
                  "'10000000000000' is not a valid amount: the largest is 1000000000000"},
        AmountRow{"typed bank a cent past the largest", Via::Type, EditId::Test_Bank, "1000000000000.", "5",
                  "'1000000000000.5' is not a valid amount: the largest is 1000000000000"},
        AmountRow{"bank far below zero", Via::Set, EditId::Test_Bank, "", "-1e13",
                  "'-1e13' is not a valid amount: the smallest is -1000000000000"},
        AmountRow{"loss amount 1e308", Via::Set, EditId::Losses_ActionValue, "", "1e308",
                  "'1e308' is not a valid amount: the largest is 1000000000000"},
        AmountRow{"win amount far below zero", Via::Set, EditId::Wins_ActionValue, "", "-1000000000000.01",
                  "'-1000000000000.01' is not a valid amount: the smallest is -1000000000000"},
        AmountRow{"settings initial bet -5", Via::Settings, EditId::Init_Bet, "", "-5",
                  "'-5' is not a valid amount: the smallest is 0"},
        AmountRow{"settings loss amount of twenty nines", Via::Settings, EditId::Losses_ActionValue, "",
                  "99999999999999999999",
                  "'99999999999999999999' is not a valid amount: the largest is 1000000000000"},
        AmountRow{"settings win amount 1e13", Via::Settings, EditId::Wins_ActionValue, "", "1e13",
                  "'1e13' is not a valid amount: the largest is 1000000000000"},
        AmountRow{"settings negative loss amount", Via::Settings, EditId::Losses_ActionValue, "", "-0.5", ""},
        AmountRow{"settings win amount 0", Via::Settings, EditId::Wins_ActionValue, "", "0", ""}),
    [](const auto& row) {
        std::string name = row.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

}  // namespace
}  // namespace rotacle::test
