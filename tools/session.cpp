#include "tools/session.h"

#include "core/text_file.h"
#include "journal/journal.h"
#include "tools/script_verbs.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <istream>
#include <nlohmann/json.hpp>
#include <optional>
#include <tuple>
#include <utility>

namespace rotacle::sim {

namespace {

// Lines of the import list that a state line shows.
constexpr std::size_t kImportLinesShown = 100;

// Lines of a script read in large blocks: a million-line script spends
// more in std::getline's per-line stream calls than in most commands. The
// standard input is read line by line, so that a script typed or piped in
// is answered as its lines come.
class LineReader {
public:
    LineReader(std::istream& in, bool by_line) : in_(in), by_line_(by_line) {}

    /// The next line without its newline; false at the end of the input.
    bool Next(std::string_view& line) {
        if (by_line_) {
            if (!std::getline(in_, buffer_)) return false;
            line = buffer_;
            return true;
        }
        for (;;) {
            const auto nl = buffer_.find('\n', start_);
            if (nl != std::string::npos) {
                line = std::string_view(buffer_).substr(start_, nl - start_);
                start_ = nl + 1;
                return true;
            }
            if (eof_) {
                if (start_ >= buffer_.size()) return false;
                line = std::string_view(buffer_).substr(start_);
                start_ = buffer_.size();
                return true;
            }
            buffer_.erase(0, start_);
            start_ = 0;
            const std::size_t had = buffer_.size();
            buffer_.resize(had + kBlock);
            in_.read(buffer_.data() + had, kBlock);
            buffer_.resize(had + static_cast<std::size_t>(in_.gcount()));
            eof_ = !in_;
        }
    }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::istream& in_;
    bool by_line_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool eof_ = false;
};

}  // namespace

namespace {

// The private folder's mark: a file locked for as long as the driver that made
// the folder runs (the system drops the lock when the process ends, however it
// ends), holding this text once the lock is taken.
constexpr const char* kFolderPrefix = "rotacle-sim-";
constexpr const char* kOwnerFile = "owner";
constexpr std::string_view kOwnerText = "rotacle-sim private folder\n";

std::filesystem::path TempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return (tmp && *tmp) ? tmp : "/tmp";
}

// A name that mkdtemp made from "rotacle-sim-XXXXXX".
bool PrivateFolderName(std::string_view name) {
    const std::string_view prefix = kFolderPrefix;
    if (name.size() != prefix.size() + 6 || !name.starts_with(prefix)) return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

void ClearLeftoverFolders(const std::filesystem::path& temp) {
    DIR* dir = ::opendir(temp.c_str());
    if (dir == nullptr) return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir))
        if (PrivateFolderName(entry->d_name)) names.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const std::string& name : names) {
        const std::filesystem::path folder = temp / name;
        // Ours: a real folder of this user (not a link), holding our mark, a
        // regular file of this user whose lock nobody holds and which reads
        // as written once it was locked.
        struct stat st {};
        if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) continue;
        const int fd = ::open((folder / kOwnerFile).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        char text[64] = {};
        const bool mine = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
                          ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                          ::read(fd, text, sizeof text) == static_cast<ssize_t>(kOwnerText.size()) &&
                          std::string_view(text, kOwnerText.size()) == kOwnerText;
        // Removed under the lock: a driver starting now cannot take the folder.
        if (mine) {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        }
        ::close(fd);
    }
}

