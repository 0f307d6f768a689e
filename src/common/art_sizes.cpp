#include "common/art_sizes.h"

namespace art_sizes {
namespace {
const int kIconSides[] = {16, 24, 32, 48, 64};
const int kBaseDpi = 96;
}  // namespace

int IconSide(int side96, int dpi) {
    const long long wanted = static_cast<long long>(side96) * dpi / kBaseDpi;
    int side = kIconSides[0];
    for (int drawn : kIconSides)
        if (drawn <= wanted) side = drawn;
    return side;
}

int ScaleStep(int dpi) {
    if (dpi >= 2 * kBaseDpi) return 2;
    if (2 * dpi >= 3 * kBaseDpi) return 1;
    return 0;
}

}  // namespace art_sizes
