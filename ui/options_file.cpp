#include "ui/options_file.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <mutex>

namespace rotacle::ui {

namespace {

// What is wrong with the file at `path` for QSettings, which opens it
// blocking and writes it anew: empty when it is a regular file or absent.
const char* Unusable(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0)
        return errno == ENOENT ? nullptr : QT_TRANSLATE_NOOP("Options", "cannot be reached");
    if (::stat(name.constData(), &st) != 0) return QT_TRANSLATE_NOOP("Options", "is a link to nothing");
    if (S_ISREG(st.st_mode)) return nullptr;
    if (S_ISDIR(st.st_mode)) return QT_TRANSLATE_NOOP("Options", "is a folder");
    return QT_TRANSLATE_NOOP("Options", "is not a regular file");
}

}  // namespace

QString OptionsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/rotacle/rotacle.ini");
}

QString OptionsFileProblem() {
    const QString path = OptionsFilePath();
    const char* why = Unusable(path);
    if (why == nullptr) return {};
    return QCoreApplication::translate("Options",
                                       "The options file %1 %2: the options start at their defaults and "
                                       "are not kept.")
        .arg(path, QCoreApplication::translate("Options", why));
}

QSettings StoredOptions() {
    const QString path = OptionsFilePath();
    if (const char* why = Unusable(path)) {
        static std::once_flag said;
        std::call_once(said, [&] {
            std::fprintf(stderr,
                         "rotacle: the options file %s %s: the options start at their defaults and are not "
                         "kept\n",
                         QFile::encodeName(path).constData(), why);
        });
        // A file that cannot exist (no folder can be made inside /dev/null):
        // every option reads as its default and nothing is written.
        return QSettings(QStringLiteral("/dev/null/rotacle.ini"), QSettings::IniFormat);
    }
    return QSettings(path, QSettings::IniFormat);
}

}  // namespace rotacle::ui
