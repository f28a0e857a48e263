#include "components/subclass/property_keys.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyKeys, NamesFollowTheWindowAndMessageNumbers) {
    EXPECT_EQ(vorne::subclass::AttachCountKey(1234), "C1234");
    EXPECT_EQ(vorne::subclass::WindowKey(1234), "1234");
    EXPECT_EQ(vorne::subclass::MessageCountKey(1234, 74), "1234#74C");
    EXPECT_EQ(vorne::subclass::ClientKey(1234, 74, 1), "1234#74#1");
    // Handles are written as signed numbers.
    EXPECT_EQ(vorne::subclass::AttachCountKey(-5), "C-5");
    EXPECT_EQ(vorne::subclass::ClientKey(-5, 0x8000, 12), "-5#32768#12");
}

}  // namespace
