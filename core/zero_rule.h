// What a zero does to an even-chance bet on the table being played.
#pragma once

#include <cstdint>

namespace rotacle {

/// What a zero does to an even-chance bet.
enum class ZeroRule : std::uint8_t {
    None,     ///< the bet is lost (the program's table)
    Partage,  ///< half of the stake comes back; the bet counts as lost for the staking rules
};

}  // namespace rotacle
