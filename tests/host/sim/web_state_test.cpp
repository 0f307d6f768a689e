#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "appliance-sim/web_auth.h"
#include "appliance-sim/web_state.h"

namespace appliance_sim {
namespace {

namespace fs = std::filesystem;

class SimWebState : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(::testing::TempDir()) / ("sim_web_state_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        state_.volumes = {"Volume_1", "Volume_2"};
        state_.shares = {{"Music", "Volume_1"}};
        state_.usb_shares = {{"Stick_A", "usbdisk1"}, {"Camera", "usbdisk2"}, {"Stick_B", "usbdisk1"}};
        create_share_folders(state_, root());
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string root() const { return root_.string(); }
    bool folder(const std::string& name) const { return fs::is_directory(root_ / name); }

    fs::path root_;
    WebState state_;
};

TEST_F(SimWebState, AddShareMakesItsFolderOnAKnownVolumeOnly) {
    EXPECT_TRUE(folder("Music"));
    EXPECT_TRUE(add_share(state_, root(), "Photos", "Volume_2"));
    EXPECT_TRUE(folder("Photos"));
    ASSERT_EQ(state_.shares.size(), 2u);
    EXPECT_EQ(state_.shares[1].place, "Volume_2");

    EXPECT_FALSE(add_share(state_, root(), "Video", "Volume_9"));
    EXPECT_FALSE(add_share(state_, root(), "photos", "Volume_1"));   // names are case-insensitive
    EXPECT_FALSE(add_share(state_, root(), "stick_a", "Volume_1"));  // also against external disks
    EXPECT_FALSE(add_share(state_, root(), "", "Volume_1"));
    EXPECT_FALSE(add_share(state_, root(), "..", "Volume_1"));
    EXPECT_FALSE(add_share(state_, root(), "a/b", "Volume_1"));
    EXPECT_FALSE(folder("Video"));
    EXPECT_EQ(state_.shares.size(), 2u);

    // With a password the new share is private.
    EXPECT_TRUE(add_share(state_, root(), "Vault", "Volume_1", "k\xE9y"));
    std::ifstream marker(root_ / ".passwords" / "Vault", std::ios::binary);
    std::string password;
    std::getline(marker, password);
    EXPECT_EQ(password, "k\xE9y");
}

TEST_F(SimWebState, DeleteShareNeedsTheRightVolumeAndRemovesTheFolder) {
    EXPECT_FALSE(delete_share(state_, root(), "Music", "Volume_2"));
    EXPECT_TRUE(folder("Music"));
    EXPECT_TRUE(delete_share(state_, root(), "Music", "Volume_1"));
    EXPECT_FALSE(folder("Music"));
    EXPECT_TRUE(state_.shares.empty());
    EXPECT_FALSE(delete_share(state_, root(), "Music", "Volume_1"));
}

TEST_F(SimWebState, SafeRemovalDropsEveryShareOfThatDisk) {
    EXPECT_TRUE(safely_remove_disk(state_, root(), "usbdisk1"));
    ASSERT_EQ(state_.usb_shares.size(), 1u);
    EXPECT_EQ(state_.usb_shares[0].name, "Camera");
    EXPECT_FALSE(folder("Stick_A"));
    EXPECT_FALSE(folder("Stick_B"));
    EXPECT_TRUE(folder("Camera"));
    EXPECT_FALSE(safely_remove_disk(state_, root(), "usbdisk1"));
}

TEST_F(SimWebState, WithoutShareRootOnlyTheStateChanges) {
    EXPECT_TRUE(add_share(state_, "", "Photos", "Volume_1"));
    EXPECT_FALSE(folder("Photos"));
}

TEST_F(SimWebState, ExportHoldsTheHiddenFolderAndPrivatePasswordsBesideTheShares) {
    EXPECT_TRUE(folder("config"));
    EXPECT_FALSE(set_share_password(state_, "Nothing", "x"));
    ASSERT_TRUE(set_share_password(state_, "music", "s3cret"));
    create_share_folders(state_, root());
    std::ifstream marker(root_ / ".passwords" / "Music");
    std::string password;
    std::getline(marker, password);
    EXPECT_EQ(password, "s3cret");
    EXPECT_FALSE(fs::exists(root_ / ".passwords" / "Stick_A"));
    // The password goes with its share.
    EXPECT_TRUE(delete_share(state_, root(), "Music", "Volume_1"));
    EXPECT_FALSE(fs::exists(root_ / ".passwords" / "Music"));
}

TEST(SimWebAuth, AcceptsOnlyTheAdministratorsBasicCredentials) {
    WebSettings settings;
    settings.admin_user = "admin";
    settings.admin_password = "secret";
    EXPECT_TRUE(has_admin_credentials("Basic YWRtaW46c2VjcmV0", settings));  // admin:secret
    EXPECT_FALSE(has_admin_credentials("Basic YWRtaW46bm9wZQ==", settings));  // admin:nope
    EXPECT_FALSE(has_admin_credentials("Digest YWRtaW46c2VjcmV0", settings));
    EXPECT_FALSE(has_admin_credentials("Basic !!!", settings));
    EXPECT_FALSE(has_admin_credentials("", settings));
    settings.admin_password = "";
    EXPECT_TRUE(has_admin_credentials("Basic YWRtaW46", settings));  // admin:
}

}  // namespace
}  // namespace appliance_sim
