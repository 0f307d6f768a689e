// How much a copy of a file or folder tree has to move, counted before it starts.
#pragma once
#include <cstdint>
#include <string>

struct CopyAmount {
    uint64_t files = 0;
    uint64_t bytes = 0;
};

// A file counts itself; a folder everything below it that the copy will take (links to folders are not
// followed). What cannot be read counts as nothing here; the copy reports it.
CopyAmount CountCopyWork(const std::wstring& path);
