// Arbitrary dropped paths through the copy engine's name rules and the drop routing.
#include "copy/copy_names.h"
#include "copy/drop_routing.h"
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = size ? data[0] % (size + 1) : 0;
    const std::string source = input.substr(0, split);
    const std::string destination = input.substr(split);

    // A taken name always leads to another name in the same folder, starting "Copy " and ending as the
    // file's own name does.
    const std::wstring wide(destination.begin(), destination.end());
    const std::wstring next = MakeCopyName(wide);
    if (next == wide) __builtin_trap();
    const size_t cut = wide.find_last_of(L"\\/");
    const bool drivePrefix = wide.size() >= 2 && wide[1] == L':';  // "C:name"
    const size_t folderLength = cut != std::wstring::npos ? cut + 1 : (drivePrefix ? 2 : 0);
    if (next.compare(0, folderLength, wide, 0, folderLength) != 0) __builtin_trap();
    const std::wstring file = wide.substr(folderLength);
    const size_t dot = file.rfind(L'.');
    const std::wstring tail = dot == std::wstring::npos ? std::wstring() : file.substr(dot);
    if (next.size() < tail.size() || next.compare(next.size() - tail.size(), tail.size(), tail) != 0) __builtin_trap();

    // The extended form is made once and then kept, and a partial name is always recognised as one.
    const std::wstring extended = ExtendedLengthPath(wide);
    if (ExtendedLengthPath(extended) != extended) __builtin_trap();
    if (!IsPartialFileName(PartialFileName(LastPathPart(wide))) && !LastPathPart(wide).empty()) __builtin_trap();
    ParentPath(wide);
    for (const std::string& path : {source, destination}) {
        const std::string route = BuildDropDestination("nas", path);
        if (!route.empty() && route.compare(0, 6, "\\\\nas\\") != 0) __builtin_trap();
    }
    return 0;
}
