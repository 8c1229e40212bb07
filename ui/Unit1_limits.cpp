// The player's options beside the settings file: the zero rule and the
// session limits, kept between runs in the user's configuration, and the
// screen that stops play when a limit is reached.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLocale>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "staking/rules.h"
#include "ui/Unit1.h"
#include "ui/accessible.h"
#include "ui/language.h"
#include "ui/options_file.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

QSettings Stored() { return StoredOptions(); }

const QString kZeroRuleKey = QStringLiteral("play/laPartage");
const QString kLossKey = QStringLiteral("limits/loss");
const QString kProfitKey = QStringLiteral("limits/profit");
const QString kTimeKey = QStringLiteral("limits/timeMinutes");
const QString kSpinsKey = QStringLiteral("limits/spins");
const QString kRealityKey = QStringLiteral("limits/realityMinutes");
const QString kStakeAboveBankrollKey = QStringLiteral("limits/stopOnStakeAboveBankroll");

// A stored count or amount that is no number, or out of range, is off.
double StoredAmount(const QSettings& s, const QString& key) {
    bool ok = false;
    const double v = s.value(key, 0).toDouble(&ok);
    return ok && v > 0 && v <= kMaxAmount ? v : 0;
}
std::int32_t StoredCount(const QSettings& s, const QString& key) {
    bool ok = false;
    const int v = s.value(key, 0).toInt(&ok);
    return ok && v > 0 && v <= kMaxLimit ? v : 0;
}

// "1:05" for an hour and five minutes played.
std::string PlayedText(std::int64_t seconds) {
    const std::int64_t minutes = seconds / 60;
    const std::int64_t m = minutes % 60;
    return IntToStr(minutes / 60) + (m < 10 ? ":0" : ":") + IntToStr(m);
}

const char* LimitHeading(LimitKind kind) {
    switch (kind) {
        case LimitKind::Loss: return QT_TRANSLATE_NOOP("TForm1", "LOSS LIMIT REACHED");
        case LimitKind::Profit: return QT_TRANSLATE_NOOP("TForm1", "PROFIT GOAL REACHED");
        case LimitKind::Time: return QT_TRANSLATE_NOOP("TForm1", "TIME LIMIT REACHED");
        case LimitKind::Spins: return QT_TRANSLATE_NOOP("TForm1", "SPIN LIMIT REACHED");
        case LimitKind::RealityCheck: return QT_TRANSLATE_NOOP("TForm1", "REALITY CHECK");
        case LimitKind::StakeAboveBankroll: return QT_TRANSLATE_NOOP("TForm1", "STAKE ABOVE THE BANKROLL");
        case LimitKind::None: break;
    }
    return "";
}

}  // namespace

void TForm1::ApplyStoredOptions() {
    const QSettings s = Stored();
    LimitSettings limits;
    limits.loss = StoredAmount(s, kLossKey);
    limits.profit = StoredAmount(s, kProfitKey);
    limits.time_minutes = StoredCount(s, kTimeKey);
    limits.spins = StoredCount(s, kSpinsKey);
    limits.reality_minutes = StoredCount(s, kRealityKey);
    limits.stake_above_bankroll = s.value(kStakeAboveBankrollKey, false).toBool();
    const bool partage = s.value(kZeroRuleKey, false).toBool();
    // After a resumed session's replay: a choice made since is a change of
    // its own in the journal.
    Run([&] {
        engine_.SetZeroRule(partage ? ZeroRule::Partage : ZeroRule::None);
        engine_.SetLimits(limits);
    });
}

void TForm1::SetZeroRuleOption(bool partage) {
    Stored().setValue(kZeroRuleKey, partage);
    Run([&] { engine_.SetZeroRule(partage ? ZeroRule::Partage : ZeroRule::None); });
}

void TForm1::SetLimitsOption(const LimitSettings& limits) {
    QSettings s = Stored();
    s.setValue(kLossKey, limits.loss);
    s.setValue(kProfitKey, limits.profit);
    s.setValue(kTimeKey, limits.time_minutes);
    s.setValue(kSpinsKey, limits.spins);
    s.setValue(kRealityKey, limits.reality_minutes);
    s.setValue(kStakeAboveBankrollKey, limits.stake_above_bankroll);
    Run([&] { engine_.SetLimits(limits); });
}

