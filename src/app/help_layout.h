// Sizing of the help window: the narrowest view that keeps the text as short as at a generous width,
// within the screen.
#pragma once
#include <functional>

struct ContentSize {
    int width = 0;
    int height = 0;
};

// Lays the text out at a trial width and returns the size the view then asks for.
using ContentProbe = std::function<ContentSize(int width)>;

constexpr int kHelpMinimumWidth = 100;
constexpr int kHelpScreenMargin = 80;   // the help window leaves this much of the screen's height free
constexpr int kHelpWidthSlack = 5;
constexpr int kHelpFrameWidth = 14;     // window width beyond the view's
constexpr int kHelpFrameHeight = 40;    // window height beyond the view's

// Bisects widths from kHelpMinimumWidth to the screen width; returns the size of the last probe.
// Probes at least once, even on a screen narrower than the minimum.
ContentSize FindHelpContentSize(int screenWidth, const ContentProbe& probe);

// The view's size from the last probe: a little slack, room for a vertical scroll bar so that showing one
// does not rewrap the text, and never taller than the screen allows.
ContentSize HelpViewSize(ContentSize lastProbe, int menuButtonHeight, int scrollBarWidth, int screenHeight);
