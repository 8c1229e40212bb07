#include "ui/session_journal.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QProcess>
#include <QScopeGuard>
#include <ctime>
#include <filesystem>
#include <limits>

#include "core/convert.h"
#include "core/text_file.h"
#include "ui/Unit1.h"
#include "ui/wording.h"

namespace rotacle::ui {

namespace {

// A journal that cannot be kept: the file's error, then what it means.
std::string NotJournaled(const EngineError& error) {
    return (WordMessage(error.Message()) +
            QCoreApplication::translate("Journal", " This session is not journaled."))
        .toStdString();
}

namespace fs = std::filesystem;

std::string ClockText(std::time_t when) {
    std::tm tm{};
    ::localtime_r(&when, &tm);
    char text[8];
    std::strftime(text, sizeof text, "%H:%M", &tm);
    return text;
}

std::string Count(std::size_t n) { return IntToStr(static_cast<std::int64_t>(n)); }

std::string WholeFile(const std::string& path) {
    return ReadFileText(path, std::numeric_limits<std::uint64_t>::max());
}

}  // namespace

std::string JournalSlotName(int slot) {
    if (slot <= 1) return std::string(kJournalName);
    return "session." + IntToStr(slot) + ".journal";
}

// Writes the actions and, at every new game, keeps the game that ends there
// aside, so that an "APP" clicked by mistake can be taken back.
class SessionJournal::Sink : public ActionSink {
public:
    Sink(std::unique_ptr<JournalWriter> writer, const std::string& folder, Engine& engine)
        : folder_(folder),
          engine_(engine),
          writer_(std::move(writer)),
          numbers_(engine.Board().NumbersList().size()),
          last_record_(writer_->FoundTime()) {}

    void Record(std::string_view action) noexcept override {
        // The copy is taken before the new game's record: resumed, it is the
        // table as it was just before APP.
        if (action.starts_with("reset-app") && numbers_ > 0 && !writer_->Behind()) {
            try {
                KeepJournal(WholeFile(writer_->Path()), folder_, std::time(nullptr), last_record_);
            } catch (...) {
                // No copy: the game goes on, the journal holds everything.
            }
        }
        writer_->Record(action);
        last_record_ = std::time(nullptr);
        numbers_ = engine_.Board().NumbersList().size();
    }
    JournalWriter& Writer() { return *writer_; }

private:
    std::string folder_;
    Engine& engine_;
    std::unique_ptr<JournalWriter> writer_;
    std::size_t numbers_;      // numbers on the board after the last action
    std::time_t last_record_;  // when the last action was journaled
};

SessionJournal::SessionJournal(TForm1& form, std::string folder) : form_(form), folder_(std::move(folder)) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
}

SessionJournal::~SessionJournal() {
    if (sink_) form_.Engine().SetJournal(nullptr);
}

std::string SessionJournal::Path() const {
    return path_.empty() ? (fs::path(folder_) / kJournalName).string() : path_;
}

void SessionJournal::Start() {
    QtPlatform& platform = form_.Platform();
    const auto trouble = [&platform](const std::string& reason) {
        if (reason.empty()) return;
        // Called inside an action: the message waits for its end.
        const std::string text =
            QCoreApplication::translate(
                "Journal",
                "The session journal cannot be written (%1). Play goes on; the journal catches up as soon as "
                "there is room again.")
                .arg(QString::fromStdString(reason))
                .toStdString();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&platform, text] { platform.ShowMessage(text); },
            Qt::QueuedConnection);
    };
    int slot = 1;
    for (; slot <= kJournalSlots && !opened_; ++slot) {
        const std::string path = (fs::path(folder_) / JournalSlotName(slot)).string();
        try {
            opened_ = std::make_unique<JournalWriter>(path, trouble, JournalWriter::Start::Inspect);
            path_ = path;
        } catch (const JournalBusy&) {
        } catch (const FileError& e) {
            platform.ShowMessage(NotJournaled(e));
            return;
        }
    }
    if (!opened_) {
        platform.ShowMessage(
            QCoreApplication::translate(
                "Journal",
                "Every session journal is open in another Rotacle window. This session is not journaled.")
                .toStdString());
        return;
    }
    if (slot > 2)
        platform.ShowMessage(QCoreApplication::translate("Journal",
                                                         "The last session is open in another Rotacle "
                                                         "window. This window starts a session of its own.")
                                 .toStdString());
    else
        SweepSlots();

    const JournalContents& last = opened_->Found();
    if (!last.usable) {
        if (!KeepAside(*opened_, "The last session cannot be resumed: " + last.problem)) opened_.reset();
    } else {
        const JournalSummary summary = SummarizeJournal(last.actions);
        if (!last.closed && summary.numbers > 0) {
            std::string question = "Resume the last session? " + Count(summary.numbers) +
                                   " numbers, bankroll " + FloatToStr(summary.bankroll) + ", last at " +
                                   ClockText(opened_->FoundTime());
            if (!summary.waiting.empty()) {
                question += ", and " + Count(summary.waiting.size()) + " waiting to be entered (";
                for (std::size_t i = 0; i < summary.waiting.size(); ++i)
                    question += (i ? " " : "") + IntToStr(summary.waiting[i]);
                question += ")";
            }
            if (platform.Confirm(question + ".", true)) {
                Resume(last);
                return;
            }
        }
        // Only a session that holds numbers is worth keeping.
        if (summary.numbers > 0 ? !KeepAside(*opened_, "") : !(opened_->StartOver(), true)) opened_.reset();
    }
    if (opened_) Attach();
}

void SessionJournal::Attach() {
    sink_ = std::make_unique<Sink>(std::move(opened_), folder_, form_.Engine());
    form_.Engine().SetJournal(sink_.get());
}

