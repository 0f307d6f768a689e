// Reading what the shell dropped: shortcuts replaced by their targets, files told from folders.
#pragma once
#include <cstdint>
#include <string>

// Which dropped items a drop target takes, and whether it hands them to a callback.
constexpr uint32_t DROP_ACCEPT_FILES = 0x01;
constexpr uint32_t DROP_ACCEPT_FOLDERS = 0x02;
constexpr uint32_t DROP_USE_CALLBACK = 0x20;

// Item type handed on with each dropped item; 0 marks the end of a batch.
constexpr uint32_t DROP_ITEM_FOLDER = 64;
constexpr uint32_t DROP_ITEM_FILE = 128;

// The target of a shell shortcut (a network path where the link has one); empty when `path` is no
// shortcut or its target has no file-system path. Needs COM on the calling thread.
std::string ResolveShortcut(const std::string& path);

// Whether the item exists and is of an accepted kind; `itemType` gets its type.
bool ClassifyDropItem(const std::string& path, uint32_t acceptFlags, uint32_t& itemType);
