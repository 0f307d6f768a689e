#include "widgets/device_list_layout.h"
#include <algorithm>

DeviceListColumns DeviceListColumnWidths(int clientWidth) {
    const int name = static_cast<int>(clientWidth * 0.5);
    const int rest = (clientWidth - name) / 2;
    return {name, rest, rest};
}

int NotedRowNameWidth(int nameWidth, int noteWidth, int available) {
    const int leastName = std::clamp(available / 3, 0, nameWidth);
    return std::clamp(available - noteWidth, leastName, nameWidth);
}
