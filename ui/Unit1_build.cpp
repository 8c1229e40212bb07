// The main window's construction: every picture, caption and input is
// placed and wired to its event here, once.
#include "ui/Unit1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <functional>

#include "rotacle/version.h"
#include "ui/staking_dialog.h"
#include "ui/widgets.h"
#include "ui/wording.h"

namespace rotacle::ui {

namespace {

constexpr std::array<const char*, 6> kFieldSuffix = {"Less", "Even", "Red", "Black", "Odd", "More"};

// The version reads on the dark head picture (the dim grey of other texts
// would not).
const QColor kVersionText{150, 150, 155};

QString Named(const char* prefix, int i) { return QString::fromLatin1(prefix) + QString::number(i); }

QString Named(const char* prefix, const char* suffix) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(suffix);
}

// A press with no move before it (touch, pen) lands on a command's normal
// picture, whose hover picture, the one that acts, is not shown yet: the
// hover is made up for, and the command acts through its hover picture.
void ClickThroughHover(Picture* normal, Picture* hover, std::function<void()> hover_move) {
    normal->SetOnClick([normal, hover, hover_move = std::move(hover_move)] {
        hover_move();
        if (!hover->isHidden() && normal->isVisible()) hover->Click();
    });
}

}  // namespace

Caption* TForm1::AddCaption(const QString& name, const QRect& place, const QString& text, bool bold) {
    auto* c = new Caption(this, name, place, art::Font(11, bold), art::kSilver);
    // A longer word of another language may take a slightly smaller font.
    c->SetShrinkToFit(true, 9);
    c->SetText(text.toStdString());
    return c;
}

Picture* TForm1::AddCommand(Command command, const QString& name, const QRect& place, art::Glyph glyph,
                            const QString& text, QWidget* parent) {
    if (!parent) parent = this;
    auto* normal =
        new Picture(parent, name + QLatin1Char('1'), place, [glyph, text](QPainter& p, const QRectF& r) {
            art::PaintCommand(p, r, glyph, text, art::Look::Normal);
        });
    normal->SetOnHover([this, command] { Run([&] { engine_.CommandMouseMove(command); }); });
    auto* hover =
        new Picture(parent, name + QLatin1Char('2'), place, [glyph, text](QPainter& p, const QRectF& r) {
            art::PaintCommand(p, r, glyph, text, art::Look::Hover);
        });
    hover_[static_cast<std::size_t>(command)] = hover;
    ClickThroughHover(normal, hover, [this, command] { Run([&] { engine_.CommandMouseMove(command); }); });
    return hover;
}

