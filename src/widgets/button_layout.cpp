#include "widgets/button_layout.h"

namespace button_layout {
namespace {
const int kIconGap = 5;
const std::size_t kShortCaption = 10;
}  // namespace

Offset IconPosition(const Rect& item, int iconWidth, int iconHeight, bool hasCaption, int horizontalMargin) {
    Offset position;
    position.dx = hasCaption ? item.left + horizontalMargin + kIconGap : item.left + (item.Width() - iconWidth) / 2;
    position.dy = item.top + (item.Height() - iconHeight) / 2;
    return position;
}

Offset CaptionOffset(std::size_t captionLength, const Rect& captionRect, int measuredWidth, int measuredHeight) {
    const int free = captionRect.Width() - measuredWidth;
    Offset offset;
    offset.dx = captionLength < kShortCaption ? free / 3 : 2 * free / 5;
    offset.dy = (captionRect.Height() - measuredHeight) / 2;
    return offset;
}

}  // namespace button_layout
