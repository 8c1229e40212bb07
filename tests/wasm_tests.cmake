# The engine's tests in the build for the browser (included by
# CMakeLists.txt), under node. Left out, as they need what WebAssembly under
# node lacks (they run in the native build):
set(ROTACLE_WASM_SKIPPED
  # child processes: the page reader and the driver started as a program
  RunPageReader.* ReadPageText.* ReaderVariable.* Layout/Reads.*
  Import.PastedPageFillsTheListAfterTheTimer Import.APageWithoutNumbersEmptiesTheButtonToo
  Import.UnreadablePageSaysWhyAndKeepsTheList SessionDriver.PastedPageStaysInAPrivateFolderThatGoesWithTheSession
  JournalFile.AKilledDriverResumesAtItsLastCompleteRecord
  # FIFOs
  Table.HostileFiles RunOutputs.EveryOutputGoesThroughTheSavePath Sweep.MergeTakesEveryShardOfOneSweepOnce
  # file locks
  JournalFile.AJournalIsWrittenFromItsLastWholeRecordByOneWriter JournalFile.TheDriverWritesOnlyTheSessionItResumes
  # a file size limit (setrlimit)
  JournalFile.AFullDiskWarnsOnceAndKeepsTheActions
  # file times: emscripten 3.1.6 sets them a thousand times too late (milliseconds taken for seconds)
  JournalFile.KeepsTheTenNewestSessionsEachInAFileOfItsOwn)
list(JOIN ROTACLE_WASM_SKIPPED ":" skipped)

# One program start takes a while: the tests run in a few shards of one
# program each, side by side.
set(shards 2)
math(EXPR last "${shards} - 1")
foreach(index RANGE ${last})
  add_test(NAME engine_tests.${index} COMMAND rotacle_engine_tests --gtest_color=no "--gtest_filter=-${skipped}")
  set_tests_properties(engine_tests.${index} PROPERTIES
    ENVIRONMENT "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${index}" TIMEOUT 900)
endforeach()
