#include "webmgmt/appliance_session.h"

CApplianceSession::CApplianceSession(const std::string& title)
    : CInternetSession(title, 1, INTERNET_OPEN_TYPE_PRECONFIG) {
    SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 30000);
    SetOption(INTERNET_OPTION_CONNECT_BACKOFF, 1000);
    SetOption(INTERNET_OPTION_CONNECT_RETRIES, 1);
}
