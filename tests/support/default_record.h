// The settings record at its defaults, line by line, as the tests expect it.
#pragma once

#include "core/controls.h"

namespace rotacle::test {

inline const Memo kDefaultRecord = {
    "//line1", "1", "0", "0", "", "//Betting system",    "1", "1", "0", "1", "1", "1", "1", "1",       "",
    "//line3", "1", "1", "0", "", "//adaptive settings", "1", "0", "5", "0", "0", "1", "",  "//line5", "0",
    "3"};

}  // namespace rotacle::test
