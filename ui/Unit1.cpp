#include "ui/Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "engine/scheduler.h"
#include "rotacle/version.h"
#include "ui/help_window.h"
#include "ui/screen_fit.h"
#include "ui/stats_window.h"
#include "ui/tooltips.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

QColor FromColour(Color c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

constexpr std::array<const char*, 6> kFieldSuffix = {"Less", "Even", "Red", "Black", "Odd", "More"};

QString Named(const char* prefix, int i) { return QString::fromLatin1(prefix) + QString::number(i); }

QString Named(const char* prefix, const char* suffix) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(suffix);
}

QIcon WindowIcon() {
    QIcon icon;
    // Window managers ask for small icons; the installed icon is scalable.
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        art::PaintLogo(p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

template <class W>
void SetEnabledIfChanged(W* w, bool enabled) {
    if (w->isEnabled() != enabled) w->setEnabled(enabled);
}

// The one choice kept between runs. It lies outside the settings file, whose
// layout is fixed, in the user's configuration folder.
const QString kQuickProposalsKey = QStringLiteral("play/quickProposals");

bool StoredQuickProposals() {
    const QSettings stored(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("rotacle"),
                           QStringLiteral("rotacle"));
    return stored.value(kQuickProposalsKey, false).toBool();
}

void StoreQuickProposals(bool quick) {
    QSettings stored(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("rotacle"),
                     QStringLiteral("rotacle"));
    stored.setValue(kQuickProposalsKey, quick);
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

// Inputs that take typed keys themselves while the player sees them.
bool TakesKeys(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractButton*>(w);
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), engine_(platform_) {
    platform_.SetWindow(this);
    // The statistics follow the game's play from the start, a resumed
    // journal's replay included.
    engine_.SetPlayListener(&stats_);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Rotacle 8.0"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(layout::kWidth, layout::kClosedHeight);
    screen_fit_ = new ScreenFit(*this);
    platform_.SetAfterDialog([this] { ResetHovers(); });

    BuildTopRow();
    BuildBoard();
    BuildProposal();
    BuildCommandRow();
    BuildImportPanel();
    BuildTimers();
    speed_.SetQuick(StoredQuickProposals());
    setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
    Refresh();
    SyncTimers();
}

TForm1::~TForm1() {
    engine_.SetPlayListener(nullptr);
    qApp->removeEventFilter(this);
    // The timers must not tick into a half-destroyed window.
    for (QTimer* t : timers_)
        if (t) t->stop();
}

void TForm1::CompleteWindow() {
    if (complete_) return;
    complete_ = true;
    const QList<QWidget*> before = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    BuildSettingsArea();
    // Widgets added to a shown window stay hidden until they are shown.
    QList<QWidget*> added;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (before.contains(w)) continue;
        w->show();
        added << w;
    }
    screen_fit_->SetScrollingArea(layout::kSettingsArea, added);
    setWindowIcon(WindowIcon());
    // No settings edit may hold the focus while the area is closed: typed
    // digits would change the bet unseen.
    FocusShowBetSize();
    Refresh();
    ApplyTooltips(*this);
}

// ---- Construction ---------------------------------------------------------------

Caption* TForm1::AddCaption(const QString& name, const QRect& place, const QString& text, bool bold) {
    auto* c = new Caption(this, name, place, art::Font(11, bold), art::kSilver);
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
               QStringLiteral("IMPORT"))
        ->SetOnClick([this] { ImportCommandClick(); });
    AddCommand(Command::Export, QStringLiteral("Image_Export"), layout::kExport, art::Glyph::Export,
               QStringLiteral("EXPORT"))
        ->SetOnClick([this] { ExportCommandClick(); });

    auto* version = new Caption(this, QStringLiteral("Label32"), layout::kVersion, art::Font(11),
                                art::kDimText, Qt::AlignLeft | Qt::AlignVCenter);
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
    label9_->SetText("TEST BANK:");
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
                               art::Glyph::Undo, QStringLiteral("UNDO"));
    cancel2->SetOnClick([this] { UndoCommandClick(); });
    cancel3_ =
        new Picture(this, QStringLiteral("Image_Cancel3"), layout::kUndo, [](QPainter& p, const QRectF& r) {
            art::PaintCommand(p, r, art::Glyph::Undo, QStringLiteral("UNDO"), art::Look::Cover);
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
                                    art::Glyph::Stats, QStringLiteral("STATS"));
    connect(stats, &QAbstractButton::clicked, this, [this] { ShowStatistics(); });
    const QFont value_font = art::Font(11, true);
    numbers_in_game_ = new Caption(this, QStringLiteral("Label_NumbersInGame"), QRect(160, 362, 38, 22),
                                   value_font, art::kText);
    bets_played_ = new Caption(this, QStringLiteral("Label_BetsPlayed"), QRect(276, 362, 38, 22), value_font,
                               art::kText);
    flat_index_ =
        new Caption(this, QStringLiteral("Label_FlatIndex"), QRect(388, 362, 60, 22), value_font, art::kText);

    AddCommand(Command::SkipBet, QStringLiteral("Image_SkipBet"), layout::kSkipBet, art::Glyph::Skip,
               QStringLiteral("SKIP"))
        ->SetOnClick([this] { Run([&] { engine_.Image_SkipBet2Click(); }); });
    skip_bet3_ = new Picture(
        this, QStringLiteral("Image_SkipBet3"), layout::kSkipBet, [](QPainter& p, const QRectF& r) {
            art::PaintCommand(p, r, art::Glyph::Skip, QStringLiteral("SKIP"), art::Look::Cover);
        });
    AddCommand(Command::Settings, QStringLiteral("Image_Settings"), layout::kSettings, art::Glyph::Settings,
               QStringLiteral("SETTINGS"))
        ->SetOnClick([this] { Run([&] { engine_.Image_Settings2Click(); }); });
    settings3_ = new Picture(
        this, QStringLiteral("Image_Settings3"), layout::kSettings, [](QPainter& p, const QRectF& r) {
            art::PaintCommand(p, r, art::Glyph::Settings, QStringLiteral("SETTINGS"), art::Look::Cover);
        });
    settings3_->SetOnClick([this] { Run([&] { engine_.Image_Settings3Click(); }); });
    AddCommand(Command::Load, QStringLiteral("Image_Load"), layout::kLoad, art::Glyph::Load,
               QStringLiteral("LOAD"))
        ->SetOnClick([this] { Image_Load2Click(); });
    AddCommand(Command::Save, QStringLiteral("Image_Save"), layout::kSave, art::Glyph::Save,
               QStringLiteral("SAVE"))
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
    const QString paste = QStringLiteral("PASTE FROM EVOLUTION");
    AddCommand(Command::PasteFromEvolution, QStringLiteral("Image_PasteFromEvolution"), layout::panel::kPaste,
               art::Glyph::Paste, paste, panel)
        ->SetOnClick([this] { Run([&] { engine_.Image_PasteFromEvolution2Click(); }); });
    paste3_ = busy("Image_PasteFromEvolution3", layout::panel::kPaste, art::Glyph::Paste, paste);
    const QString load = QStringLiteral("LOAD FROM FILE");
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
        const std::size_t numbers = engine_.board().NumbersList().size();
        const std::size_t waiting = engine_.panel().Import_List().size();
        if (numbers > 0 && process_->isEnabled() &&
            !platform_.Confirm("Import " + std::to_string(waiting) +
                               " numbers? They replace the history of " + std::to_string(numbers) +
                               " numbers; the bankroll stays."))
            return;
        Run([&] { engine_.Button_ProcessClick(); });
    });

    AddCommand(Command::ClosePanel, QStringLiteral("Image_ClosePanel"), layout::panel::kClose,
               art::Glyph::Close, QStringLiteral("CLOSE"), panel)
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
        e->on_key = [this, id](char c) { EditSetting([&] { engine_.TypeKey(id, c); }); };
        // Pasted text is taken as it is; a key typed over a selection or
        // inside the text passes the key filter of the text around it.
        e->on_text = [this, id, e](const std::string& text) {
            if (!e->isEnabled() || e->isReadOnly()) return;
            EditSetting([&] { engine_.SetEditText(id, text); });
        };
        e->key_filter = &rotacle::Engine::NumericKeyFilter;
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
        for (const std::string& item : engine_.ComboControl(id).Items)
            c->addItem(QString::fromStdString(item));
        c->setMaxVisibleItems(10);
        // The wheel gives no focus: a list passed over while scrolling stays.
        c->setFocusPolicy(Qt::StrongFocus);
        connect(c, &QComboBox::activated, this,
                [this, id](int index) { Run([&] { engine_.SelectItem(id, index); }); });
        combos_[static_cast<std::size_t>(id)] = c;
    };
    const auto check = [this](CheckId id, const char* name, const QRect& place, const char* text) {
        auto* c = new QCheckBox(QString::fromLatin1(text), this);
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
    AddCaption(QStringLiteral("Label_InitBet"), QRect(12, 396, 78, 20), QStringLiteral("INITIAL BET:"), true);
    edit(EditId::Init_Bet, "Init_Bet", QRect(90, 396, 58, 20));
    AddCaption(QStringLiteral("Label_GameMode"), QRect(158, 396, 82, 20), QStringLiteral("GAME MODE:"), true);
    combo(ComboId::GameModes, "GameModes", QRect(240, 396, 205, 20));
    AddCaption(QStringLiteral("Label_BetStrategy"), QRect(12, 421, 112, 20),
               QStringLiteral("BETTING SYSTEM:"), true);
    combo(ComboId::BetStrategy, "BetStrategy", QRect(124, 421, 172, 20));
    check(CheckId::ChBx_TestBank, "ChBx_TestBank", QRect(302, 421, 90, 20), "TEST BANK:");
    edit(EditId::Test_Bank, "Test_Bank", QRect(392, 421, 53, 20));

    // Staking rules: loss side above win side.
    AddCaption(QStringLiteral("Label_LossRule"), QRect(12, 458, 44, 20), QStringLiteral("AFTER"), true)
        ->SetColour(QColor(236, 112, 100));
    spin(SpinId::Losses_HowMuch, "Losses_HowMuch", QRect(56, 458, 58, 20));
    combo(ComboId::Losses_Type, "Losses_Type", QRect(118, 458, 120, 20));
    combo(ComboId::Losses_Action, "Losses_Action", QRect(242, 458, 132, 20));
    edit(EditId::Losses_ActionValue, "Losses_ActionValue", QRect(378, 458, 67, 20));
    AddCaption(QStringLiteral("Label_WinRule"), QRect(12, 490, 44, 20), QStringLiteral("AFTER"), true)
        ->SetColour(QColor(112, 210, 132));
    spin(SpinId::Wins_HowMuch, "Wins_HowMuch", QRect(56, 490, 58, 20));
    combo(ComboId::Wins_Type, "Wins_Type", QRect(118, 490, 120, 20));
    combo(ComboId::Wins_Action, "Wins_Action", QRect(242, 490, 132, 20));
    edit(EditId::Wins_ActionValue, "Wins_ActionValue", QRect(378, 490, 67, 20));

    // Minimal profit, automatic reset, safety level.
    check(CheckId::Get_Minimal_Profit, "Get_Minimal_Profit", QRect(12, 524, 180, 17), "GET MINIMAL PROFIT");
    check(CheckId::Bet_Automatic_Reset, "Bet_Automatic_Reset", QRect(12, 541, 180, 17),
          "BET AUTOMATIC RESET");
    AddCaption(QStringLiteral("Label_SafeLevel"), QRect(222, 524, 78, 16), QStringLiteral("SAFE LEVEL:"),
               true);
    label4_ = new Caption(this, QStringLiteral("Label4"), QRect(300, 522, 30, 18), art::Font(13, true),
                          art::kGoldLight);
    safe_level_ = new QSlider(Qt::Horizontal, this);
    safe_level_->setObjectName(QStringLiteral("SafeLevel"));
    safe_level_->setFocusPolicy(Qt::StrongFocus);
    safe_level_->setGeometry(QRect(218, 539, 229, 20));
    safe_level_->setRange(engine_.inputs().SafeLevel.Min, engine_.inputs().SafeLevel.Max);
    safe_level_->setSingleStep(1);
    safe_level_->setPageStep(1);
    safe_level_->setTickPosition(QSlider::NoTicks);
    connect(safe_level_, &QSlider::valueChanged, this, [this](int value) {
        if (!applying_) Run([&] { engine_.SetSafeLevelPosition(value); });
    });

    // Matrix options and the profit goal.
    create_matrix_ = new FlatButton(this, QStringLiteral("CreateMatrix"), QRect(12, 572, 94, 20),
                                    QStringLiteral("BUILD MATRIX"));
    reset_matrix_ =
        new FlatButton(this, QStringLiteral("ResetMatrix"), QRect(110, 572, 34, 20), QStringLiteral("RM"));
    connect(create_matrix_, &QAbstractButton::clicked, this, [this] {
        // Inside a progress run a build would put a second bet on the table.
        if (!engine_.ProgressRunUnderWay()) Run([&] { engine_.CreateMatrix(); });
    });
    connect(reset_matrix_, &QAbstractButton::clicked, this, [this] {
        if (!engine_.ProgressRunUnderWay()) Run([&] { engine_.ResetMatrix(); });
    });
    AddCaption(QStringLiteral("Label_Direction"), QRect(152, 572, 72, 20), QStringLiteral("DIRECTION:"),
               true);
    combo(ComboId::Search_Pattern, "Search_Pattern", QRect(224, 572, 98, 20));
    AddCaption(QStringLiteral("Label_PlayBets"), QRect(330, 572, 68, 20), QStringLiteral("PLAY BETS:"), true);
    spin(SpinId::Play_Bets, "Play_Bets", QRect(398, 572, 47, 20));
    check(CheckId::ChBx_Fixed_Number, "ChBx_Fixed_Number", QRect(12, 596, 110, 20), "FIXED NUMBER");
    spin(SpinId::N_Count, "N_Count", QRect(122, 596, 68, 20));
    check(CheckId::ChBx_Until_Profit, "ChBx_Until_Profit", QRect(192, 596, 206, 20),
          "REBUILD MATRIX ON PROFIT (Units):");
    spin(SpinId::Until_Profit, "Until_Profit", QRect(398, 596, 47, 20));
    gauge3_ =
        new Gauge(this, QStringLiteral("CGauge3"), QRect(12, 621, 433, 5), art::kGold, QColor(14, 14, 14));

    // Phase correction and the resets.
    check(CheckId::ChBx_Phase_Correction, "ChBx_Phase_Correction", QRect(12, 654, 216, 20),
          "USE PHASE CORRECTION WITH STEP:");
    spin(SpinId::Phase_Correction_Value, "Phase_Correction_Value", QRect(230, 654, 50, 20));
    AddCaption(QStringLiteral("Label_Reset"), QRect(300, 654, 44, 20), QStringLiteral("RESET:"), true);
    reset_bets_ =
        new FlatButton(this, QStringLiteral("ResetBets"), QRect(345, 654, 48, 20), QStringLiteral("BETS"));
    connect(reset_bets_, &QAbstractButton::clicked, this, [this] { Run([&] { engine_.ResetBets(); }); });
    reset_app_ =
        new FlatButton(this, QStringLiteral("ResetApp"), QRect(397, 654, 48, 20), QStringLiteral("APP"));
    connect(reset_app_, &QAbstractButton::clicked, this, [this] { ResetAppClick(); });

    quick_ = new QCheckBox(QStringLiteral("QUICK PROPOSALS"), this);
    quick_->setObjectName(QStringLiteral("QuickProposals"));
    quick_->setGeometry(QRect(300, 628, 145, 17));
    quick_->setChecked(speed_.Quick());
    connect(quick_, &QCheckBox::clicked, this, [this](bool checked) { SetQuickProposals(checked); });

    // "Show Bet" lies right of the shown area: it takes the focus that several
    // inputs hand on, so that the space bar toggles the stake labels.
    check(CheckId::ShowBetSize, "ShowBetSize", QRect(layout::kWidth + 40, 700, 80, 20), "Show Bet");
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

// ---- Events ------------------------------------------------------------------------

void TForm1::AfterEvent() {
    // A number typed during a run goes in as soon as the board takes it.
    speed_.EnterWaiting(engine_);
    Refresh();
    SyncTimers();
}

void TForm1::OnTimer(int index) {
    // While an error message waits for the player, timers hold still: a tick
    // that fails again would stack one message box on the other. While a file
    // dialog is open, the operation that asked for it is still under way and
    // no other operation may run in its middle.
    if (platform_.MessageOpen() || platform_.DialogOpen()) return;
    const auto id = static_cast<TimerId>(index);
    ++ticks_[static_cast<std::size_t>(index)];
    const bool reading_page = id == TimerId::Timer_Evolution && engine_.TimerControl(id).Enabled;
    const std::size_t messages = platform_.Messages().size();
    bool changed = Scheduler::Tick(engine_, id, speed_.Quick());
    if (speed_.EnterWaiting(engine_)) changed = true;
    // A display or lamp refresh that found everything in place leaves the
    // window as it is: no widget is compared, nothing is repainted.
    if (changed) Refresh();
    SyncTimers();
    // A page read without an error that yields no number would otherwise
    // leave the player waiting for an IMPORT that never comes.
    if (reading_page && !engine_.TimerControl(id).Enabled && platform_.Messages().size() == messages &&
        engine_.panel().Open() && engine_.panel().Import_List().empty())
        platform_.ShowMessage("The pasted page holds no roulette numbers: nothing to import.");
}

void TForm1::SyncTimers() {
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& t = engine_.TimerControl(static_cast<TimerId>(i));
        QTimer* q = timers_[static_cast<std::size_t>(i)];
        if (!t.Enabled) {
            if (q->isActive()) q->stop();
            continue;
        }
        const int interval = std::max(1, static_cast<int>(t.Interval));
        if (!q->isActive() || q->interval() != interval) q->start(interval);
    }
}

