// The window's size, the one place where it is written: the engine opens and
// closes the settings area by it and the view draws the window to it.
#pragma once

#include <cstdint>

namespace rotacle::geometry {

inline constexpr std::int32_t kWidth = 457;         ///< width of the head picture
inline constexpr std::int32_t kClosedHeight = 388;  ///< top of the settings area
inline constexpr std::int32_t kOpenHeight = 697;    ///< bottom of the settings area

}  // namespace rotacle::geometry
