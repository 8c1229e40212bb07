// The window's language: English, or one of the translations built into the
// program, chosen on the command line, in the settings area or by the system.
#pragma once

#include <QString>
#include <span>

namespace rotacle::ui {

/// A language the window speaks: its code (as in rotacle_CODE.ts) and its
/// name in that language.
struct Language {
    const char* code;
    const char* name;
};

/// English first, then every translation.
std::span<const Language> Languages();

/// The code of `wanted` among `Languages()` ("de_AT" gives "de", "pt" gives
/// "pt_BR"); "en" when none fits.
QString LanguageCode(const QString& wanted);

/// The language the player chose in the settings area ("" for the system's).
QString StoredLanguage();
/// Keeps the player's choice for the next start ("" for the system's).
void StoreLanguage(const QString& code);

/// Loads the window's texts and Qt's own in `code` (the stored choice, or
/// the system's language, where it is empty) for the whole application,
/// replacing the language loaded before. Returns the code loaded.
QString LoadLanguage(const QString& code);

}  // namespace rotacle::ui
