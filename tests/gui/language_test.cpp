// The windows in every language they speak: each translation loads, no text
// of the main, help or statistics window that has a translation is left in
// English, each chance has one name, and the game's errors are worded
// with translated patterns.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QXmlStreamReader>

#include "gui_support.h"
#include "ui/help_window.h"
#include "ui/language.h"
#include "ui/stats_window.h"
#include "ui/wording.h"

using namespace rotacle::ui::test;
using rotacle::Message;
using rotacle::MessageKind;
using rotacle::ui::Caption;

namespace {

// Source text -> translation of every finished entry of a language's file.
QHash<QString, QString> Finished(const QString& code) {
    QHash<QString, QString> out;
    QFile file(QStringLiteral(ROTACLE_GUI_TRANSLATIONS "/rotacle_") + code + QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")).size() > 0;
            const QString text = xml.readElementText();
            if (!unfinished && !text.isEmpty()) out.insert(source, text);
        }
    }
    return out;
}

// Every text a window shows in a widget: its title, captions, labels,
// buttons, list items, tabs, column headers and tooltips.
QStringList WindowTexts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (auto* c = dynamic_cast<Caption*>(w)) texts << c->Text();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model())
            for (int i = 0; i < v->model()->columnCount(); ++i)
                texts << v->model()->headerData(i, Qt::Horizontal).toString();
        if (w->isWindow()) texts << w->windowTitle();
        texts << w->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }
    void cleanup() { rotacle::ui::LoadLanguage(QStringLiteral("en")); }

    void EveryTranslatedTextShows_data() {
        QTest::addColumn<QString>("code");
        for (const rotacle::ui::Language& l : rotacle::ui::Languages())
            if (QLatin1String(l.code) != QLatin1String("en"))
                QTest::newRow(l.code) << QString::fromLatin1(l.code);
    }
    void EveryTranslatedTextShows() {
        QFETCH(QString, code);
        QCOMPARE(rotacle::ui::LoadLanguage(code), code);
        const QHash<QString, QString> finished = Finished(code);
        QVERIFY2(!finished.isEmpty(), "the language has no finished translation");
        auto form = ShowWindow();
        QVERIFY(form);
        rotacle::ui::ShowHelp(*form);
        form->ShowStatistics();
        rotacle::ui::StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(stats);
        for (const QString& text : WindowTexts(*form) + WindowTexts(*stats)) {
            const auto it = finished.constFind(text);
            QVERIFY2(it == finished.constEnd() || *it == text,
                     qPrintable(code + QStringLiteral(": ") + text));
        }
    }

    // Each chance has one name in a language: the statistics (their table and
    // chart) and the trend buttons' tooltips call it what the table writes on
    // its field. And no window text keeps an English word of the window's
    // for which the language has its own.
    void EachChanceHasOneNameAndNoEnglishWordStays_data() { EveryTranslatedTextShows_data(); }
    void EachChanceHasOneNameAndNoEnglishWordStays() {
        QFETCH(QString, code);
        QCOMPARE(rotacle::ui::LoadLanguage(code), code);
        auto form = ShowWindow();
        QVERIFY(form);
        rotacle::ui::ShowHelp(*form);
        form->ShowStatistics();
        rotacle::ui::StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(stats);
        auto* table = stats->findChild<QTableWidget*>(QStringLiteral("ChanceTable"));
        const auto* bars = stats->findChild<QChartView*>(QStringLiteral("ChanceBars"));
        auto* axis = qobject_cast<QBarCategoryAxis*>(bars->chart()->axes(Qt::Vertical).front());
        QVERIFY(table && axis);
        // The chart's names stand level, each with the room of the longest
        // beside the bars and a line of its own: none is cut.
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        const QRectF plot = bars->chart()->plotArea();
        const QFontMetricsF metrics(axis->labelsFont());
        qreal widest = 0;
        for (const QString& name : axis->categories())
            widest = std::max(widest, metrics.horizontalAdvance(name));
        QVERIFY2(
            axis->labelsAngle() == 0 && plot.left() >= widest && plot.height() / 6 >= metrics.height(),
            qPrintable(code +
                       QStringLiteral(": %1 x %2 for %3").arg(plot.left()).arg(plot.height()).arg(widest)));
        // The chances with a word on their field (Red and Black wear a diamond).
        const struct {
            int row;
            const char* painted;
            const char* trend;
        } chances[] = {{0, "1-18", "Trend_Less_0"},
                       {1, "EVEN", "Trend_Even_0"},
                       {4, "ODD", "Trend_Odd_0"},
                       {5, "19-36", "Trend_More_0"}};
        for (const auto& c : chances) {
            const QString field = QCoreApplication::translate("Artwork", c.painted);
            const QString name = table->item(c.row, 0)->text();
            const QString where = code + QStringLiteral(": ") + field + QStringLiteral(" / ") + name;
            QVERIFY2(name.toUpper() == field.toUpper(), qPrintable(where));
            QVERIFY2(axis->categories().contains(name), qPrintable(where));
            QVERIFY2(Part(*form, c.trend)->toolTip().contains(name), qPrintable(where));
        }
        static const char* const kEnglish[] = {"CHECK", "Blind",    "LOSS", "PROFIT", "SKIP", "UNDO",  "LOAD",
                                               "SAVE",  "SETTINGS", "Less", "More",   "Odd",  "Black", "Red"};
        auto* help = form->findChild<QDialog*>(QStringLiteral("HelpWindow"));
        QVERIFY(help);
        QStringList texts = WindowTexts(*form) + WindowTexts(*stats) + WindowTexts(*help);
        texts << static_cast<rotacle::ui::HelpWindow*>(help)->Text();
        for (const char* word : kEnglish) {
            const QRegularExpression whole(QStringLiteral("(?<!\\w)") + QLatin1String(word) +
                                           QStringLiteral("(?!\\w)"));
            for (const QString& text : texts)
                QVERIFY2(!text.contains(whole), qPrintable(code + QStringLiteral(": ") + text));
        }
    }

    // Amounts keep the decimal point whatever the system's locale writes.
    void AmountsKeepTheDecimalPoint() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto form = ShowWindow();
        QLocale::setDefault(before);
        QVERIFY(form);
        auto* loss = form->findChild<QDoubleSpinBox*>(QStringLiteral("LimitLoss"));
        QVERIFY(loss);
        loss->setValue(1.5);
        QCOMPARE(loss->text(), QStringLiteral("1.50"));
    }

    void LanguageCodes() {
        using rotacle::ui::LanguageCode;
        QCOMPARE(LanguageCode(QStringLiteral("de_AT")), QStringLiteral("de"));
        QCOMPARE(LanguageCode(QStringLiteral("pt")), QStringLiteral("pt_BR"));
        QCOMPARE(LanguageCode(QStringLiteral("pt-br")), QStringLiteral("pt_BR"));
        QCOMPARE(LanguageCode(QStringLiteral("ja_JP")), QStringLiteral("en"));
        QCOMPARE(LanguageCode(QStringLiteral("C")), QStringLiteral("en"));
    }

    // The window's table of message patterns covers every kind, in English
    // as the game words it; a loaded language words the message its way.
    void ErrorsWorded() {
        const auto patterns = rotacle::ui::MessagePatterns();
        QCOMPARE(patterns.size(), std::size(rotacle::kMessageKinds));
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            QCOMPARE(patterns[i].kind, rotacle::kMessageKinds[i]);
            QCOMPARE(std::string_view(patterns[i].english), rotacle::EnglishPattern(patterns[i].kind));
        }
        Message inner{MessageKind::NotInteger, {"x%2"}, nullptr};
        Message outer{MessageKind::ImportLine, {"3"}, std::make_shared<const Message>(inner)};
        QCOMPARE(rotacle::ui::WordMessage(outer), QString::fromStdString(rotacle::EnglishText(outer)));
        rotacle::ui::LoadLanguage(QStringLiteral("de"));
        const QHash<QString, QString> de = Finished(QStringLiteral("de"));
        const QString line = de.value(QStringLiteral("Line %1: %2"));
        const QString integer = de.value(QStringLiteral("'%1' is not a valid integer value"));
        QVERIFY(!line.isEmpty() && !integer.isEmpty());
        QCOMPARE(rotacle::ui::WordMessage(outer),
                 line.arg(QStringLiteral("3"), integer.arg(QStringLiteral("x%2"))));
    }
};

int RunLanguageSuite(int argc, char** argv) {
    LanguageTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "language_test.moc"