void TForm1::ImportCommandClick() {
    Run([&] { engine_.Image_Import2Click(); });
}

void TForm1::ExportCommandClick() {
    Run([&] { engine_.Image_Export2Click(); });
}

void TForm1::Image_Load2Click() {
    const FileDialogSpec request{"Rotacle 8 Settings(*.rtk)|*.rtk", "rtk", false};
    const auto path = platform_.OpenFileDialog(request);
    if (!path) return;
    Run([&] { engine_.LoadSettingsFile(*path); });
}

void TForm1::Image_Save2Click() {
    const FileDialogSpec request{"Rotacle 8 Settings(*.rtk)|*.rtk", "rtk", true};
    const auto path = platform_.SaveFileDialog(request);
    if (!path) return;
    Run([&] { engine_.SaveSettingsFile(*path); });
}

void TForm1::Button_Minimize_2Click() {
    Run([&] { engine_.Button_Minimize_2Click(); });
}

void TForm1::Button_Close_HoverClick() {
    Run([&] { engine_.Button_Close_HoverClick(); });
}

void TForm1::ResetAppClick() {
    const std::size_t numbers = engine_.board().NumbersList().size();
    if (numbers > 0) {
        const std::string question = "Start a new game? The history of " + std::to_string(numbers) +
                                     " numbers is cleared; the bankroll stays.";
        if (!platform_.Confirm(question)) return;
    }
    // Numbers still waiting belong to the game that ends here.
    speed_.DropWaiting();
    Run([&] { engine_.ResetApp(); });
}

