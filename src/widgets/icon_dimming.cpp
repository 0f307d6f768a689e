#include "widgets/icon_dimming.h"

namespace icon_dimming {
namespace {

unsigned Red(ColorRef colour) { return colour & 0xFFu; }
unsigned Green(ColorRef colour) { return (colour >> 8) & 0xFFu; }
unsigned Blue(ColorRef colour) { return (colour >> 16) & 0xFFu; }
ColorRef Rgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

unsigned Darken(unsigned channel, double factor) {
    return static_cast<unsigned>(channel - factor * channel);
}

const double kDarkerFactor = 0.25;

}  // namespace

ColorRef DarkenColor(ColorRef colour, double factor) {
    if (!(factor > 0.0 && factor <= 1.0)) return colour;
    return Rgb(Darken(Red(colour), factor), Darken(Green(colour), factor), Darken(Blue(colour), factor));
}

ColorRef GrayscalePixel(ColorRef colour) {
    if (colour == 0) return 0;
    // Summed in this order: the truncation below can tell the difference.
    const double luminance = Green(colour) * 0.587 + Blue(colour) * 0.114 + Red(colour) * 0.299;
    const unsigned grey = static_cast<unsigned>(luminance) & 0xFFu;
    return Rgb(grey, grey, grey);
}

ColorRef DarkerPixel(ColorRef colour) {
    if (colour == 0) return 0;
    return DarkenColor(colour, kDarkerFactor);
}

}  // namespace icon_dimming
