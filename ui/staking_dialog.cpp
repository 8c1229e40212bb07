#include "ui/staking_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <string_view>
#include <utility>

#include "core/convert.h"
#include "engine/engine.h"
#include "risk/risk.h"

namespace rotacle::ui {

namespace {

QString PresetText(StakingPreset preset) {
    switch (preset) {
        case StakingPreset::Start: return StakingDialog::tr("Defaults: one initial bet more after every bet");
        case StakingPreset::Flat: return StakingDialog::tr("Flat: always the initial bet");
        case StakingPreset::Martingale: return StakingDialog::tr("Martingale: double the stake after a loss");
        case StakingPreset::DAlembert:
            return StakingDialog::tr("d'Alembert: one initial bet more after a loss, one less after a win");
    }
    return {};
}

QString Stakes(const std::vector<double>& stakes) {
    QStringList out;
    for (double s : stakes) out << QString::fromStdString(FloatToStr(s));
    return out.join(QStringLiteral(", "));
}

}  // namespace

StakingDialog::StakingDialog(QWidget* parent, const rotacle::Engine& engine,
                             std::function<bool(const Memo&)> apply)
    : QDialog(parent), engine_(engine), apply_(std::move(apply)) {
    setObjectName(QStringLiteral("StakingDialog"));
    setWindowTitle(tr("Staking"));
    presets_ = new QComboBox(this);
    presets_->setObjectName(QStringLiteral("StakingPreset"));
    for (const StakingPreset p : kStakingPresets) presets_->addItem(PresetText(p), static_cast<int>(p));
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("StakingPreview"));
    preview_->setTextFormat(Qt::PlainText);
    preview_->setWordWrap(true);
    preview_->setMinimumWidth(360);
    auto* note =
        new QLabel(tr("Applying writes the staking rules, minimal profit and phase correction of the "
                      "settings as a loaded settings file does; the initial bet stays."),
                   this);
    note->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(tr("System:"), presets_);
    form->addRow(tr("Stakes:"), preview_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Apply)->setObjectName(QStringLiteral("StakingApply"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);

    connect(presets_, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    connect(buttons->button(QDialogButtonBox::Apply), &QAbstractButton::clicked, this, [this] { Apply(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowPreview();
}

StakingPreset StakingDialog::Preset() const {
    return static_cast<StakingPreset>(presets_->currentData().toInt());
}

void StakingDialog::SetPreset(StakingPreset preset) {
    presets_->setCurrentIndex(presets_->findData(static_cast<int>(preset)));
}

Memo StakingDialog::PresetRecord() const {
    return WithStakingPreset(Preset(), engine_.Settings().Settings_Data());
}

bool StakingDialog::Apply() {
    const bool ok = apply_(PresetRecord());
    ShowPreview();
    return ok;
}

void StakingDialog::ShowPreview() {
    // The game's own rules size the stakes, on a game of their own: nothing
    // of the table changes.
    const double bankroll = engine_.State().Bankroll > 0 ? engine_.State().Bankroll : 1000.0;
    try {
        const Memo record = PresetRecord();
        const auto row = [&](const QString& what, std::string_view outcomes) {
            return what.arg(Stakes(risk::PreviewStakes(record, bankroll, outcomes)));
        };
        preview_->setText(row(tr("Losing every bet: %1"), "LLLLLL") + QLatin1Char('\n') +
                          row(tr("Winning every bet: %1"), "WWWWWW") + QLatin1Char('\n') +
                          row(tr("Three lost, then won: %1"), "LLLWWW"));
    } catch (const std::exception& e) {
        preview_->setText(tr("No preview: %1").arg(QString::fromStdString(e.what())));
    }
}

}  // namespace rotacle::ui
