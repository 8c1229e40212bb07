// The CSV files of sweeps: fields, records that may span lines, and the
// first line of a shard's file, which names its slice and its sweep.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/sweep.h"

namespace rotacle::sim {

/// Appends `field` to `line`, quoted (quotes doubled) when it holds a comma,
/// a quote or a line end.
void AppendCsvField(std::string& line, std::string_view field);

/// Splits one CSV record into its fields.
std::vector<std::string> SplitCsv(std::string_view record);

/// A line without the CR of a CR LF line end.
std::string_view WithoutCr(std::string_view line);

/// A whole number in a sweep file. Throws InputError naming `what`.
std::int64_t ToInt64(std::string_view text, const char* what);

/// Reads the records of a CSV text one after another. A record ends at a
/// line end (LF or CR LF) outside quotes, so a quoted field may hold line
/// ends.
class CsvRecords {
public:
    /// `where` names the file in messages; its text begins at line `line`.
    CsvRecords(std::string_view text, std::string where, std::int64_t line)
        : text_(text), where_(std::move(where)), line_(line) {}

    /// The next record's fields and its text without the line end; false at
    /// the end of the text. Throws InputError for a record that the text
    /// ends in, before its line end: a file cut short.
    bool Next(std::vector<std::string>& fields, std::string_view& record);

    /// "FILE:LINE" of the record that Next gave last.
    std::string Where() const { return where_ + ':' + std::to_string(start_line_); }

private:
    std::string_view text_;
    std::string where_;
    std::size_t pos_ = 0;
    std::int64_t line_, start_line_ = 0;
};

/// What the first line of a shard's file says: the slice, the size of the
/// whole sweep and the fingerprint of its grid and options.
struct ShardMark {
    Shard shard;
    std::int64_t combinations = 1;
    std::int64_t runs = 1;
    std::string fingerprint;  ///< 16 hex digits
};

/// "# rotacle-sim sweep shard I/N of C combinations x R runs fingerprint F".
std::string ShardLine(const ShardMark& mark);

/// The mark of a line written by ShardLine; nullopt for any other line.
std::optional<ShardMark> ParseShardLine(std::string_view line);

/// A fingerprint of texts given in order (64-bit FNV-1a, each text with
/// its length, so that no two lists of texts run together).
class Fingerprint {
public:
    void Add(std::string_view text);
    /// 16 lower-case hex digits.
    std::string Hex() const;

private:
    void Mix(std::string_view bytes);
    std::uint64_t hash_ = 14695981039346656037ULL;
};

}  // namespace rotacle::sim