void TForm1::NoteTypedKey(EditId id, const std::string& before, char key) {
    bool& noted = key_noted_[static_cast<std::size_t>(id)];
    const bool dropped = key != '\b' && rotacle::staking::NumericKeyFilter(before, key) == 0;
    const bool no_stake = !dropped && id == EditId::Init_Bet && engine_.EditControl(id).Text != before &&
                          engine_.AmountNotYet();
    if (!dropped && !no_stake) {
        noted = false;
        return;
    }
    if (noted) return;
    noted = true;
    QString name;
    switch (id) {
        case EditId::Init_Bet: name = tr("INITIAL BET"); break;
        case EditId::Test_Bank: name = tr("TEST BANK"); break;
        case EditId::Losses_ActionValue: name = tr("amount of the loss rule"); break;
        case EditId::Wins_ActionValue: name = tr("amount of the win rule"); break;
    }
    QString why;
    if (no_stake)
        why = tr("%1: %2 is no stake; the smallest is 0.01")
                  .arg(name, QString::fromStdString(engine_.EditControl(id).Text));
    else if (key == '.' || key == ',')
        why = tr("%1: an amount has one decimal point; the key is not taken").arg(name);
    else if (key == '-' || key == '+')
        why = tr("%1: amounts are typed without a sign; \"%2\" is not taken")
                  .arg(name, QString(QLatin1Char(key)));
    else
        why = tr("%1: only digits and a decimal point are typed here; \"%2\" is not taken")
                  .arg(name, QString::fromLatin1(&key, 1));
    Announce(*this, why);
}

void TForm1::BuildOptionsRow() {
    partage_ = new QCheckBox(tr("LA PARTAGE"), this);
    partage_->setObjectName(QStringLiteral("LaPartage"));
    partage_->setGeometry(QRect(190, 628, 100, 17));
    connect(partage_, &QCheckBox::clicked, this, [this](bool checked) { SetZeroRuleOption(checked); });

    // The window's language, kept for the next start: the system's, or one
    // by its code, named in its own language in the item's tooltip.
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("Language"));
    language_->setGeometry(QRect(130, 627, 58, 18));
    language_->setFocusPolicy(Qt::StrongFocus);
    language_->setToolTip(tr("Language of the window, from the next start"));
    language_->addItem(tr("AUTO"), QString());
    for (const Language& l : Languages()) {
        language_->addItem(QString::fromLatin1(l.code).toUpper().replace(QLatin1Char('_'), QLatin1Char('-')),
                           QString::fromLatin1(l.code));
        language_->setItemData(language_->count() - 1, QString::fromUtf8(l.name), Qt::ToolTipRole);
    }
    language_->setCurrentIndex(std::max(0, language_->findData(StoredLanguage())));
    connect(language_, &QComboBox::activated, this,
            [this](int index) { StoreLanguage(language_->itemData(index).toString()); });

    // One row of limits, each off at 0; a change takes effect when its edit ends.
    const auto changed = [this] {
        LimitSettings l;
        l.loss = limit_loss_->value();
        l.profit = limit_profit_->value();
        l.time_minutes = limit_time_->value();
        l.spins = limit_spins_->value();
        l.reality_minutes = limit_reality_->value();
        // Kept as it is: the row has no box for it.
        l.stake_above_bankroll = engine_.Limits().Settings().stake_above_bankroll;
        SetLimitsOption(l);
    };
    const auto amount = [&](const char* name, const QRect& place) {
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(place);
        box->setRange(0, 1e9);
        box->setDecimals(2);
        // Amounts are written with a decimal point in every language.
        box->setLocale(QLocale::c());
        box->setSpecialValueText(tr("OFF"));
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        connect(box, &QAbstractSpinBox::editingFinished, this, changed);
        return box;
    };
    const auto count = [&](const char* name, const QRect& place) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(place);
        box->setRange(0, kMaxLimit);
        box->setSpecialValueText(tr("OFF"));
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        connect(box, &QAbstractSpinBox::editingFinished, this, changed);
        return box;
    };
    AddCaption(QStringLiteral("Label_LimitLoss"), QRect(12, 676, 38, 20), tr("LOSS:"), true);
    limit_loss_ = amount("LimitLoss", QRect(50, 676, 52, 20));
    AddCaption(QStringLiteral("Label_LimitProfit"), QRect(106, 676, 48, 20), tr("PROFIT:"), true);
    limit_profit_ = amount("LimitProfit", QRect(154, 676, 54, 20));
    AddCaption(QStringLiteral("Label_LimitTime"), QRect(212, 676, 30, 20), tr("MIN:"), true);
    limit_time_ = count("LimitTime", QRect(242, 676, 36, 20));
    AddCaption(QStringLiteral("Label_LimitSpins"), QRect(282, 676, 40, 20), tr("SPINS:"), true);
    limit_spins_ = count("LimitSpins", QRect(322, 676, 40, 20));
    AddCaption(QStringLiteral("Label_RealityCheck"), QRect(366, 676, 44, 20), tr("CHECK:"), true);
    limit_reality_ = count("RealityCheck", QRect(410, 676, 35, 20));
    RefreshOptions();
}

