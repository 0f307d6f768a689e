// The wizard's state without a window: which appliance a page acts on, and which worker's result counts.
#include "app/wizard_state.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct Listed {
    const char* name;
    const char* ip;
    uint8_t macLast;
};

DeviceEntry Entry(const Listed& listed) {
    DeviceEntry entry{};
    std::strncpy(entry.name, listed.name, sizeof entry.name - 1);
    std::strncpy(entry.ipText, listed.ip, sizeof entry.ipText - 1);
    const uint8_t mac[6] = {0x00, 0x11, 0x32, 0xAA, 0x34, listed.macLast};
    std::memcpy(entry.deviceData + 2, mac, sizeof mac);
    entry.ipAddress = 0x0A4D0000u + listed.macLast;
    return entry;
}

DeviceRegistry Found(const std::vector<Listed>& listed) {
    DeviceRegistry registry;
    for (const Listed& one : listed) registry.devices.push_back(Entry(one));
    registry.deviceCount = static_cast<int>(registry.devices.size());
    return registry;
}

const Listed kAlpha{"Alpha", "10.77.0.2", 2};
const Listed kBeta{"Beta", "10.77.0.3", 3};
const Listed kGamma{"Gamma", "10.77.0.4", 4};

// A state showing the share page of Beta, the second of three listed.
WizardState OnSharePageOfBeta() {
    WizardState state;
    state.BeginScan(true);
    state.FinishScan(Found({kAlpha, kBeta, kGamma}));
    state.SelectRow(1);
    EXPECT_EQ(state.EnterSharePage(), DeviceChoice::Chosen);
    return state;
}

std::string ChosenName(const WizardState& state) {
    const DeviceEntry* chosen = state.ChosenAppliance();
    return chosen ? chosen->name : "";
}
}  // namespace

