// The main window's refresh: each widget is brought up to date with the
// engine's control data and touched only when what it shows differs.
#include "ui/Unit1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QSlider>
#include <algorithm>

#include "ui/screen_fit.h"
#include "ui/stats_window.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

QColor FromColour(Color c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

template <class W>
void SetEnabledIfChanged(W* w, bool enabled) {
    if (w->isEnabled() != enabled) w->setEnabled(enabled);
}

}  // namespace

void TForm1::Refresh() {
    ++refreshes_;
    const rotacle::Engine& e = engine_;

    // The statistics window looks only while the player can see it.
    if (stats_window_ && stats_window_->isVisible()) stats_window_->Refresh();

    for (std::size_t n = 0; n < cell_.size(); ++n) {
        cell_[n]->SetShown(e.Board().Image()[n].Visible);
        cell_act_[n]->SetShown(e.Chrome().Image_Act()[n].Visible);
    }
    const bool zero_lit = e.Chrome().Image_Act()[0].Visible;
    zero_column_->SetShown(e.Board().Image()[0].Visible || zero_lit);
    if (zero_lit != zero_lit_) {
        zero_lit_ = zero_lit;
        zero_column_->update();
    }
    for (std::size_t k = 0; k < his_num_.size(); ++k) {
        const Label& l = e.Board().HisNum()[k];
        his_num_[k]->SetText(l.Caption);
        his_num_[k]->SetBackground(FromColour(l.Colour));
        his_num_[k]->SetShown(l.Visible);
    }
    for (std::size_t c = 0; c < hover_.size(); ++c)
        if (hover_[c]) hover_[c]->SetShown(e.Chrome().CommandHover()[c].Visible);
    settings3_->SetShown(e.Chrome().Image_Settings3().Visible);
    skip_bet3_->SetShown(e.Table().Image_SkipBet3().Visible);
    // A run makes undo inert unless a number waits to be taken back.
    cancel3_->SetShown(!speed_.UndoActive(e));

    const bool panel_opens = e.Panel().Panel_Import().Visible && import_panel_->isHidden();
    import_panel_->SetShown(e.Panel().Panel_Import().Visible);
    // Above everything it covers, also what was built after it.
    if (panel_opens) import_panel_->raise();
    paste3_->SetShown(e.Panel().Image_PasteFromEvolution3().Visible);
    load3_->SetShown(e.Panel().Image_LoadFromFile3().Visible);
    progress2_->SetProgress(e.Panel().ProgressBar2().Position, e.Panel().ProgressBar2().MaxValue);
    process_->SetCaption(e.Panel().Button_Process().Caption);
    SetEnabledIfChanged(process_, e.Panel().Button_Process().Enabled);

    for (std::size_t i = 0; i < 6; ++i) {
        trend0_[i]->SetShown(e.Modes().Trend_0()[i].Visible);
        trend1_[i]->SetShown(e.Chrome().Trend_1()[i].Visible);
        trend2_[i]->SetShown(e.Modes().Trend_2()[i].Visible);
        field_[i]->SetShown(e.Table().FieldHighlight()[i].Visible);
        chip_[i]->SetShown(e.Table().Chip()[i].Visible);
        if (stake_[i]->SetText(e.Table().BetSizeShow()[i].Caption)) PlaceStakeTag(i);
        stake_[i]->SetShown(e.Table().BetSizeShow()[i].Visible);
    }
    lamp1_->SetShown(e.Display().SL_Indicator1().Visible);
    lamp2_->SetShown(e.Display().SL_Indicator2().Visible);
    gauge1_->SetProgress(e.Display().CGauge1().Position, e.Display().CGauge1().MaxValue);

    bankroll_->SetText(e.Display().Label_Bankroll().Caption);
    bankroll_->SetShown(e.Display().Label_Bankroll().Visible);
    // The grey of the caption while the test bank is on is drawn a little
    // lighter, to read on the dark background; the darker grey of a bank
    // not in use stays, as an inactive caption's.
    QColor bank_caption = FromColour(e.Display().Label9().Colour);
    if (bank_caption == QColor(128, 128, 128)) bank_caption = QColor(140, 140, 140);
    label9_->SetColour(bank_caption);
    bets_played_->SetText(e.Display().Label_BetsPlayed().Caption);
    flat_index_->SetText(e.Display().Label_FlatIndex().Caption);
    numbers_in_game_->SetText(e.Display().Label_NumbersInGame().Caption);
    RefreshNetResult();
    RefreshKeyReadout();
    RefreshOptions();

    RefreshInputs();
    ApplyWindowState();
    DescribeTableForReaders();
}

