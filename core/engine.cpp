// Window state at its defaults, start-up, and the program's assignments to
// controls.
#include "core/engine.h"

#include <algorithm>
#include <numeric>

namespace rotacle {

namespace {

constexpr Color kGrey128 = 8421504;  // TEST BANK caption while the bank is on

Memo DefaultSettings() {
    return {"//line1", "1",       "0",
            "0",       "",        "//Betting system",
            "1",       "1",       "0",
            "1",       "1",       "1",
            "1",       "1",       "",
            "//line3", "1",       "1",
            "0",       "",        "//adaptive settings",
            "1",       "0",       "5",
            "0",       "0",       "1",
            "",        "//line5", "0",
            "3"};
}

Memo RankOrderPatterns() {
    Memo lines;
    lines.reserve(720);
    std::array<int, 6> p{1, 2, 3, 4, 5, 6};
    do {
        std::string line;
        for (std::size_t i = 0; i < p.size(); ++i) {
            if (i) line += '-';
            line += static_cast<char>('0' + p[i]);
        }
        lines.push_back(std::move(line));
    } while (std::next_permutation(p.begin(), p.end()));
    return lines;
}

SpinEdit MakeSpin(const char* text, std::int32_t min, std::int32_t max, bool enabled, bool read_only) {
    SpinEdit s;
    s.Text = text;
    s.MinValue = min;
    s.MaxValue = max;
    s.Enabled = enabled;
    s.ReadOnly = read_only;
    return s;
}

ComboBox MakeCombo(std::vector<std::string> items, std::int32_t index, bool enabled = true) {
    ComboBox c;
    c.Items = std::move(items);
    c.ItemIndex = index;
    c.Enabled = enabled;
    return c;
}

template <class E, std::size_t N>
std::optional<E> Lookup(std::string_view name, const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<E>(i);
    return std::nullopt;
}

}  // namespace

std::optional<EditId> EditByName(std::string_view name) {
    static constexpr std::array<std::string_view, 4> names = {"Init_Bet", "Test_Bank", "Losses_ActionValue",
                                                              "Wins_ActionValue"};
    return Lookup<EditId>(name, names);
}

std::optional<SpinId> SpinByName(std::string_view name) {
    static constexpr std::array<std::string_view, 6> names = {
        "N_Count", "Play_Bets", "Until_Profit", "Phase_Correction_Value", "Losses_HowMuch", "Wins_HowMuch"};
    return Lookup<SpinId>(name, names);
}

std::optional<CheckId> CheckByName(std::string_view name) {
    static constexpr std::array<std::string_view, 8> names = {
        "ChBx_TestBank",     "Get_Minimal_Profit", "Bet_Automatic_Reset", "ChBx_Phase_Correction",
        "ChBx_Until_Profit", "ChBx_Fixed_Number",  "ShowBetSize",         "CatRows"};
    return Lookup<CheckId>(name, names);
}

std::optional<ComboId> ComboByName(std::string_view name) {
    static constexpr std::array<std::string_view, 7> names = {"GameModes",     "BetStrategy", "Losses_Type",
                                                              "Losses_Action", "Wins_Type",   "Wins_Action",
                                                              "Search_Pattern"};
    return Lookup<ComboId>(name, names);
}

std::optional<int> FieldByName(std::string_view name) {
    for (std::size_t i = 0; i < kFieldNames.size(); ++i)
        if (kFieldNames[i] == name) return static_cast<int>(i);
    return std::nullopt;
}

Engine::Engine(Platform& platform) : platform_(platform) {
    for (auto& l : HisNum) {
        l.Caption.clear();
        l.Colour = 0;
        l.Tag = -1;
    }
    HisNum[8].Visible = false;
    SaveBets.assign(6, "0");
    for (auto& p : Image_Act) p.Visible = false;
    for (auto& p : Chip) p.Visible = false;
    for (auto& p : FieldHighlight) p.Visible = false;
    for (auto& l : BetSizeShow) l.Visible = false;
    for (auto& p : Trend_1) p.Visible = false;
    for (auto& p : Trend_2) p.Visible = false;
    for (auto& p : CommandHover) p.Visible = false;
    CommandHover[static_cast<int>(Command::SkipBet)].Visible = true;
    CommandHover[static_cast<int>(Command::PasteFromEvolution)].Visible = true;
    Image_Settings3.Visible = false;
    Image_SkipBet3.Visible = true;
    Image_Cancel3.Visible = true;
    Image_PasteFromEvolution3.Visible = false;
    Image_LoadFromFile3.Visible = false;
    ImageUndo.Visible = false;
    Undo_Button.Visible = false;
    CreateMatrix_Button.Enabled = false;
    ResetMatrix_Button.Enabled = false;

    Label_BetsPlayed.Caption = "0";
    Label_FlatIndex.Caption = "0";
    Label_NumbersInGame.Caption = "0";
    Label_Bankroll.Caption = "1000";
    shown_bankroll_ = 1000.0;
    Label4.Caption = "0";
    Label9.Colour = kGrey128;
    SL_Indicator1.Visible = false;
    SL_Indicator2.Visible = false;

    GameModes = MakeCombo({"DEEP SCAN 8.0", "SMART 2025", "ADAPTIVE PRO 8.0"}, 1);
    BetStrategy = MakeCombo(
        {"CUSTOM", "Martingale (x2 on loss)", "Parlay (x2 on win)", "Donald (+1 on loss / -1 on win)",
         "Chernyshov (x3 on loss)", "Blind (+1 each spin)", "Up-trender (+1 on win)"},
        5);
    Losses_Type = MakeCombo({"Losses", "Losses In A Row", "Units drawdown"}, 0);
    Losses_Action = MakeCombo({"ADD to bet:", "SUBTRACT:", "MULTIPLY bet by:", "DIVIDE bet by:",
                               "SET bet to:", "Check WINS", "DO NOTHING"},
                              0);
    Wins_Type = MakeCombo({"Wins", "Wins In A Row", "Units of profit"}, 0);
    Wins_Action = MakeCombo(
        {"ADD to bet:", "SUBTRACT:", "MULTIPLY bet by:", "DIVIDE bet by:", "SET bet to:", "DO NOTHING"}, 0);
    Search_Pattern = MakeCombo({"UPTREND", "DOWNTREND"}, 0, false);
    Search_Pattern.Colour = Rgb(0, 100, 0);
    Search_Pattern.FontColour = Rgb(0, 255, 0);

    Losses_HowMuch = MakeSpin("1", 1, 1000000, true, true);
    Wins_HowMuch = MakeSpin("1", 1, 1000000, true, true);
    N_Count = MakeSpin("1", 1, 10000000, false, false);
    Play_Bets = MakeSpin("5", 0, 0, false, false);
    Until_Profit = MakeSpin("1", 0, 0, false, false);
    Phase_Correction_Value = MakeSpin("3", 0, 0, false, false);
    Losses_ActionValue = Edit{"1", true, true};
    Wins_ActionValue = Edit{"1", true, true};
    Test_Bank = Edit{"1000", true, false};
    Init_Bet = Edit{"1", true, false};

    ChBx_TestBank = {true, true};
    Get_Minimal_Profit = {false, true};
    Bet_Automatic_Reset = {true, true};
    ChBx_Phase_Correction = {false, false};
    ChBx_Until_Profit = {true, false};
    ChBx_Fixed_Number = {false, false};
    ShowBetSize = {true, true};
    CatRows = {false, false};
    SafeLevel = TrackBar{0, 0, 10};

    Timers[static_cast<int>(TimerId::ShowValues)] = Timer{true, 10};
    Timers[static_cast<int>(TimerId::Mode1Timer)] = Timer{false, 20};
    Timers[static_cast<int>(TimerId::Mode2Timer)] = Timer{false, 20};
    Timers[static_cast<int>(TimerId::Mode3Timer)] = Timer{false, 40};
    Timers[static_cast<int>(TimerId::Mode4Timer)] = Timer{false, 40};
    Timers[static_cast<int>(TimerId::Mode5Timer)] = Timer{false, 40};
    Timers[static_cast<int>(TimerId::SafeLevel_Timer)] = Timer{false, 50};
    Timers[static_cast<int>(TimerId::Timer_Evolution)] = Timer{false, 2000};

    RANKORDER_patterns = RankOrderPatterns();
    AdaptiveList_FontColour.fill(0);
    Settings_Data = DefaultSettings();

    FormCreate();
}

void Engine::FormCreate() {
    // Numbers convert with "." everywhere already (convert.h), so the first
    // start-up step has nothing left to do here.
    ClientHeight = kClosedHeight;
    ClientWidth = kWidth;
    constexpr Color grey68 = Rgb(68, 68, 68);
    constexpr Color grey49 = Rgb(49, 49, 49);
    GroupBox1_FontColour = grey68;
    On_Wins_Enabled = false;
    On_Wins_Colour = grey49;
    Add_To_Bet_Colour = grey49;
    Add_To_Bet_Enabled = false;
    Label28_FontColour = grey68;
    Label29_FontColour = grey68;
}

// ---- Control access ------------------------------------------------------------

Edit& Engine::EditControl(EditId id) {
    switch (id) {
        case EditId::Init_Bet: return Init_Bet;
        case EditId::Test_Bank: return Test_Bank;
        case EditId::Losses_ActionValue: return Losses_ActionValue;
        case EditId::Wins_ActionValue: return Wins_ActionValue;
    }
    return Init_Bet;
}

SpinEdit& Engine::SpinControl(SpinId id) {
    switch (id) {
        case SpinId::N_Count: return N_Count;
        case SpinId::Play_Bets: return Play_Bets;
        case SpinId::Until_Profit: return Until_Profit;
        case SpinId::Phase_Correction_Value: return Phase_Correction_Value;
        case SpinId::Losses_HowMuch: return Losses_HowMuch;
        case SpinId::Wins_HowMuch: return Wins_HowMuch;
    }
    return N_Count;
}

CheckBox& Engine::CheckControl(CheckId id) {
    switch (id) {
        case CheckId::ChBx_TestBank: return ChBx_TestBank;
        case CheckId::Get_Minimal_Profit: return Get_Minimal_Profit;
        case CheckId::Bet_Automatic_Reset: return Bet_Automatic_Reset;
        case CheckId::ChBx_Phase_Correction: return ChBx_Phase_Correction;
        case CheckId::ChBx_Until_Profit: return ChBx_Until_Profit;
        case CheckId::ChBx_Fixed_Number: return ChBx_Fixed_Number;
        case CheckId::ShowBetSize: return ShowBetSize;
        case CheckId::CatRows: return CatRows;
    }
    return ShowBetSize;
}

ComboBox& Engine::ComboControl(ComboId id) {
    switch (id) {
        case ComboId::GameModes: return GameModes;
        case ComboId::BetStrategy: return BetStrategy;
        case ComboId::Losses_Type: return Losses_Type;
        case ComboId::Losses_Action: return Losses_Action;
        case ComboId::Wins_Type: return Wins_Type;
        case ComboId::Wins_Action: return Wins_Action;
        case ComboId::Search_Pattern: return Search_Pattern;
    }
    return GameModes;
}

void Engine::StartTimer(TimerId id) { TimerControl(id).Enabled = true; }
void Engine::StopTimer(TimerId id) { TimerControl(id).Enabled = false; }

// ---- Program assignments ----------------------------------------------------------

void Engine::CheckMoneyText(EditId id, std::string_view text) {
    CheckAmount(text, id == EditId::Init_Bet ? 0.0 : -kMaxAmount);
}

void Engine::SetEditText(EditId id, std::string_view text) {
    Edit& e = EditControl(id);
    if (e.Text == text) return;
    CheckMoneyText(id, text);
    e.Text.assign(text);
    switch (id) {
        case EditId::Init_Bet: Init_BetChange(); break;
        case EditId::Test_Bank: Test_BankChange(); break;
        case EditId::Losses_ActionValue: Losses_ActionValueChange(); break;
        case EditId::Wins_ActionValue: Wins_ActionValueChange(); break;
    }
}

void Engine::SetSpinText(SpinId id, std::string_view text) {
    SpinEdit& s = SpinControl(id);
    if (s.Text == text) return;
    s.Text.assign(text);
    switch (id) {
        case SpinId::N_Count: N_CountChange(); break;
        case SpinId::Play_Bets: Play_BetsChange(); break;
        case SpinId::Until_Profit: Until_ProfitChange(); break;
        case SpinId::Phase_Correction_Value: Phase_Correction_ValueChange(); break;
        case SpinId::Losses_HowMuch: Losses_HowMuchChange(); break;
        case SpinId::Wins_HowMuch: Wins_HowMuchChange(); break;
    }
}

void Engine::SetSpinValue(SpinId id, std::int32_t value) {
    SetSpinText(id, IntText(SpinControl(id).Clamp(value)));
}

void Engine::SetChecked(CheckId id, bool checked) {
    CheckBox& c = CheckControl(id);
    if (c.Checked == checked) return;
    c.Checked = checked;
    switch (id) {
        case CheckId::ChBx_TestBank: ChBx_TestBankClick(); break;
        case CheckId::Get_Minimal_Profit: Get_Minimal_ProfitClick(); break;
        case CheckId::Bet_Automatic_Reset: Bet_Automatic_ResetClick(); break;
        case CheckId::ChBx_Phase_Correction: ChBx_Phase_CorrectionClick(); break;
        case CheckId::ChBx_Until_Profit: ChBx_Until_ProfitClick(); break;
        case CheckId::ChBx_Fixed_Number: ChBx_Fixed_NumberClick(); break;
        case CheckId::ShowBetSize:
        case CheckId::CatRows: break;  // no click operation
    }
}

void Engine::SetItemIndex(ComboId id, std::int32_t index) { ComboControl(id).SetItemIndex(index); }

void Engine::SelectItem(ComboId id, std::int32_t index) {
    ComboBox& c = ComboControl(id);
    if (!c.Enabled || index < 0 || index >= static_cast<std::int32_t>(c.Items.size())) return;
    c.ItemIndex = index;
    switch (id) {
        case ComboId::GameModes: GameModesChange(); break;
        case ComboId::BetStrategy: BetStrategyChange(); break;
        case ComboId::Losses_Type: Losses_TypeChange(); break;
        case ComboId::Losses_Action: Losses_ActionChange(); break;
        case ComboId::Wins_Type: Wins_TypeChange(); break;
        case ComboId::Wins_Action: Wins_ActionChange(); break;
        case ComboId::Search_Pattern: Search_PatternChange(); break;
    }
}

void Engine::SetSafeLevelPosition(std::int32_t position) {
    position = std::clamp(position, SafeLevel.Min, SafeLevel.Max);
    if (SafeLevel.Position == position) return;
    SafeLevel.Position = position;
    SafeLevelChange();
}

namespace {

// Applies one inserted key to a text: backspace deletes the last character.
std::string WithKey(const std::string& text, char key) {
    std::string t = text;
    if (key == '\b') {
        if (!t.empty()) t.pop_back();
    } else {
        t += key;
    }
    return t;
}

}  // namespace

void Engine::TypeKey(EditId id, char key) {
    Edit& e = EditControl(id);
    if (!e.Enabled || e.ReadOnly) return;
    // A key that would make the text an amount out of range is refused before
    // the key-press handler acts on the text as it stands.
    if (const char filtered = NumericKeyFilter(e.Text, key); filtered != 0)
        CheckMoneyText(id, WithKey(e.Text, filtered));
    switch (id) {
        case EditId::Init_Bet: Init_BetKeyPress(key); break;
        case EditId::Test_Bank: Test_BankKeyPress(key); break;
        case EditId::Losses_ActionValue:
        case EditId::Wins_ActionValue: key = NumericKeyFilter(e.Text, key); break;
    }
    if (key == 0) return;
    SetEditText(id, WithKey(e.Text, key));
}

void Engine::TypeKey(SpinId id, char key) {
    SpinEdit& s = SpinControl(id);
    if (!s.Enabled || s.ReadOnly) return;
    // A spin edit takes digits, a sign and backspace only.
    const bool valid = (key >= '0' && key <= '9') || key == '-' || key == '+' || key == '\b';
    if (!valid) return;
    SetSpinText(id, WithKey(s.Text, key));
}

bool Engine::TimerTick(TimerId id) {
    switch (id) {
        case TimerId::ShowValues: return ShowValuesTimer();
        case TimerId::Mode1Timer: Mode1TimerTimer(); return true;
        case TimerId::Mode2Timer: Mode2TimerTimer(); return true;
        case TimerId::Mode3Timer: Mode3TimerTimer(); return true;
        case TimerId::Mode4Timer: Mode4TimerTimer(); return true;
        case TimerId::Mode5Timer: Mode5TimerTimer(); return true;
        case TimerId::SafeLevel_Timer: return SafeLevel_TimerTimer();
        case TimerId::Timer_Evolution: Timer_EvolutionTimer(); return true;
    }
    return true;
}

std::int32_t Engine::DrawSeeded(std::int32_t range) {
    platform_.RandSeed(static_cast<std::uint32_t>(platform_.ClockSeconds()));
    return platform_.Random(range);
}

bool Engine::TryInitialBet(double& out) const {
    // The display refresh reads the initial bet a hundred times a second;
    // the text is converted again only when it changed.
    if (!init_bet_cache_valid_ || init_bet_cache_text_ != Init_Bet.Text) {
        init_bet_cache_text_ = Init_Bet.Text;
        init_bet_cache_ok_ = TryStrToFloat(Init_Bet.Text, init_bet_cache_value_);
        init_bet_cache_valid_ = true;
    }
    if (init_bet_cache_ok_) out = init_bet_cache_value_;
    return init_bet_cache_ok_;
}

double Engine::InitialBet() const {
    double v = 0;
    if (!TryInitialBet(v)) return StrToFloat(Init_Bet.Text);  // throws the conversion error
    return v;
}

void Engine::ShowBankroll() {
    Label_Bankroll.Caption = FloatToStr(State.Bankroll);
    shown_bankroll_ = State.Bankroll;
}

void Engine::ShowBetsPlayed() { Label_BetsPlayed.Caption.assign(IntText(State.Bets_Played)); }

}  // namespace rotacle
