// A prepared source tree (tests/e2e/copy_tree.sh makes it with what only the Linux side can make: links)
// dropped on the device list: names outside the ANSI code page, a trailing dot, a path over 260
// characters, a folder another program holds locked, a folder link that closes a cycle and a file link.
// What arrives is compared byte for byte, and the report line for line.
#include "copy/copy_exception.h"
#include "copy/copy_names.h"
#include "drop_test_window.h"
#include "scratch_files.h"
#include "window_driver.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {
// Relative path -> bytes of every file below a folder; folders as "<folder>", folder links as "<link>".
using Tree = std::map<std::wstring, std::string>;

std::string ReadAll(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

void ReadTree(const std::wstring& root, const std::wstring& relative, Tree& tree) {
    const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
    WIN32_FIND_DATAW entry;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            tree[path] = "<link>";
        } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree[path] = "<folder>";
            ReadTree(root, path, tree);
        } else {
            tree[path] = ReadAll(root + L"\\" + path);
        }
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
}

Tree TreeOf(const std::wstring& folder) {
    Tree tree;
    ReadTree(ExtendedLengthPath(folder), std::wstring(), tree);
    return tree;
}

std::vector<std::string> SortedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.pop_back();
    return wide;
}
}  // namespace

TEST(CopyTree, EverythingReadableArrivesExactlyAndEveryProblemIsReported) {
    const char* prepared = std::getenv("QM_COPY_TREE");
    if (!prepared) GTEST_SKIP() << "needs the tree of tests/e2e/copy_tree.sh";
    const std::wstring source = Wide(prepared);  // ...\Holiday
    const Tree before = TreeOf(source);
    // What the script made is what the Wine file system shows: otherwise the test proves nothing.
    const std::wstring trip = L"Trip \U0001F334";
    ASSERT_EQ(before.count(trip + L"\\beach.jpg"), 1u);
    ASSERT_EQ(before.count(L"notes."), 1u);
    ASSERT_EQ(before.at(L"Sub\\loop"), "<link>");  // a Linux link to a folder is a reparse point under Wine
    ASSERT_EQ(before.at(L"link.txt"), before.at(L"real.txt"));
    const auto deepest = std::max_element(before.begin(), before.end(), [](const auto& a, const auto& b) {
        return a.first.size() < b.first.size();
    });
    ASSERT_GT((source + L"\\" + deepest->first).size(), 300u);

    // Another program holds this folder open without sharing: it cannot be listed.
    HANDLE lock = ::CreateFileW((source + L"\\Locked").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    DropTestWindow window({"QX-Harborbox"});
    window.InstallCopyCallback();
    // The folder with a name outside the ANSI code page is dropped once more on its own: dropped names are wide too.
    window.PostDrop(std::vector<std::wstring>{source, source + L"\\" + trip});
    ASSERT_TRUE(window.WaitUntilCopied(60000));
    ::CloseHandle(lock);

    Tree expected = before;
    expected.erase(L"Locked");
    expected.erase(L"Locked\\inside.txt");
    expected.erase(L"Sub\\loop");
    const Tree arrived = TreeOf(std::wstring(Wide(scratch::kDataShare)) + L"\\Others\\Holiday");
    EXPECT_EQ(arrived.size(), expected.size());
    // Names that only the case tells apart meet on the case-blind share: each arrives, one under a copy name.
    const auto twins = [](const Tree& tree) {
        std::multiset<std::string> contents;
        for (const auto& [path, bytes] : tree)
            if (path.rfind(L"Twins\\", 0) == 0) contents.insert(bytes);
        return contents;
    };
    EXPECT_EQ(twins(arrived), twins(before));
    for (const auto& [path, bytes] : expected) {
        if (path.rfind(L"Twins\\", 0) == 0) continue;
        const auto found = arrived.find(path);
        EXPECT_TRUE(found != arrived.end() && found->second == bytes) << "not arrived exactly: " << std::string(path.begin(), path.end());
    }

    EXPECT_EQ(TreeOf(std::wstring(Wide(scratch::kDataShare)) + L"\\Others\\" + trip),
              (Tree{{L"beach.jpg", before.at(trip + L"\\beach.jpg")}}));

    const std::vector<std::string> messages = window.Host().Messages();
    ASSERT_EQ(messages.size(), 1u);
    const std::string heading = "These items did not arrive on the Harborbox:\n\n";
    ASSERT_EQ(messages[0].compare(0, heading.size(), heading), 0) << messages[0];
    EXPECT_EQ(SortedLines(messages[0].substr(heading.size())),
              (std::vector<std::string>{"Holiday\\Locked: " + SystemErrorText(ERROR_SHARING_VIOLATION),
                                        "Holiday\\Sub\\loop: a link to another folder, not followed"}));
}
