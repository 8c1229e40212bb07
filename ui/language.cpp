#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <array>
#include <memory>

#include "ui/options_file.h"

namespace rotacle::ui {

namespace {

constexpr std::array<Language, 8> kLanguages = {{
    {"en", "English"},
    {"it", "Italiano"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
    {"nl", "Nederlands"},
    {"pl", "Polski"},
    {"pt_BR", "Portugu\u00eas (Brasil)"},
}};

const QString kLanguageKey = QStringLiteral("window/language");

QSettings Stored() { return StoredOptions(); }

// The translators in force, replaced as a whole on every load.
std::unique_ptr<QTranslator>& Installed(int which) {
    static std::array<std::unique_ptr<QTranslator>, 2> translators;
    return translators[static_cast<std::size_t>(which)];
}

void Install(int which, std::unique_ptr<QTranslator> translator) {
    if (Installed(which)) QCoreApplication::removeTranslator(Installed(which).get());
    Installed(which) = std::move(translator);
    if (Installed(which)) QCoreApplication::installTranslator(Installed(which).get());
}

}  // namespace

std::span<const Language> Languages() { return kLanguages; }

QString LanguageCode(const QString& wanted) {
    const QString name = QString(wanted).replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const Language& l : kLanguages)
        if (name.compare(QLatin1String(l.code), Qt::CaseInsensitive) == 0) return QLatin1String(l.code);
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    for (const Language& l : kLanguages)
        if (QString::fromLatin1(l.code).section(QLatin1Char('_'), 0, 0).compare(base, Qt::CaseInsensitive) ==
            0)
            return QLatin1String(l.code);
    return QStringLiteral("en");
}

QString StoredLanguage() {
    const QString code = Stored().value(kLanguageKey).toString();
    return code.isEmpty() ? QString() : LanguageCode(code);
}

void StoreLanguage(const QString& code) {
    QSettings s = Stored();
    if (code.isEmpty())
        s.remove(kLanguageKey);
    else
        s.setValue(kLanguageKey, code);
}

QString LoadLanguage(const QString& code) {
    const QString chosen = LanguageCode(code.isEmpty() ? QLocale::system().name() : code);
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    if (chosen != QLatin1String("en")) {
        own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral(":/i18n/rotacle_") + chosen)) own.reset();
        qt = std::make_unique<QTranslator>();
        if (!qt->load(QStringLiteral("qtbase_") + chosen,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            !qt->load(QStringLiteral("qtbase_") + chosen.section(QLatin1Char('_'), 0, 0),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt.reset();
    }
    Install(0, std::move(own));
    Install(1, std::move(qt));
    return chosen;
}

}  // namespace rotacle::ui
