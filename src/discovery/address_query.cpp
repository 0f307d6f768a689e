#include "discovery/address_query.h"
#include "discovery/datagram.h"
#include "discovery/datagram_exchange.h"
#include "discovery/host_lookup.h"
#include <winsock2.h>

AddressQueryResult QueryApplianceAt(const std::string& hostOrAddress) {
    AddressQueryResult result;
    uint32_t address = 0;
    // The limited broadcast is not one appliance's address.
    if (!ResolveFirstIPv4(hostOrAddress.c_str(), address) || address == INADDR_BROADCAST) return result;

    result.outcome = AddressQueryOutcome::NoAnswer;
    const DiscoverRequestBytes request = BuildDiscoverRequest();
    uint8_t reply[kReplyBufferSize] = {};
    ExchangeWithAll({address}, kDiscoveryPort, request.data(), static_cast<int>(request.size()), reply, sizeof reply,
                    kAddressQueryMs, [&](const uint8_t* data, size_t length, uint32_t sender) {
                        // Only the asked address speaks for the appliance there.
                        if (sender != address) return true;
                        if (auto entry = DecodeDiscoverReply(data, length, sender)) {
                            result.outcome = AddressQueryOutcome::Found;
                            result.entry = *entry;
                            return false;
                        }
                        result.outcome = AddressQueryOutcome::NotAHarborbox;
                        return true;
                    });
    if (result.outcome == AddressQueryOutcome::Found && result.entry.name[0] == '\0')
        NameFromReverseLookup(result.entry);
    return result;
}
