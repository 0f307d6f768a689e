#include "widgets/device_list_layout.h"

DeviceListColumns DeviceListColumnWidths(int clientWidth) {
    const int name = static_cast<int>(clientWidth * 0.5);
    const int rest = (clientWidth - name) / 2;
    return {name, rest, rest};
}
