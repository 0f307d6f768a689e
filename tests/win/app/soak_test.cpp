// Long use of the real wizard window: page round trips and copy batches must not leave GDI objects, USER
// objects or kernel handles behind. The figures go to the test's output for the record.
#include "copy/drop_test_window.h"
#include "copy/file_drop.h"
#include "copy/scratch_files.h"
#include "wizard_fixture.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Resources {
    long gdi, user, handles;
};

// Wine answers GetGuiResources and GetProcessHandleCount with 0. There the live handles are counted by
// probing the handle spaces instead: Wine accepts GDI and USER handles by their table index alone, and
// kernel handles are small multiples of four.
long ProbedGdiObjects() {
    long count = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index)
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++count;
    return count;
}

long ProbedUserObjects() {
    const DWORD self = ::GetCurrentProcessId();
    long count = 0;
    for (UINT_PTR index = 0x20; index < 0x10000; index += 2) {
        const HWND window = reinterpret_cast<HWND>(index);
        DWORD owner = 0;
        if (::IsWindow(window) && ::GetWindowThreadProcessId(window, &owner) && owner == self) ++count;
        else if (::IsMenu(reinterpret_cast<HMENU>(index))) ++count;
    }
    return count;
}

long ProbedKernelHandles() {
    long count = 0;
    DWORD flags = 0;
    for (UINT_PTR value = 4; value < 0x10000; value += 4)
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    return count;
}

Resources Measure() {
    const HANDLE self = ::GetCurrentProcess();
    DWORD handles = 0;
    ::GetProcessHandleCount(self, &handles);
    Resources counted = {static_cast<long>(::GetGuiResources(self, GR_GDIOBJECTS)),
                         static_cast<long>(::GetGuiResources(self, GR_USEROBJECTS)), static_cast<long>(handles)};
    if (!counted.gdi) counted.gdi = ProbedGdiObjects();
    if (!counted.user) counted.user = ProbedUserObjects();
    if (!counted.handles) counted.handles = ProbedKernelHandles();
    return counted;
}

void Report(const char* what, const Resources& start, const Resources& middle, const Resources& end) {
    std::printf("soak: %s: GDI objects %ld -> %ld -> %ld, USER objects %ld -> %ld -> %ld, handles %ld -> %ld -> %ld\n",
                what, start.gdi, middle.gdi, end.gdi, start.user, middle.user, end.user, start.handles, middle.handles,
                end.handles);
}

// Under Wine a copy batch can add a dozen DCs with their clip regions once, at a moment that depends on
// timing, and keep them for good: one step between two samples. A leak grows step after step, so the
// growth from start to end less its largest single step is what is bounded.
constexpr long kAllowedGrowth = 10;

long SpreadGrowth(const std::vector<long>& samples) {
    long largestStep = 0;
    for (size_t i = 1; i < samples.size(); ++i) largestStep = std::max(largestStep, samples[i] - samples[i - 1]);
    return samples.back() - samples.front() - largestStep;
}

void ExpectBoundedGrowth(const std::vector<Resources>& samples) {
    std::vector<long> gdi, user, handles;
    for (const Resources& sample : samples) {
        gdi.push_back(sample.gdi);
        user.push_back(sample.user);
        handles.push_back(sample.handles);
    }
    EXPECT_LE(SpreadGrowth(gdi), kAllowedGrowth);
    EXPECT_LE(SpreadGrowth(user), kAllowedGrowth);
    EXPECT_LE(SpreadGrowth(handles), kAllowedGrowth);
}
}  // namespace

class Soak : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        AddDevice("QX-Harborbox", "10.77.0.2");
    }
    // Next to the share page, its listing in the tree, and Back.
    bool PageRoundTrip() {
        CShareTreeCtrl& tree = ShareTree();
        tree.DeleteAllItems();
        Click(IDC_NEXT);
        const bool listed = testbed::PumpUntil(
            [&] {
                const HTREEITEM root = tree.GetRootItem();
                return root && !m_window->State().IsBusy() && tree.GetChildItem(root) &&
                       tree.GetItemText(root) == "QX-Harborbox";
            },
            10000);
        Click(IDC_BACK);
        return listed && DeviceList().IsWindowVisible();
    }
    // One small file dropped and copied, its progress window gone again.
    bool CopyBatch(const std::string& folder, int number) {
        const std::string name = "soak-" + std::to_string(number) + "-" + scratch::UniqueName("f") + ".wav";
        scratch::Write(folder + "\\" + name, "RIFF soak");
        PostFileDrop(Control(IDC_DEVICE_LIST), {folder + "\\" + name});
        const std::string arrived = std::string(scratch::kMediaShare) + "\\Music\\" + name;
        return testbed::PumpUntil([&] { return scratch::IsFile(arrived); }, 10000) &&
               testbed::PumpUntil([] { return !FindCopyProgressWindow(); }, 10000);
    }
    // Counted once what the last batch or page started has ended: the progress window can still open after
    // the file arrived, and workers end a moment after handing their results back.
    Resources Settled() {
        testbed::PumpUntil([] { return !FindCopyProgressWindow(); }, 10000);
        testbed::PumpFor(1500);
        Resources last = Measure();
        for (int attempt = 0; attempt < 3; ++attempt) {
            testbed::PumpFor(1000);
            const Resources now = Measure();
            if (now.gdi == last.gdi && now.user == last.user && now.handles == last.handles) break;
            last = now;
        }
        return last;
    }
};

TEST_F(Soak, TheCountsSeeWhatIsLeftBehind) {
    const Resources before = Measure();
    HPEN pens[3];
    for (HPEN& pen : pens) pen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    const HMENU menu = ::CreatePopupMenu();
    const HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const Resources during = Measure();
    EXPECT_EQ(during.gdi - before.gdi, 3);
    EXPECT_EQ(during.user - before.user, 1);
    EXPECT_EQ(during.handles - before.handles, 1);
    for (HPEN pen : pens) ::DeleteObject(pen);
    ::DestroyMenu(menu);
    ::CloseHandle(event);
    const Resources after = Measure();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(after.handles, before.handles);
}

TEST_F(Soak, PageRoundTripsAndCopyBatchesLeaveNothingBehind) {
    // Once each first: what the first use creates for good (window classes, caches) is not growth.
    ASSERT_TRUE(PageRoundTrip());
    const std::string folder = scratch::NewLocalFolder();
    ASSERT_TRUE(CopyBatch(folder, 0));

    std::vector<Resources> pages = {Settled()};
    for (int cycle = 0; cycle < 300; ++cycle) {
        ASSERT_TRUE(PageRoundTrip()) << "cycle " << cycle;
        if (cycle % 50 == 49) pages.push_back(Settled());
    }
    Report("300 page round trips", pages.front(), pages[pages.size() / 2], pages.back());
    ExpectBoundedGrowth(pages);

    std::vector<Resources> copies = {pages.back()};
    for (int batch = 1; batch <= 100; ++batch) {
        ASSERT_TRUE(CopyBatch(folder, batch)) << "batch " << batch;
        if (batch % 10 == 0) copies.push_back(Settled());
    }
    Report("100 copy batches", copies.front(), copies[copies.size() / 2], copies.back());
    ExpectBoundedGrowth(copies);
}