void TForm1::BuildTopRow() {
    head_image_ =
        new Picture(this, QStringLiteral("HeadImage"), layout::kHeadImage,
                    [](QPainter& p, const QRectF& r) { art::PaintBackground(p, r.size().toSize()); });
    head_image_->SetCached(true);
    head_image_->SetOnHover([this] { Run([&] { engine_.Disable_HoversClick(); }); });
    head_image_->SetOnPress([this](QMouseEvent& e) { StartDrag(e.globalPosition().toPoint()); });
    head_image_->SetOnDrag([this](QMouseEvent& e) { DragTo(e.globalPosition().toPoint()); });

    AddCommand(Command::Import, QStringLiteral("Image_Import"), layout::kImport, art::Glyph::Import,
               tr("IMPORT"))
        ->SetOnClick([this] { ImportCommandClick(); });
    AddCommand(Command::Export, QStringLiteral("Image_Export"), layout::kExport, art::Glyph::Export,
               tr("EXPORT"))
        ->SetOnClick([this] { ExportCommandClick(); });

    auto* version = new Caption(this, QStringLiteral("Label32"), layout::kVersion, art::Font(11),
                                kVersionText, Qt::AlignLeft | Qt::AlignVCenter);
    version->SetText("ver " ROTACLE_VERSION);

    // Minimise and close: a normal picture and its hover picture each.
    struct WindowButton {
        Command command;
        QRect place;
        art::Glyph glyph;
        const char* normal;
        const char* hover;
    };
    for (const WindowButton& b : {WindowButton{Command::Minimize, layout::kMinimize, art::Glyph::Minimize,
                                               "Button_Minimize", "Button_Minimize_2"},
                                  WindowButton{Command::Close, layout::kClose, art::Glyph::Close,
                                               "Button_Close", "Button_Close_Hover"}}) {
        const art::Glyph glyph = b.glyph;
        auto* normal = new Picture(
            this, QString::fromLatin1(b.normal), b.place,
            [glyph](QPainter& p, const QRectF& r) { art::PaintWindowButton(p, r, glyph, false); });
        const Command command = b.command;
        normal->SetOnHover([this, command] { Run([&] { engine_.CommandMouseMove(command); }); });
        auto* hover =
            new Picture(this, QString::fromLatin1(b.hover), b.place,
                        [glyph](QPainter& p, const QRectF& r) { art::PaintWindowButton(p, r, glyph, true); });
        hover_[static_cast<std::size_t>(command)] = hover;
        ClickThroughHover(normal, hover,
                          [this, command] { Run([&] { engine_.CommandMouseMove(command); }); });
    }
    hover_[static_cast<std::size_t>(Command::Minimize)]->SetOnClick([this] { Button_Minimize_2Click(); });
    hover_[static_cast<std::size_t>(Command::Close)]->SetOnClick([this] { Button_Close_HoverClick(); });

    gauge1_ = new Gauge(this, QStringLiteral("CGauge1"), layout::kGauge, art::kGold, Qt::black);

    // Bank and history row.
    label9_ = new Caption(this, QStringLiteral("Label9"), layout::kBankCaption, art::Font(11), art::kSilver);
    label9_->SetText(tr("TEST BANK:").toStdString());
    bankroll_ = new Caption(this, QStringLiteral("Label_Bankroll"), layout::kBankroll, art::Font(15, true),
                            art::kText, Qt::AlignLeft | Qt::AlignVCenter);
    bankroll_->SetShrinkToFit(true);
    for (int k = 0; k < 9; ++k) {
        his_num_[static_cast<std::size_t>(k)] =
            new Caption(this, Named("HisNum", k + 1), layout::HisNumRect(k), art::Font(10, true), Qt::white,
                        Qt::AlignCenter);
    }
    // What the keyboard has typed or keeps waiting, under the strip.
    key_readout_ = new Caption(this, QStringLiteral("KeyEntry"), layout::kKeyReadout, art::Font(10, true),
                               art::kGoldLight, Qt::AlignLeft | Qt::AlignVCenter);
    key_readout_->SetShrinkToFit(true);
    auto* cancel2 = AddCommand(Command::Cancel, QStringLiteral("Image_Cancel"), layout::kUndo,
                               art::Glyph::Undo, tr("UNDO"));
    cancel2->SetOnClick([this] { UndoCommandClick(); });
    cancel3_ =
        new Picture(this, QStringLiteral("Image_Cancel3"), layout::kUndo, [](QPainter& p, const QRectF& r) {
            art::PaintCommand(p, r, art::Glyph::Undo, tr("UNDO"), art::Look::Cover);
        });
    AddHelpButton(*this);
}

void TForm1::BuildBoard() {
    auto* plain =
        new Picture(this, QStringLiteral("PlainBoard"), layout::kBoard,
                    [](QPainter& p, const QRectF&) { art::PaintPlainBoard(p, layout::kBoard.topLeft()); });
    // While a run locks the board its cells are hidden: a click at a cell's
    // place still gives the number, which waits for the end of the run.
    plain->SetOnClickAt([this](QPoint at) {
        at += layout::kBoard.topLeft();
        for (int n = 0; n <= 36; ++n) {
            if (!layout::CellRect(n).contains(at)) continue;
            NumberCellClick(n);
            return;
        }
    });
    // The zero's column above and below its cell, in the cell's look.
    zero_column_ = new Picture(
        this, QStringLiteral("ZeroColumn"), layout::kZeroColumn, [this](QPainter& p, const QRectF& r) {
            art::PaintCell(p, r, 0, zero_lit_ ? art::CellLook::Hover : art::CellLook::Normal);
        });
    zero_column_->setAttribute(Qt::WA_OpaquePaintEvent);
    for (int n = 0; n <= 36; ++n) {
        auto* cell = new Picture(
            this, Named("Image", n), layout::CellRect(n),
            [n](QPainter& p, const QRectF&) { art::PaintCellPicture(p, n, art::CellLook::Normal); });
        cell->setAttribute(Qt::WA_OpaquePaintEvent);
        cell->SetOnHover([this, n] { Run([&] { engine_.ImageMouseMove(n); }); });
        cell->SetOnClick([this, n] { NumberCellClick(n); });
        cell_[static_cast<std::size_t>(n)] = cell;
    }
    for (int n = 0; n <= 36; ++n) {
        auto* act = new Picture(
            this, Named("Image_Act_", n), layout::CellRect(n),
            [n](QPainter& p, const QRectF&) { art::PaintCellPicture(p, n, art::CellLook::Hover); });
        act->setAttribute(Qt::WA_OpaquePaintEvent);
        act->SetOnClick([this, n] { NumberCellClick(n); });
        cell_act_[static_cast<std::size_t>(n)] = act;
    }
}

