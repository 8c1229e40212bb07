#include "core/convert.h"

#include <locale.h>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace rotacle {

namespace {

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Checks the grammar strictly; from_chars alone would accept "inf", "nan"
// and hexadecimal forms, and rejects a leading "+".
bool ValidFloatText(std::string_view t) noexcept {
    std::size_t i = 0;
    const std::size_t n = t.size();
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    bool dot = false;
    for (; i < n; ++i) {
        if (IsDigit(t[i])) {
            ++digits;
        } else if (t[i] == '.' && !dot) {
            dot = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exp_digits = 0;
        while (i < n && IsDigit(t[i])) {
            ++i;
            ++exp_digits;
        }
        if (exp_digits == 0) return false;
    }
    return i == n;
}

// The "C" locale, for the C library's conversions: the window's toolkit sets
// the user's locale, whose decimal separator may be a comma.
locale_t CLocale() noexcept {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

std::size_t Format(char* out, std::size_t size, double value, double_chars::Shape shape,
                   int precision) noexcept {
#ifdef ROTACLE_STD_DOUBLE_CHARS
    return double_chars::FormatStd(out, size, value, shape, precision);
#else
    return double_chars::FormatC(out, size, value, shape, precision);
#endif
}

std::errc Parse(std::string_view text, double& out) noexcept {
#ifdef ROTACLE_STD_DOUBLE_CHARS
    return double_chars::ParseStd(text, out);
#else
    return double_chars::ParseC(text, out);
#endif
}

}  // namespace

namespace double_chars {

std::size_t FormatC(char* out, std::size_t size, double value, Shape shape, int precision) noexcept {
    const locale_t before = ::uselocale(CLocale());
    const int n = std::snprintf(out, size, shape == Shape::Scientific ? "%.*e" : "%.*f", precision, value);
    ::uselocale(before);
    if (n < 0 || static_cast<std::size_t>(n) >= size) return 0;
    return static_cast<std::size_t>(n);
}

std::errc ParseC(std::string_view text, double& out) noexcept {
    // The grammar first: strtod alone would take blanks, signs, "inf",
    // "nan" and hexadecimal forms.
    std::size_t i = 0;
    std::size_t digits = 0;
    bool dot = false;
    bool nonzero = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ++digits;
            nonzero = nonzero || text[i] != '0';
        } else if (text[i] == '.' && !dot) {
            dot = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::errc::invalid_argument;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exp_start = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > exp_start) i = j;
    }
    if (i != text.size()) return std::errc::invalid_argument;
    // strtod wants a terminated text; the rounding is exact in both glibc and
    // musl, and a result out of range is told by its value, not by errno
    // (which the two libraries set differently for tiny values).
    const std::string copy(text);
    const double v = ::strtod_l(copy.c_str(), nullptr, CLocale());
    if (std::isinf(v) || (v == 0 && nonzero)) return std::errc::result_out_of_range;
    out = v;
    return std::errc();
}

#ifdef ROTACLE_STD_DOUBLE_CHARS
std::size_t FormatStd(char* out, std::size_t size, double value, Shape shape, int precision) noexcept {
    const auto format = shape == Shape::Scientific ? std::chars_format::scientific : std::chars_format::fixed;
    const auto [end, ec] = std::to_chars(out, out + size, value, format, precision);
    // The C library's texts end with a NUL; so do these, for equal bytes.
    if (ec != std::errc() || end == out + size) return 0;
    *end = '\0';
    return static_cast<std::size_t>(end - out);
}

std::errc ParseStd(std::string_view text, double& out) noexcept {
    double v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc()) return ec;
    if (ptr != text.data() + text.size()) return std::errc::invalid_argument;
    out = v;
    return std::errc();
}
#endif

}  // namespace double_chars

std::string QuoteText(std::string_view text, std::size_t max_chars) {
    std::size_t cut = std::min(text.size(), max_chars);
    // A UTF-8 continuation byte just past the cut means the cut splits a
    // character: end before that character instead.
    const auto continuation = [&](std::size_t i) {
        return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    };
    if (cut < text.size() && continuation(cut)) {
        std::size_t back = cut;
        while (back > 0 && cut - back < 3 && continuation(back)) --back;
        if (static_cast<unsigned char>(text[back]) >= 0xC0) cut = back;
    }
    std::string out;
    out.reserve(cut + 3);
    for (const char c : text.substr(0, cut)) {
        if (c == '\0')
            out += "\\0";
        else
            out += c;
    }
    if (cut < text.size()) out += "...";
    return out;
}

