// What a click on a check box of the share tree does to the other boxes (no Windows header: host-tested).
#pragma once
#include <vector>

struct ShareChecks {
    bool server = false;
    std::vector<bool> folders;
};

// `clicked` is the folder's position, or -1 for the server item; the box has already been toggled.
// The server sets every folder alike; a checked folder checks the server; unchecking the last checked
// folder unchecks the server.
void ApplyCheckRules(ShareChecks& checks, int clicked);