void TForm1::RefreshInputs() {
    if (!complete_) return;
    rotacle::Engine& e = engine_;
    gauge3_->SetProgress(e.Display().CGauge3().Position, e.Display().CGauge3().MaxValue);
    label4_->SetText(e.Display().Label4().Caption);
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const Edit& ctl = e.EditControl(static_cast<EditId>(i));
        EngineEdit* w = edits_[i];
        w->SetEngineText(ctl.Text);
        SetEnabledIfChanged(w, ctl.Enabled);
        if (w->isReadOnly() != ctl.ReadOnly) w->setReadOnly(ctl.ReadOnly);
    }
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        const SpinEdit& ctl = e.SpinControl(static_cast<SpinId>(i));
        EngineSpin* w = spins_[i];
        w->SetEngineText(ctl.Text());
        SetEnabledIfChanged(w, ctl.Enabled);
        if (w->isReadOnly() != ctl.ReadOnly) w->setReadOnly(ctl.ReadOnly);
    }
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        QCheckBox* w = checks_[i];
        if (!w) continue;
        const CheckBox& ctl = e.CheckControl(static_cast<CheckId>(i));
        if (w->isChecked() != ctl.Checked) w->setChecked(ctl.Checked);
        SetEnabledIfChanged(w, ctl.Enabled);
    }
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        QComboBox* w = combos_[i];
        const ComboBox& ctl = e.ComboControl(static_cast<ComboId>(i));
        if (w->currentIndex() != ctl.ItemIndex) w->setCurrentIndex(ctl.ItemIndex);
        SetEnabledIfChanged(w, ctl.Enabled);
        // A list with colours of its own (the search direction) shows them
        // also while it is disabled, with its text dimmed.
        const std::pair<Color, Color> colours{ctl.Colour, ctl.FontColour};
        if ((ctl.Colour != 0 || ctl.FontColour != 0) && colours != combo_colours_[i]) {
            combo_colours_[i] = colours;
            QPalette pal = w->palette();
            const QColor back = FromColour(ctl.Colour);
            const QColor text = FromColour(ctl.FontColour);
            QColor dimmed = text;
            dimmed.setAlpha(150);
            for (const auto role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
                pal.setColor(QPalette::Active, role, back);
                pal.setColor(QPalette::Inactive, role, back);
                pal.setColor(QPalette::Disabled, role, back.darker(130));
            }
            for (const auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
                pal.setColor(QPalette::Active, role, text);
                pal.setColor(QPalette::Inactive, role, text);
                pal.setColor(QPalette::Disabled, role, dimmed);
            }
            w->setPalette(pal);
        }
    }
    if (safe_level_->value() != e.Inputs().SafeLevel.Position) {
        applying_ = true;
        safe_level_->setValue(e.Inputs().SafeLevel.Position);
        applying_ = false;
    }
    SetEnabledIfChanged(reset_bets_, e.Inputs().ResetBets_Button.Enabled);
    SetEnabledIfChanged(reset_app_, e.Inputs().ResetApp_Button.Enabled);
    SetEnabledIfChanged(create_matrix_, e.Inputs().CreateMatrix_Button.Enabled);
    SetEnabledIfChanged(reset_matrix_, e.Inputs().ResetMatrix_Button.Enabled);
}

void TForm1::ApplyWindowState() {
    rotacle::Engine& e = engine_;
    if (!complete_ && (e.Chrome().ClientHeight() > layout::kClosedHeight || !e.Chrome().Focus().empty()))
        CompleteWindow();
    if (e.Chrome().ClientHeight() != applied_height_) {
        const bool closing = e.Chrome().ClientHeight() < applied_height_;
        applied_height_ = e.Chrome().ClientHeight();
        screen_fit_->Apply(QSize(e.Chrome().ClientWidth(), e.Chrome().ClientHeight()));
        // The settings edits are out of sight now; keys must not reach them.
        if (closing && complete_) FocusTable();
    }
    // Focus requests are one-shot: the next request for the same control
    // must move the focus again. The game hands the focus on to "Show Bet",
    // which the player never sees: the table takes it instead.
    if (!e.Chrome().Focus().empty() && engine_.TakeFocusRequest() == "ShowBetSize") FocusTable();
    if (e.Chrome().Minimized() && !isMinimized() && isVisible()) showMinimized();
    if (e.Chrome().CloseRequested() && !closing_) {
        closing_ = true;
        close();
    }
}

void TForm1::RefreshKeyReadout() {
    // Nearly every refresh finds nothing typed: no text is built for it.
    if (!speed_.Refused() && speed_.Typed().empty() && speed_.Waiting().empty() &&
        key_readout_->Text().isEmpty())
        return;
    std::string text;
    // A cross: the number was refused.
    if (speed_.Refused()) text = "\xE2\x9C\x95 " + tr("not taken").toStdString();
    if (stake_note_ && *stake_note_ != engine_.Board().NumbersList().size()) stake_note_.reset();
    if (!speed_.Typed().empty()) {
        if (!text.empty()) text += "  ";
        text += "\xE2\x96\xB8 " + speed_.Typed();  // a pointer before the typed digits
        // The first number typed after the stake was changed in the settings
        // says the stake it will meet.
        if (stake_note_)
            text += "  " + tr("stake %1")
                               .arg(QString::fromStdString(FloatToStr(engine_.State().Bet_Size)))
                               .toStdString();
    }
    if (!speed_.Waiting().empty()) {
        if (!text.empty()) text += "  ";
        text += tr("waiting:").toStdString();
        for (const int n : speed_.Waiting()) text += " " + std::to_string(n);
    }
    key_readout_->SetText(text);
    key_readout_->SetColour(speed_.Refused() ? QColor(236, 112, 100) : art::kGoldLight);
}

void TForm1::PlaceStakeTag(std::size_t field) {
    Caption* tag = stake_[field];
    const QRect chip = layout::ChipRect(static_cast<int>(field));
    // The tag sits right of the chip, or left of it where the felt ends; only
    // one bet is placed at a time, so it may reach over the next chip place.
    constexpr int kMaxWidth = 180;
    const int width = std::clamp(
        static_cast<int>(QFontMetricsF(tag->font()).horizontalAdvance(tag->Text())) + 10, 24, kMaxWidth);
    int x = chip.right() + 3;
    if (x + width > layout::kFelt.right() - 2) x = chip.left() - 3 - width;
    const QRect place(x, chip.center().y() - 9, width, 18);
    if (tag->geometry() != place) tag->setGeometry(place);
}

}  // namespace rotacle::ui
