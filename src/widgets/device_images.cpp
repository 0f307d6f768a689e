#include "widgets/device_images.h"
#include "common/art_sizes.h"
#include "framework/app.h"
#include "res/resource.h"

HIMAGELIST LoadDeviceImages(int dpi) {
    static const struct {
        UINT bitmap;
        int side;
    } strips[] = {{IDB_DEVICE_IMAGES, 16}, {IDB_DEVICE_IMAGES_24, 24}, {IDB_DEVICE_IMAGES_32, 32}};
    const auto& strip = strips[art_sizes::ScaleStep(dpi)];
    // A DIB section keeps the pictures' colours; a plain load would reduce them to 16.
    return ::ImageList_LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(strip.bitmap), strip.side, 0,
                                  RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
}
