// Text to number and back.
#include <cmath>
#include <string>

#include "core/convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    if (rotacle::TryStrToFloat(text, v)) {
        if (!std::isfinite(v)) __builtin_trap();
        // The money text of a value reads back as the value to 15 digits.
        double back = 0;
        if (!rotacle::TryStrToFloat(rotacle::FloatToStr(v), back)) __builtin_trap();
        if (v != 0 && std::fabs(back - v) > std::fabs(v) * 1e-14) __builtin_trap();
        const double cents = rotacle::RoundToCents(v);
        if (!std::isfinite(cents)) __builtin_trap();
    }
    std::int32_t i = 0;
    if (rotacle::TryStrToInt(text, i) && rotacle::IntToStr(i) != text) {
        // Only a sign or leading zeros may differ.
        std::int32_t again = 0;
        if (!rotacle::TryStrToInt(rotacle::IntToStr(i), again) || again != i) __builtin_trap();
    }
    return 0;
}
