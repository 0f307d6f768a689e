// What a scan that found nothing tried, in the user's language: a line for the device page and the
// paragraphs the not-found help adds, so a firewall or a missing network is not a silent "not found".
#pragma once
#include "discovery/scan_report.h"
#include <functional>
#include <string>
#include <vector>

// The text of a string resource.
using TextOf = std::function<std::string(unsigned id)>;

// For the status line: the counts, or that there is no network connection; the plain not-found text when
// no scan ran.
std::string NotFoundSummary(const ScanReport& report, const TextOf& text);

struct HelpSection {
    std::string heading;
    std::vector<std::string> lines;
};

// What was tried (adapters and broadcasts, counts, addresses asked directly), then what to try; only the
// latter when no scan ran.
std::vector<HelpSection> NotFoundDetails(const ScanReport& report, const TextOf& text);

// `pattern` with %1, %2, ... replaced by `values`, each once.
std::string FillIn(std::string pattern, const std::vector<std::string>& values);
