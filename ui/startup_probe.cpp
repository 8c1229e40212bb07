// Start-up time of the window against a bare Qt window, measured side by side.
//
//   rotacle-startup-probe [ROUNDS]     runs ROUNDS rounds (default 10); each
//                                      round starts the three kinds of
//                                      process in turn and prints the medians
//   rotacle-startup-probe --window     one run of the program's window
//   rotacle-startup-probe --bare       one run of a bare 457 x 388 QWidget
//   rotacle-startup-probe --label      the same with one line of text (a
//                                      QLabel), which loads the fonts
//   rotacle-startup-probe --idle [S]   the window after 30 spins with the
//                                      statistics window open, left alone for
//                                      S seconds (default 10): prints the share
//                                      of one core it used meanwhile
//
// A single run prints the wall-clock time (nanoseconds) at which its first
// frame was painted and ends. The parent takes the clock just before it
// starts the process, so the figure covers loading, Qt's start, building the
// window and painting it.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "ui/Unit1.h"
#include "ui/application.h"

extern char** environ;

namespace {

long long NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

// Reports the first paint of the window once the frame is complete, then
// ends the event loop.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The zero-time timer fires after the whole frame is painted and
            // flushed to the window.
            QTimer::singleShot(0, [] {
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("%lld %lld\n", NowNs(),
                            static_cast<long long>(cpu.tv_sec) * 1'000'000'000LL + cpu.tv_nsec);
                std::fflush(stdout);
                // Nothing after the first frame belongs to the measurement.
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

int RunWindow(int argc, char** argv) {
    FirstFrame probe;
    return rotacle::ui::RunRotacle(argc, argv,
                                   [&](rotacle::ui::TForm1& form) { form.installEventFilter(&probe); });
}

int RunBare(int argc, char** argv, bool with_text) {
    QApplication app(argc, argv);
    QWidget w;
    w.resize(457, 388);
    if (with_text) {
        auto* label = new QLabel(QStringLiteral("Rotacle 8.0"), &w);
        label->move(20, 20);
    }
    FirstFrame probe;
    w.installEventFilter(&probe);
    w.show();
    return QApplication::exec();
}

struct Run {
    double wall_ms = -1;  ///< process start to first frame
    double cpu_ms = -1;   ///< processor time the process used until then
};

// Starts this program with `mode` and measures it to its first frame.
Run Measure(const char* self, const char* mode) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const long long start = NowNs();
    const int rc = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return {};
    }
    std::string out;
    char buf[64];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long painted = 0;
    long long cpu = 0;
    if (std::sscanf(out.c_str(), "%lld %lld", &painted, &cpu) != 2) return {};
    return {static_cast<double>(painted - start) / 1e6, static_cast<double>(cpu) / 1e6};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

// Processor time of this process so far, in seconds.
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

int RunIdle(int argc, char** argv) {
    const int seconds = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 10;
    int one = 1;
    return rotacle::ui::RunRotacle(one, argv, [seconds](rotacle::ui::TForm1& form) {
        // Thirty spins, one after another's run, then the statistics window.
        auto* play = new QTimer(&form);
        auto spins = std::make_shared<int>(0);
        QObject::connect(play, &QTimer::timeout, &form, [&form, play, spins, seconds] {
            if (form.Engine().ProgressRunUnderWay()) return;
            if (*spins < 30) {
                form.Engine().Event([&] { form.Engine().NumberClick((*spins * 7 + 3) % 37); });
                ++*spins;
                return;
            }
            play->stop();
            form.ShowStatistics();
            // Let the windows settle, then measure the idle time.
            QTimer::singleShot(1000, &form, [&form, seconds] {
                const double start = CpuSeconds();
                QTimer::singleShot(seconds * 1000, &form, [&form, start, seconds] {
                    const double used = CpuSeconds() - start;
                    std::printf(
                        "idle for %d s with both windows open: %.3f s of processor time, %.2f %% of one "
                        "core\n",
                        seconds, used, 100.0 * used / seconds);
                    std::fflush(stdout);
                    form.close();
                    QCoreApplication::quit();
                });
            });
        });
        play->start(30);
    });
}

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--idle") == 0) return RunIdle(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--window") == 0) return RunWindow(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "--bare") == 0) return RunBare(argc, argv, false);
    if (argc >= 2 && std::strcmp(argv[1], "--label") == 0) return RunBare(argc, argv, true);

    const int rounds = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
    char self[4096];
    const ssize_t len = readlink("/proc/self/exe", self, sizeof self - 1);
    if (len <= 0) return 1;
    self[len] = '\0';
    constexpr const char* kModes[3] = {"--bare", "--label", "--window"};
    std::vector<double> wall[3];
    std::vector<double> cpu[3];
    // Alternating runs share whatever the machine is doing at the time.
    for (int i = 0; i < rounds; ++i) {
        std::printf("round %2d:", i + 1);
        for (int m = 0; m < 3; ++m) {
            const Run r = Measure(self, kModes[m]);
            if (r.wall_ms < 0) {
                std::fprintf(stderr, "\n%s did not paint its window\n", kModes[m]);
                return 1;
            }
            wall[m].push_back(r.wall_ms);
            cpu[m].push_back(r.cpu_ms);
            std::printf("  %s %6.1f ms (cpu %5.1f)", kModes[m] + 2, r.wall_ms, r.cpu_ms);
        }
        std::printf("\n");
    }
    const double w = Median(wall[2]);
    const double c = Median(cpu[2]);
    std::printf(
        "median to first frame: bare %.1f ms, label %.1f ms, window %.1f ms; "
        "window / bare %.2f, window / label %.2f\n",
        Median(wall[0]), Median(wall[1]), w, w / Median(wall[0]), w / Median(wall[1]));
    std::printf(
        "median processor time: bare %.1f ms, label %.1f ms, window %.1f ms; "
        "window / bare %.2f, window / label %.2f\n",
        Median(cpu[0]), Median(cpu[1]), c, c / Median(cpu[0]), c / Median(cpu[1]));
    return 0;
}
