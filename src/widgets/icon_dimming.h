// Colour maths behind the dimmed second icon of an icon button. Colours are laid out as a Windows
// COLORREF (0x00BBGGRR) so the results go straight into SetPixel.
#pragma once
#include <cstdint>

namespace icon_dimming {

using ColorRef = std::uint32_t;

// Each of red, green and blue loses factor times its value, rounded down; a factor outside (0, 1]
// leaves the colour as it is.
ColorRef DarkenColor(ColorRef colour, double factor);

// Pixel rules of the derived icons. Pure black stays black in both, so an icon's outline and its
// transparent (black, masked) area keep their meaning.
ColorRef GrayscalePixel(ColorRef colour);
ColorRef DarkerPixel(ColorRef colour);

}  // namespace icon_dimming
