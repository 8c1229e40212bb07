# The layering check against include lines it must refuse and a few it must
# let through: cmake -DLAYERING=<cmake/layering.cmake> -P layering_test.cmake
include(${LAYERING})

set(folders core board staking modes settings import display journal stats engine tools ui reader)
set(none)
set(part core)
set(engine core board staking modes settings import display engine)
set(host core board staking modes settings import display engine journal stats)

# folder | what it links | line | "refused" or "ok"
set(rows
  "board|part|#include \"staking/table.h\"|refused"
  "board|part|#include <staking/table.h>|refused"
  "board|part|#  include \"staking/table.h\"|refused"
  "board|part|  #include\"staking/table.h\"|refused"
  "board|part|#\tinclude <  modes/modes.h>|refused"
  "board|part|#include \"./modes/modes.h\"|refused"
  "board|part|#include \"../staking/table.h\"|refused"
  "board|part|#include \"core/../staking/table.h\"|refused"
  "core|part|#include \"board/board.h\"|refused"
  "modes|part|#include \"engine/engine.h\" // for the host|refused"
  "engine|engine|#include \"journal/journal.h\"|refused"
  "engine|engine|#include <stats/session_stats.h>|refused"
  "engine|engine|#include \"tools/session.h\"|refused"
  "engine|engine|#include \"ui/Unit1.h\"|refused"
  "journal|part|#include \"engine/journal_summary.h\"|refused"
  "tools|host|#include \"ui/qt_platform.h\"|refused"
  "ui|host|#include <tools/session.h>|refused"
  "ui|host|#include \"reader/page_reader.h\"|refused"
  "reader|none|#include \"import/page_text.h\"|refused"
  "board|part|#include \"board/board.h\"|ok"
  "board|part|#include <core/controls.h>|ok"
  "engine|engine|#include \"modes/game_modes.h\"|ok"
  "ui|host|#  include <stats/session_stats.h>|ok"
  "tools|host|#include <nlohmann/json.hpp>|ok"
  "tools|host|// #include \"ui/Unit1.h\"|ok")

set(failures)
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" cells "${row}")
  list(GET cells 0 folder)
  list(GET cells 1 links)
  list(GET cells 2 line)
  list(GET cells 3 expected)
  set(allowed ${folder} ${${links}})
  rotacle_layering_verdict(${folder} "${allowed}" "${folders}" "${line}" verdict)
  if(verdict)
    set(got refused)
  else()
    set(got ok)
  endif()
  if(NOT got STREQUAL expected)
    list(APPEND failures "${folder}/: '${line}' is ${got}, expected ${expected}")
  endif()
endforeach()
if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
