// What the program tells the player, as values: a kind and the texts that
// fill it. The window words a message in the player's language from these;
// the driver and the error objects word it in English.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rotacle {

/// The kinds of message the game gives the player. Each has an English
/// pattern with the placeholders %1..%9 for its values.
enum class MessageKind : std::uint8_t {
    Plain,              ///< "%1": a text the program words no further
    NotFloat,           ///< the text
    NotInteger,         ///< the text
    AmountTooLarge,     ///< the text, the largest amount
    AmountTooSmall,     ///< the text, the smallest amount
    NotRouletteNumber,  ///< the line
    ImportLine,         ///< the line number, then the cause
    CannotOpenFile,     ///< the path, the system's reason
    CannotReadFile,     ///< the path, the system's reason
    CannotCreateFile,   ///< the path, the system's reason
    CannotWriteFile,    ///< the path, the system's reason
    PageUnreadable,     ///< the reason
    PageTooLarge,       ///< the page's bytes, the limit in MB, the limit in bytes
    FileLeftAsItIs,     ///< the problem, the path
    PageReaderMissing,  ///< the places looked at
};

/// Every kind, for the tables that word them.
inline constexpr MessageKind kMessageKinds[] = {
    MessageKind::Plain,
    MessageKind::NotFloat,
    MessageKind::NotInteger,
    MessageKind::AmountTooLarge,
    MessageKind::AmountTooSmall,
    MessageKind::NotRouletteNumber,
    MessageKind::ImportLine,
    MessageKind::CannotOpenFile,
    MessageKind::CannotReadFile,
    MessageKind::CannotCreateFile,
    MessageKind::CannotWriteFile,
    MessageKind::PageUnreadable,
    MessageKind::PageTooLarge,
    MessageKind::FileLeftAsItIs,
    MessageKind::PageReaderMissing,
};

/// A message as values. A cause (a message inside this one, as a file's bad
/// line inside the import's error) is worded first and fills the last
/// placeholder after `args`.
struct Message {
    MessageKind kind = MessageKind::Plain;
    std::vector<std::string> args;
    std::shared_ptr<const Message> cause;
};

/// The English pattern of `kind`.
std::string_view EnglishPattern(MessageKind kind);

/// Words `message` with the patterns `pattern_of` gives: each %N (N 1..9)
/// is replaced by value N once, in one pass, so that a value holding "%2"
/// stays as it is; "%%" is a percent sign.
template <class PatternOf>
std::string Word(const Message& message, const PatternOf& pattern_of);

/// Words `message` in English.
std::string EnglishText(const Message& message);

namespace detail {
std::string Fill(std::string_view pattern, const std::vector<std::string>& values);
}

template <class PatternOf>
std::string Word(const Message& message, const PatternOf& pattern_of) {
    if (!message.cause) return detail::Fill(pattern_of(message.kind), message.args);
    std::vector<std::string> values = message.args;
    values.push_back(Word(*message.cause, pattern_of));
    return detail::Fill(pattern_of(message.kind), values);
}

}  // namespace rotacle
