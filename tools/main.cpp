// rotacle-sim: the command-line driver of the Rotacle engine.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "tools/session.h"

int main(int argc, char** argv) {
    CLI::App app{"rotacle-sim: plays Rotacle sessions from scripts, without a window"};
    std::string script;
    bool quiet = false;
    app.add_option("--script", script, "Session script to run ('-' for standard input)")->required();
    app.add_flag("--quiet", quiet, "Print only the state after the last command");
    CLI11_PARSE(app, argc, argv);

    std::ios::sync_with_stdio(false);
    if (script == "-") return rotacle::sim::RunScript(std::cin, std::filesystem::current_path(), std::cout,
                                                      std::cerr, quiet);
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        std::cerr << "rotacle-sim: cannot open script '" << script << "'\n";
        return 1;
    }
    const auto base = std::filesystem::absolute(script).parent_path();
    return rotacle::sim::RunScript(in, base, std::cout, std::cerr, quiet);
}
