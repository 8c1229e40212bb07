#include "ui/help_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "core/convert.h"
#include "rotacle/version.h"
#include "ui/artwork.h"
#include "ui/beside.h"
#include "ui/screen_fit.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

const QString kWindowName = QStringLiteral("HelpWindow");

/// A legend picture: `size` of the felt with one of the table's pictures
/// painted on it by the window's own painter.
QImage Drawn(QSize size, qreal scale, const std::function<void(QPainter&, const QRectF&)>& paint) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(art::kFelt);
    QPainter p(&image);
    paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image;
}

// The guide in blocks (a heading with its paragraphs), each translated on
// its own, joined by blank lines.
constexpr const char* kGuide[] = {
    QT_TRANSLATE_NOOP("Help", R"(<h2>Rotacle 8.0</h2>
<p>Rotacle follows a European roulette table (one zero) and proposes one of the six even
chances &mdash; Less (1-18), More (19-36), Even, Odd, Red, Black &mdash; with the stake your
staking rules give.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>Entering numbers</h3>
<p>Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&ldquo;waiting: 5 36&rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.</p>
<p>Keys: <b>Ctrl+Z</b> undo (a number still waiting is taken back first), <b>Ctrl+Q</b> quit, <b>F1</b> this help, <b>S</b> the statistics window, <b>Esc</b> closes the
import panel or the settings area.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>The chip and the stake</h3>
<p>The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>The first numbers</h3>
<p>The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>The stats row</h3>
<p><b>Numbers in game</b> counts the numbers in the history. <b>Bets played</b> counts the
proposals shown as bets in this game (since APP; an import goes on counting), as each number is
entered: a bet withdrawn with SKIP is taken off again, one taken back with UNDO stays counted
until the next number. The statistics window counts the bets of the history alone. The <b>flat index</b>
tells how the bets went whatever their stakes: it adds 18 for every won bet and takes 18 off for
every lost one (18 numbers win on an even chance), so it is 18 times the won bets less the lost
ones; a number with no bet on the table leaves it alone.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>Undo and skip</h3>
<p><b>UNDO</b> takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. <b>SKIP</b> withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>Staking rules</h3>
<p>A staking cycle starts at the <b>initial bet</b>. The loss rule (&ldquo;AFTER n losses
&hellip;&rdquo;) and the win rule (&ldquo;AFTER n wins &hellip;&rdquo;) add to, subtract from,
multiply, divide or set the stake by their amount. <b>Bet automatic reset</b> returns the stake
to the initial bet when the bankroll reaches the cycle target; <b>get minimal profit</b> trims
the stake so that a win just reaches that target. <b>Phase correction</b> re-bases the rule
amounts when the stake reaches the step times the initial bet.</p>
<p>Some controls are fixed in this version: the game mode (SMART 2025 plays), the betting
system list and the rule lists snap back when you choose another item, and the AFTER counts and
rule amounts take their values from the initial bet or from a settings file (LOAD). Their
tooltips say so. Enter or Esc ends an edit, and the next digits go to the table again.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>Import and export</h3>
<p><b>IMPORT</b> opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
<b>EXPORT</b> saves the history as a text file, one number per line.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>The expected loss</h3>
<p>With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>La partage</h3>
<p>With <b>LA PARTAGE</b> ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window's expected result counts 1/74 of what was staked
under it.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>Session limits and the reality check</h3>
<p>The limits in the settings area stop play when one is reached: <b>LOSS</b> and
<b>PROFIT</b> count the money held (the bankroll and the stake on the table) from the moment the
limit was set, <b>MIN</b> the minutes played and <b>SPINS</b> the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. <b>CHECK</b> is the
reality check: every so many minutes play pauses to show the time played and the result.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>Staking dialog</h3>
<p><b>STAKING&hellip;</b> in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d'Alembert) with a preview of the first stakes after losses and
wins.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>The Risk tab</h3>
<p>The statistics window's <b>Risk</b> tab plays many whole sessions from the table's bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table's settings, or flat or martingale staking, with the table's zero rule or another; the same
seed plays the same sessions, as <code>rotacle-sim risk</code> does.</p>)"),
    QT_TRANSLATE_NOOP("Help", R"(<h3>Lamps and trend buttons</h3>
<table cellspacing="6">
<tr><td><img src="rotacle:lamp-far" width="20" height="20"></td>
<td>Safety level still more than one lost proposal away. With SAFE LEVEL n, a proposal is
shown only after n proposals in a row have lost.</td></tr>
<tr><td><img src="rotacle:lamp-near" width="20" height="20"></td>
<td>Safety level reached, or one lost proposal away.</td></tr>
<tr><td><img src="rotacle:trend-0" width="62" height="18"></td>
<td>A trend button at rest, above its field.</td></tr>
<tr><td><img src="rotacle:trend-1" width="62" height="18"></td>
<td>Pointed at: a click prefers this side of its pair.</td></tr>
<tr><td><img src="rotacle:trend-2" width="62" height="18"></td>
<td>This side is preferred: a proposal of the other side of the pair is turned to it. A
click drops the preference.</td></tr>
</table>)"),
};

