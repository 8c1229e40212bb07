// The options kept between runs outside the settings file: the window's
// language, quick proposals, the zero rule and the session limits, in the
// user's configuration folder as an INI file.
#pragma once

#include <QSettings>
#include <QString>

namespace rotacle::ui {

/// Where the options are kept: rotacle/rotacle.ini in the user's configuration folder
/// ($XDG_CONFIG_HOME, else ~/.config).
QString OptionsFilePath();

/// The options file, for reading and writing. It is opened only when it is a regular file (a link to
/// one is followed) or does not exist yet. Anything else there (a FIFO, a device, a folder, a link to
/// nothing) would block the program or take what it writes: the options then read as their defaults,
/// nothing is written anywhere, and the first call says so on standard error.
QSettings StoredOptions();

/// Why the options file is not used, in the window's language; empty when it is used.
QString OptionsFileProblem();

}  // namespace rotacle::ui
