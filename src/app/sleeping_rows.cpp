// Remembered appliances that did not answer the last scan: greyed rows below the found ones, never selected
// by default, with Wake Up (a magic packet, then a rescan after a countdown the user sees).
#include "app/not_found_report.h"
#include "app/quickmap_dlg.h"
#include "discovery/datagram.h"
#include "discovery/wake_on_lan.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

namespace {
constexpr int kWakeWaitSeconds = 20;

// The local date and time of a moment in seconds since 1970, in the user's short formats.
std::string LocalDateTime(int64_t seconds) {
    const ULONGLONG ticks = (static_cast<ULONGLONG>(seconds) + 11644473600ULL) * 10000000ULL;
    FILETIME utc = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    FILETIME local;
    SYSTEMTIME time;
    if (seconds <= 0 || !::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &time)) return "?";
    char date[64] = "", clock[64] = "";
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
    ::GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, clock, sizeof clock);
    return std::string(date) + " " + clock;
}
}  // namespace

void CQuickmapDlg::AppendSleepingRows(int firstRow) {
    m_sleeping = m_state.Remembered().NotResponding(m_state.Registry().devices);
    m_firstSleepingRow = firstRow;
    std::vector<DeviceListRow> rows;
    for (const RememberedAppliance& item : m_sleeping) {
        rows.push_back({item.name, FormatIpText(item.address), FormatMacText(item.mac), kImageNotFound,
                        FillIn(LoadResString(IDS_NOT_RESPONDING), {LocalDateTime(item.lastSeen)})});
    }
    m_deviceList.AppendRows(rows);
}

const RememberedAppliance* CQuickmapDlg::SleepingAt(int row) const {
    const int index = row - m_firstSleepingRow;
    if (m_state.IsScanning() || index < 0 || index >= static_cast<int>(m_sleeping.size())) return nullptr;
    return &m_sleeping[static_cast<size_t>(index)];
}

void CQuickmapDlg::WakeUp() {
    const RememberedAppliance* sleeping = SleepingAt(m_menuRow);
    if (!sleeping || m_wakeCountdown > 0) return;
    if (!SendWakeOnLan(sleeping->mac, sleeping->address)) {
        ReportFailure(IDS_WAKE_FAILED);
        return;
    }
    m_wakingName = sleeping->name;
    m_wakeCountdown = kWakeWaitSeconds;
    ShowWakeCountdown();
    SetTimer(ID_TIMER_WAKE_COUNTDOWN, 1000);
}

void CQuickmapDlg::OnWakeCountdown() {
    if (--m_wakeCountdown > 0) {
        ShowWakeCountdown();
        return;
    }
    m_wakeCountdown = 0;
    KillTimer(ID_TIMER_WAKE_COUNTDOWN);
    // Waits for a running worker or scan rather than take its place.
    if (!StartScan(true)) {
        m_wakeCountdown = 1;
        SetTimer(ID_TIMER_WAKE_COUNTDOWN, 1000);
    }
}

void CQuickmapDlg::ShowWakeCountdown() {
    SetStatusText(FillIn(LoadResString(IDS_WAKING), {m_wakingName, std::to_string(m_wakeCountdown)}));
}
