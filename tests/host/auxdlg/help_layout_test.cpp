#include "app/help_layout.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
// Text that fills `area` square pixels in lines of 14 pixels, like a word-wrapping view.
struct WrappingText {
    int area;
    std::vector<int> probedWidths;
    int HeightAt(int width) const {
        const int charsPerLine = width / 7;
        const int chars = area / 98;
        return 14 * ((chars + charsPerLine - 1) / charsPerLine);
    }
    ContentProbe Probe() {
        return [this](int width) {
            probedWidths.push_back(width);
            return ContentSize{width, HeightAt(width)};
        };
    }
};
}  // namespace

TEST(HelpLayout, BisectionEndsAtTheNarrowestWidthAsShortAsTheFirstProbe) {
    WrappingText text{200000, {}};
    const ContentSize found = FindHelpContentSize(1281, text.Probe());

    ASSERT_FALSE(text.probedWidths.empty());
    EXPECT_EQ(text.probedWidths.front(), (100 + 1280) / 2);  // odd screen widths are rounded down
    EXPECT_LE(text.probedWidths.size(), 11u);
    for (int width : text.probedWidths) {
        EXPECT_GE(width, 100);
        EXPECT_LE(width, 1280);
    }
    // The result is the last probe, within a step or two of the true boundary.
    EXPECT_EQ(found.width, text.probedWidths.back());
    EXPECT_EQ(found.height, text.HeightAt(found.width));
    const int reference = text.HeightAt(text.probedWidths.front());
    int narrowest = 100;
    while (text.HeightAt(narrowest) > reference) ++narrowest;
    EXPECT_NEAR(found.width, narrowest, 2);
}

TEST(HelpLayout, ProbesOnceOnAScreenNarrowerThanTheMinimum) {
    WrappingText text{5000, {}};
    const ContentSize found = FindHelpContentSize(80, text.Probe());
    ASSERT_EQ(text.probedWidths.size(), 1u);
    EXPECT_EQ(found.width, (100 + 80) / 2);
}

TEST(HelpLayout, ViewGetsSlackButNeverTheLastEightyPixelsOfTheScreen) {
    const ContentSize shortText = HelpViewSize({300, 200}, 19, 17, 1000);
    EXPECT_EQ(shortText.width, 300 + 5 + 17);
    EXPECT_EQ(shortText.height, 221);

    const ContentSize longText = HelpViewSize({300, 5000}, 19, 17, 1000);
    EXPECT_EQ(longText.width, 322);
    EXPECT_EQ(longText.height, 920);

    const ContentSize justFits = HelpViewSize({300, 899}, 19, 17, 1000);
    EXPECT_EQ(justFits.height, 920);
}
