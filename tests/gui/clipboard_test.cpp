// A page on the X clipboard, as a browser or `xclip -t text/html` leaves it:
// held by another program, offered as HTML alone or as plain text alone. The
// paste imports the same numbers both ways. Runs on the X platform (under
// Xvfb), where the clipboard really is another program's.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "gui_support.h"

using namespace rotacle::ui::test;

namespace {

// Ten numbers, the last on the page first in the import.
const QByteArray kPage =
    "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>History</title></head><body>"
    "<h1>Recent results</h1><ol><li>17</li><li>5</li><li>32</li><li>29</li><li>0</li><li>36</li>"
    "<li>12</li><li>8</li><li>21</li><li>3</li></ol>"
    "</body></html>";
const std::vector<std::string> kImported = {"3", "21", "8", "12", "36", "0", "29", "32", "5", "17"};

QString PagePath() {
    QDir().mkpath(QStringLiteral(ROTACLE_GUI_SCRATCH));
    const QString path = QStringLiteral(ROTACLE_GUI_SCRATCH "/clipboard-page.html");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(kPage) != kPage.size()) return {};
    return path;
}

std::vector<std::string> ImportList(rotacle::ui::TForm1& form) {
    std::vector<std::string> lines;
    for (const std::string_view l : form.Engine().Panel().Import_List()) lines.emplace_back(l);
    return lines;
}

}  // namespace

// The other program: `rotacle_gui_tests clipboard-owner html|text FILE`
// puts FILE on the clipboard in that one form, says "ready", and holds it
// until another program takes the clipboard (or a minute has passed).
int OwnClipboard(int argc, char** argv) {
    if (argc < 4) return 2;
    QGuiApplication app(argc, argv);
    QFile file(QString::fromLocal8Bit(argv[3]));
    if (!file.open(QIODevice::ReadOnly)) return 2;
    const QString page = QString::fromUtf8(file.readAll());
    auto* data = new QMimeData;
    if (std::strcmp(argv[2], "html") == 0)
        data->setHtml(page);
    else
        data->setText(page);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data);
    QObject::connect(clipboard, &QClipboard::dataChanged, &app, [&app, clipboard] {
        if (!clipboard->ownsClipboard()) app.quit();
    });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QuietPlatform();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("the X clipboard needs the xcb platform (run under Xvfb)");
    }

    void aPageOnTheClipboardImportsAsHtmlOrAsText_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("offered");
        QTest::newRow("html only") << QStringLiteral("html") << QStringLiteral("text/html");
        QTest::newRow("text only") << QStringLiteral("text") << QStringLiteral("text/plain");
    }
    void aPageOnTheClipboardImportsAsHtmlOrAsText() {
        QFETCH(QString, form);
        QFETCH(QString, offered);
        const QString page = PagePath();
        QVERIFY(!page.isEmpty());
        QProcess owner;
        owner.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        owner.start(QCoreApplication::applicationFilePath(), {QStringLiteral("clipboard-owner"), form, page});
        QVERIFY2(owner.waitForReadyRead(20000), qPrintable(owner.errorString()));
        const QClipboard* clipboard = QGuiApplication::clipboard();
        QTRY_VERIFY_WITH_TIMEOUT(!clipboard->ownsClipboard() && clipboard->mimeData() &&
                                     clipboard->mimeData()->formats().contains(offered),
                                 10000);
        // The other form is not there: the paste must do with the one given.
        const QString other =
            form == QLatin1String("html") ? QStringLiteral("text/plain") : QStringLiteral("text/html");
        QVERIFY(!clipboard->mimeData()->formats().contains(other));

        auto window = ShowWindow();
        QVERIFY(window);
        ClickAt(*window, layout::kImport.center());
        QVERIFY(Shown(*window, "Panel_Import"));
        ClickAt(*window, layout::InPanel(layout::panel::kPaste).center());
        QTRY_VERIFY_WITH_TIMEOUT(!Shown(*window, "Image_PasteFromEvolution3"), 20000);
        QCOMPARE(ImportList(*window), kImported);
        QVERIFY(window->Platform().Messages().empty());
        // The saved page holds what the clipboard held.
        QFile saved(QString::fromStdString(window->Engine().Panel().Page_File()));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("<li>36</li>"));

        owner.kill();
        owner.waitForFinished(5000);
    }
};

int RunClipboardSuite(int argc, char** argv) {
    ClipboardTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "clipboard_test.moc"