bool TryStrToFloat(std::string_view text, double& out) noexcept {
    if (!ValidFloatText(text)) return false;
    std::string_view t = text;
    bool negative = false;
    if (t.front() == '+' || t.front() == '-') {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    double v = 0;
    const std::errc ec = Parse(t, v);
    if (ec == std::errc::result_out_of_range) {
        // Underflow is a value too small to matter; overflow is no number.
        // The parse leaves v untouched here, so tell them apart by the text.
        const auto epos = t.find_first_of("eE");
        if (epos != std::string_view::npos && epos + 1 < t.size() && t[epos + 1] == '-') {
            out = negative ? -0.0 : 0.0;
            return true;
        }
        return false;
    }
    if (ec != std::errc() || !std::isfinite(v)) return false;
    out = negative ? -v : v;
    return true;
}

double StrToFloat(std::string_view text) {
    double v = 0;
    if (!TryStrToFloat(text, v)) throw MessageError<ConvertError>(MessageKind::NotFloat, QuoteText(text));
    return v;
}

bool TryStrToInt(std::string_view text, std::int32_t& out) noexcept {
    std::string_view t = text;
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return false;
    std::int64_t v = 0;
    for (char c : t) {
        if (!IsDigit(c)) return false;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) return false;
    }
    if (negative) v = -v;
    if (v > 2147483647LL) return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t StrToInt(std::string_view text) {
    std::int32_t v = 0;
    if (!TryStrToInt(text, v)) throw MessageError<ConvertError>(MessageKind::NotInteger, QuoteText(text));
    return v;
}

void CheckAmount(std::string_view text, double smallest) {
    double v = 0;
    if (!TryStrToFloat(text, v)) return;
    if (v > kMaxAmount)
        throw MessageError<ConvertError>(MessageKind::AmountTooLarge, QuoteText(text),
                                         FloatToStr(kMaxAmount));
    if (v < smallest)
        throw MessageError<ConvertError>(MessageKind::AmountTooSmall, QuoteText(text), FloatToStr(smallest));
}

std::string IntToStr(std::int64_t value) {
    char buf[24];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;
    return std::string(buf, ptr);
}

IntText::IntText(std::int64_t value) {
    const auto [ptr, ec] = std::to_chars(buf_, buf_ + sizeof buf_, value);
    (void)ec;
    len_ = static_cast<std::size_t>(ptr - buf_);
}

std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";

    // Whole cents, the usual money value, need no rounding to 15 digits: the
    // double is the one nearest to k / 100, so k / 100 is its text.
    if (std::fabs(value) < 1e13) {
        const double k = std::nearbyint(value * 100);
        if (k / 100 == value) {
            const auto cents = static_cast<std::int64_t>(k);
            const std::int64_t abs_cents = cents < 0 ? -cents : cents;
            std::string out = IntToStr(abs_cents / 100);
            if (cents < 0) out.insert(out.begin(), '-');
            const auto frac = static_cast<int>(abs_cents % 100);
            if (frac != 0) {
                out += '.';
                out += static_cast<char>('0' + frac / 10);
                if (frac % 10 != 0) out += static_cast<char>('0' + frac % 10);
            }
            return out;
        }
    }

    // Round to 15 significant digits first; the exponent of the rounded
    // value decides between the fixed and the exponent form.
    char sci[40];
    std::string_view s(sci, Format(sci, sizeof sci, value, double_chars::Shape::Scientific, 14));
    const bool negative = s.front() == '-';
    if (negative) s.remove_prefix(1);
    const auto epos = s.find('e');
    int exponent = 0;
    std::from_chars(s.data() + epos + 1 + (s[epos + 1] == '+' ? 1 : 0), s.data() + s.size(), exponent);
    std::string digits;
    digits.reserve(15);
    for (std::size_t i = 0; i < epos; ++i)
        if (s[i] != '.') digits += s[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out;
    out.reserve(24);
    if (negative) out += '-';
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += IntToStr(exponent);
        return out;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto int_len = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= int_len) {
        out += digits;
        out.append(int_len - digits.size(), '0');
    } else {
        out.append(digits, 0, int_len);
        out += '.';
        out.append(digits, int_len);
    }
    return out;
}

std::string FixedToStr(double value, int digits) {
    digits = std::clamp(digits, 0, 40);
    char buf[double_chars::kMaxFixedText];
    return std::string(buf, Format(buf, sizeof buf, value, double_chars::Shape::Fixed, digits));
}

double RoundToCents(double value) noexcept {
    // The display refresh rounds the money several times a spin, and the
    // division is the slow part. value * 100 lies within about one unit in
    // the last place of value / 0.01: when it is clearly away from a half,
    // both round to the same integer. Adding and taking away 1.5 * 2^52
    // rounds to the nearest integer (ties to even) below 2^51; the margin
    // leaves larger amounts to the exact path.
    constexpr double kShift = 6755399441055744.0;
    const double near = value * 100;
    const double margin = std::fabs(near) * 0x1p-50;
    if (margin < 0.25) {
        const double r = (near + kShift) - kShift;
        if (std::fabs(near - r) < 0.5 - margin) return (r == 0 ? std::copysign(0.0, near) : r) * 0.01;
    }
    // Halves go to the even integer, as in the default rounding mode.
    // Amounts so large that the scaled value overflows already are whole cents.
    const double scaled = value / 0.01;
    if (!std::isfinite(scaled)) return value;
    return std::rint(scaled) * 0.01;
}

}  // namespace rotacle
