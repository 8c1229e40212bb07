// The options file as the player's system may hold it: a file, a link to one,
// or something that is no file at all, which must neither hold up the window
// nor be written over.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <atomic>
#include <thread>

#include "gui_support.h"
#include "ui/options_file.h"

using namespace rotacle::ui::test;

namespace {

enum class Kind { Absent, Regular, LinkToRegular, Fifo, LinkToFifo, Folder, LinkToNothing };

QByteArray Name(const QString& path) { return QFile::encodeName(path); }

// What lies at `path`, links not followed: S_IFREG, S_IFLNK, S_IFIFO, ...; 0 for nothing.
mode_t TypeAt(const QString& path) {
    struct stat st {};
    return ::lstat(Name(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// Opens every FIFO given for writing, from `after` on, so that a reader
// blocked in open() goes on and the test fails instead of hanging.
class FifoRelease {
public:
    FifoRelease(QStringList fifos, std::chrono::milliseconds after)
        : thread_([this, fifos = std::move(fifos), after] {
              const auto start = std::chrono::steady_clock::now();
              while (!stop_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  if (std::chrono::steady_clock::now() - start < after) continue;
                  for (const QString& fifo : fifos) {
                      const int fd = ::open(Name(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                      if (fd >= 0) ::close(fd);
                  }
              }
          }) {}
    ~FifoRelease() {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace

class OptionsFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }
    void cleanup() { qputenv("XDG_CONFIG_HOME", config_); }

    void OnlyARegularFileIsReadAndWritten_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("absent") << int(Kind::Absent);
        QTest::newRow("regular file") << int(Kind::Regular);
        QTest::newRow("link to a regular file") << int(Kind::LinkToRegular);
        QTest::newRow("FIFO") << int(Kind::Fifo);
        QTest::newRow("link to a FIFO") << int(Kind::LinkToFifo);
        QTest::newRow("folder") << int(Kind::Folder);
        QTest::newRow("link to nothing") << int(Kind::LinkToNothing);
    }
    void OnlyARegularFileIsReadAndWritten() {
        QFETCH(int, kind);
        const auto k = static_cast<Kind>(kind);
        config_ = qgetenv("XDG_CONFIG_HOME");
        const QString home = QStringLiteral(ROTACLE_GUI_SCRATCH "/options/") + QTest::currentDataTag();
        QDir(home).removeRecursively();
        QVERIFY(QDir().mkpath(home + QStringLiteral("/rotacle")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
        const QString path = rotacle::ui::OptionsFilePath();
        QCOMPARE(path, home + QStringLiteral("/rotacle/rotacle.ini"));
        const QString target = home + QStringLiteral("/target");
        const QByteArray stored = "[probe]\nvalue=stored\n";
        const auto write = [&](const QString& file) {
            QFile f(file);
            return f.open(QIODevice::WriteOnly) && f.write(stored) == stored.size();
        };
        switch (k) {
            case Kind::Absent: break;
            case Kind::Regular: QVERIFY(write(path)); break;
            case Kind::LinkToRegular: QVERIFY(write(target) && QFile::link(target, path)); break;
            case Kind::Fifo: QCOMPARE(::mkfifo(Name(path).constData(), 0600), 0); break;
            case Kind::LinkToFifo:
                QCOMPARE(::mkfifo(Name(target).constData(), 0600), 0);
                QVERIFY(QFile::link(target, path));
                break;
            case Kind::Folder: QVERIFY(QDir().mkpath(path)); break;
            case Kind::LinkToNothing: QVERIFY(QFile::link(target, path)); break;
        }
        const mode_t before = TypeAt(path);
        const bool usable = k == Kind::Absent || k == Kind::Regular || k == Kind::LinkToRegular;
        const bool holds = k == Kind::Regular || k == Kind::LinkToRegular;

        FifoRelease release({path, target}, std::chrono::seconds(3));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(rotacle::ui::StoredOptions().value(QStringLiteral("probe/value")).toString(),
                 holds ? QStringLiteral("stored") : QString());
        QCOMPARE(rotacle::ui::OptionsFileProblem().isEmpty(), usable);
        // The window reads every option at its start and writes one when the
        // player changes it.
        {
            auto form = ShowWindow();
            QVERIFY(form);
        }
        rotacle::ui::StoredOptions().setValue(QStringLiteral("probe/value"), QStringLiteral("written"));
        QCOMPARE(rotacle::ui::StoredOptions().value(QStringLiteral("probe/value")).toString(),
                 usable ? QStringLiteral("written") : QString());
        QVERIFY2(clock.elapsed() < 2500, "the options file held up the window");

        // Whatever lay there is still there: a link stays a link, and nothing
        // new appears behind a link to nothing.
        QCOMPARE(TypeAt(path), k == Kind::Absent ? mode_t(S_IFREG) : before);
        if (k == Kind::LinkToRegular) QVERIFY(QFile(target).size() > stored.size());
        if (k == Kind::LinkToNothing) QCOMPARE(TypeAt(target), mode_t(0));
        if (k == Kind::LinkToFifo) QCOMPARE(TypeAt(target), mode_t(S_IFIFO));
    }

private:
    QByteArray config_;
};

int RunOptionsSuite(int argc, char** argv) {
    OptionsFileTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "options_file_test.moc"
