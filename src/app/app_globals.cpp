#include "app/app_globals.h"

std::string g_strLanguage = "English";
std::string g_strTempFile;

// The lists hold exactly these characters, odd entries included: stored files and peers rely on them.
const char g_musicExtensions[] = ".mp3 .mp2 ..wma .wav .voc .vox .mod .mid .au .ra .aiff";
const char g_videoExtensions[] = ".avi .mpg .mpeg .mpeg1. mpeg2 .wmv .aac .dv .rm .mov .qt .ram";
const char g_photoExtensions[] = ".jpeg .jpg .bmp .gif .jfif .tiff";
const char g_programExtensions[] = ".exe .dll .bin .js .bat .vs";

const char g_strUrlSetDeviceName[] = "/generalsetup/processnetworkname.asp?machine_name=%s&submit=update";
const char g_strUrlAddShare[] =
    "filesharing/addshare_process.asp?new_share_name=%s&new_share_pool=%s&share_password=%s";
const char g_strUrlSafelyRemove[] = "drivemgt/safely_remove_disk_result.asp?disk=%s";
const char g_strUrlDeleteShare[] = "filesharing/delete_share_result.asp?share=%s&pool=%s";
const char g_strUrlSetLanguage[] = "/generalsetup/processlangupdate.asp?language=%s&submit=update";
