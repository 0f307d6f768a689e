#include "app/tray_commands.h"

unsigned TrayDeviceCommandId(int position, TrayDeviceAction action) {
    if (position < 0 || position >= kTrayMaxDevices) return 0;
    if (position < 16) return kTrayDeviceGroup + 16u * unsigned(position) + unsigned(action);
    return kTrayExtraDevicesBase + 4u * unsigned(position - 16) + unsigned(action);
}

std::optional<TrayDeviceCommand> DecodeTrayDeviceCommand(unsigned id) {
    unsigned position = 0;
    unsigned action = 0;
    if ((id & 0xFF00u) == kTrayDeviceGroup) {
        position = (id >> 4) & 0xF;
        action = id & 0xF;
    } else if (id >= kTrayExtraDevicesBase && id < kTrayExtraDevicesBase + 4u * (kTrayMaxDevices - 16)) {
        position = 16 + (id - kTrayExtraDevicesBase) / 4;
        action = (id - kTrayExtraDevicesBase) % 4;
    } else {
        return std::nullopt;
    }
    if (action != unsigned(TrayDeviceAction::Manage) && action != unsigned(TrayDeviceAction::Open)) return std::nullopt;
    return TrayDeviceCommand{int(position), TrayDeviceAction(action)};
}
