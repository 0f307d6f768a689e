#include "widgets/button_layout.h"
#include <gtest/gtest.h>
#include <string>

namespace {
using button_layout::Rect;

// A button of the wizard window: 95 x 39 pixels at (10, 20).
const Rect kItem = {10, 20, 105, 59};

TEST(ButtonLayout, IconBesideACaptionSitsAfterTheMarginAndIsCentredVertically) {
    const auto position = button_layout::IconPosition(kItem, 32, 32, true, 3);
    EXPECT_EQ(position.dx, 10 + 3 + 5);
    EXPECT_EQ(position.dy, 20 + (39 - 32) / 2);
}

TEST(ButtonLayout, IconWithoutACaptionIsCentred) {
    const auto position = button_layout::IconPosition(kItem, 16, 16, false, 3);
    EXPECT_EQ(position.dx, 10 + (95 - 16) / 2);
    EXPECT_EQ(position.dy, 20 + (39 - 16) / 2);
}

TEST(ButtonLayout, IconTallerThanTheButtonStartsAboveIt) {
    const Rect low = {0, 0, 40, 20};
    EXPECT_EQ(button_layout::IconPosition(low, 32, 32, false, 3).dy, -6);
}

TEST(ButtonLayout, ShortCaptionMovesByAThirdOfTheFreeWidth) {
    // Caption rectangle after a 32-pixel icon and the margin: 60 wide, 39 high.
    const Rect caption = {45, 20, 105, 59};
    for (const std::string text : {"Next", "Cancel", "123456789"}) {
        const auto offset = button_layout::CaptionOffset(text.size(), caption, 30, 13);
        EXPECT_EQ(offset.dx, 10) << text;
        EXPECT_EQ(offset.dy, 13) << text;
    }
}

TEST(ButtonLayout, CaptionOfTenOrMoreCharactersMovesByTwoFifths) {
    const Rect caption = {45, 20, 105, 59};
    for (const std::string text : {"1234567890", "Map Network Drive"}) {
        const auto offset = button_layout::CaptionOffset(text.size(), caption, 30, 13);
        EXPECT_EQ(offset.dx, 12) << text;
        EXPECT_EQ(offset.dy, 13) << text;
    }
}

TEST(ButtonLayout, CaptionOffsetsRoundTowardsZero) {
    const Rect caption = {0, 0, 60, 20};
    EXPECT_EQ(button_layout::CaptionOffset(4, caption, 52, 13).dx, 2);   // 8 / 3
    EXPECT_EQ(button_layout::CaptionOffset(12, caption, 52, 13).dx, 3);  // 16 / 5
    EXPECT_EQ(button_layout::CaptionOffset(4, caption, 52, 13).dy, 3);   // 7 / 2
    // Wider than the room (one long word): the text moves left, and up when it wraps too tall.
    EXPECT_EQ(button_layout::CaptionOffset(4, caption, 67, 13).dx, -2);
    EXPECT_EQ(button_layout::CaptionOffset(4, caption, 67, 26).dy, -3);
}
}  // namespace
