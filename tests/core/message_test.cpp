// Messages as values: the English wording of each error equals the text the
// error carries, values are filled in one pass, and a cause is worded with
// the same patterns as the message around it.
#include <gtest/gtest.h>

#include <string>

#include "core/convert.h"
#include "core/message.h"

namespace rotacle {
namespace {

std::shared_ptr<const Message> Cause(Message m) { return std::make_shared<const Message>(std::move(m)); }

TEST(Message, WordsValuesOnceAndCausesWithTheSamePatterns) {
    const Message line{
        MessageKind::ImportLine, {"3"}, Cause({MessageKind::NotRouletteNumber, {"%1 x"}, nullptr})};
    const struct {
        Message message;
        std::string english;
    } rows[] = {
        {{MessageKind::AmountTooLarge, {"%2", "9"}, nullptr}, "'%2' is not a valid amount: the largest is 9"},
        {line, "Line 3: '%1 x' is not a roulette number (0 to 36)"},
        {{MessageKind::Plain, {"100% sure"}, nullptr}, "100% sure"},
        {{MessageKind::CannotOpenFile, {"a\"b"}, nullptr}, "Cannot open file \"a\"b\". "},
    };
    for (const auto& row : rows) EXPECT_EQ(EnglishText(row.message), row.english);

    // Another language's patterns reach the cause as well.
    const auto german = [](MessageKind kind) -> std::string_view {
        if (kind == MessageKind::ImportLine) return "Zeile %1: %2 (%%)";
        if (kind == MessageKind::NotRouletteNumber) return "'%1' ist keine Roulettezahl";
        return EnglishPattern(kind);
    };
    EXPECT_EQ(Word(line, german), "Zeile 3: '%1 x' ist keine Roulettezahl (%)");
}

TEST(Message, EveryErrorCarriesItsValuesAndItsEnglishText) {
    const auto values_of = [](auto&& op) {
        try {
            op();
        } catch (const EngineError& e) {
            EXPECT_EQ(EnglishText(e.Message()), e.what());
            return e.Message();
        }
        ADD_FAILURE() << "no error";
        return Message{};
    };
    const Message bad_float = values_of([] { StrToFloat("1,5"); });
    EXPECT_EQ(bad_float.kind, MessageKind::NotFloat);
    EXPECT_EQ(bad_float.args, std::vector<std::string>{"1,5"});
    const Message too_large = values_of([] { CheckAmount("1e300", 0); });
    EXPECT_EQ(too_large.kind, MessageKind::AmountTooLarge);
    const Message plain = values_of([] { throw FileError("Disk full."); });
    EXPECT_EQ(plain.kind, MessageKind::Plain);
    EXPECT_EQ(plain.args, std::vector<std::string>{"Disk full."});
}

}  // namespace
}  // namespace rotacle
