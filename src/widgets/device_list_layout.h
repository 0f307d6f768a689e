// Column widths of the device list: half the client width for the name, the rest shared by address and MAC.
#pragma once

struct DeviceListColumns {
    int name;
    int ipAddress;
    int macAddress;
};

DeviceListColumns DeviceListColumnWidths(int clientWidth);

// The width a noted row's name gets when name and note share `available` pixels: all of it where both fit;
// otherwise the note keeps its room and the name is shortened, though never below a third of the row.
int NotedRowNameWidth(int nameWidth, int noteWidth, int available);
