#pragma once

// The device strip and the banner drawn again for 150 % and 200 % display scaling.
#define IDB_DEVICE_IMAGES_24 190
#define IDB_DEVICE_IMAGES_32 191
#define IDB_BANNER_144 192
#define IDB_BANNER_192 193
