#include "app/help_layout.h"
#include <algorithm>

ContentSize FindHelpContentSize(int screenWidth, const ContentProbe& probe) {
    int low = kHelpMinimumWidth;
    int high = screenWidth & ~1;
    bool haveReference = false;
    int referenceHeight = 0;
    ContentSize last;
    do {
        const int mid = (low + high) / 2;
        last = probe(mid);
        if (!haveReference) {
            referenceHeight = last.height;
            haveReference = true;
        }
        if (last.height > referenceHeight)
            low = mid + 1;
        else
            high = mid - 1;
    } while (low < high);
    return last;
}

ContentSize HelpViewSize(ContentSize lastProbe, int menuButtonHeight, int scrollBarWidth, int screenHeight) {
    ContentSize view;
    view.width = lastProbe.width + kHelpWidthSlack + scrollBarWidth;
    view.height = std::min(lastProbe.height + menuButtonHeight + 2, screenHeight - kHelpScreenMargin);
    return view;
}
