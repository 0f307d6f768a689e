// Where an icon button puts its icon and its caption; plain integer geometry, as the drawing code uses it.
#pragma once
#include <cstddef>

namespace button_layout {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct Offset {
    int dx = 0, dy = 0;
};

// Top-left corner of the icon: beside a caption it sits at the left after the margin (plus a fixed
// gap), alone it is centred; vertically it is always centred.
Offset IconPosition(const Rect& item, int iconWidth, int iconHeight, bool hasCaption, int horizontalMargin);

// How far the caption's measured rectangle (placed at the top-left of the caption rectangle) moves:
// a little left of centre, so the text keeps clear of the icon, and centred vertically.
Offset CaptionOffset(std::size_t captionLength, const Rect& captionRect, int measuredWidth, int measuredHeight);

}  // namespace button_layout
