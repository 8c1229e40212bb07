#include "core/message.h"

namespace rotacle {

std::string_view EnglishPattern(MessageKind kind) {
    switch (kind) {
        case MessageKind::Plain: return "%1";
        case MessageKind::NotFloat: return "'%1' is not a valid floating point value";
        case MessageKind::NotInteger: return "'%1' is not a valid integer value";
        case MessageKind::AmountTooLarge: return "'%1' is not a valid amount: the largest is %2";
        case MessageKind::AmountTooSmall: return "'%1' is not a valid amount: the smallest is %2";
        case MessageKind::NotRouletteNumber: return "'%1' is not a roulette number (0 to 36)";
        case MessageKind::ImportLine: return "Line %1: %2";
        case MessageKind::CannotOpenFile: return "Cannot open file \"%1\". %2";
        case MessageKind::CannotReadFile: return "Cannot read file \"%1\". %2";
        case MessageKind::CannotCreateFile: return "Cannot create file \"%1\". %2";
        case MessageKind::CannotWriteFile: return "Cannot write file \"%1\". %2";
        case MessageKind::PageUnreadable: return "The page cannot be read: %1.";
        case MessageKind::PageTooLarge:
            return "The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).";
        case MessageKind::FileLeftAsItIs: return "%1 The file \"%2\" is left as it is.";
        case MessageKind::PageReaderMissing:
            return "The page cannot be read: the page reader is not installed (looked for %1). Install the "
                   "package rotacle-page-reader to paste pages.";
    }
    return "%1";
}

std::string EnglishText(const Message& message) { return Word(message, EnglishPattern); }

namespace detail {

std::string Fill(std::string_view pattern, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            out += '%';
            ++i;
        } else if (next >= '1' && next <= '9') {
            const auto k = static_cast<std::size_t>(next - '1');
            if (k < values.size()) out += values[k];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace detail

}  // namespace rotacle