void TForm1::NumberCellClick(int n) {
    speed_.Click(engine_, n);
    AfterEvent();
}

void TForm1::UndoCommandClick() {
    speed_.Undo(engine_);
    AfterEvent();
}

void TForm1::ShowStatistics() {
    if (!stats_window_) {
        stats_window_ = std::make_unique<StatsWindow>(stats_, platform_);
        stats_window_->setWindowIcon(windowIcon());
        // Beside the main window, which stays on top, where the screen has
        // room; never larger than the screen's free area, nor outside it.
        const QRect free = screen() ? screen()->availableGeometry() : QRect();
        const QRect main = frameGeometry();
        QPoint at(main.right() + 12, main.top());
        if (free.isValid() && at.x() + stats_window_->width() > free.right())
            at.setX(std::max(free.left(), main.left() - 12 - stats_window_->width()));
        stats_window_->move(at);
        if (free.isValid()) stats_window_->FitInto(free);
    }
    stats_window_->Present();
}

void TForm1::SetQuickProposals(bool quick) {
    speed_.SetQuick(quick);
    StoreQuickProposals(quick);
    if (quick_ && quick_->isChecked() != quick) quick_->setChecked(quick);
}

// ---- Keyboard -------------------------------------------------------------------------

bool TForm1::PlayerSees(const QWidget* w) const {
    if (w == this) return true;
    // Clipped by the window's edge or scrolled out of the settings area, a
    // control has nothing left on screen.
    return w->isVisibleTo(this) && !w->visibleRegion().isEmpty();
}