void TForm1::BuildProposal() {
    for (int i = 0; i < 6; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const QRect place = layout::TrendRect(i);
        for (int look = 0; look < 3; ++look) {
            auto* trend = new Picture(
                this, Named("Trend_", kFieldSuffix[s]) + QLatin1Char('_') + QString::number(look), place,
                [i, look](QPainter& p, const QRectF& r) { art::PaintTrend(p, r, i, look); });
            if (look == 0) {
                trend->SetOnHover([this, i] { Run([&] { engine_.Trend_0MouseMove(i); }); });
                trend0_[s] = trend;
            } else if (look == 1) {
                trend->SetOnClick([this, i] { Run([&] { engine_.Trend_1Click(i); }); });
                trend1_[s] = trend;
                ClickThroughHover(trend0_[s], trend,
                                  [this, i] { Run([&] { engine_.Trend_0MouseMove(i); }); });
            } else {
                trend->SetOnClick([this, i] { Run([&] { engine_.Trend_2Click(i); }); });
                trend2_[s] = trend;
            }
        }
        field_[s] = new Picture(this, Named("Field", kFieldSuffix[s]), layout::FieldRect(i),
                                [i](QPainter& p, const QRectF& r) { art::PaintField(p, r, i, true); });
    }
    lamp1_ = new Picture(this, QStringLiteral("SL_Indicator1"), layout::kLamp,
                         [](QPainter& p, const QRectF& r) { art::PaintLamp(p, r, false); });
    lamp2_ = new Picture(this, QStringLiteral("SL_Indicator2"), layout::kLamp,
                         [](QPainter& p, const QRectF& r) { art::PaintLamp(p, r, true); });
    for (int i = 0; i < 6; ++i) {
        const auto s = static_cast<std::size_t>(i);
        chip_[s] = new Picture(this, Named("Chip", kFieldSuffix[s]), layout::ChipRect(i),
                               [](QPainter& p, const QRectF& r) { art::PaintChip(p, r); });
    }
    for (int i = 0; i < 6; ++i) {
        const auto s = static_cast<std::size_t>(i);
        stake_[s] = new Caption(this, Named("BetSizeShow_", kFieldSuffix[s]), layout::StakeRect(i),
                                art::Font(11, true), art::kStake, Qt::AlignCenter);
        stake_[s]->SetBackground(QColor(0, 0, 0, 200));
        stake_[s]->SetShrinkToFit(true);
        PlaceStakeTag(s);
    }
}

