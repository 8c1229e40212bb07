// What the actions of a session journal make of the table, worked out by a
// quiet replay: for the question that offers a session back and for the list
// of kept sessions.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace rotacle {

struct JournalSummary {
    std::size_t numbers = 0;   ///< numbers on the board
    double bankroll = 0;       ///< the bankroll shown, a run left unfinished ended
    std::deque<int> waiting;   ///< numbers that still waited for the board, oldest first
    std::size_t replayed = 0;  ///< actions replayed; fewer than given when one is no action
};

/// The table after `actions`, replayed as a resume replays them, with the
/// progress run they leave unfinished run to its end.
JournalSummary SummarizeJournal(const std::vector<std::string>& actions);

}  // namespace rotacle
