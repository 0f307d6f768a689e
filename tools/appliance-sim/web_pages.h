#pragma once

#include <map>
#include <string>
#include <vector>

#include "appliance.h"

namespace appliance_sim {

// A page request as the pages see it: the path without its leading "/" and
// the query's parameters, percent-escapes decoded ("+" stays as it is: the
// program sends its values unencoded).
struct PageRequest {
    std::string path;
    std::map<std::string, std::string> params;
};

struct PageReply {
    int status = 200;
    std::string body;
};

PageRequest parse_target(const std::string& target);

// One script function whose return value is a list of quoted items, in the
// layout the program reads: the marker line, one line, the value line.
// Apostrophes in items are escaped as \'.
std::string render_list_function(const std::string& name, const std::vector<std::string>& items);

// The page body around the script text (CR LF line ends).
std::string render_page(const std::string& script);

// Serves one management page of `appliance`, carrying out the change pages.
PageReply serve_page(Appliance& appliance, const PageRequest& request);

}  // namespace appliance_sim
