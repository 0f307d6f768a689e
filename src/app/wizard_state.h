// What the wizard window shows and what it may start, without a window: the device registry, the appliance
// the user chose, the page, the generation, the running worker and the administrator credential cache. The
// window forwards the user's moves and its workers' results here and draws what this says; it runs on the
// window's thread only.
#pragma once
#include "app/help_choice.h"
#include "common/admin_credentials.h"
#include "discovery/device_registry.h"
#include "discovery/remembered_appliances.h"
#include "shares/share_names.h"
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// An appliance as the user picked it. A rescan finds it again only where MAC and address both still match.
struct ApplianceKey {
    uint8_t mac[6] = {};
    uint32_t ipAddress = 0;
    std::string ipText;

    static ApplianceKey Of(const DeviceEntry& entry);
    bool Matches(const DeviceEntry& entry) const;
};

// Workers whose silence the watchdog judges, and the one it leaves alone: mapping ends by itself and its
// connections must not be made twice.
enum class WorkKind { Listing, Mapping, DriveLetter, WebOperation, Manage, AddressQuery };

// What a worker's result is checked against when it comes back.
struct WorkTicket {
    unsigned generation = 0;
    unsigned token = 0;
};

// The outcome of asking for the device a move or a drop is for.
enum class DeviceChoice { Chosen, NothingListed, AskUser };

// The outcome of a scan arriving.
enum class ScanArrival { Listed, ChosenGone };

// Ticks of the progress animation (50 ms each) a worker may stay silent before it is abandoned.
constexpr int kWorkerSilenceTicks = 600;

class WizardState {
public:
    // --- scans and the registry
    // False while a scan or a worker runs: a worker holds a snapshot a rescan would replace under it.
    bool BeginScan(bool emptyTheList);
    // The found registry replaces the old one; the selection and the chosen appliance are kept where the
    // same appliance is listed again. When the appliance of the share page is gone, the device page returns.
    ScanArrival FinishScan(DeviceRegistry found);
    bool IsScanning() const { return m_scanning; }
    // Which scan runs or ran last: an entry a scan hands over early counts only while that scan runs.
    unsigned ScanNumber() const { return m_scanNumber; }
    const DeviceRegistry& Registry() const { return m_registry; }
    int DeviceCount() const { return m_registry.deviceCount; }
    bool RegistryOlderThan(std::time_t now, std::time_t seconds) const;
    void MarkRegistryFresh(std::time_t now) { m_registry.scanStartTime = now; }
    const DeviceEntry* EntryAt(int row) const;
    // An appliance's entry as a worker saw or changed it, matched by MAC and address.
    void UpdateEntry(const DeviceEntry& changed);

    // --- the device page's selection, kept by appliance, not by row
    void SelectRow(int row);
    void ClearSelection() { m_selected.reset(); }
    int SelectedRow() const;
    const DeviceEntry* SelectedEntry() const;
    // The selected appliance, or the only one when none is selected.
    DeviceChoice ChooseDevice();

    // --- pages
    WizardPage Page() const { return m_page; }
    // From the device page, binds the share page to the chosen appliance; from the share or finish page,
    // loads the share page of the appliance already chosen.
    DeviceChoice EnterSharePage();
    void ReturnToDevicePage();
    // The appliance the share page was entered for, as the registry lists it now; null on the device page.
    const DeviceEntry* ChosenAppliance() const;
    unsigned Generation() const { return m_generation; }
    // Next, Back, Refresh and hiding the window wait for the running worker.
    bool MayMove() const { return !IsBusy() && !m_scanning; }

    // --- workers
    bool IsBusy() const { return m_token != 0; }
    // A ticket for a worker of the current page; none while another runs or a scan runs.
    std::optional<WorkTicket> BeginWork(WorkKind kind);
    // Mapping the ticked folders: only from the share page with folders, and only once.
    std::optional<WorkTicket> BeginMapping();
    // The one check of every result: true when it belongs to the current page and its running worker, which
    // is then over.
    bool AcceptResult(const WorkTicket& ticket);
    // A worker that could not start gives its ticket back.
    void CancelWork(const WorkTicket& ticket);
    // Restarts the watchdog: the worker showed progress.
    void NoteProgress() { m_silentTicks = 0; }
    // One tick of the progress animation. True when the running worker has been silent too long: it is
    // abandoned (its late result belongs to an old generation).
    bool WatchdogTick();
    int ProgressPosition() const { return m_silentTicks % 100; }
    void ResetProgress() { m_silentTicks = 0; }

    // --- the share and finish pages
    void ShareListingArrived(std::vector<MappedDrive> drives);
    void NoSharesFound() { m_noShares = true; }
    bool NoShares() const { return m_noShares; }
    // Mapping's result: the finish page.
    void MappingFinished(bool mapFailed, bool createShortcuts);
    bool MapFailed() const { return m_mapFailed; }
    void SetCreateShortcuts(bool on) { m_createShortcuts = on; }
    bool CreateShortcuts() const { return m_createShortcuts; }
    void SetMappedDrives(std::vector<MappedDrive> drives) { m_mappedDrives = std::move(drives); }
    const std::vector<MappedDrive>& MappedDrives() const { return m_mappedDrives; }
    void SetCurrentLetter(std::string letter) { m_currentLetter = std::move(letter); }
    const std::string& CurrentLetter() const { return m_currentLetter; }

    // --- appliances seen before and added by address, asked directly in every scan
    RememberedAppliances& Remembered() { return m_remembered; }
    const RememberedAppliances& Remembered() const { return m_remembered; }

    // --- the administrator credential cache, emptied by every scan's result
    const AdminCredentials& Credentials() const { return m_credentials; }
    void SetCredentials(AdminCredentials credentials) { m_credentials = std::move(credentials); }

private:
    const DeviceEntry* FindEntry(const ApplianceKey& key) const;
    void NextGeneration();

    DeviceRegistry m_registry;
    bool m_scanning = false;
    unsigned m_scanNumber = 0;
    std::optional<ApplianceKey> m_selected;
    std::optional<ApplianceKey> m_chosen;  // bound when the share page is entered
    std::string m_chosenName;              // a renamed appliance is another share page
    WizardPage m_page = WizardPage::Devices;
    unsigned m_generation = 0;
    unsigned m_token = 0;
    unsigned m_lastToken = 0;
    WorkKind m_kind = WorkKind::Listing;
    int m_silentTicks = 0;
    AdminCredentials m_credentials;
    RememberedAppliances m_remembered;
    bool m_noShares = false;
    bool m_mapFailed = false;
    bool m_createShortcuts = false;
    std::vector<MappedDrive> m_mappedDrives;
    std::string m_currentLetter;
};
