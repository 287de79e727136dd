#include "platform/surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace tov::platform {
namespace {

TEST(Surface, ResetToANegativeSizeIsEmpty) {
    Surface s(3, 2, 7);
    EXPECT_EQ(s.pixels, std::vector<uint32_t>(6, 7));
    s.Reset(-4, 5, 1);
    EXPECT_EQ(s.width, 0);
    EXPECT_EQ(s.height, 0);
    EXPECT_TRUE(s.pixels.empty());
    EXPECT_FALSE(s.Contains(0, 0));
}

}  // namespace
}  // namespace tov::platform
