// The HTTP requests the simulated appliance logged, read back from its log (lines marked "http <n>").
#pragma once
#include "test_bed.h"
#include <map>
#include <string>
#include <vector>

namespace testbed {
struct WebRequest {
    std::string to;                    // the address it was sent to
    std::string requestLine;           // "GET /x HTTP/1.1"
    std::vector<std::string> headers;  // "Name: value"

    std::vector<std::string> Values(const std::string& name) const {
        std::vector<std::string> values;
        for (const auto& header : headers)
            if (header.compare(0, name.size() + 2, name + ": ") == 0) values.push_back(header.substr(name.size() + 2));
        return values;
    }
};

inline std::vector<WebRequest> WebRequests() {
    std::map<long, WebRequest> byNumber;
    for (const std::string& line : SimLogLines()) {
        const size_t mark = line.find(" http ");
        if (mark == std::string::npos) continue;
        size_t end = 0;
        const long number = std::stol(line.substr(mark + 6), &end);
        std::string text = line.substr(mark + 6 + end + 1);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        WebRequest& request = byNumber[number];
        if (request.requestLine.empty()) {
            const size_t arrow = line.find("-> ");
            if (arrow != std::string::npos && arrow < mark) request.to = line.substr(arrow + 3, line.find(':', arrow) - arrow - 3);
            request.requestLine = text;
        }
        else
            request.headers.push_back(text);
    }
    std::vector<WebRequest> requests;
    for (auto& [number, request] : byNumber) requests.push_back(request);
    return requests;
}
}  // namespace testbed
