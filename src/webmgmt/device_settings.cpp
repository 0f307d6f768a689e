#include "webmgmt/device_settings.h"
#include "app/app_globals.h"
#include "app/quickmap_dlg.h"
#include "common/text_compare.h"
#include "discovery/datagram.h"
#include "discovery/datagram_exchange.h"
#include "discovery/scan_thread.h"
#include "framework/resource_strings.h"
#include "framework/wait_cursor.h"
#include "res/resource.h"
#include "webmgmt/admin_credentials.h"
#include "webmgmt/appliance_request.h"
#include "webmgmt/unique_name.h"
#include "webmgmt/utf8_text.h"
#include <cstdio>
#include <vector>

namespace {
constexpr INTERNET_PORT kWebPort = 80;

std::string FormatWith(UINT formatId, const std::string& value) {
    // The format comes from our own string table; the value is only ever an argument.
    const std::string format = LoadResString(formatId);
    std::vector<char> text(format.size() + value.size() + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), value.c_str());
    return text.data();
}

int SendWithCachedCredentials(const CredentialCache& cache, const std::string& host, const std::string& object) {
    const AdminCredentials credentials = cache.Get();
    return SendApplianceRequest(LoadResString(IDS_APP_TITLE), host, kWebPort, object, ToUtf8(credentials.userName),
                                ToUtf8(credentials.password));
}

void CacheEntryCredentials(CredentialCache& cache, const DeviceEntry& entry) {
    cache.Set({entry.userName, entry.password});
}
}  // namespace

int SetUniqueDeviceName(CQuickmapDlg& window) {
    CWaitCursor wait;
    DeviceRegistry& registry = window.Registry();
    DeviceEntry* entry = registry.SelectedEntry();
    if (!entry) return 0;
    const int item = registry.selectedDevice;
    const std::string listedName = window.DeviceList().GetItemText(item, 0);
    const std::string host = window.DeviceList().GetItemText(item, 1);
    const std::string newName = UniqueDeviceName(*entry);
    const std::string title = LoadResString(IDS_APP_TITLE);

    if (CompareNoCase(newName.c_str(), listedName.c_str()) == 0) {
        ::MessageBoxA(window.m_hWnd, FormatWith(IDS_ALREADY_UNIQUE, newName).c_str(), title.c_str(),
                      MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    if (::MessageBoxA(window.m_hWnd, LoadResString(IDS_UNIQUE_NAME_WARNING).c_str(), title.c_str(),
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;

    CacheEntryCredentials(registry.credentials, *entry);
    char object[256];
    std::snprintf(object, sizeof object, g_strUrlSetDeviceName, newName.c_str());
    int status = SendWithCachedCredentials(registry.credentials, host, object);
    if (status == HTTP_STATUS_DENIED) {
        if (!PromptAdminCredentials(registry.credentials, listedName)) return 0;
        CWaitCursor waitAgain;
        status = SendWithCachedCredentials(registry.credentials, host, object);
    }
    if (status == HTTP_STATUS_OK) {
        ::Sleep(1000);
        window.EndScan();
        const AdminCredentials credentials = registry.credentials.Get();
        CopyToField(entry->name, newName.c_str(), newName.size());
        CopyToField(entry->userName, credentials.userName.c_str(), credentials.userName.size());
        CopyToField(entry->password, credentials.password.c_str(), credentials.password.size());
        FillDeviceList(window);
    } else {
        window.ReportFailure(status == HTTP_STATUS_DENIED ? IDS_INVALID_LOGIN : IDS_DEVICE_INFO_FAILED);
    }
    window.SetProgressAnimation(false);
    return 1;
}

int UpdateDeviceLanguage(CQuickmapDlg& window) {
    CWaitCursor wait;
    DeviceRegistry& registry = window.Registry();
    DeviceEntry* entry = registry.SelectedEntry();
    if (!entry) return 1;
    QueryDevice(registry, entry->ipAddress);
    if (entry->languageSet == 1 || CompareNoCase(g_strLanguage.c_str(), "English") == 0) return 1;

    CacheEntryCredentials(registry.credentials, *entry);
    char object[256];
    std::snprintf(object, sizeof object, g_strUrlSetLanguage, g_strLanguage.c_str());
    const std::string host = window.DeviceList().GetItemText(registry.selectedDevice, 1);
    if (SendWithCachedCredentials(registry.credentials, host, object) != HTTP_STATUS_OK)
        window.ReportFailure(IDS_DEVICE_INFO_FAILED);
    return 1;
}
