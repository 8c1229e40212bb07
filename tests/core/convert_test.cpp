// Text <-> number conversions: the grammar of number texts, the exact error
// texts, money text and the rounding to cents.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/convert.h"

namespace rotacle {
namespace {

struct FloatRow {
    const char* text;
    double value;
};

std::ostream& operator<<(std::ostream& os, const FloatRow& r) { return os << "'" << r.text << "'"; }

class FloatConverts : public ::testing::TestWithParam<FloatRow> {};

TEST_P(FloatConverts, ToItsValue) {
    double v = -12345;
    ASSERT_TRUE(TryStrToFloat(GetParam().text, v)) << GetParam().text;
    EXPECT_DOUBLE_EQ(v, GetParam().value);
    EXPECT_DOUBLE_EQ(StrToFloat(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, FloatConverts,
                         ::testing::Values(FloatRow{"1", 1}, FloatRow{"1.", 1}, FloatRow{".5", 0.5},
                                           FloatRow{"12.5", 12.5}, FloatRow{"-2.5", -2.5}, FloatRow{"+3", 3},
                                           FloatRow{"1e3", 1000}, FloatRow{"2.5E-2", 0.025},
                                           FloatRow{"1e+2", 100}, FloatRow{"007", 7}, FloatRow{"0", 0},
                                           FloatRow{"1e-400", 0}));

class FloatFails : public ::testing::TestWithParam<const char*> {};

TEST_P(FloatFails, WithTheConversionError) {
    const std::string text = GetParam();
    double v = 42;
    EXPECT_FALSE(TryStrToFloat(text, v));
    EXPECT_EQ(v, 42) << "a failed conversion leaves the output alone";
    try {
        StrToFloat(text);
        FAIL() << "'" << text << "' converted";
    } catch (const ConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FloatFails,
                         ::testing::Values("", " ", ".", "1,5", " 1", "1 ", "abc", "1..2", "1.2.3", "--1",
                                           "+", "-", "1e", "1e+", "e5", "inf", "nan", "NaN", "0x10", "1e400",
                                           "-1e400", "12a", "1_000"));

TEST(StrToInt, WholeNumbersWithinThirtyTwoBits) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("-5"), -5);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("0042"), 42);
    EXPECT_EQ(StrToInt("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(StrToInt, FailsWithTheConversionError) {
    for (const char* text : {"", " ", " 1", "1 ", "abc", "1.0", "1e3", "99999999999", "2147483648",
                             "-2147483649", "+", "-", "0x1F", "1,5", "12345678901234567890123"}) {
        std::int32_t v = 9;
        EXPECT_FALSE(TryStrToInt(text, v)) << text;
        EXPECT_EQ(v, 9);
        try {
            StrToInt(text);
            ADD_FAILURE() << "'" << text << "' converted";
        } catch (const ConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(StrToInt, ErrorIsAnEngineError) {
    // Event entry points catch EngineError; a conversion failure must be one.
    EXPECT_THROW(StrToInt("x"), EngineError);
    EXPECT_THROW(StrToFloat("x"), EngineError);
}

TEST(IntToStr, PlainDecimal) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-18), "-18");
    EXPECT_EQ(IntToStr(10000000), "10000000");
}

struct MoneyRow {
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const MoneyRow& r) { return os << r.text; }

class MoneyText : public ::testing::TestWithParam<MoneyRow> {};

TEST_P(MoneyText, GeneralFormatWithPoint) { EXPECT_EQ(FloatToStr(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Values, MoneyText,
    ::testing::Values(MoneyRow{1000, "1000"}, MoneyRow{999.5, "999.5"}, MoneyRow{0.25, "0.25"},
                      MoneyRow{0, "0"}, MoneyRow{-4, "-4"}, MoneyRow{-0.5, "-0.5"}, MoneyRow{1.23, "1.23"},
                      MoneyRow{0.1 + 0.2, "0.3"}, MoneyRow{1.0 / 3, "0.333333333333333"},
                      MoneyRow{2.0 / 3, "0.666666666666667"}, MoneyRow{123456789012345, "123456789012345"},
                      MoneyRow{999999999999999.4, "999999999999999"}, MoneyRow{1e15, "1E15"},
                      MoneyRow{1.5e20, "1.5E20"}, MoneyRow{0.00001, "0.00001"}, MoneyRow{0.000001, "1E-6"},
                      MoneyRow{0.0000015, "1.5E-6"}, MoneyRow{1000000, "1000000"}, MoneyRow{12.5, "12.5"}));

TEST(MoneyText, RoundTripsThroughTheParser) {
    // The undo snapshot keeps stakes as text; a stake in cents comes back equal.
    for (int cents = 0; cents < 100000; cents += 7) {
        const double stake = RoundToCents(cents / 100.0);
        EXPECT_NEAR(StrToFloat(FloatToStr(stake)), stake, 1e-12) << cents;
    }
}

struct CentsRow {
    double in;
    double out;
};

std::ostream& operator<<(std::ostream& os, const CentsRow& r) { return os << r.in; }

class RoundToCentsRows : public ::testing::TestWithParam<CentsRow> {};

TEST_P(RoundToCentsRows, NearestHundredthHalvesToEven) {
    EXPECT_DOUBLE_EQ(RoundToCents(GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundToCentsRows,
                         ::testing::Values(CentsRow{1.234, 1.23}, CentsRow{1.236, 1.24}, CentsRow{1000, 1000},
                                           CentsRow{0.125, 0.12}, CentsRow{0.375, 0.38},
                                           CentsRow{-1.236, -1.24}, CentsRow{999.999, 1000},
                                           CentsRow{0.004, 0}, CentsRow{2.5, 2.5}));

TEST(RoundToCents, SameBitsAsTheLibraryRounding) {
    // The fast rounding must give exactly the library's result, sign of zero
    // included: amounts near halves, tiny and negative ones, and amounts
    // around the magnitude where the fast path hands over.
    std::mt19937_64 gen(7);
    std::uniform_int_distribution<std::int64_t> cents(-100'000'000'000, 100'000'000'000);
    std::uniform_real_distribution<double> nudge(-1e-3, 1e-3);
    const auto library = [](double v) { return std::nearbyint(v / 0.01) * 0.01; };
    const auto check = [&](double v) {
        const double want = library(v);
        const double got = RoundToCents(v);
        ASSERT_EQ(std::signbit(got), std::signbit(want)) << v;
        ASSERT_EQ(got, want) << v;
    };
    for (int i = 0; i < 200'000; ++i) {
        const double base = static_cast<double>(cents(gen)) / 100.0;
        check(base);
        check(base + 0.005);
        check(std::nextafter(base + 0.005, 1e300));
        check(std::nextafter(base + 0.005, -1e300));
        check(base + nudge(gen));
    }
    for (const double v : {0.0, -0.0, -0.004, 0.004, -0.005, 0.005, 22517998136852.47, 22517998136852.49,
                           -22517998136852.485, 4.5e13, -4.5e13, 1e16 + 0.5})
        check(v);
}

TEST(RoundToCents, HugeAndNonFiniteValuesPassThrough) {
    EXPECT_EQ(RoundToCents(1e308), 1e308);
    EXPECT_TRUE(std::isinf(RoundToCents(std::numeric_limits<double>::infinity())));
}

// Texts of doubles that hold in every build: halves of the last digit go to
// the even one from the exact binary value, and nothing depends on a locale.
TEST(FixedText, CorrectlyRoundedDigits) {
    const struct {
        double value;
        int digits;
        const char* text;
    } rows[] = {
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {-2.5, 0, "-2"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {0.1, 20, "0.10000000000000000555"},
        {1.005, 2, "1.00"},  // 1.00499999999999989...
        {-0.0, 1, "-0.0"},
        {1e22, 0, "10000000000000000000000"},
        {5e-324, 3, "0.000"},
        {123.456, 1, "123.5"},
        {100.0 * 2 / 3, 2, "66.67"},
        {1.7976931348623157e308, 0,
         "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878"
         "17154"
         "045895351438246423432132688946418276846754670353751698604991057655128207624549009038932894407586850"
         "84551"
         "339423045832369032229481658085593321233482747978262041447231687381771809192998812504040261841248583"
         "68"},
    };
    for (const auto& r : rows) EXPECT_EQ(FixedToStr(r.value, r.digits), r.text) << r.value;
}

#ifdef ROTACLE_STD_DOUBLE_CHARS
// The C library's texts and values, which a C++ library without the
// floating-point to_chars/from_chars uses, against the C++ library's.
TEST(DoubleChars, TheCLibraryGivesTheSameBytesAndValues) {
    using double_chars::Shape;
    // A comma locale, where one is installed, must change nothing.
    const char* const before = std::setlocale(LC_ALL, nullptr);
    const std::string saved = before ? before : "C";
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "C.UTF-8"})
        if (std::setlocale(LC_ALL, name)) break;

    std::mt19937_64 gen(8);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  0.5,
                                  0.125,
                                  2.5,
                                  1e15,
                                  1e-5,
                                  1e-6,
                                  1e22,
                                  1e23,
                                  5e-324,
                                  2.2250738585072014e-308,
                                  1.7976931348623157e308,
                                  0.1,
                                  1.0 / 3,
                                  999999999999999.5,
                                  9.5,
                                  0.05,
                                  123456.785};
    std::uniform_real_distribution<double> money(-1e7, 1e7);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 10000; ++i) {
        values.push_back(money(gen));
        values.push_back(std::round(money(gen)) / 100);
        double any = 0;
        const std::uint64_t b = bits(gen);
        std::memcpy(&any, &b, sizeof any);
        if (std::isfinite(any)) values.push_back(any);
    }
    char c[double_chars::kMaxFixedText], s[double_chars::kMaxFixedText];
    for (const double v : values) {
        for (const Shape shape : {Shape::Scientific, Shape::Fixed}) {
            for (const int precision : {0, 1, 2, 4, 14, 17}) {
                const std::size_t nc = double_chars::FormatC(c, sizeof c, v, shape, precision);
                const std::size_t ns = double_chars::FormatStd(s, sizeof s, v, shape, precision);
                ASSERT_EQ(std::string_view(c, nc), std::string_view(s, ns))
                    << v << " precision " << precision;
                if (shape == Shape::Fixed && precision > 4) continue;
                // Read back, also without the sign, which the parse never sees.
                std::string_view text(s, ns);
                if (text.front() == '-') text.remove_prefix(1);
                double pc = -1, ps = -1;
                ASSERT_EQ(double_chars::ParseC(text, pc), double_chars::ParseStd(text, ps)) << text;
                ASSERT_EQ(std::memcmp(&pc, &ps, sizeof pc), 0) << text;
            }
        }
    }
    for (const char* text : {"1e309", "1.7976931348623159e308", "2e-324", "1e-400", "0e-999", "0.0e99999",
                             "3e-324", "2.4703282292062328e-324", "1e-320", "00000000000000000000000001e-330",
                             "7.", ".5", "1e", "1e+", "1.2.3", "", "e5", "1e99999999999999999999"}) {
        double pc = -1, ps = -1;
        EXPECT_EQ(double_chars::ParseC(text, pc), double_chars::ParseStd(text, ps)) << text;
        EXPECT_EQ(std::memcmp(&pc, &ps, sizeof pc), 0) << text;
    }
    std::setlocale(LC_ALL, saved.c_str());
}
#endif

}  // namespace
}  // namespace rotacle
