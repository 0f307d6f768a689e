// Reading what the shell dropped: shortcuts replaced by their targets, files told from folders. Both touch
// the file system (a shortcut to a vanished server can take long), so a drop is read on a worker thread.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Which dropped items a drop target takes, and whether it hands them to a callback.
constexpr uint32_t DROP_ACCEPT_FILES = 0x01;
constexpr uint32_t DROP_ACCEPT_FOLDERS = 0x02;
constexpr uint32_t DROP_USE_CALLBACK = 0x20;

// Item type handed on with each dropped item; 0 marks the end of a batch.
constexpr uint32_t DROP_ITEM_FOLDER = 64;
constexpr uint32_t DROP_ITEM_FILE = 128;

// The target of a shell shortcut (a network path where the link has one); empty when `path` is no
// shortcut or its target has no file-system path. Needs COM on the calling thread.
std::wstring ResolveShortcut(const std::wstring& path);

// Whether the item exists and is of an accepted kind; `itemType` gets its type.
bool ClassifyDropItem(const std::wstring& path, uint32_t acceptFlags, uint32_t& itemType);

struct DroppedItem {
    std::wstring path;  // the shortcut's target in place of a shortcut
    uint32_t itemType;
};

// One drop on its way from the shell's names to the accepted items, in the shell's order.
struct DropRead {
    std::vector<std::wstring> names;  // as the shell gave them
    uint32_t acceptFlags = 0;
    std::vector<DroppedItem> items;   // written by the reading thread before `done`
    std::atomic<bool> done{false};
};

// Resolves and classifies every name of `drop`. Needs COM on the calling thread.
void ReadDrop(DropRead& drop);
