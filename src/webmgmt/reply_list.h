// The comma-separated lists that appliance replies carry (items may be followed by spaces after each comma).
#pragma once
#include <string>

// Position (from 0) of the first item equal to name, case-insensitively, or -1. Apostrophes in the name are
// matched in the escaped form the appliance writes them in (\').
int IndexOfListItem(const std::string& list, const std::string& name);

// The item at position; a position beyond the last item gives the last item, a negative one gives "".
std::string ListItemAt(const std::string& list, int position);

// Removes the first item from list and returns it; "" once the list is used up.
std::string SplitFirstItem(std::string& list);
