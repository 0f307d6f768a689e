#include "copy/media_extensions.h"

// Exactly these characters, odd entries included: files already sorted on appliances follow them.
const char g_musicExtensions[] = ".mp3 .mp2 ..wma .wav .voc .vox .mod .mid .au .ra .aiff";
const char g_videoExtensions[] = ".avi .mpg .mpeg .mpeg1. mpeg2 .wmv .aac .dv .rm .mov .qt .ram";
const char g_photoExtensions[] = ".jpeg .jpg .bmp .gif .jfif .tiff";
const char g_programExtensions[] = ".exe .dll .bin .js .bat .vs";
