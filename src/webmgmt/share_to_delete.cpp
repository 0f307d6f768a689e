#include "webmgmt/share_to_delete.h"
#include "shares/share_names.h"

ShareToDelete ShareToDeleteOf(const std::string& remoteName, const std::string& comment, char driveLetter) {
    return {DisplayNameOf(remoteName, comment), driveLetter != 0};
}
