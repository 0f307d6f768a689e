#include "common/art_sizes.h"
#include <gtest/gtest.h>

namespace {

// Common display scalings, odd ones between them, and the extremes: a picture is never scaled up.
TEST(ArtSizes, EachDpiGetsTheLargestDrawingThatIsNotStretched) {
    const struct {
        int dpi, small, large, step;
    } cases[] = {
        {72, 16, 24, 0},  {96, 16, 32, 0},  {120, 16, 32, 0},  {143, 16, 32, 0}, {144, 24, 48, 1},
        {168, 24, 48, 1}, {191, 24, 48, 1}, {192, 32, 64, 2},  {288, 48, 64, 2}, {384, 64, 64, 2},
        {0, 16, 16, 0},   {-96, 16, 16, 0}, {1 << 30, 64, 64, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(art_sizes::IconSide(16, c.dpi), c.small) << c.dpi << " dpi";
        EXPECT_EQ(art_sizes::IconSide(32, c.dpi), c.large) << c.dpi << " dpi";
        EXPECT_EQ(art_sizes::ScaleStep(c.dpi), c.step) << c.dpi << " dpi";
    }
}

}  // namespace
