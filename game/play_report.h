// What the game reports of its play for tools that follow a session.
#pragma once

#include <cstdint>

namespace rotacle {

/// What the game reports of its play for tools that follow a session
/// (the backtest): it is no control and nothing in the program reads it.
struct PlayReport {
    std::int64_t Proposals = 0;    ///< calculator runs that proposed a field
    std::int64_t Bets_Placed = 0;  ///< proposals shown, that is stakes booked
    std::int64_t Cycles_Won = 0;   ///< automatic resets after a won cycle
    // The settlement of the latest spin.
    bool Settled = false;  ///< a proposal was settled by the latest number
    bool Won = false;
    bool Placed = false;  ///< the settled proposal was a placed bet
    double Stake = 0;     ///< stake of the settled bet (when placed)
    double Returned = 0;  ///< what the lost stake gave back (la partage on zero)
};

}  // namespace rotacle
