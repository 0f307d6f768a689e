// Arbitrary reply bytes through the look-ups the program runs on an appliance's reply and headers.
#include "webmgmt/redirect_location.h"
#include "webmgmt/reply_list.h"
#include "webmgmt/reply_lookup.h"
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string reply(reinterpret_cast<const char*>(data), size);
    static const char* const kMarkers[] = {"pool_names()", "shares()", "share_pools()", "foreign_shares()",
                                           "foreign_share_disks()", "delete_share_success();"};
    for (const char* marker : kMarkers) {
        std::string value = FindReplyValueIn(reply, marker);
        IndexOfListItem(value, "O'Neil");
        IndexOfListItem(value, value.substr(0, value.size() / 2));
        ListItemAt(value, static_cast<int>(size % 7));
        int items = 0;
        while (!SplitFirstItem(value).empty() || !value.empty()) {
            if (++items > static_cast<int>(size) + 1) __builtin_trap();  // must always use the list up
        }
    }
    RedirectLocation(reply);
    return 0;
}
