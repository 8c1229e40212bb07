#include "import/number_file.h"

#include "core/convert.h"

namespace rotacle {

int RouletteNumber(std::string_view line) {
    if (line.empty() || line.size() > 2) return -1;
    if (line.size() == 2 && line[0] == '0') return -1;
    int n = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n <= 36 ? n : -1;
}

LineList NumberFileLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return LineList::Split(text);
}

std::vector<std::uint8_t> RouletteNumbers(const LineList& lines, std::size_t* bad_line) {
    std::vector<std::uint8_t> numbers;
    numbers.reserve(lines.size());
    for (const std::string_view line : lines) {
        int n = RouletteNumber(line);
        if (n < 0) {
            if (bad_line) *bad_line = numbers.size();
            // Not a plain "0".."36": a whole number in another spelling
            // ("+5", "007") still counts; anything else is reported.
            const std::int32_t v = StrToInt(line);
            if (v < 0 || v > 36)
                throw MessageError<ConvertError>(MessageKind::NotRouletteNumber, QuoteText(line));
            n = v;
        }
        numbers.push_back(static_cast<std::uint8_t>(n));
    }
    return numbers;
}

std::string HistoryText(const std::vector<std::uint8_t>& numbers) {
    std::string text;
    text.reserve(numbers.size() * 4);
    for (const std::uint8_t n : numbers) {
        if (n >= 10) text += static_cast<char>('0' + n / 10);
        text += static_cast<char>('0' + n % 10);
        text += "\r\n";
    }
    return text;
}

}  // namespace rotacle
