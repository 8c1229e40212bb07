// Journal files for the tests: a scratch place of their own, and a journal
// of given actions as the writer makes it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/text_file.h"
#include "journal/journal.h"

namespace rotacle::test {

namespace fs = std::filesystem;

inline fs::path Scratch(const std::string& name) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "journal";
    fs::create_directories(dir);
    return dir / name;
}

inline std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

inline std::string FileText(const fs::path& p) { return ReadFileText(p.string()); }

inline void WriteFile(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << text;
}

// A journal of the given actions as the writer makes it (in a file of the
// calling test's own: the tests run in parallel).
inline std::string JournalText(const std::string& test, const std::vector<std::string>& actions,
                               bool closed) {
    const fs::path p = Scratch(test + "-made.journal");
    fs::remove(p);
    {
        JournalWriter w(p.string());
        for (const auto& a : actions) w.Record(a);
        if (closed) w.Close();
    }
    return FileText(p);
}

}  // namespace rotacle::test
