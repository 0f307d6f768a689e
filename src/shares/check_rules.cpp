#include "shares/check_rules.h"
#include <algorithm>

void ApplyCheckRules(ShareChecks& checks, int clicked) {
    if (clicked < 0) {
        std::fill(checks.folders.begin(), checks.folders.end(), checks.server);
        return;
    }
    if (checks.folders[static_cast<size_t>(clicked)])
        checks.server = true;
    else if (std::none_of(checks.folders.begin(), checks.folders.end(), [](bool checked) { return checked; }))
        checks.server = false;
}