void TForm1::FocusShowBetSize() {
    if (QCheckBox* box = checks_[static_cast<std::size_t>(CheckId::ShowBetSize)]) box->setFocus();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched->isWidgetType()) {
        // A list, spin edit or slider that the pointer passes over while the
        // wheel scrolls the settings area must not change: it takes the wheel
        // only with the focus, and the wheel goes on to the area.
        const auto* w = static_cast<QWidget*>(watched);
        const bool setting =
            qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) || w == safe_level_;
        if (setting && w->window() == this && !w->hasFocus()) {
            event->ignore();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    if (target->window() != this) return false;
    // A key is offered to the focus widget and then to its parents: it is
    // looked at once, at the first of them.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && target != focus && target->isAncestorOf(focus)) return false;
    return HandleKey(target, *static_cast<QKeyEvent*>(event));
}

bool TForm1::HandleKey(QWidget* target, const QKeyEvent& key) {
    const int k = key.key();
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && k == Qt::Key_Q) {
        Button_Close_HoverClick();
        return true;
    }
    if (mods == Qt::ControlModifier && k == Qt::Key_Z) {
        UndoCommandClick();
        return true;
    }
    // Enter or Esc ends the edit of a setting: the typed number that follows
    // is meant for the table, not for the setting.
    const bool setting_edit =
        dynamic_cast<const EngineEdit*>(target) != nullptr ||
        dynamic_cast<const EngineSpin*>(target) != nullptr ||
        (target->parentWidget() && dynamic_cast<const EngineSpin*>(target->parentWidget()) != nullptr);
    if (mods == Qt::NoModifier && setting_edit && PlayerSees(target) &&
        (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape)) {
        EndSettingEdit();
        return true;
    }
    if (mods == Qt::NoModifier && k == Qt::Key_Escape) {
        EscapeKey();
        return true;
    }
    if (mods == Qt::NoModifier && k == Qt::Key_F1) {
        ShowHelp(*this, &previous_sessions_);
        return true;
    }
    const QWidget* show_bet = checks_[static_cast<std::size_t>(CheckId::ShowBetSize)];
    // "Show Bet" holds the focus on purpose, so that Space toggles it; every
    // other control outside the player's sight gets no key at all.
    const bool hidden = target != this && target != show_bet && !PlayerSees(target);
    if (!hidden && target != show_bet && TakesKeys(target)) return false;

    if (mods == Qt::NoModifier) {
        // Typed digits stay as they are: the number is entered after a look
        // at the statistics as well.
        if (k == Qt::Key_S) {
            ShowStatistics();
            return true;
        }
        if (k >= Qt::Key_0 && k <= Qt::Key_9) {
            speed_.Digit(static_cast<char>('0' + (k - Qt::Key_0)));
            AfterEvent();
            return true;
        }
        if (k == Qt::Key_Return || k == Qt::Key_Enter || (k == Qt::Key_Space && !speed_.Typed().empty())) {
            speed_.Commit(engine_);
            AfterEvent();
            return true;
        }
        if (k == Qt::Key_Backspace) {
            speed_.Backspace();
            AfterEvent();
            return true;
        }
    }
    return hidden;
}

