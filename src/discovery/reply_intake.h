// What an exchange makes of the datagrams it reads: discover replies become entries, each appliance
// (name and address) once and at most kMaxAppliancesPerExchange of them, so a flood cannot grow the
// registry without bound; query replies update the entry of their sender.
#pragma once
#include "discovery/device_registry.h"
#include <cstddef>
#include <cstdint>
#include <functional>

constexpr size_t kMaxAppliancesPerExchange = 1024;

// Called with each new entry as soon as its reply is read (on the thread that reads it).
using EntrySink = std::function<void(const DeviceEntry&)>;

class ReplyIntake {
public:
    ReplyIntake(DeviceRegistry& registry, uint16_t requestCommand, EntrySink sink = {});

    // One datagram as received; ones without the protocol's magic change nothing.
    void Take(const uint8_t* data, size_t length, uint32_t senderAddress);

    int Ignored() const { return m_ignored; }

private:
    void TakeDiscoverReply(const uint8_t* data, size_t length, uint32_t senderAddress);

    DeviceRegistry& m_registry;
    const uint16_t m_requestCommand;
    const EntrySink m_sink;
    DeviceKeySet m_seen;
    size_t m_added = 0;
    int m_ignored = 0;
};
