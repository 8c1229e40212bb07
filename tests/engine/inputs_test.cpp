// Test bank and initial bet: their change and key-press handlers, the key
// filter, the bank check box and N_Count.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

using Inputs = Table;

void Type(Engine& e, EditId id, std::string_view keys) {
    for (char c : keys) e.TypeKey(id, c);
}

TEST_F(Inputs, TypingOneTwoCommaFiveGivesTwelveAndAHalf) {
    ASSERT_TRUE(Do([&] { Type(e, EditId::Test_Bank, "\b\b\b\b"); }));
    EXPECT_EQ(e.Test_Bank.Text, "");
    ASSERT_TRUE(Do([&] { Type(e, EditId::Test_Bank, "12,5"); }));
    EXPECT_EQ(e.Test_Bank.Text, "12.5");
    EXPECT_DOUBLE_EQ(e.State.Bankroll, 12.5);
    EXPECT_DOUBLE_EQ(e.State.Reset_Target, 13.5);
    EXPECT_DOUBLE_EQ(e.State.Profit_Target, 13.5);
    EXPECT_EQ(e.Label_Bankroll.Caption, "12.5");
    Type(e, EditId::Test_Bank, ".,x-e ");
    EXPECT_EQ(e.Test_Bank.Text, "12.5") << "a second point, letters and signs are refused";
}

TEST_F(Inputs, KeyPressTakesTheBankBeforeTheKey) {
    e.Test_Bank.Text = "70";            // as pasted: no change operation
    e.TypeKey(EditId::Test_Bank, 'q');  // dropped by the filter, still read
    EXPECT_DOUBLE_EQ(e.State.Bankroll, 70);
    EXPECT_DOUBLE_EQ(e.State.Reset_Target, 1001) << "the targets are the change operation's";
}

TEST_F(Inputs, TextStartingWithAPointIsNotTaken) {
    e.SetEditText(EditId::Test_Bank, ".5");
    EXPECT_DOUBLE_EQ(e.State.Bankroll, 1000);
    e.SetEditText(EditId::Init_Bet, ".5");
    EXPECT_DOUBLE_EQ(e.State.Bet_Size, 1);
    EXPECT_EQ(e.Settings_Data[1], "1");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Inputs, TestBankReplacesTheBankrollMidPlay) {
    WarmUp();
    ASSERT_NE(ShownChip(), -1);
    Do([&] { e.SetEditText(EditId::Test_Bank, "500"); });
    EXPECT_DOUBLE_EQ(e.State.Bankroll, 500) << "the open stake is not taken out of the new bank";
    EXPECT_DOUBLE_EQ(e.State.Reset_Target, 501);
    EXPECT_DOUBLE_EQ(e.State.Profit_Target, 501);
    WinNext();
    EXPECT_DOUBLE_EQ(Money(), 502) << "a win of that stake still pays twice";
}

TEST_F(Inputs, NewInitialBetResetsAndSetsBothRuleAmounts) {
    WarmUp();
    LoseNext();
    const double money = Money();
    ASSERT_TRUE(Do([&] { e.SetEditText(EditId::Init_Bet, "2"); }));
    EXPECT_DOUBLE_EQ(e.State.Bet_Size, 2);
    EXPECT_DOUBLE_EQ(e.State.Losses_Amount, 2);
    EXPECT_DOUBLE_EQ(e.State.Wins_Amount, 2);
    EXPECT_EQ(e.State.Losses_Units, 1);
    EXPECT_EQ(e.State.Wins_Units, 1);
    EXPECT_EQ(e.Losses_ActionValue.Text, "2");
    EXPECT_EQ(e.Wins_ActionValue.Text, "2");
    EXPECT_DOUBLE_EQ(Money(), money);
    EXPECT_DOUBLE_EQ(e.State.Reset_Target, e.State.Bankroll + 2);
    EXPECT_EQ(e.Settings_Data[1], "2");
    EXPECT_EQ(e.Settings_Data[9], "2");
    EXPECT_EQ(e.Settings_Data[13], "2");
}

TEST_F(Inputs, EmptiedInitialBetFailsWhereItIsUsed) {
    ASSERT_TRUE(Do([&] { e.SetEditText(EditId::Init_Bet, ""); }));
    EXPECT_DOUBLE_EQ(e.State.Bet_Size, 1);
    EXPECT_TRUE(Refresh()) << "the refresh compares nothing";
    EXPECT_FALSE(Do([&] { e.ResetBets(); }));
    EXPECT_EQ(platform.LastMessage(), "'' is not a valid floating point value");
}

TEST_F(Inputs, InitialBetKeyPressResetsOnTheTextBeforeTheKey) {
    WarmUp();
    LoseNext();
    ASSERT_DOUBLE_EQ(e.State.Bet_Size, 2);
    ASSERT_TRUE(Do([&] { e.TypeKey(EditId::Init_Bet, ','); }));
    EXPECT_EQ(e.Init_Bet.Text, "1.");
    EXPECT_DOUBLE_EQ(e.State.Bet_Size, 1);
    ASSERT_TRUE(Do([&] { e.TypeKey(EditId::Init_Bet, '5'); }));
    EXPECT_EQ(e.Init_Bet.Text, "1.5");
    EXPECT_DOUBLE_EQ(e.State.Bet_Size, 1.5);
    EXPECT_EQ(e.Settings_Data[1], "1.5");
}

TEST_F(Inputs, KeysIntoADisabledEditDoNothing) {
    e.SetChecked(CheckId::ChBx_TestBank, false);
    e.TypeKey(EditId::Test_Bank, '5');
    EXPECT_EQ(e.Test_Bank.Text, "1000");
    Spins({5, 17, 32, 1});
    Do([&] { e.NumberClick(2); });  // the run locks Init_Bet
    e.TypeKey(EditId::Init_Bet, '5');
    EXPECT_EQ(e.Init_Bet.Text, "1");
}

TEST_F(Inputs, BankCheckBoxShowsAndColours) {
    e.SetChecked(CheckId::ChBx_TestBank, false);
    EXPECT_FALSE(e.Test_Bank.Enabled);
    EXPECT_FALSE(e.Label_Bankroll.Visible);
    EXPECT_EQ(e.Label9.Colour, 5460819u);
    e.SetChecked(CheckId::ChBx_TestBank, true);
    EXPECT_TRUE(e.Test_Bank.Enabled);
    EXPECT_TRUE(e.Label_Bankroll.Visible);
    EXPECT_EQ(e.Label9.Colour, 8421504u);
}

TEST_F(Inputs, NCountStaysAtLeastOneAndIsWritten) {
    e.SetSpinValue(SpinId::N_Count, 12);
    EXPECT_EQ(e.Settings_Data[21], "12");
    e.SetSpinText(SpinId::N_Count, "0");
    EXPECT_EQ(e.N_Count.Text, "1");
    EXPECT_EQ(e.Settings_Data[21], "1");
    e.SetSpinValue(SpinId::N_Count, 20000000);
    EXPECT_EQ(e.N_Count.Text, "10000000");
}

}  // namespace
}  // namespace rotacle::test
