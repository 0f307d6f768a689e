#include "shares/drive_mapping.h"
#include "common/network_names.h"
#include "framework/resource_strings.h"
#include "platform/wnet_table.h"
#include "res/resource.h"
#include "shares/desktop_shortcut.h"
#include "shares/mapped_drives.h"
#include <shlobj.h>

namespace {
struct ConnectionAttempt {
    std::string letter;
    DWORD result = NO_ERROR;
};

// An already connected folder keeps its letter; any other gets the highest free one.
ConnectionAttempt Connect(ShareItemData& folder, const std::string& password) {
    const char existing = folder.driveLetter;
    if (existing) return {std::string(1, existing), NO_ERROR};
    ConnectionAttempt attempt;
    attempt.letter = FindFreeDriveLetter();
    std::string device = attempt.letter + ":";
    NETRESOURCEA resource = folder.Resource();
    resource.lpLocalName = device.data();
    attempt.result = WNet().WNetAddConnection2A(&resource, password.empty() ? nullptr : password.c_str(), nullptr,
                                               CONNECT_UPDATE_PROFILE);
    return attempt;
}

std::string LinkName(const ShareItemData& folder, const std::string& letter) {
    return DriveShortcutName(FolderNameOf(folder.remoteName), folder.comment, letter);
}

// The Map Network Drive dialog for `folder`, then the shortcut question.
OperationResult MapByDialog(ShareItemData& folder, HWND owner, DriveLetterChange& change, WizardHost& host) {
    if (!ShareNameUsable(folder, host)) return OperationResult::Failed(OwnFailure::NameUnusable);
    CONNECTDLGSTRUCTA dialog = {};
    dialog.cbStructure = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpConnRes = &folder.Resource();
    dialog.dwFlags = CONNDLG_RO_PATH;
    DWORD result = 0xFFFFFFFF;
    host.RunOnWindow([&] { result = WNet().WNetConnectionDialog1A(&dialog); });
    if (result == 0xFFFFFFFF) return OperationResult::Cancelled();  // by the user, or the window is gone
    if (result != NO_ERROR) {
        host.ReportFailure(IDS_MAP_DIALOG_FAILED);
        return OperationResult::Failed(Win32Error{result});
    }
    change.createShortcuts = AskForShortcuts(host);
    if (change.createShortcuts) {
        change.currentLetter = std::string(1, static_cast<char>('A' - 1 + dialog.dwDevNum));
        CreateDesktopShortcut(CSIDL_DESKTOP, LinkName(folder, change.currentLetter), change.currentLetter + ":\\");
    }
    return OperationResult::Done();
}

// The folder's drive letter and its shortcut removed.
OperationResult RemoveLetter(const ShareItemData& folder, DriveLetterChange& change, WizardHost& host) {
    // The letter may have been given to another folder since the tree was listed.
    const char letter = change.currentLetter.size() == 1 ? change.currentLetter[0] : 0;
    if (!letter ||
        DriveSuffixLetter({{letter, UniversalNameOfDrive(letter)}}, folder.remoteName, folder.localName) != letter) {
        host.ReportFailure(IDS_REMOVE_DRIVE_FAILED);
        return OperationResult::Failed(OwnFailure::LetterReassigned);
    }
    const std::string device = change.currentLetter + ":";
    const DWORD removed = WNet().WNetCancelConnection2A(device.c_str(), CONNECT_UPDATE_PROFILE, FALSE);
    if (removed != NO_ERROR) {
        host.ReportFailure(IDS_REMOVE_DRIVE_FAILED);
        return OperationResult::Failed(Win32Error{removed});
    }
    DeleteDesktopShortcut(CSIDL_DESKTOP, LinkName(folder, change.currentLetter));
    change.currentLetter.clear();
    return OperationResult::Done();
}
}  // namespace

std::string DriveShortcutName(const std::string& folder, const std::string& deviceName, const std::string& letter) {
    if (!IsUsableShareName(folder) || !IsHostName(deviceName)) return std::string();
    return ShortcutName(LoadResString(IDS_SHORTCUT_NAME), folder, deviceName, letter);
}

bool ShareNameUsable(const ShareItemData& folder, WizardHost& host) {
    const std::string name = FolderNameOf(folder.remoteName);
    if (IsUsableShareName(name)) return true;
    host.ShowMessage(FormatResString(IDS_SHARE_NAME_UNUSABLE, name), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool AskForShortcuts(WizardHost& host) {
    return host.ShowMessage(LoadResString(IDS_ASK_SHORTCUTS), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

MappingOutcome MapCheckedShares(const std::vector<ShareItemData>& ticked, WizardHost& host) {
    MappingOutcome outcome;
    if (ticked.empty()) return outcome;
    outcome.createShortcuts = AskForShortcuts(host);
    host.SetProgressAnimation(true);
    // The first folder that failed says why; the user hears of each.
    const auto fail = [&outcome](FailureCause cause) {
        if (outcome.result.outcome == Outcome::Done) outcome.result = OperationResult::Failed(cause);
    };
    for (ShareItemData folder : ticked) {
        if (!ShareNameUsable(folder, host)) {
            fail(OwnFailure::NameUnusable);
            continue;
        }
        std::string password;
        bool passwordTried = false;
        for (;;) {
            const ConnectionAttempt attempt = Connect(folder, password);
            password.clear();
            if (attempt.result == NO_ERROR) {
                if (outcome.createShortcuts)
                    CreateDesktopShortcut(CSIDL_DESKTOP, LinkName(folder, attempt.letter), attempt.letter + ":\\");
                outcome.drives = ScanMappedDrives();
                break;
            }
            host.SetProgressAnimation(false);
            if (attempt.result == ERROR_INVALID_PASSWORD && !passwordTried) {
                const auto typed = host.PromptSharePassword(folder.remoteName);
                if (typed) {
                    password = *typed;
                    passwordTried = true;
                    host.SetProgressAnimation(true);
                    continue;
                }
            }
            // No shortcut and, by the network layer, no remembered connection for a folder that failed.
            fail(Win32Error{attempt.result});
            std::string text = attempt.result == ERROR_INVALID_PASSWORD ? LoadResString(IDS_INVALID_PASSWORD) : "";
            text += LoadResString(IDS_MAP_FAILED) + " " + folder.remoteName + " (" + attempt.letter + ":).";
            host.ShowMessage(text, MB_OK | MB_ICONEXCLAMATION);
            host.SetProgressAnimation(true);
            break;
        }
    }
    host.SetProgressAnimation(false);
    return outcome;
}

DriveLetterChange MapOrRemoveDriveLetter(bool map, const std::optional<ShareItemData>& selected,
                                         const std::string& currentLetter, HWND owner, WizardHost& host) {
    DriveLetterChange change;
    change.currentLetter = currentLetter;
    if (!selected) {
        host.ReportFailure(IDS_SELECT_SHARE_FIRST);
        change.result = OperationResult::Failed(OwnFailure::NothingSelected);
        return change;
    }
    ShareItemData folder = *selected;
    if (folder.driveLetter) change.currentLetter = std::string(1, folder.driveLetter);
    change.result = map ? MapByDialog(folder, owner, change, host) : RemoveLetter(folder, change, host);
    if (change.result.outcome == Outcome::Done) change.drives = ScanMappedDrives();
    return change;
}
