// What the device list shows for the registry: one row per entry, equal names marked as conflicts.
#pragma once
#include "discovery/device_entry.h"
#include <list>
#include <string>
#include <vector>

// Images of the device list's image list.
constexpr int kImageAppliance = 3;
constexpr int kImageSearching = 7;
constexpr int kImageNotFound = 8;
constexpr int kImageNameConflict = 9;

struct DeviceListRow {
    std::string name;
    std::string ipText;
    std::string macText;
    int image;
    // Set for an appliance that did not answer: why, and since when. The list greys the row and shows name
    // and note across its whole width, where a name column would cut the note.
    std::string note = {};
};

// The text of a row's first column: its name, and its note after it where it has one.
std::string DeviceListRowText(const DeviceListRow& row);

struct DeviceListRows {
    std::vector<DeviceListRow> rows;
    bool nameConflict = false;
};

DeviceListRows BuildDeviceListRows(const std::list<DeviceEntry>& devices);

// "%02X-%02X-%02X-%02X-%02X-%02X" of the last six bytes of the device data.
std::string FormatMacAddress(const DeviceEntry& entry);
