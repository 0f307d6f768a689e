#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace appliance_sim {

// Ways the management web server can misbehave.
enum class WebFault {
    none,
    redirect_once,         // every page first redirects to the same page under /redirected/
    redirect_twice,        // ... and that page redirects once more
    redirect_no_location,  // a redirect status without a Location header
    empty_body,            // 200 with nothing in it
    no_markers,            // 200 with a page that holds none of the script markers
    long_line,             // a line far longer than the client's read pieces before the content
    endless_body,          // streams until the client goes away
    broken_body,           // declares a length and closes the connection half way
    slow,                  // answers after slow_ms
    read_only,             // the change pages answer but change nothing (a full or failing disk)
};

// How the web side is set up; fixed after start.
struct WebSettings {
    std::uint16_t http_port = 80;  // 0: no web server for this appliance
    std::string share_root;        // share folders are made here; empty: state only
    std::string admin_user = "admin";
    std::string admin_password;
    bool basic_auth = false;  // every page needs the administrator's Basic credentials
    WebFault fault = WebFault::none;
    int redirect_status = 302;
    std::string redirect_host;     // where redirects point; empty: the host the request named
    std::string content_location;  // sent with redirects when not empty, ahead of Location
    int slow_ms = 3000;
};

// A shared folder and where it lives: its volume, or for a share on an external disk, that disk.
struct Share {
    std::string name;
    std::string place;
};

// What the management pages show and change.
struct WebState {
    std::vector<std::string> volumes{"Volume_1"};
    std::vector<Share> shares;
    std::vector<Share> usb_shares;
    std::string language;  // last language the language page set
    std::map<std::string, std::string> passwords;  // of the private shares, by share name
};

// The change pages' effects. Each returns whether it changed anything; folders under share_root follow the
// shares (none when share_root is empty).
// A share added with a password is private: its password goes beside the folders as for a configured one.
bool add_share(WebState& state, const std::string& share_root, const std::string& name, const std::string& volume,
               const std::string& password = "");
bool delete_share(WebState& state, const std::string& share_root, const std::string& name, const std::string& volume);
bool safely_remove_disk(WebState& state, const std::string& share_root, const std::string& disk);

// Makes the folders of the shares a configuration starts with, and the appliance's hidden "config" folder.
// Beside the shares, ".passwords/<share>" holds the password of each private share: what a client learns
// from the appliance's file sharing (tests link share_root into Wine's UNC namespace).
void create_share_folders(const WebState& state, const std::string& share_root);

// Gives the share of that name a password; false when there is no such share.
bool set_share_password(WebState& state, const std::string& name, const std::string& password);

// A name the appliance accepts for a share: not empty, no path separators or characters Windows forbids in
// share names, not "." or "..".
bool is_valid_share_name(const std::string& name);

}  // namespace appliance_sim
