#include "platform/tray/tray_tip.h"

#include <gtest/gtest.h>

namespace vorne::tray {
namespace {

TEST(TrayTip, CutsToTheRoomLeftForTheClosingNul) {
    const auto none = [](unsigned char) { return false; };
    EXPECT_EQ(CutTip("Vorne", kTipRoom, none), "Vorne");
    const std::string longTip(300, 'a');
    EXPECT_EQ(CutTip(longTip, kTipRoom, none).size(), kTipRoom - 1);
    EXPECT_EQ(CutTip(longTip, 64, none).size(), 63u);
    EXPECT_EQ(CutTip("abc", 0, none), "");
    EXPECT_EQ(CutTip("abc", 1, none), "");
}

TEST(TrayTip, NeverCutsADoubleByteCharacterInHalf) {
    // Shift-JIS style: 0x82 begins a two-byte character.
    const auto lead = [](unsigned char b) { return b == 0x82; };
    const std::string tip = "ab\x82\xa0\x82\xa2";  // a b + two double-byte characters
    EXPECT_EQ(CutTip(tip, 4, lead), "ab");          // room for 3 bytes: the first pair does not fit whole
    EXPECT_EQ(CutTip(tip, 5, lead), "ab\x82\xa0");
    EXPECT_EQ(CutTip(tip, 6, lead), "ab\x82\xa0");
    EXPECT_EQ(CutTip(tip, 7, lead), tip);
    // A lead byte at the very end stands alone.
    EXPECT_EQ(CutTip("a\x82", 8, lead), "a\x82");
}

}  // namespace
}  // namespace vorne::tray