void SessionJournal::Resume(const JournalContents& last) {
    Engine& e = form_.Engine();
    std::size_t ran = 0;
    form_.SetReplaying(true);
    const auto replayed = qScopeGuard([this] { form_.SetReplaying(false); });
    for (const std::string& action : last.actions) {
        if (!e.ReplayAction(action)) break;
        ++ran;
    }
    try {
        // What was not replayed is no part of the session that goes on.
        opened_->Append(ran);
        Attach();
    } catch (const FileError& error) {
        opened_.reset();
        form_.Platform().ShowMessage(NotJournaled(error));
    }
    // The run the session was in finishes now, and the numbers that waited
    // for it wait again: the table is as the question said.
    e.FinishProgressRuns();
    e.Event([&] { e.TimerTick(TimerId::ShowValues); });
    form_.RestoreWaiting(e.ReplayedWaiting());
    if (!last.problem.empty())
        form_.Platform().ShowMessage(last.problem);
    else if (ran < last.actions.size() && e.LastReplayStop() == GameJournal::ReplayStop::PlayStopped)
        form_.Platform().ShowMessage(
            QCoreApplication::translate("Journal",
                                        "Record %1 of the journal enters a number while play stood still at "
                                        "a session limit; the session is resumed up to it.")
                .arg(ran + 2)
                .toStdString());
    else if (ran < last.actions.size())
        form_.Platform().ShowMessage(
            QCoreApplication::translate(
                "Journal",
                "The journal holds an action this version does not know; the session is resumed up to it.")
                .toStdString());
}

bool SessionJournal::KeepAside(JournalWriter& writer, const std::string& why) {
    try {
        const std::string kept =
            KeepJournal(writer.FoundText(), folder_, std::time(nullptr), writer.FoundTime());
        writer.StartOver();
        if (!why.empty())
            form_.Platform().ShowMessage(
                why + QCoreApplication::translate("Journal", " It is kept as %1; a new session starts.")
                          .arg(QString::fromStdString(fs::path(kept).filename().string()))
                          .toStdString());
        return true;
    } catch (const FileError& e) {
        form_.Platform().ShowMessage(NotJournaled(e));
        return false;
    }
}

void SessionJournal::SweepSlots() {
    // A second window that crashed left its journal behind: its session is
    // kept with the others, where the help window offers it.
    for (int slot = 2; slot <= kJournalSlots; ++slot) {
        const std::string path = (fs::path(folder_) / JournalSlotName(slot)).string();
        std::error_code ec;
        if (!fs::exists(path, ec)) continue;
        try {
            JournalWriter left(path, {}, JournalWriter::Start::Inspect);
            const JournalContents& j = left.Found();
            if (!j.usable || SummarizeJournal(j.actions).numbers > 0)
                KeepJournal(left.FoundText(), folder_, std::time(nullptr), left.FoundTime());
            fs::remove(path, ec);
        } catch (const FileError&) {
            // Held by a window that runs, or not to be read: left as it is.
        }
    }
}

KeptSession SessionJournal::Describe(const std::string& path) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    const auto modified = fs::last_write_time(path, ec).time_since_epoch().count();
    Described& d = described_[path];
    if (d.session.path == path && d.size == size && d.modified == modified) return d.session;
    d.size = size;
    d.modified = modified;
    d.session = KeptSession{path, false, 0, 0};
    try {
        const JournalContents j = ReadJournal(path);
        if (j.usable) {
            const JournalSummary s = SummarizeJournal(j.actions);
            d.session.readable = true;
            d.session.numbers = s.numbers;
            d.session.bankroll = s.bankroll;
        }
    } catch (const FileError&) {
    }
    return d.session;
}

PreviousSessions SessionJournal::Previous() {
    return {[this] {
                std::vector<KeptSession> kept;
                for (const std::string& path : KeptJournals(folder_)) kept.push_back(Describe(path));
                return kept;
            },
            [this](const std::string& kept) { ResumeKept(kept); }};
}

void SessionJournal::ResumeKept(const std::string& kept) {
    QtPlatform& platform = form_.Platform();
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
    // A kept session that goes on after its close is taken up to the close.
    if (!chosen.problem.empty()) platform.ShowMessage(chosen.problem);
    if (!sink_) {
        platform.ShowMessage(
            QCoreApplication::translate(
                "Journal", "This window keeps no session journal: the kept session cannot be resumed here.")
                .toStdString());
        return;
    }
    if (!platform.Confirm(
            QCoreApplication::translate(
                "Journal",
                "Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.")
                .arg(QString::fromStdString(fs::path(kept).filename().string()))
                .toStdString()))
        return;
    // This session ends here, closed and kept when it holds numbers; the
    // chosen one becomes the open journal, without its close, so that the
    // next start offers it, dated as its last action.
    form_.Engine().SetJournal(nullptr);
    JournalWriter& writer = sink_->Writer();
    try {
        writer.Close();
        std::error_code ec;
        const auto last_action = fs::last_write_time(kept, ec);
        if (!form_.Engine().Board().NumbersList().empty())
            KeepJournal(WholeFile(writer.Path()), folder_, std::time(nullptr), std::time(nullptr));
        writer.StartOver();
        for (const std::string& action : chosen.actions) writer.Record(action);
        if (writer.Behind()) throw FileError("Cannot write file \"" + writer.Path() + "\".");
        if (!ec) fs::last_write_time(writer.Path(), last_action, ec);
    } catch (const FileError& e) {
        platform.ShowMessage(e.what());
        form_.Engine().SetJournal(sink_.get());
        return;
    }
    // The next start takes the journal over.
    sink_.reset();
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
    form_.Engine().SetJournal(nullptr);
    sink_->Writer().Close();
}

}  // namespace rotacle::ui
