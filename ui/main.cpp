// Rotacle 8.0: the program entry starts the window; --version and --help
// answer on standard output without one, so they work without a display.
#include <cstdio>
#include <string_view>

#include "rotacle/version.h"
#include "ui/application.h"

namespace {

constexpr const char* kHelp =
    "Usage: rotacle [--version] [-h | --help] [Qt options]\n"
    "Rotacle " ROTACLE_VERSION
    ": proposes the next even-chance bet and its stake for European roulette.\n"
    "\n"
    "  --version   print the version and exit\n"
    "  -h, --help  print this help and exit\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, -reverse, ...) are taken as well.\n"
    "The window needs a display. See rotacle(1); rotacle-sim(1) plays sessions without one.\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            std::fputs("rotacle " ROTACLE_VERSION "\n", stdout);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    return rotacle::ui::RunRotacle(argc, argv, {}, true);
}
