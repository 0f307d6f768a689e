#include "webmgmt/page_templates.h"

// Two begin with "/" and three do not: the request layer joins both kinds to the appliance's address.
const char g_strUrlSetDeviceName[] = "/generalsetup/processnetworkname.asp?machine_name=%s&submit=update";
const char g_strUrlAddShare[] =
    "filesharing/addshare_process.asp?new_share_name=%s&new_share_pool=%s&share_password=%s";
const char g_strUrlSafelyRemove[] = "drivemgt/safely_remove_disk_result.asp?disk=%s";
const char g_strUrlDeleteShare[] = "filesharing/delete_share_result.asp?share=%s&pool=%s";
const char g_strUrlSetLanguage[] = "/generalsetup/processlangupdate.asp?language=%s&submit=update";
