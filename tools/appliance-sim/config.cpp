#include "config.h"

#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

#include "ipv4.h"

namespace appliance_sim {
namespace {

// Thrown by value parsers; the parser adds file and line.
struct ValueError {
    std::string message;
};

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Decimal, or hexadecimal with 0x; no sign, no octal surprises from a leading 0.
std::uint64_t parse_unsigned(const std::string& value, std::uint64_t max) {
    int base = 10;
    std::string digits = value;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits = digits.substr(2);
    }
    if (digits.empty() || digits.size() > 16) throw ValueError{"not a number: '" + value + "'"};
    std::uint64_t result = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else throw ValueError{"not a number: '" + value + "'"};
        result = result * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (result > max) throw ValueError{"'" + value + "' is larger than " + std::to_string(max)};
    return result;
}

int parse_int(const std::string& value, int max) {
    return static_cast<int>(parse_unsigned(value, static_cast<std::uint64_t>(max)));
}

std::uint32_t parse_address(const std::string& value) {
    const auto address = parse_ipv4(value);
    if (!address) throw ValueError{"bad IPv4 address: '" + value + "'"};
    return *address;
}

// `count` hex byte pairs separated by '-' or ':' (00-11-32-AA-34-56).
std::vector<std::uint8_t> parse_mac_bytes(const std::string& value, std::size_t count) {
    const std::string expected = std::to_string(count) + " hex bytes separated by '-'";
    if (value.size() != count * 3 - 1) throw ValueError{"bad MAC '" + value + "': expected " + expected};
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string pair = value.substr(i * 3, 2);
        if (i + 1 < count && value[i * 3 + 2] != '-' && value[i * 3 + 2] != ':')
            throw ValueError{"bad MAC '" + value + "': expected " + expected};
        try {
            bytes.push_back(static_cast<std::uint8_t>(parse_unsigned("0x" + pair, 0xFF)));
        } catch (const ValueError&) {
            throw ValueError{"bad MAC '" + value + "': expected " + expected};
        }
    }
    return bytes;
}

bool parse_bool(const std::string& value) {
    if (value == "0") return false;
    if (value == "1") return true;
    throw ValueError{"expected 0 or 1, got '" + value + "'"};
}

AnswerTo parse_answer_to(const std::string& value) {
    if (value == "any") return AnswerTo::any;
    if (value == "subnet") return AnswerTo::subnet;
    if (value == "limited") return AnswerTo::limited;
    if (value == "unicast") return AnswerTo::unicast;
    throw ValueError{"answer_to must be any, subnet, limited or unicast, got '" + value + "'"};
}

Fault parse_fault(const std::string& value) {
    static const std::map<std::string, Fault> faults = {
        {"none", Fault::none},
        {"silent", Fault::silent},
        {"bad_magic", Fault::bad_magic},
        {"bad_code", Fault::bad_code},
        {"no_flags", Fault::no_flags},
        {"short", Fault::short_reply},
        {"unterminated_name", Fault::unterminated_name},
        {"long_name", Fault::long_name},
        {"flood", Fault::flood},
        {"crowd", Fault::crowd},
        {"delay", Fault::delay},
    };
    const auto found = faults.find(value);
    if (found == faults.end()) throw ValueError{"unknown fault '" + value + "'"};
    return found->second;
}

WebFault parse_web_fault(const std::string& value) {
    static const std::map<std::string, WebFault> faults = {
        {"none", WebFault::none},
        {"redirect_once", WebFault::redirect_once},
        {"redirect_twice", WebFault::redirect_twice},
        {"redirect_no_location", WebFault::redirect_no_location},
        {"empty_body", WebFault::empty_body},
        {"no_markers", WebFault::no_markers},
        {"long_line", WebFault::long_line},
        {"endless_body", WebFault::endless_body},
        {"broken_body", WebFault::broken_body},
        {"slow", WebFault::slow},
        {"read_only", WebFault::read_only},
    };
    const auto found = faults.find(value);
    if (found == faults.end()) throw ValueError{"unknown web_fault '" + value + "'"};
    return found->second;
}

bool parse_web_auth(const std::string& value) {
    if (value == "none") return false;
    if (value == "basic") return true;
    throw ValueError{"web_auth must be none or basic, got '" + value + "'"};
}

