# The tests of the parts and the engine in the build for the browser (included by
# CMakeLists.txt), under node. Left out, as they need what WebAssembly under
# node lacks (they run in the native build):
set(ROTACLE_WASM_SKIPPED
  # child processes: the page reader and the driver started as a program
  RunPageReader.* ReadPageText.* ReaderVariable.* Layout/Reads.*
  Import.PastedPageFillsTheListAfterTheTimer Import.APageWithoutNumbersEmptiesTheButtonToo
  SessionDriver.PastedPageStaysInAPrivateFolderThatGoesWithTheSession
  Import.StripShowsTheEndOfTheNewHistory SessionDriver.StateLineShowsTheFirstHundredLinesOfTheList
  JournalFile.AKilledDriverResumesAtItsLastCompleteRecord Driver.*
  SessionDriver.KilledWhileReadingAPageItLeavesNoReaderAndItsFolderGoesAtTheNextStart
  SessionDriver.WithoutThePageReaderAPasteNamesItsPackageAndAllElseWorks
  # threads
  RiskRun.ProgressCountsTheSpinsOfSessionsUnderWay Saves.SavesAtTheSameTimeNeverShareATemporaryFile
  # a file known by its inode through a second name
  Risk.OutputThatIsAnInputIsRefused RunOutputs.AnOutputThatIsAnInputIsRefused
  # FIFOs
  Table.HostileFiles RunOutputs.EveryOutputGoesThroughTheSavePath Sweep.MergeTakesEveryShardOfOneSweepOnce
  # file locks
  JournalFile.AJournalIsWrittenFromItsLastWholeRecordByOneWriter JournalFile.TheDriverWritesOnlyTheSessionItResumes
  SessionDriver.OnlyTheFoldersOfDriversThatAreGoneAreCleared
  # a file size limit (setrlimit)
  JournalFile.AFullDiskWarnsOnceAndKeepsTheActions
  # file times: emscripten 3.1.6 sets them a thousand times too late (milliseconds taken for seconds)
  JournalFile.KeepsTheTenNewestSessionsEachInAFileOfItsOwn)
list(JOIN ROTACLE_WASM_SKIPPED ":" skipped)

# Each part's program at its face, whole.
foreach(part IN LISTS ROTACLE_FACE_TESTS)
  add_test(NAME ${part}_tests COMMAND rotacle_${part}_tests --gtest_color=no "--gtest_filter=-${skipped}")
  set_tests_properties(${part}_tests PROPERTIES TIMEOUT 900)
endforeach()

# The browser's face, whole: a pasted page is laid out by the page there, not by a reader.
add_test(NAME web_tests COMMAND rotacle_web_tests --gtest_color=no)
set_tests_properties(web_tests PROPERTIES TIMEOUT 900)

# One program start takes a while: the tests run in a few shards of one
# program each, side by side.
set(shards 2)
math(EXPR last "${shards} - 1")
foreach(index RANGE ${last})
  add_test(NAME engine_tests.${index} COMMAND rotacle_engine_tests --gtest_color=no "--gtest_filter=-${skipped}")
  set_tests_properties(engine_tests.${index} PROPERTIES
    ENVIRONMENT "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${index}" TIMEOUT 900)
endforeach()

# The driver under node, started through a small shell script, runs the
# golden sessions that paste no page and the backtests of the spin series:
# their outputs are the very bytes of the native build.
set(sim ${CMAKE_CURRENT_BINARY_DIR}/rotacle-sim)
file(GENERATE OUTPUT ${sim} CONTENT "#!/bin/sh\nexec \"${ROTACLE_NODE}\" \"$<TARGET_FILE:rotacle-sim>\" \"$@\"\n"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(GLOB scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scripts/*.script)
foreach(script IN LISTS scripts)
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME golden.${name}
    COMMAND ${CMAKE_COMMAND} -DSIM=${sim} -DSCRIPTS=${CMAKE_CURRENT_SOURCE_DIR}/scripts -DNAME=${name}
      -DWORK=${CMAKE_CURRENT_BINARY_DIR}/golden/${name} -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/run_golden.cmake)
endforeach()
file(GLOB cases CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/golden/scripts/*.script
     ${CMAKE_CURRENT_SOURCE_DIR}/data/spins/*.txt)
foreach(case IN LISTS cases)
  file(STRINGS ${case} pages REGEX "^paste-page")
  if(pages)
    continue()
  endif()
  get_filename_component(name ${case} NAME_WE)
  add_test(NAME golden_hash.${name}
    COMMAND ${CMAKE_COMMAND} -DSIM=${sim} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/golden-hash -DCASES=${name}
      -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/golden_hash.cmake)
endforeach()
