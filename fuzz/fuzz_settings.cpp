// A settings file of any content: load, apply, play a few spins, save.
#include <fstream>

#include "engine/engine.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = (rotacle::fuzz::ScratchFolder() / "settings.rtk").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    rotacle::fuzz::QuietPlatform platform;
    rotacle::Engine e(platform);
    e.Event([&] { e.LoadSettingsFile(path); });
    // The file may choose any game mode: every mode's run is carried on.
    for (int n : {5, 17, 32, 3, 12, 7, 0, 36}) {
        e.Event([&] { e.EnterNumber(n); });
        rotacle::fuzz::FinishProgressRuns(e);
        e.Event([&] { e.TimerTick(rotacle::TimerId::ShowValues); });
    }
    e.Event([&] { e.SaveSettingsFile(path); });
    return 0;
}
