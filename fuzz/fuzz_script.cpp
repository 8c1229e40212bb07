// The session script parser and everything a script can make the engine do.
// File commands stay inside a scratch folder.
#include <sstream>
#include <string_view>

#include "fuzz_common.h"
#include "tools/session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rotacle::sim::Session session(rotacle::fuzz::ScratchFolder());
    session.ConfineFiles(true);
    std::istringstream in(text);
    std::string line;
    std::int64_t n = 0;
    try {
        while (std::getline(in, line)) session.RunLine(line, ++n);
    } catch (const rotacle::sim::ScriptError& error) {
        // A malformed line ends a script; that is an answer, not a fault. A
        // progress run that never ends is one: the window would never take
        // a number again.
        if (std::string_view(error.what()).find("a progress run never ends") != std::string_view::npos)
            __builtin_trap();
    }
    std::ostringstream out;
    session.WriteState(out, n);
    return 0;
}
