// Rotacle 8.0: the program entry starts the window; --version and --help
// answer on standard output without one, so they work without a display.
#include <QString>
#include <cstdio>
#include <string_view>

#include "rotacle/version.h"
#include "ui/application.h"

namespace {

constexpr const char* kHelp =
    "Usage: rotacle [--version] [-h | --help] [--lang CODE] [Qt options]\n"
    "Rotacle " ROTACLE_VERSION
    ": proposes the next even-chance bet and its stake for European roulette.\n"
    "\n"
    "  --version   print the version and exit\n"
    "  -h, --help  print this help and exit\n"
    "  --lang CODE the window's language: en, it, de, fr, es, nl, pl or pt_BR\n"
    "              (default: the one chosen in the window, else the system's)\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, -reverse, ...) are taken as well.\n"
    "The window needs a display. See rotacle(1); rotacle-sim(1) plays sessions without one.\n";

}  // namespace

int main(int argc, char** argv) {
    QString language;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--lang" || arg.starts_with("--lang=")) {
            const bool joined = arg != "--lang";
            if (!joined && i + 1 >= argc) {
                std::fputs("rotacle: --lang needs a language code\n", stderr);
                return 2;
            }
            language = QString::fromLocal8Bit(joined ? argv[i] + 7 : argv[i + 1]);
            // Taken out of the arguments Qt reads.
            const int taken = joined ? 1 : 2;
            for (int k = i; k + taken <= argc; ++k) argv[k] = argv[k + taken];
            argc -= taken;
            --i;
            continue;
        }
        if (arg == "--version") {
            std::fputs("rotacle " ROTACLE_VERSION "\n", stdout);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    return rotacle::ui::RunRotacle(argc, argv, {}, true, language);
}