int parse_redirect_status(const std::string& value) {
    const int status = parse_int(value, 999);
    if (status < 301 || status > 303) throw ValueError{"redirect_status must be 301, 302 or 303"};
    return status;
}

// Comma-separated names; blanks around each are dropped, empty entries are errors.
std::vector<std::string> parse_name_list(const std::string& value) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const auto comma = value.find(',', start);
        const auto length = comma == std::string::npos ? std::string::npos : comma - start;
        const std::string name = trim(value.substr(start, length));
        if (name.empty()) throw ValueError{"empty name in list '" + value + "'"};
        names.push_back(name);
        if (comma == std::string::npos) return names;
        start = comma + 1;
    }
}

// `name:place` (place is a volume or, for usb_share, a disk).
Share parse_share(const std::string& value) {
    const auto colon = value.find(':');
    if (colon == std::string::npos) throw ValueError{"expected 'name:place', got '" + value + "'"};
    Share share{trim(value.substr(0, colon)), trim(value.substr(colon + 1))};
    if (!is_valid_share_name(share.name) || share.place.empty())
        throw ValueError{"expected 'name:place' with a valid share name, got '" + value + "'"};
    return share;
}

// Keys that may be given more than once in a section; each adds one entry.
const std::set<std::string> kRepeatableKeys = {"share", "usb_share", "share_password"};

// `[appliance_range]` describes `count` appliances numbered from 1.
struct RangeSection {
    ApplianceConfig common;
    std::optional<std::uint32_t> first_address;
    int count = 0;
    std::string name_prefix = "Harborbox-";
    std::vector<std::uint8_t> mac_prefix{0x00, 0x11, 0x32, 0x00};
};

using ApplianceSetter = std::function<void(ApplianceConfig&, const std::string&)>;
using RangeSetter = std::function<void(RangeSection&, const std::string&)>;
using GlobalSetter = std::function<void(GlobalSettings&, const std::string&)>;

// Keys both [appliance] and [appliance_range] accept.
const std::unordered_map<std::string, ApplianceSetter>& shared_appliance_keys() {
    static const std::unordered_map<std::string, ApplianceSetter> keys = {
        {"flags", [](ApplianceConfig& a, const std::string& v) {
             a.device.flags = static_cast<std::uint32_t>(parse_unsigned(v, 0xFFFFFFFFu));
         }},
        {"language_set", [](ApplianceConfig& a, const std::string& v) { a.device.language_set = parse_bool(v); }},
        {"web_port", [](ApplianceConfig& a, const std::string& v) {
             a.device.web_port = static_cast<std::uint16_t>(parse_unsigned(v, 0xFFFF));
         }},
        {"query_attribute", [](ApplianceConfig& a, const std::string& v) {
             a.device.query_attribute = static_cast<std::uint8_t>(parse_unsigned(v, 0xFF));
         }},
        {"answer_to", [](ApplianceConfig& a, const std::string& v) { a.answer_to = parse_answer_to(v); }},
        {"fault", [](ApplianceConfig& a, const std::string& v) { a.misbehaviour.fault = parse_fault(v); }},
        {"flood_count", [](ApplianceConfig& a, const std::string& v) { a.misbehaviour.flood_count = parse_int(v, 100000); }},
        {"asleep", [](ApplianceConfig& a, const std::string& v) { a.device.asleep = parse_bool(v); }},
        {"delay_ms", [](ApplianceConfig& a, const std::string& v) { a.misbehaviour.delay_ms = parse_int(v, 60000); }},
        {"http_port", [](ApplianceConfig& a, const std::string& v) {
             a.web.http_port = static_cast<std::uint16_t>(parse_unsigned(v, 0xFFFF));
         }},
        {"share_root", [](ApplianceConfig& a, const std::string& v) { a.web.share_root = v; }},
        {"admin_user", [](ApplianceConfig& a, const std::string& v) { a.web.admin_user = v; }},
        {"admin_password", [](ApplianceConfig& a, const std::string& v) { a.web.admin_password = v; }},
        {"web_auth", [](ApplianceConfig& a, const std::string& v) { a.web.basic_auth = parse_web_auth(v); }},
        {"web_fault", [](ApplianceConfig& a, const std::string& v) { a.web.fault = parse_web_fault(v); }},
        {"redirect_status", [](ApplianceConfig& a, const std::string& v) {
             a.web.redirect_status = parse_redirect_status(v);
         }},
        {"redirect_host", [](ApplianceConfig& a, const std::string& v) { a.web.redirect_host = v; }},
        {"content_location", [](ApplianceConfig& a, const std::string& v) { a.web.content_location = v; }},
        {"slow_ms", [](ApplianceConfig& a, const std::string& v) { a.web.slow_ms = parse_int(v, 600000); }},
        // "none": an appliance without a volume, which cannot hold a new share.
        {"volumes", [](ApplianceConfig& a, const std::string& v) {
             a.web_state.volumes = v == "none" ? std::vector<std::string>{} : parse_name_list(v);
         }},
        {"share", [](ApplianceConfig& a, const std::string& v) { a.web_state.shares.push_back(parse_share(v)); }},
        {"usb_share", [](ApplianceConfig& a, const std::string& v) {
             a.web_state.usb_shares.push_back(parse_share(v));
         }},
        // `name:password` for a share given before it.
        {"share_password", [](ApplianceConfig& a, const std::string& v) {
             const auto colon = v.find(':');
             if (colon == std::string::npos || colon + 1 == v.size() ||
                 !set_share_password(a.web_state, trim(v.substr(0, colon)), v.substr(colon + 1)))
                 throw ValueError{"expected 'name:password' of a share given before, got '" + v + "'"};
         }},
    };
    return keys;
}