void TForm1::EndSettingEdit() {
    setFocus(Qt::OtherFocusReason);
    RefreshKeyReadout();
}

void TForm1::EscapeKey() {
    if (speed_.Clear() != SpeedPlay::Outcome::Ignored) {
        AfterEvent();
    } else if (engine_.panel().Panel_Import().Visible) {
        Run([&] { engine_.Image_ClosePanel2Click(); });
    } else if (engine_.chrome().ClientHeight() > layout::kClosedHeight) {
        Run([&] { engine_.Image_Settings3Click(); });
    }
}

void TForm1::RefreshKeyReadout() {
    // Nearly every refresh finds nothing typed: no text is built for it.
    if (!speed_.Refused() && speed_.Typed().empty() && speed_.Waiting().empty() &&
        key_readout_->Text().isEmpty())
        return;
    std::string text;
    if (speed_.Refused()) text = "\xE2\x9C\x95 not taken";  // a cross: the number was refused
    if (stake_note_ && *stake_note_ != engine_.board().NumbersList().size()) stake_note_.reset();
    if (!speed_.Typed().empty()) {
        if (!text.empty()) text += "  ";
        text += "\xE2\x96\xB8 " + speed_.Typed();  // a pointer before the typed digits
        // The first number typed after the stake was changed in the settings
        // says the stake it will meet.
        if (stake_note_) text += "  stake " + FloatToStr(engine_.State().Bet_Size);
    }
    if (!speed_.Waiting().empty()) {
        if (!text.empty()) text += "  ";
        text += "waiting:";
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
void TForm1::StartDrag(const QPoint& global) {
    if (QWindow* w = windowHandle(); w && w->startSystemMove()) return;
    // Without a window manager that moves windows, the window follows the
    // pointer itself.
    dragging_ = true;
    drag_offset_ = global - frameGeometry().topLeft();
}

void TForm1::DragTo(const QPoint& global) {
    if (dragging_) move(global - drag_offset_);
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), art::kBackground);
    // The settings area is closed at start: it is built once the player has
    // the first frame in front of him.
    if (!complete_ && !completion_posted_) {
        completion_posted_ = true;
        QTimer::singleShot(0, this, [this] { CompleteWindow(); });
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Nothing of the program may stay without its main window: the
    // statistics window (a window of its own) and the guide close with it,
    // and the program ends even if another window or a nested event loop
    // would have held it.
    if (stats_window_) stats_window_->close();
    for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) dialog->close();
    QWidget::closeEvent(event);
    if (event->isAccepted()) QCoreApplication::quit();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimized = isMinimized();
        if (engine_.chrome().Minimized() != minimized) Run([&] { engine_.SetWindowMinimized(minimized); });
        // Back from the task bar, the pointer is rarely where it was.
        if (!minimized) ResetHovers();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
               QGuiApplication::mouseButtons() == Qt::NoButton) {
        // Without a window manager the press on a cell itself activates the
        // window: the pointer is where it was, and clearing the hover then
        // would hide the picture under the press and lose the click.
        ResetHovers();
    }
    QWidget::changeEvent(event);
}

