// The help window: a short guide to play with Rotacle, with the legend of the
// safety lamps and trend buttons drawn as on the table, and the "?" command
// of the top row that opens it.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace rotacle::ui {

/// The guide. It does not block the main window and, like it, stays on top.
class HelpWindow : public QDialog {
public:
    explicit HelpWindow(QWidget* parent);

    /// The guide as plain text.
    QString Text() const;

private:
    QTextBrowser* browser_ = nullptr;
};

/// Shows the help window of `parent` (created on first use, reused after)
/// and brings it to the front.
void ShowHelp(QWidget& parent);

/// Adds the "?" command to the top row of `window`: a normal picture and, on
/// top of it while the pointer is over it, the hover picture that opens the
/// help window.
void AddHelpButton(QWidget& window);

}  // namespace rotacle::ui
