// The remembered appliances in the user's registry: what is saved comes back, in order; forgotten ones
// are gone; a damaged value is left out without losing the others.
#include "discovery/datagram.h"
#include "discovery/remembered_store.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>

namespace {
DeviceEntry Seen(const std::string& name, const std::string& ip, uint8_t macTail) {
    DeviceEntry entry{};
    CopyToField(entry.name, name.c_str(), name.size());
    entry.ipAddress = *ParseIpText(ip);
    entry.deviceData[2] = 0x00;
    entry.deviceData[3] = 0x11;
    entry.deviceData[7] = macTail;
    return entry;
}

std::vector<std::string> Listed(const RememberedAppliances& remembered) {
    std::vector<std::string> listed;
    for (const auto& item : remembered.Items())
        listed.push_back(item.name + "@" + FormatIpText(item.address) + (item.added ? "+" : ""));
    return listed;
}
}  // namespace

TEST(RememberedStore, SavedAppliancesComeBackAndForgottenOnesStayGone) {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kRememberedAppliancesKey);
    EXPECT_TRUE(LoadRememberedAppliances().Items().empty());

    RememberedAppliances remembered;
    remembered.RecordSeen({Seen("Office", "10.77.0.2", 1), Seen("Attic", "10.77.0.3", 2)}, 1000);
    remembered.Add(Seen("Routed \xC4rger", "10.79.0.2", 3), 2000);
    ASSERT_TRUE(SaveRememberedAppliances(remembered));
    EXPECT_EQ(Listed(LoadRememberedAppliances()),
              (std::vector<std::string>{"Routed \xC4rger@10.79.0.2+", "Office@10.77.0.2", "Attic@10.77.0.3"}));

    remembered.Forget(MacOf(Seen("", "10.77.0.2", 1)));
    ASSERT_TRUE(SaveRememberedAppliances(remembered));
    EXPECT_EQ(Listed(LoadRememberedAppliances()),
              (std::vector<std::string>{"Routed \xC4rger@10.79.0.2+", "Attic@10.77.0.3"}));

    // Values that are not ours, or damaged, are skipped.
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kRememberedAppliancesKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const char damaged[] = "10.79.0\t5\t1\tBroken";
    ::RegSetValueExA(key, "00-11-00-00-00-09", 0, REG_SZ, reinterpret_cast<const BYTE*>(damaged), sizeof damaged);
    const DWORD number = 7;
    ::RegSetValueExA(key, "00-11-00-00-00-0A", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    ::RegCloseKey(key);
    EXPECT_EQ(Listed(LoadRememberedAppliances()),
              (std::vector<std::string>{"Routed \xC4rger@10.79.0.2+", "Attic@10.77.0.3"}));
    // The next save leaves only its own values.
    ASSERT_TRUE(SaveRememberedAppliances(remembered));
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kRememberedAppliancesKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD values = 0;
    ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                       nullptr);
    ::RegCloseKey(key);
    EXPECT_EQ(values, 2u);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kRememberedAppliancesKey);
}