const std::unordered_map<std::string, ApplianceSetter>& single_appliance_keys() {
    static const std::unordered_map<std::string, ApplianceSetter> keys = {
        {"address", [](ApplianceConfig& a, const std::string& v) { a.address = parse_address(v); }},
        {"name", [](ApplianceConfig& a, const std::string& v) { a.device.name = v; }},
        {"mac", [](ApplianceConfig& a, const std::string& v) {
             const auto bytes = parse_mac_bytes(v, 6);
             std::copy(bytes.begin(), bytes.end(), a.device.mac.begin());
         }},
    };
    return keys;
}

const std::unordered_map<std::string, RangeSetter>& range_keys() {
    static const std::unordered_map<std::string, RangeSetter> keys = {
        {"first_address", [](RangeSection& r, const std::string& v) { r.first_address = parse_address(v); }},
        {"count", [](RangeSection& r, const std::string& v) {
             r.count = parse_int(v, 65535);
             if (r.count == 0) throw ValueError{"count must be at least 1"};
         }},
        {"name_prefix", [](RangeSection& r, const std::string& v) { r.name_prefix = v; }},
        {"mac_prefix", [](RangeSection& r, const std::string& v) { r.mac_prefix = parse_mac_bytes(v, 4); }},
    };
    return keys;
}

const std::unordered_map<std::string, GlobalSetter>& global_keys() {
    static const std::unordered_map<std::string, GlobalSetter> keys = {
        {"reply_spread_ms", [](GlobalSettings& g, const std::string& v) { g.reply_spread_ms = parse_int(v, 60000); }},
        {"seed", [](GlobalSettings& g, const std::string& v) {
             g.seed = static_cast<std::uint32_t>(parse_unsigned(v, 0xFFFFFFFFu));
         }},
    };
    return keys;
}

class Parser {
public:
    explicit Parser(std::string file_name) : file_name_(std::move(file_name)) {}

