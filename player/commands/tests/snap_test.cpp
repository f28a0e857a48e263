#include "player/commands/snap.h"

#include <gtest/gtest.h>

namespace vorne::player::commands {
namespace {

TEST(Snap, CasesAtFifteenTwipsPerPixel) {
    const ScreenSpan screen{15360, 11520, 15, 15};  // 1024 x 768 pixels
    struct Case {
        const char* what;
        WindowPlace in;
        int32_t distance;
        float left, top;
    } cases[] = {
        {"left edge 150 twips out: snaps", {150, 3000, 4500, 1500}, 10, 0, 3000},
        {"left edge 151 twips out: stays", {151, 3000, 4500, 1500}, 10, 151, 3000},
        {"top edge within the distance", {3000, 150, 4500, 1500}, 10, 3000, 0},
        {"top edge off the screen", {3000, -600, 4500, 1500}, 10, 3000, 0},
        {"left edge off the screen", {-30, 3000, 4500, 1500}, 10, 0, 3000},
        {"bottom edge within the distance", {3000, 11520 - 1500 - 150, 4500, 1500}, 10, 3000, 11520 - 1500},
        {"bottom edge 151 twips away: stays", {3000, 11520 - 1500 - 151, 4500, 1500}, 10, 3000, 11520 - 1651},
        {"right edge over the screen", {15000, 3000, 4500, 1500}, 10, 15360 - 4500, 3000},
        {"right edge within the distance", {15360 - 4500 - 150, 3000, 4500, 1500}, 10, 15360 - 4500, 3000},
        {"middle of the screen: stays", {6000, 5000, 4500, 1500}, 10, 6000, 5000},
        {"distance 0 snaps only a touching edge", {1, 0, 4500, 1500}, 0, 1, 0},
        {"corner: both axes", {100, 100, 4500, 1500}, 10, 0, 0},
        // Taller than the screen: step 1 puts the top at 0, step 3 then puts
        // the bottom on the screen's bottom.
        {"taller than the screen", {3000, 600, 4500, 12000}, 10, 3000, 11520 - 12000},
        {"wider than the screen", {600, 3000, 16000, 1500}, 10, 15360 - 16000, 3000},
    };
    for (const Case& c : cases) {
        const WindowPlace out = SnapToEdges(c.in, screen, c.distance);
        EXPECT_FLOAT_EQ(out.left, c.left) << c.what;
        EXPECT_FLOAT_EQ(out.top, c.top) << c.what;
        EXPECT_FLOAT_EQ(out.width, c.in.width) << c.what;
        EXPECT_FLOAT_EQ(out.height, c.in.height) << c.what;
    }
}

TEST(Snap, EachAxisUsesItsOwnTwipsPerPixel) {
    const ScreenSpan screen{14400, 10800, 12, 20};
    // 10 pixels: 120 twips across, 200 down.
    EXPECT_FLOAT_EQ(SnapToEdges({120, 500, 100, 100}, screen, 10).left, 0);
    EXPECT_FLOAT_EQ(SnapToEdges({121, 500, 100, 100}, screen, 10).left, 121);
    EXPECT_FLOAT_EQ(SnapToEdges({500, 200, 100, 100}, screen, 10).top, 0);
    EXPECT_FLOAT_EQ(SnapToEdges({500, 201, 100, 100}, screen, 10).top, 201);
}

}  // namespace
}  // namespace vorne::player::commands
