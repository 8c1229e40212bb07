// The prediction side's arithmetic on its own: the deep scan's steps, the
// field that the SMART 2025 calculator takes for a scan, and the trend
// choice of a pair of fields.
#include "modes/modes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

namespace rotacle {
namespace {

struct Scan {
    std::int32_t number, step, family;
    bool operator==(const Scan&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Scan& s) {
    return os << "(" << s.number << ", " << s.step << ", " << s.family << ")";
}

TEST(DeepScan, StepsFromAStartThroughNumbers) {
    struct Step {
        int n;
        Scan after;
    };
    struct Row {
        const char* name;
        Scan start;
        std::initializer_list<Step> steps;
    };
    const Row rows[] = {
        {"five, seventeen, thirty-two", {0, 0, 0}, {{5, {5, 1, 2}}, {17, {23, 2, 1}}, {32, {21, 3, 0}}}},
        // From step 1 on the scan number leaves 0.
        {"zero on the first spin only moves the step", {0, 0, 0}, {{0, {0, 1, 0}}, {0, {1, 2, 0}}}},
        {"each reduction subtracts thirty-six once", {30, 36, 1}, {{36, {30, 0, 1}}}},
    };
    for (const Row& r : rows) {
        Scan s = r.start;
        for (const Step& step : r.steps) {
            DeepScanStep(s.number, s.step, s.family, step.n);
            EXPECT_EQ(s, step.after) << r.name << ", number " << step.n;
        }
    }
}

TEST(SmartField, FamilyChoosesTheProperty) {
    struct Row {
        std::int32_t number, family, field;
    };
    for (Row r : {Row{21, 0, 3}, Row{21, 1, 5}, Row{21, 2, 6}, Row{10, 0, 4}, Row{10, 1, 2}, Row{10, 2, 1},
                  Row{18, 2, 1}, Row{19, 2, 6}, Row{36, 0, 3}, Row{35, 0, 4}, Row{1, 1, 5}})
        EXPECT_EQ(SmartField(r.number, r.family), r.field) << "scan " << r.number << " family " << r.family;
}

TEST(Trend, ChoosingOneSideClearsTheOther) {
    ModeLists m;
    m.ChooseTrend(2);
    m.ChooseTrend(3);
    EXPECT_FALSE(m.Trend_2()[2].Visible);
    EXPECT_TRUE(m.Trend_2()[3].Visible);
    m.ChooseTrend(0);
    EXPECT_TRUE(m.Trend_2()[3].Visible) << "other pairs keep their choice";
    m.DropTrend(3);
    EXPECT_FALSE(m.Trend_2()[3].Visible);
}

}  // namespace
}  // namespace rotacle
