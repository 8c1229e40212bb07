// Renders the window after a short scripted session to PNG files:
//   rotacle-screenshot OUTPUT_FOLDER
// writes screenshot-main.png (a proposal on the table),
// screenshot-settings.png (the settings area open) and screenshot-import.png
// (the import panel with a number file loaded) and screenshot-help.png (a big
// stake beside its chip, digits typed on the keyboard, a tooltip and the help
// window) and screenshot-stats.png (the statistics window after a session of
// sixty spins). At a scale other than 1 (QT_SCALE_FACTOR) each name ends in "@2x"
// or the scale.
//   rotacle-screenshot --lang CODE OUTPUT_FOLDER
// writes only the main window and the settings area in that language, as
// screenshot-main-CODE.png and screenshot-settings-CODE.png. The pointer is driven through real mouse events,
// so the pictures show what a player sees.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSlider>
#include <QTabWidget>
#include <QToolTip>
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "ui/Unit1.h"
#include "ui/application.h"
#include "ui/artwork.h"
#include "ui/help_window.h"
#include "ui/language.h"
#include "ui/stats_window.h"

namespace {

using rotacle::TimerId;
using rotacle::ui::TForm1;
namespace layout = rotacle::ui::layout;

void Pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void Send(TForm1& form, QEvent::Type type, QPoint at) {
    QWidget* target = form.childAt(at);
    if (!target) target = &form;
    const QPoint local = target->mapFrom(&form, at);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, form.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void Hover(TForm1& form, QPoint at) {
    Send(form, QEvent::MouseMove, at);
    Pump(1);
}

void Click(TForm1& form, QPoint at) {
    Hover(form, at);
    Send(form, QEvent::MouseButtonPress, at);
    Send(form, QEvent::MouseButtonRelease, at);
    Pump(1);
}

void WaitForRun(TForm1& form) {
    QElapsedTimer t;
    t.start();
    const auto running = [&] {
        for (const TimerId id : rotacle::kModeTimers)
            if (form.Engine().TimerControl(id).Enabled) return true;
        return false;
    };
    while (running() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    Pump(60);
}

void Spin(TForm1& form, int n) {
    Click(form, layout::CellRect(n).center());
    WaitForRun(form);
}

// "name.png", or "name@2x.png" at another scale; "name-LANG.png" in a
// language other than English.
QString ShotName(const QString& out, const char* name, qreal scale, const QString& lang = {}) {
    QString file = out + QLatin1Char('/') + QString::fromLatin1(name);
    if (!lang.isEmpty()) file += QLatin1Char('-') + lang;
    if (scale != 1) file += QLatin1Char('@') + QString::number(scale) + QLatin1Char('x');
    return file + QStringLiteral(".png");
}

bool SavePixmap(const QPixmap& picture, const QString& path) {
    const bool ok = picture.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(QDir::toNativeSeparators(path)));
    return ok;
}

void Key(TForm1& form, Qt::Key key, const QString& text) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    Pump(1);
}

// The window with its tooltip and the help window beside it, as one picture:
// offscreen, each of them is a window of its own.
QPixmap WithHelp(TForm1& form, QPoint tip_at) {
    const QPixmap window = form.grab();
    QPixmap tip;
    QPoint tip_pos;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible()) {
            tip = w->grab();
            tip_pos = tip_at + QPoint(8, 14);
            tip_pos.setX(std::min(tip_pos.x(), form.width() - 4 - w->width()));
        }
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QDialog") && w->isVisible()) help = w;
    const QPixmap guide = help ? help->grab() : QPixmap();
    const qreal dpr = window.devicePixelRatio();
    const QSize size(form.width() + 12 + (help ? help->width() : 0),
                     std::max(form.height(), help ? help->height() : 0));
    QPixmap all(size * dpr);
    all.setDevicePixelRatio(dpr);
    all.fill(rotacle::ui::art::kPanel);
    QPainter p(&all);
    p.drawPixmap(0, 0, window);
    if (!tip.isNull()) p.drawPixmap(tip_pos, tip);
    if (help) p.drawPixmap(form.width() + 12, 0, guide);
    p.end();
    return all;
}

bool Save(TForm1& form, const QString& path) {
    const bool ok = form.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(QDir::toNativeSeparators(path)));
    return ok;
}

QtMessageHandler default_handler = nullptr;

