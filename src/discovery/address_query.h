// Asking one appliance directly, by IP address or host name, for one behind a router or one that
// broadcasts do not reach: the discover request by unicast on the discovery port.
#pragma once
#include "discovery/device_entry.h"
#include <string>

constexpr unsigned kAddressQueryMs = 2000;

enum class AddressQueryOutcome {
    Found,            // a sound discover reply came from the address
    NameNotResolved,  // the text is no address and no host name that resolves
    NoAnswer,         // nothing came from the address within kAddressQueryMs
    NotAHarborbox,    // something answered from the address, but no sound discover reply
};

struct AddressQueryResult {
    AddressQueryOutcome outcome = AddressQueryOutcome::NameNotResolved;
    DeviceEntry entry{};  // with Found: named as a scan names it
};

// Blocks up to kAddressQueryMs (plus the name look-up): run it on a worker.
AddressQueryResult QueryApplianceAt(const std::string& hostOrAddress);
