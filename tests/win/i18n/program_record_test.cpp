// What Windows reads from the program file before it runs a line of it: the version record Explorer and
// the installer show, and the manifest (this runner links the same resources, so its process is run as
// Quickmap's is).
#include "i18n/language_variants.h"
#include "version.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::string ProgramPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe(path);
    for (int up = 0; up < 3; ++up) exe.erase(exe.find_last_of('\\'));
    return exe + "\\Quickmap.exe";
}

class VersionRecord {
public:
    explicit VersionRecord(const std::string& path) {
        DWORD ignored = 0;
        const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
        m_data.resize(size);
        if (!size || !::GetFileVersionInfoA(path.c_str(), 0, size, m_data.data())) m_data.clear();
    }
    bool Present() const { return !m_data.empty(); }
    std::string Value(const std::string& name) const {
        void* value = nullptr;
        UINT length = 0;
        const std::string query = "\\StringFileInfo\\040904B0\\" + name;
        if (!::VerQueryValueA(m_data.data(), query.c_str(), &value, &length) || !length) return {};
        return static_cast<const char*>(value);
    }
    DWORD Translation() const {
        void* value = nullptr;
        UINT length = 0;
        if (!::VerQueryValueA(m_data.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4) return 0;
        return *static_cast<const DWORD*>(value);
    }
    // "a.b.c" from the binary file version, as the properties page and the installer read it.
    std::string FixedVersion() const {
        void* value = nullptr;
        UINT length = 0;
        if (!::VerQueryValueA(m_data.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return {};
        const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
        return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) +
               "." + std::to_string(HIWORD(info->dwFileVersionLS));
    }

private:
    std::vector<char> m_data;
};

// Whether the process's activation context sends comctl32.dll to the side-by-side version 6 the manifest
// names (Wine reports 5.81 from either copy, so the version number itself proves nothing here).
bool CommonControlsSixRedirected() {
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof data;
    if (!::FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, "comctl32.dll", &data))
        return false;
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(::LoadLibraryA("comctl32.dll"), path, MAX_PATH);
    return std::string(path).find("common-controls_6595b64144ccf1df_6.") != std::string::npos;
}
}  // namespace

TEST(ProgramRecord, TheVersionRecordIsEnglishCompleteAndOfTheBuildsVersion) {
    const VersionRecord record(ProgramPath());
    ASSERT_TRUE(record.Present()) << ProgramPath();
    EXPECT_EQ(record.Translation(), MAKELONG(0x0409, 1200));
    for (const char* name : {"CompanyName", "FileDescription", "LegalCopyright", "ProductName"})
        EXPECT_FALSE(record.Value(name).empty()) << name;
    EXPECT_EQ(record.Value("OriginalFilename"), "Quickmap.exe");
    // The texts and the numbers must not drift apart: both come from the project's one version number.
    EXPECT_EQ(record.Value("FileVersion"), QM_VERSION_TEXT);
    EXPECT_EQ(record.Value("ProductVersion"), QM_VERSION_TEXT);
    EXPECT_EQ(record.FixedVersion(), QM_VERSION_TEXT);
}

TEST(ProgramRecord, TheManifestGivesVisualStylesDpiAwarenessAndKeepsTheAnsiCodePage) {
    EXPECT_TRUE(CommonControlsSixRedirected());
    EXPECT_TRUE(::IsProcessDPIAware());
    EXPECT_NE(::GetACP(), static_cast<UINT>(CP_UTF8));
    EXPECT_FALSE(variants::Bytes(variants::Program(), RT_MANIFEST, 1, variants::kEnglish).empty());
}
