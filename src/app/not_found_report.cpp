#include "app/not_found_report.h"
#include "discovery/datagram.h"
#include "res/resource.h"

namespace {
constexpr uint32_t kLimitedBroadcast = 0xFFFFFFFFu;

// A scan that found nothing always ends with the limited broadcast; without it no scan ran (or it failed).
bool ScanRan(const ScanReport& report) { return report.limitedBroadcastTried || !report.localAddresses.empty(); }

std::string Joined(const std::vector<uint32_t>& addresses) {
    std::string joined;
    for (uint32_t address : addresses) joined += (joined.empty() ? "" : ", ") + FormatIpText(address);
    return joined;
}
}  // namespace

std::string FillIn(std::string pattern, const std::vector<std::string>& values) {
    for (size_t i = values.size(); i > 0; --i) {  // %10 before %1
        const std::string marker = "%" + std::to_string(i);
        const size_t at = pattern.find(marker);
        if (at != std::string::npos) pattern.replace(at, marker.size(), values[i - 1]);
    }
    return pattern;
}

std::string NotFoundSummary(const ScanReport& report, const TextOf& text) {
    if (!ScanRan(report)) return text(IDS_STATUS_NOT_FOUND);
    if (report.localAddresses.empty()) return text(IDS_STATUS_NO_NETWORK);
    return FillIn(text(IDS_STATUS_NOTHING_ANSWERED),
                  {std::to_string(report.datagramsSent), std::to_string(report.localAddresses.size()),
                   std::to_string(report.repliesReceived)});
}

std::vector<HelpSection> NotFoundDetails(const ScanReport& report, const TextOf& text) {
    HelpSection tried{text(IDS_TRIED_HEADING), {}};
    if (report.localAddresses.empty()) tried.lines.push_back(text(IDS_TRIED_NO_NETWORK));
    for (size_t i = 0; i < report.localAddresses.size(); ++i) {
        const uint32_t broadcast = i < report.broadcastAddresses.size() ? report.broadcastAddresses[i] : kLimitedBroadcast;
        tried.lines.push_back(
            FillIn(text(IDS_TRIED_ADAPTER), {FormatIpText(report.localAddresses[i]), FormatIpText(broadcast)}));
    }
    if (report.limitedBroadcastTried) tried.lines.push_back(text(IDS_TRIED_LIMITED));
    if (!report.directAddresses.empty())
        tried.lines.push_back(FillIn(text(IDS_TRIED_DIRECT), {Joined(report.directAddresses)}));
    tried.lines.push_back(FillIn(text(IDS_TRIED_COUNTS), {std::to_string(report.datagramsSent),
                                                          std::to_string(report.repliesReceived)}));
    HelpSection toTry{text(IDS_TRY_HEADING), {text(IDS_TRY_ROUTER), text(IDS_TRY_POWER), text(IDS_TRY_FIREWALL)}};
    if (!ScanRan(report)) return {toTry};
    return {tried, toTry};
}
