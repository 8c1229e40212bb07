#include "tools/sweep_csv.h"

#include <algorithm>
#include <charconv>

#include "core/convert.h"
#include "tools/backtest.h"

namespace rotacle::sim {

void AppendCsvField(std::string& line, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (char c : field) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

std::vector<std::string> SplitCsv(std::string_view record) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const char c = record[i];
        if (quoted) {
            if (c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string_view WithoutCr(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

std::uint64_t ParseSeed(std::string_view text, const char* what) {
    std::uint64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    // from_chars takes no sign for an unsigned number: "-1" fails here
    // instead of wrapping around.
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw InputError(std::string(what) + ": '" + QuoteText(text) +
                         "' is not a seed: a whole number from 0 to 18446744073709551615");
    return v;
}

std::int64_t ToInt64(std::string_view text, const char* what) {
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size())
        throw InputError(std::string(what) + ": '" + QuoteText(text) + "' is not a whole number");
    return v;
}

bool CsvRecords::Next(std::vector<std::string>& fields, std::string_view& record) {
    if (pos_ >= text_.size()) return false;
    start_line_ = line_;
    bool quoted = false;
    for (std::size_t i = pos_; i < text_.size(); ++i) {
        const char c = text_[i];
        if (c == '"') {
            quoted = !quoted;  // a doubled quote inside a field toggles twice
        } else if (c == '\n') {
            ++line_;
            if (quoted) continue;
            std::size_t end = i;
            if (end > pos_ && text_[end - 1] == '\r') --end;
            record = text_.substr(pos_, end - pos_);
            pos_ = i + 1;
            fields = SplitCsv(record);
            return true;
        }
    }
    throw InputError(Where() + ": the row is cut short (the file ends before its line end)");
}

std::string ShardLine(const ShardMark& m) {
    return "# rotacle-sim sweep shard " + std::to_string(m.shard.index) + '/' +
           std::to_string(m.shard.count) + " of " + std::to_string(m.combinations) + " combinations x " +
           std::to_string(m.runs) + " runs fingerprint " + m.fingerprint;
}

std::optional<ShardMark> ParseShardLine(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t space = std::min(line.find(' ', at), line.size());
        words.push_back(line.substr(at, space - at));
        at = space + 1;
    }
    if (words.size() != 13) return std::nullopt;
    ShardMark m;
    try {
        m.shard = ParseShard(std::string(words[4]));
        m.combinations = ToInt64(words[6], "combinations");
        m.runs = ToInt64(words[9], "runs");
    } catch (const InputError&) {
        return std::nullopt;
    }
    if (m.combinations < 1 || m.runs < 1 || m.combinations > INT64_MAX / m.runs) return std::nullopt;
    m.fingerprint = words[12];
    if (m.fingerprint.size() != 16 ||
        m.fingerprint.find_first_not_of("0123456789abcdef") != std::string::npos)
        return std::nullopt;
    // Every other word as ShardLine writes it, and the numbers without
    // leading zeros or signs.
    if (ShardLine(m) != line) return std::nullopt;
    return m;
}

void Fingerprint::Mix(std::string_view bytes) {
    for (const char c : bytes) {
        hash_ ^= static_cast<unsigned char>(c);
        hash_ *= 1099511628211ULL;
    }
}

void Fingerprint::Add(std::string_view text) {
    Mix(std::to_string(text.size()) + ':');
    Mix(text);
}

std::string Fingerprint::Hex() const {
    char digits[16];
    std::uint64_t v = hash_;
    for (int i = 15; i >= 0; --i, v >>= 4) digits[i] = "0123456789abcdef"[v & 15];
    return std::string(digits, sizeof digits);
}

}  // namespace rotacle::sim
