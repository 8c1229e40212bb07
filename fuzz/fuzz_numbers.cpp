// A number file of any content: load into the import list and import it.
#include <fstream>

#include "engine/engine.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rotacle::fuzz::QuietPlatform platform;
    platform.file = (rotacle::fuzz::ScratchFolder() / "numbers.txt").string();
    std::ofstream(platform.file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    rotacle::Engine e(platform);
    // Five numbers start a progress run, which may end in a proposal whose
    // stake the import gives back; the panel opens only after the run.
    for (int n : {1, 2, 3, 4, 5}) e.Event([&] { e.EnterNumber(n); });
    rotacle::fuzz::FinishProgressRuns(e);
    e.Event([&] { e.OpenImportPanel(); });
    e.Event([&] { e.LoadNumberFile(); });
    // Unless the file was asked for and read, this target tests nothing.
    if (!e.Panel().Panel_Import().Visible || platform.dialogs != 1) __builtin_trap();
    const auto before = e.Board().NumbersList().size();
    const bool ok = e.Event([&] { e.ImportListedNumbers(); });
    // A refused file leaves the history as it was.
    if (!ok && e.Board().NumbersList().size() != before) __builtin_trap();
    for (const auto n : e.Board().NumbersList())
        if (n > 36) __builtin_trap();
    return 0;
}