TEST(WizardState, ARescanDuringTheSharePageKeepsTheChosenApplianceOrLeavesThePage) {
    const Listed betaElsewhere{"Beta", "10.77.0.9", 3};
    const Listed otherBetaAtItsAddress{"Beta", "10.77.0.3", 7};
    const Listed betaRenamed{"Bravo", "10.77.0.3", 3};
    struct Case {
        const char* what;
        std::vector<Listed> found;
        ScanArrival arrival;
        WizardPage page;
        std::string chosen;
    } cases[] = {
        {"same list", {kAlpha, kBeta, kGamma}, ScanArrival::Listed, WizardPage::Shares, "Beta"},
        {"reordered, Beta last", {kGamma, kAlpha, kBeta}, ScanArrival::Listed, WizardPage::Shares, "Beta"},
        {"others gone", {kBeta}, ScanArrival::Listed, WizardPage::Shares, "Beta"},
        {"Beta gone", {kAlpha, kGamma}, ScanArrival::ChosenGone, WizardPage::Devices, ""},
        {"nothing found", {}, ScanArrival::ChosenGone, WizardPage::Devices, ""},
        {"Beta at another address", {kAlpha, betaElsewhere}, ScanArrival::ChosenGone, WizardPage::Devices, ""},
        {"another box at Beta's address", {kAlpha, otherBetaAtItsAddress}, ScanArrival::ChosenGone,
         WizardPage::Devices, ""},
        {"Beta renamed", {kAlpha, betaRenamed}, ScanArrival::ChosenGone, WizardPage::Devices, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WizardState state = OnSharePageOfBeta();
        const unsigned generation = state.Generation();
        ASSERT_TRUE(state.BeginScan(false));  // the tray's rescan keeps the list while it runs
        EXPECT_EQ(state.FinishScan(Found(c.found)), c.arrival);
        EXPECT_EQ(state.Page(), c.page);
        EXPECT_EQ(ChosenName(state), c.chosen);
        // Leaving the page drops whatever its workers still deliver.
        EXPECT_EQ(state.Generation() != generation, c.page == WizardPage::Devices);
    }
}

TEST(WizardState, TheSelectionFollowsItsApplianceAcrossScans) {
    WizardState state;
    state.BeginScan(true);
    state.FinishScan(Found({kAlpha, kBeta, kGamma}));
    state.SelectRow(2);
    state.BeginScan(true);
    EXPECT_EQ(state.SelectedEntry(), nullptr);  // nothing to act on while the list is empty
    state.FinishScan(Found({kGamma, kAlpha}));
    EXPECT_EQ(state.SelectedRow(), 0);
    ASSERT_NE(state.SelectedEntry(), nullptr);
    EXPECT_STREQ(state.SelectedEntry()->name, "Gamma");
    state.BeginScan(true);
    state.FinishScan(Found({kAlpha, kBeta}));
    EXPECT_EQ(state.SelectedRow(), -1);
    state.SelectRow(2);  // beyond the list: nothing
    EXPECT_EQ(state.SelectedEntry(), nullptr);
    ASSERT_NE(state.EntryAt(1), nullptr);
    EXPECT_STREQ(state.EntryAt(1)->name, "Beta");
}

TEST(WizardState, NextChoosesTheSelectedOrTheOnlyApplianceAndAsksOtherwise) {
    struct Case {
        std::vector<Listed> found;
        int selectRow;
        DeviceChoice choice;
        std::string chosen;
    } cases[] = {
        {{kAlpha}, -1, DeviceChoice::Chosen, "Alpha"},
        {{kAlpha, kBeta}, -1, DeviceChoice::AskUser, ""},
        {{kAlpha, kBeta}, 1, DeviceChoice::Chosen, "Beta"},
        {{}, -1, DeviceChoice::NothingListed, ""},
    };
    for (const Case& c : cases) {
        WizardState state;
        state.BeginScan(true);
        state.FinishScan(Found(c.found));
        state.ClearSelection();
        state.SelectRow(c.selectRow);
        EXPECT_EQ(state.EnterSharePage(), c.choice);
        EXPECT_EQ(ChosenName(state), c.chosen);
        EXPECT_EQ(state.Page(), c.choice == DeviceChoice::Chosen ? WizardPage::Shares : WizardPage::Devices);
    }
}

TEST(WizardState, ASecondOperationIsRefusedWhileOneRuns) {
    WizardState state = OnSharePageOfBeta();
    const auto listing = state.BeginWork(WorkKind::Listing);
    ASSERT_TRUE(listing);
    EXPECT_FALSE(state.MayMove());
    for (WorkKind kind : {WorkKind::Listing, WorkKind::DriveLetter, WorkKind::WebOperation, WorkKind::Manage})
        EXPECT_FALSE(state.BeginWork(kind));
    EXPECT_FALSE(state.BeginMapping());
    EXPECT_FALSE(state.BeginScan(false));
    EXPECT_TRUE(state.AcceptResult(*listing));
    EXPECT_TRUE(state.MayMove());
    EXPECT_TRUE(state.BeginWork(WorkKind::WebOperation));
}

TEST(WizardState, OnlyTheResultOfTheRunningWorkerOfTheCurrentPageIsApplied) {
    WizardState state = OnSharePageOfBeta();
    const auto abandoned = state.BeginWork(WorkKind::Listing);
    ASSERT_TRUE(abandoned);
    // Silence: the watchdog gives up on it and a new worker starts for the same page.
    int ticks = 0;
    while (!state.WatchdogTick()) ++ticks;
    EXPECT_EQ(ticks, kWorkerSilenceTicks);
    const auto current = state.BeginWork(WorkKind::Listing);
    ASSERT_TRUE(current);
    EXPECT_FALSE(state.AcceptResult(*abandoned));
    EXPECT_TRUE(state.IsBusy());  // the late result did not free the running worker's buttons
    EXPECT_TRUE(state.AcceptResult(*current));
    EXPECT_FALSE(state.AcceptResult(*current));  // never applied twice
}

TEST(WizardState, TheWatchdogCountsSilenceAndLeavesMappingAlone) {
    WizardState state = OnSharePageOfBeta();
    const auto listing = state.BeginWork(WorkKind::Listing);
    for (int folder = 0; folder < 5; ++folder) {
        for (int tick = 0; tick < kWorkerSilenceTicks; ++tick) ASSERT_FALSE(state.WatchdogTick());
        state.NoteProgress();  // one more folder listed
    }
    EXPECT_TRUE(state.AcceptResult(*listing));

    const auto mapping = state.BeginMapping();
    ASSERT_TRUE(mapping);
    for (int tick = 0; tick < 4 * kWorkerSilenceTicks; ++tick) ASSERT_FALSE(state.WatchdogTick());
    EXPECT_TRUE(state.AcceptResult(*mapping));
}

TEST(WizardState, MappingCannotStartTwice) {
    WizardState state = OnSharePageOfBeta();
    const auto mapping = state.BeginMapping();
    ASSERT_TRUE(mapping);
    EXPECT_FALSE(state.BeginMapping());  // while it runs
    ASSERT_TRUE(state.AcceptResult(*mapping));
    state.MappingFinished(false, true);
    EXPECT_EQ(state.Page(), WizardPage::Finish);
    EXPECT_FALSE(state.BeginMapping());  // from the finish page
    // Back to the share page of the same appliance: mapping is offered again, once.
    EXPECT_EQ(state.EnterSharePage(), DeviceChoice::Chosen);
    EXPECT_EQ(ChosenName(state), "Beta");
    EXPECT_TRUE(state.BeginMapping());
    // Nor on a share page without folders.
    WizardState empty = OnSharePageOfBeta();
    empty.NoSharesFound();
    EXPECT_FALSE(empty.BeginMapping());
}

TEST(WizardState, AWorkersViewOfAnApplianceUpdatesOnlyThatAppliance) {
    WizardState state = OnSharePageOfBeta();
    DeviceEntry changed = Entry(kBeta);
    std::strcpy(changed.userName, "admin");
    state.UpdateEntry(changed);
    DeviceEntry stranger = Entry({"Beta", "10.77.0.3", 9});
    std::strcpy(stranger.userName, "intruder");
    state.UpdateEntry(stranger);
    for (const DeviceEntry& entry : state.Registry().devices)
        EXPECT_STREQ(entry.userName, std::string(entry.name) == "Beta" ? "admin" : "") << entry.name;
}
