#include "app/not_found_report.h"
#include "app/rtf_sections.h"
#include "discovery/datagram.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <map>

namespace {
// Texts in the shape of the string table's, so the tests see what each line is made of.
std::string Text(unsigned id) {
    static const std::map<unsigned, std::string> texts = {
        {IDS_STATUS_NOT_FOUND, "not found"},
        {IDS_STATUS_NOTHING_ANSWERED, "sent %1 on %2 adapters, %3 replies"},
        {IDS_STATUS_NO_NETWORK, "no network"},
        {IDS_TRIED_HEADING, "Tried"},
        {IDS_TRIED_NO_NETWORK, "no connection"},
        {IDS_TRIED_ADAPTER, "adapter %1 to %2"},
        {IDS_TRIED_LIMITED, "limited"},
        {IDS_TRIED_COUNTS, "sent %1, received %2"},
        {IDS_TRIED_DIRECT, "direct %1"},
        {IDS_TRY_HEADING, "Try"},
        {IDS_TRY_ROUTER, "router"},
        {IDS_TRY_POWER, "power"},
        {IDS_TRY_FIREWALL, "firewall"},
    };
    return texts.at(id);
}

uint32_t Ip(const char* text) { return *ParseIpText(text); }
}  // namespace

TEST(NotFoundReport, SaysWhatWasTriedForEachKindOfScan) {
    ScanReport noNetwork;
    noNetwork.limitedBroadcastTried = true;  // even without an adapter
    noNetwork.datagramsSent = 3;

    ScanReport oneSubnet;
    oneSubnet.localAddresses = {Ip("10.77.0.1")};
    oneSubnet.broadcastAddresses = {Ip("10.77.0.255")};
    oneSubnet.limitedBroadcastTried = true;
    oneSubnet.datagramsSent = 6;

    ScanReport twoWithRemembered = oneSubnet;
    twoWithRemembered.localAddresses.push_back(Ip("10.78.0.1"));
    twoWithRemembered.broadcastAddresses.push_back(Ip("10.78.0.255"));
    twoWithRemembered.directAddresses = {Ip("10.79.0.2"), Ip("10.79.0.9")};
    twoWithRemembered.datagramsSent = 14;
    twoWithRemembered.repliesReceived = 1;  // something answered, but nothing listable

    const struct {
        const char* name;
        ScanReport report;
        std::string summary;
        std::vector<std::string> tried;
    } cases[] = {
        {"no scan ran", ScanReport{}, "not found", {}},
        {"no network", noNetwork, "no network", {"no connection", "limited", "sent 3, received 0"}},
        {"one subnet", oneSubnet, "sent 6 on 1 adapters, 0 replies",
         {"adapter 10.77.0.1 to 10.77.0.255", "limited", "sent 6, received 0"}},
        {"two subnets and remembered", twoWithRemembered, "sent 14 on 2 adapters, 1 replies",
         {"adapter 10.77.0.1 to 10.77.0.255", "adapter 10.78.0.1 to 10.78.0.255", "limited",
          "direct 10.79.0.2, 10.79.0.9", "sent 14, received 1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NotFoundSummary(c.report, Text), c.summary);
        const auto sections = NotFoundDetails(c.report, Text);
        ASSERT_EQ(sections.size(), c.tried.empty() ? 1u : 2u);
        if (!c.tried.empty()) {
            EXPECT_EQ(sections[0].heading, "Tried");
            EXPECT_EQ(sections[0].lines, c.tried);
        }
        EXPECT_EQ(sections.back().heading, "Try");
        EXPECT_EQ(sections.back().lines, (std::vector<std::string>{"router", "power", "firewall"}));
    }
}

TEST(NotFoundReport, FillInPutsEachValueInItsPlaceInAnyOrder) {
    EXPECT_EQ(FillIn("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(FillIn("no markers", {"a"}), "no markers");
    EXPECT_EQ(FillIn("%1 and %1", {"a"}), "a and %1");  // each once
    EXPECT_EQ(FillIn("%1", {"%2", "b"}), "%2");          // a value is not filled in again
}

TEST(RtfSections, AddedTextCannotChangeTheDocumentsStructure) {
    const std::string document = "{\\rtf1\\ansi body\\par\n}";
    const std::string added =
        AppendRtfSections(document, {{"Head {x}", {"a\\b", "Gr\xc3\xbc\xdf"}}, {"Second", {}}});
    EXPECT_EQ(added.rfind("{\\rtf1\\ansi body\\par\n", 0), 0u);
    EXPECT_EQ(added.back(), '}');
    EXPECT_NE(added.find("Head \\{x\\}\\par"), std::string::npos);
    EXPECT_NE(added.find("\\bullet\\tab a\\\\b\\par"), std::string::npos);
    EXPECT_NE(added.find("Gr\\'c3\\'bc\\'df\\par"), std::string::npos);
    EXPECT_NE(added.find("Second\\par"), std::string::npos);
    // Unescaped braces stay balanced: the added text closes nothing early.
    int depth = 0;
    for (size_t i = 0; i < added.size(); ++i) {
        if (added[i] == '\\') {
            ++i;
            continue;
        }
        depth += added[i] == '{' ? 1 : added[i] == '}' ? -1 : 0;
        ASSERT_GE(depth, added.size() - 1 == i ? 0 : 1) << i;
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(AppendRtfSections("not rtf", {{"x", {}}}), "not rtf");
}
