#include "tools/script_verbs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "core/text_file.h"
#include "tools/session.h"
#include "tools/stats.h"

namespace rotacle::sim {

/// One command line being run: its words, and the session's parts that the
/// commands reach.
class VerbCall {
public:
    VerbCall(Session& s, std::string_view name, std::string_view words, bool has_words, std::int64_t line)
        : s_(s), e(s.engine_), verb(name), rest(words), has_rest(has_words), line_no(line) {}

    [[noreturn]] void Bad(std::string_view why) const { Malformed(line_no, why); }
    void NoArgs() const {
        if (has_rest) Bad("'" + std::string(verb) + "' takes no argument");
    }
    /// PATH: the rest of the line, which must not be empty.
    std::string_view Path() const {
        if (!has_rest || rest.empty()) Bad("missing PATH");
        return rest;
    }
    /// NAME VALUE, where VALUE runs to the end of the line and may be empty.
    std::pair<std::string_view, std::string_view> NameValue() const {
        if (!has_rest) Bad("missing NAME");
        const auto [name, value] = SplitWord(rest);
        if (!value) Bad("missing VALUE");
        return {name, *value};
    }

    template <class Op>
    bool Run(Op&& op) {
        return s_.Run(op);
    }
    void Touched() { s_.Touched(); }
    /// Lets `ms` of play time pass after the timers under way have run.
    void Wait(std::int64_t ms) {
        s_.RunTimers();
        s_.scheduler_.Advance(ms);
        s_.Touched();
    }
    void ClickCell(int n) { s_.ClickCell(n); }
    void SayWhyNotTaken(int n) { s_.SayWhyNotTaken(n); }
    std::string Resolve(std::string_view path) const { return s_.Resolve(path); }
    SpeedPlay& Speed() { return s_.speed_; }
    SimPlatform& Platform() { return s_.platform_; }
    void Print(std::string line) { s_.output_ = std::move(line); }
    const SessionStats& Stats() const { return s_.stats_; }

private:
    Session& s_;

public:
    rotacle::Engine& e;
    const std::string_view verb;
    const std::string_view rest;
    const bool has_rest;
    const std::int64_t line_no;
};

namespace {

void Spin(VerbCall& c) {
    if (!c.has_rest || !AllDigits(c.rest) || c.rest.size() > 2) c.Bad("spin takes a number 0..36");
    int n = 0;
    for (const char ch : c.rest) n = n * 10 + (ch - '0');
    if (n > 36) c.Bad("spin takes a number 0..36");
    c.ClickCell(n);
}

void Undo(VerbCall& c) {
    c.NoArgs();
    // The newest waiting number is taken back first; otherwise the undo
    // command is clicked when it is offered.
    if (c.Speed().Undo(c.e) == SpeedPlay::Outcome::Undone) c.Touched();
}

void Enter(VerbCall& c) {
    if (!c.has_rest || !AllDigits(c.rest)) c.Bad("enter takes a whole number");
    // Any number can be typed; one that is no cell is refused.
    int n = 0;
    if (std::from_chars(c.rest.data(), c.rest.data() + c.rest.size(), n).ec != std::errc())
        n = std::numeric_limits<int>::max();
    const SpeedPlay::Outcome outcome = c.Speed().Enter(c.e, n);
    if (outcome == SpeedPlay::Outcome::Entered) c.Touched();
    if (outcome == SpeedPlay::Outcome::Refused) c.SayWhyNotTaken(n);
}

// The player's options kept beside the settings record: quick proposals, the
// zero rule and the session limits (0 turns a limit off).
void Option(VerbCall& c) {
    const auto pair = c.NameValue();
    const auto name = pair.first;
    const auto value = pair.second;
    if (name == "quick") {
        if (value != "0" && value != "1") c.Bad("option quick takes 0 or 1");
        c.Speed().SetQuick(value == "1");
        return;
    }
    if (name == "zero-rule") {
        if (value != "none" && value != "partage") c.Bad("option zero-rule takes none or partage");
        c.Run([&] { c.e.SetZeroRule(value == "partage" ? ZeroRule::Partage : ZeroRule::None); });
        return;
    }
    LimitSettings limits = c.e.Limits().Settings();
    const auto amount = [&](double& field) {
        if (!TryStrToFloat(value, field) || !(field >= 0) || field > kMaxAmount)
            c.Bad("option " + std::string(name) + " takes an amount of 0 or more");
    };
    const auto count = [&](std::int32_t& field) {
        if (!AllDigits(value) || !TryStrToInt(value, field) || field > kMaxLimit)
            c.Bad("option " + std::string(name) + " takes a whole number 0.." + IntToStr(kMaxLimit));
    };
    if (name == "limit-loss")
        amount(limits.loss);
    else if (name == "limit-profit")
        amount(limits.profit);
    else if (name == "limit-time")
        count(limits.time_minutes);
    else if (name == "limit-spins")
        count(limits.spins);
    else if (name == "reality-check")
        count(limits.reality_minutes);
    else if (name == "limit-stake-above-bankroll") {
        if (value != "0" && value != "1") c.Bad("option limit-stake-above-bankroll takes 0 or 1");
        limits.stake_above_bankroll = value == "1";
    } else
        c.Bad("unknown option '" + std::string(name) + "'");
    c.Run([&] { c.e.SetLimits(limits); });
}

void Limit(VerbCall& c) {
    if (c.rest == "continue" && c.has_rest) {
        c.Run([&] { c.e.GoOnPastLimit(); });
    } else if (c.rest == "new" && c.has_rest) {
        // A new game: the numbers still waiting belong to the one that ends.
        c.Speed().DropWaiting();
        c.Run([&] { c.e.ResetApp(); });
    } else {
        c.Bad("limit takes continue or new");
    }
}

void Wait(VerbCall& c) {
    // A day at most: the limits of time are counted in minutes.
    constexpr std::int32_t kMaxWait = 86'400;
    std::int32_t seconds = 0;
    if (!AllDigits(c.rest) || !TryStrToInt(c.rest, seconds) || seconds > kMaxWait)
        c.Bad("wait takes whole SECONDS 0.." + IntToStr(kMaxWait));
    c.Wait(std::int64_t{seconds} * 1000);
}

void Skip(VerbCall& c) {
    c.NoArgs();
    if (!c.e.Table().Image_SkipBet3().Visible) c.Run([&] { c.e.SkipBet(); });
}

void ResetBets(VerbCall& c) {
    c.NoArgs();
    if (c.e.Inputs().ResetBets_Button.Enabled) c.Run([&] { c.e.ResetBets(); });
}

void ResetApp(VerbCall& c) {
    c.NoArgs();
    // Numbers still waiting belong to the game that ends here.
    c.Speed().DropWaiting();
    c.Run([&] { c.e.ResetApp(); });
}

void Set(VerbCall& c) {
    // Plain names, not a structured binding: the lambdas below capture them.
    const auto pair = c.NameValue();
    const auto name = pair.first;
    const auto value = pair.second;
    rotacle::Engine& e = c.e;
    if (const auto id = EditByName(name)) {
        c.Run([&] { e.SetEditText(*id, value); });
    } else if (const auto spin = SpinByName(name)) {
        c.Run([&] {
            if (value.empty() || value == " ")
                e.SetSpinText(*spin, value);
            else
                e.SetSpinValue(*spin, StrToInt(value));
        });
    } else if (name == "SafeLevel") {
        c.Run([&] { e.SetSafeLevelPosition(StrToInt(value)); });
    } else {
        c.Bad("unknown NAME '" + std::string(name) + "'");
    }
}

void Type(VerbCall& c) {
    const auto [name, chars] = c.NameValue();
    const auto edit = EditByName(name);
    const auto spin = SpinByName(name);
    if (!edit && !spin) c.Bad("unknown NAME '" + std::string(name) + "'");
    rotacle::Engine& e = c.e;
    // One event per key; an error ends the command and the rest is not sent.
    for (const char ch : chars) {
        const bool ok = e.Event([&] {
            if (edit)
                e.TypeKey(*edit, ch);
            else
                e.TypeKey(*spin, ch);
        });
        c.Touched();
        if (!ok) break;
    }
}

void Check(VerbCall& c) {
    const auto pair = c.NameValue();
    const auto name = pair.first;
    const auto value = pair.second;
    const auto id = CheckByName(name);
    if (!id) c.Bad("unknown NAME '" + std::string(name) + "'");
    if (value != "0" && value != "1") c.Bad("check takes 0 or 1");
    c.Run([&] { c.e.SetChecked(*id, value == "1"); });
}

void Select(VerbCall& c) {
    const auto [name, value] = c.NameValue();
    const auto id = ComboByName(name);
    if (!id) c.Bad("unknown NAME '" + std::string(name) + "'");
    std::int32_t index = 0;
    if (!TryStrToInt(value, index)) c.Bad("select takes a whole-number INDEX");
    c.Run([&] { c.e.SelectItem(*id, index); });
}

auto Field(VerbCall& c) {
    if (!c.has_rest) c.Bad("missing FIELD");
    const auto field = FieldByName(c.rest);
    if (!field) c.Bad("unknown FIELD '" + std::string(c.rest) + "'");
    return field;
}

void Trend(VerbCall& c) {
    const auto field = Field(c);
    c.Run([&] { c.e.ChooseTrend(*field); });
}

void Untrend(VerbCall& c) {
    const auto field = Field(c);
    c.Run([&] { c.e.ClearTrend(*field); });
}

void LoadSettings(VerbCall& c) {
    const std::string_view path = c.Path();
    c.Run([&] { c.e.LoadSettingsFile(c.Resolve(path)); });
}

void SaveSettings(VerbCall& c) {
    const std::string_view path = c.Path();
    c.Run([&] { c.e.SaveSettingsFile(c.Resolve(path)); });
}

void ImportFile(VerbCall& c) {
    const std::string_view rest = c.Path();
    rotacle::Engine& e = c.e;
    std::string path;
    // Each step is a click of its own; an error ends the command.
    if (!c.Run([&] {
            path = c.Resolve(rest);
            e.OpenImportPanel();
        }))
        return;
    c.Platform().dialog_answer = path;
    const bool loaded = c.Run([&] { e.LoadNumberFile(); });
    c.Platform().dialog_answer.reset();
    if (loaded && e.Panel().Panel_Import().Visible && e.Panel().Button_Process().Enabled)
        c.Run([&] { e.ImportListedNumbers(); });
}

void PastePage(VerbCall& c) {
    const std::string_view path = c.Path();
    c.Run([&] {
        c.Platform().clipboard = ReadFileText(c.Resolve(path));
        c.e.OpenImportPanel();
        c.e.PastePage();
    });
}

void Export(VerbCall& c) {
    const std::string_view path = c.Path();
    c.Run([&] {
        c.Platform().dialog_answer = c.Resolve(path);
        c.e.ExportHistoryByDialog();
    });
    c.Platform().dialog_answer.reset();
}

void Click(VerbCall& c) {
    if (!c.has_rest) c.Bad("missing NAME");
    rotacle::Engine& e = c.e;
    if (c.rest == "Button_Process") {
        if (e.Panel().Panel_Import().Visible) c.Run([&] { e.ImportListedNumbers(); });
    } else if (c.rest == "Image_ClosePanel2") {
        if (e.Panel().Panel_Import().Visible) c.Run([&] { e.CloseImportPanel(); });
    } else if (c.rest == "CreateMatrix") {
        // The matrix buttons, like the import panel, wait for the end of
        // a progress run: a build inside one put a second bet on the table.
        if (!e.ProgressRunUnderWay()) c.Run([&] { e.CreateMatrix(); });
    } else if (c.rest == "ResetMatrix") {
        if (!e.ProgressRunUnderWay()) c.Run([&] { e.ResetMatrix(); });
    } else {
        c.Bad("unknown NAME '" + std::string(c.rest) + "'");
    }
}

void Mode(VerbCall& c) {
    const std::string_view rest = c.rest;
    if (!c.has_rest || !AllDigits(rest) || rest.size() != 1 || rest[0] < '1' || rest[0] > '5')
        c.Bad("mode takes a number 1..5");
    // Tests and backtests reach the modes that the window keeps dormant.
    c.e.ForceGameMode(rest[0] - '0');
}

void Lists(VerbCall& c) {
    if (!c.has_rest) c.Bad("missing PATH1 PATH2 PATH3");
    std::array<std::string_view, 3> paths{};
    std::string_view left = c.rest;
    for (std::size_t k = 0; k < 3; ++k) {
        const auto [word, tail] = SplitWord(left);
        if (word.empty() || (k < 2 && !tail) || (k == 2 && tail)) c.Bad("lists takes three paths");
        paths[k] = word;
        left = tail.value_or(std::string_view());
    }
    c.Run([&] {
        for (std::size_t k = 0; k < 3; ++k) c.e.LoadAdaptiveList(k, ReadLines(c.Resolve(paths[k])));
    });
}

void Stats(VerbCall& c) {
    c.NoArgs();
    c.Print(SessionStatsJson(c.Stats()).dump() + '\n');
}

constexpr ScriptVerb kVerbs[] = {
    {"spin", "N", "Click the board cell of number N (0..36)", Spin},
    {"undo", "", "The undo command; first takes back the newest waiting number", Undo},
    {"skip", "", "The skip-bet command, when offered", Skip},
    {"enter", "N", "N typed and entered; waits for the end of a progress run", Enter},
    {"nowait", "COMMAND", "COMMAND without the timers after it", nullptr},
    {"option", "NAME VALUE",
     "A player's option: quick, zero-rule, limit-loss, limit-profit, limit-time, limit-spins, reality-check, "
     "limit-stake-above-bankroll",
     Option},
    {"limit", "continue|new", "After a session limit: play on, or start a new game", Limit},
    {"wait", "SECONDS", "Let SECONDS of play time pass (for the limits of time)", Wait},
    {"reset-bets", "", "The BETS reset button", ResetBets},
    {"reset-app", "", "The APP reset button", ResetApp},
    {"set", "NAME VALUE", "The program assigns VALUE to the input NAME", Set},
    {"type", "NAME CHARS", "Key presses into an edit", Type},
    {"check", "NAME 0|1", "The program sets a check box", Check},
    {"select", "NAME INDEX", "The player picks a list item", Select},
    {"trend", "FIELD", "Choose a trend side", Trend},
    {"untrend", "FIELD", "Clear a trend side", Untrend},
    {"load-settings", "PATH", "Load a settings file", LoadSettings},
    {"save-settings", "PATH", "Save a settings file", SaveSettings},
    {"import-file", "PATH", "Import a number file through the import panel", ImportFile},
    {"paste-page", "PATH", "Paste the text of PATH as a live-casino page", PastePage},
    {"export", "PATH", "Export the history", Export},
    {"click", "NAME", "Button_Process, Image_ClosePanel2, CreateMatrix or ResetMatrix", Click},
    {"mode", "N", "Set the game mode 1..5", Mode},
    {"lists", "A B C", "Fill the three candidate lists of mode 5", Lists},
    {"stats", "", "Print the session's statistics as one JSON line", Stats},
};

}  // namespace

std::span<const ScriptVerb> ScriptVerbs() { return kVerbs; }

const ScriptVerb* FindScriptVerb(std::string_view name) {
    for (const ScriptVerb& v : kVerbs)
        if (v.name == name) return &v;
    return nullptr;
}

std::string ScriptVerbsHelp() {
    std::string text = "Script commands:\n";
    for (const ScriptVerb& v : kVerbs) {
        std::string head = "  " + std::string(v.name);
        if (!v.args.empty()) head += " " + std::string(v.args);
        head.resize(std::max<std::size_t>(head.size() + 1, 30), ' ');
        text += head + std::string(v.help) + '\n';
    }
    return text;
}

void Malformed(std::int64_t line_no, std::string_view why) {
    throw ScriptError("line " + std::to_string(line_no) + ": " + std::string(why));
}

std::pair<std::string_view, std::optional<std::string_view>> SplitWord(std::string_view s) {
    const auto sp = s.find(' ');
    if (sp == std::string_view::npos) return {s, std::nullopt};
    return {s.substr(0, sp), s.substr(sp + 1)};
}

void Session::Execute(std::string_view verb, std::string_view rest, bool has_rest, std::int64_t line_no) {
    const ScriptVerb* v = FindScriptVerb(verb);
    if (!v || !v->run) Malformed(line_no, "unknown command '" + std::string(verb) + "'");
    VerbCall call(*this, verb, rest, has_rest, line_no);
    v->run(call);
}

}  // namespace rotacle::sim