    void feed(const std::string& raw_line) {
        ++line_;
        const std::string line = trim(raw_line.substr(0, raw_line.find('#')));
        if (line.empty()) return;
        if (line.front() == '[') {
            open_section(line);
            return;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) fail(line_, "expected 'key = value', got '" + line + "'");
        set_key(trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
    }

    SimConfig finish() {
        close_section();
        return std::move(config_);
    }

private:
    enum class Section { none, global, appliance, range };

    [[noreturn]] void fail(int line, const std::string& message) const {
        throw ConfigError(file_name_ + ":" + std::to_string(line) + ": " + message);
    }

    void open_section(const std::string& header) {
        close_section();
        if (header == "[global]") section_ = Section::global;
        else if (header == "[appliance]") section_ = Section::appliance;
        else if (header == "[appliance_range]") section_ = Section::range;
        else fail(line_, "unknown section " + header);
        section_line_ = line_;
        seen_keys_.clear();
        appliance_ = ApplianceConfig{};
        appliance_.line = line_;
        range_ = RangeSection{};
        range_.common.line = line_;
    }

    void set_key(const std::string& key, const std::string& value) {
        if (!seen_keys_.insert(key).second && kRepeatableKeys.count(key) == 0)
            fail(line_, "key '" + key + "' given twice in this section");
        try {
            if (!apply(key, value)) fail(line_, "unknown key '" + key + "'" + section_label());
        } catch (const ValueError& error) {
            fail(line_, key + ": " + error.message);
        }
    }

    // Returns false when the current section has no such key.
    bool apply(const std::string& key, const std::string& value) {
        switch (section_) {
            case Section::none:
                fail(line_, "'" + key + "' before any section");
            case Section::global:
                return apply_from(global_keys(), config_.global, key, value);
            case Section::appliance:
                return apply_from(single_appliance_keys(), appliance_, key, value) ||
                       apply_from(shared_appliance_keys(), appliance_, key, value);
            case Section::range:
                return apply_from(range_keys(), range_, key, value) ||
                       apply_from(shared_appliance_keys(), range_.common, key, value);
        }
        return false;
    }

    template <typename Keys, typename Target>
    static bool apply_from(const Keys& keys, Target& target, const std::string& key, const std::string& value) {
        const auto setter = keys.find(key);
        if (setter == keys.end()) return false;
        setter->second(target, value);
        return true;
    }

    std::string section_label() const {
        switch (section_) {
            case Section::global: return " in [global]";
            case Section::appliance: return " in [appliance]";
            case Section::range: return " in [appliance_range]";
            case Section::none: break;
        }
        return "";
    }

    void close_section() {
        if (section_ == Section::appliance) {
            if (seen_keys_.count("address") == 0) fail(section_line_, "[appliance] without an address");
            add(appliance_);
        } else if (section_ == Section::range) {
            if (!range_.first_address) fail(section_line_, "[appliance_range] without first_address");
            if (range_.count == 0) fail(section_line_, "[appliance_range] without count");
            if (std::uint64_t{*range_.first_address} + static_cast<std::uint64_t>(range_.count) - 1 > 0xFFFFFFFFu)
                fail(section_line_, "[appliance_range] runs past 255.255.255.255");
            for (int number = 1; number <= range_.count; ++number) add(range_member(number));
        }
        section_ = Section::none;
    }

    ApplianceConfig range_member(int number) const {
        ApplianceConfig member = range_.common;
        member.address = *range_.first_address + static_cast<std::uint32_t>(number - 1);
        member.device.name = range_.name_prefix + std::to_string(number);
        std::copy(range_.mac_prefix.begin(), range_.mac_prefix.end(), member.device.mac.begin());
        member.device.mac[4] = static_cast<std::uint8_t>(number >> 8);
        member.device.mac[5] = static_cast<std::uint8_t>(number & 0xFF);
        return member;
    }

    void add(const ApplianceConfig& appliance) {
        const Fault fault = appliance.misbehaviour.fault;
        if ((fault == Fault::flood || fault == Fault::crowd) && appliance.misbehaviour.flood_count < 1)
            fail(appliance.line, std::string("fault = ") + (fault == Fault::flood ? "flood" : "crowd") +
                                     " needs flood_count of at least 1");
        const auto [existing, inserted] = lines_by_address_.emplace(appliance.address, appliance.line);
        if (!inserted)
            fail(appliance.line, "address " + format_ipv4(appliance.address) + " already used by the appliance of line " +
                                     std::to_string(existing->second));
        config_.appliances.push_back(appliance);
    }

    const std::string file_name_;
    int line_ = 0;
    Section section_ = Section::none;
    int section_line_ = 0;
    std::set<std::string> seen_keys_;
    ApplianceConfig appliance_;
    RangeSection range_;
    std::map<std::uint32_t, int> lines_by_address_;
    SimConfig config_;
};

}  // namespace

SimConfig parse_config(std::istream& in, const std::string& file_name) {
    Parser parser(file_name);
    std::string line;
    while (std::getline(in, line)) parser.feed(line);
    return parser.finish();
}

SimConfig load_config(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw ConfigError(path + ": cannot open");
    return parse_config(in, path);
}

}  // namespace appliance_sim
