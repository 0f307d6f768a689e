#include "app/wizard_state.h"
#include <cstring>

ApplianceKey ApplianceKey::Of(const DeviceEntry& entry) {
    ApplianceKey key;
    std::memcpy(key.mac, entry.deviceData + 2, sizeof key.mac);
    key.ipAddress = entry.ipAddress;
    key.ipText = entry.ipText;
    return key;
}

bool ApplianceKey::Matches(const DeviceEntry& entry) const {
    return std::memcmp(mac, entry.deviceData + 2, sizeof mac) == 0 && ipAddress == entry.ipAddress &&
           ipText == entry.ipText;
}

bool WizardState::BeginScan(bool emptyTheList) {
    if (m_scanning || IsBusy()) return false;
    m_scanning = true;
    ++m_scanNumber;
    if (emptyTheList) {
        // The list and the registry empty together, so no row can name a stale entry.
        m_registry.devices.clear();
        m_registry.deviceCount = 0;
    }
    return true;
}

ScanArrival WizardState::FinishScan(DeviceRegistry found) {
    m_registry = std::move(found);
    m_scanning = false;
    m_credentials = {};
    if (m_selected && !FindEntry(*m_selected)) m_selected.reset();
    if (m_page == WizardPage::Devices) return ScanArrival::Listed;
    const DeviceEntry* chosen = ChosenAppliance();
    if (chosen && m_chosenName == chosen->name) return ScanArrival::Listed;
    ReturnToDevicePage();
    return ScanArrival::ChosenGone;
}

bool WizardState::RegistryOlderThan(std::time_t now, std::time_t seconds) const {
    return now - m_registry.scanStartTime > seconds;
}

const DeviceEntry* WizardState::EntryAt(int row) const {
    if (row < 0) return nullptr;
    int position = 0;
    for (const DeviceEntry& entry : m_registry.devices)
        if (position++ == row) return &entry;
    return nullptr;
}

void WizardState::UpdateEntry(const DeviceEntry& changed) {
    const ApplianceKey key = ApplianceKey::Of(changed);
    for (DeviceEntry& entry : m_registry.devices)
        if (key.Matches(entry)) entry = changed;
}

void WizardState::SelectRow(int row) {
    if (const DeviceEntry* entry = EntryAt(row)) m_selected = ApplianceKey::Of(*entry);
}

int WizardState::SelectedRow() const {
    if (!m_selected) return -1;
    int row = 0;
    for (const DeviceEntry& entry : m_registry.devices) {
        if (m_selected->Matches(entry)) return row;
        ++row;
    }
    return -1;
}

const DeviceEntry* WizardState::SelectedEntry() const { return m_selected ? FindEntry(*m_selected) : nullptr; }

DeviceChoice WizardState::ChooseDevice() {
    if (SelectedEntry()) return DeviceChoice::Chosen;
    if (m_registry.deviceCount == 1) {
        SelectRow(0);
        if (SelectedEntry()) return DeviceChoice::Chosen;
    }
    return m_registry.deviceCount > 0 ? DeviceChoice::AskUser : DeviceChoice::NothingListed;
}

DeviceChoice WizardState::EnterSharePage() {
    if (m_page == WizardPage::Devices) {
        const DeviceChoice choice = ChooseDevice();
        if (choice != DeviceChoice::Chosen) return choice;
        m_chosen = m_selected;
        m_chosenName = SelectedEntry()->name;
    } else if (!ChosenAppliance()) {
        ReturnToDevicePage();
        return DeviceChoice::NothingListed;
    }
    m_page = WizardPage::Shares;
    NextGeneration();
    return DeviceChoice::Chosen;
}

void WizardState::ReturnToDevicePage() {
    m_page = WizardPage::Devices;
    m_chosen.reset();
    m_chosenName.clear();
    NextGeneration();
}

const DeviceEntry* WizardState::ChosenAppliance() const {
    if (m_page == WizardPage::Devices || !m_chosen) return nullptr;
    return FindEntry(*m_chosen);
}

std::optional<WorkTicket> WizardState::BeginWork(WorkKind kind) {
    if (IsBusy() || m_scanning) return std::nullopt;
    if (++m_lastToken == 0) ++m_lastToken;
    m_token = m_lastToken;
    m_kind = kind;
    m_silentTicks = 0;
    return WorkTicket{m_generation, m_token};
}

std::optional<WorkTicket> WizardState::BeginMapping() {
    if (m_page != WizardPage::Shares || m_noShares || IsBusy() || m_scanning) return std::nullopt;
    NextGeneration();  // a listing abandoned earlier must not refill the page under the mapping
    return BeginWork(WorkKind::Mapping);
}

bool WizardState::AcceptResult(const WorkTicket& ticket) {
    if (ticket.generation != m_generation || ticket.token != m_token) return false;
    m_token = 0;
    m_silentTicks = 0;
    return true;
}

void WizardState::CancelWork(const WorkTicket& ticket) {
    if (ticket.token == m_token) m_token = 0;
}

bool WizardState::WatchdogTick() {
    ++m_silentTicks;
    if (!IsBusy() || m_kind == WorkKind::Mapping || m_silentTicks <= kWorkerSilenceTicks) return false;
    NextGeneration();
    m_token = 0;
    m_silentTicks = 0;
    return true;
}

void WizardState::ShareListingArrived(std::vector<MappedDrive> drives) {
    m_mappedDrives = std::move(drives);
    m_noShares = false;
}

void WizardState::MappingFinished(bool mapFailed, bool createShortcuts) {
    m_mapFailed = mapFailed;
    m_createShortcuts = createShortcuts;
    m_page = WizardPage::Finish;
}

const DeviceEntry* WizardState::FindEntry(const ApplianceKey& key) const {
    for (const DeviceEntry& entry : m_registry.devices)
        if (key.Matches(entry)) return &entry;
    return nullptr;
}

void WizardState::NextGeneration() { ++m_generation; }
