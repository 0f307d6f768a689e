// Any bytes from the network, as a discover or a query reply, must decode without reading past them.
#include "discovery/device_registry.h"
#include "discovery/datagram.h"
#include "discovery/reply_intake.h"
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> datagram(data, data + size);  // exact size for the address sanitizer
    DeviceRegistry registry;
    ReplyIntake(registry, kCommandDiscoverRequest).Take(datagram.data(), datagram.size(), 0x0100007F);
    if (!registry.devices.empty() && registry.devices.front().name[63] != '\0') __builtin_trap();
    ReplyIntake(registry, kCommandQueryRequest).Take(datagram.data(), datagram.size(), 0x0100007F);
    return 0;
}
