// Command ids of the tray menu's per-device items. The first sixteen devices keep the 0xEExx group
// (position in bits 4-7, action in bits 0-3); later devices use a second range so every appliance has
// its own Manage and Open.
#pragma once
#include "res/command_ids.h"
#include <optional>

enum class TrayDeviceAction { Manage = 0, Open = 2 };

struct TrayDeviceCommand {
    int position;  // in the registry, from its first entry
    TrayDeviceAction action;
};

constexpr unsigned kTrayDeviceGroup = ID_TRAY_DEVICE_GROUP;
constexpr unsigned kTrayExtraDevicesBase = ID_TRAY_EXTRA_DEVICES;
constexpr int kTrayMaxDevices = 16 + (ID_TRAY_EXTRA_DEVICES_END - ID_TRAY_EXTRA_DEVICES) / 4;

// 0 when the position is beyond what the encoding holds.
unsigned TrayDeviceCommandId(int position, TrayDeviceAction action);
std::optional<TrayDeviceCommand> DecodeTrayDeviceCommand(unsigned id);
