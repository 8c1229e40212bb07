// Number files: one roulette number per line. The import panel and the
// backtest read them alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_list.h"

namespace rotacle {

/// The lines of a number file's text, without a leading UTF-8 byte-order
/// mark (Windows editors put one in front).
LineList NumberFileLines(std::string_view text);

/// The roulette number of every line, each checked before any is used: a
/// whole number 0 to 36 ("+5" and "007" count too). Throws ConvertError for
/// the first line that is not one ("'x' is not a roulette number (0 to 36)",
/// or the conversion error of a text that is no whole number); `bad_line`,
/// when given, receives that line's index.
std::vector<std::uint8_t> RouletteNumbers(const LineList& lines, std::size_t* bad_line = nullptr);

/// The roulette number of an exact text "0" .. "36", or -1.
int RouletteNumber(std::string_view line);

/// The history as a number file: one number per line, CR LF line ends.
std::string HistoryText(const std::vector<std::uint8_t>& numbers);

}  // namespace rotacle
