#include "runtime/activex/twips.h"

#include <gtest/gtest.h>

namespace vorne::activex {
namespace {

TEST(TwipsScale, FollowsTheScreenResolution) {
    struct Case { int dpi; float tpp; int px_of_1500; };
    for (Case c : {Case{96, 15, 100}, Case{120, 12, 125}, Case{144, 10, 150}, Case{72, 20, 75}}) {
        TwipsScale s = TwipsScale::FromDpi(c.dpi, c.dpi);
        EXPECT_FLOAT_EQ(s.x, c.tpp);
        EXPECT_EQ(s.ToPixelsX(1500), c.px_of_1500);
        EXPECT_EQ(s.ToPixelsY(s.ToTwipsY(37)), 37);  // pixels survive the round trip
    }
    EXPECT_FLOAT_EQ(TwipsScale::FromDpi(0, 0).x, 15);  // unknown screen
}

TEST(TwipsScale, HimetricConversions) {
    EXPECT_FLOAT_EQ(HimetricToTwips(2540), 1440);
    EXPECT_EQ(TwipsToHimetric(1440), 2540);
    EXPECT_EQ(TwipsToHimetric(HimetricToTwips(2646)), 2646);  // 100 px at 96 dpi
}

}  // namespace
}  // namespace vorne::activex
