#include "reply_planner.h"

#include "ipv4.h"

#include <string>

namespace appliance_sim {

RequestTarget classify_target(std::uint32_t header_destination, std::uint32_t local_address) {
    if (header_destination == kLimitedBroadcast) return {TargetKind::limited_broadcast, header_destination};
    if (header_destination == local_address) return {TargetKind::unicast, header_destination};
    return {TargetKind::subnet_broadcast, header_destination};
}

namespace {

bool answers_broadcast(AnswerTo answer_to, TargetKind kind) {
    switch (answer_to) {
        case AnswerTo::any: return true;
        case AnswerTo::subnet: return kind == TargetKind::subnet_broadcast;
        case AnswerTo::limited: return kind == TargetKind::limited_broadcast;
        case AnswerTo::unicast: return false;
    }
    return false;
}

}  // namespace

ReplyPlanner::ReplyPlanner(const std::deque<Appliance>& appliances, int reply_spread_ms, std::uint32_t seed)
    : appliances_(appliances), spread_(0, reply_spread_ms), random_(seed) {
    for (const Appliance& appliance : appliances_) by_address_.emplace(appliance.address(), &appliance);
}

std::vector<PlannedReply> ReplyPlanner::plan(RequestKind kind, const RequestTarget& target) {
    std::vector<PlannedReply> replies;
    if (target.kind == TargetKind::unicast) {
        const auto found = by_address_.find(target.address);
        if (found != by_address_.end()) plan_one(*found->second, kind, replies);
        return replies;
    }
    if (kind != RequestKind::discover) return replies;
    for (const Appliance& appliance : appliances_)
        if (answers_broadcast(appliance.answer_to(), target.kind)) plan_one(appliance, kind, replies);
    return replies;
}

void ReplyPlanner::plan_one(const Appliance& appliance, RequestKind kind, std::vector<PlannedReply>& replies) {
    const Misbehaviour& misbehaviour = appliance.misbehaviour();
    const DeviceState device = appliance.device();
    if (misbehaviour.fault == Fault::silent || device.asleep) return;
    if (misbehaviour.fault == Fault::crowd && kind == RequestKind::discover) {
        plan_crowd(appliance, device, replies);
        return;
    }
    const auto bytes = kind == RequestKind::discover ? build_discover_reply(device, misbehaviour.fault)
                                                     : build_query_reply(device, misbehaviour.fault);
    const int copies = misbehaviour.fault == Fault::flood ? misbehaviour.flood_count : 1;
    const auto delay = delay_for(appliance);
    for (int copy = 0; copy < copies; ++copy) replies.push_back({appliance.address(), delay, bytes});
}

// A crowd of appliances behind one address: "<name>-<n>", the MAC's last two bytes numbered.
void ReplyPlanner::plan_crowd(const Appliance& appliance, const DeviceState& device,
                              std::vector<PlannedReply>& replies) {
    const int count = appliance.misbehaviour().flood_count;
    replies.reserve(replies.size() + static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        DeviceState member = device;
        member.name = device.name + "-" + std::to_string(number);
        member.mac[4] = static_cast<std::uint8_t>(number >> 8);
        member.mac[5] = static_cast<std::uint8_t>(number & 0xFF);
        replies.push_back({appliance.address(), delay_for(appliance), build_discover_reply(member, Fault::none)});
    }
}

std::chrono::milliseconds ReplyPlanner::delay_for(const Appliance& appliance) {
    if (appliance.misbehaviour().fault == Fault::delay) return std::chrono::milliseconds(appliance.misbehaviour().delay_ms);
    return std::chrono::milliseconds(spread_(random_));
}

}  // namespace appliance_sim
