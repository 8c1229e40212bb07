// The window itself: size and chrome, the settings toggle, the font, the
// captions at every scale, idle cost, the program's start checks and an error
// that escapes the event loop.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include <stdexcept>
#include "support/arrange.h"

#include "gui_support.h"
#include "ui/application.h"
#include "ui/language.h"
#include "ui/qt_platform.h"
#include "ui/widgets.h"
#include "ui/wording.h"

using namespace rotacle::ui::test;
using rotacle::TimerId;
using rotacle::ui::TForm1;

namespace {

// Counts the paint events of a widget and all its children.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& root) {
        root.installEventFilter(this);
        for (QWidget* w : root.findChildren<QWidget*>()) w->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A caption in a command of the window's size, drawn by the command's painter.
struct CaptionCase {
    QString text;
    QSize size;
    std::function<void(QPainter&, const QRectF&, const QString&)> paint;
};

QImage RenderCaption(const CaptionCase& c, const QString& text, qreal dpr) {
    QImage image((QSizeF(c.size + QSize(16, 16)) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(rotacle::ui::art::kBackground);
    QPainter p(&image);
    c.paint(p, QRectF(QPointF(8, 8), QSizeF(c.size)), text);
    return image;
}

// Device pixels that the caption changes, inside and outside `inner`.
std::pair<int, int> CaptionInk(const QImage& with, const QImage& without, const QRectF& inner, qreal dpr) {
    const int left = static_cast<int>(std::floor(inner.left() * dpr));
    const int top = static_cast<int>(std::floor(inner.top() * dpr));
    const int right = static_cast<int>(std::ceil(inner.right() * dpr));
    const int bottom = static_cast<int>(std::ceil(inner.bottom() * dpr));
    std::pair<int, int> ink{0, 0};
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y)) continue;
            const bool in = x >= left && x < right && y >= top && y < bottom;
            ++(in ? ink.first : ink.second);
        }
    return ink;
}

