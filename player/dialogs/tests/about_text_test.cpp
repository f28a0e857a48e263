#include "player/dialogs/about_text.h"

#include <gtest/gtest.h>

namespace vorne::player::dialogs {
namespace {

TEST(AboutText, FourReleasesNewestFirstWithNumberedNotes) {
    const auto lines = ReleaseHistory();
    std::vector<size_t> headings;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("Version ", 0) == 0) headings.push_back(i);
    ASSERT_EQ(headings.size(), 4u);
    EXPECT_EQ(lines[headings[0]], "Version 2.0 (Build 1)");
    EXPECT_EQ(lines[headings[1]], "Version 2.0 (Build 0)");
    EXPECT_EQ(lines[headings[2]], "Version 1.3 (Build 96)");
    EXPECT_EQ(lines[headings[3]], "Version 1.3 (Build 88)");
    EXPECT_EQ(headings[0], 0u);
    EXPECT_EQ(lines[1].rfind("1.  ", 0), 0u);  // the first heading has no separator
    for (size_t k = 1; k < 4; ++k) {
        EXPECT_EQ(lines[headings[k] - 1], "");  // an empty line between releases
        EXPECT_EQ(lines[headings[k] + 1], kHistorySeparator);
        EXPECT_EQ(lines[headings[k] + 2].rfind("1.  ", 0), 0u);
    }
    // From ten on the number takes one blank.
    bool sawTen = false;
    for (const auto& l : lines) sawTen |= l.rfind("10. ", 0) == 0;
    EXPECT_TRUE(sawTen);
    const std::string text = ReleaseHistoryText();
    EXPECT_EQ(text.substr(0, 23), "Version 2.0 (Build 1)\r\n");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
}  // namespace vorne::player::dialogs