SimPlatform::~SimPlatform() {
    if (program_folder_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(program_folder_, ec);
    if (owner_fd_ >= 0) ::close(owner_fd_);
}

std::string SimPlatform::ProgramFolder() {
    if (program_folder_.empty()) {
        std::string pattern = (TempFolder() / kFolderPrefix).string() + "XXXXXX";
        if (!::mkdtemp(pattern.data())) return program_folder_;
        // Marked as this run's: a run killed on its way leaves the folder,
        // and the next run clears it.
        const std::string owner = pattern + "/" + kOwnerFile;
        owner_fd_ = ::open(owner.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (owner_fd_ >= 0 && ::flock(owner_fd_, LOCK_EX) == 0)
            (void)!::write(owner_fd_, kOwnerText.data(), kOwnerText.size());
        program_folder_ = std::move(pattern);
    }
    return program_folder_;
}

Session::Session(std::filesystem::path base_dir, bool keep_stats)
    : engine_(platform_),
      scheduler_(engine_, speed_),
      keep_stats_(keep_stats),
      base_dir_(std::move(base_dir)) {
    platform_.clock_ms = &scheduler_.Clock();
    if (keep_stats_) engine_.SetPlayListener(&stats_);
}

Session::~Session() {
    if (keep_stats_) engine_.SetPlayListener(nullptr);
}

std::string Session::Resolve(std::string_view path) const {
    std::filesystem::path p{std::string(path)};
    if (confine_files_) {
        bool climbs = p.is_absolute();
        for (const auto& part : p) climbs = climbs || part == "..";
        if (climbs) throw FileError("Cannot open file \"" + p.string() + "\". Outside the script's folder");
    }
    if (p.is_absolute()) return p.string();
    return (base_dir_ / p).string();
}

void Session::RunTimers() {
    try {
        scheduler_.RunTimers();
    } catch (const EndlessRun& e) {
        throw ScriptError(e.what());
    }
    // The limits of time are looked at on the virtual clock once the
    // command's timers have run.
    if (engine_.Limits().On() && engine_.Limits().Stopped() == LimitKind::None) {
        engine_.Event([&] { engine_.CheckLimitClock(); });
        Touched();
    }
}

void Session::ClickCell(int n) {
    // Only a visible cell takes the click; inside a run the number waits for
    // its end, as in the window.
    const SpeedPlay::Outcome outcome = speed_.Click(engine_, n);
    if (outcome == SpeedPlay::Outcome::Entered) Touched();
    if (outcome == SpeedPlay::Outcome::Refused) SayWhyNotTaken(n);
}

void Session::SayWhyNotTaken(int n) {
    // The window marks every refusal in its readout; a number lost to a full
    // wait list is said here, or it would vanish from the script unseen.
    if (n >= 0 && n <= 36 && engine_.Limits().Stopped() != LimitKind::None) {
        platform_.error = IntToStr(n) + " is not taken: play stopped at the " +
                          std::string(LimitName(engine_.Limits().Stopped())) + " limit";
        return;
    }
    if (n < 0 || n > 36 || !speed_.WaitingFull()) return;
    const auto waiting = static_cast<std::int64_t>(speed_.Waiting().size());
    platform_.error = IntToStr(n) + " is not taken: " + IntToStr(waiting) + " numbers are waiting already";
}

void Session::Spin(int n) {
    platform_.error.reset();
    ClickCell(n);
    RunTimers();
}

bool Session::RunLine(std::string_view line, std::int64_t line_no) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // Most lines of a long script are "spin N": they go straight to the
    // click, as the general path below would take them.
    if ((line.size() == 6 || line.size() == 7) && line.starts_with("spin ") && AllDigits(line.substr(5))) {
        int n = 0;
        for (const char c : line.substr(5)) n = n * 10 + (c - '0');
        if (n <= 36) {
            output_.clear();
            platform_.error.reset();
            ClickCell(n);
            RunTimers();
            return true;
        }
    }
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return false;
    auto [verb, rest] = SplitWord(line);
    output_.clear();
    // A malformed line keeps the report of the command before it.
    auto previous_error = std::move(platform_.error);
    platform_.error.reset();
    // "nowait COMMAND" leaves the timers standing after the command, so that
    // the next line acts inside the progress run it may have started.
    const bool wait = verb != "nowait";
    try {
        if (!wait) {
            if (!rest || rest->empty()) Malformed(line_no, "nowait takes a command");
            std::tie(verb, rest) = SplitWord(*rest);
            if (verb == "nowait") Malformed(line_no, "nowait takes a command other than nowait");
        }
        Execute(verb, rest.value_or(std::string_view()), rest.has_value(), line_no);
    } catch (const ScriptError&) {
        platform_.error = std::move(previous_error);
        throw;
    }
    // A look at the statistics leaves the game as it stands.
    if (!output_.empty()) return true;
    if (wait)
        RunTimers();
    else
        scheduler_.EnterWaiting();  // as after every event; its run stands still too
    return true;
}

void Session::WriteState(std::ostream& out, std::int64_t line_no) const {
    const rotacle::Engine& e = engine_;
    const GameState& s = e.State();
    nlohmann::ordered_json j;
    j["line"] = line_no;
    j["Spins_Count"] = s.Spins_Count;
    j["Undo_Counter"] = s.Undo_Counter;
    j["Engine_Ready"] = s.Engine_Ready;
    j["Game_Mode"] = s.Game_Mode;
    j["Matrix_Pending"] = s.Matrix_Pending;
    j["Bet_Field"] = s.Bet_Field;
    j["Bankroll"] = s.Bankroll;
    j["Bet_Size"] = s.Bet_Size;
    j["Reset_Target"] = s.Reset_Target;
    j["Profit_Target"] = s.Profit_Target;
    j["Losses_Amount"] = s.Losses_Amount;
    j["Wins_Amount"] = s.Wins_Amount;
    j["Phase_Threshold"] = s.Phase_Threshold;
    j["Phase_Base"] = s.Phase_Base;
    j["Losses_Units"] = s.Losses_Units;
    j["Wins_Units"] = s.Wins_Units;
    j["Rules_Edit_Flag"] = s.Rules_Edit_Flag;
    j["Flat_Index"] = s.Flat_Index;
    j["Bets_Played"] = s.Bets_Played;
    j["Wins_Count"] = s.Wins_Count;
    j["Wins_In_Row"] = s.Wins_In_Row;
    j["Losses_Count"] = s.Losses_Count;
    j["Losses_In_Row"] = s.Losses_In_Row;
    j["Units_Drawdown"] = s.Units_Drawdown;
    j["Units_Profit"] = s.Units_Profit;
    j["Miss_Streak"] = s.Miss_Streak;
    j["DeepScan_Number"] = s.DeepScan_Number;
    j["DeepScan_Family"] = s.DeepScan_Family;
    j["DeepScan_Step"] = s.DeepScan_Step;
    j["Matrix_Bets_Played"] = s.Matrix_Bets_Played;
    j["Pattern_Position"] = s.Pattern_Position;
    j["history"] = e.Board().NumbersList().size();
    if (e.Board().NumbersList().empty())
        j["last"] = nullptr;
    else
        j["last"] = e.Board().NumbersList().back();
    auto strip = nlohmann::ordered_json::array();
    for (const auto& l : e.Board().HisNum()) strip.push_back(l.Caption);
    j["strip"] = std::move(strip);
    auto chips = nlohmann::ordered_json::array();
    for (const auto& c : e.Table().Chip()) chips.push_back(c.Visible);
    j["chips"] = std::move(chips);
    j["undo_offered"] = e.UndoOffered();
    j["Label_Bankroll"] = e.Display().Label_Bankroll().Caption;
    j["Label_BetsPlayed"] = e.Display().Label_BetsPlayed().Caption;
    if (platform_.error) j["error"] = *platform_.error;
    j["Label_FlatIndex"] = e.Display().Label_FlatIndex().Caption;
    j["Label_NumbersInGame"] = e.Display().Label_NumbersInGame().Caption;
    j["BetStrategy"] = e.Inputs().BetStrategy.Text();
    j["Init_Bet"] = e.Inputs().Init_Bet.Text;
    j["patterns_test"] = e.Modes().PatternsTest().empty() ? std::string() : e.Modes().PatternsTest()[0];
    j["Adaptive_Row"] = s.Adaptive_Row;
    j["Adaptive_Defined"] = s.Adaptive_Defined;
    j["Adaptive_Choice"] = s.Adaptive_Choice;
    // A pasted page stays in the list until it is imported or the panel
    // closes: every state line would repeat it whole, so only its first lines
    // are shown, each as a message would quote it.
    auto import_list = nlohmann::ordered_json::array();
    const std::size_t shown = std::min<std::size_t>(e.Panel().Import_List().size(), kImportLinesShown);
    for (std::size_t i = 0; i < shown; ++i) import_list.push_back(QuoteText(e.Panel().Import_List()[i]));
    j["import_list"] = std::move(import_list);
    j["import_count"] = e.Panel().Import_List().size();
    j["import_caption"] = e.Panel().Button_Process().Caption;
    auto waiting = nlohmann::ordered_json::array();
    for (const int n : speed_.Waiting()) waiting.push_back(n);
    j["waiting"] = std::move(waiting);
    // Only a session with limits names the one that stopped play ("" while it goes on).
    if (e.Limits().On()) j["limit"] = LimitName(e.Limits().Stopped());
    // Texts come from files and scripts as bytes; never fail on bad UTF-8.
    out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

std::size_t Session::Replay(const std::vector<std::string>& actions) {
    std::size_t ran = 0;
    for (const std::string& action : actions) {
        if (!engine_.ReplayAction(action)) break;
        ++ran;
    }
    engine_.Event([&] { engine_.TimerTick(TimerId::ShowValues); });
    // Numbers that waited for the run wait again; the next command's timers
    // enter them.
    speed_.RestoreWaiting(engine_.ReplayedWaiting());
    Touched();
    return ran;
}

int RunScript(std::istream& in, const std::filesystem::path& base_dir, std::ostream& out, std::ostream& err,
              bool quiet, const JournalOptions& journal) {
    // Folders of runs that were killed before they could remove them.
    ClearLeftoverFolders(TempFolder());
    Session session(base_dir);
    // The journal is locked before anything is read: a session resumed from
    // it and written on must not race another writer.
    std::optional<JournalWriter> writer;
    bool resumes_own = false;
    if (!journal.journal.empty()) {
        try {
            writer.emplace(
                journal.journal,
                [&err](const std::string& reason) {
                    if (!reason.empty())
                        err << "rotacle-sim: the journal cannot be written: " << reason << '\n';
                },
                JournalWriter::Start::Inspect);
            std::error_code ec;
            resumes_own =
                !journal.resume.empty() && std::filesystem::equivalent(journal.resume, journal.journal, ec);
            if (!writer->Found().usable)
                throw FileError(writer->Found().problem + " The file \"" + journal.journal +
                                "\" is left as it is.");
            // Two runs on one journal would resume as one mixed session.
            if (!resumes_own && !writer->Found().actions.empty())
                throw FileError(
                    "The journal \"" + journal.journal +
                    "\" holds a session already: resume it with --resume, or name a new journal.");
        } catch (const FileError& e) {
            err << "rotacle-sim: " << e.what() << '\n';
            return 1;
        }
    }
    std::size_t resumed_actions = static_cast<std::size_t>(-1);
    if (!journal.resume.empty()) {
        JournalContents kept;
        try {
            kept = resumes_own ? writer->Found() : ReadJournal(journal.resume);
        } catch (const FileError& e) {
            err << "rotacle-sim: " << e.what() << '\n';
            return 1;
        }
        if (!kept.usable) {
            err << "rotacle-sim: " << kept.problem << '\n';
            return 1;
        }
        if (!kept.problem.empty()) err << "rotacle-sim: " << kept.problem << '\n';
        const std::size_t ran = session.Replay(kept.actions);
        resumed_actions = ran;
        if (ran < kept.actions.size()) {
            err << "rotacle-sim: record " << ran + 2 << " of the journal ";
            if (session.Engine().LastReplayStop() == GameJournal::ReplayStop::PlayStopped)
                err << "enters a number while play stood still at the "
                    << LimitName(session.Engine().Limits().Stopped()) << " limit";
            else
                err << "is no action";
            err << "; resumed up to it\n";
        }
        session.WriteState(out, 0);
    }
    if (writer) {
        try {
            // What the resume did not replay is no part of the session that
            // goes on.
            writer->Append(resumes_own ? resumed_actions : static_cast<std::size_t>(-1));
        } catch (const FileError& e) {
            err << "rotacle-sim: " << e.what() << '\n';
            return 1;
        }
        session.Engine().SetJournal(&*writer);
    }
    const auto close_journal = [&] {
        if (!writer) return;
        session.Engine().SetJournal(nullptr);
        writer->Close();
    };
    LineReader reader(in, &in == &std::cin);
    std::string_view line;
    std::int64_t line_no = 0;
    std::int64_t last_command = 0;
    try {
        while (reader.Next(line)) {
            ++line_no;
            if (!session.RunLine(line, line_no)) continue;
            if (const std::string printed = session.TakeOutput(); !printed.empty()) {
                out << printed;
                continue;
            }
            last_command = line_no;
            if (!quiet) session.WriteState(out, line_no);
        }
    } catch (const ScriptError& e) {
        if (quiet && last_command > 0) session.WriteState(out, last_command);
        err << "rotacle-sim: " << e.what() << '\n';
        close_journal();
        return 2;
    }
    if (quiet && last_command > 0) session.WriteState(out, last_command);
    close_journal();
    return 0;
}

}  // namespace rotacle::sim
