#include "ui/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QStringList>
#include <QTimer>

#include "ui/wording.h"

namespace rotacle::ui {

QString QtFileFilter(std::string_view filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The description often repeats the patterns in brackets; Qt reads
        // the patterns from the brackets, so they are written once, by us.
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open > 0) description = description.left(open).trimmed();
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        filters << Worded(description.toStdString()) + QStringLiteral(" (") +
                       patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::int64_t QtPlatform::ClockSeconds() { return QDateTime::currentSecsSinceEpoch(); }

void QtPlatform::ShowMessage(const std::string& text) {
    messages_.push_back(text);
    if (on_message_) on_message_(text);
    const QString message = QString::fromStdString(text);
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Rotacle 8.0"), message,
                                QMessageBox::Ok, Owner());
    box->setObjectName(QStringLiteral("ErrorMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The window stays on top of everything; its messages must too.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    QObject::connect(box, &QDialog::finished, [this] { AfterDialog(); });
    if (non_blocking_) {
        box->open();
        return;
    }
    ++open_messages_;
    box->exec();
    --open_messages_;
}

void QtPlatform::ShowError(const Message& message) { ShowMessage(WordMessage(message).toStdString()); }

bool QtPlatform::Confirm(const std::string& question, bool yes_by_default) {
    questions_.push_back(question);
    if (!confirm_answers_.empty()) {
        const bool yes = confirm_answers_.front();
        confirm_answers_.pop_front();
        return yes;
    }
    // Without a player to answer, the default answer stands.
    if (non_blocking_) return yes_by_default;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Rotacle 8.0"), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, Owner());
    box.setObjectName(QStringLiteral("Question"));
    box.setDefaultButton(yes_by_default ? QMessageBox::Yes : QMessageBox::No);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Timers hold still while the player thinks, as under an error message.
    ++open_messages_;
    const int answer = box.exec();
    --open_messages_;
    AfterDialog();
    return answer == QMessageBox::Yes;
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogSpec& request) {
    return RunDialog(request, false);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogSpec& request) {
    return RunDialog(request, true);
}

std::optional<std::string> QtPlatform::RunDialog(const FileDialogSpec& request, bool save) {
    dialogs_.push_back({request, save});
    if (!answers_.empty()) {
        auto answer = std::move(answers_.front());
        answers_.pop_front();
        return answer;
    }
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFileFilter(request.Filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    ++open_dialogs_;
    const int result = dialog.exec();
    --open_dialogs_;
    AfterDialog();
    if (result != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.front().toStdString();
}

void QtPlatform::AfterDialog() {
    if (after_dialog_ && window_) QTimer::singleShot(0, window_.data(), after_dialog_);
}

std::string QtPlatform::ClipboardText() {
    // A page copied from a browser, or put there as a page, comes as HTML,
    // often with no plain text beside it: the page is what the import reads.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return {};
    if (data->hasHtml()) return data->html().toStdString();
    return data->text().toStdString();
}

std::string QtPlatform::ProgramFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

}  // namespace rotacle::ui
