// Runs one suite of window tests (window, board, hover, inputs, import, help,
// play, stats, screen, language, accessibility, options, clipboard), or all of
// them without an argument; `clipboard-owner` is the clipboard suite's other
// program. Each suite runs in the program's own application
// object, so an error escaping an event handler is handled as in the program.
#include <QDir>
#include <QFile>
#include <cstring>
#include <vector>

#include "ui/application.h"

int RunWindowSuite(int argc, char** argv);
int RunBoardSuite(int argc, char** argv);
int RunHoverSuite(int argc, char** argv);
int RunInputsSuite(int argc, char** argv);
int RunImportSuite(int argc, char** argv);
int RunScreenSuite(int argc, char** argv);
int RunHelpSuite(int argc, char** argv);
int RunPlaySuite(int argc, char** argv);
int RunStatsSuite(int argc, char** argv);
int RunLanguageSuite(int argc, char** argv);
int RunAccessibilitySuite(int argc, char** argv);
int RunOptionsSuite(int argc, char** argv);
int RunClipboardSuite(int argc, char** argv);
int OwnClipboard(int argc, char** argv);

namespace {

struct Suite {
    const char* name;
    int (*run)(int, char**);
};

constexpr Suite kSuites[] = {
    {"window", RunWindowSuite},
    {"board", RunBoardSuite},
    {"hover", RunHoverSuite},
    {"inputs", RunInputsSuite},
    {"import", RunImportSuite},
    {"help", RunHelpSuite},
    {"screen", RunScreenSuite},
    {"play", RunPlaySuite},
    {"stats", RunStatsSuite},
    {"language", RunLanguageSuite},
    {"accessibility", RunAccessibilitySuite},
    {"options", RunOptionsSuite},
    {"clipboard", RunClipboardSuite},
};

void EnsureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QString dir = QStringLiteral(ROTACLE_GUI_RUNTIME_DIR);
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
}

// Choices the window keeps between runs go to a folder of the tests, never to
// the user's own configuration.
void EnsureConfigFolder() {
    const QString dir = QStringLiteral(ROTACLE_GUI_SCRATCH "/config");
    QDir().mkpath(dir);
    qputenv("XDG_CONFIG_HOME", dir.toLocal8Bit());
    const QString data = QStringLiteral(ROTACLE_GUI_SCRATCH "/data");
    QDir().mkpath(data);
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
}

}  // namespace

int main(int argc, char** argv) {
    EnsureRuntimeFolder();
    EnsureConfigFolder();
    const char* only = argc >= 2 && argv[1][0] != '-' ? argv[1] : nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        if (only && std::strcmp(only, "screen") == 0) {
            // A short screen: a 1280x1024 panel at scale 2 leaves 512 pixels.
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ROTACLE_GUI_DATA "/screens/1280x1024.json");
            if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) qputenv("QT_SCALE_FACTOR", "2");
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    if (only && std::strcmp(only, "clipboard-owner") == 0) return OwnClipboard(argc, argv);
    // QtTest sees the program name and the options after the suite name.
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);
    int qt_argc = static_cast<int>(args.size());
    rotacle::ui::Application app(qt_argc, args.data());
    rotacle::ui::ApplyLook(app);

    int failures = 0;
    bool ran = false;
    for (const Suite& s : kSuites) {
        if (only && std::strcmp(only, s.name) != 0) continue;
        ran = true;
        failures += s.run(qt_argc, args.data());
    }
    return ran ? failures : 2;
}