void TForm1::leaveEvent(QEvent* event) {
    ResetHovers();
    QWidget::leaveEvent(event);
}

void TForm1::ResetHovers() {
    // An operation waiting for a message box or dialog is still under way;
    // the box's closing brings the reset.
    if (platform_.MessageOpen() || platform_.DialogOpen()) return;
    Run([&] { engine_.Disable_HoversClick(); });
}

// ---- Refresh --------------------------------------------------------------------------

void TForm1::Refresh() {
    ++refreshes_;
    const rotacle::Engine& e = engine_;

    // The statistics window looks only while the player can see it.
    if (stats_window_ && stats_window_->isVisible()) stats_window_->Refresh();

    for (std::size_t n = 0; n < cell_.size(); ++n) {
        cell_[n]->SetShown(e.board().Image()[n].Visible);
        cell_act_[n]->SetShown(e.chrome().Image_Act()[n].Visible);
    }
    const bool zero_lit = e.chrome().Image_Act()[0].Visible;
    zero_column_->SetShown(e.board().Image()[0].Visible || zero_lit);
    if (zero_lit != zero_lit_) {
        zero_lit_ = zero_lit;
        zero_column_->update();
    }
    for (std::size_t k = 0; k < his_num_.size(); ++k) {
        const Label& l = e.board().HisNum()[k];
        his_num_[k]->SetText(l.Caption);
        his_num_[k]->SetBackground(FromColour(l.Colour));
        his_num_[k]->SetShown(l.Visible);
    }
    for (std::size_t c = 0; c < hover_.size(); ++c)
        if (hover_[c]) hover_[c]->SetShown(e.chrome().CommandHover()[c].Visible);
    settings3_->SetShown(e.chrome().Image_Settings3().Visible);
    skip_bet3_->SetShown(e.table().Image_SkipBet3().Visible);
    // A run makes undo inert unless a number waits to be taken back.
    cancel3_->SetShown(!speed_.UndoActive(e));

    const bool panel_opens = e.panel().Panel_Import().Visible && import_panel_->isHidden();
    import_panel_->SetShown(e.panel().Panel_Import().Visible);
    // Above everything it covers, also what was built after it.
    if (panel_opens) import_panel_->raise();
    paste3_->SetShown(e.panel().Image_PasteFromEvolution3().Visible);
    load3_->SetShown(e.panel().Image_LoadFromFile3().Visible);
    progress2_->SetProgress(e.panel().ProgressBar2().Position, e.panel().ProgressBar2().MaxValue);
    process_->SetCaption(e.panel().Button_Process().Caption);
    SetEnabledIfChanged(process_, e.panel().Button_Process().Enabled);

    for (std::size_t i = 0; i < 6; ++i) {
        trend0_[i]->SetShown(e.modes().Trend_0()[i].Visible);
        trend1_[i]->SetShown(e.chrome().Trend_1()[i].Visible);
        trend2_[i]->SetShown(e.modes().Trend_2()[i].Visible);
        field_[i]->SetShown(e.table().FieldHighlight()[i].Visible);
        chip_[i]->SetShown(e.table().Chip()[i].Visible);
        if (stake_[i]->SetText(e.table().BetSizeShow()[i].Caption)) PlaceStakeTag(i);
        stake_[i]->SetShown(e.table().BetSizeShow()[i].Visible);
    }
    lamp1_->SetShown(e.display().SL_Indicator1().Visible);
    lamp2_->SetShown(e.display().SL_Indicator2().Visible);
    gauge1_->SetProgress(e.display().CGauge1().Position, e.display().CGauge1().MaxValue);

    bankroll_->SetText(e.display().Label_Bankroll().Caption);
    bankroll_->SetShown(e.display().Label_Bankroll().Visible);
    label9_->SetColour(FromColour(e.display().Label9().Colour));
    bets_played_->SetText(e.display().Label_BetsPlayed().Caption);
    flat_index_->SetText(e.display().Label_FlatIndex().Caption);
    numbers_in_game_->SetText(e.display().Label_NumbersInGame().Caption);
    RefreshKeyReadout();

    RefreshInputs();
    ApplyWindowState();
}