// The offscreen platform reports every fixed-size window as a warning.
void DropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    const bool one_language = argc == 4 && std::string_view(argv[1]) == "--lang";
    if (argc != 2 && !one_language) {
        std::fprintf(stderr, "usage: rotacle-screenshot [--lang CODE] OUTPUT_FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    default_handler = qInstallMessageHandler(DropPlatformNoise);
    rotacle::ui::Application app(argc, argv);
    rotacle::ui::ApplyLook(app);
    const QString out = QString::fromLocal8Bit(argv[argc - 1]);
    QDir().mkpath(out);
    QString lang;
    if (one_language) {
        lang = rotacle::ui::LoadLanguage(QString::fromLocal8Bit(argv[2]));
        if (lang != QString::fromLocal8Bit(argv[2])) {
            std::fprintf(stderr, "no translation for %s\n", argv[2]);
            return 2;
        }
    }

    TForm1 form;
    form.Platform().SetNonBlockingMessages(true);
    form.show();
    Pump(50);

    // A short session: seven spins, Red chosen as the trend side, the last
    // proposal on the table and the pointer resting on the next number.
    for (const int n : {32, 15, 19, 4, 21, 2, 25}) Spin(form, n);
    Hover(form, layout::TrendRect(2).center());
    Click(form, layout::TrendRect(2).center());
    Hover(form, QPoint(150, 96));
    Hover(form, layout::CellRect(17).center());
    Pump(60);
    const qreal scale = form.devicePixelRatioF();
    bool ok = Save(form, ShotName(out, "screenshot-main", scale, lang));

    // The settings area, with a safety level set on its track bar.
    Hover(form, QPoint(150, 96));
    Click(form, layout::kSettings.center());
    if (auto* level = form.findChild<QSlider*>(QStringLiteral("SafeLevel"))) level->setValue(2);
    Hover(form, QPoint(150, 96));
    Pump(120);
    ok = Save(form, ShotName(out, "screenshot-settings", scale, lang)) && ok;
    if (one_language) return ok ? 0 : 1;

    // The import panel over the board, a number file loaded and waiting for
    // IMPORT; the file dialog answers with the sample series.
    Hover(form, QPoint(150, 96));
    Click(form, layout::kImport.center());
    form.Platform().QueueDialogAnswer(std::string(ROTACLE_SAMPLE_NUMBERS));
    Click(form, layout::InPanel(layout::panel::kLoadFromFile).center());
    Hover(form, layout::InPanel(layout::panel::kBackdrop).topLeft() + QPoint(30, 200));
    Pump(120);
    if (!form.Engine().Panel().Panel_Import().Visible || form.Engine().Panel().Import_List().empty()) {
        std::fprintf(stderr, "the import panel did not load %s\n", ROTACLE_SAMPLE_NUMBERS);
        ok = false;
    }
    ok = Save(form, ShotName(out, "screenshot-import", scale)) && ok;

    // A big stake beside its chip, "2" typed on the keyboard, the tooltip of
    // the undo command and the help window.
    Click(form, layout::InPanel(layout::panel::kClose).center());
    Hover(form, QPoint(150, 96));
    form.Engine().Event([&] {
        form.Engine().SetEditText(rotacle::EditId::Test_Bank, "250000");
        form.Engine().SetEditText(rotacle::EditId::Init_Bet, "1250.5");
    });
    Pump(60);
    Key(form, Qt::Key_2, QStringLiteral("2"));
    rotacle::ui::ShowHelp(form);
    const QPoint tip_at = layout::kUndo.center();
    Hover(form, tip_at);
    QToolTip::showText(form.mapToGlobal(tip_at), form.childAt(tip_at)->toolTip(), &form);
    Pump(120);
    ok = SavePixmap(WithHelp(form, tip_at), ShotName(out, "screenshot-help", scale)) && ok;

    // The statistics window after a session of its own: sixty numbers of a
    // fixed draw, clicked on the board.
    TForm1 session;
    session.Platform().SetNonBlockingMessages(true);
    session.show();
    Pump(50);
    rotacle::LcgRandom wheel;
    wheel.Seed(8);
    for (int i = 0; i < 60; ++i) Spin(session, wheel.Next(37));
    Hover(session, QPoint(150, 96));
    Click(session, layout::kStatsCommand.center());
    Pump(120);
    if (rotacle::ui::StatsWindow* stats = session.OpenStatsWindow()) {
        ok = SavePixmap(stats->grab(), ShotName(out, "screenshot-stats", scale)) && ok;
        // Its Risk tab after a run of the table's settings with the tab's
        // own inputs.
        if (rotacle::ui::RiskTab* risk = stats->Risk()) {
            stats->findChild<QTabWidget*>(QStringLiteral("HitTabs"))->setCurrentWidget(risk);
            risk->RunClick();
            QElapsedTimer t;
            t.start();
            while (risk->Running() && t.elapsed() < 120000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            Pump(120);
            ok = !risk->Running() && SavePixmap(stats->grab(), ShotName(out, "screenshot-risk", scale)) && ok;
        }
    } else {
        std::fprintf(stderr, "the STATS command opened no statistics window\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
