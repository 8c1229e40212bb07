#include "ui/session_journal.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QProcess>
#include <ctime>
#include <filesystem>

#include "core/convert.h"
#include "ui/Unit1.h"

namespace rotacle::ui {

namespace {

// A platform for the quiet replay that sums up the last session.
class ScratchPlatform : public Platform {
public:
    std::int64_t ClockSeconds() override { return 0; }
    void RandSeed(std::uint32_t) override {}
    std::int32_t Random(std::int32_t) override { return 0; }
    void ShowMessage(const std::string&) override {}
    std::optional<std::string> OpenFileDialog(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> SaveFileDialog(const FileDialogSpec&) override { return std::nullopt; }
    std::string ClipboardText() override { return {}; }
    std::string ProgramFolder() override { return {}; }
};

std::string ClockText(std::time_t when) {
    std::tm tm{};
    ::localtime_r(&when, &tm);
    char text[8];
    std::strftime(text, sizeof text, "%H:%M", &tm);
    return text;
}

}  // namespace

// Writes the actions and keeps the session so far aside at every new game,
// so that an "APP" clicked by mistake can be taken back from the kept file.
class SessionJournal::Sink : public ActionSink {
public:
    Sink(const std::string& path, const std::string& folder, QtPlatform& platform)
        : folder_(folder), writer_(path, [&platform](const std::string& reason) {
              if (reason.empty()) return;
              // Called inside an action: the message waits for its end.
              const std::string text =
                  "The session journal cannot be written (" + reason +
                  "). Play goes on; the journal catches up as soon as there is room again.";
              QMetaObject::invokeMethod(
                  QCoreApplication::instance(), [&platform, text] { platform.ShowMessage(text); },
                  Qt::QueuedConnection);
          }) {}

    void Record(std::string_view action) noexcept override {
        writer_.Record(action);
        if (action.starts_with("reset-app") && !writer_.Behind()) {
            std::error_code ec;
            std::filesystem::copy_file(writer_.Path(),
                                       std::filesystem::path(folder_) / KeptJournalName(std::time(nullptr)),
                                       std::filesystem::copy_options::overwrite_existing, ec);
        }
    }
    JournalWriter& Writer() { return writer_; }

private:
    std::string folder_;
    JournalWriter writer_;
};

SessionJournal::SessionJournal(TForm1& form, std::string folder) : form_(form), folder_(std::move(folder)) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
}

SessionJournal::~SessionJournal() {
    if (sink_) form_.engine().SetJournal(nullptr);
}

std::string SessionJournal::Path() const { return (std::filesystem::path(folder_) / kJournalName).string(); }

void SessionJournal::Start() {
    const std::string path = Path();
    bool journal = true;
    if (std::filesystem::exists(path)) {
        JournalContents last;
        try {
            last = ReadJournal(path);
        } catch (const FileError& e) {
            last.usable = false;
            last.problem = e.what();
        }
        if (!last.usable) {
            journal = KeepAside("The last session cannot be resumed: " + last.problem);
        } else if (last.closed) {
            journal = KeepAside("");
        } else {
            ScratchPlatform scratch;
            Engine summary(scratch);
            for (const std::string& action : last.actions)
                if (!summary.ReplayAction(action)) break;
            const std::size_t numbers = summary.board().NumbersList().size();
            struct stat st {};
            const std::time_t when = ::stat(path.c_str(), &st) == 0 ? st.st_mtime : std::time(nullptr);
            if (numbers > 0 &&
                form_.platform().Confirm("Resume the last session? " +
                                         IntToStr(static_cast<std::int64_t>(numbers)) +
                                         " numbers, bankroll " + FloatToStr(summary.State().Bankroll) +
                                         ", last at " + ClockText(when) + "."))
                Resume(last);
            else
                journal = KeepAside("");
        }
    }
    if (!journal) return;
    try {
        sink_ = std::make_unique<Sink>(path, folder_, form_.platform());
        form_.engine().SetJournal(sink_.get());
    } catch (const FileError& e) {
        form_.platform().ShowMessage(std::string(e.what()) + " The session is not journaled.");
    }
}

void SessionJournal::Resume(const JournalContents& last) {
    Engine& e = form_.engine();
    std::size_t ran = 0;
    for (const std::string& action : last.actions) {
        if (!e.ReplayAction(action)) break;
        ++ran;
    }
    e.Event([&] { e.TimerTick(TimerId::ShowValues); });
    form_.Refresh();
    if (!last.problem.empty())
        form_.platform().ShowMessage(last.problem);
    else if (ran < last.actions.size())
        form_.platform().ShowMessage(
            "The journal holds an action this version does not know; the session is "
            "resumed up to it.");
}

bool SessionJournal::KeepAside(const std::string& why) {
    try {
        const std::string kept = KeepJournal(Path(), folder_, std::time(nullptr));
        if (!why.empty())
            form_.platform().ShowMessage(why + " It is kept as " +
                                         std::filesystem::path(kept).filename().string() +
                                         "; a new session starts.");
        return true;
    } catch (const FileError& e) {
        form_.platform().ShowMessage(std::string(e.what()) + " This session is not journaled.");
        return false;
    }
}

PreviousSessions SessionJournal::Previous() {
    return {[this] { return KeptJournals(folder_); }, [this](const std::string& kept) { ResumeKept(kept); }};
}

void SessionJournal::ResumeKept(const std::string& kept) {
    QtPlatform& platform = form_.platform();
    JournalContents chosen;
    try {
        chosen = ReadJournal(kept);
    } catch (const FileError& e) {
        platform.ShowMessage(e.what());
        return;
    }
    if (!chosen.usable) {
        platform.ShowMessage(chosen.problem);
        return;
    }
    if (!platform.Confirm("Resume the session kept as " + std::filesystem::path(kept).filename().string() +
                          "? This session is kept beside it, and Rotacle starts again."))
        return;
    // This session ends here, closed and kept; the chosen one becomes the
    // open journal, without its close, so that the next start offers it.
    if (sink_) {
        form_.engine().SetJournal(nullptr);
        sink_->Writer().Close();
        sink_.reset();
    }
    try {
        if (std::filesystem::exists(Path())) KeepJournal(Path(), folder_, std::time(nullptr));
        JournalWriter reopened(Path());
        for (const std::string& action : chosen.actions) reopened.Record(action);
        if (reopened.Behind()) throw FileError("Cannot write file \"" + Path() + "\".");
    } catch (const FileError& e) {
        platform.ShowMessage(e.what());
        return;
    }
    if (restart_) {
        restart_();
    } else {
        QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                QCoreApplication::arguments().mid(1));
        QCoreApplication::quit();
    }
}

void SessionJournal::EndCleanly() {
    if (!sink_) return;
    form_.engine().SetJournal(nullptr);
    sink_->Writer().Close();
}

}  // namespace rotacle::ui