QString Guide() {
    QStringList blocks;
    for (const char* block : kGuide) blocks << QCoreApplication::translate("Help", block);
    blocks << QStringLiteral("<p class=\"foot\">") +
                  QCoreApplication::translate("Help",
                                              "Rotacle 8.0 &mdash; version %1<br>\n"
                                              "All rights reserved. No warranty: roulette has a house edge.")
                      .arg(QStringLiteral(ROTACLE_VERSION)) +
                  QStringLiteral("</p>");
    return blocks.join(QStringLiteral("\n\n"));
}

/// The hover picture of the "?" command: shown over the normal picture while
/// the pointer is on it, hidden again when the pointer leaves.
class HelpHover : public HoverButton {
public:
    explicit HelpHover(QWidget& window)
        : HoverButton(&window, QStringLiteral("Button_Help_2"), layout::kHelp) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        art::PaintWindowButton(p, QRectF(rect()), art::Glyph::Help, true);
    }
    void leaveEvent(QEvent* event) override {
        HoverButton::leaveEvent(event);
        hide();
    }
};

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), browser_(new QTextBrowser(this)) {
    setObjectName(kWindowName);
    setWindowTitle(QCoreApplication::translate("Help", "Rotacle 8.0 \u2014 Help"));
    setModal(false);
    resize(440, 560);

    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenLinks(false);
    browser_->setFrameShape(QFrame::NoFrame);
    QPalette pal = browser_->palette();
    pal.setColor(QPalette::Base, art::kBackground);
    pal.setColor(QPalette::Text, art::kText);
    browser_->setPalette(pal);

    QTextDocument* doc = browser_->document();
    doc->setDocumentMargin(14);
    doc->setDefaultStyleSheet(QStringLiteral("h2, h3 { color: %1; } h3 { margin-top: 12px; } "
                                             "b { color: %2; } .foot { color: %3; margin-top: 14px; }")
                                  .arg(art::kGold.name(), art::kGoldLight.name(), art::kDimText.name()));
    // The legend's pictures come from the painters of the table itself, drawn
    // at the screen's scale so they are as crisp as in the main window.
    const qreal scale = std::max<qreal>(2.0, parent ? parent->devicePixelRatioF() : 1.0);
    const auto add = [doc](const char* name, const QImage& image) {
        doc->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(name)), image);
    };
    add("rotacle:lamp-far",
        Drawn({20, 20}, scale, [](QPainter& p, const QRectF& r) { art::PaintLamp(p, r, false); }));
    add("rotacle:lamp-near",
        Drawn({20, 20}, scale, [](QPainter& p, const QRectF& r) { art::PaintLamp(p, r, true); }));
    for (int look = 0; look < 3; ++look) {
        const QByteArray name = "rotacle:trend-" + QByteArray::number(look);
        add(name.constData(),
            Drawn({62, 18}, scale, [look](QPainter& p, const QRectF& r) { art::PaintTrend(p, r, 2, look); }));
    }
    browser_->setHtml(Guide());

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(browser_);

    // Sessions kept beside the running one: after "APP", after a session that
    // was not resumed, or after a clean end.
    auto* title = new QLabel(QCoreApplication::translate("Help", "  Previous sessions"), this);
    sessions_list_ = new QListWidget(this);
    sessions_list_->setObjectName(QStringLiteral("PreviousSessions"));
    sessions_list_->setToolTip(
        QCoreApplication::translate("Help", "Sessions kept beside this one, newest first"));
    sessions_list_->setMaximumHeight(110);
    resume_ = new QPushButton(QCoreApplication::translate("Help", "RESUME"), this);
    resume_->setObjectName(QStringLiteral("ResumeSession"));
    resume_->setToolTip(
        QCoreApplication::translate("Help", "Resume the chosen session; this one is kept beside it"));
    resume_->setEnabled(false);
    connect(sessions_list_, &QListWidget::currentRowChanged, this,
            [this](int row) { resume_->setEnabled(row >= 0 && sessions_ && sessions_->resume); });
    connect(resume_, &QPushButton::clicked, this, [this] {
        QListWidgetItem* item = sessions_list_->currentItem();
        if (!item || !sessions_ || !sessions_->resume) return;
        sessions_->resume(item->data(Qt::UserRole).toString().toStdString());
    });
    box->addWidget(title);
    box->addWidget(sessions_list_);
    box->addWidget(resume_);
}

