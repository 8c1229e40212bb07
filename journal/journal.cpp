#include "journal/journal.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/convert.h"
#include "core/text_file.h"

namespace rotacle {

namespace {

constexpr std::string_view kFormat = "rotacle-journal";
constexpr int kVersion = 1;
constexpr std::string_view kClosed = "closed";
constexpr char kHex[] = "0123456789abcdef";

std::uint32_t Crc(std::string_view text) {
    return static_cast<std::uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
}

void AppendRecord(std::string& out, std::string_view text) {
    out += text;
    out += '\t';
    const std::uint32_t crc = Crc(text);
    for (int shift = 28; shift >= 0; shift -= 4) out += kHex[(crc >> shift) & 15U];
    out += '\n';
}

// The text of an intact record line (without its line end), or nothing.
std::optional<std::string_view> RecordText(std::string_view line) {
    const std::size_t tab = line.rfind('\t');
    if (tab == std::string_view::npos || line.size() - tab != 9) return std::nullopt;
    const std::string_view text = line.substr(0, tab);
    std::uint32_t crc = 0;
    for (const char c : line.substr(tab + 1)) {
        const char* p = std::strchr(kHex, c);
        if (c == '\0' || p == nullptr) return std::nullopt;
        crc = crc * 16 + static_cast<std::uint32_t>(p - kHex);
    }
    if (crc != Crc(text)) return std::nullopt;
    return text;
}

}  // namespace

JournalWriter::JournalWriter(std::string path, TroubleHandler on_trouble)
    : path_(std::move(path)), on_trouble_(std::move(on_trouble)) {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd_ < 0) throw FileError("Cannot open file \"" + path_ + "\". " + std::strerror(errno));
    if (::lseek(fd_, 0, SEEK_END) == 0)
        AppendRecord(unsaved_, std::string(kFormat) + " " + IntToStr(kVersion));
    Flush();
}

JournalWriter::~JournalWriter() {
    if (fd_ >= 0) ::close(fd_);
}

void JournalWriter::Record(std::string_view action) noexcept {
    try {
        AppendRecord(unsaved_, action);
    } catch (...) {
        return;  // out of memory: the action is lost, the game goes on
    }
    Flush();
}

void JournalWriter::Close() noexcept { Record(kClosed); }

void JournalWriter::Flush() noexcept {
    // One write per action reaches the kernel at once: a killed process loses
    // at most the action in flight. Records the file refuses (a full disk)
    // wait here, whole, and go out with the next action once there is room.
    while (!unsaved_.empty()) {
        const ssize_t n = ::write(fd_, unsaved_.data(), unsaved_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (!in_trouble_) {
                in_trouble_ = true;
                if (on_trouble_) {
                    try {
                        on_trouble_(n < 0 ? std::strerror(errno) : "nothing was written");
                    } catch (...) {
                    }
                }
            }
            return;
        }
        unsaved_.erase(0, static_cast<std::size_t>(n));
    }
    if (in_trouble_) {
        in_trouble_ = false;
        if (on_trouble_) {
            try {
                on_trouble_(std::string());
            } catch (...) {
            }
        }
    }
}

std::string JournalRecord(std::string_view text) {
    std::string line;
    AppendRecord(line, text);
    return line;
}

JournalContents ReadJournal(const std::string& path) {
    const std::string text = ReadFileText(path);
    JournalContents j;
    std::string_view rest = text;
    std::size_t record = 0;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const bool complete = end != std::string_view::npos;
        const std::string_view line = rest.substr(0, end);
        rest = complete ? rest.substr(end + 1) : std::string_view();
        const std::optional<std::string_view> body = RecordText(line);
        if (!body || !complete) {
            if (record == 0) break;  // no format record: not a journal
            if (rest.empty()) {
                // The record in flight when the session ended: not an action yet.
                j.torn = true;
                break;
            }
            j.problem = "The journal is damaged at record " +
                        IntToStr(static_cast<std::int64_t>(record + 1)) +
                        "; the session is resumed up to the record before it.";
            break;
        }
        if (record == 0) {
            std::int32_t version = 0;
            if (body->substr(0, kFormat.size() + 1) != std::string(kFormat) + " " ||
                !TryStrToInt(body->substr(kFormat.size() + 1), version)) {
                j.usable = false;
                j.problem = "This is not a session journal of Rotacle.";
                return j;
            }
            if (version > kVersion) {
                j.usable = false;
                j.problem = "The session journal was written by a newer version of Rotacle.";
                return j;
            }
        } else if (*body == kClosed) {
            j.closed = true;
        } else {
            j.closed = false;
            j.actions.emplace_back(*body);
        }
        ++record;
    }
    if (record == 0) {
        j.usable = false;
        j.problem = "This is not a session journal of Rotacle.";
    }
    return j;
}

std::string KeptJournalName(std::time_t when) {
    std::tm tm{};
    ::localtime_r(&when, &tm);
    char name[64];
    std::strftime(name, sizeof name, "session-%Y%m%d-%H%M%S.journal", &tm);
    return name;
}

std::string KeepJournal(const std::string& path, const std::string& folder, std::time_t when) {
    namespace fs = std::filesystem;
    fs::path kept = fs::path(folder) / KeptJournalName(when);
    // Two sessions kept within one second keep both.
    for (int i = 2; fs::exists(kept); ++i)
        kept = fs::path(folder) / (KeptJournalName(when).insert(23, "-" + IntToStr(i)));
    std::error_code ec;
    fs::rename(path, kept, ec);
    if (ec) throw FileError("Cannot keep file \"" + path + "\". " + ec.message());
    std::vector<std::string> all = KeptJournals(folder);
    for (std::size_t i = kKeptJournals; i < all.size(); ++i) fs::remove(all[i], ec);
    return kept.string();
}

std::vector<std::string> KeptJournals(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with("session-") && name.ends_with(".journal") && it->is_regular_file(ec))
            found.push_back(it->path().string());
    }
    // The names sort by time.
    std::sort(found.begin(), found.end(), std::greater<>());
    return found;
}

}  // namespace rotacle
