// Network names as the Windows networking stand-in reads and writes them.
#include "platform/unc_name.h"
#include <gtest/gtest.h>

TEST(UncName, SplitAndDriveTargets) {
    UncName name;
    ASSERT_TRUE(SplitUncName("\\\\QX-Harborbox\\Shared Media", name));
    EXPECT_EQ(name.server, "QX-Harborbox");
    EXPECT_EQ(name.share, "Shared Media");
    ASSERT_TRUE(SplitUncName("\\\\10.77.0.2\\", name));
    EXPECT_EQ(name.server, "10.77.0.2");
    EXPECT_EQ(name.share, "");
    for (const char* bad : {"", "\\\\", "\\\\\\share", "\\server\\share", "Z:", "\\\\srv\\a\\b", "\\\\srv\\\\",
                            "\\\\..\\share", "\\\\.\\", "\\\\a/b\\share", "\\\\x --switch=1", "\\\\srv\\..",
                            "\\\\srv\\NUL", "\\\\srv\\a:b", "\\\\srv\\a/../b", "\\\\srv\\line\nbreak"})
        EXPECT_FALSE(SplitUncName(bad, name)) << bad;

    EXPECT_EQ(MountPointFromUnixPath("/t/prefix/dosdevices/unc/QX-Harborbox/Shared Media"),
              "unc/QX-Harborbox/Shared Media");
    EXPECT_EQ(MountPointFromUnixPath("/t/prefix/dosdevices/unc/QX-Harborbox"), "");
    EXPECT_EQ(MountPointFromUnixPath("/t/prefix/drive_c/users"), "");
    EXPECT_EQ(UncFromMountPoint("unc/QX-Harborbox/Shared Media"), "\\\\QX-Harborbox\\Shared Media");
    EXPECT_EQ(UncFromMountPoint("../drive_c"), "");
    EXPECT_EQ(UncFromMountPoint("/"), "");

    EXPECT_EQ(DriveLetterOf("z:"), 'Z');
    EXPECT_EQ(DriveLetterOf("Y:"), 'Y');
    for (const char* bad : {"", ":", "Z", "Z:\\", "1:", "ZZ:"}) EXPECT_EQ(DriveLetterOf(bad), 0) << bad;
}
