// The main window for keyboard and screen reader: names and roles of the
// painted parts, the Tab order of the commands, and the status line: the
// news of a settled bet or an error, and the table as it stands.
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

#include "core/convert.h"
#include "core/game_state.h"
#include "ui/Unit1.h"
#include "ui/accessible.h"
#include "ui/widgets.h"
#include "ui/wording.h"

namespace rotacle::ui {

namespace {

// The spoken texts have a context of their own in the translations.
struct Accessible {
    Q_DECLARE_TR_FUNCTIONS(Accessible)
};

QString FieldName(int field) { return Worded(kFieldNames[static_cast<std::size_t>(field)]); }

// A number with its colour in words: the cells and the history say it.
QString NumberName(int n) {
    if (n == 0) return Accessible::tr("%1, green").arg(n);
    return IsRed(n) ? Accessible::tr("%1, red").arg(n) : Accessible::tr("%1, black").arg(n);
}

// The text of a caption or a check box without its colon: the name of the
// input beside it.
QString CaptionName(const QWidget* w) {
    QString text;
    if (const auto* c = dynamic_cast<const Caption*>(w)) text = c->Text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

AccessibleFace Named(QAccessible::Role role, QString name) {
    return {role, [name = std::move(name)] { return name; }, {}};
}

// Hears the game's play for the statistics, and says what the table does
// not show for long: a settled bet. What the table shows (the proposal, the
// limit screen) the window's description of the table says.
class PlayAnnouncer final : public PlayListener {
public:
    PlayAnnouncer(QWidget& window, PlayListener& stats, const bool& quiet)
        : window_(window), stats_(stats), quiet_(quiet) {}
    void OnPlay(const PlayEvent& e) noexcept override {
        stats_.OnPlay(e);
        if (quiet_) return;
        try {
            Say(e);
        } catch (...) {
            // Out of memory for a sentence: the game goes on unsaid.
        }
    }

private:
    void Say(const PlayEvent& e) {
        const int field = e.field - 1;
        if (field < 0 || field > 5) return;
        const QString stake = QString::fromStdString(FloatToStr(e.stake));
        const QString bank = QString::fromStdString(FloatToStr(e.bankroll));
        if (e.kind == PlayEventKind::Settled)
            Announce(window_, (e.won ? Accessible::tr("won: stake %1 on %2, bankroll %3")
                                     : Accessible::tr("lost: stake %1 on %2, bankroll %3"))
                                  .arg(stake, FieldName(field), bank));
    }

    QWidget& window_;
    PlayListener& stats_;
    const bool& quiet_;
};

}  // namespace

std::unique_ptr<PlayListener> TForm1::MakeAnnouncer() {
    return std::make_unique<PlayAnnouncer>(*this, stats_, replaying_);
}

void TForm1::SetReplaying(bool replaying) {
    if (replaying_ == replaying) return;
    replaying_ = replaying;
    if (!replaying)
        Announce(*this, Accessible::tr("session resumed: %1 numbers")
                            .arg(static_cast<qulonglong>(engine_.Board().NumbersList().size())));
}

void TForm1::DescribeTableForReaders() {
    const rotacle::Engine& e = engine_;
    // A progress run is no state to tell: its end is.
    for (const TimerId id : kModeTimers)
        if (e.TimerControl(id).Enabled) {
            DescribeTable(*this, {}, false);
            return;
        }
    QStringList parts;
    if (e.Limits().Stopped() != LimitKind::None) {
        // The heading and the net result; the time played moves on.
        const QStringList lines = limit_text_->Text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!lines.isEmpty()) parts << lines.front();
        if (lines.size() > 1) parts << lines.back();
    }
    int chip = -1;
    for (int i = 0; i < 6; ++i)
        if (e.Table().Chip()[static_cast<std::size_t>(i)].Visible) chip = i;
    if (chip >= 0) {
        // The money as the next display refresh shows it: the labels follow
        // within a tick, and a line said before them would be said again.
        const QString stake = QString::fromStdString(FloatToStr(RoundToCents(e.State().Bet_Size)));
        const double held = e.MoneyHeld();
        // A stake beyond the money held is never placed unsaid.
        if (e.State().Bet_Size > held)
            parts << Accessible::tr("proposal: stake %1 on %2, more than the money held (%3)")
                         .arg(stake, FieldName(chip), QString::fromStdString(FloatToStr(RoundToCents(held))));
        else
            parts << Accessible::tr("proposal: stake %1 on %2").arg(stake, FieldName(chip));
    } else {
        parts << Accessible::tr("no bet");
    }
    parts << Accessible::tr("bankroll %1")
                 .arg(QString::fromStdString(FloatToStr(RoundToCents(e.State().Bankroll))));
    QStringList trends;
    for (int i = 0; i < 6; ++i)
        if (e.Modes().Trend_2()[static_cast<std::size_t>(i)].Visible) trends << FieldName(i);
    if (!trends.isEmpty()) parts << Accessible::tr("trend: %1").arg(trends.join(QStringLiteral(", ")));
    if (lamp1_->isVisibleTo(this)) parts << Accessible::tr("safe level lamp: off (red)");
    if (lamp2_->isVisibleTo(this)) parts << Accessible::tr("safe level lamp: on (green)");
    if (speed_.Refused()) parts << Accessible::tr("not taken");
    if (!speed_.Waiting().empty()) {
        QStringList waiting;
        for (const int n : speed_.Waiting()) waiting << QString::number(n);
        parts << Accessible::tr("waiting: %1").arg(waiting.join(QLatin1Char(' ')));
    }
    if (e.Panel().Open()) {
        const QString process = QString::fromStdString(e.Panel().Button_Process().Caption);
        parts << (process.isEmpty() ? Accessible::tr("import panel open")
                                    : Accessible::tr("import panel open: %1").arg(process));
    }
    const auto& numbers = e.Board().NumbersList();
    QString count = Accessible::tr("numbers in game %1").arg(static_cast<qulonglong>(numbers.size()));
    if (!numbers.empty())
        count += QStringLiteral(", ") + Accessible::tr("last %1").arg(NumberName(numbers.back()));
    parts << count;
    DescribeTable(*this, parts.join(QStringLiteral("; ")));
}

void TForm1::BuildAccessibility() {
    InstallAccessibility();
    platform_.SetOnMessage([this](const std::string& text) {
        Announce(*this, Accessible::tr("error: %1").arg(QString::fromStdString(text)));
    });
    // Keyboard order: the table, the trends, the commands, the import panel.
    std::vector<QWidget*> order;
    const auto command = [&order](QWidget* w, AccessibleFace face) {
        w->setFocusPolicy(Qt::TabFocus);
        SetAccessibleFace(*w, std::move(face));
        order.push_back(w);
    };
    for (int n = 0; n <= 36; ++n) {
        const auto s = static_cast<std::size_t>(n);
        command(cell_[s], Named(QAccessible::Button, NumberName(n)));
        SetAccessibleFace(*cell_act_[s], Named(QAccessible::Button, NumberName(n)));
        KeepOutOfTree(*cell_act_[s]);
    }
    for (int i = 0; i < 6; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const QString trend = Accessible::tr("trend: %1").arg(FieldName(i));
        const auto chosen = [this, s] { return engine_.Modes().Trend_2()[s].Visible; };
        // The normal look is the command; the chosen look lies on it and
        // takes its press.
        command(trend0_[s], {QAccessible::Button, [trend] { return trend; }, chosen});
        for (Picture* look : {trend1_[s], trend2_[s]}) {
            SetAccessibleFace(*look, {QAccessible::Button, [trend] { return trend; }, chosen});
            KeepOutOfTree(*look);
        }
        SetAccessibleFace(*field_[s],
                          Named(QAccessible::StaticText, Accessible::tr("%1 field, lit").arg(FieldName(i))));
        SetAccessibleFace(*chip_[s],
                          Named(QAccessible::Graphic, Accessible::tr("chip on %1").arg(FieldName(i))));
        SetAccessibleFace(
            *stake_[s],
            {QAccessible::StaticText,
             [this, s, i] { return Accessible::tr("stake %1 on %2").arg(stake_[s]->Text(), FieldName(i)); },
             {}});
    }
    // A lamp is a picture that says its state; only the lit one is shown.
    SetAccessibleFace(*lamp1_, Named(QAccessible::Graphic, Accessible::tr("safe level lamp: off (red)")));
    SetAccessibleFace(*lamp2_, Named(QAccessible::Graphic, Accessible::tr("safe level lamp: on (green)")));

    // Each picture command: its normal picture takes the focus and is the
    // command in the tree; its hover picture reads the same; a cover is no
    // command and makes the command read as disabled.
    struct PictureCommand {
        Command command;
        const char* name;
        QString text;
    };
    const PictureCommand commands[] = {
        {Command::Cancel, "Image_Cancel1", tr("UNDO")},
        {Command::SkipBet, "Image_SkipBet1", tr("SKIP")},
        {Command::Settings, "Image_Settings1", tr("SETTINGS")},
        {Command::Load, "Image_Load1", tr("LOAD")},
        {Command::Save, "Image_Save1", tr("SAVE")},
        {Command::Import, "Image_Import1", tr("IMPORT")},
        {Command::Export, "Image_Export1", tr("EXPORT")},
        {Command::Minimize, "Button_Minimize", Accessible::tr("minimise")},
        {Command::Close, "Button_Close", Accessible::tr("close")},
        {Command::PasteFromEvolution, "Image_PasteFromEvolution1", tr("PASTE FROM EVOLUTION")},
        {Command::LoadFromFile, "Image_LoadFromFile1", tr("LOAD FROM FILE")},
        {Command::ClosePanel, "Image_ClosePanel1", tr("CLOSE")},
    };
    for (const PictureCommand& c : commands) {
        SetAccessibleFace(*findChild<QWidget*>(QString::fromLatin1(c.name)),
                          Named(QAccessible::Button, c.text));
        SetAccessibleFace(*hover_[static_cast<std::size_t>(c.command)], Named(QAccessible::Button, c.text));
        KeepOutOfTree(*hover_[static_cast<std::size_t>(c.command)]);
    }
    // The settings command is on while the area is open.
    const QString settings = tr("SETTINGS");
    SetAccessibleFace(*findChild<QWidget*>(QStringLiteral("Image_Settings1")),
                      {QAccessible::Button, [settings] { return settings; },
                       [this] { return engine_.Chrome().ClientHeight() > layout::kClosedHeight; }});
    SetAccessibleFace(*settings3_, Named(QAccessible::Button, settings));
    KeepOutOfTree(*settings3_);
    const QString help = Accessible::tr("help");
    SetAccessibleFace(*findChild<QWidget*>(QStringLiteral("Button_Help")), Named(QAccessible::Button, help));
    QWidget* help_hover = findChild<QWidget*>(QStringLiteral("Button_Help_2"));
    help_hover->setAccessibleName(help);
    KeepOutOfTree(*help_hover);
    const auto not_available = [](const QString& text) {
        return Named(QAccessible::Graphic, Accessible::tr("%1, not available").arg(text));
    };
    SetAccessibleFace(*cancel3_, not_available(tr("UNDO")));
    SetAccessibleFace(*skip_bet3_, not_available(tr("SKIP")));
    SetAccessibleFace(*paste3_, not_available(tr("PASTE FROM EVOLUTION")));
    SetAccessibleFace(*load3_, not_available(tr("LOAD FROM FILE")));
    for (Picture* cover : {cancel3_, skip_bet3_, paste3_, load3_}) KeepOutOfTree(*cover);
    SetAccessibleFace(*import_panel_, Named(QAccessible::Pane, Accessible::tr("import panel")));
    for (const char* name :
         {"Image_Cancel1", "Image_SkipBet1", "Button_Stats", "Image_Settings1", "Image_Load1", "Image_Save1",
          "Image_Import1", "Image_Export1", "Button_Help", "Button_Minimize", "Button_Close",
          "Image_PasteFromEvolution1", "Image_LoadFromFile1", "Button_Process", "Image_ClosePanel1",
          "LimitGoOn", "LimitNewGame"}) {
        QWidget* w = findChild<QWidget*>(QString::fromLatin1(name));
        w->setFocusPolicy(Qt::TabFocus);
        order.push_back(w);
    }
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);

