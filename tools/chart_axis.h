// Axis ticks of the driver's SVG charts (backtest and sweep).
#pragma once

#include <cmath>

namespace rotacle::sim {

/// A round step (1, 2 or 5 times a power of ten) for about `count` ticks
/// over `range`; 1 for an empty range.
inline double NiceStep(double range, int count) {
    if (!(range > 0)) return 1;
    const double raw = range / count;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / mag;
    return (f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10) * mag;
}

}  // namespace rotacle::sim
