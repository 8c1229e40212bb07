// rotacle-sim: the command-line driver of the Rotacle engine.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "rotacle/version.h"
#include "tools/backtest.h"
#include "tools/risk_run.h"
#include "tools/script_verbs.h"
#include "tools/session.h"
#include "tools/stats.h"
#include "tools/sweep.h"

int main(int argc, char** argv) {
    CLI::App app{"rotacle-sim: plays Rotacle sessions without a window"};
    // CLI11 would wrap "-1" and cut "18446744073709551616" to an unsigned
    // seed; a seed is taken only as the digits of one.
    const CLI::Validator seed_check(
        [](std::string& text) {
            try {
                rotacle::sim::ParseSeed(text, "");
                return std::string();
            } catch (const rotacle::sim::InputError& e) {
                return std::string(e.what()).substr(2);
            }
        },
        "SEED");
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", "rotacle-sim " ROTACLE_VERSION, "Print the version and exit");

    std::string script;
    bool quiet = false;
    auto* script_opt = app.add_option("--script", script, "Session script to run ('-' for standard input)");
    app.add_flag("--quiet", quiet, "Print only the state after the last command");
    rotacle::sim::JournalOptions journal;
    app.add_option("--journal", journal.journal,
                   "Write every action to this session journal (a new one, or the one --resume names)");
    app.add_option("--resume", journal.resume,
                   "Replay this session journal first and print the resumed state as line 0");

    rotacle::sim::BacktestOptions bt;
    std::vector<std::string> lists;
    bool no_progress = false;
    auto* backtest = app.add_subcommand(
        "backtest", "Replay a history of numbers through the whole engine, as if every number were clicked");
    auto* file_opt =
        backtest->add_option("NUMBERS", bt.numbers_file, "Number file, one number 0..36 per line");
    auto* random_opt = backtest->add_option(
        "--random", bt.random,
        "Instead of a file: N numbers drawn uniformly from 0..36 (mt19937_64, rejection sampling)");
    file_opt->excludes(random_opt);
    backtest->add_option("--seed", bt.seed, "Seed of --random (default 1)")->check(seed_check);
    backtest->add_option("--settings", bt.settings_file, "Settings file (.rtk) applied first");
    backtest->add_option("--bank", bt.bank, "Test bank");
    backtest->add_option("--init-bet", bt.init_bet, "Initial bet");
    backtest->add_option("--safe-level", bt.safe_level, "Safety level 0..10");
    backtest->add_option("--trend", bt.trends,
                         "Trend side to choose (Less, Even, Red, Black, Odd, More); repeatable");
    backtest->add_option("--mode", bt.mode, "Game mode 1..5 (default 2, SMART 2025)")
        ->check(CLI::Range(1, 5));
    backtest->add_option("--lists", lists, "Three candidate-list files for mode 5")->expected(3);
    backtest->add_flag("--json", bt.json, "Print the summary as one JSON object");
    backtest->add_flag("--stats", bt.stats,
                       "Add the hits and absences of the chances and numbers and the summary of the bets");
    backtest->add_option("--csv", bt.csv_file, "Write one CSV row per spin");
    backtest->add_option("--chart", bt.chart_file,
                         "Draw the bankroll, the stake and the expected loss as SVG");
    backtest->add_flag("--no-progress", no_progress, "No progress bar on standard error");

    rotacle::sim::StatsOptions st;
    auto* stats = app.add_subcommand(
        "stats", "Hits, share, absence and longest absence of every chance and number of a number file");
    stats->add_option("NUMBERS", st.numbers_file, "Number file, one number 0..36 per line")->required();
    stats->add_flag("--json", st.json, "Print the figures as one JSON object");

    rotacle::sim::SweepOptions sw;
    bool sweep_no_progress = false;
    auto* sweep = app.add_subcommand(
        "sweep",
        "Backtest every combination of a grid of control values over the same histories or random runs");
    sweep->add_option("GRID", sw.grid_file, "Grid file: JSON object of control names and lists of values")
        ->required();
    auto* history_opt =
        sweep->add_option("--history", sw.histories, "Number files to backtest every combination on");
    auto* sweep_random =
        sweep->add_option("--random", sw.random, "Instead of files: N drawn numbers per run");
    history_opt->excludes(sweep_random);
    sweep->add_option("--runs", sw.runs,
                      "Random runs per combination; run r draws with seed S + r (default 1)");
    sweep->add_option("--seed", sw.seed, "Seed S of the first random run (default 1)")->check(seed_check);
    sweep->add_option("--settings", sw.settings_file,
                      "Settings file (.rtk) applied before the grid's values");
    sweep->add_option("--mode", sw.mode, "Game mode 1..4 (default 2, SMART 2025)");
    auto* jobs_opt =
        sweep->add_option("--jobs", sw.jobs, "Threads (default and at most: the number of cores)");
    sweep->add_option("--csv", sw.csv_file, "Write one row per combination and history or run");
    sweep->add_option("--summary", sw.summary_file,
                      "Write one row per combination: broke share, median, mean");
    sweep->add_option("--chart", sw.chart_file, "Draw the mean result against the drawdown as SVG");
    sweep->add_option("--shard", sw.shard, "Run only slice I of N of the work (0 <= I < N)");
    sweep->add_option("--top", sw.top, "Rows of the ranked table (default 10)");
    sweep->add_flag("--no-progress", sweep_no_progress, "No progress bar on standard error");

    rotacle::sim::MergeOptions merge;
    auto* sweep_merge = app.add_subcommand(
        "sweep-merge", "Join the CSV files of a sweep's shards into the file of the whole sweep");
    sweep_merge->add_option("OUT", merge.out_file, "The merged CSV")->required();
    sweep_merge->add_option("PARTS", merge.parts, "The CSV files of the shards")->required();
    sweep_merge->add_option("--summary", merge.summary_file, "Write one row per combination");
    sweep_merge->add_option("--chart", merge.chart_file, "Draw the mean result against the drawdown as SVG");
    sweep_merge->add_option("--top", merge.top, "Rows of the ranked table (default 10)");

    rotacle::sim::RiskOptions rk;
    bool risk_no_progress = false;
    auto* risk = app.add_subcommand(
        "risk",
        "Play many whole sessions from a bankroll to a target or ruin and give the odds and the spread");
    risk->add_option("CONTROLS", rk.controls, "NAME=VALUE: a control's value, applied after the settings");
    risk->add_option("--settings", rk.settings_file, "Settings file (.rtk) loaded first");
    risk->add_option("--sessions", rk.sessions, "Sessions to play (default 1000)");
    risk->add_option("--bankroll", rk.bankroll, "Bankroll each session starts from (default 1000)");
    risk->add_option("--target", rk.target, "Profit at which a session stops (default 100)");
    risk->add_option("--spins-max", rk.spins_max, "Spins after which a session stops (default 10000)");
    risk->add_option("--seed", rk.seed,
                     "Seed of the run; each session's wheel is seeded from it and its index")
        ->check(seed_check);
    auto* risk_jobs =
        risk->add_option("--jobs", rk.jobs, "Threads (default and at most: the number of cores)");
    risk->add_option("--shard", rk.shard,
                     "Play only slice I of N of the sessions (0 <= I < N), rows to --csv");
    risk->add_option("--zero-rule", rk.zero_rule, "none (default) or partage: half the stake back on zero");
    risk->add_option(
        "--system", rk.system,
        "settings (default), flat (the stake never changes) or martingale (double after a loss)");
    risk->add_flag("--json", rk.json, "Print the figures as one JSON object");
    risk->add_option("--csv", rk.csv_file, "Write one row per session");
    risk->add_option("--svg", rk.svg_file, "Draw the histogram of the results and the band of the bankroll");
    risk->add_flag("--no-progress", risk_no_progress, "No progress bar on standard error");

    rotacle::sim::RiskMergeOptions risk_merge_options;
    auto* risk_merge =
        app.add_subcommand("risk-merge", "The figures of a risk run from the CSV files of all its shards");
    risk_merge->add_option("PARTS", risk_merge_options.parts, "The CSV files of the shards")->required();
    risk_merge->add_flag("--json", risk_merge_options.json, "Print the figures as one JSON object");
    risk_merge->add_option("--csv", risk_merge_options.csv_file, "Write one row per session");
    risk_merge->add_option("--svg", risk_merge_options.svg_file,
                           "Draw the histogram of the results and the band of the bankroll");

    // Set last: the subcommands, made before, do not take it over.
    app.footer(rotacle::sim::ScriptVerbsHelp());
    CLI11_PARSE(app, argc, argv);
    std::ios::sync_with_stdio(false);

    if (backtest->parsed()) {
        if (bt.numbers_file.empty() && !bt.random) {
            std::cerr << "rotacle-sim backtest: give a NUMBERS file or --random N\n";
            return 1;
        }
        bt.lists = lists;
        bt.progress = !no_progress;
        return rotacle::sim::RunBacktest(bt, std::cout, std::cerr);
    }
    if (sweep->parsed()) {
        sw.progress = !sweep_no_progress;
        try {
            if (jobs_opt->count() > 0 && sw.jobs < 1)
                throw rotacle::sim::InputError("--jobs: must be at least 1");
        } catch (const rotacle::sim::InputError& e) {
            std::cerr << "rotacle-sim: " << e.what() << '\n';
            return 1;
        }
        return rotacle::sim::RunSweep(sw, std::cout, std::cerr);
    }
    if (risk->parsed()) {
        rk.progress = !risk_no_progress;
        if (risk_jobs->count() > 0 && rk.jobs < 1) {
            std::cerr << "rotacle-sim: --jobs: must be at least 1\n";
            return 1;
        }
        return rotacle::sim::RunRisk(rk, std::cout, std::cerr);
    }
    if (risk_merge->parsed()) return rotacle::sim::RunRiskMerge(risk_merge_options, std::cout, std::cerr);
    if (sweep_merge->parsed()) return rotacle::sim::RunSweepMerge(merge, std::cout, std::cerr);
    if (stats->parsed()) return rotacle::sim::RunStats(st, std::cout, std::cerr);
    if (script_opt->count() == 0) {
        std::cerr << app.help();
        return 2;
    }
    if (script == "-")
        return rotacle::sim::RunScript(std::cin, std::filesystem::current_path(), std::cout, std::cerr, quiet,
                                       journal);
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        std::cerr << "rotacle-sim: cannot open script '" << script << "'\n";
        return 1;
    }
    const auto base = std::filesystem::absolute(script).parent_path();
    return rotacle::sim::RunScript(in, base, std::cout, std::cerr, quiet, journal);
}
