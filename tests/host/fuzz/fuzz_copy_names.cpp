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
    const std::string next = MakeCopyName(destination);
    if (next == destination) __builtin_trap();
    const size_t cut = destination.find_last_of("\\/");
    const bool drivePrefix = destination.size() >= 2 && destination[1] == ':';  // "C:name"
    const size_t folderLength = cut != std::string::npos ? cut + 1 : (drivePrefix ? 2 : 0);
    if (next.compare(0, folderLength, destination, 0, folderLength) != 0) __builtin_trap();
    const std::string file = destination.substr(folderLength);
    const size_t dot = file.rfind('.');
    const std::string tail = dot == std::string::npos ? std::string() : file.substr(dot);
    if (next.size() < tail.size() || next.compare(next.size() - tail.size(), tail.size(), tail) != 0) __builtin_trap();

    LastFolderName(destination);
    LastPathPart(destination);
    DepthLimitFor(source, destination);
    IsParentFolderText(source, destination);
    const std::string route = BuildDropDestination("nas", destination);
    if (!route.empty() && route.compare(0, 6, "\\\\nas\\") != 0) __builtin_trap();
    return 0;
}
