// The session journal's side of the browser's face (see face_journal.cpp).
#pragma once

#include <string>
#include <string_view>

namespace rotacle::web {

/// One journal request, JSON in and out:
///  - `frame`: actions; the answer's `lines` are their records, line ends included;
///  - `start`: the answer's `line` is the record that opens an empty journal;
///  - `read`: a journal's whole text; the answer says what it holds (`usable`,
///    `closed`, `torn`, `problem`, `actions`) and, when usable, what its
///    actions make of the table (`numbers`, `bankroll` as shown, `waiting`).
/// A malformed request gets `error`.
std::string JournalCall(std::string_view request);

}  // namespace rotacle::web
