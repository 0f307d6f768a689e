#include "webmgmt/share_to_delete.h"
#include "shares/share_names.h"

ShareToDelete ShareToDeleteOf(const std::string& remoteName, const std::string& comment, const std::string& itemText) {
    return {DisplayNameOf(remoteName, comment), DriveLetterOfText(itemText) != 0};
}
