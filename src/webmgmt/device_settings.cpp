#include "webmgmt/device_settings.h"
#include "common/text_compare.h"
#include "common/wizard_host.h"
#include "discovery/datagram.h"
#include "discovery/datagram_exchange.h"
#include "framework/resource_strings.h"
#include "framework/wait_cursor.h"
#include "res/resource.h"
#include "webmgmt/appliance_request.h"
#include "webmgmt/page_templates.h"
#include "webmgmt/unique_name.h"
#include "webmgmt/utf8_text.h"
#include <cstdio>

namespace {
ApplianceReply SendWithCredentials(const DeviceSettingsWork& work, const std::string& object, WizardHost& host) {
    return SendApplianceRequest(LoadResString(IDS_APP_TITLE), work.host, kApplianceWebPort, object,
                                ToUtf8(work.credentials.userName), ToUtf8(work.credentials.password), &host);
}

void TakeEntryCredentials(DeviceSettingsWork& work) {
    work.credentials = {work.entry.userName, work.entry.password};
}
}  // namespace

OperationResult SetUniqueDeviceName(DeviceSettingsWork& work, WizardHost& host) {
    CWaitCursor wait;
    const std::string newName = UniqueDeviceName(work.entry);
    if (CompareNoCase(newName.c_str(), work.listedName.c_str()) == 0) {
        host.ShowMessage(FormatResString(IDS_ALREADY_UNIQUE, newName), MB_OK | MB_ICONINFORMATION);
        return OperationResult::Cancelled();
    }
    if (host.ShowMessage(LoadResString(IDS_UNIQUE_NAME_WARNING), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return OperationResult::Cancelled();

    TakeEntryCredentials(work);
    char object[256];
    std::snprintf(object, sizeof object, g_strUrlSetDeviceName, newName.c_str());
    ApplianceReply reply = SendWithCredentials(work, object, host);
    if (reply.status == HTTP_STATUS_DENIED) {
        const auto typed = host.PromptAdminCredentials(work.listedName);
        if (!typed) return OperationResult::Cancelled();
        work.credentials = *typed;
        CWaitCursor waitAgain;
        reply = SendWithCredentials(work, object, host);
    }
    OperationResult result = OperationResult::Done();
    if (reply.status == HTTP_STATUS_OK) {
        // The appliance takes a moment to answer under its new name.
        ::Sleep(1000);
        CopyToField(work.entry.name, newName.c_str(), newName.size());
        CopyToField(work.entry.userName, work.credentials.userName.c_str(), work.credentials.userName.size());
        CopyToField(work.entry.password, work.credentials.password.c_str(), work.credentials.password.size());
    } else {
        host.ReportFailure(reply.status == HTTP_STATUS_DENIED ? IDS_INVALID_LOGIN : IDS_DEVICE_INFO_FAILED);
        result = OperationResult::Failed(reply.Cause());
    }
    host.SetProgressAnimation(false);
    return result;
}

OperationResult UpdateDeviceLanguage(DeviceSettingsWork& work, WizardHost& host) {
    CWaitCursor wait;
    DeviceRegistry queried;
    queried.devices.push_back(work.entry);
    QueryDevice(queried, work.entry.ipAddress);
    work.entry = queried.devices.front();
    if (work.entry.languageSet == 1 || CompareNoCase(work.language.c_str(), "English") == 0)
        return OperationResult::Done();

    TakeEntryCredentials(work);
    char object[256];
    std::snprintf(object, sizeof object, g_strUrlSetLanguage, work.language.c_str());
    const ApplianceReply reply = SendWithCredentials(work, object, host);
    if (reply.status == HTTP_STATUS_OK) return OperationResult::Done();
    host.ReportFailure(IDS_DEVICE_INFO_FAILED);
    return OperationResult::Failed(reply.Cause());
}
