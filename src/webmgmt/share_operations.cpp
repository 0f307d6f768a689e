#include "webmgmt/share_operations.h"
#include "common/text_compare.h"
#include "common/wizard_host.h"
#include "discovery/datagram.h"
#include "framework/resource_strings.h"
#include "framework/wait_cursor.h"
#include "platform/wnet_table.h"
#include "res/resource.h"
#include "shares/desktop_shortcut.h"
#include "shares/drive_mapping.h"
#include "shares/mapped_drives.h"
#include "webmgmt/add_share_dlg.h"
#include "webmgmt/appliance_request.h"
#include "webmgmt/page_templates.h"
#include "webmgmt/query_value.h"
#include "webmgmt/reply_list.h"
#include "webmgmt/share_to_delete.h"
#include "webmgmt/utf8_text.h"
#include <shlobj.h>

namespace {
const char kPoolInfoPage[] = "drivemgt/pool_info.asp";
const char kShareInfoPage[] = "filesharing/share_info.asp";

// A page template with its values, each escaped so the appliance gets exactly the bytes meant.
template <typename... Values>
std::string FormatPage(const char* format, const Values&... values) {
    return FormatText(format, EscapeQueryValue(values)...);
}

// The share pages take the cached login in the ANSI code page, as typed.
ApplianceReply Send(const ShareOperationWork& work, const std::string& host, const std::string& object,
                    WizardHost& wizard) {
    return SendApplianceRequest(LoadResString(IDS_APP_TITLE), host, kApplianceWebPort, object,
                                work.credentials.userName, work.credentials.password, &wizard);
}

// The first request of either operation: one login prompt on a challenge, and a login the appliance
// accepted is kept with its entry.
OperationResult AuthenticatedFetch(ShareOperationWork& work, const std::string& host, const std::string& page,
                                   WizardHost& wizard, ApplianceReply& reply) {
    work.credentials = {work.entry.userName, work.entry.password};
    reply = Send(work, host, page, wizard);
    if (reply.status == HTTP_STATUS_DENIED) {
        const auto typed = wizard.PromptAdminCredentials(work.entry.name);
        if (!typed) return OperationResult::Cancelled();
        work.credentials = *typed;
        reply = Send(work, host, page, wizard);
    }
    if (reply.status == HTTP_STATUS_OK) {
        CopyToField(work.entry.userName, work.credentials.userName.c_str(), work.credentials.userName.size());
        CopyToField(work.entry.password, work.credentials.password.c_str(), work.credentials.password.size());
        work.loginAccepted = true;
        return OperationResult::Done();
    }
    wizard.ReportFailure(reply.status == HTTP_STATUS_DENIED ? IDS_INVALID_LOGIN : IDS_DEVICE_INFO_FAILED);
    return OperationResult::Failed(reply.Cause());
}

// Both operations end with the progress animation stopped, however they end.
class ProgressStop {
public:
    explicit ProgressStop(WizardHost& host) : m_host(host) {}
    ~ProgressStop() { m_host.SetProgressAnimation(false); }

private:
    WizardHost& m_host;
};

std::string SharePath(const ShareOperationWork& work, const std::string& shareName) {
    return std::string("\\\\") + work.addressName + "\\" + shareName;
}

// The new folder's drive letter, remembered for later logons, and its shortcut when wanted.
OperationResult ConnectNewShare(ShareOperationWork& work, const CAddShareDlg& choice, WizardHost& host) {
    std::string device = choice.m_strNewShareDrive + ":";
    std::string remote = SharePath(work, choice.m_strNewShareName);
    NETRESOURCEA resource = {};
    resource.dwScope = RESOURCE_GLOBALNET;
    resource.dwType = RESOURCETYPE_DISK;
    resource.dwDisplayType = RESOURCEDISPLAYTYPE_SHARE;
    resource.dwUsage = RESOURCEUSAGE_CONNECTABLE;
    resource.lpLocalName = device.data();
    resource.lpRemoteName = remote.data();
    const std::string& password = choice.m_strNewSharePassword;
    const DWORD connected = WNet().WNetAddConnection2A(&resource, password.empty() ? nullptr : password.c_str(),
                                                       nullptr, CONNECT_UPDATE_PROFILE);
    if (connected != NO_ERROR) {
        host.ReportFailure(IDS_MAP_DIALOG_FAILED);
        return OperationResult::Failed(Win32Error{connected});
    }
    work.createShortcuts = AskForShortcuts(host);
    if (*work.createShortcuts)
        CreateDesktopShortcut(CSIDL_DESKTOP,
                              DriveShortcutName(choice.m_strNewShareName, work.addressName, choice.m_strNewShareDrive),
                              device + "\\");
    work.drives = ScanMappedDrives();
    return OperationResult::Done();
}

// A folder on an external disk is removed with its disk, never deleted.
OperationResult OfferSafeRemoval(ShareOperationWork& work, const ApplianceReply& shareInfo, int position,
                                 WizardHost& host) {
    if (host.ShowMessage(LoadResString(IDS_ASK_SAFE_REMOVAL), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return OperationResult::Cancelled();
    const std::string disk = ListItemAt(shareInfo.Value("foreign_share_disks()"), position);
    ApplianceReply removal;
    if (!disk.empty()) removal = Send(work, work.entry.ipText, FormatPage(g_strUrlSafelyRemove, disk), host);
    const bool removed = !removal.Value("disconnect_success()").empty();
    if (!removed) {
        host.ShowMessage(LoadResString(IDS_DISK_NOT_REMOVED), MB_OK | MB_ICONWARNING);
        return OperationResult::Failed(disk.empty() ? FailureCause{OwnFailure::AnswerLacking} : removal.Cause());
    }
    host.ShowMessage(LoadResString(IDS_DISK_REMOVED), MB_OK | MB_ICONINFORMATION);
    host.ReloadSharePage();
    return OperationResult::Done();
}
}  // namespace

OperationResult AddSharedFolder(ShareOperationWork& work, WizardHost& host) {
    ProgressStop stop(host);
    CWaitCursor wait;
    ApplianceReply poolInfo;
    const OperationResult fetched = AuthenticatedFetch(work, work.addressName, kPoolInfoPage, host, poolInfo);
    if (fetched.outcome != Outcome::Done) return fetched;
    const std::string volumes = poolInfo.Value("pool_names()");
    if (!poolInfo.body) {
        host.ReportFailure(IDS_DEVICE_INFO_FAILED);
        return OperationResult::Failed(poolInfo.Cause());
    }
    if (volumes.empty()) {
        host.ReportFailure(IDS_NO_VOLUMES);
        return OperationResult::Failed(OwnFailure::NoVolumes);
    }

    CAddShareDlg choice(volumes, FreeLettersForCombo());
    INT_PTR answer = IDCANCEL;
    host.RunOnWindow([&] { answer = choice.DoModal(work.owner); });
    if (answer != IDOK) return OperationResult::Cancelled();

    const std::string name = choice.m_strNewShareName;
    const ApplianceReply created =
        Send(work, work.addressName,
             FormatPage(g_strUrlAddShare, ToUtf8(name), choice.m_strNewSharePool, choice.m_strNewSharePassword), host);
    OperationResult result = OperationResult::Done();
    if (!created.Value("create_share_success()").empty()) {
        host.ShowMessage(FormatResString(IDS_SHARE_CREATED, SharePath(work, name)), MB_OK | MB_ICONINFORMATION);
    } else {
        host.ShowMessage(LoadResString(IDS_SHARE_NOT_CREATED), MB_OK | MB_ICONWARNING);
        result = OperationResult::Failed(created.Cause());
    }
    // Tried even when the creation failed: the folder may exist from an earlier attempt.
    if (CompareNoCase(choice.m_strNewShareDrive.c_str(), LoadResString(IDS_DRIVE_NONE).c_str()) != 0) {
        const OperationResult connected = ConnectNewShare(work, choice, host);
        if (result.outcome == Outcome::Done) result = connected;
    }
    host.ReloadSharePage();
    return result;
}

OperationResult DeleteSharedFolder(ShareOperationWork& work, WizardHost& host) {
    ProgressStop stop(host);
    if (!work.selected) {
        host.ReportFailure(IDS_SELECT_SHARE_FIRST);
        return OperationResult::Failed(OwnFailure::NothingSelected);
    }
    const ShareToDelete target =
        ShareToDeleteOf(work.selected->remoteName, work.selected->comment, work.selected->driveLetter);
    const std::string utf8Name = ToUtf8(target.name);

    ApplianceReply shareInfo;
    const OperationResult fetched = AuthenticatedFetch(work, work.entry.ipText, kShareInfoPage, host, shareInfo);
    if (fetched.outcome != Outcome::Done) return fetched;
    const std::string foreign = shareInfo.Value("foreign_shares()");
    if (!shareInfo.body) {
        host.ReportFailure(IDS_DEVICE_INFO_FAILED);
        return OperationResult::Failed(shareInfo.Cause());
    }
    const int onDisk = IndexOfListItem(foreign, utf8Name);
    if (onDisk >= 0) return OfferSafeRemoval(work, shareInfo, onDisk, host);

    const int position = IndexOfListItem(shareInfo.Value("shares()"), utf8Name);
    if (position < 0) {
        host.ReportFailure(IDS_SHARE_NOT_FOUND);
        return OperationResult::Failed(OwnFailure::ShareNotListed);
    }
    const std::string pool = ListItemAt(shareInfo.Value("share_pools()"), position);
    if (pool.empty()) {
        host.ReportFailure(IDS_SHARE_VOLUME_UNKNOWN);
        return OperationResult::Failed(OwnFailure::ShareNotListed);
    }
    const std::string path = SharePath(work, target.name);
    if (host.ShowMessage(FormatResString(IDS_DELETE_WARNING, path), MB_YESNO) != IDYES ||
        host.ShowMessage(LoadResString(IDS_DELETE_REALLY), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return OperationResult::Cancelled();

    if (target.mapped) {
        const DriveLetterChange change = MapOrRemoveDriveLetter(false, work.selected, "", work.owner, host);
        if (change.result.outcome == Outcome::Done) work.drives = change.drives;
    }
    const ApplianceReply deletion = Send(work, work.entry.ipText, FormatPage(g_strUrlDeleteShare, utf8Name, pool), host);
    if (deletion.Value("delete_share_success();").empty()) {
        host.ShowMessage(FormatResString(IDS_SHARE_NOT_DELETED, path), MB_OK | MB_ICONWARNING);
        return OperationResult::Failed(deletion.Cause());
    }
    host.ShowMessage(FormatResString(IDS_SHARE_DELETED, path), MB_OK | MB_ICONINFORMATION);
    host.ReloadSharePage();
    return OperationResult::Done();
}
