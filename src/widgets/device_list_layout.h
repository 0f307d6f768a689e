// Column widths of the device list: half the client width for the name, the rest shared by address and MAC.
#pragma once

struct DeviceListColumns {
    int name;
    int ipAddress;
    int macAddress;
};

DeviceListColumns DeviceListColumnWidths(int clientWidth);
