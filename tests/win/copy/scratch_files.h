// Real files for the copy tests: a fresh local folder per test, and the simulated appliance's share folders
// the test bed makes reachable as \\QX-Harborbox\Shared Media and \\QX-Harborbox\Shared Data.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace scratch {
extern const char kMediaShare[];  // \\QX-Harborbox\Shared Media
extern const char kDataShare[];   // \\QX-Harborbox\Shared Data

// A new, empty local folder (no trailing backslash).
std::string NewLocalFolder();
// A name no earlier test of this run has used.
std::string UniqueName(const std::string& stem);

void Write(const std::string& path, const std::string& bytes);
// A file of `size` bytes whose content costs nothing to make (a sparse file of zeros).
void WriteLarge(const std::string& path, uint64_t size);
std::string Read(const std::string& path);
bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);
void MakeFolder(const std::string& path);
// Names in a folder, "." and ".." left out, sorted.
std::vector<std::string> List(const std::string& folder);
}  // namespace scratch
