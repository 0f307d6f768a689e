// Which drawing of a picture a display asks for. Icons are drawn at 16, 24, 32, 48 and 64 pixels; the
// device strip and the banner at 100 %, 150 % and 200 % (src/res/art/make-art.sh).
#pragma once

namespace art_sizes {

// The side of an icon that is `side96` pixels at 96 dpi, on a display of `dpi`: the largest drawn size
// that is not above the exactly scaled one, so no picture is ever stretched (and none below 16).
int IconSide(int side96, int dpi);

// The drawing of the strip and the banner: 0 for 100 %, 1 for 150 %, 2 for 200 % and above; in between the
// smaller one, which fits where the larger would not.
int ScaleStep(int dpi);

}  // namespace art_sizes
