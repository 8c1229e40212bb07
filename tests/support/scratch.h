// A fresh scratch folder of the running test's own, below the build tree.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace rotacle::test {

/// ROTACLE_TEST_SCRATCH/<group>/<test name>, emptied and made anew.
inline std::filesystem::path TestScratch(const char* group) {
    const std::filesystem::path d = std::filesystem::path(ROTACLE_TEST_SCRATCH) / group /
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d;
}

}  // namespace rotacle::test
