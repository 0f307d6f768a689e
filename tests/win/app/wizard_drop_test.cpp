// Files dropped on the running wizard window's device list, on their way to the chosen appliance's shares.
#include "copy/file_drop.h"
#include "copy/scratch_files.h"
#include "wizard_fixture.h"
#include <algorithm>

class WizardDrop : public WizardFixture {
protected:
    void ListAppliances(const std::vector<std::string>& names) {
        for (size_t i = 0; i < names.size(); ++i) AddDevice(names[i], "10.77.0." + std::to_string(2 + i));
    }
    void Drop(const std::vector<std::string>& paths) { PostFileDrop(Control(IDC_DEVICE_LIST), paths); }
};

TEST_F(WizardDrop, FilesArriveOnTheOnlyApplianceSortedByKind) {
    ListAppliances({"QX-Harborbox"});
    Unselect();  // one appliance, none selected: the drop chooses it
    const std::string folder = scratch::NewLocalFolder();
    const std::string song = scratch::UniqueName("tune") + ".wav";
    const std::string photo = scratch::UniqueName("holiday") + ".gif";
    scratch::Write(folder + "\\" + song, "RIFF song bytes");
    scratch::Write(folder + "\\" + photo, "GIF89a photo bytes");

    Drop({folder + "\\" + song, folder + "\\" + photo});
    const std::string media = scratch::kMediaShare;
    EXPECT_TRUE(testbed::PumpUntil(
        [&] { return scratch::IsFile(media + "\\Music\\" + song) && scratch::IsFile(media + "\\Photo\\" + photo); },
        10000));
    EXPECT_EQ(scratch::Read(media + "\\Music\\" + song), "RIFF song bytes");
    EXPECT_EQ(scratch::Read(media + "\\Photo\\" + photo), "GIF89a photo bytes");
    EXPECT_EQ(m_window->State().SelectedRow(), 0);
}

TEST_F(WizardDrop, SeveralAppliancesAndNoneSelectedAsksOncePerDrop) {
    ListAppliances({"Alpha", "Beta"});
    Unselect();
    const std::string folder = scratch::NewLocalFolder();
    for (const char* name : {"a.mp3", "b.jpg", "c.txt"}) scratch::Write(folder + "\\" + name, name);

    Drop({folder + "\\a.mp3", folder + "\\b.jpg", folder + "\\c.txt"});
    testbed::PumpFor(1000);
    const std::vector<std::string> texts = m_boxes->Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Highlight and select a device first."), 1);
    EXPECT_EQ(m_window->State().SelectedRow(), -1);
}
