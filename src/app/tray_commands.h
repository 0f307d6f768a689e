// Command ids of the tray menu's per-device items. The first sixteen devices keep the 0xEExx group
// (position in bits 4-7, action in bits 0-3); later devices use a second range so every appliance has
// its own Manage and Open.
#pragma once
#include <optional>

enum class TrayDeviceAction { Manage = 0, Open = 2 };

struct TrayDeviceCommand {
    int position;  // in the registry, from its first entry
    TrayDeviceAction action;
};

constexpr unsigned kTrayDeviceGroup = 0xEE00;
constexpr unsigned kTrayExtraDevicesBase = 0x4000;  // below the menu ids 32788..32794, above the dialog ids
constexpr int kTrayMaxDevices = 16 + (0x7F00 - 0x4000) / 4;

// 0 when the position is beyond what the encoding holds.
unsigned TrayDeviceCommandId(int position, TrayDeviceAction action);
std::optional<TrayDeviceCommand> DecodeTrayDeviceCommand(unsigned id);
