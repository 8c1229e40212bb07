// The program around the window: the application object that turns an error
// escaping the event loop into a failed exit, the window font, and the start.
#pragma once

#include <QApplication>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace rotacle::ui {

class TForm1;

/// Families that match the metrics of the window's 8-point MS Sans Serif
/// (11 pixels) closely, best first: DejaVu Sans Condensed (Debian
/// fonts-dejavu-extra), then DejaVu Sans (fonts-dejavu-core).
QStringList PreferredFontFamilies();

/// The window font: the first installed preferred family at 11 pixels, or
/// nothing when none of them is installed.
std::optional<QFont> WindowFont();

/// True unless `display` names a local X display (":0", "unix:1.0") whose socket takes no connection. Remote
/// displays are left to the toolkit.
bool XDisplayReachable(const std::string& display);

/// Why the window cannot be shown, from the environment's QT_QPA_PLATFORM,
/// DISPLAY and WAYLAND_DISPLAY (null for unset): nothing when an explicit
/// platform, a Wayland display or a reachable X display is there.
std::optional<std::string> NoDisplayReason(
    const char* qpa_platform, const char* display, const char* wayland_display,
    const std::function<bool(const std::string&)>& reachable = XDisplayReachable);

/// QApplication that ends the program with a failure when an error escapes
/// an event handler: the error is shown (or handed to the reporter) and the
/// event loop returns exit code 1.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    /// Replaces the message box of a fatal error (tests, scripted runs).
    void SetFatalReporter(std::function<void(const QString&)> reporter) { reporter_ = std::move(reporter); }
    bool Failed() const { return failed_; }

private:
    void Fail(const QString& what);

    std::function<void(const QString&)> reporter_;
    bool failed_ = false;
};

/// Application-wide look: Fusion style, the dark palette and the window font.
void ApplyLook(QApplication& app);

/// Runs the program: checks for a display, creates the application and the
/// window, runs the event loop. `before_show` may adjust the window first.
/// The window speaks `language` (a code of `Languages()`; empty: the one
/// chosen in the settings area, else the system's).
/// Returns the process exit code.
int RunRotacle(int& argc, char** argv, const std::function<void(TForm1&)>& before_show = {},
               bool journal = false, const QString& language = {});

}  // namespace rotacle::ui
