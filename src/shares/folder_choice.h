// A folder the user chose (ticked, or selected for its drive letter) as a value a worker can take.
#pragma once
#include "shares/share_item_data.h"
#include <string>

struct FolderChoice {
    ShareItemData data;
    std::string text;  // the item's text, with its drive suffix when it has one
};