void HelpWindow::ShowSessions(const PreviousSessions* sessions) {
    sessions_ = sessions;
    sessions_list_->clear();
    if (sessions && sessions->list) {
        for (const KeptSession& kept : sessions->list()) {
            // "session-YYYYMMDD-HHMMSS.journal" shows as "YYYY-MM-DD HH:MM:SS",
            // with what the session holds beside it.
            const QString name = QFileInfo(QString::fromStdString(kept.path)).completeBaseName();
            const QString stamp = name.mid(8);
            QString shown = stamp.size() >= 15 ? QStringLiteral("%1-%2-%3 %4:%5:%6")
                                                     .arg(stamp.mid(0, 4), stamp.mid(4, 2), stamp.mid(6, 2),
                                                          stamp.mid(9, 2), stamp.mid(11, 2), stamp.mid(13, 2))
                                               : name;
            shown += kept.readable ? QCoreApplication::translate("Help", "  \u2014  %1 numbers, bankroll %2")
                                         .arg(kept.numbers)
                                         .arg(QString::fromStdString(FloatToStr(kept.bankroll)))
                                   : QCoreApplication::translate("Help", "  \u2014  cannot be resumed");
            auto* item = new QListWidgetItem(shown, sessions_list_);
            item->setData(Qt::UserRole, QString::fromStdString(kept.path));
        }
    }
    resume_->setEnabled(false);
}

QString HelpWindow::Text() const { return browser_->toPlainText(); }

void ShowHelp(QWidget& parent, const PreviousSessions* sessions) {
    // The one child of that name is the help window.
    auto* help =
        static_cast<HelpWindow*>(parent.findChild<QDialog*>(kWindowName, Qt::FindDirectChildrenOnly));
    if (!help) {
        help = new HelpWindow(&parent);
        KeepAbove(*help, parent);
        // The whole guide and its RESUME within the screen, beside the table.
        FitBeside(*help, parent);
    }
    PlaceBeside(*help, parent);
    help->ShowSessions(sessions);
    help->show();
    help->raise();
    help->activateWindow();
}

void AddHelpButton(QWidget& window) {
    auto* normal = new Picture(
        &window, QStringLiteral("Button_Help"), layout::kHelp,
        [](QPainter& p, const QRectF& r) { art::PaintWindowButton(p, r, art::Glyph::Help, false); });
    auto* hover = new HelpHover(window);
    hover->hide();
    QObject::connect(hover, &QAbstractButton::clicked, &window, [&window] { ShowHelp(window); });
    normal->SetOnHover([hover] {
        if (hover->isHidden()) hover->show();
    });
}

}  // namespace rotacle::ui