    // The readouts say what they show.
    const auto readout = [](Caption* c, const char* pattern) {
        SetAccessibleFace(
            *c,
            {QAccessible::StaticText, [c, pattern] { return Accessible::tr(pattern).arg(c->Text()); }, {}});
    };
    readout(bankroll_, QT_TRANSLATE_NOOP("Accessible", "bankroll %1"));
    readout(bets_played_, QT_TRANSLATE_NOOP("Accessible", "bets played %1"));
    readout(flat_index_, QT_TRANSLATE_NOOP("Accessible", "flat index %1"));
    readout(numbers_in_game_, QT_TRANSLATE_NOOP("Accessible", "numbers in game %1"));
    SetAccessibleFace(*gauge1_, Named(QAccessible::ProgressBar, Accessible::tr("run progress")));
    SetAccessibleFace(*progress2_, Named(QAccessible::ProgressBar, Accessible::tr("import progress")));
    // The history strip: a list of numbers, each with its colour.
    std::vector<QWidget*> history;
    for (Caption* slot : his_num_) {
        SetAccessibleFace(*slot, {QAccessible::ListItem,
                                  [slot] {
                                      bool ok = false;
                                      const int n = slot->Text().toInt(&ok);
                                      return ok && n >= 0 && n <= 36 ? NumberName(n) : slot->Text();
                                  },
                                  {}});
        history.push_back(slot);
    }
    SetAccessibleList(*this, history, [] { return Accessible::tr("history"); });
    ShowFocusRing(*this);
}