void TForm1::BuildCommandRow() {
    auto* shape15 = new Picture(this, QStringLiteral("Shape15"), layout::kCommandStrip,
                                [](QPainter& p, const QRectF& r) { art::PaintCommandStrip(p, r); });
    shape15->SetOnHover([this] { Run([&] { engine_.Disable_HoversClick(); }); });
    auto* shape16 = new Picture(this, QStringLiteral("Shape16"), layout::kStatsStrip,
                                [](QPainter& p, const QRectF& r) { art::PaintStatsStrip(p, r); });
    shape16->SetOnHover([this] { Run([&] { engine_.Disable_HoversClick(); }); });
    auto* stats = new CommandButton(this, QStringLiteral("Button_Stats"), layout::kStatsCommand,
                                    art::Glyph::Stats, tr("STATS"));
    connect(stats, &QAbstractButton::clicked, this, [this] { ShowStatistics(); });
    const QFont value_font = art::Font(11, true);
    numbers_in_game_ = new Caption(this, QStringLiteral("Label_NumbersInGame"), QRect(160, 362, 38, 22),
                                   value_font, art::kText);
    bets_played_ = new Caption(this, QStringLiteral("Label_BetsPlayed"), QRect(276, 362, 38, 22), value_font,
                               art::kText);
    flat_index_ =
        new Caption(this, QStringLiteral("Label_FlatIndex"), QRect(388, 362, 60, 22), value_font, art::kText);

    AddCommand(Command::SkipBet, QStringLiteral("Image_SkipBet"), layout::kSkipBet, art::Glyph::Skip,
               tr("SKIP"))
        ->SetOnClick([this] { Run([&] { engine_.Image_SkipBet2Click(); }); });
    skip_bet3_ = new Picture(this, QStringLiteral("Image_SkipBet3"), layout::kSkipBet,
                             [](QPainter& p, const QRectF& r) {
                                 art::PaintCommand(p, r, art::Glyph::Skip, tr("SKIP"), art::Look::Cover);
                             });
    AddCommand(Command::Settings, QStringLiteral("Image_Settings"), layout::kSettings, art::Glyph::Settings,
               tr("SETTINGS"))
        ->SetOnClick([this] { Run([&] { engine_.Image_Settings2Click(); }); });
    settings3_ = new Picture(
        this, QStringLiteral("Image_Settings3"), layout::kSettings, [](QPainter& p, const QRectF& r) {
            art::PaintCommand(p, r, art::Glyph::Settings, tr("SETTINGS"), art::Look::Cover);
        });
    settings3_->SetOnClick([this] { Run([&] { engine_.Image_Settings3Click(); }); });
    AddCommand(Command::Load, QStringLiteral("Image_Load"), layout::kLoad, art::Glyph::Load, tr("LOAD"))
        ->SetOnClick([this] { Image_Load2Click(); });
    AddCommand(Command::Save, QStringLiteral("Image_Save"), layout::kSave, art::Glyph::Save, tr("SAVE"))
        ->SetOnClick([this] { Image_Save2Click(); });
}

void TForm1::BuildImportPanel() {
    // Built after everything it lies over, so that it covers the board and
    // the bank row while it is open.
    import_panel_ = new Picture(this, QStringLiteral("Panel_Import"), layout::kImportPanel,
                                [](QPainter& p, const QRectF& r) { art::PaintImportPanel(p, r); });
    import_panel_->setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget* panel = import_panel_;

    auto* backdrop = new Picture(panel, QStringLiteral("Image39"), layout::panel::kBackdrop,
                                 [](QPainter& p, const QRectF& r) { art::PaintImportBackdrop(p, r); });
    backdrop->setAttribute(Qt::WA_OpaquePaintEvent);
    backdrop->SetCached(true);
    backdrop->SetOnHover([this] { Run([&] { engine_.Disable_HoversClick(); }); });

    // The two sources, each with a busy cover that lies on top while a pasted
    // page waits to be read: the cover takes neither hover nor click.
    const auto busy = [panel](const char* name, const QRect& place, art::Glyph glyph, const QString& text) {
        return new Picture(panel, QString::fromLatin1(name), place,
                           [glyph, text](QPainter& p, const QRectF& r) {
                               art::PaintCommand(p, r, glyph, text, art::Look::Busy);
                           });
    };
    const QString paste = tr("PASTE FROM EVOLUTION");
    AddCommand(Command::PasteFromEvolution, QStringLiteral("Image_PasteFromEvolution"), layout::panel::kPaste,
               art::Glyph::Paste, paste, panel)
        ->SetOnClick([this] { Run([&] { engine_.Image_PasteFromEvolution2Click(); }); });
    paste3_ = busy("Image_PasteFromEvolution3", layout::panel::kPaste, art::Glyph::Paste, paste);
    const QString load = tr("LOAD FROM FILE");
    AddCommand(Command::LoadFromFile, QStringLiteral("Image_LoadFromFile"), layout::panel::kLoadFromFile,
               art::Glyph::Load, load, panel)
        ->SetOnClick([this] { Run([&] { engine_.Image_LoadFromFile2Click(); }); });
    load3_ = busy("Image_LoadFromFile3", layout::panel::kLoadFromFile, art::Glyph::Load, load);

    progress2_ = new Gauge(panel, QStringLiteral("ProgressBar2"), layout::panel::kProgress, art::kGold,
                           QColor(12, 11, 20));
    progress2_->SetFrame(QColor(70, 64, 96));

    process_ = new ImportButton(panel, QStringLiteral("Button_Process"), layout::panel::kProcess);
    connect(process_, &QAbstractButton::clicked, this, [this] {
        // The import replaces the history: as for a new game, a history with
        // numbers is not given up without a word from the player.
        const std::size_t numbers = engine_.Board().NumbersList().size();
        const std::size_t waiting = engine_.Panel().Import_List().size();
        if (numbers > 0 && process_->isEnabled() &&
            !platform_.Confirm(
                tr("Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.")
                    .arg(waiting)
                    .arg(numbers)
                    .toStdString()))
            return;
        Run([&] { engine_.Button_ProcessClick(); });
    });

    AddCommand(Command::ClosePanel, QStringLiteral("Image_ClosePanel"), layout::panel::kClose,
               art::Glyph::Close, tr("CLOSE"), panel)
        ->SetOnClick([this] { Run([&] { engine_.Image_ClosePanel2Click(); }); });
}

