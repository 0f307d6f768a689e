#include "web_pages.h"

#include <cctype>
#include <functional>

namespace appliance_sim {
namespace {

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string percent_decode(const std::string& text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hex_value(text[i + 1]) >= 0 && hex_value(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::string quoted_item(const std::string& item) {
    std::string quoted = "\"";
    for (char c : item) {
        if (c == '\'') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string list_value(const std::vector<std::string>& items) {
    std::string value = "[";
    for (std::size_t i = 0; i < items.size(); ++i) value += (i ? "," : "") + quoted_item(items[i]);
    return value + "]";
}

std::vector<std::string> names_of(const std::vector<Share>& shares) {
    std::vector<std::string> names;
    for (const Share& share : shares) names.push_back(share.name);
    return names;
}

std::vector<std::string> places_of(const std::vector<Share>& shares) {
    std::vector<std::string> places;
    for (const Share& share : shares) places.push_back(share.place);
    return places;
}

std::string param(const PageRequest& request, const std::string& name) {
    const auto found = request.params.find(name);
    return found == request.params.end() ? "" : found->second;
}

bool changes_allowed(const Appliance& appliance) { return appliance.web().fault != WebFault::read_only; }

// The result of a change page: the marker's list holds the changed item, or nothing when nothing changed.
std::vector<std::string> result_items(bool changed, const std::string& item) {
    return changed ? std::vector<std::string>{item} : std::vector<std::string>{};
}

PageReply pool_info(Appliance& appliance, const PageRequest&) {
    return {200, render_page(render_list_function("pool_names", appliance.web_state().volumes))};
}

PageReply share_info(Appliance& appliance, const PageRequest&) {
    const WebState state = appliance.web_state();
    return {200, render_page(render_list_function("shares", names_of(state.shares)) +
                             render_list_function("share_pools", places_of(state.shares)) +
                             render_list_function("foreign_shares", names_of(state.usb_shares)) +
                             render_list_function("foreign_share_disks", places_of(state.usb_shares)))};
}

PageReply add_share_page(Appliance& appliance, const PageRequest& request) {
    const std::string name = param(request, "new_share_name");
    const bool created = appliance.change([&](DeviceState&, WebState& state) {
        return changes_allowed(appliance) &&
               add_share(state, appliance.web().share_root, name, param(request, "new_share_pool"),
                         param(request, "share_password"));
    });
    return {200, render_page(render_list_function("create_share_success", result_items(created, name)))};
}

PageReply delete_share_page(Appliance& appliance, const PageRequest& request) {
    const std::string name = param(request, "share");
    const bool deleted = appliance.change([&](DeviceState&, WebState& state) {
        return changes_allowed(appliance) &&
               delete_share(state, appliance.web().share_root, name, param(request, "pool"));
    });
    // The program looks for the call with its semicolon, so the call comes first.
    return {200, render_page("var deleted = delete_share_success();\r\n"
                             "function delete_share_success() {\r\n"
                             "    return " + list_value(result_items(deleted, name)) + ";\r\n}\r\n")};
}

PageReply safely_remove_page(Appliance& appliance, const PageRequest& request) {
    const std::string disk = param(request, "disk");
    const bool removed = appliance.change([&](DeviceState&, WebState& state) {
        return changes_allowed(appliance) && safely_remove_disk(state, appliance.web().share_root, disk);
    });
    return {200, render_page(render_list_function("disconnect_success", result_items(removed, disk)))};
}

PageReply device_name_page(Appliance& appliance, const PageRequest& request) {
    const std::string name = param(request, "machine_name");
    if (!name.empty()) appliance.change([&](DeviceState& device, WebState&) { device.name = name; });
    return {200, render_page("")};
}

PageReply language_page(Appliance& appliance, const PageRequest& request) {
    const std::string language = param(request, "language");
    appliance.change([&](DeviceState& device, WebState& state) {
        device.language_set = true;
        state.language = language;
    });
    return {200, render_page("")};
}

PageReply plain_page(Appliance& appliance, const PageRequest&) {
    return {200, render_page("var device_name = " + list_value({appliance.device().name}) + ";\r\n")};
}

}  // namespace

PageRequest parse_target(const std::string& target) {
    PageRequest request;
    const auto question = target.find('?');
    std::string path = percent_decode(target.substr(0, question));
    while (!path.empty() && path.front() == '/') path.erase(0, 1);
    request.path = path;
    if (question == std::string::npos) return request;
    const std::string query = target.substr(question + 1);
    std::size_t start = 0;
    while (start <= query.size()) {
        auto end = query.find('&', start);
        if (end == std::string::npos) end = query.size();
        const std::string pair = query.substr(start, end - start);
        const auto equals = pair.find('=');
        if (!pair.empty())
            request.params.emplace(percent_decode(pair.substr(0, equals)),
                                   equals == std::string::npos ? "" : percent_decode(pair.substr(equals + 1)));
        start = end + 1;
    }
    return request;
}

std::string render_list_function(const std::string& name, const std::vector<std::string>& items) {
    return "function " + name + "()\r\n{\r\n    return " + list_value(items) + ";\r\n}\r\n";
}

std::string render_page(const std::string& script) {
    return "<html>\r\n<head>\r\n<title>Harborbox</title>\r\n<script type=\"text/javascript\">\r\n" + script +
           "</script>\r\n</head>\r\n<body></body>\r\n</html>\r\n";
}

PageReply serve_page(Appliance& appliance, const PageRequest& request) {
    using Page = std::function<PageReply(Appliance&, const PageRequest&)>;
    static const std::map<std::string, Page> pages = {
        {"drivemgt/pool_info.asp", pool_info},
        {"filesharing/addshare_process.asp", add_share_page},
        {"filesharing/share_info.asp", share_info},
        {"filesharing/delete_share_result.asp", delete_share_page},
        {"drivemgt/safely_remove_disk_result.asp", safely_remove_page},
        {"generalsetup/processnetworkname.asp", device_name_page},
        {"generalsetup/processlangupdate.asp", language_page},
        {"generalsetup/dump.asp", plain_page},
        {"", plain_page},
    };
    const auto page = pages.find(request.path);
    if (page == pages.end()) return {404, render_page("")};
    return page->second(appliance, request);
}

}  // namespace appliance_sim
