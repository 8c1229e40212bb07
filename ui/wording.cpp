#include "ui/wording.h"

#include <QCoreApplication>
#include <array>

namespace rotacle::ui {

namespace {

constexpr const char* kMessageContext = "Message";
constexpr const char* kListContext = "List";

constexpr std::array<MessagePattern, 15> kPatterns = {{
    {MessageKind::Plain, QT_TRANSLATE_NOOP("Message", "%1")},
    {MessageKind::NotFloat, QT_TRANSLATE_NOOP("Message", "'%1' is not a valid floating point value")},
    {MessageKind::NotInteger, QT_TRANSLATE_NOOP("Message", "'%1' is not a valid integer value")},
    {MessageKind::AmountTooLarge,
     QT_TRANSLATE_NOOP("Message", "'%1' is not a valid amount: the largest is %2")},
    {MessageKind::AmountTooSmall,
     QT_TRANSLATE_NOOP("Message", "'%1' is not a valid amount: the smallest is %2")},
    {MessageKind::NotRouletteNumber, QT_TRANSLATE_NOOP("Message", "'%1' is not a roulette number (0 to 36)")},
    {MessageKind::ImportLine, QT_TRANSLATE_NOOP("Message", "Line %1: %2")},
    {MessageKind::CannotOpenFile, QT_TRANSLATE_NOOP("Message", "Cannot open file \"%1\". %2")},
    {MessageKind::CannotReadFile, QT_TRANSLATE_NOOP("Message", "Cannot read file \"%1\". %2")},
    {MessageKind::CannotCreateFile, QT_TRANSLATE_NOOP("Message", "Cannot create file \"%1\". %2")},
    {MessageKind::CannotWriteFile, QT_TRANSLATE_NOOP("Message", "Cannot write file \"%1\". %2")},
    {MessageKind::PageUnreadable, QT_TRANSLATE_NOOP("Message", "The page cannot be read: %1.")},
    {MessageKind::PageTooLarge,
     QT_TRANSLATE_NOOP(
         "Message", "The page cannot be read: it holds %1 bytes, more than the limit of %2 MB (%3 bytes).")},
    {MessageKind::FileLeftAsItIs, QT_TRANSLATE_NOOP("Message", "%1 The file \"%2\" is left as it is.")},
    {MessageKind::PageReaderMissing,
     QT_TRANSLATE_NOOP(
         "Message",
         "The page cannot be read: the page reader is not installed (looked for %1). Install the "
         "package rotacle-page-reader to paste pages.")},
}};

// The lists of the settings area and the field names, as the game gives
// them; listed here so that they reach the translators.
[[maybe_unused]] constexpr const char* kListTexts[] = {
    QT_TRANSLATE_NOOP("List", "DEEP SCAN 8.0"),
    QT_TRANSLATE_NOOP("List", "SMART 2025"),
    QT_TRANSLATE_NOOP("List", "ADAPTIVE PRO 8.0"),
    QT_TRANSLATE_NOOP("List", "CUSTOM"),
    QT_TRANSLATE_NOOP("List", "Martingale (x2 on loss)"),
    QT_TRANSLATE_NOOP("List", "Parlay (x2 on win)"),
    QT_TRANSLATE_NOOP("List", "Donald (+1 on loss / -1 on win)"),
    QT_TRANSLATE_NOOP("List", "Chernyshov (x3 on loss)"),
    QT_TRANSLATE_NOOP("List", "Blind (+1 each spin)"),
    QT_TRANSLATE_NOOP("List", "Up-trender (+1 on win)"),
    QT_TRANSLATE_NOOP("List", "Losses"),
    QT_TRANSLATE_NOOP("List", "Losses In A Row"),
    QT_TRANSLATE_NOOP("List", "Units drawdown"),
    QT_TRANSLATE_NOOP("List", "ADD to bet:"),
    QT_TRANSLATE_NOOP("List", "SUBTRACT:"),
    QT_TRANSLATE_NOOP("List", "MULTIPLY bet by:"),
    QT_TRANSLATE_NOOP("List", "DIVIDE bet by:"),
    QT_TRANSLATE_NOOP("List", "SET bet to:"),
    QT_TRANSLATE_NOOP("List", "Check WINS"),
    QT_TRANSLATE_NOOP("List", "DO NOTHING"),
    QT_TRANSLATE_NOOP("List", "Wins"),
    QT_TRANSLATE_NOOP("List", "Wins In A Row"),
    QT_TRANSLATE_NOOP("List", "Units of profit"),
    QT_TRANSLATE_NOOP("List", "UPTREND"),
    QT_TRANSLATE_NOOP("List", "DOWNTREND"),
    QT_TRANSLATE_NOOP("List", "Less"),
    QT_TRANSLATE_NOOP("List", "Even"),
    QT_TRANSLATE_NOOP("List", "Red"),
    QT_TRANSLATE_NOOP("List", "Black"),
    QT_TRANSLATE_NOOP("List", "Odd"),
    QT_TRANSLATE_NOOP("List", "More"),
    QT_TRANSLATE_NOOP("List", "IMPORT"),
    QT_TRANSLATE_NOOP("List", "IMPORT (%1)"),
    QT_TRANSLATE_NOOP("List", "Text File"),
};

// The browser edition's own texts (web/src), listed here so that they reach
// the translators and stay in the translation files.
[[maybe_unused]] constexpr const char* kWebTexts[] = {
    QT_TRANSLATE_NOOP("StatsWindow", "Close"),
    QT_TRANSLATE_NOOP("StatsWindow", "OK"),
    QT_TRANSLATE_NOOP("Web", "A new version of Rotacle is ready. It starts the next time you open Rotacle."),
    QT_TRANSLATE_NOOP("Web", "OK"),
    QT_TRANSLATE_NOOP("Web", "Yes"),
    QT_TRANSLATE_NOOP("Web", "No"),
    QT_TRANSLATE_NOOP("Web", "Apply"),
    QT_TRANSLATE_NOOP("Web", "Close"),
    QT_TRANSLATE_NOOP("Web", "roulette table"),
    QT_TRANSLATE_NOOP("Web", "table"),
    QT_TRANSLATE_NOOP("Web", "commands"),
    QT_TRANSLATE_NOOP("Web", "numbers"),
    QT_TRANSLATE_NOOP("Web", "even chances"),
    QT_TRANSLATE_NOOP("Web", "Press Ctrl+V (⌘V on a Mac) to paste the page."),
    QT_TRANSLATE_NOOP("Web", "This browser keeps no data for pages (IndexedDB)."),
};

}  // namespace

std::span<const MessagePattern> MessagePatterns() { return kPatterns; }

QString WordMessage(const Message& message) {
    const std::string text = Word(message, [](MessageKind kind) {
        for (const MessagePattern& p : kPatterns)
            if (p.kind == kind) return QCoreApplication::translate(kMessageContext, p.english).toStdString();
        return std::string(EnglishPattern(kind));
    });
    return QString::fromStdString(text);
}

QString Worded(std::string_view english) {
    const std::string source(english);
    // A count in brackets at the end is a value: the text around it is
    // translated as "TEXT (%1)".
    const auto open = source.rfind(" (");
    if (open != std::string::npos && source.back() == ')' && open + 3 < source.size() &&
        source.find_first_not_of("0123456789", open + 2) == source.size() - 1) {
        const std::string pattern = source.substr(0, open) + " (%1)";
        return QCoreApplication::translate(kListContext, pattern.c_str())
            .arg(QString::fromStdString(source.substr(open + 2, source.size() - open - 3)));
    }
    return QCoreApplication::translate(kListContext, source.c_str());
}

}  // namespace rotacle::ui