void TForm1::BuildSettingsArea() {
    // The lower part of the background picture: the same hover reset and drag.
    auto* backdrop = new Picture(this, QStringLiteral("SettingsBackdrop"), layout::kSettingsBackdrop,
                                 [](QPainter& p, const QRectF& r) { art::PaintSettingsBackdrop(p, r); });
    backdrop->setAttribute(Qt::WA_OpaquePaintEvent);
    backdrop->SetCached(true);
    backdrop->SetOnHover([this] { Run([&] { engine_.Disable_HoversClick(); }); });
    backdrop->SetOnPress([this](QMouseEvent& e) { StartDrag(e.globalPosition().toPoint()); });
    backdrop->SetOnDrag([this](QMouseEvent& e) { DragTo(e.globalPosition().toPoint()); });

    const auto edit = [this](EditId id, const char* name, const QRect& place) {
        auto* e = new EngineEdit(this, QString::fromLatin1(name), place);
        e->on_key = [this, id](char c) {
            const std::string before = engine_.EditControl(id).Text;
            EditSetting([&] { engine_.TypeKey(id, c); });
            NoteTypedKey(id, before, c);
        };
        // Pasted text is taken as it is; a key typed over a selection or
        // inside the text passes the key filter of the text around it.
        e->on_text = [this, id, e](const std::string& text) {
            if (!e->isEnabled() || e->isReadOnly()) return;
            EditSetting([&] { engine_.SetEditText(id, text); });
        };
        e->key_filter = [this, id](std::string_view rest, char key) {
            const char put = rotacle::staking::NumericKeyFilter(rest, key);
            if (put == 0) NoteTypedKey(id, std::string(rest), key);
            return put;
        };
        edits_[static_cast<std::size_t>(id)] = e;
    };
    const auto spin = [this](SpinId id, const char* name, const QRect& place) {
        auto* s = new EngineSpin(this, QString::fromLatin1(name), place);
        s->setFocusPolicy(Qt::StrongFocus);
        s->on_key = [this, id](char c) { EditSetting([&] { engine_.TypeKey(id, c); }); };
        s->on_step = [this, id](int steps) {
            Run([&] { engine_.SetSpinValue(id, engine_.SpinControl(id).Value() + steps); });
        };
        spins_[static_cast<std::size_t>(id)] = s;
    };
    const auto combo = [this](ComboId id, const char* name, const QRect& place) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(place);
        for (const std::string& item : engine_.ComboControl(id).Items) c->addItem(Worded(item));
        c->setMaxVisibleItems(10);
        // The wheel gives no focus: a list passed over while scrolling stays.
        c->setFocusPolicy(Qt::StrongFocus);
        connect(c, &QComboBox::activated, this,
                [this, id](int index) { Run([&] { engine_.SelectItem(id, index); }); });
        combos_[static_cast<std::size_t>(id)] = c;
    };
    const auto check = [this](CheckId id, const char* name, const QRect& place, const QString& text) {
        auto* c = new QCheckBox(text, this);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(place);
        // A caption too wide beside its box (a wider fallback font) is set smaller.
        const QStyle* style = c->style();
        const int room = place.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, c) -
                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, c) - 2;
        if (const QFont fitted = art::FittedFont(c->font(), c->text(), room); fitted != c->font())
            c->setFont(fitted);
        connect(c, &QCheckBox::clicked, this,
                [this, id](bool checked) { Run([&] { engine_.SetChecked(id, checked); }); });
        checks_[static_cast<std::size_t>(id)] = c;
    };

    // Initial bet, game mode, betting system, test bank.
    AddCaption(QStringLiteral("Label_InitBet"), QRect(12, 396, 78, 20), tr("INITIAL BET:"), true);
    edit(EditId::Init_Bet, "Init_Bet", QRect(90, 396, 58, 20));
    AddCaption(QStringLiteral("Label_GameMode"), QRect(158, 396, 82, 20), tr("GAME MODE:"), true);
    combo(ComboId::GameModes, "GameModes", QRect(240, 396, 205, 20));
    AddCaption(QStringLiteral("Label_BetStrategy"), QRect(12, 421, 112, 20), tr("BETTING SYSTEM:"), true);
    combo(ComboId::BetStrategy, "BetStrategy", QRect(124, 421, 176, 20));
    check(CheckId::ChBx_TestBank, "ChBx_TestBank", QRect(302, 421, 90, 20), tr("TEST BANK:"));
    edit(EditId::Test_Bank, "Test_Bank", QRect(392, 421, 53, 20));

    // Staking rules: loss side above win side.
    AddCaption(QStringLiteral("Label_LossRule"), QRect(12, 458, 44, 20), tr("AFTER"), true)
        ->SetColour(QColor(236, 112, 100));
    spin(SpinId::Losses_HowMuch, "Losses_HowMuch", QRect(56, 458, 58, 20));
    combo(ComboId::Losses_Type, "Losses_Type", QRect(118, 458, 120, 20));
    combo(ComboId::Losses_Action, "Losses_Action", QRect(242, 458, 132, 20));
    edit(EditId::Losses_ActionValue, "Losses_ActionValue", QRect(378, 458, 67, 20));
    AddCaption(QStringLiteral("Label_WinRule"), QRect(12, 490, 44, 20), tr("AFTER"), true)
        ->SetColour(QColor(112, 210, 132));
    spin(SpinId::Wins_HowMuch, "Wins_HowMuch", QRect(56, 490, 58, 20));
    combo(ComboId::Wins_Type, "Wins_Type", QRect(118, 490, 120, 20));
    combo(ComboId::Wins_Action, "Wins_Action", QRect(242, 490, 132, 20));
    edit(EditId::Wins_ActionValue, "Wins_ActionValue", QRect(378, 490, 67, 20));

    // Minimal profit, automatic reset, safety level.
    check(CheckId::Get_Minimal_Profit, "Get_Minimal_Profit", QRect(12, 524, 180, 17),
          tr("GET MINIMAL PROFIT"));
    check(CheckId::Bet_Automatic_Reset, "Bet_Automatic_Reset", QRect(12, 541, 180, 17),
          tr("BET AUTOMATIC RESET"));
    AddCaption(QStringLiteral("Label_SafeLevel"), QRect(222, 524, 78, 16), tr("SAFE LEVEL:"), true);
    label4_ = new Caption(this, QStringLiteral("Label4"), QRect(300, 522, 30, 18), art::Font(13, true),
                          art::kGoldLight);
    safe_level_ = new QSlider(Qt::Horizontal, this);
    safe_level_->setObjectName(QStringLiteral("SafeLevel"));
    safe_level_->setFocusPolicy(Qt::StrongFocus);
    safe_level_->setGeometry(QRect(218, 539, 229, 20));
    safe_level_->setRange(engine_.Inputs().SafeLevel.Min, engine_.Inputs().SafeLevel.Max);
    safe_level_->setSingleStep(1);
    safe_level_->setPageStep(1);
    safe_level_->setTickPosition(QSlider::NoTicks);
    connect(safe_level_, &QSlider::valueChanged, this, [this](int value) {
        if (!applying_) Run([&] { engine_.SetSafeLevelPosition(value); });
    });

    // Matrix options and the profit goal.
    create_matrix_ =
        new FlatButton(this, QStringLiteral("CreateMatrix"), QRect(12, 572, 94, 20), tr("BUILD MATRIX"));
    reset_matrix_ = new FlatButton(this, QStringLiteral("ResetMatrix"), QRect(110, 572, 34, 20), tr("RM"));
    connect(create_matrix_, &QAbstractButton::clicked, this, [this] {
        // Inside a progress run a build would put a second bet on the table.
        if (!engine_.ProgressRunUnderWay()) Run([&] { engine_.CreateMatrix(); });
    });
    connect(reset_matrix_, &QAbstractButton::clicked, this, [this] {
        if (!engine_.ProgressRunUnderWay()) Run([&] { engine_.ResetMatrix(); });
    });
    AddCaption(QStringLiteral("Label_Direction"), QRect(152, 572, 72, 20), tr("DIRECTION:"), true);
    combo(ComboId::Search_Pattern, "Search_Pattern", QRect(224, 572, 98, 20));
    AddCaption(QStringLiteral("Label_PlayBets"), QRect(330, 572, 68, 20), tr("PLAY BETS:"), true);
    spin(SpinId::Play_Bets, "Play_Bets", QRect(398, 572, 47, 20));
    check(CheckId::ChBx_Fixed_Number, "ChBx_Fixed_Number", QRect(12, 596, 110, 20), tr("FIXED NUMBER"));
    spin(SpinId::N_Count, "N_Count", QRect(122, 596, 68, 20));
    check(CheckId::ChBx_Until_Profit, "ChBx_Until_Profit", QRect(192, 596, 206, 20),
          tr("REBUILD MATRIX ON PROFIT (Units):"));
    spin(SpinId::Until_Profit, "Until_Profit", QRect(398, 596, 47, 20));
    gauge3_ =
        new Gauge(this, QStringLiteral("CGauge3"), QRect(12, 621, 433, 5), art::kGold, QColor(14, 14, 14));

    // Phase correction and the resets.
    check(CheckId::ChBx_Phase_Correction, "ChBx_Phase_Correction", QRect(12, 654, 216, 20),
          tr("USE PHASE CORRECTION WITH STEP:"));
    spin(SpinId::Phase_Correction_Value, "Phase_Correction_Value", QRect(230, 654, 50, 20));
    AddCaption(QStringLiteral("Label_Reset"), QRect(300, 654, 44, 20), tr("RESET:"), true);
    reset_bets_ = new FlatButton(this, QStringLiteral("ResetBets"), QRect(345, 654, 48, 20), tr("BETS"));
    connect(reset_bets_, &QAbstractButton::clicked, this, [this] { Run([&] { engine_.ResetBets(); }); });
    reset_app_ = new FlatButton(this, QStringLiteral("ResetApp"), QRect(397, 654, 48, 20), tr("APP"));
    connect(reset_app_, &QAbstractButton::clicked, this, [this] { ResetAppClick(); });

    quick_ = new QCheckBox(tr("QUICK PROPOSALS"), this);
    quick_->setObjectName(QStringLiteral("QuickProposals"));
    quick_->setGeometry(QRect(300, 628, 145, 17));
    quick_->setChecked(speed_.Quick());
    connect(quick_, &QCheckBox::clicked, this, [this](bool checked) { SetQuickProposals(checked); });
    auto* staking = new FlatButton(this, QStringLiteral("Staking"), QRect(12, 627, 112, 19), tr("STAKING…"));
    connect(staking, &QAbstractButton::clicked, this, [this] { ShowStakingDialog(); });
    BuildOptionsRow();

    // "Show Bet" lies right of the shown area and stays hidden: the player
    // never sees it, so it takes neither the focus nor a key.
    check(CheckId::ShowBetSize, "ShowBetSize", QRect(layout::kWidth + 40, 700, 80, 20), tr("Show Bet"));
    checks_[static_cast<std::size_t>(CheckId::ShowBetSize)]->setFocusPolicy(Qt::NoFocus);
}

void TForm1::ShowStakingDialog() {
    if (staking_dialog_ == nullptr) {
        // A preset is written over the settings record and loaded as a
        // settings file is.
        staking_dialog_ = new StakingDialog(this, engine_, [this](const Memo& lines) {
            return Run([&] { engine_.LoadSettingsLines(lines); });
        });
    }
    staking_dialog_->show();
    staking_dialog_->raise();
    staking_dialog_->activateWindow();
}

void TForm1::BuildTimers() {
    for (int i = 0; i < kTimerCount; ++i) {
        auto* t = new QTimer(this);
        t->setObjectName(QStringLiteral("Timer%1").arg(i));
        // Progress runs advance per tick; their pace is what the player sees.
        t->setTimerType(static_cast<TimerId>(i) == TimerId::ShowValues ? Qt::CoarseTimer : Qt::PreciseTimer);
        connect(t, &QTimer::timeout, this, [this, i] { OnTimer(i); });
        timers_[static_cast<std::size_t>(i)] = t;
    }
}
}  // namespace rotacle::ui
