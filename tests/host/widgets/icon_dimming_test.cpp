#include "widgets/icon_dimming.h"
#include <gtest/gtest.h>

namespace {
using icon_dimming::ColorRef;

ColorRef Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

TEST(IconDimming, BlackStaysBlackInBothCopies) {
    EXPECT_EQ(icon_dimming::GrayscalePixel(0), 0u);
    EXPECT_EQ(icon_dimming::DarkerPixel(0), 0u);
}

TEST(IconDimming, DarkerCopyKeepsThreeQuartersRoundedDown) {
    EXPECT_EQ(icon_dimming::DarkerPixel(Rgb(255, 255, 255)), Rgb(191, 191, 191));
    EXPECT_EQ(icon_dimming::DarkerPixel(Rgb(1, 2, 3)), Rgb(0, 1, 2));
    EXPECT_EQ(icon_dimming::DarkerPixel(Rgb(0x1F, 0x8A, 0x9E)), Rgb(23, 103, 118));
}

TEST(IconDimming, GreyCopyWeighsChannelsByLuminance) {
    EXPECT_EQ(icon_dimming::GrayscalePixel(Rgb(255, 255, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(icon_dimming::GrayscalePixel(Rgb(255, 0, 0)), Rgb(76, 76, 76));
    EXPECT_EQ(icon_dimming::GrayscalePixel(Rgb(0, 255, 0)), Rgb(149, 149, 149));
    EXPECT_EQ(icon_dimming::GrayscalePixel(Rgb(0, 0, 255)), Rgb(29, 29, 29));
    // A near-black colour can come out black although it was not black before.
    EXPECT_EQ(icon_dimming::GrayscalePixel(Rgb(0, 0, 1)), 0u);
}

TEST(IconDimming, DerivedPixelsDropAnythingAboveTheColourBytes) {
    EXPECT_EQ(icon_dimming::GrayscalePixel(0xFF000000u | Rgb(255, 0, 0)), Rgb(76, 76, 76));
    EXPECT_EQ(icon_dimming::DarkerPixel(0xFF000000u | Rgb(4, 8, 12)), Rgb(3, 6, 9));
}

TEST(IconDimming, DarkenColorOnlyWithAFactorInZeroToOne) {
    const ColorRef teal = Rgb(0x1F, 0x8A, 0x9E);
    EXPECT_EQ(icon_dimming::DarkenColor(teal, 0.0), teal);
    EXPECT_EQ(icon_dimming::DarkenColor(teal, -0.5), teal);
    EXPECT_EQ(icon_dimming::DarkenColor(teal, 1.5), teal);
    EXPECT_EQ(icon_dimming::DarkenColor(teal, 1.0), 0u);
    EXPECT_EQ(icon_dimming::DarkenColor(Rgb(200, 100, 10), 0.5), Rgb(100, 50, 5));
    EXPECT_EQ(icon_dimming::DarkenColor(Rgb(255, 255, 255), 0.25), Rgb(191, 191, 191));
}
}  // namespace
