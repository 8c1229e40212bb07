// The import panel's parse of a pasted page: the multiplier marks stripped,
// the lines read last to first, and only exact roulette numbers kept.
#include "import/import_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace rotacle {
namespace {

TEST(PageParse, SuffixStripRemovesMultiplierMarks) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"17500x", "17"}, {"2050x", "20"}, {"500x", ""}, {"x", ""}, {"32x", "3"}, {"17", "17"}, {"", ""}};
    for (const auto& [in, want] : rows) {
        std::string line = in;
        ImportPanel::SuffixStrip(line);
        EXPECT_EQ(line, want) << "line '" << in << "'";
    }
}

TEST(PageParse, LinesAreReadLastToFirstKeepingOnlyExactRouletteNumbers) {
    const std::vector<std::pair<Memo, LineList>> rows = {
        {{"17", "5", "32x", "29"}, {"29", "3", "5", "17"}},
        {{"0", "36", "37", "-1", "00", "7.0", " 7", "7 ", "abc", "05", "17500x"}, {"17", "36", "0"}},
    };
    for (const auto& [page, want] : rows) {
        ImportPanel panel;
        panel.SetRawList(page);
        panel.ParseRawList();
        EXPECT_EQ(panel.Import_List(), want) << page.size() << " lines";
    }
}

}  // namespace
}  // namespace rotacle
