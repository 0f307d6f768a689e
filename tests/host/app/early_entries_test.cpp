#include "app/early_entries.h"
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace {
DeviceEntry Named(int n) {
    DeviceEntry entry{};
    const std::string name = "Box-" + std::to_string(n);
    name.copy(entry.name, sizeof entry.name - 1);
    return entry;
}
}  // namespace

TEST(EarlyEntries, OneMessagePerBatchAndNoneBeyondTheBound) {
    EarlyEntries early;
    EXPECT_TRUE(early.Add(Named(0)));   // the window must be told
    EXPECT_FALSE(early.Add(Named(1)));  // already on its way with the first
    auto taken = early.Take();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_STREQ(taken[1].name, "Box-1");
    EXPECT_TRUE(early.Take().empty());
    EXPECT_TRUE(early.Add(Named(2)));  // a new batch after the take

    for (int n = 3; n < 1000; ++n) early.Add(Named(n));
    EXPECT_EQ(early.Take().size(), EarlyEntries::kMaxEntries - 2);
    EXPECT_FALSE(early.Add(Named(1000)));
    EXPECT_TRUE(early.Take().empty());
}

TEST(EarlyEntries, EveryEntryAddedWhileTakingArrivesOnce) {
    EarlyEntries early;
    size_t told = 0, arrived = 0;
    std::thread scan([&] {
        for (int n = 0; n < 64; ++n) told += early.Add(Named(n)) ? 1 : 0;
    });
    while (arrived < 64) arrived += early.Take().size();
    scan.join();
    EXPECT_EQ(arrived, 64u);
    EXPECT_GE(told, 1u);
}