void TForm1::RefreshInputs() {
    if (!complete_) return;
    rotacle::Engine& e = engine_;
    gauge3_->SetProgress(e.display().CGauge3().Position, e.display().CGauge3().MaxValue);
    label4_->SetText(e.display().Label4().Caption);
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
    if (safe_level_->value() != e.inputs().SafeLevel.Position) {
        applying_ = true;
        safe_level_->setValue(e.inputs().SafeLevel.Position);
        applying_ = false;
    }
    SetEnabledIfChanged(reset_bets_, e.inputs().ResetBets_Button.Enabled);
    SetEnabledIfChanged(reset_app_, e.inputs().ResetApp_Button.Enabled);
    SetEnabledIfChanged(create_matrix_, e.inputs().CreateMatrix_Button.Enabled);
    SetEnabledIfChanged(reset_matrix_, e.inputs().ResetMatrix_Button.Enabled);
}

void TForm1::ApplyWindowState() {
    rotacle::Engine& e = engine_;
    if (!complete_ && (e.chrome().ClientHeight() > layout::kClosedHeight || !e.chrome().Focus().empty()))
        CompleteWindow();
    if (e.chrome().ClientHeight() != applied_height_) {
        const bool closing = e.chrome().ClientHeight() < applied_height_;
        applied_height_ = e.chrome().ClientHeight();
        screen_fit_->Apply(QSize(e.chrome().ClientWidth(), e.chrome().ClientHeight()));
        // The settings edits are out of sight now; keys must not reach them.
        if (closing && complete_) FocusShowBetSize();
    }
    // Focus requests are one-shot: the next request for the same control
    // must move the focus again.
    if (!e.chrome().Focus().empty() && engine_.TakeFocusRequest() == "ShowBetSize")
        checks_[static_cast<std::size_t>(CheckId::ShowBetSize)]->setFocus();
    if (e.chrome().Minimized() && !isMinimized() && isVisible()) showMinimized();
    if (e.chrome().CloseRequested() && !closing_) {
        closing_ = true;
        close();
    }
}

}  // namespace rotacle::ui
