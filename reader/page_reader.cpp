// rotacle-page-text FILE: reads a saved page with a browser engine (Qt
// WebEngine) and writes the text of its body, as a browser shows it
// (document.body.innerText), to standard output.
//
// The page is only read, never run: JavaScript, images and plug-ins are off,
// the profile keeps nothing on disk, and every request other than the page
// file itself is refused, so nothing is fetched from the network or from
// other files. A browser that runs scripts hides <noscript>, and draws a
// <canvas> instead of the fallback content inside it; with scripts off the
// engine shows both, so the reader hides them again before it reads the text.
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "reader/watchdog.h"

namespace {

// Exit statuses the program that runs the reader tells apart.
constexpr int kExitUsage = 2;
constexpr int kExitLoadFailed = 3;
constexpr int kExitNoText = 4;
constexpr int kExitParentGone = 7;

// The limits of a reader started by hand; the program passes its own.
constexpr long long kDefaultTimeLimitMs = 30000;
constexpr std::size_t kDefaultMemoryLimitMb = 3072;

// The count after an option: a whole number from 1 to 2^40.
bool Count(char** argv, int argc, int at, long long& value) {
    if (at >= argc) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(argv[at], &end, 10);
    return errno == 0 && end != argv[at] && *end == '\0' && argv[at][0] != '-' && argv[at][0] != '+' &&
           value >= 1 && value <= (1LL << 40);
}

// Refuses every request but the page file's own.
class OnlyThePage final : public QWebEngineUrlRequestInterceptor {
public:
    explicit OnlyThePage(QUrl page) : page_(std::move(page)) {}
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.requestUrl().adjusted(QUrl::RemoveFragment) != page_) info.block(true);
    }

private:
    QUrl page_;
};

// Runs in the reader's own script world, which the page cannot reach: hides
// <noscript> through a style sheet adopted by the document (not an element of
// it, so the body's text is unchanged), empties every <canvas> of its fallback
// content (an empty canvas reads as a drawn one does: no text, and a line
// break where it is a block), then reads the body's text.
constexpr const char* kReadText = R"JS(
(function () {
    var sheet = new CSSStyleSheet();
    sheet.replaceSync("noscript { display: none !important; }");
    document.adoptedStyleSheets = document.adoptedStyleSheets.concat([sheet]);
    document.querySelectorAll("canvas").forEach(function (c) { c.replaceChildren(); });
    return document.body ? document.body.innerText : "";
})()
)JS";

bool WriteAll(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    // rotacle-page-text [--size-first] [--parent PID] [--time-limit MS] [--memory-limit MB] [--] FILE
    bool sizeFirst = false;
    const char* file = nullptr;
    bool options = true, usage = false;
    rotacle::reader::WatchLimits watch{0, kDefaultTimeLimitMs, kDefaultMemoryLimitMb << 20};
    for (int i = 1; i < argc; ++i) {
        const auto option = [&](const char* name) { return options && std::strcmp(argv[i], name) == 0; };
        long long value = 0;
        if (option("--parent") || option("--time-limit") || option("--memory-limit")) {
            const char* name = argv[i];
            if (!Count(argv, argc, ++i, value)) {
                usage = true;
                break;
            }
            if (name[2] == 'p')
                watch.parent = static_cast<pid_t>(value);
            else if (name[2] == 't')
                watch.timeoutMs = value;
            else
                watch.memory = static_cast<std::size_t>(value) << 20;
        } else if (option("--size-first"))
            sizeFirst = true;
        else if (option("--"))
            options = false;
        else if (file == nullptr && !(options && argv[i][0] == '-' && argv[i][1] != '\0'))
            file = argv[i];
        else
            usage = true;
    }
    if (file == nullptr || usage) {
        std::fputs(
            "usage: rotacle-page-text [--size-first] [--parent PID] [--time-limit MS] [--memory-limit MB] "
            "[--] "
            "FILE\n",
            stderr);
        return kExitUsage;
    }
    // Before the engine starts its processes: none of them may outlive the
    // reader, nor the reader the program that started it.
    if (!rotacle::reader::StartWatch(watch)) return kExitParentGone;
    const QFileInfo info(QString::fromLocal8Bit(file));
    if (!info.isFile() || !info.isReadable()) {
        std::fprintf(stderr, "rotacle-page-text: %s: cannot read the file\n", file);
        return kExitLoadFailed;
    }

    // The reader never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine's sandbox does not start for root; see the manual page.
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    flags += " --disable-gpu";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    // The engine reports its set-up on every start; the program that runs
    // the reader wants only the text.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine reads its own switches from the arguments; the file name is
    // not one of them.
    int appArgc = 1;
    char* appArgv[] = {argv[0], nullptr};
    QApplication app(appArgc, appArgv);

    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    OnlyThePage interceptor(url);
    QWebEngineProfile profile;  // off the record: nothing is stored
    profile.setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile.setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile.setUrlRequestInterceptor(&interceptor);

    QWebEnginePage page(&profile);
    QWebEngineSettings* settings = page.settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::WebGLEnabled, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    // A page that names no encoding is taken as UTF-8, as the program saves
    // it; one whose bytes are not UTF-8 is left to the engine's detection of
    // the encoding, as a browser does.
    settings->setDefaultTextEncoding(QStringLiteral("utf-8"));

    // Laid out in the window of a desktop browser: a page that keeps a
    // desktop and a phone copy of its history shows the desktop one.
    QWebEngineView view;
    view.setPage(&page);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(1920, 1080);
    view.show();

    int status = kExitNoText;
    bool reading = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, &app, [&](bool ok) {
        if (reading) return;
        reading = true;
        if (!ok) {
            std::fprintf(stderr, "rotacle-page-text: %s: the engine could not load the page\n", file);
            status = kExitLoadFailed;
            app.quit();
            return;
        }
        page.runJavaScript(QString::fromLatin1(kReadText), QWebEngineScript::ApplicationWorld,
                           [&](const QVariant& result) {
                               if (result.typeId() == QMetaType::QString) {
                                   const QByteArray text = result.toString().toUtf8();
                                   QByteArray out;
                                   if (sizeFirst) out = QByteArray::number(text.size()) + '\n';
                                   out += text;
                                   status = WriteAll(out) ? 0 : kExitNoText;
                               } else {
                                   std::fprintf(stderr, "rotacle-page-text: %s: no text\n", file);
                               }
                               app.quit();
                           });
    });
    page.load(url);
    app.exec();
    return status;
}
