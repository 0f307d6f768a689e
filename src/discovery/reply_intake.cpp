#include "discovery/reply_intake.h"
#include "discovery/datagram.h"

ReplyIntake::ReplyIntake(DeviceRegistry& registry, uint16_t requestCommand, EntrySink sink)
    : m_registry(registry), m_requestCommand(requestCommand), m_sink(std::move(sink)) {
    // Entries already listed (an earlier exchange of the same scan) are not handed on twice.
    for (const DeviceEntry& entry : registry.devices) m_seen.Insert(entry);
}

void ReplyIntake::Take(const uint8_t* data, size_t length, uint32_t senderAddress) {
    if (m_requestCommand == kCommandDiscoverRequest) {
        TakeDiscoverReply(data, length, senderAddress);
    } else if (m_requestCommand == kCommandQueryRequest) {
        DeviceEntry* entry = m_registry.FindByIpText(FormatIpText(senderAddress).c_str());
        if (entry) ApplyQueryReply(data, length, *entry);
    }
}

void ReplyIntake::TakeDiscoverReply(const uint8_t* data, size_t length, uint32_t senderAddress) {
    const auto entry = DecodeDiscoverReply(data, length, senderAddress);
    if (!entry) return;
    // The scan's de-duplication would drop a repeat anyway; dropping it here keeps repeats from
    // using up the bound.
    if (m_added >= kMaxAppliancesPerExchange) {
        ++m_ignored;
        return;
    }
    if (!m_seen.Insert(*entry)) return;
    ++m_added;
    m_registry.devices.push_back(*entry);
    if (m_sink) m_sink(m_registry.devices.back());
}
