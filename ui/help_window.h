// The help window: a short guide to play with Rotacle, with the legend of the
// safety lamps and trend buttons drawn as on the table, and the "?" command
// of the top row that opens it.
#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace rotacle::ui {

/// A kept session as the help window lists it.
struct KeptSession {
    std::string path;         ///< its journal
    bool readable = true;     ///< false when it cannot be resumed
    std::size_t numbers = 0;  ///< numbers played
    double bankroll = 0;
};

/// The sessions kept beside the running one, as the help window lists them.
struct PreviousSessions {
    std::function<std::vector<KeptSession>()> list;  ///< newest first
    std::function<void(const std::string&)> resume;  ///< resumes the journal at a path
};

/// The guide. It does not block the main window and, like it, stays on top.
class HelpWindow : public QDialog {
public:
    explicit HelpWindow(QWidget* parent);

    /// The guide as plain text.
    QString Text() const;
    /// Lists the kept sessions of `sessions` (none without).
    void ShowSessions(const PreviousSessions* sessions);

private:
    QTextBrowser* browser_ = nullptr;
    QListWidget* sessions_list_ = nullptr;
    QPushButton* resume_ = nullptr;
    const PreviousSessions* sessions_ = nullptr;
};

/// Shows the help window of `parent` (created on first use, reused after)
/// and brings it to the front.
void ShowHelp(QWidget& parent, const PreviousSessions* sessions = nullptr);

/// Adds the "?" command to the top row of `window`: a normal picture and, on
/// top of it while the pointer is over it, the hover picture that opens the
/// help window.
void AddHelpButton(QWidget& window);

}  // namespace rotacle::ui
