#include "copy/drop_routing.h"
#include <gtest/gtest.h>

namespace {
const char kMusic[] = "\\Shared Media\\Music";
const char kVideo[] = "\\Shared Media\\Video";
const char kPhoto[] = "\\Shared Media\\Photo";
const char kProgram[] = "\\Shared Data\\Program";
const char kDocument[] = "\\Shared Data\\Document";
const char kOthers[] = "\\Shared Data\\Others";
}  // namespace

TEST(DropRouting, ExtensionsFollowTheListsOddSpotsIncluded) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\in\\Song.MP3", kMusic},        {"C:\\in\\clip.WMA", kMusic},          // inside "..wma"
        {"C:\\in\\movie.mpeg", kVideo},      {"C:\\in\\a.mpeg1", kVideo},           // inside ".mpeg1."
        {"C:\\in\\a.mpeg2", kDocument},      {"C:\\in\\scan.TIF", kPhoto},          // "mpeg2" has no dot
        {"C:\\in\\setup.exe", kProgram},     {"C:\\in\\notes.txt", kDocument},
        {"C:\\in\\x.mp4", kDocument},        {"C:\\in\\README", kOthers},
        {"C:\\in\\tune.ra", kMusic},         {"C:\\in\\stream.ram", kVideo},        // ".ra " vs ".ram"
        {"C:\\in\\sound.aac", kVideo},       {"C:\\in\\odd.", kMusic},              // "." alone is in "..wma"
        {"C:\\in\\archive.tar.gz", kDocument}, {"C:\\Trip.2005\\README", kOthers},  // dot of the folder
        {"C:\\in\\Holiday", kOthers},        {"C:\\in\\Trip.2005", kDocument},
        {"C:\\in\\a.mp", kMusic},            {"C:\\in\\b.e", kProgram},             // partial extensions
        {"C:\\in\\c.jpe", kPhoto},           {"C:\\in\\my file. txt", kOthers},     // a space ends the extension
    };
    for (const auto& c : cases) EXPECT_EQ(RouteByExtension(c.path), c.folder) << c.path;
}

TEST(DropRouting, DestinationFromDriveNetworkAndRelativePaths) {
    EXPECT_EQ(BuildDropDestination("QX-Harborbox", "C:\\Music\\a.mp3"), "\\\\QX-Harborbox\\Shared Media\\Music");
    EXPECT_EQ(BuildDropDestination("QX-Harborbox", "\\\\pc\\share\\a.jpg"), "\\\\QX-Harborbox\\Shared Media\\Photo");
    EXPECT_EQ(BuildDropDestination("nas", "D:\\setup.exe"), "\\\\nas\\Shared Data\\Program");
    // Only the remainder's extension counts: a dotted server name changes nothing.
    EXPECT_EQ(BuildDropDestination("nas", "\\\\pc.lan\\share\\README"), "\\\\nas\\Shared Data\\Others");
    EXPECT_EQ(BuildDropDestination("nas", "\\\\pc"), "");           // no share part
    EXPECT_EQ(BuildDropDestination("nas", "\\\\\\x\\a.mp3"), "");   // third backslash right away
    EXPECT_EQ(BuildDropDestination("nas", "Music\\a.mp3"), "");     // relative
    EXPECT_EQ(BuildDropDestination("nas", ":a.mp3"), "");           // colon first
    EXPECT_EQ(BuildDropDestination("nas", ""), "");
}
