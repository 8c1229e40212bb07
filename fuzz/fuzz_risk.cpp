// A risk shard's file of any content, merged alone with its chart: a part
// refused writes nothing, a part taken gives the whole figures and ends.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz_common.h"
#include "tools/risk_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto dir = rotacle::fuzz::ScratchFolder();
    const auto part = (dir / "part-1.csv").string(), merged = (dir / "merged.csv").string();
    const auto chart = (dir / "merged.svg").string();
    std::ofstream(part, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::filesystem::remove(merged);
    rotacle::sim::RiskMergeOptions o;
    o.parts = {part};
    o.json = true;
    o.csv_file = merged;
    o.svg_file = chart;
    std::ostringstream out, err;
    const int rc = rotacle::sim::RunRiskMerge(o, out, err);
    if (rc != 0 && rc != 1) __builtin_trap();
    if ((rc == 1) == std::filesystem::exists(merged)) __builtin_trap();
    if (rc == 0 && out.str().find("\"mean_spins\"") == std::string::npos) __builtin_trap();
    return 0;
}
