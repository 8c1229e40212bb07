// Text <-> number conversions of the engine.
//
// Every conversion uses "." as the decimal separator whatever the user's
// locale; nothing here calls a locale-dependent function.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <version>

#include "core/message.h"

// The C++ library's floating-point to_chars/from_chars where it has them
// (libstdc++ 11 and later); libc++ before 20 lacks from_chars for doubles.
#if defined(__cpp_lib_to_chars)
#define ROTACLE_STD_DOUBLE_CHARS 1
#endif

namespace rotacle {

/// Base of every error that an event handler reports to the player in a
/// message box. The text is exactly the message shown in English; the
/// message's values let the window word it in the player's language.
class EngineError : public std::runtime_error {
public:
    /// A message the program words no further.
    explicit EngineError(const std::string& text)
        : EngineError(rotacle::Message{MessageKind::Plain, {text}, nullptr}) {}
    explicit EngineError(rotacle::Message message)
        : std::runtime_error(EnglishText(message)),
          message_(std::make_shared<const rotacle::Message>(std::move(message))) {}
    /// The message as values.
    const rotacle::Message& Message() const { return *message_; }

private:
    std::shared_ptr<const rotacle::Message> message_;
};

/// A text that does not convert to a number.
class ConvertError : public EngineError {
public:
    using EngineError::EngineError;
};

/// A file that cannot be read or written.
class FileError : public EngineError {
public:
    using EngineError::EngineError;
};

/// The error `kind` with the values `args`.
template <class Error = EngineError, class... Args>
Error MessageError(MessageKind kind, Args&&... args) {
    return Error(rotacle::Message{kind, {std::string(std::forward<Args>(args))...}, nullptr});
}

/// How many characters of an offending text a message quotes.
inline constexpr std::size_t kQuotedChars = 60;

/// An offending text as a message quotes it: at most `max_chars` bytes of it
/// (never cutting a UTF-8 character in two), then "..." when there was more.
/// A NUL byte shows as a backslash and a zero, so that nothing on the way to
/// the message box can cut the message short at it.
std::string QuoteText(std::string_view text, std::size_t max_chars = kQuotedChars);

/// Parses a floating point text: optional sign, digits with at most one ".",
/// at least one digit, optional exponent ("e"/"E", optional sign, digits).
/// No blanks anywhere. Values out of the double range fail too.
/// Returns false on failure and leaves `out` untouched.
bool TryStrToFloat(std::string_view text, double& out) noexcept;

/// As TryStrToFloat; throws ConvertError
/// "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);

/// Parses a whole number: optional sign and decimal digits, within 32 bits.
bool TryStrToInt(std::string_view text, std::int32_t& out) noexcept;

/// As TryStrToInt; throws ConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

/// Largest magnitude of a money amount that an input takes: more than any
/// real bank or stake, and far below where sums of amounts lose their cents
/// or overflow.
inline constexpr double kMaxAmount = 1e12;

/// Checks a money text before an input takes it: a number outside
/// `smallest` .. kMaxAmount throws ConvertError
/// "'<text>' is not a valid amount: the largest is 1000000000000"
/// (or "the smallest is <smallest>"). A text that is no number passes; its
/// conversion reports it where the number is read.
void CheckAmount(std::string_view text, double smallest = -kMaxAmount);

/// True for an edit's text that holds something: neither empty nor a single
/// space (the test that the change handlers apply before reading a text).
constexpr bool HasEntry(std::string_view text) {
    return !text.empty() && !(text.size() == 1 && text[0] == ' ');
}

/// Decimal text of an integer.
std::string IntToStr(std::int64_t value);

/// Decimal text of an integer in a buffer of its own, for the per-spin paths
/// that copy the text into a string that already exists.
class IntText {
public:
    explicit IntText(std::int64_t value);
    std::string_view view() const { return {buf_, len_}; }
    operator std::string_view() const { return view(); }

private:
    char buf_[24];
    std::size_t len_;
};

/// Money text: general format with at most 15 significant digits, no
/// trailing zeros, "." as separator, exponent form ("1.5E20", "1E-6") only
/// for magnitudes of 1E15 and above or below 0.00001.
/// 1000 -> "1000", 999.5 -> "999.5", 0.25 -> "0.25".
std::string FloatToStr(double value);

/// Text of `value` with `digits` decimals (0 to 40), "." as separator,
/// correctly rounded from the exact binary value (halves to even): 2.5 with
/// no decimals -> "2", 0.125 with two -> "0.12", -1.5 with one -> "-1.5".
/// Non-finite values give "inf", "-inf", "nan" or "-nan".
std::string FixedToStr(double value, int digits);

/// Rounds to whole cents: value / 0.01 rounded half to even, times 0.01.
double RoundToCents(double value) noexcept;

/// The texts of doubles that the conversions above are built on, made in
/// two ways that give the same bytes and values: `Std` with the C++
/// library's to_chars/from_chars (where ROTACLE_STD_DOUBLE_CHARS is defined)
/// and `C` with the C library's snprintf/strtod in the "C" locale, whatever
/// locale the program has set. The build takes `Std` where it has it.
namespace double_chars {

/// The shapes of printf's "%.*e" ("1.25000e+02") and "%.*f" ("125.00").
enum class Shape { Scientific, Fixed };

/// Room that any Fixed text with up to 40 decimals needs.
inline constexpr std::size_t kMaxFixedText = 360;

/// Writes `value` in `shape` with `precision` digits after the point into
/// `out` and returns the length; 0 when `size` bytes are too few.
std::size_t FormatC(char* out, std::size_t size, double value, Shape shape, int precision) noexcept;

/// Reads all of `text` (unsigned: decimal digits with at most one point, an
/// optional exponent) as from_chars does: errc::result_out_of_range for a
/// value that overflows or, not being zero, rounds to zero, with `out`
/// untouched. Texts outside that grammar give errc::invalid_argument here
/// but are not all refused by from_chars ("inf"): check the grammar first.
std::errc ParseC(std::string_view text, double& out) noexcept;

#ifdef ROTACLE_STD_DOUBLE_CHARS
std::size_t FormatStd(char* out, std::size_t size, double value, Shape shape, int precision) noexcept;
std::errc ParseStd(std::string_view text, double& out) noexcept;
#endif

}  // namespace double_chars

}  // namespace rotacle