void TForm1::BuildLimitScreen() {
    // Over the board and the proposal: play stands still until a choice.
    limit_screen_ = new QFrame(this);
    limit_screen_->setObjectName(QStringLiteral("LimitScreen"));
    limit_screen_->setGeometry(QRect(16, 112, 418, 150));
    limit_screen_->setAutoFillBackground(true);
    QPalette palette = limit_screen_->palette();
    palette.setColor(QPalette::Window, QColor(14, 14, 14));
    limit_screen_->setPalette(palette);
    limit_text_ = new Caption(limit_screen_, QStringLiteral("LimitText"), QRect(10, 10, 398, 80),
                              art::Font(13, true), art::kGoldLight, Qt::AlignCenter);
    auto* go_on =
        new FlatButton(limit_screen_, QStringLiteral("LimitGoOn"), QRect(100, 104, 100, 24), tr("GO ON"));
    connect(go_on, &QAbstractButton::clicked, this, [this] { Run([&] { engine_.GoOnPastLimit(); }); });
    auto* new_game = new FlatButton(limit_screen_, QStringLiteral("LimitNewGame"), QRect(218, 104, 100, 24),
                                    tr("NEW GAME"));
    connect(new_game, &QAbstractButton::clicked, this, [this] {
        speed_.DropWaiting();
        Run([&] { engine_.ResetApp(); });
    });
    limit_screen_->hide();
    partage_mark_ = new Caption(this, QStringLiteral("PartageMark"), QRect(16, 211, 90, 11),
                                art::Font(9, true), art::kGold);
    partage_mark_->SetText(tr("LA PARTAGE").toStdString());
    partage_mark_->SetShown(false);
    // The limits of time are looked at every second on the platform's clock.
    limit_clock_ = new QTimer(this);
    limit_clock_->setObjectName(QStringLiteral("LimitClock"));
    connect(limit_clock_, &QTimer::timeout, this, [this] {
        if (platform_.MessageOpen() || platform_.DialogOpen()) return;
        if (engine_.Limits().On() && engine_.Limits().Stopped() == LimitKind::None)
            Run([&] { engine_.CheckLimitClock(); });
    });
}

void TForm1::RefreshOptions() {
    const rotacle::Engine& e = engine_;
    const bool partage = e.ZeroRuleInForce() == ZeroRule::Partage;
    partage_mark_->SetShown(partage);
    if (e.Limits().On() != limit_clock_->isActive()) {
        if (e.Limits().On())
            limit_clock_->start(1000);
        else
            limit_clock_->stop();
    }
    const LimitKind stopped = e.Limits().Stopped();
    if (stopped != LimitKind::None) {
        const SessionLimits& l = e.Limits();
        const double bankroll = e.MoneyHeld();
        QString text =
            tr(LimitHeading(stopped)) + QLatin1Char('\n') +
            tr("Time played %1")
                .arg(QString::fromStdString(PlayedText(l.SecondsPlayed(platform_.ClockSeconds()))));
        if (stopped != LimitKind::RealityCheck)
            text += QStringLiteral(", ") + tr("%1 spins").arg(QString::fromStdString(IntToStr(l.Spins())));
        text += QLatin1Char('\n') +
                tr("Net result %1").arg(QString::fromStdString(FloatToStr(RoundToCents(l.Net(bankroll)))));
        limit_text_->SetText(text.toStdString());
    }
    if (limit_screen_->isVisible() != (stopped != LimitKind::None)) {
        limit_screen_->setVisible(stopped != LimitKind::None);
        if (stopped != LimitKind::None) limit_screen_->raise();
    }
    if (!partage_) return;  // the settings area is not built yet
    if (partage_->isChecked() != partage) partage_->setChecked(partage);
    const LimitSettings& s = e.Limits().Settings();
    // A box being edited keeps the player's text until the edit ends.
    const auto show = [](auto* box, auto value) {
        if (!box->hasFocus() && box->value() != value) box->setValue(value);
    };
    show(limit_loss_, s.loss);
    show(limit_profit_, s.profit);
    show(limit_time_, s.time_minutes);
    show(limit_spins_, s.spins);
    show(limit_reality_, s.reality_minutes);
}

}  // namespace rotacle::ui
