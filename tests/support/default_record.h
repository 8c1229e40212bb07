// The settings record at its defaults, line by line, as the tests expect it,
// and the record that earlier versions started with (files they saved right
// after start hold it).
#pragma once

#include "core/controls.h"

namespace rotacle::test {

inline const Memo kDefaultRecord = {
    "//line1", "1", "1", "5", "", "//Betting system",    "1", "0", "0", "1", "1", "0", "0", "1",       "",
    "//line3", "0", "1", "0", "", "//adaptive settings", "1", "0", "5", "0", "1", "1", "",  "//line5", "0",
    "3"};

inline const Memo kEarlierRecord = {
    "//line1", "1", "0", "0", "", "//Betting system",    "1", "1", "0", "1", "1", "1", "1", "1",       "",
    "//line3", "1", "1", "0", "", "//adaptive settings", "1", "0", "5", "0", "0", "1", "",  "//line5", "0",
    "3"};

}  // namespace rotacle::test
