#include "player/icons/icon_art.h"

#include <gtest/gtest.h>

#include <set>

namespace vorne::player::icons {
namespace {

TEST(IconArt, EveryIconIsDrawnWithCoverageAndIdsInOrder) {
    const auto icons = DrawIcons();
    ASSERT_EQ(icons.size(), size_t(kFileTypeIcons + kTrayIcons + kMenuIcons));
    std::set<std::vector<std::uint8_t>> distinct;
    for (size_t i = 0; i < icons.size(); ++i) {
        if (i) {
            EXPECT_LT(icons[i - 1].id, icons[i].id);
        }
        for (const RgbaImage& img : icons[i].images) {
            int opaque = 0, clear = 0;
            for (int y = 0; y < img.size; ++y)
                for (int x = 0; x < img.size; ++x) {
                    opaque += img.At(x, y)[3] == 255;
                    clear += img.At(x, y)[3] == 0;
                }
            EXPECT_GT(opaque, img.size) << icons[i].id;  // something is drawn
            EXPECT_GT(clear, img.size) << icons[i].id;   // and the corners stay clear
        }
        distinct.insert(icons[i].images.front().rgba);
    }
    EXPECT_EQ(distinct.size(), icons.size());  // no two alike
    EXPECT_EQ(icons.front().id, 101);
    EXPECT_EQ(icons[5].id, 106);
}

TEST(IconArt, IcoFileListsEveryImage) {
    const std::vector<RgbaImage> images = {DrawIcon(IconSet::FileType, 0, 32), DrawIcon(IconSet::FileType, 0, 16)};
    const auto ico = ToIco(images);
    EXPECT_EQ(IcoSizes(ico), (std::vector<int>{32, 16}));
    // Header, two directory entries, and for each a 40-byte header, the
    // 32-bit pixels and the mask rows.
    EXPECT_EQ(ico.size(), 6u + 32u + (40 + 32 * 32 * 4 + 32 * 4) + (40 + 16 * 16 * 4 + 16 * 4));
    EXPECT_TRUE(IcoSizes({1, 2, 3}).empty());
}

}  // namespace
}  // namespace vorne::player::icons
