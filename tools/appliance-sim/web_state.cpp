#include "web_state.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace appliance_sim {
namespace {

namespace fs = std::filesystem;

bool same_name(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool has_share(const WebState& state, const std::string& name) {
    const auto named = [&](const Share& share) { return same_name(share.name, name); };
    return std::any_of(state.shares.begin(), state.shares.end(), named) ||
           std::any_of(state.usb_shares.begin(), state.usb_shares.end(), named);
}

void make_folder(const std::string& share_root, const std::string& name) {
    if (share_root.empty()) return;
    std::error_code ignored;
    fs::create_directories(fs::path(share_root) / name, ignored);
}

const char kPasswordFolder[] = ".passwords";
const char kHiddenFolder[] = "config";

void remove_folder(const std::string& share_root, const std::string& name) {
    if (share_root.empty()) return;
    std::error_code ignored;
    fs::remove_all(fs::path(share_root) / name, ignored);
    fs::remove(fs::path(share_root) / kPasswordFolder / name, ignored);
}

void write_password(const std::string& share_root, const std::string& share, const std::string& password) {
    if (share_root.empty()) return;
    std::error_code ignored;
    fs::create_directories(fs::path(share_root) / kPasswordFolder, ignored);
    std::ofstream(fs::path(share_root) / kPasswordFolder / share, std::ios::binary) << password;
}

}  // namespace

bool is_valid_share_name(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("\\/:*?\"<>|", 0) == std::string::npos &&
           std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool add_share(WebState& state, const std::string& share_root, const std::string& name, const std::string& volume,
               const std::string& password) {
    if (!is_valid_share_name(name) || has_share(state, name)) return false;
    if (std::find(state.volumes.begin(), state.volumes.end(), volume) == state.volumes.end()) return false;
    state.shares.push_back({name, volume});
    make_folder(share_root, name);
    if (!password.empty()) {
        state.passwords[name] = password;
        write_password(share_root, name, password);
    }
    return true;
}

bool delete_share(WebState& state, const std::string& share_root, const std::string& name, const std::string& volume) {
    const auto found = std::find_if(state.shares.begin(), state.shares.end(), [&](const Share& share) {
        return same_name(share.name, name) && share.place == volume;
    });
    if (found == state.shares.end()) return false;
    const std::string folder = found->name;
    state.shares.erase(found);
    state.passwords.erase(folder);
    if (is_valid_share_name(folder)) remove_folder(share_root, folder);
    return true;
}

bool safely_remove_disk(WebState& state, const std::string& share_root, const std::string& disk) {
    const auto on_disk = [&](const Share& share) { return share.place == disk; };
    const auto first = std::stable_partition(state.usb_shares.begin(), state.usb_shares.end(),
                                             [&](const Share& share) { return !on_disk(share); });
    if (first == state.usb_shares.end()) return false;
    for (auto share = first; share != state.usb_shares.end(); ++share)
        if (is_valid_share_name(share->name)) remove_folder(share_root, share->name);
    for (auto share = first; share != state.usb_shares.end(); ++share) state.passwords.erase(share->name);
    state.usb_shares.erase(first, state.usb_shares.end());
    return true;
}

void create_share_folders(const WebState& state, const std::string& share_root) {
    make_folder(share_root, kHiddenFolder);
    for (const auto* list : {&state.shares, &state.usb_shares})
        for (const Share& share : *list) {
            if (!is_valid_share_name(share.name)) continue;
            make_folder(share_root, share.name);
            const auto password = state.passwords.find(share.name);
            if (password != state.passwords.end()) write_password(share_root, share.name, password->second);
        }
}

bool set_share_password(WebState& state, const std::string& name, const std::string& password) {
    for (auto* list : {&state.shares, &state.usb_shares})
        for (const Share& share : *list)
            if (same_name(share.name, name)) {
                state.passwords[share.name] = password;
                return true;
            }
    return false;
}

}  // namespace appliance_sim
