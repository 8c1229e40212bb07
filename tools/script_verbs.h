// The commands of a session script: one table row each, with the words it
// takes, its help line and the code that runs it. The driver dispatches
// through the table, and `--help` prints it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace rotacle::sim {

class VerbCall;

/// One command of a session script.
struct ScriptVerb {
    std::string_view name;
    std::string_view args;  ///< the words after the name, as the help shows them
    std::string_view help;  ///< one line
    /// Runs the command (null for `nowait`, which the line reader takes).
    void (*run)(VerbCall& call);
};

/// Every command of a session script, in the order of the manual page.
std::span<const ScriptVerb> ScriptVerbs();

/// The command named `name`, or null.
const ScriptVerb* FindScriptVerb(std::string_view name);

/// The script commands as the `--help` text lists them, one a line.
std::string ScriptVerbsHelp();

/// Throws ScriptError "line N: WHY".
[[noreturn]] void Malformed(std::int64_t line_no, std::string_view why);

/// Splits "WORD REST" at the first space; no REST without a space.
std::pair<std::string_view, std::optional<std::string_view>> SplitWord(std::string_view s);

/// True for a non-empty run of the digits 0..9. Inline: every "spin N" line
/// of a script passes here.
inline bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace rotacle::sim