void TForm1::BuildSettingsAccessibility() {
    const auto part = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };
    // An input reads the caption or check box beside it, or a name of its own.
    const std::pair<const char*, const char*> beside[] = {
        {"Init_Bet", "Label_InitBet"},
        {"GameModes", "Label_GameMode"},
        {"BetStrategy", "Label_BetStrategy"},
        {"Test_Bank", "ChBx_TestBank"},
        {"Play_Bets", "Label_PlayBets"},
        {"Search_Pattern", "Label_Direction"},
        {"N_Count", "ChBx_Fixed_Number"},
        {"Until_Profit", "ChBx_Until_Profit"},
        {"Phase_Correction_Value", "ChBx_Phase_Correction"},
        {"SafeLevel", "Label_SafeLevel"},
        {"LimitLoss", "Label_LimitLoss"},
        {"LimitProfit", "Label_LimitProfit"},
        {"LimitTime", "Label_LimitTime"},
        {"LimitSpins", "Label_LimitSpins"},
        {"RealityCheck", "Label_RealityCheck"},
    };
    for (const auto& [input, caption] : beside) part(input)->setAccessibleName(CaptionName(part(caption)));
    const std::pair<const char*, const char*> own[] = {
        {"Losses_HowMuch", QT_TRANSLATE_NOOP("Accessible", "losses before the action")},
        {"Losses_Type", QT_TRANSLATE_NOOP("Accessible", "kind of loss")},
        {"Losses_Action", QT_TRANSLATE_NOOP("Accessible", "action after losses")},
        {"Losses_ActionValue", QT_TRANSLATE_NOOP("Accessible", "value of the action after losses")},
        {"Wins_HowMuch", QT_TRANSLATE_NOOP("Accessible", "wins before the action")},
        {"Wins_Type", QT_TRANSLATE_NOOP("Accessible", "kind of win")},
        {"Wins_Action", QT_TRANSLATE_NOOP("Accessible", "action after wins")},
        {"Wins_ActionValue", QT_TRANSLATE_NOOP("Accessible", "value of the action after wins")},
        {"Language", QT_TRANSLATE_NOOP("Accessible", "language")},
    };
    for (const auto& [input, text] : own) part(input)->setAccessibleName(Accessible::tr(text));
    SetAccessibleFace(*gauge3_, Named(QAccessible::ProgressBar, Accessible::tr("matrix build progress")));
    SetAccessibleFace(*label4_, {QAccessible::StaticText,
                                 [this] { return Accessible::tr("safe level %1").arg(label4_->Text()); },
                                 {}});
    // The flat buttons of the area take the focus after its other inputs.
    for (FlatButton* b : {create_matrix_, reset_matrix_, reset_bets_, reset_app_})
        b->setFocusPolicy(Qt::TabFocus);
}

}  // namespace rotacle::ui
