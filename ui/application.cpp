#include "ui/application.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QStyleFactory>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "rotacle/version.h"
#include "ui/Unit1.h"
#include "ui/accessible.h"
#include "ui/artwork.h"
#include "ui/language.h"
#include "ui/options_file.h"
#include "ui/session_journal.h"

namespace rotacle::ui {

QStringList PreferredFontFamilies() {
    return {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
}

std::optional<QFont> WindowFont() {
    for (const QString& family : PreferredFontFamilies()) {
        if (!QFontDatabase::hasFamily(family)) continue;
        QFont font(family);
        font.setPixelSize(11);
        font.setHintingPreference(QFont::PreferFullHinting);
        return font;
    }
    return std::nullopt;
}

bool XDisplayReachable(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos) return true;
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") return true;
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return true;
    // An X server listens on a named socket, an abstract one, or both.
    const std::string path = "/tmp/.X11-unix/X" + number;
    for (const bool abstract : {false, true}) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return true;
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        path.copy(addr.sun_path + offset, std::min(path.size(), sizeof addr.sun_path - 1 - offset));
        const auto len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
        const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), len) == 0;
        ::close(fd);
        if (connected) return true;
    }
    return false;
}

std::optional<std::string> NoDisplayReason(const char* qpa_platform, const char* display,
                                           const char* wayland_display,
                                           const std::function<bool(const std::string&)>& reachable) {
    const auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
    if (set(qpa_platform) || set(wayland_display)) return std::nullopt;
    if (!set(display))
        return "rotacle: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
               "start it from a desktop session";
    if (!reachable(display)) return "rotacle: cannot connect to the display " + std::string(display);
    return std::nullopt;
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        Fail(QString::fromUtf8(e.what()));
    } catch (...) {
        Fail(QCoreApplication::translate("Message", "Unknown error"));
    }
    return false;
}

void Application::Fail(const QString& what) {
    if (failed_) return;
    failed_ = true;
    if (reporter_) {
        reporter_(what);
    } else {
        std::fprintf(stderr, "rotacle: %s\n", what.toLocal8Bit().constData());
        QMessageBox::critical(activeWindow(), QStringLiteral("Rotacle 8.0"), what);
    }
    exit(1);
}

void ApplyLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
    app.setPalette(art::DarkPalette());
    if (const auto font = WindowFont()) app.setFont(*font);
}

int RunRotacle(int& argc, char** argv, const std::function<void(TForm1&)>& before_show, bool journal,
               const QString& language) {
    if (const auto why = NoDisplayReason(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                         std::getenv("WAYLAND_DISPLAY"))) {
        std::fprintf(stderr, "%s\n", why->c_str());
        return 1;
    }
    try {
        Application app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("rotacle"));
        QCoreApplication::setApplicationVersion(QStringLiteral(ROTACLE_VERSION));
        QGuiApplication::setDesktopFileName(QStringLiteral("org.rotacle.Rotacle"));
        ApplyLook(app);
        LoadLanguage(language.isEmpty() ? StoredLanguage() : language);
        TForm1 form;
        if (before_show) before_show(form);
        std::optional<SessionJournal> session;
        if (journal) {
            session.emplace(form, form.Platform().AppDataFolder());
            session->Start();
            form.SetPreviousSessions(session->Previous());
        }
        form.ApplyStoredOptions();
        form.show();
        if (const QString problem = OptionsFileProblem(); !problem.isEmpty()) Announce(form, problem);
        const int code = QApplication::exec();
        if (session && !app.Failed()) session->EndCleanly();
        return app.Failed() && code == 0 ? 1 : code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "rotacle: %s\n", e.what());
        return 1;
    }
}

}  // namespace rotacle::ui