// Throws from its event handler, as a failing operation would.
class Thrower : public QObject {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("the table caught fire");
        return QObject::event(e);
    }
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    void startsFramelessOnTopAt457x388() {
        auto form = ShowWindow();
        QVERIFY(form);
        QCOMPARE(form->size(), QSize(457, 388));
        QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(PixelAt(*form, Background()), QColor(35, 35, 35));
        QCOMPARE(form->windowTitle(), QStringLiteral("Rotacle 8.0"));
    }

    // The matrix buttons stay disabled in play (only RM enables BUILD
    // MATRIX, and nothing enables RM); once enabled they run their operations.
    void matrixButtonsRunTheBuildAndTheReset() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (const int n : {3, 0, 12}) QVERIFY(Spin(*form, n));
        ClickAt(*form, layout::kSettings.center());
        auto* build = Part(*form, "CreateMatrix");
        auto* reset = Part(*form, "ResetMatrix");
        QVERIFY(!build->isEnabled());
        QVERIFY(!reset->isEnabled());

        rotacle::Arrange(form->Engine()).Inputs().ResetMatrix_Button.Enabled = true;
        form->Refresh();
        QVERIFY(reset->isEnabled());
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(form->Engine().State().Bankroll, 1000000.0);
        QVERIFY(build->isEnabled());
        QVERIFY(!reset->isEnabled());

        QTest::mouseClick(build, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(form->Engine().Modes().PatternsTest().at(0)),
                 QStringLiteral("1-2-3-4-5-6 | MaxWins: 2 | Next step: 7 | Last number: 12"));
        QVERIFY(Shown(*form, "ChipBlack"));
    }

    void settingsToggleOpensAndClosesTheArea() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QPoint toggle = layout::kSettings.center();
        MoveTo(*form, toggle);
        QVERIFY(Shown(*form, "Image_Settings2"));
        ClickAt(*form, toggle);
        QCOMPARE(form->height(), 697);
        QCOMPARE(form->Engine().Chrome().ClientHeight(), 697);
        QVERIFY(Shown(*form, "Image_Settings3"));
        QVERIFY(Part(*form, "Init_Bet")->isVisible());
        // The open look is lit gold, not the greyed cover of other commands.
        const QColor open = PixelAt(*form, layout::kSettings.topLeft() + QPoint(6, 12));
        QVERIFY2(open.red() > 180 && open.green() > 120 && open.blue() < 90, qPrintable(open.name()));

        ClickAt(*form, toggle);
        QCOMPARE(form->height(), 388);
        QVERIFY(!Shown(*form, "Image_Settings3"));
    }

    void closeAndMinimiseCommands() {
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, layout::kMinimize.center());
        QVERIFY(Shown(*form, "Button_Minimize_2"));
        ClickAt(*form, layout::kMinimize.center());
        QVERIFY(form->Engine().Chrome().Minimized());
        QTRY_VERIFY(form->isMinimized());
        form->showNormal();
        QTRY_VERIFY(!form->Engine().Chrome().Minimized());

        MoveTo(*form, layout::kClose.center());
        QVERIFY(Shown(*form, "Button_Close_Hover"));
        QVERIFY(!Shown(*form, "Button_Minimize_2"));
        ClickAt(*form, layout::kClose.center());
        QVERIFY(!form->isVisible());
    }

    void aUsableFontIsInstalled() {
        const auto font = rotacle::ui::WindowFont();
        QVERIFY2(font.has_value(), "none of the window's fonts is installed (Debian: fonts-dejavu-core)");
        QCOMPARE(font->pixelSize(), 11);
        const QFontInfo info(QApplication::font());
        QVERIFY2(rotacle::ui::PreferredFontFamilies().contains(info.family(), Qt::CaseInsensitive),
                 qPrintable(info.family()));
        // A font that resolves but draws nothing would pass everything else.
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setFont(*font);
            p.setPen(Qt::black);
            p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("808"));
        }
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128;
        QVERIFY2(ink > 20, "the window font draws no glyphs");
    }

    void captionsStayInsideTheirPlaces_data() {
        QTest::addColumn<QString>("code");
        for (const rotacle::ui::Language& l : rotacle::ui::Languages())
            QTest::newRow(l.code) << QString::fromLatin1(l.code);
    }

    // In every language, every caption is drawn whole, two pixels clear of
    // its command's edge, at the scales players use, in the window's font and
    // in the wider fallback; the texts of the settings area and the limit
    // screen fit their places.
    void captionsStayInsideTheirPlaces() {
        QFETCH(QString, code);
        QCOMPARE(rotacle::ui::LoadLanguage(code), code);
        const auto restore = qScopeGuard([] { rotacle::ui::LoadLanguage(QStringLiteral("en")); });
        namespace art = rotacle::ui::art;
        namespace panel = layout::panel;
        const auto tr = [](const char* text) { return QCoreApplication::translate("TForm1", text); };
        const auto command = [](art::Glyph glyph) {
            return [glyph](QPainter& p, const QRectF& r, const QString& text) {
                art::PaintCommand(p, r, glyph, text, art::Look::Normal);
            };
        };
        const auto process = [](QPainter& p, const QRectF& r, const QString& text) {
            art::PaintImportButton(p, r, text, true, false, false);
        };
        const auto flat = [](QPainter& p, const QRectF& r, const QString& text) {
            art::PaintFlatButton(p, r, text, true, false, false);
        };
        const auto field = [](QPainter& p, const QRectF& r, const QString& text) {
            art::PaintField(p, r, 0, false, text);
        };
        const auto label = [](QPainter& p, const QRectF& r, const QString& text) {
            p.setFont(art::Font(11));
            art::PaintLabel(p, r.adjusted(2, 2, -2, -2), Qt::AlignRight | Qt::AlignVCenter, text);
        };
        const QString import = rotacle::ui::Worded("IMPORT (%1)");
        std::vector<CaptionCase> cases = {
            {tr("IMPORT"), layout::kImport.size(), command(art::Glyph::Import)},
            {tr("EXPORT"), layout::kExport.size(), command(art::Glyph::Export)},
            {tr("UNDO"), layout::kUndo.size(), command(art::Glyph::Undo)},
            {tr("SKIP"), layout::kSkipBet.size(), command(art::Glyph::Skip)},
            {tr("SETTINGS"), layout::kSettings.size(), command(art::Glyph::Settings)},
            {tr("LOAD"), layout::kLoad.size(), command(art::Glyph::Load)},
            {tr("SAVE"), layout::kSave.size(), command(art::Glyph::Save)},
            {tr("STATS"), layout::kStatsCommand.size(), command(art::Glyph::Stats)},
            {tr("PASTE FROM EVOLUTION"), panel::kPaste.size(), command(art::Glyph::Paste)},
            {tr("LOAD FROM FILE"), panel::kLoadFromFile.size(), command(art::Glyph::Load)},
            {tr("CLOSE"), panel::kClose.size(), command(art::Glyph::Close)},
            {import.arg(511), panel::kProcess.size(), process},
            {import.arg(2147483647), panel::kProcess.size(), process},
        };
        for (int i : {0, 1, 4, 5}) cases.push_back({art::FieldName(i), layout::FieldRect(i).size(), field});
        cases.push_back({QCoreApplication::translate("Artwork", "EVEN CHANCE ASSISTANT"),
                         QSize(layout::kImport.left() - 57 + 4, 16),
                         [](QPainter& p, const QRectF& r, const QString& text) {
                             art::PaintSubtitle(p, r.adjusted(2, 2, -2, -2), text);
                         }});
        for (const art::StripLabel& l : art::StatsStripLabels())
            cases.push_back({l.text, QSize(l.width + 4, layout::kStatsStrip.height()), label});
        const QFont window_font = QApplication::font();
        QFont fallback(QStringLiteral("DejaVu Sans"));
        fallback.setPixelSize(11);
        QStringList faults;
        for (const QFont& font : {window_font, fallback}) {
            QApplication::setFont(font);
            for (const qreal dpr : {1.0, 1.25, 1.5, 2.0}) {
                for (const CaptionCase& c : cases) {
                    const QRectF inner = QRectF(QPointF(8, 8), QSizeF(c.size)).adjusted(2, 2, -2, -2);
                    const auto [in, out] = CaptionInk(RenderCaption(c, c.text, dpr),
                                                      RenderCaption(c, QString(), dpr), inner, dpr);
                    if (out > 0 || in == 0)
                        faults << QStringLiteral("%1 in %2 at %3: %4 pixels out, %5 in")
                                      .arg(c.text, QFontInfo(font).family())
                                      .arg(dpr)
                                      .arg(out)
                                      .arg(in);
                }
            }
            auto form = ShowWindow();
            QVERIFY(form);
            ClickAt(*form, layout::kSettings.center());
            // The flat buttons of the settings area and the limit screen,
            // drawn at their own sizes.
            for (const QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
                const auto* b = dynamic_cast<const rotacle::ui::FlatButton*>(button);
                if (!b) continue;
                const CaptionCase c{b->text(), b->size(), flat};
                for (const qreal dpr : {1.0, 2.0}) {
                    const QRectF inner = QRectF(QPointF(8, 8), QSizeF(c.size)).adjusted(2, 2, -2, -2);
                    const auto [in, out] = CaptionInk(RenderCaption(c, c.text, dpr),
                                                      RenderCaption(c, QString(), dpr), inner, dpr);
                    if (out > 0 || in == 0)
                        faults
                            << QStringLiteral("%1 in %2 at %3: %4 pixels out").arg(c.text).arg(dpr).arg(out);
                }
            }
            // The check boxes of the settings area: the caption beside the box.
            for (QCheckBox* box : form->findChildren<QCheckBox*>()) {
                const QStyle* style = box->style();
                const int room = box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
                                 style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
                const qreal text = QFontMetricsF(box->font()).horizontalAdvance(box->text());
                if (text > room)
                    faults << QStringLiteral("%1 in %2: %3 of %4 pixels")
                                  .arg(box->text(), QFontInfo(font).family())
                                  .arg(text)
                                  .arg(room);
            }
            // The items of the lists and the "OFF" of the limits, in the
            // room their boxes leave for text, in the program's own font.
            for (QComboBox* list : form->findChildren<QComboBox*>()) {
                if (font != window_font) break;
                QStyleOptionComboBox option;
                option.initFrom(list);
                const int room =
                    list->style()
                        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                        .width();
                for (int i = 0; i < list->count(); ++i) {
                    const qreal text = QFontMetricsF(list->font()).horizontalAdvance(list->itemText(i));
                    if (text > room)
                        faults << QStringLiteral("%1 in %2: %3 of %4 pixels")
                                      .arg(list->itemText(i), list->objectName())
                                      .arg(text)
                                      .arg(room);
                }
            }
            for (QAbstractSpinBox* box : form->findChildren<QAbstractSpinBox*>()) {
                const QString off = box->specialValueText();
                QStyleOptionSpinBox option;
                option.initFrom(box);
                option.buttonSymbols = box->buttonSymbols();
                option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField;
                const int room =
                    box->style()
                        ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, box)
                        .width();
                const qreal text = QFontMetricsF(box->font()).horizontalAdvance(off);
                if (!off.isEmpty() && text > room - 4)
                    faults << QStringLiteral("%1 in %2: %3 of %4 pixels")
                                  .arg(off, box->objectName())
                                  .arg(text)
                                  .arg(room - 4);
            }
            // The captions of the inputs ("LOSS:", "CHECK:") in the font they are drawn in.
            for (const QWidget* widget : form->findChildren<QWidget*>()) {
                if (font != window_font) break;
                // (Caption has no meta-object of its own, so findChildren cannot pick it.)
                const auto* caption = dynamic_cast<const rotacle::ui::Caption*>(widget);
                if (!caption || !caption->Text().endsWith(QLatin1Char(':'))) continue;
                // A caption shortened for its place names the term in full in its tooltip.
                if (caption->toolTip().isEmpty())
                    faults << caption->Text() + QStringLiteral(" has no tooltip");
                const qreal text = QFontMetricsF(caption->DrawnFont()).horizontalAdvance(caption->Text());
                if (text > caption->width())
                    faults << QStringLiteral("%1 in %2: %3 of %4 pixels")
                                  .arg(caption->Text(), QFontInfo(font).family())
                                  .arg(text)
                                  .arg(caption->width());
            }
        }
        QApplication::setFont(window_font);
        for (const QString& fault : faults) qInfo("%s: %s", qPrintable(code), qPrintable(fault));
        QVERIFY2(faults.isEmpty(), "texts do not fit their places (listed above)");
    }

    void atRestTheWindowNeitherRefreshesNorRepaints() {
        auto form = ShowWindow();
        QVERIFY(form);
        QTest::qWait(200);
        PaintCounter counter(*form);
        const int refreshes = form->RefreshCount();
        const int ticks = form->TimerTicks(TimerId::ShowValues);
        QTest::qWait(1000);
        QVERIFY2(form->TimerTicks(TimerId::ShowValues) - ticks >= 40, "the display refresh does not run");
        QCOMPARE(form->RefreshCount(), refreshes);
        QCOMPARE(counter.paints, 0);
    }

    void noDisplayIsReportedInOneLine_data() {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<bool>("reported");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << true << true;
        QTest::newRow("all empty") << QByteArray("") << QByteArray("") << QByteArray("") << true << true;
        QTest::newRow("X display") << QByteArray() << QByteArray(":0") << QByteArray() << true << false;
        QTest::newRow("X display gone") << QByteArray() << QByteArray(":0") << QByteArray() << false << true;
        QTest::newRow("Wayland") << QByteArray() << QByteArray() << QByteArray("wayland-0") << true << false;
        QTest::newRow("explicit platform")
            << QByteArray("offscreen") << QByteArray() << QByteArray() << true << false;
    }

    void noDisplayIsReportedInOneLine() {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(bool, reachable);
        QFETCH(bool, reported);
        const auto c = [](const QByteArray& v) { return v.isNull() ? nullptr : v.constData(); };
        const auto why = rotacle::ui::NoDisplayReason(c(qpa), c(display), c(wayland),
                                                      [&](const std::string&) { return reachable; });
        QCOMPARE(why.has_value(), reported);
        if (why) QVERIFY(why->find('\n') == std::string::npos);
    }

    void localDisplaysAreProbed() {
        // No X server listens on this display number here.
        QVERIFY(!rotacle::ui::XDisplayReachable(":9876"));
        QVERIFY(!rotacle::ui::XDisplayReachable("unix:9876.0"));
        // Remote or unparsable displays are left to the toolkit.
        QVERIFY(rotacle::ui::XDisplayReachable("elsewhere:0"));
        QVERIFY(rotacle::ui::XDisplayReachable("garbage"));
    }

    void dialogFiltersInQtForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("settings file") << QStringLiteral("Rotacle 8 Settings(*.rtk)|*.rtk")
                                       << QStringLiteral("Rotacle 8 Settings (*.rtk)");
        QTest::newRow("brackets with a blank")
            << QStringLiteral("Text File (*.txt)|*.txt") << QStringLiteral("Text File (*.txt)");
        QTest::newRow("no brackets") << QStringLiteral("Numbers|*.txt") << QStringLiteral("Numbers (*.txt)");
        QTest::newRow("two filters, two patterns") << QStringLiteral("Lists|*.txt;*.csv|All files|*.*")
                                                   << QStringLiteral("Lists (*.txt *.csv);;All files (*.*)");
    }

    void dialogFiltersInQtForm() {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(rotacle::ui::QtFileFilter(filter.toStdString()), expected);
    }

    // Last: the application has failed afterwards.
    void anErrorEscapingTheEventLoopEndsWithAFailure() {
        auto* app = static_cast<rotacle::ui::Application*>(QCoreApplication::instance());
        QString reported;
        app->SetFatalReporter([&](const QString& what) { reported = what; });
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTimer::singleShot(3000, [] { QCoreApplication::exit(0); });
        const int code = QCoreApplication::exec();
        QCOMPARE(code, 1);
        QCOMPARE(reported, QStringLiteral("the table caught fire"));
        QVERIFY(app->Failed());
    }
};

int RunWindowSuite(int argc, char** argv) {
    WindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "window_test.moc"
