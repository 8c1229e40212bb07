// The engine's platform services in the Qt window: the clock, the program's
// generator, message boxes, file dialogs, the clipboard and the program folder.
#pragma once

#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform.h"

class QWidget;

namespace rotacle::ui {

/// Turns a dialog filter of the program ("Rotacle 8 Settings(*.rtk)|*.rtk",
/// description and patterns in pairs) into Qt's form
/// ("Rotacle 8 Settings (*.rtk)"; several filters joined by ";;").
QString QtFileFilter(std::string_view filter);

class QtPlatform final : public Platform {
public:
    /// Window that owns the message boxes and dialogs.
    void SetWindow(QWidget* window) { window_ = window; }

    /// While it lives, message boxes and file dialogs open over `owner` (a
    /// window of the program other than the main one) instead of the main
    /// window.
    class OwnerScope {
    public:
        OwnerScope(QtPlatform& platform, QWidget* owner) : platform_(platform), before_(platform.owner_) {
            platform_.owner_ = owner;
        }
        ~OwnerScope() { platform_.owner_ = before_; }
        OwnerScope(const OwnerScope&) = delete;
        OwnerScope& operator=(const OwnerScope&) = delete;

    private:
        QtPlatform& platform_;
        QPointer<QWidget> before_;
    };
    /// `action` runs after a message box or a file dialog has closed, once
    /// the operation that opened it is over (from the window's event loop).
    void SetAfterDialog(std::function<void()> action) { after_dialog_ = std::move(action); }
    /// `action` hears the text of every message before its box opens.
    void SetOnMessage(std::function<void(const std::string&)> action) { on_message_ = std::move(action); }

    std::int64_t ClockSeconds() override;
    void RandSeed(std::uint32_t seed) override { random_.Seed(seed); }
    std::int32_t Random(std::int32_t range) override { return random_.Next(range); }
    void ShowMessage(const std::string& text) override;
    /// Shows the game's error worded in the loaded language.
    void ShowError(const Message& message) override;
    std::optional<std::string> OpenFileDialog(const FileDialogSpec& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogSpec& request) override;
    std::string ClipboardText() override;
    std::string ProgramFolder() override;

    /// Asks the player a yes/no question with No as the default button (Yes
    /// with `yes_by_default`); true for Yes. Not an engine service: only the
    /// window asks.
    bool Confirm(const std::string& question, bool yes_by_default = false);

    // ---- Hooks for tests and scripted runs --------------------------------------

    /// With non-blocking messages a message box is opened without a nested
    /// event loop (the caller goes on at once and closes it when it likes).
    void SetNonBlockingMessages(bool on) { non_blocking_ = on; }
    /// The next file dialog is not shown: it answers `path` (nothing = cancel).
    void QueueDialogAnswer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    /// The next question is not shown: it answers `yes`.
    void QueueConfirmAnswer(bool yes) { confirm_answers_.push_back(yes); }
    /// Every question asked so far, answered by a hook or not, oldest first.
    const std::vector<std::string>& Questions() const { return questions_; }
    /// True while a message box waits for the player in its own event loop.
    bool MessageOpen() const { return open_messages_ > 0; }
    /// True while a file dialog waits for the player in its own event loop.
    bool DialogOpen() const { return open_dialogs_ > 0; }
    /// Every message shown so far, oldest first.
    const std::vector<std::string>& Messages() const { return messages_; }
    /// A file dialog as it was asked for.
    struct DialogRequest {
        FileDialogSpec spec;
        bool save = false;
    };
    /// Every file dialog asked for so far, answered by a hook or not, oldest first.
    const std::vector<DialogRequest>& DialogRequests() const { return dialogs_; }

private:
    std::optional<std::string> RunDialog(const FileDialogSpec& request, bool save);
    void AfterDialog();

    /// The window a message box or dialog opens over.
    QWidget* Owner() const { return owner_ ? owner_.data() : window_.data(); }

    QPointer<QWidget> window_;
    QPointer<QWidget> owner_;
    std::function<void()> after_dialog_;
    std::function<void(const std::string&)> on_message_;
    LcgRandom random_;
    bool non_blocking_ = false;
    int open_messages_ = 0;
    int open_dialogs_ = 0;
    std::deque<std::optional<std::string>> answers_;
    std::deque<bool> confirm_answers_;
    std::vector<std::string> questions_;
    std::vector<std::string> messages_;
    std::vector<DialogRequest> dialogs_;
};

}  // namespace rotacle::ui
